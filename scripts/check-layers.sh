#!/usr/bin/env bash
# Checks the layers of src/: every #include "folder/…" of a file in src/FOLDER must name its own
# folder or one that FOLDER may use, and the outside libraries stay where they belong (Qt only in
# the folders marked for it, Qt SQL only in the stock store, COIN-OR only in the fewest-rods
# method, libxlsxwriter only in the reports, zint only in the labels, nlohmann's JSON only in the job
# files, libzip, pugixml and freexl only in the parts lists). docs/architecture.md
# describes the same table. Prints every breach and exits 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/../src"

# folder: the folders it may include from, bottom layer first.
declare -A may_use=(
  [model]=""
  [i18n]="model"
  [jobfile]="model"
  [optimiser]="model i18n"
  [mitre]="model i18n optimiser"
  [production]="model i18n optimiser mitre"
  [settings]="model i18n jobfile"
  [reports]="model i18n jobfile optimiser production mitre"
  [diagram]="model i18n optimiser production mitre"
  [labels]="model i18n jobfile optimiser production mitre diagram settings"
  [partslist]="model i18n jobfile"
  [stock]="model i18n jobfile settings production mitre"
  [paper]="model i18n jobfile reports"
  [drawing]="model i18n jobfile diagram"
  [labelpaint]="model i18n jobfile labels diagram drawing"
  [cli]="model i18n jobfile optimiser production mitre settings reports diagram labels partslist stock paper drawing labelpaint"
  [ui]="model i18n jobfile optimiser production mitre settings reports diagram labels partslist stock paper drawing labelpaint"
)
# The folders whose code may use Qt; the rest is standard C++ that both programs share.
qt_folders=" settings stock paper drawing labelpaint cli ui "
# Outside libraries, by the start of their headers' names, and the one folder each belongs to.
declare -A library_home=([QSql]=stock [Coin]=optimiser [Cbc]=optimiser [Clp]=optimiser
                         [Osi]=optimiser [xlsxwriter]=reports [zint]=labels
                         [nlohmann]=jobfile
                         [zip.h]=partslist [zipconf]=partslist [pugi]=partslist [freexl]=partslist)

breaches=0
breach() {
  echo "src/$1: $2" >&2
  breaches=$((breaches + 1))
}

while IFS= read -r file; do
  folder=${file%%/*}
  [ -n "${may_use[$folder]+set}" ] || { breach "$file" "folder $folder has no row in the layer table"; continue; }
  while IFS= read -r included; do
    target=${included%%/*}
    [ "$target" = "$included" ] && continue  # a header of the build's own, e.g. version.h
    [ "$target" = "$folder" ] && continue
    [[ " ${may_use[$folder]} " == *" $target "* ]] || breach "$file" "includes $included ($folder may not use $target)"
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  while IFS= read -r header; do
    for prefix in "${!library_home[@]}"; do
      if [[ $header == "$prefix"* ]] && [ "$folder" != "${library_home[$prefix]}" ]; then
        breach "$file" "includes <$header>, which belongs to ${library_home[$prefix]}"
        continue 2
      fi
    done
    if [[ $header == Q* ]] && [[ $qt_folders != *" $folder "* ]]; then
      breach "$file" "includes <$header>: $folder is free of Qt"
    fi
  done < <(sed -n 's/^#include <\([^>]*\)>.*/\1/p' "$file")
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | sort)

if [ "$breaches" -gt 0 ]; then
  echo "check-layers: $breaches breach(es) of the layers" >&2
  exit 1
fi
echo "check-layers: every include keeps to its layer"
