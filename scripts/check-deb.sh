#!/usr/bin/env bash
# The clean check of the Debian package, as root: installs it on this machine with dpkg (apt-get
# brings any dependency that is missing), checks that it declares its libraries, that the
# command line program optimises the installed sample job and that the desktop program starts
# (under Xvfb, when xvfb-run is there), then removes the package again, also when a check fails.
# Usage: scripts/check-deb.sh [package, default build-pkg/marlo-veen_*.deb]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deb="${1:-$(ls "$root"/build-pkg/marlo-veen_*.deb | tail -n1)}"
deb="$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")"
work="$(mktemp -d)"

if [ "$(id -u)" -ne 0 ]; then
  echo "check-deb: run as root (it installs and removes the package)" >&2
  exit 2
fi

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() { echo "ok:   $*"; }

uninstall() {
  if dpkg-query -W -f='${Status}' marlo-veen 2>/dev/null | grep -q "installed"; then
    dpkg -r marlo-veen > /dev/null
  fi
}
trap 'uninstall; rm -rf "$work"' EXIT

echo "check-deb: $deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6printsupport6 libqt6svg6 libxlsxwriter coinor-libcbc coinor-libclp libzint \
  fonts-liberation libqt6sql6-sqlite libzip4 libpugixml1v5 libfreexl1; do
  grep -q "$needed" <<< "$depends" && pass "depends on $needed" || fail "no dependency on $needed"
done

uninstall
export DEBIAN_FRONTEND=noninteractive
if ! dpkg -i "$deb"; then
  apt-get install -f -y --no-install-recommends
fi
dpkg-query -W -f='${Status}\n' marlo-veen | grep -q "install ok installed" \
  && pass "marlo-veen is installed" || fail "marlo-veen is not installed"

for program in /usr/bin/marlo-veen /usr/bin/marlo-veen-cli; do
  if ldd "$program" | grep -q "not found"; then fail "$program misses libraries"; else
    pass "$program finds its libraries"; fi
done
for f in /usr/share/applications/marlo-veen.desktop \
         /usr/share/metainfo/org.marloveen.MarloVeen.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/marlo-veen.svg \
         /usr/share/mime/packages/marlo-veen.xml \
         /usr/share/marlo-veen/files/documentation.pdf; do
  [ -s "$f" ] && pass "$f" || fail "missing $f"
done

mkdir -p "$work/config"
json=$(XDG_CONFIG_HOME="$work/config" marlo-veen-cli optimise \
  /usr/share/marlo-veen/samples/worked-example.opt --json)
echo "$json"
if grep -q '"status": "finished"' <<< "$json" && grep -q '"rod_count": 3' <<< "$json" \
    && grep -q '"total_waste": 4946' <<< "$json"; then
  pass "marlo-veen-cli optimises the installed sample job"
else
  fail "marlo-veen-cli did not give the plan of the sample job"
fi

if XDG_CONFIG_HOME="$work/config" marlo-veen-cli export \
      /usr/share/marlo-veen/samples/worked-example.opt "$work/job.mvjob" --language en \
    && XDG_CONFIG_HOME="$work/config" marlo-veen-cli export "$work/job.mvjob" "$work/parts.xlsx" \
    && [ -s "$work/parts.xlsx" ]; then
  pass "marlo-veen-cli exports the sample job as a production job and its parts"
else
  fail "marlo-veen-cli could not export the sample job"
fi
# The package's type database names both job files (dpkg's trigger of shared-mime-info).
if [ -f /usr/share/mime/globs ]; then
  for glob in opt mvjob; do
    grep -q "application/x-marlo-veen-job:\*\.$glob" /usr/share/mime/globs \
      && pass "*.$glob is application/x-marlo-veen-job" || fail "*.$glob is not registered"
  done
else
  echo "skip: no type database (Debian: shared-mime-info)"
fi

printf 'length;quantity;price;kind;id\n6000;10;;rod;\n1200;1;;offcut;A-1\n' > "$work/stock.csv"
if XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" marlo-veen-cli stock import \
      --material "Profile 70" "$work/stock.csv" --language en \
    && [ -s "$work/data/marlo-veen/stock.sqlite" ]; then
  pass "marlo-veen-cli keeps stock in the user's own store"
else
  fail "marlo-veen-cli could not import stock into the user's own store"
fi

if command -v xvfb-run > /dev/null; then
  # Stored settings of an earlier start: no language form, the manual already shown once.
  printf '[nastavenia]\njazyk=english\ndokumentacia=0\n' > "$work/config/Optimalizacia.ini"
  status=0
  XDG_CONFIG_HOME="$work/config" HOME="$work" xvfb-run -a -s "-screen 0 1280x1024x24" \
    timeout 8 /usr/bin/marlo-veen > "$work/gui.log" 2>&1 || status=$?
  # 124: still running when the time was up, so it started and stayed up.
  if [ "$status" -eq 124 ]; then pass "marlo-veen starts and keeps running"; else
    cat "$work/gui.log" >&2; fail "marlo-veen ended with status $status"; fi
else
  echo "skip: xvfb-run not installed, the desktop program was not started"
fi

dpkg -r marlo-veen > /dev/null
[ ! -e /usr/bin/marlo-veen ] && [ ! -e /usr/share/marlo-veen ] \
  && pass "dpkg -r removes the package" || fail "files left after dpkg -r"

if [ "$failures" -ne 0 ]; then
  echo "check-deb: $failures problem(s)" >&2
  exit 1
fi
echo "check-deb: the package installs, runs and is removed cleanly"
