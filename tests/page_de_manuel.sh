#!/usr/bin/env bash
# The manual page renders without a warning, and every character of the
# notation renders as itself: a lone '_' in a table, for one, would become a
# horizontal rule, and a bare '-' a hyphen. page_de_manuel.sh rythme.1
set -u
page=$1
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
groff -man -Tutf8 -ww "$page" > "$travail/page" 2> "$travail/avertissements"
if [[ -s $travail/avertissements ]]; then
  echo "groff warns:"; cat "$travail/avertissements"; exit 1
fi
# Overstrikes (bold, underline) removed, the NOTATION section alone.
sed 's/.\x08//g' "$travail/page" | sed -n '/^NOTATION/,/^OUTPUT/p' > "$travail/notation"
echec=0
for entree in 'o d ! \[ f t q ' '- = < > k x w ' '\. ' '_ ' '| ' '|| ' '|: and :| ' '|1\. to |99\. ' \
              'N/D ' 'C and C\\ ' '( \.\.\. ) ' '( \.\.\. )N '; do
  if ! grep -q "^       $entree" "$travail/notation"; then
    echo "not rendered as written: '$entree'"; echec=1
  fi
done
# Outside the accents of the French texts and the hyphens of words broken at
# a line's end, nothing but ASCII in the section.
if sed 's/‐$//' "$travail/notation" | LC_ALL=C.UTF-8 grep -n '[^ -~àéÀÉ]'; then
  echo "characters that are not the notation's own (above)"; echec=1
fi
exit $echec
