#!/usr/bin/env bash
# What the exports cost: the checker on a large correct score (4/4, groups
# and ties), with its MusicXML and MIDI exports written to files, beside the
# same check alone (farm-bench pairs the two runs and gives their ratio, and
# each one's peak memory), the exports' sizes, and the memory the exports add
# for each byte of input:
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
farm-bench -n 5 --timeout 600 \
  --vs "sh -c 'exec $rythme 4 4 < $entree > /dev/null 2>&1'" \
  -- sh -c "exec $rythme --musicxml $travail/x.musicxml --midi $travail/x.mid 4 4 < $entree > /dev/null 2>&1"
octets=$(stat -c %s "$entree")
echo "input $octets bytes; MusicXML $(stat -c %s "$travail/x.musicxml") bytes; MIDI $(stat -c %s "$travail/x.mid") bytes"
pic() { "$bin/bench/chrono" separes "$entree" /dev/null /dev/null "$rythme" "$@" | cut -d' ' -f2; }
seul=$(pic 4 4)
avec=$(pic --musicxml "$travail/x.musicxml" --midi "$travail/x.mid" 4 4)
echo "peak $seul KiB checked alone, $avec KiB with both exports:" \
  "$(( (avec - seul) * 1024 / octets )) bytes of memory for each byte of input"
