#!/usr/bin/env bash
# What the exports cost: the checker on a large correct score (4/4, groups
# and ties), with its MusicXML and MIDI exports written to files, beside the
# same check alone; then where that cost goes: the same exports written on
# /dev/null (the exporter's own work, no file system), and cat writing the
# exports' bytes into a file (what the file system alone costs for files that
# size). Each is timed by chrono, in rounds that run them in turn (the
# machine's speed drifts), each ratio to the check taken within its round;
# the median over the rounds is printed, of the processor time (user and
# system, which the machine's other loads move less) and of the wall time.
# Then the exports' sizes, the peaks, and the memory the exports add for each
# byte of input:
#   bench/exports.sh [MEGABYTES]          (default 2)
#   bench/exports.sh --mesures MEASURES   (the opening measures of such a score)
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ ${1:-} == --mesures ]]; then
  mesures=${2:?bench/exports.sh --mesures MEASURES}
  nom=${mesures}_mesures
else
  taille=${1:-2}
  nom=$taille
fi
cmake --preset default >/dev/null
cmake --build --preset default --target rythme genere_partition chrono >/dev/null
bin=build/default
travail=build/bench
mkdir -p "$travail"
entree=$travail/exports_$nom.txt
if [[ ! -f $entree ]]; then
  if [[ -n ${mesures:-} ]]; then
    # A measure a line; the generator ends its score with a double bar.
    "$bin/bench/genere_partition" correcte $((mesures / 50000 + 1)) > "$entree.tout"
    head -n "$mesures" "$entree.tout" > "$entree"
    echo "||" >> "$entree"
    rm "$entree.tout"
  else
    "$bin/bench/genere_partition" correcte "$taille" > "$entree"
  fi
fi
rythme=$(realpath "$bin/driver/rythme")
chrono=$bin/bench/chrono
xml=$travail/x.musicxml mid=$travail/x.mid
tours=15

# The median of the numbers on standard input.
mediane() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run: "wall peak status cpu". The export files are emptied and the disk
# settled before the clock starts, as chrono does for the files it opens:
# freeing the pages a previous run filled is no part of a run's time.
mesure() {
  : > "$xml"; : > "$mid"; : > "$travail/cat.out"
  sync
  "$chrono" "$@"
}
seul=(separes "$entree" /dev/null /dev/null "$rythme" 4 4)
avec=(separes "$entree" /dev/null /dev/null "$rythme" --musicxml "$xml" --midi "$mid" 4 4)
nulle=(separes "$entree" /dev/null /dev/null "$rythme" --musicxml /dev/null --midi /dev/null 4 4)
"$rythme" --musicxml "$travail/copie.musicxml" --midi "$travail/copie.mid" 4 4 < "$entree" > /dev/null 2>&1 || true
octets_ecrits=(ajout /dev/null "$travail/cat.out" /dev/null cat "$travail/copie.musicxml" "$travail/copie.mid")

releves=$travail/exports_tours.txt
: > "$releves"
for _ in $(seq "$tours"); do
  read -r s_d s_p _ s_c < <(mesure "${seul[@]}")
  read -r a_d a_p a_s a_c < <(mesure "${avec[@]}")
  read -r n_d _ _ n_c < <(mesure "${nulle[@]}")
  read -r o_d _ _ o_c < <(mesure "${octets_ecrits[@]}")
  echo "$s_d $s_c $s_p $a_d $a_c $a_p $a_s $n_d $n_c $o_d $o_c" >> "$releves"
done
colonne() { awk -v c="$1" '{ print $c }' "$releves" | mediane; }
rapport() { awk -v a="$1" -v b="$2" '{ print ($b > 0 ? $a / $b : 0) }' "$releves" | mediane; }
printf '%-32s %8s %8s %9s %9s\n' "median of $tours rounds" "cpu s" "wall s" "cpu x" "wall x"
ligne() { printf '%-32s %8.4f %8.4f %9.2f %9.2f\n' "$1" "$(colonne "$3")" "$(colonne "$2")" "$(rapport "$3" 2)" "$(rapport "$2" 1)"; }
ligne "the check alone" 1 2
ligne "with both exports, to files" 4 5
ligne "with both exports, on /dev/null" 8 9
ligne "cat: their bytes into a file" 10 11
if awk '$7 != 0 { exit 1 }' "$releves"; then :; else echo "warning: a run with the exports did not end with status 0"; fi
octets=$(stat -c %s "$entree")
echo "input $octets bytes; MusicXML $(stat -c %s "$travail/copie.musicxml") bytes; MIDI $(stat -c %s "$travail/copie.mid") bytes"
pic_seul=$(awk '$3 > m { m = $3 } END { print m }' "$releves")
pic_avec=$(awk '$6 > m { m = $6 } END { print m }' "$releves")
echo "peak $pic_seul KiB checked alone, $pic_avec KiB with both exports:" \
  "$(( (pic_avec - pic_seul) * 1024 / octets )) bytes of memory for each byte of input"
