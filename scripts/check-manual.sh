#!/usr/bin/env bash
# Checks the built user manuals: the complete one with the five language parts listed on its
# cover, and beside it one manual per language with its one part; in each, every contents entry
# points at the page where its chapter starts, and each language's manual has the worked
# examples' figures. Needs pdftotext (Debian: poppler-utils); without it only the files are
# checked.
# Usage: scripts/check-manual.sh [complete manual, default build/files/documentation.pdf]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
manual="${1:-$root/build/files/documentation.pdf}"
languages=(en sk de cs nl)

failures=0
checked=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

pdfs=("$manual")
for language in "${languages[@]}"; do pdfs+=("$(dirname "$manual")/documentation-$language.pdf"); done
for pdf in "${pdfs[@]}"; do
  if [ "$(head -c4 "$pdf" 2> /dev/null)" != "%PDF" ]; then
    echo "FAIL: $pdf is not a PDF" >&2
    exit 1
  fi
done
if ! command -v pdftotext > /dev/null; then
  echo "skip: pdftotext not installed (Debian: poppler-utils); only the PDF headers were checked"
  exit 0
fi

trimmed_lines() { sed 's/^ *//; s/ *$//'; }
# The page checks read their whole input: a grep -q or head that stops early would end the
# pipeline's writer with SIGPIPE, which pipefail reports as a missing chapter.

# check_parts PDF COUNT: the cover names COUNT parts with the page each starts on; that page
# starts with the part's title and lists its chapters, each on the page it names.
check_parts() {
  local pdf=$1 count=$2 cover parts line title number entries entry chapter at
  page() { pdftotext -layout -f "$1" -l "$1" "$pdf" - 2> /dev/null; }
  cover=$(page 1 | trimmed_lines)
  parts=$(grep -E '^(User manual|Používateľská príručka|Benutzerhandbuch|Uživatelská příručka|Gebruikershandleiding) .* [0-9]+$' <<< "$cover" || true)
  [ "$(grep -c . <<< "$parts")" -eq "$count" ] \
    || fail "$pdf: the cover does not list $count part(s): $cover"
  while read -r line; do
    [ -n "$line" ] || continue
    title=$(sed -E 's/ +[0-9]+$//' <<< "$line")
    number=$(grep -oE '[0-9]+$' <<< "$line")
    page "$number" | trimmed_lines | sed -n 1p | grep -xF "$title" > /dev/null \
      || fail "$pdf: part '$title' does not start on page $number"
    # Every contents entry, the page's footer (the part's title and page number) aside.
    entries=$(page "$number" | trimmed_lines | grep -E '^[^ ].* [0-9]+$' \
      | grep -vE '^(User manual|Používateľská príručka|Benutzerhandbuch|Uživatelská příručka|Gebruikershandleiding) ')
    [ -n "$entries" ] || fail "$pdf: no contents list on page $number"
    while read -r entry; do
      chapter=$(sed -E 's/ +[0-9]+$//' <<< "$entry")
      at=$(grep -oE '[0-9]+$' <<< "$entry")
      page "$at" | trimmed_lines | grep -xF "$chapter" > /dev/null \
        || fail "$pdf: contents: '$chapter' is not on page $at"
      checked=$((checked + 1))
    done <<< "$entries"
  done <<< "$parts"
}

check_parts "$manual" "${#languages[@]}"
for language in "${languages[@]}"; do
  pdf="$(dirname "$manual")/documentation-$language.pdf"
  check_parts "$pdf" 1

  # The worked examples: both start methods and both waste band settings.
  text=$(pdftotext "$pdf" - | tr '\n' ' ')
  for figure in "476" "3994" "4946" "470" "482" "1100 + 400 + 300" "1100 + 300" "1100 + 400 " \
                "6000 − 5524" "marlo-veen-cli optimise"; do
    grep -qF -- "$figure" <<< "$text" || fail "$pdf does not mention '$figure'"
  done
  grep -qE "72[.,]52" <<< "$text" || fail "$pdf does not mention the efficiency 72.52"
done

if [ "$failures" -ne 0 ]; then
  echo "check-manual: $failures problem(s)" >&2
  exit 1
fi
echo "check-manual: covers, $checked contents entries and the examples of the manuals are in order"
