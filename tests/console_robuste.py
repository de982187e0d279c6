#!/usr/bin/env python3
"""The console as scripts and people use it: no failure passes for success.

  console_robuste.py RYTHME GENERE_PARTITION write_errors|read_errors|nonblocking|stalled_signal|terminal

write_errors:   standard output or standard error unwritable (/dev/full, a
                closed descriptor, a file size limit with SIGXFSZ ignored):
                a French message naming the stream, and status 1.
read_errors:    a directory or a closed descriptor on standard input, and an
                EIO in the middle of a file (strace, skipped without it): the
                text read is analysed, the failure said last, status 1.
nonblocking:    standard output and standard input left non-blocking, with a
                slow reader and a slow writer: every byte arrives.
stalled_signal: SIGTERM while the reader has stopped reading ends the process
                by that signal within a second.
terminal:       on a pseudo-terminal under a UTF-8 locale the program's texts
                are UTF-8 and echoed input bytes unchanged; under LANG=C,
                ISO-8859-1 as everywhere else.
"""
import os
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
import partition  # noqa: E402
import pseudo_terminal  # noqa: E402

SKIP = 77
DELAI = 60
TEXTE_FAUTIF = b"! ! ! d | ! ! ! ! |"


def lance(rythme, mots, **options):
    options.setdefault("stdout", subprocess.PIPE)
    options.setdefault("stderr", subprocess.PIPE)
    return subprocess.run([rythme, *mots], timeout=DELAI, **options)


def write_errors(rythme, _genere):
    with open("/dev/full", "wb") as plein:
        r = lance(rythme, ["4", "4"], input=TEXTE_FAUTIF, stdout=plein)
    assert r.returncode == 1 and r.stderr.count(b"rythme :") == 1 and \
        "rythme : écriture impossible sur la sortie standard : plus de place sur le support.\n".encode("latin-1") \
        in r.stderr, r
    r = subprocess.run([rythme, "4", "4"], input=TEXTE_FAUTIF, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                       timeout=DELAI, pass_fds=(), close_fds=True, preexec_fn=lambda: os.close(1))
    assert r.returncode == 1 and b"sortie standard : descripteur ferm" in r.stderr, r
    # Standard error itself: nowhere to say it, but the status tells.
    with open("/dev/full", "wb") as plein:
        r = subprocess.run([rythme, "4", "4"], input=TEXTE_FAUTIF, stdout=subprocess.DEVNULL, stderr=plein, timeout=DELAI)
    assert r.returncode == 1, r
    r = subprocess.run([rythme, "4", "4"], input=TEXTE_FAUTIF, stdout=subprocess.DEVNULL, timeout=DELAI,
                       preexec_fn=lambda: os.close(2))
    assert r.returncode == 1, r

    def limite():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (4096, 4096))

    with tempfile.TemporaryFile() as fichier:
        r = subprocess.run([rythme, "4", "4"], input=b"! ! ! ! |" * 2000, stdout=fichier, stderr=subprocess.PIPE,
                           timeout=DELAI, preexec_fn=limite)
    assert r.returncode == 1 and "taille de fichier permise dépassée".encode("latin-1") in r.stderr, r
    # Exactly one report, however many writes failed after it.
    assert r.stderr.count(b"rythme :") == 1, r.stderr
    return 0


def read_errors(rythme, genere):
    fin = "rythme : lecture impossible sur l'entrée standard : ".encode("latin-1")
    repertoire = os.open("/", os.O_RDONLY)
    r = lance(rythme, ["4", "4"], stdin=repertoire)
    os.close(repertoire)
    assert r.returncode == 1 and r.stderr.endswith(fin + "c'est un répertoire.\n".encode("latin-1")), r
    assert r.stdout.endswith(b"** Fin d'analyse en l. 1 col. 1\n"), r.stdout
    r = subprocess.run([rythme, "4", "4"], capture_output=True, timeout=DELAI, preexec_fn=lambda: os.close(0))
    assert r.returncode == 1 and fin in r.stderr, r

    strace = shutil.which("strace")
    if strace is None:
        print("strace is not installed: no EIO")
        return SKIP
    with partition.generee(genere, "correcte", 1) as texte:
        env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
        # Which read is the second one of standard input, the loader's own counted.
        trace = partition.lance([strace, "-qq", "-e", "trace=read", "-e", "signal=none", rythme, "4", "4"], texte,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=env).stderr
        lectures = [ligne for ligne in trace.split(b"\n") if ligne.startswith(b"read(")]
        rang = [i for i, ligne in enumerate(lectures) if ligne.startswith(b"read(0,")][1] + 1
        r = partition.lance([strace, "-qq", "-o", "/dev/null", "-e", "trace=read", "-e",
                             f"inject=read:error=EIO:when={rang}", rythme, "4", "4"], texte,
                            capture_output=True, env=env, timeout=DELAI)
    assert r.returncode == 1 and r.stderr.endswith(fin + "erreur d'entrée-sortie du support.\n".encode("latin-1")), \
        r.stderr[-300:]
    # What was read before the failure was analysed.
    assert r.stdout.count(b"Nombre de temps") > 100, r.stdout[-300:]
    return 0


def nonblocking(rythme, genere):
    with partition.generee(genere, "fautive", 1) as texte:
        attendu = partition.lance([rythme, "4", "4"], texte, capture_output=True, check=False)
        octets = open(texte, "rb").read()

        # Standard output a non-blocking pipe, read slowly.
        lecture, ecriture = os.pipe()
        os.set_blocking(ecriture, False)
        proc = partition.demarre([rythme, "4", "4"], texte, stdout=ecriture, stderr=subprocess.DEVNULL)
        os.close(ecriture)
        lu = bytearray()
        while True:
            morceau = os.read(lecture, 8192)
            if not morceau:
                break
            lu += morceau
            if len(lu) < 1 << 20:
                time.sleep(0.0005)
        os.close(lecture)
        assert proc.wait(DELAI) == attendu.returncode
        assert bytes(lu) == attendu.stdout, (len(lu), len(attendu.stdout))

    # Standard input a non-blocking pipe, written slowly.
    lecture, ecriture = os.pipe()
    os.set_blocking(lecture, False)
    proc = subprocess.Popen([rythme, "4", "4"], stdin=lecture, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    os.close(lecture)

    def ecrit():
        # The first read finds no input yet, however fast the program is.
        time.sleep(0.2)
        for i in range(0, len(octets), 1 << 17):
            os.write(ecriture, octets[i:i + (1 << 17)])
            time.sleep(0.02)
        os.close(ecriture)

    fil = threading.Thread(target=ecrit)
    fil.start()
    sortie, erreur = proc.communicate(timeout=DELAI)
    fil.join()
    assert proc.returncode == attendu.returncode
    assert sortie == attendu.stdout and erreur == attendu.stderr
    return 0


def stalled_signal(rythme, genere):
    with partition.generee(genere, "correcte", 2) as texte:
        proc = partition.demarre([rythme, "4", "4"], texte, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        time.sleep(1)  # the pipe fills; nobody reads it
        assert proc.poll() is None, "the run ended before the signal"
        debut = time.monotonic()
        proc.send_signal(signal.SIGTERM)
        try:
            statut = proc.wait(1)
        finally:
            proc.kill()
            proc.stdout.close()
    assert statut == -signal.SIGTERM, statut
    print(f"gone {time.monotonic() - debut:.3f} s after SIGTERM")
    return 0


def sur_un_terminal(rythme, mots, entree, langue):
    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
    env["LANG"] = langue
    proc, vu = pseudo_terminal.sur_un_terminal([rythme, *mots], entree, env)
    proc.wait(DELAI)
    return vu.replace(b"\r\n", b"\n")  # the terminal's own line ends


def terminal(rythme, _genere):
    # A late bar (a report with accents) after a byte above 127, which is
    # reported like any unknown character.
    entree = b"! ! ! d |\xe9 ! ! ! ! |"
    utf8 = sur_un_terminal(rythme, ["4", "4"], entree, "C.UTF-8")
    latin1 = sur_un_terminal(rythme, ["4", "4"], entree, "C")
    assert "trouvé\t4".encode("utf-8") in utf8 and "est tardive".encode("utf-8") in utf8, utf8
    assert "Mesure binaire (ou unaire) à la noire".encode("utf-8") in utf8, utf8
    assert "non-reconnue".encode("utf-8") in utf8 and b"\xe9" not in utf8, utf8
    # Under LANG=C the same run, byte for byte in ISO-8859-1.
    assert "trouvé\t4".encode("latin-1") in latin1 and "é".encode("utf-8") not in latin1, latin1
    assert utf8.decode("utf-8").encode("latin-1") == latin1
    # A UTF-8 locale the system lacks still names its codeset; a locale
    # without one is no UTF-8 locale.
    assert sur_un_terminal(rythme, ["4", "4"], entree, "fr_FR.UTF-8") == utf8
    assert sur_un_terminal(rythme, ["4", "4"], entree, "xx_XX.utf_8@euro") == utf8
    assert sur_un_terminal(rythme, ["4", "4"], entree, "xx_XX") == latin1
    # A refused word is shown as typed, whatever the terminal.
    refus = sur_un_terminal(rythme, ["é", "4"], b"", "C.UTF-8")
    assert "«é» refusé".encode("utf-8") in refus, refus
    refus = sur_un_terminal(rythme, [b"\xe9", "4"], b"", "C")
    assert "«é» refusé".encode("latin-1") in refus, refus
    return 0


def bom_split(rythme, _genere):
    # A byte order mark that a pipe delivers in two reads is still skipped.
    attendu = subprocess.run([rythme, "4", "4"], input=b"! ! ! ! ||", capture_output=True)
    proc = subprocess.Popen([rythme, "4", "4"], stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    proc.stdin.write(b"\xef")
    proc.stdin.flush()
    time.sleep(0.3)
    sortie, erreur = proc.communicate(b"\xbb\xbf! ! ! ! ||", timeout=DELAI)
    assert (sortie, erreur, proc.returncode) == (attendu.stdout, attendu.stderr, attendu.returncode), (sortie, erreur)
    return 0


def export_reader_gone(rythme, genere):
    # An export on standard output whose reader goes away is no failure.
    with partition.generee(genere, "correcte", 1) as texte:
        proc = partition.demarre([rythme, "--musicxml", "-", "4", "4"], texte, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        assert proc.stdout.read(100).startswith(b"<?xml")
        proc.stdout.close()
        erreur = proc.stderr.read()
        statut = proc.wait(DELAI)
    assert statut == 0 and b"criture impossible" not in erreur, (statut, erreur[-300:])
    return 0


if __name__ == "__main__":
    rythme, genere, cas = sys.argv[1:4]
    essais = {"write_errors": write_errors, "read_errors": read_errors, "nonblocking": nonblocking,
              "stalled_signal": stalled_signal, "terminal": terminal, "bom_split": bom_split,
              "export_reader_gone": export_reader_gone}
    sys.exit(essais[cas](rythme, genere) or 0)
