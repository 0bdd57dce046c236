#!/usr/bin/env bash
# Checks the layers of src/ (README, Layout): a file includes headers of its own folder and of the
# folders below it, never of one above. Prints every include that reaches up and fails if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# What a file in each folder may include, besides the system's headers and the generated verze.h.
declare -A smi=(
  [platform]="platform"
  [core]="core platform"
  [controls]="controls core platform"
  [system]="system core platform"
  [scheduler]="scheduler system core platform"
  [ui]="ui scheduler system controls core platform"
  [program]="program ui scheduler system controls core platform"
  [app]="app program ui scheduler system controls core platform"
)

chyby=0
vzor='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*)[>"]'
while IFS= read -r -d '' soubor; do
  slozka=${soubor#src/}
  slozka=${slozka%%/*}
  if [[ ! -v "smi[$slozka]" ]]; then
    echo "$soubor: the folder src/$slozka/ has no place among the layers (tools/vrstvy.sh)"
    chyby=1
    continue
  fi
  cislo=0
  while IFS= read -r radek || [[ -n $radek ]]; do
    cislo=$((cislo + 1))
    [[ $radek =~ $vzor ]] || continue
    cesta=${BASH_REMATCH[1]}
    cesta=${cesta#../}  # the resource script's includes are relative to src/app/
    [[ $cesta == */* ]] || continue  # a header beside the file, the generated verze.h, a system one
    cil=${cesta%%/*}
    [[ -d src/$cil ]] || continue  # a system header in a folder (<sys/types.h>)
    if [[ $cesta == *..* || " ${smi[$slozka]} " != *" $cil "* ]]; then
      echo "$soubor:$cislo: $slozka/ may not include $cesta"
      chyby=1
    fi
  done <"$soubor"
done < <(find src -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.inl' -o -name '*.c' -o -name '*.cpp' -o -name '*.rc' \) -print0)

if ((chyby)); then
  echo "FAILED: an include reaches a layer above its own"
  exit 1
fi
echo "Layers: no include reaches up."
