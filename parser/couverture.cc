// The coverage build's records of the parser (parser/couverture.h): the
// recording switch of the matrix, and the productions reduced, written at
// exit to FICHIER_REDUCTIONS as one line, the program's name and one mark per
// production ('1' reduced, '0' not), appended in a single write so that the
// processes of a parallel test run do not mix their lines.
#include "parser/couverture.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>

TableCouverture* tableCouverture = nullptr;

namespace {

struct Reductions {
  bool vue[nbProductions] = {};
  bool une = false;  // at least one production reduced

  ~Reductions() {
    if (!une) return;
    std::string ligne = program_invocation_short_name;
    ligne += ' ';
    for (const bool v : vue) ligne += v ? '1' : '0';
    ligne += '\n';
    const int fd = open(FICHIER_REDUCTIONS, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    [[maybe_unused]] const ssize_t ecrits = write(fd, ligne.data(), ligne.size());
    close(fd);
  }
};

Reductions reductions;

}  // namespace

void note_reduction(int production) {
  if (production < 0 || production >= nbProductions) return;
  reductions.vue[production] = true;
  reductions.une = true;
}
