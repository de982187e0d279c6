"""A long generated score for the tests that run the checker on one."""
import contextlib
import os
import subprocess
import tempfile


@contextlib.contextmanager
def generee(genere, genre, megaoctets):
    """The score that GENERE_PARTITION writes (genre: correcte, fautive...,
    about megaoctets MB), in a temporary file for the time of the block:
    yields its path."""
    with tempfile.TemporaryDirectory() as travail:
        texte = os.path.join(travail, "texte")
        with open(texte, "wb") as f:
            subprocess.run([genere, genre, str(megaoctets)], stdout=f, check=True)
        yield texte


def lance(commande, texte, **options):
    """subprocess.run(commande, **options) with the file texte on standard input."""
    with open(texte, "rb") as f:
        return subprocess.run(commande, stdin=f, **options)


def demarre(commande, texte, **options):
    """subprocess.Popen(commande, **options) with the file texte on standard input."""
    with open(texte, "rb") as f:
        return subprocess.Popen(commande, stdin=f, **options)
