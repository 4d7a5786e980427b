#!/usr/bin/env bash
# Runs a command against a throwaway PostgreSQL 15 server: a cluster made with initdb in a
# temporary folder, listening on 127.0.0.1 only, on a free port, with its socket in that folder.
# The command sees the connection in MARLO_TEST_POSTGRES (postgresql://marlo@127.0.0.1:PORT/marlo)
# and shell commands that stop and start the server in MARLO_TEST_POSTGRES_STOP and
# MARLO_TEST_POSTGRES_START. The cluster is removed afterwards, whatever happens.
# Run as root, the server runs as the unprivileged user nobody (PostgreSQL refuses root).
set -euo pipefail
if [ $# -eq 0 ]; then
  echo "usage: $0 COMMAND [ARGUMENT...]" >&2
  exit 2
fi
bin=/usr/lib/postgresql/15/bin
if [ ! -x "$bin/initdb" ]; then
  echo "$0: PostgreSQL 15 is not installed (Debian package postgresql)" >&2
  exit 2
fi

folder=$(mktemp -d /tmp/marlo-postgres.XXXXXX)
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$folder"
  as_owner=(runuser -u nobody --)
fi
data="$folder/data"
stop_server() {
  "${as_owner[@]}" "$bin/pg_ctl" -D "$data" -m fast -w stop >/dev/null 2>&1 || true
}
cleanup() {
  stop_server
  rm -rf "$folder"
}
trap cleanup EXIT
child=
trap '[ -n "$child" ] && kill -TERM "$child" 2>/dev/null; exit 130' INT TERM HUP

"${as_owner[@]}" "$bin/initdb" -D "$data" -U marlo --auth=trust --encoding=UTF8 --locale=C.UTF-8 \
  >"$folder/initdb.log" 2>&1 || { cat "$folder/initdb.log" >&2; exit 1; }
# A free port: the server refuses to start on a port in use, so try a few at random.
for attempt in $(seq 1 20); do
  port=$((20000 + RANDOM % 40000))
  options="-c listen_addresses=127.0.0.1 -c port=$port -c unix_socket_directories=$folder -c fsync=off"
  start_command="${as_owner[*]} $bin/pg_ctl -D $data -l $folder/server.log -o '$options' -w start"
  if sh -c "$start_command" >/dev/null 2>&1; then break; fi
  if [ "$attempt" -eq 20 ]; then cat "$folder/server.log" >&2; exit 1; fi
done
stop_command="${as_owner[*]} $bin/pg_ctl -D $data -m fast -w stop"
"${as_owner[@]}" "$bin/createdb" -h 127.0.0.1 -p "$port" -U marlo marlo

export MARLO_TEST_POSTGRES="postgresql://marlo@127.0.0.1:$port/marlo"
export MARLO_TEST_POSTGRES_STOP="$stop_command >/dev/null"
export MARLO_TEST_POSTGRES_START="$start_command >/dev/null"
# The command runs in the background so that a stop of this script reaches it at once.
status=0
"$@" <&0 &
child=$!
wait "$child" || status=$?
exit "$status"
