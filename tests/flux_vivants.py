#!/usr/bin/env python3
"""When the checker's output reaches its reader.

  flux_vivants.py RYTHME GENERE_PARTITION pipe|terminal|signal|pipe_writes

pipe:     with standard input a pipe held open, what the analysis of a piece
          printed (banners, listing, reports) can be read before more input
          is written.
terminal: on a pseudo-terminal, each banner leaves in a write of its own
          (seen with strace; skipped when strace is missing).
pipe_writes: into a pipe, a long listing leaves in writes that each fit in
          a pipe's usual room (64 KiB) and are full but for the writes made
          before each read of the input (strace).
signal:   SIGTERM in the middle of a long run loses nothing that was due: the
          output read afterwards is the start of the full output and ends with
          a banner.
"""
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
import partition  # noqa: E402
import pseudo_terminal  # noqa: E402

SKIP = 77
DELAI = 30  # seconds before a wait is taken for a hang


def lis_jusqu_a(flux, attendus, delai=DELAI):
    """Reads the descriptors until each holds its expected text; returns what was read."""
    lu = {fd: b"" for fd in flux}
    while not all(attendus[fd] in lu[fd] for fd in flux):
        prets, _, _ = select.select([fd for fd in flux if attendus[fd] not in lu[fd]], [], [], delai)
        if not prets:
            raise AssertionError(f"nothing more to read; so far: {lu!r}")
        for fd in prets:
            morceau = os.read(fd, 65536)
            if not morceau:
                raise AssertionError(f"end of stream; so far: {lu!r}")
            lu[fd] += morceau
    return lu


def pipe(rythme, _genere):
    proc = subprocess.Popen([rythme, "4", "4"], stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    sortie, erreur = proc.stdout.fileno(), proc.stderr.fileno()
    # A late bar in the first measure: a report, the listing, then the bar
    # after it, which waits to know whether the text ends there.
    proc.stdin.write(b"! ! ! d |")
    proc.stdin.flush()
    lu = lis_jusqu_a([sortie, erreur], {
        sortie: "** Nouvelle analyse en l. 1 col. 8\n".encode("latin-1"),
        erreur: "est tardive".encode("latin-1"),
    })
    assert "Nombre de temps trouvé\t4,\ttotaux\t=\t80\n".encode("latin-1") in lu[sortie], lu
    assert b"** Fin d'analyse en l. 1 col. 8\n" in lu[sortie], lu
    # The second measure, written only now, is analysed in its turn.
    proc.stdin.write(b" ! ! ! ! |")
    proc.stdin.flush()
    lis_jusqu_a([sortie], {sortie: b"** Nouvelle analyse en l. 1 col. 18\n"})
    proc.stdin.write(b"|")
    proc.stdin.close()
    proc.stdout.read()
    proc.stderr.read()
    assert proc.wait(DELAI) == 0


def terminal(rythme, _genere):
    strace = shutil.which("strace")
    if strace is None:
        print("strace is not installed")
        return SKIP
    with tempfile.TemporaryDirectory() as travail:
        trace = os.path.join(travail, "trace")
        texte = b"! ! ! ! | [[ ! ! ! | ! ! ! d | ||"
        proc, vu = pseudo_terminal.sur_un_terminal(
            [strace, "-qq", "-e", "trace=write", "-e", "signal=none", "-s", "4096", "-o", trace, rythme, "4", "4"], texte,
            dict(os.environ, ASAN_OPTIONS="detect_leaks=0"))  # no leak check under ptrace
        assert proc.wait(DELAI) == 0
        ecritures = [ligne for ligne in open(trace, encoding="latin-1") if ligne.startswith("write(1,")]
    banieres = vu.count(b"** Nouvelle analyse") + vu.count(b"** Fin d'analyse")
    assert banieres == 14, vu
    # Each banner ends a write of its own (strace shows a newline as \n).
    contenus = [e.split('"', 1)[1].rsplit('"', 1)[0] for e in ecritures]
    par_ecriture = [c.count("** Nouvelle analyse") + c.count("** Fin d'analyse") for c in contenus]
    assert sum(par_ecriture) == banieres and max(par_ecriture) == 1, contenus
    for contenu, n in zip(contenus, par_ecriture):
        assert n == 0 or (contenu.endswith("\\n") and "analyse en l. " in contenu.rsplit("** ", 1)[1]), contenu
    return 0


def pipe_writes(rythme, genere):
    strace = shutil.which("strace")
    if strace is None:
        print("strace is not installed")
        return SKIP
    with partition.generee(genere, "correcte", 1) as texte:
        trace = os.path.join(os.path.dirname(texte), "trace")
        sortie = partition.lance([strace, "-qq", "-e", "trace=write", "-e", "signal=none", "-o", trace,
                                  rythme, "4", "4"], texte, stdout=subprocess.PIPE,
                                 env=dict(os.environ, ASAN_OPTIONS="detect_leaks=0")).stdout
        tailles = [int(ligne.rsplit("=", 1)[1]) for ligne in open(trace, encoding="latin-1")
                   if ligne.startswith("write(1,")]
        lectures = os.path.getsize(texte) / (1 << 16) + 1
    assert sum(tailles) == len(sortie), (sum(tailles), len(sortie))
    assert max(tailles) <= 1 << 16, max(tailles)
    # Besides the writes before each read of the input, the buffer leaves full.
    assert len(tailles) <= len(sortie) / ((1 << 16) - 1024) + lectures + 1, len(tailles)
    return 0


def signal_(rythme, genere):
    with partition.generee(genere, "fautive", 4) as texte:
        complet = partition.lance([rythme, "4", "4"], texte, stdout=subprocess.PIPE, stderr=subprocess.STDOUT).stdout
        proc = partition.demarre([rythme, "4", "4"], texte, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        # Read a little, then stop reading: the checker soon waits on a full
        # pipe, in the middle of its run, when the signal comes.
        debut = proc.stdout.read(1 << 20)
        proc.send_signal(signal.SIGTERM)
        reste = proc.stdout.read()
        statut = proc.wait(DELAI)
    lu = debut + reste
    assert statut == -signal.SIGTERM, statut
    assert len(lu) < len(complet), "the run ended before the signal"
    assert complet.startswith(lu), "the output read is not the start of the full output"
    derniere = lu.rstrip(b"\n").rsplit(b"\n", 1)[-1]
    assert derniere.startswith(b"** ") and lu.endswith(b"\n"), lu[-300:]
    return 0


if __name__ == "__main__":
    rythme, genere, cas = sys.argv[1:4]
    essais = {"pipe": pipe, "terminal": terminal, "signal": signal_, "pipe_writes": pipe_writes}
    sys.exit(essais[cas](rythme, genere) or 0)
