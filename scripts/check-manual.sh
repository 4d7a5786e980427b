#!/usr/bin/env bash
# Checks the built user manual: a PDF with the English and the Slovak part listed on its cover,
# every contents entry pointing at the page where its chapter starts, and the worked examples'
# figures in both parts. Needs pdftotext (Debian: poppler-utils); without it only the file is
# checked.
# Usage: scripts/check-manual.sh [manual, default build/files/documentation.pdf]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
manual="${1:-$root/build/files/documentation.pdf}"

failures=0
checked=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

if [ "$(head -c4 "$manual")" != "%PDF" ]; then
  echo "FAIL: $manual is not a PDF" >&2
  exit 1
fi
if ! command -v pdftotext > /dev/null; then
  echo "skip: pdftotext not installed (Debian: poppler-utils); only the PDF header was checked"
  exit 0
fi

page() { pdftotext -layout -f "$1" -l "$1" "$manual" - 2> /dev/null; }
trimmed_lines() { sed 's/^ *//; s/ *$//'; }

# The cover names each part with the page it starts on; that page starts with the part's title.
cover=$(page 1 | trimmed_lines)
parts=$(grep -E '^(User manual|Používateľská príručka) .* [0-9]+$' <<< "$cover" || true)
[ "$(wc -l <<< "$parts")" -eq 2 ] || fail "the cover does not list the two parts: $cover"
while read -r line; do
  title=$(sed -E 's/ +[0-9]+$//' <<< "$line")
  number=$(grep -oE '[0-9]+$' <<< "$line")
  page "$number" | trimmed_lines | head -n1 | grep -qxF "$title" \
    || fail "part '$title' does not start on page $number"

  # The contents list under the part's title: each chapter on the page it names.
  entries=$(page "$number" | trimmed_lines | grep -E '^[^ ].* [0-9]+$' | head -n 20)
  [ -n "$entries" ] || fail "no contents list on page $number"
  while read -r entry; do
    chapter=$(sed -E 's/ +[0-9]+$//' <<< "$entry")
    at=$(grep -oE '[0-9]+$' <<< "$entry")
    page "$at" | trimmed_lines | grep -qxF "$chapter" \
      || fail "contents: '$chapter' is not on page $at"
    checked=$((checked + 1))
  done <<< "$entries"
done <<< "$parts"

# The worked examples: both start methods and both waste band settings, in both parts.
text=$(pdftotext "$manual" - | tr '\n' ' ')
for figure in "476" "3994" "4946" "72.52" "72,52" "470" "482" "1100 + 400 + 300" "1100 + 300" \
              "1100 + 400 " "6000 − 5524" "marlo-veen-cli optimise"; do
  grep -qF -- "$figure" <<< "$text" || fail "the manual does not mention '$figure'"
done

if [ "$failures" -ne 0 ]; then
  echo "check-manual: $failures problem(s)" >&2
  exit 1
fi
echo "check-manual: cover, $checked contents entries and the examples of $manual are in order"
