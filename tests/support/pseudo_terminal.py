"""A program run as someone at a console sees it: both its streams on one
pseudo-terminal."""
import os
import pty
import subprocess


def sur_un_terminal(commande, entree, env=None):
    """Runs commande with standard output and standard error on a new
    pseudo-terminal and entree on standard input; returns the process and
    every byte the terminal showed (with the terminal's own \\r\\n line ends)
    once its last writer is gone."""
    maitre, esclave = pty.openpty()
    proc = subprocess.Popen(commande, stdin=subprocess.PIPE, stdout=esclave, stderr=esclave, env=env)
    os.close(esclave)
    proc.stdin.write(entree)
    proc.stdin.close()
    vu = b""
    while True:
        try:
            morceau = os.read(maitre, 65536)
        except OSError:  # the terminal is gone with its last writer
            break
        if not morceau:
            break
        vu += morceau
    os.close(maitre)
    return proc, vu
