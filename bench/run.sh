#!/usr/bin/env bash
# Measures the checker on large generated scores, beside the time `cat` takes
# to move the same input and output bytes (the physical limit of a filter):
#   bench/run.sh [MEGABYTES]      (default 50)
set -euo pipefail
cd "$(dirname "$0")/.."
taille=${1:-50}
cmake --preset default >/dev/null
cmake --build --preset default --target rythme genere_partition chrono >/dev/null
bin=build/default
travail=build/bench
mkdir -p "$travail"

printf '%-12s %8s %9s %9s %12s %10s %9s\n' score "in MB" "time s" "MB/s" "measures/s" "peak KiB" "cat s"
for genre in correcte sans_mesure fautive; do
  entree=$travail/$genre.txt
  [[ -f $entree ]] && (( $(stat -c %s "$entree") >= taille * 1048576 )) || "$bin/bench/genere_partition" "$genre" "$taille" > "$entree"
  mots=()
  [[ $genre == sans_mesure ]] || mots=(4 4)
  read -r duree pic statut < <("$bin/bench/chrono" "$entree" "$travail/$genre.out" "$bin/driver/rythme" "${mots[@]}")
  read -r duree_cat_entree _ _ < <("$bin/bench/chrono" "$entree" /dev/null cat)
  read -r duree_cat_sortie _ _ < <("$bin/bench/chrono" "$travail/$genre.out" /dev/null cat)
  mo=$(awk -v s="$(stat -c %s "$entree")" 'BEGIN { printf "%.1f", s / 1048576 }')
  mesures=$(grep -c 'Nombre de temps' "$travail/$genre.out" || true)
  awk -v g="$genre" -v mo="$mo" -v d="$duree" -v m="$mesures" -v p="$pic" -v c1="$duree_cat_entree" -v c2="$duree_cat_sortie" \
    'BEGIN { printf "%-12s %8s %9.3f %9.1f %12.0f %10d %9.3f\n", g, mo, d, mo / d, m / d, p, c1 + c2 }'
done
