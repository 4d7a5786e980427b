#!/usr/bin/env bash
# Runs the README's command-line examples top to bottom, as a newcomer would in a fresh clone: every
# line of its ```sh blocks that calls a program of the build (build/...) or makes a file (printf),
# continued lines joined, in a folder of its own that holds the samples and the benchmark jobs,
# with a settings file as the window leaves it (Fewest rods, a trim of 10 mm) and a stock store
# of its own. The set-up lines (scripts/..., apt-get) and commands for a server (postgresql://)
# are the reader's. Fails on the first example that ends with another status than 0, and on one
# that calls the programs by a name that is only on the path once the package is installed.
# Usage: scripts/check-readme.sh [build folder, default build]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ln -s "$root/samples" "$work/samples"
ln -s "$root/bench" "$work/bench"
ln -s "$build" "$work/build"
mkdir -p "$work/config" "$work/data"
printf '[nastavenia]\r\nmetoda=1\r\ncasovy%%20limit=5\r\norez=10\r\n' > "$work/config/Optimalizacia.ini"

# The example lines, one per command, in the README's order.
examples="$work/examples"
awk '
  /^```sh$/ { inBlock = 1; next }
  /^```$/   { inBlock = 0; next }
  inBlock {
    line = line $0
    if (line ~ /\\$/) { sub(/\\$/, "", line); next }
    sub(/[ \t]+#.*$/, "", line)
    if (line ~ /^marlo-veen/) print "echo \"calls a program a fresh clone does not have on its path\"; false # " line
    else if (line ~ /^(build\/|printf )/ && line !~ /postgresql:\/\//) print line
    line = ""
  }
' "$root/README.md" > "$examples"

count=0
while IFS= read -r example; do
  count=$((count + 1))
  if ! (cd "$work" && XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    QT_QPA_PLATFORM=offscreen bash -c "$example" > "$work/out" 2>&1); then
    echo "FAIL: README example $count ended with an error: $example" >&2
    tail -5 "$work/out" >&2
    exit 1
  fi
done < "$examples"
if [ "$count" -lt 8 ]; then
  echo "FAIL: only $count README examples found" >&2
  exit 1
fi
echo "check-readme: the README's $count command-line examples run as written"
