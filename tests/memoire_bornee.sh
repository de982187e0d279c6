#!/usr/bin/env bash
# Memory does not grow with the length of the text: for each kind of score,
# the peak resident memory of a run over 4 MiB is within 1 MiB of the peak
# over 1 MiB. A pathological opening measure (an inferred meter of 47041
# beats) stays within 16 MiB. Not a timed test: only memory is compared.
#   memoire_bornee.sh RYTHME GENERE_PARTITION CHRONO
set -euo pipefail
rythme=$1 genere=$2 chrono=$3
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
echec=0

pic() {  # pic INPUT WORDS... -> peak KiB; the status must be 0 or 1
  local entree=$1
  shift
  read -r _ kio statut _ < <("$chrono" separes "$entree" /dev/null /dev/null "$rythme" "$@")
  if [[ $statut != 0 && $statut != 1 ]]; then
    echo "status $statut on $entree" >&2
    echec=1
  fi
  echo "$kio"
}

for genre in correcte sans_mesure fautive; do
  mots=(4 4)
  [[ $genre == sans_mesure ]] && mots=()
  "$genere" "$genre" 1 > "$travail/petit"
  "$genere" "$genre" 4 > "$travail/grand"
  petit=$(pic "$travail/petit" "${mots[@]}")
  grand=$(pic "$travail/grand" "${mots[@]}")
  echo "$genre: peak $petit KiB over 1 MiB, $grand KiB over 4 MiB"
  if (( grand > petit + 1024 )); then
    echo "  memory grows with the text" >&2
    echec=1
  fi
done

# 140 duplets of double-dotted whole notes and a sixty-fourth: a prime total
# of 47041 quads, inferred as 47041 beats of one quad; then three measures,
# each filled to that many beats.
for i in $(seq 140); do printf '(o..o..) '; done > "$travail/amorce"
printf 'w | ! | ! | ! |' >> "$travail/amorce"
kio=$(pic "$travail/amorce")
echo "pathological opening: peak $kio KiB"
if (( kio > 16384 )); then
  echo "  above the stated bound of 16 MiB" >&2
  echec=1
fi
exit $echec
