#!/usr/bin/env bash
# Measures the checker on large generated scores, beside `cat` reading the
# same input and writing the same output bytes to a file on the same disk
# with write calls (the physical limit of a filter; see chrono ajout):
#   bench/run.sh [MEGABYTES]      (default 20)
# For each score, three ways of running: standard output and standard error
# to two files, both to one file (>f 2>&1), standard output into a pipe read
# by `cat > file`. Each row gives the time, the ratio to cat, the floor of its
# mode and the ratio to it (cat itself, or for the pipe mode the same cat
# writing into the pipe read by `cat > file`): medians over rounds in which
# each is run in turn, the ratios taken round by round; the ratio of the
# processor time (user and system) to the floor's, which the machine's other
# loads move less than the wall time; then the peak memory
# and the write calls on each stream (counted by strace in a separate run,
# when strace is installed), with the KiB of output per write call.
set -euo pipefail
cd "$(dirname "$0")/.."
taille=${1:-20}
cmake --preset default >/dev/null
cmake --build --preset default --target rythme genere_partition chrono >/dev/null
bin=build/default
travail=build/bench
mkdir -p "$travail"
chrono=$bin/bench/chrono

# Runs in turn: the machine's speed drifts while the benchmark runs (by 30 to
# 60% between runs on a shared machine), so the checker and its yardsticks are
# run one after the other, and each ratio is taken within one round.
tours=7

# The median of the numbers on standard input.
mediane() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Write calls of one run on descriptors 1 and 2: "N1 N2", or "- -" without strace.
ecritures() {
  local mode=$1 entree=$2; shift 2
  command -v strace >/dev/null || { echo "- -"; return; }
  local trace=$travail/strace.txt
  case $mode in
    separes) strace -qq -e trace=write -e signal=none -o "$trace" "$@" < "$entree" > "$travail/s.out" 2> "$travail/s.err" ;;
    ensemble) strace -qq -e trace=write -e signal=none -o "$trace" "$@" < "$entree" > "$travail/s.out" 2>&1 ;;
    tube) strace -qq -e trace=write -e signal=none -o "$trace" "$@" < "$entree" 2> "$travail/s.err" | cat > "$travail/s.out" ;;
  esac || true
  echo "$(grep -c '^write(1,' "$trace" || true) $(grep -c '^write(2,' "$trace" || true)"
}

printf '%-11s %6s %7s %-9s %7s %6s %6s %7s %6s %6s %9s %8s %8s %9s %9s\n' \
  score "MiB in" "MiB out" mode "time s" "cat s" ratio "floor s" "x fl" "cpu x" "peak KiB" "writes 1" "writes 2" "KiB/wr 1" "KiB/wr 2"
for genre in correcte sans_mesure fautive; do
  entree=$travail/$genre.txt
  [[ -f $entree ]] && (( $(stat -c %s "$entree") >= taille * 1048576 )) || "$bin/bench/genere_partition" "$genre" "$taille" > "$entree"
  mots=()
  [[ $genre == sans_mesure ]] || mots=(4 4)
  sortie=$travail/$genre.out erreurs=$travail/$genre.err
  "$bin/driver/rythme" "${mots[@]}" < "$entree" > "$sortie" 2> "$erreurs" || true
  o1=$(stat -c %s "$sortie") o2=$(stat -c %s "$erreurs")
  # cat: reads the input, then writes the checker's output bytes to a file
  # through write calls, as a filter does (see chrono's ajout mode). The
  # floor of the pipe mode: the same cat writing into the pipe that a second
  # cat empties into the file.
  cat_ajout=("$chrono" ajout "$entree" "$travail/cat.out" /dev/null sh -c 'cat > /dev/null; cat "$0" "$1"' "$sortie" "$erreurs")
  cat_tube=("$chrono" tube "$entree" "$travail/cat.out" /dev/null sh -c 'cat > /dev/null; cat "$0" "$1"' "$sortie" "$erreurs")
  for mode in separes ensemble tube; do
    case $mode in
      ensemble) verif=("$chrono" ensemble "$entree" "$travail/$mode.out" "$bin/driver/rythme" "${mots[@]}") ;;
      *) verif=("$chrono" "$mode" "$entree" "$travail/$mode.out" "$travail/$mode.err" "$bin/driver/rythme" "${mots[@]}") ;;
    esac
    # One round: cat, the pipe's floor (pipe mode only), the checker.
    tours_faits=$travail/tours.txt
    : > "$tours_faits"
    for _ in $(seq "$tours"); do
      read -r c _ _ cc < <("${cat_ajout[@]}")
      f=$c fc=$cc
      [[ $mode == tube ]] && read -r f _ _ fc < <("${cat_tube[@]}")
      read -r d p _ dc < <("${verif[@]}")
      echo "$d $c $f $p $dc $fc" >> "$tours_faits"
    done
    duree=$(awk '{ print $1 }' "$tours_faits" | mediane)
    duree_cat=$(awk '{ print $2 }' "$tours_faits" | mediane)
    plancher=$(awk '{ print $3 }' "$tours_faits" | mediane)
    ratio=$(awk '{ print $1 / $2 }' "$tours_faits" | mediane)
    ratio_plancher=$(awk '{ print $1 / $3 }' "$tours_faits" | mediane)
    ratio_processeur=$(awk '{ print ($6 > 0) ? $5 / $6 : 0 }' "$tours_faits" | mediane)
    pic=$(awk '$4 > m { m = $4 } END { print m }' "$tours_faits")
    read -r e1 e2 < <(ecritures "$mode" "$entree" "$bin/driver/rythme" "${mots[@]}")
    awk -v g="$genre" -v m="$mode" -v i="$(stat -c %s "$entree")" -v o1="$o1" -v o2="$o2" -v d="$duree" -v c="$duree_cat" \
        -v r="$ratio" -v f="$plancher" -v rf="$ratio_plancher" -v rp="$ratio_processeur" -v p="$pic" -v e1="$e1" -v e2="$e2" '
      function par(o, e) { return (e == "-" || e == 0) ? "-" : sprintf("%.1f", o / 1024 / e) }
      BEGIN {
        if (m == "ensemble") { o1 += o2; o2 = 0 }
        printf "%-11s %6.1f %7.1f %-9s %7.3f %6.3f %6.2f %7.3f %6.2f %6.2f %9d %8s %8s %9s %9s\n",
               g, i / 1048576, (o1 + o2) / 1048576, m, d, c, r, f, rf, rp, p, e1, e2, par(o1, e1), par(o2, e2)
      }'
  done
done
