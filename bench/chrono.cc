// Runs a command with its standard input and output redirected to files and
// prints its wall time in seconds and its peak resident memory in KiB:
//   chrono INPUT OUTPUT COMMAND [ARGS...]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: chrono INPUT OUTPUT COMMAND [ARGS...]\n");
    return 2;
  }
  const auto debut = std::chrono::steady_clock::now();
  const pid_t fils = fork();
  if (fils == 0) {
    const int entree = open(argv[1], O_RDONLY);
    const int sortie = open(argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int nul = open("/dev/null", O_WRONLY);
    if (entree < 0 || sortie < 0 || nul < 0) _exit(127);
    dup2(entree, 0);
    dup2(sortie, 1);
    dup2(nul, 2);
    execvp(argv[3], argv + 3);
    _exit(127);
  }
  int statut = 0;
  rusage usage{};
  wait4(fils, &statut, 0, &usage);
  const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
  std::printf("%.3f %ld %d\n", duree.count(), usage.ru_maxrss, WIFEXITED(statut) ? WEXITSTATUS(statut) : -1);
  return 0;
}
