#!/usr/bin/env bash
# Runs one golden case: run_case.sh RYTHME CASE_DIR
# Compares standard output, standard error and the exit status, byte for byte,
# then the bytes seen when both streams share one pipe (combined), and shows a
# readable difference (non-printing bytes made visible) on failure.
set -u
rythme=$1
cas=$2
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

mots=()
if [[ -f $cas/args ]]; then
  while IFS= read -r mot || [[ -n $mot ]]; do mots+=("$mot"); done < "$cas/args"
fi
entree=/dev/null
[[ -f $cas/stdin ]] && entree=$cas/stdin

"$rythme" "${mots[@]}" < "$entree" > "$travail/stdout" 2> "$travail/stderr"
echo $? > "$travail/status"
# Both streams into one pipe, as `2>&1 | ...` or `|&` gives a reader.
"$rythme" "${mots[@]}" < "$entree" 2>&1 | cat > "$travail/combined"

echec=0
for flux in stdout stderr status combined; do
  attendu=$cas/$flux
  [[ -f $attendu ]] || attendu=/dev/null
  if ! cmp -s "$attendu" "$travail/$flux"; then
    echec=1
    echo "=== $flux differs (expected / actual, bytes shown with cat -v):"
    diff -u <(cat -v "$attendu") <(cat -v "$travail/$flux") | tail -n +3
  fi
done
exit $echec
