#!/usr/bin/env bash
# What the exports cost: the checker on a large correct score (4/4, groups
# and ties), with its MusicXML and MIDI exports written to files, beside the
# same check alone (farm-bench pairs the two runs and gives their ratio, and
# each one's peak memory), and the exports' sizes:
#   bench/exports.sh [MEGABYTES]      (default 2)
set -euo pipefail
cd "$(dirname "$0")/.."
taille=${1:-2}
cmake --preset default >/dev/null
cmake --build --preset default --target rythme genere_partition >/dev/null
bin=build/default
travail=build/bench
mkdir -p "$travail"
entree=$travail/exports_$taille.txt
[[ -f $entree ]] || "$bin/bench/genere_partition" correcte "$taille" > "$entree"
rythme=$(realpath "$bin/driver/rythme")
farm-bench -n 5 --timeout 600 \
  --vs "sh -c 'exec $rythme 4 4 < $entree > /dev/null 2>&1'" \
  -- sh -c "exec $rythme --musicxml $travail/x.musicxml --midi $travail/x.mid 4 4 < $entree > /dev/null 2>&1"
echo "input $(stat -c %s "$entree") bytes; MusicXML $(stat -c %s "$travail/x.musicxml") bytes; MIDI $(stat -c %s "$travail/x.mid") bytes"
