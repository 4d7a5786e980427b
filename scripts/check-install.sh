#!/usr/bin/env bash
# Installs a build of marlo-veen into a temporary prefix and checks that every file the desktop
# looks for is where it expects it: the programs, the launcher entry and the icon it names, the
# AppStream description and the programs it lists, the job file type and the launcher's claim on
# it, the manual at the place the desktop program opens it, and the sample jobs (the installed
# command line program must optimise one and export it as a production job). desktop-file-validate
# and appstreamcli (Debian: desktop-file-utils, appstream) check the entries; a missing validator
# is reported and skipped.
# Usage: scripts/check-install.sh [build folder, default build]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/usr"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() { echo "ok:   $*"; }
skip() { echo "skip: $*"; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log"

check_file() {
  if [ -f "$prefix/$1" ] && [ -s "$prefix/$1" ]; then pass "$1"; else fail "missing or empty: $1"; fi
}
check_program() {
  if [ -x "$prefix/bin/$1" ]; then pass "bin/$1"; else fail "missing program: bin/$1"; fi
}

# A PNG holds its width and height as big-endian numbers at bytes 16 to 23.
png_size() {
  local bytes
  bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' ' | sed 's/^ //')
  set -- $bytes
  echo "$(( ($1 << 24) + ($2 << 16) + ($3 << 8) + $4 ))x$(( ($5 << 24) + ($6 << 16) + ($7 << 8) + $8 ))"
}

desktop_value() {
  sed -n "s/^$1=//p" "$prefix/share/applications/marlo-veen.desktop" | head -n1
}

check_program marlo-veen
check_program marlo-veen-cli

desktop=share/applications/marlo-veen.desktop
metainfo=share/metainfo/org.marloveen.MarloVeen.metainfo.xml
mime=share/mime/packages/marlo-veen.xml
manual=share/marlo-veen/files/documentation.pdf
for f in "$desktop" "$metainfo" "$mime" "$manual" share/doc/marlo-veen/README.md \
         share/marlo-veen/samples/worked-example.opt share/marlo-veen/samples/workshop.opt \
         share/marlo-veen/samples/workshop-{en,de,cs,nl}.opt \
         share/marlo-veen/files/documentation-{en,sk,de,cs,nl}.pdf; do
  check_file "$f"
done

# The launcher starts a program of the package and shows an icon of the package.
exec_name=$(desktop_value Exec | cut -d' ' -f1)
[ -x "$prefix/bin/$exec_name" ] && pass "Exec=$exec_name is installed" \
  || fail "Exec=$exec_name is not in bin/"
icon=$(desktop_value Icon)
check_file "share/icons/hicolor/scalable/apps/$icon.svg"
for size in 16 24 32 48 64 128 256; do
  png="share/icons/hicolor/${size}x${size}/apps/$icon.png"
  if [ -f "$prefix/$png" ] && [ "$(png_size "$prefix/$png")" = "${size}x${size}" ]; then
    pass "$png is ${size}x${size}"
  else
    fail "missing or wrong size: $png"
  fi
done

# The AppStream description names this launcher, these programs and this version.
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$prefix/$metainfo")
[ "$launchable" = "marlo-veen.desktop" ] && pass "metainfo launches $launchable" \
  || fail "metainfo launchable '$launchable' is not the installed launcher"
for binary in $(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$prefix/$metainfo"); do
  [ -x "$prefix/bin/$binary" ] && pass "metainfo binary $binary is installed" \
    || fail "metainfo binary $binary is not in bin/"
done
version=$(sed -n 's/^project(marlo-veen VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
grep -q "<release version=\"$version\"" "$prefix/$metainfo" \
  && pass "metainfo lists release $version" \
  || fail "metainfo has no release entry for version $version"

# The desktop program opens the manual of its language at <its folder>/../share/marlo-veen/files.
for pdf in "$manual" share/marlo-veen/files/documentation-{en,sk,de,cs,nl}.pdf; do
  if [ "$(head -c4 "$prefix/bin/../$pdf" 2> /dev/null)" = "%PDF" ]; then
    pass "$pdf is a PDF beside the program's data folder"
  else
    fail "bin/../$pdf is not a PDF"
  fi
done
if [ "$(readlink -f "$prefix/share/doc/marlo-veen/documentation.pdf")" = "$(readlink -f "$prefix/$manual")" ]; then
  pass "share/doc/marlo-veen/documentation.pdf points at the manual"
else
  fail "share/doc/marlo-veen/documentation.pdf does not point at the manual"
fi

# The installed command line program optimises an installed sample job.
json=$(XDG_CONFIG_HOME="$work/config" "$prefix/bin/marlo-veen-cli" optimise \
  "$prefix/share/marlo-veen/samples/worked-example.opt" --json)
if grep -q '"rod_count": 3' <<< "$json" && grep -q '"total_waste": 4946' <<< "$json"; then
  pass "installed marlo-veen-cli optimises the installed sample job"
else
  fail "installed marlo-veen-cli gave: $json"
fi

# The installed command line program turns the sample job into a production job and exports its
# parts.
cli() { XDG_CONFIG_HOME="$work/config" "$prefix/bin/marlo-veen-cli" "$@"; }
if cli export "$prefix/share/marlo-veen/samples/worked-example.opt" "$work/job.mvjob" --language en \
    && cli export "$work/job.mvjob" "$work/parts.csv" --language en \
    && grep -q "^1;Material;2000;3;;;0;0" "$work/parts.csv"; then
  pass "installed marlo-veen-cli exports the sample job as a production job and its parts"
else
  fail "installed marlo-veen-cli could not export the sample job"
fi

# The job file type is registered for both job files, *.opt and *.mvjob, by name and by content.
if command -v update-mime-database > /dev/null; then
  mkdir -p "$work/mime/packages"
  cp "$prefix/$mime" "$work/mime/packages/"
  update-mime-database "$work/mime" > /dev/null 2>&1
  for glob in opt mvjob; do
    grep -q "application/x-marlo-veen-job:\*\.$glob" "$work/mime/globs" \
      && pass "*.$glob is application/x-marlo-veen-job" || fail "*.$glob is not registered"
  done
  if command -v gio > /dev/null && [ -s "$work/job.mvjob" ]; then
    cp "$work/job.mvjob" "$work/production-job"
    sniffed=$(XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work:/usr/share" \
      gio info -a standard::content-type "$work/production-job" | sed -n 's/.*content-type: //p')
    [ "$sniffed" = application/x-marlo-veen-job ] \
      && pass "a production job without its extension is told by its content" \
      || fail "a production job without its extension is taken as '$sniffed'"
  else
    skip "gio not installed (Debian: libglib2.0-bin): the content match is not checked"
  fi
else
  skip "update-mime-database not installed (Debian: shared-mime-info)"
fi

# The launcher opens job files: it takes the file on its command line, claims the job file type
# and the AppStream description says it provides that type; the desktop's cache of types then
# names the launcher for it.
job_type=$(sed -n 's:.*<mime-type type="\([^"]*\)".*:\1:p' "$prefix/$mime")
[ "$(desktop_value Exec)" = "$exec_name %f" ] && pass "Exec passes the file (%f)" \
  || fail "Exec '$(desktop_value Exec)' does not pass the file as %f"
grep -qx "$job_type;" <<< "$(desktop_value MimeType)" && pass "launcher claims $job_type" \
  || fail "launcher MimeType '$(desktop_value MimeType)' is not '$job_type;'"
grep -q "<mediatype>$job_type</mediatype>" "$prefix/$metainfo" \
  && pass "metainfo provides $job_type" || fail "metainfo does not provide $job_type"
if command -v update-desktop-database > /dev/null; then
  mkdir -p "$work/applications"
  cp "$prefix/$desktop" "$work/applications/"
  update-desktop-database "$work/applications"
  grep -qx "$job_type=marlo-veen.desktop;" "$work/applications/mimeinfo.cache" \
    && pass "$job_type opens with marlo-veen.desktop" \
    || fail "the desktop's type cache does not open $job_type with marlo-veen.desktop"
else
  skip "update-desktop-database not installed (Debian: desktop-file-utils)"
fi

if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$prefix/$desktop" && pass "desktop-file-validate $desktop" \
    || fail "desktop-file-validate $desktop"
else
  skip "desktop-file-validate not installed (Debian: desktop-file-utils)"
fi

if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$prefix/$metainfo" > "$work/appstream.log" 2>&1 \
    && pass "appstreamcli validate $metainfo" \
    || { cat "$work/appstream.log" >&2; fail "appstreamcli validate $metainfo"; }
else
  skip "appstreamcli not installed (Debian: appstream)"
fi

if [ "$failures" -ne 0 ]; then
  echo "check-install: $failures problem(s)" >&2
  exit 1
fi
echo "check-install: every installed file is in place"
