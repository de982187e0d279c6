#!/usr/bin/env python3
"""The floors hold: every #include of the program's sources points where its
folder's rule allows.

  etages.py SOURCE_DIR

Each folder of sources (each with a CMakeLists.txt, tests/ aside) opens its
CMakeLists.txt with a comment that says, in a sentence from "may include" to
its period, what its files may include besides one another ("May include io/, notation/
and parser/grammaire.h."): folders or single headers; a sentence naming
neither allows nothing else.
The sub-record headers (etat_*.h), plain data that state/etat.h puts
together, may besides include only one another and the catalogue's codes
(diagnostics/catalogue.h). The test fails on an include that no rule allows,
a folder without a rule, a rule naming what does not exist, and folders whose
rules allow one another in a circle.
"""
import pathlib
import re
import sys

SOURCES = {".cc", ".h", ".re", ".y"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.M)
NOM = re.compile(r"\b([a-z_]+/[\w.*]*)")
DONNEES = re.compile(r"etat_\w*\.h$")


def regle(cmake):
    """The folders and headers that the opening comment of cmake allows, or None."""
    commentaire = []
    for ligne in cmake.read_text(encoding="utf-8").splitlines():
        if not ligne.startswith("#"):
            break
        commentaire.append(ligne.lstrip("#").strip())
    phrase = re.search(r"may include(.*?)\.(\s|$)", " ".join(commentaire), re.S | re.I)
    if phrase is None:
        return None
    return {nom.rstrip(".") for nom in NOM.findall(phrase.group(1))}


def circuit(permis):
    """A circle among the folders' rules (folders only), or None."""
    etat = {}

    def visite(dossier, chemin):
        etat[dossier] = "en cours"
        for suivant in sorted(permis.get(dossier, ())):
            if etat.get(suivant) == "en cours":
                return chemin[chemin.index(suivant):] + [suivant]
            if suivant not in etat:
                trouve = visite(suivant, chemin + [suivant])
                if trouve:
                    return trouve
        etat[dossier] = "fait"
        return None

    for dossier in sorted(permis):
        if dossier not in etat:
            trouve = visite(dossier, [dossier])
            if trouve:
                return trouve
    return None


def main(racine):
    racine = pathlib.Path(racine)
    fautes = []
    regles = {}
    for cmake in sorted(racine.glob("*/CMakeLists.txt")):
        dossier = cmake.parent.name
        if dossier == "tests":
            continue
        r = regle(cmake)
        if r is None:
            fautes.append(f"{dossier}/CMakeLists.txt: no 'May include' sentence in its opening comment")
            continue
        for nom in sorted(r):
            if not (racine / nom).exists():
                fautes.append(f"{dossier}/CMakeLists.txt: its rule names {nom}, which does not exist")
        regles[dossier] = r

    permis = {d: {n.rstrip("/") for n in r if n.endswith("/") and n != d + "/"} for d, r in regles.items()}
    if (c := circuit(permis)) is not None:
        fautes.append("the folders' rules allow one another in a circle: " + " -> ".join(c))

    nombre = 0
    for dossier, r in sorted(regles.items()):
        for fichier in sorted((racine / dossier).rglob("*")):
            if fichier.suffix not in SOURCES or fichier.name.endswith("_test.cc"):
                continue
            texte = fichier.read_text(encoding="utf-8", errors="replace")
            for forme, inclus in INCLUDE.findall(texte):
                nombre += 1
                ici = f"{fichier.relative_to(racine)}: #include {forme}{inclus}{'>' if forme == '<' else forme}"
                haut = inclus.split("/", 1)[0]
                if forme == "<":
                    if haut in regles:
                        fautes.append(f"{ici}: a header of the project in angle brackets: name it in quotes")
                    continue
                if "/" not in inclus:
                    fautes.append(f"{ici}: name it from the top of the tree (folder/file.h)")
                    continue
                if haut != dossier and haut + "/" not in r and inclus not in r:
                    fautes.append(f"{ici}: {dossier}/ may not include it (see {dossier}/CMakeLists.txt)")
                if DONNEES.search(fichier.name) and not (DONNEES.search(inclus) or inclus == "diagnostics/catalogue.h"):
                    fautes.append(f"{ici}: a sub-record header includes only one another and the catalogue's codes")

    for faute in fautes:
        print(faute)
    print(f"{nombre} includes in {len(regles)} folders; {len(fautes)} against the floors")
    return 1 if fautes or nombre == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
