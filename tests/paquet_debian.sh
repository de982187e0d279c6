#!/usr/bin/env bash
# The Debian package holds the program and its manual page and nothing else,
# declares the libraries it needs, and the program it installs runs as the one
# built: paquet_debian.sh CPACK BUILD_DIR VERSION RYTHME SOURCE_DIR
set -u
cpack=$1 construction=$2 version=$3 rythme=$4 source=$5
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

if ! "$cpack" --config "$construction/CPackConfig.cmake" -G DEB -B "$travail" > "$travail/cpack.log" 2>&1; then
  cat "$travail/cpack.log"; exit 1
fi
paquet=$travail/rythme_${version}_$(dpkg --print-architecture).deb
if [[ ! -f $paquet ]]; then
  echo "no $(basename "$paquet"); cpack made:"; ls "$travail"; exit 1
fi

echec=0
champ() { dpkg-deb -f "$paquet" "$1"; }
[[ $(champ Package) == rythme ]] || { echo "Package: $(champ Package)"; echec=1; }
[[ $(champ Version) == "$version" ]] || { echo "Version: $(champ Version)"; echec=1; }
for bibliotheque in libc6 libstdc++6; do
  if ! [[ ", $(champ Depends)," =~ ,\ "$bibliotheque"[\ ,] ]]; then
    echo "Depends does not name $bibliotheque: '$(champ Depends)'"; echec=1
  fi
done

# The files, directories apart.
dpkg-deb -c "$paquet" | awk '$1 !~ /^d/ { print $6 }' > "$travail/fichiers"
printf '%s\n' ./usr/bin/rythme ./usr/share/man/man1/rythme.1.gz > "$travail/attendus"
if ! cmp -s "$travail/attendus" "$travail/fichiers"; then
  echo "the package holds (expected / actual):"; diff "$travail/attendus" "$travail/fichiers"; echec=1
fi

dpkg-deb -x "$paquet" "$travail/racine"
installe=$travail/racine/usr/bin/rythme
if ! gzip -dc "$travail/racine/usr/share/man/man1/rythme.1.gz" | cmp -s - "$source/rythme.1"; then
  echo "the manual page in the package is not rythme.1"; echec=1
fi
for commande in "--version" "4 4"; do
  # shellcheck disable=SC2086
  attendu=$("$rythme" $commande < "$source/examples/quatre_temps.txt" 2>&1; echo "status $?")
  # shellcheck disable=SC2086
  obtenu=$("$installe" $commande < "$source/examples/quatre_temps.txt" 2>&1; echo "status $?")
  if [[ $attendu != "$obtenu" ]]; then
    echo "rythme $commande: the packaged program differs from the one built"; echec=1
  fi
done
exit $echec
