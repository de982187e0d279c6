#include "driver/exportations.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "export/midi.h"
#include "export/musicxml.h"
#include "io/flux.h"
#include "io/latin1.h"
#include "musique/piece.h"

namespace {

constexpr int tempo_min = 1, tempo_max = 1000;

// A file name as a message shows it: its bytes, control characters as '?'.
std::string nom_montre(std::string_view nom) {
  std::string montre;
  for (const char c : nom) montre += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
  return montre;
}

// All of octets on descriptor fd; a reader gone away is not a failure.
int ecrit_tout(int fd, std::string_view octets) {
  const char* o = octets.data();
  std::size_t n = octets.size();
  while (n > 0) {
    const ssize_t ecrit = ::write(fd, o, n);
    if (ecrit < 0) {
      if (errno == EINTR) continue;  // GCOVR_EXCL_BR_LINE: a signal, tried again
      if (errno == EAGAIN || errno == EWOULDBLOCK) {  // GCOVR_EXCL_BR_LINE: the two are one on this system
        // GCOVR_EXCL_START: a standard output left non-blocking by a parent, waited for
        pollfd attente{fd, POLLOUT, 0};
        ::poll(&attente, 1, -1);
        continue;
        // GCOVR_EXCL_STOP
      }
      return errno == EPIPE ? 0 : errno;
    }
    o += ecrit;
    n -= static_cast<std::size_t>(ecrit);
  }
  return 0;
}

// An export's file (or standard output), written in pieces as they come;
// the first failure is kept and said once, when it is closed.
class Fichier {
 public:
  explicit Fichier(const std::string& nom) : nom_(nom) {
    if (nom == "-") {
      fd_ = 1;
    } else {
      fd_ = ::open(nom.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
      if (fd_ < 0) numero_ = errno;
    }
  }
  void ecrit(std::string_view octets) {
    if (numero_ == 0) numero_ = ecrit_tout(fd_, octets);  // fd_ is open while nothing failed
  }
  bool ferme() {
    // A file written whole may still fail as it is closed (a disk full on a
    // network file system): said as any other failure.
    if (fd_ > 1 && ::close(fd_) != 0 && numero_ == 0) numero_ = errno;  // GCOVR_EXCL_BR_LINE: no test can make close fail
    if (numero_ == 0) return true;
    const std::string lieu = nom_ == "-" ? std::string("la sortie standard") : "«"_l1 + nom_montre(nom_) + "»"_l1;
    erreur_ecrit("rythme : écriture impossible sur "_l1, lieu, " : ", raison_systeme(numero_), ".\n");
    return false;
  }

 private:
  const std::string& nom_;
  int fd_ = -1;
  int numero_ = 0;
};

}  // namespace

int lit_exportations(int argc, const char* const* argv, Exportations& e, std::string& refus) {
  int i = 1;
  for (; i < argc; ++i) {
    const std::string_view mot = argv[i];
    std::string* fichier = mot == "--musicxml" ? &e.musicxml : mot == "--midi" ? &e.midi : nullptr;
    if (fichier == nullptr && mot != "--tempo") break;
    if (i + 1 == argc || argv[i + 1][0] == '\0') {
      refus = "rythme : l'option ";
      refus += argv[i];
      refus += fichier != nullptr ? " attend un nom de fichier (- : la sortie standard).\n"
                                  : " attend un nombre de noires par minute.\n";
      return -1;
    }
    const char* valeur = argv[++i];
    if (fichier != nullptr) {
      *fichier = valeur;
      continue;
    }
    // Digits only, and no more of them than the bound needs.
    int tempo = 0;
    const char* c = valeur;
    for (; *c >= '0' && *c <= '9' && tempo <= tempo_max; ++c) tempo = tempo * 10 + (*c - '0');
    if (*c != '\0' || tempo < tempo_min || tempo > tempo_max) {
      refus = "rythme : tempo «"_l1;
      refus += nom_montre(std::string_view(valeur).substr(0, 40));
      refus += "» refusé : un nombre entier de noires par minute, de 1 à 1000, est attendu.\n"_l1;
      return -1;
    }
    e.tempo = tempo;
  }
  if (e.musicxml == "-" && e.midi == "-") {
    refus = "rythme : une seule exportation peut aller sur la sortie standard (-).\n";
    return -1;
  }
  return i - 1;
}

void prepare_les_exportations() {
#if defined(__GLIBC__)
  // Blocks up to the largest size the allocator takes from its heap come
  // from it, and what is freed at its top stays there.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
#if defined(MADV_HUGEPAGE)
  // The heap the records of a text in a file will take (some 300 bytes for
  // each byte of text, room reserved but never written included), taken
  // from the system at once and asked for in huge pages: one fault for
  // 2 MiB instead of 512. A block larger than the heap holds makes it grow by
  // that much; given back at once, it leaves the heap grown, untouched but
  // for its first page, and the advice on its addresses, which the records
  // then take. Where huge pages are off the advice is unheeded.
  struct stat s {};
  if (::fstat(0, &s) != 0 || !S_ISREG(s.st_mode)) return;
  // Addresses only, 300 MiB at most: a page is mapped when first written.
  const std::size_t voulu = std::min(static_cast<std::size_t>(s.st_size), std::size_t{1} << 20) * 300;
  mallopt(M_TOP_PAD, static_cast<int>(voulu));
  void* const amorce = std::malloc(std::size_t{1} << 20);
  const auto debut = reinterpret_cast<std::uintptr_t>(amorce);
  std::free(amorce);
  mallopt(M_TOP_PAD, 128 << 10);  // its usual value
  const auto fin = reinterpret_cast<std::uintptr_t>(::sbrk(0));
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  // The heap's top, as expected (not a block the allocator had to map).
  if (amorce != nullptr && debut < fin && fin - debut <= voulu + (std::size_t{4} << 20))
    ::madvise(reinterpret_cast<void*>((debut + page) & ~(page - 1)), fin - ((debut + page) & ~(page - 1)), MADV_HUGEPAGE);
#endif
#endif
}

bool ecrit_exportations(const Exportations& e, const Recueil& recueil, const Piece& piece) {
  bool ecrits = true;
  if (!e.musicxml.empty()) {
    Fichier f(e.musicxml);
    ecrit_musicxml(piece, recueil, e.tempo, [&f](std::string_view morceau) { f.ecrit(morceau); });
    if (!f.ferme()) ecrits = false;
  }
  if (!e.midi.empty()) {
    Fichier f(e.midi);
    ecrit_midi(piece, e.tempo, [&f](std::string_view morceau) { f.ecrit(morceau); });
    if (!f.ferme()) ecrits = false;
  }
  return ecrits;
}
