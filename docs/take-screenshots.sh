#!/usr/bin/env bash
# Takes the screenshots of the user manual from the real desktop program: it runs under Xvfb with
# stored settings of its own, xdotool types the jobs and presses the buttons as an operator would,
# and ImageMagick's import grabs the window. The pictures go to docs/screenshots as
# <picture>-<language>.png; rebuild the manual afterwards. The About window shows the manual's
# place as the program finds it: take the pictures from the installed program (/usr/bin) so that
# they show the installed place.
# Needs (Debian): xvfb xauth xdotool imagemagick.
# The pages of the cutting diagram come from the command line program beside the desktop program
# (installed), or from the build's, each from the workshop sample job of its language.
# Usage: docs/take-screenshots.sh [program, default build/app/marlo-veen] [language ...]
# Without languages the pictures of all five are taken (english slovak german czech dutch).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="$(realpath "${1:-$root/build/app/marlo-veen}")"
out="$root/docs/screenshots"
languages=("${@:2}")
[ ${#languages[@]} -gt 0 ] || languages=(english slovak german czech dutch)

# The screen is wide enough for the whole window of a production job (about 1310 pixels).
if [ -z "${MARLO_SCREENSHOT_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1400x1024x24" \
    env MARLO_SCREENSHOT_DISPLAY=1 "${BASH_SOURCE[0]}" "$program" "${languages[@]}"
fi

cli="$(dirname "$program")/marlo-veen-cli"
[ -x "$cli" ] || cli="$(dirname "$program")/../src/cli/marlo-veen-cli"

work="$(mktemp -d)"
pid=""
stop_program() {
  if [ -n "$pid" ]; then
    kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
    pid=""
  fi
}
# The throwaway stock store sits in a folder of a fixed name, as the Stock window shows its place.
store_folder="${TMPDIR:-/tmp}/marlo-veen-screenshots"
store="sqlite:$store_folder/stock.sqlite"
trap 'stop_program; rm -rf "$work" "$store_folder"' EXIT

# Places of the controls in the main window, from its top left corner (the layout is fixed).
optimise_button=(270 108)
diagram_button=(258 37)
parameters_button=(338 37)
about_button=(371 37)
# The File menu, and in it Export labels as PDF…, which opens the Labels window first.
file_menu=(20 10)
export_labels_item=(91 334)
# In the File menu as well: Stock… and Book this plan.
stock_item=(91 436)
book_plan_item=(91 456)
# A run from stock plans for at most this many seconds, in a window enlarged to show more rows.
stock_time_limit=20
enlarged_window=(1100 780)
# The result part of the main window: progress and result table above, the totals below; the
# empty room between them is left out.
result_table="640x162+232+57"
result_totals="640x175+232+327"
# The second row of a production job's materials grid; that window's height, and with it the row's
# place, follows the screen's height.
second_material_row=(60 642)

# start LANGUAGE ROD CUT MIN MAX BORDERS START SORT [JOB]: a fresh start with these stored settings
# (not the first start, the manual already shown once, the labels starting at the 11th sticker of
# a partly used sheet), opening the job file if one is given, and waiting until the opening
# animation is over.
start() {
  stop_program
  rm -rf "$work/config"
  mkdir -p "$work/config"
  printf '[nastavenia]\nmin.%%20rozmer=%s\nmax.%%20rozmer=%s\nhrubka%%20rezu=%s\ndlzka%%20tyce=%s\nprepinac1=%s\nprepinac2=%s\nprepinac3=%s\njazyk=%s\ndokumentacia=0\nstitky%%20zaciatok=11\n' \
    "$4" "$5" "$3" "$2" "$6" "$7" "$8" "$1" > "$work/config/Optimalizacia.ini"
  launch "${9:-}"
  window=$(xdotool search --sync --onlyvisible --name " : " | head -n1)
  sleep 2.5
  xdotool windowfocus --sync "$window"
}

# start_from_stock LANGUAGE MATERIAL JOB: a fresh start as above that plans the job from the material
# of the throwaway stock store in the work folder; with an empty MATERIAL a production job plans
# each of its materials that the store holds from the store.
start_from_stock() {
  stop_program
  rm -rf "$work/config"
  mkdir -p "$work/config"
  printf '[nastavenia]\nmin.%%20rozmer=200\nmax.%%20rozmer=500\nhrubka%%20rezu=6\ndlzka%%20tyce=6000\nprepinac1=1\nprepinac2=1\nprepinac3=1\njazyk=%s\ndokumentacia=0\nstitky%%20zaciatok=11\nsklad=%s\nmaterial=%s\ncasovy%%20limit=%s\n' \
    "$1" "$store" "$2" "$stock_time_limit" > "$work/config/Optimalizacia.ini"
  launch "$3"
  window=$(xdotool search --sync --onlyvisible --name " : " | head -n1)
  sleep 2.5
  xdotool windowfocus --sync "$window"
}

# make_store MATERIAL: a throwaway stock store in the work folder holding one material: rods of
# two lengths and three offcuts.
make_store() {
  rm -rf "$store_folder"
  mkdir -p "$store_folder"
  printf 'length;quantity;price;kind;id\n6000;;24.00;rod;\n6500;12;25.50;rod;\n2400;1;;offcut;R-0001\n3100;1;;offcut;R-0002\n1850;1;;offcut;R-0003\n' \
    > "$work/stock.csv"
  "$cli" stock import --store "$store" --material "$1" "$work/stock.csv" --min-offcut 500 > /dev/null
}

# launch [JOB]
launch() {
  XDG_CONFIG_HOME="$work/config" HOME="$work" "$program" ${1:+"$1"} > "$work/program.log" 2>&1 &
  pid=$!
}

# The very first start, without stored settings: the program asks for the language.
first_start() {
  stop_program
  rm -rf "$work/config"
  mkdir -p "$work/config"
  launch
}

# type_job CUSTOMER NAME COLOUR DIMENSION PIECES [DIMENSION PIECES ...]: Enter moves from box to
# box and adds the row after the pieces.
type_job() {
  for text in "$1" "$2" "$3"; do
    xdotool type --delay 15 "$text"
    xdotool key Return
  done
  shift 3
  while [ $# -ge 2 ]; do
    xdotool type --delay 15 "$1"
    xdotool key Return
    xdotool type --delay 15 "$2"
    xdotool key Return
    shift 2
  done
}

click() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
  xdotool mousemove 1270 1010
}

# capture NAME: the main window, without the mouse over a button.
capture() {
  sleep 1
  import -window "$window" "$out/$1"
  echo "docs/screenshots/$1"
}

# capture_result NAME: the result table and the totals of the main window.
capture_result() {
  sleep 1
  import -window "$window" "$work/shot.png"
  convert "$work/shot.png" \( -clone 0 -crop "$result_table" +repage \) \
    \( -clone 0 -crop "$result_totals" +repage \) -delete 0 -append "$out/$1"
  echo "docs/screenshots/$1"
}

capture_dialog() {
  local dialog
  dialog=$(xdotool search --sync --onlyvisible --name "^$2\$" | head -n1)
  sleep 1
  import -window "$dialog" "$out/$1"
  echo "docs/screenshots/$1"
}

mkdir -p "$out"
first_start
capture_dialog "first-start.png" "Please choose your language"

for language in "${languages[@]}"; do
  case "$language" in
    english) suffix=en sample=workshop-en.opt job=("ACME Ltd." "Hall 4" "RAL 9010")
      parameters_title="Parameters" ;;
    slovak) suffix=sk sample=workshop.opt job=("Stavby s.r.o." "Hala 4" "RAL 9010")
      parameters_title="Parametre" ;;
    german) suffix=de sample=workshop-de.opt job=("ACME GmbH" "Halle 4" "RAL 9010")
      parameters_title="Parameter" ;;
    czech) suffix=cs sample=workshop-cs.opt job=("Stavby s.r.o." "Hala 4" "RAL 9010")
      parameters_title="Parametry" ;;
    dutch) suffix=nl sample=workshop-nl.opt job=("ACME B.V." "Hal 4" "RAL 9010")
      parameters_title="Parameters" ;;
  esac

  # The worked example: rod 6000 mm, cut 6 mm, 2000 x 3, 1500 x 2, 1000 x 4.
  start "$language" 6000 6 200 500 1 1 1
  type_job "${job[@]}" 2000 3 1500 2 1000 4
  capture "job-$suffix.png"
  click "${optimise_button[@]}"
  capture "result-$suffix.png"
  click "${parameters_button[@]}"
  capture_dialog "parameters-$suffix.png" "$parameters_title"
  xdotool key Escape
  if [ "$language" = english ]; then
    # The About window has the same texts in every language.
    click "${about_button[@]}"
    capture_dialog "about-window.png" "About"
    xdotool key Escape
  fi

  start "$language" 6000 6 200 500 1 0 1
  type_job "${job[@]}" 2000 3 1500 2 1000 4
  click "${optimise_button[@]}"
  capture_result "start-smallest-$suffix.png"

  start "$language" 6000 6 200 500 1 1 1
  type_job "${job[@]}" 2000 3 1500 2 1000 4
  click "${optimise_button[@]}"
  capture_result "start-largest-$suffix.png"

  # The waste band: rod 2000 mm, no cut width, band 100 to 300 mm, output in the order found.
  for borders in 1 0; do
    start "$language" 2000 0 100 300 "$borders" 1 0
    type_job "${job[@]}" 1100 2 400 1 300 1
    click "${optimise_button[@]}"
    capture_result "waste-band-$borders-$suffix.png"
  done
  start "$language" 2000 0 100 300 0 1 0
  click "${parameters_button[@]}"
  capture_dialog "parameters-band-$suffix.png" "$parameters_title"
  xdotool key Escape

  # The cutting diagram of the workshop sample job of the language: its window, and the first page
  # of its PDF.
  case "$language" in
    english) diagram_title="Cutting diagram" ;;
    slovak) diagram_title="Plán rezania" ;;
    german) diagram_title="Schnittplan" ;;
    czech) diagram_title="Plán řezání" ;;
    dutch) diagram_title="Zaagplan" ;;
  esac
  start "$language" 6000 6 200 500 1 1 1 "$root/samples/$sample"
  click "${optimise_button[@]}"
  sleep 1
  click "${diagram_button[@]}"
  capture_dialog "diagram-view-$suffix.png" "$diagram_title"
  XDG_CONFIG_HOME="$work/config" "$cli" optimise "$root/samples/$sample" \
    --language "$suffix" --diagram "$work/diagram.pdf" > /dev/null
  pdftoppm -png -r 72 -f 1 -l 1 -singlefile "$work/diagram.pdf" "$out/diagram-page-$suffix"
  echo "docs/screenshots/diagram-page-$suffix.png"

  # The labels of the workshop job: the Labels window on a partly used sheet, a sheet of labels
  # from the 11th sticker and the first page of the saw list.
  case "$language" in
    slovak | czech) labels_title="Štítky" ;;
    german | dutch) labels_title="Etiketten" ;;
    english) labels_title="Labels" ;;
  esac
  start "$language" 6000 6 200 500 1 1 1 "$root/samples/$sample"
  click "${optimise_button[@]}"
  sleep 1
  click "${file_menu[@]}"
  sleep 0.5
  click "${export_labels_item[@]}"
  capture_dialog "label-dialog-$suffix.png" "$labels_title"
  xdotool key Escape
  XDG_CONFIG_HOME="$work/config" "$cli" optimise "$root/samples/$sample" --language "$suffix" \
    --labels "$work/labels.pdf" --label-start 11 --saw-sheet "$work/saw.pdf" > /dev/null
  pdftoppm -png -r 50 -f 1 -l 1 -singlefile "$work/labels.pdf" "$out/labels-$suffix"
  pdftoppm -png -r 50 -f 1 -l 1 -singlefile "$work/saw.pdf" "$out/saw-list-$suffix"
  echo "docs/screenshots/labels-$suffix.png docs/screenshots/saw-list-$suffix.png"

  # The workshop job planned from a material of a throwaway store, booked, and the Stock window
  # with the material's stock rows and the offcuts the booking left.
  case "$language" in
    english) material="Profile 70 white" stock_title="Stock" ;;
    slovak) material="Profil 70 biely" stock_title="Sklad" ;;
    german) material="Profil 70 weiß" stock_title="Lager" ;;
    czech) material="Profil 70 bílý" stock_title="Sklad" ;;
    dutch) material="Profiel 70 wit" stock_title="Magazijn" ;;
  esac
  make_store "$material"
  start_from_stock "$language" "$material" "$root/samples/$sample"
  xdotool windowmove --sync "$window" 0 0
  xdotool windowsize --sync "$window" "${enlarged_window[@]}"
  xdotool key F5
  sleep $((stock_time_limit + 2))
  capture "stock-result-$suffix.png"
  click "${file_menu[@]}"
  sleep 0.5
  click "${book_plan_item[@]}"
  sleep 1
  xdotool key Return
  # A second job booked from the command line leaves offcuts long enough to keep, with their origin.
  XDG_CONFIG_HOME="$work/config" "$cli" optimise "$root/samples/worked-example.opt" \
    --store "$store" --material "$material" --book > /dev/null
  click "${file_menu[@]}"
  sleep 0.5
  click "${stock_item[@]}"
  capture_dialog "stock-window-$suffix.png" "$stock_title"

  # The production job of the language, its frame profile the material of a fresh throwaway store:
  # its parts and materials as opened, then planned with its second material chosen.
  make_store "$material"
  start_from_stock "$language" "" "$root/samples/production-$suffix.mvjob"
  xdotool windowmove --sync "$window" 0 0
  capture "production-parts-$suffix.png"
  xdotool key F5
  sleep $((stock_time_limit + 2))
  click "${second_material_row[@]}"
  capture "production-plan-$suffix.png"
done
stop_program
