#!/usr/bin/python3
"""The exports read back by a notation editor: every MusicXML file the checker
writes opens in MuseScore without an import error, and the MIDI file MuseScore
makes of it plays the same notes as the checker's own MIDI file: the same
onsets, to the tick, and the same lengths (MuseScore ends each note one tick
early; where 480 ticks to the quarter cannot hold a value exactly, each
rounds its ends, a tick apart at most). The checker's MIDI file of a text with no report and no repeat lasts
what its listed measures add up to.
Texts: the examples, the golden cases checked to their double bar, and
generated pieces (repeats, endings, meter changes, tuplets, ties, faults).

  relecture.py RYTHME SOURCE_DIR [GENERATED]

Skipped (status 77) where MuseScore 3 (mscore3) or mido is not installed."""
import json
import os
import pathlib
import random
import re
import shutil
import subprocess
import sys
import tempfile

try:
    import mido
except ImportError:
    print("mido (python3-mido) is not installed: the read-back is skipped")
    sys.exit(77)
if shutil.which("mscore3") is None:
    print("MuseScore 3 (mscore3) is not installed: the read-back is skipped")
    sys.exit(77)

rythme, source = sys.argv[1], pathlib.Path(sys.argv[2])
nombre_generes = int(sys.argv[3]) if len(sys.argv) > 3 else 200

MESURES_44 = ["! ! ! ! |", "[[ ! ff[ ! |", "!_! ! [[ |", "([[[)3 ! < ! |", "[[ [[ ! < |",
              "!_!_!_! |", "!. [ d |", "o |", "d_! ! |", "(fff)3_[ ! ! ! |", "! ! ! d |", "[ [ ! ! ! |"]
MESURES_34 = ["! ! ! |", "d. |", "!_[[ ! [ [ |", "([[[)3 ! ! |", "d ! ! |"]
MESURES_68 = ["!. [[[ |", "[[[ !_[ |", "!. !. |", "!_[ [ [ [ |"]


def genere(graine):
    """A piece: measures in a few meters, repeats with endings, a final bar."""
    hasard = random.Random(graine)
    morceaux, metre = [], "4/4"
    for _ in range(hasard.randint(2, 10)):
        if hasard.random() < 0.2:
            metre = hasard.choice(["4/4", "3/4", "6/8", "C", "2/4"])
            morceaux.append(metre)
        choix = {"3/4": MESURES_34, "6/8": MESURES_68}.get(metre, MESURES_44)
        if metre == "2/4":
            choix = ["! ! |", "[[ ! |", "d |"]
        if hasard.random() < 0.15:
            a, b = hasard.choice(choix), hasard.choice(choix)
            morceaux.append(f"|: {a} {b[:-1]}:|" if hasard.random() < 0.5 else f"|: {a} |1. {b[:-1]}:|")
        else:
            morceaux.append(hasard.choice(choix))
    return (" ".join(morceaux) + "|").encode()


def textes():
    for exemple in sorted((source / "examples").glob("*.txt")):
        yield exemple.stem, [], exemple.read_bytes()
    for cas in sorted((source / "tests" / "golden").iterdir()):
        mots = (cas / "args").read_bytes().split(b"\n")[:-1] if (cas / "args").exists() else []
        if any(m.startswith(b"-") and not m[1:].isdigit() for m in mots) or not (cas / "stdin").exists():
            continue
        if (cas / "status").read_text().strip() == "0":
            yield "golden_" + cas.name, mots, (cas / "stdin").read_bytes()
    for graine in range(nombre_generes):
        yield f"genere_{graine}", [], genere(graine)


def notes(fichier):
    """(onset, length) in ticks of every note on the percussion channel."""
    f = mido.MidiFile(fichier)
    assert f.ticks_per_beat == 480, f.ticks_per_beat
    trouvees, fin = [], 0
    for piste in f.tracks:
        maintenant, ouvertes = 0, {}
        for m in piste:
            maintenant += m.time
            if m.type == "note_on" and m.velocity > 0 and m.channel == 9:
                ouvertes[m.note] = maintenant
            elif m.type in ("note_on", "note_off") and m.channel == 9 and m.note in ouvertes:
                debut = ouvertes.pop(m.note)
                trouvees.append((debut, maintenant - debut))
        fin = max(fin, maintenant)
    return sorted(trouvees), fin


def totaux(listing):
    """The quads of each measure listed ("totaux = 64")."""
    return [int(l.rsplit(b"\t", 1)[1]) for l in listing.split(b"\n") if b"totaux\t=" in l]


echecs = []
with tempfile.TemporaryDirectory() as travail:
    travail = pathlib.Path(travail)
    travaux, attendus = [], {}
    for nom, mots, texte in textes():
        xml, mid = travail / f"{nom}.musicxml", travail / f"{nom}.mid"
        sans = subprocess.run([rythme, *mots], input=texte, capture_output=True)
        avec = subprocess.run([rythme, "--musicxml", str(xml), "--midi", str(mid), *mots], input=texte,
                              capture_output=True)
        if (avec.stdout, avec.stderr, avec.returncode) != (sans.stdout, sans.stderr, sans.returncode):
            echecs.append(f"{nom}: the exports changed the check's output or status")
            continue
        travaux.append({"in": str(xml), "out": str(travail / f"{nom}.relu.mid")})
        # A text with no report, no repeat and no ending lasts what its
        # measures add up to.
        simple = b":" not in texte and not re.search(rb"\|\s*\d+\.", texte) and not sans.stderr and sans.returncode == 0
        attendus[nom] = totaux(sans.stdout) if simple else None
    job = travail / "travaux.json"
    job.write_text(json.dumps(travaux))
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=str(travail))
    relu = subprocess.run(["mscore3", "-j", str(job)], capture_output=True, text=True, env=env)
    journal = relu.stdout + relu.stderr
    if relu.returncode != 0 or "--journal" in sys.argv:
        print(journal[-3000:])
    for ligne in journal.splitlines():
        if "Error" in ligne or "error" in ligne:
            echecs.append(f"MuseScore: {ligne}")
    for nom, total in attendus.items():
        leur = travail / f"{nom}.relu.mid"
        if not leur.exists():
            echecs.append(f"{nom}: MuseScore made no MIDI file")
            continue
        (nos_notes, notre_fin), (leurs_notes, _) = notes(travail / f"{nom}.mid"), notes(leur)
        nos_notes_relues = [(debut, max(1, duree - 1)) for debut, duree in nos_notes]
        # Where 480 ticks cannot hold a value exactly (a septuplet of
        # sixty-fourths), each program rounds its ends its own way.
        divisions = int(re.search(rb"<divisions>(\d+)<", (travail / f"{nom}.musicxml").read_bytes()).group(1))
        if 480 % divisions != 0 and len(nos_notes_relues) == len(leurs_notes) and all(
                a[0] == b[0] and abs(a[1] - b[1]) <= 1 for a, b in zip(nos_notes_relues, leurs_notes)):
            leurs_notes = nos_notes_relues
        if nos_notes_relues != leurs_notes:
            difference = next((a, b) for a, b in zip(nos_notes_relues + [None] * len(leurs_notes),
                                                     leurs_notes + [None] * len(nos_notes)) if a != b)
            echecs.append(f"{nom}: our notes and MuseScore's differ first at (ours, theirs) {difference}")
        if total is not None and notre_fin != 30 * sum(total):
            echecs.append(f"{nom}: our MIDI lasts {notre_fin} ticks, the measures listed {30 * sum(total)}")
    print(f"{len(attendus)} texts exported and read back by MuseScore")

for e in echecs:
    print(e)
sys.exit(1 if echecs else 0)
