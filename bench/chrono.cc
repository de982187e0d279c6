// Runs a command with its standard streams redirected and prints its wall
// time in seconds, its peak resident memory in KiB, its exit status and the
// processor time (user and system) of the command and of the pipe's reader:
//   chrono separes INPUT OUTPUT ERRORS COMMAND [ARGS...]
//     standard output to OUTPUT, standard error to ERRORS;
//   chrono ensemble INPUT OUTPUT COMMAND [ARGS...]
//     both streams to OUTPUT, as `>OUTPUT 2>&1`;
//   chrono ajout INPUT OUTPUT ERRORS COMMAND [ARGS...]
//     as separes, with OUTPUT emptied then opened for appending: GNU cat,
//     given two regular files, has the kernel copy them (copy_file_range) and
//     never writes the bytes itself; a file open for appending keeps it on
//     its ordinary read and write path, the one every filter takes;
//   chrono tube INPUT OUTPUT ERRORS COMMAND [ARGS...]
//     standard output into a pipe read by `cat > OUTPUT`, standard error to
//     ERRORS; the time runs until cat has written everything.
// The memory is the command's own, never that of cat. The files are emptied
// before the clock starts and put on the disk once it has stopped, so that no
// run pays for what the one before it left in the page cache.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

int ouvre_en_ecriture(const char* chemin, int ajout = 0) { return open(chemin, O_WRONLY | O_CREAT | O_TRUNC | ajout, 0644); }

// User and system time of a process and of the children it waited for.
double secondes(const rusage& u) {
  const auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return s(u.ru_utime) + s(u.ru_stime);
}

int usage() {
  std::fprintf(stderr,
               "usage: chrono separes|ajout|tube INPUT OUTPUT ERRORS COMMAND [ARGS...]\n"
               "       chrono ensemble INPUT OUTPUT COMMAND [ARGS...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return usage();
  const bool ensemble = std::strcmp(argv[1], "ensemble") == 0;
  const bool tube = std::strcmp(argv[1], "tube") == 0;
  const bool ajout = std::strcmp(argv[1], "ajout") == 0;
  if (!ensemble && !tube && !ajout && std::strcmp(argv[1], "separes") != 0) return usage();
  const int premier_mot = ensemble ? 4 : 5;
  if (argc <= premier_mot) return usage();

  // Every file is emptied before the clock starts: emptying one that a
  // previous run filled frees its pages, which is no part of a run's time.
  const int entree = open(argv[2], O_RDONLY);
  const int sortie = ouvre_en_ecriture(argv[3], ajout ? O_APPEND : 0);
  const int erreurs = ensemble ? sortie : ouvre_en_ecriture(argv[4]);
  if (entree < 0 || sortie < 0 || erreurs < 0) {
    std::perror("chrono");
    return 2;
  }
  int conduit[2] = {-1, -1};
  if (tube && pipe(conduit) != 0) {
    std::perror("chrono");
    return 2;
  }

  const auto debut = std::chrono::steady_clock::now();
  pid_t lecteur = -1;
  if (tube) {
    lecteur = fork();
    if (lecteur == 0) {
      dup2(conduit[0], 0);
      dup2(sortie, 1);
      close(conduit[0]);
      close(conduit[1]);
      execlp("cat", "cat", static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  const pid_t fils = fork();
  if (fils == 0) {
    dup2(entree, 0);
    dup2(tube ? conduit[1] : sortie, 1);
    dup2(erreurs, 2);
    if (tube) {
      close(conduit[0]);
      close(conduit[1]);
    }
    execvp(argv[premier_mot], argv + premier_mot);
    _exit(127);
  }
  if (tube) {
    close(conduit[0]);
    close(conduit[1]);
  }
  int statut = 0;
  rusage usage_fils{};
  wait4(fils, &statut, 0, &usage_fils);
  rusage usage_lecteur{};
  if (tube) wait4(lecteur, nullptr, 0, &usage_lecteur);
  const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
  // Out of the clock, the bytes written are put on the disk, so that the next
  // run starts with nothing of this one still to write back.
  fsync(sortie);
  if (erreurs != sortie) fsync(erreurs);
  std::printf("%.6f %ld %d %.6f\n", duree.count(), usage_fils.ru_maxrss,
              WIFEXITED(statut) ? WEXITSTATUS(statut) : -1, secondes(usage_fils) + secondes(usage_lecteur));
  return 0;
}
