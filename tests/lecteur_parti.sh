#!/usr/bin/env bash
# A reader that stops reading early (rythme ... | head) does not end the run
# by a signal: the checker reads its whole text and exits with its own status.
#   lecteur_parti.sh RYTHME GENERE_PARTITION
set -uo pipefail
rythme=$1 genere=$2
texte=$(mktemp)
trap 'rm -f "$texte"' EXIT
"$genere" correcte 2 > "$texte"
"$rythme" 4 4 < "$texte" 2>/dev/null | head -c 100 > /dev/null
statut=${PIPESTATUS[0]}
echo "exit status with the reader gone: $statut"
[[ $statut == 0 ]]
