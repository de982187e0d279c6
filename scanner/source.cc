#include "scanner/source.h"

#include <unistd.h>

#include <cerrno>

#include "diagnostics/flux.h"
#include "driver/etat.h"
#include "scanner/scanner.h"

namespace {

constexpr std::size_t taille_lecture = 1 << 16;

struct Source {
  int descripteur = 0;                     // read when memoire is null
  const unsigned char* memoire = nullptr;  // bytes in memory, or null
  std::size_t taille = 0;                  // bytes in memory
  unsigned char lu[taille_lecture];        // what the last read of the descriptor brought
  std::size_t position = 0;                // next byte to hand out, in memoire or lu
  std::size_t disponibles = 0;             // bytes in lu
  bool epuisee = false;                    // the end of the source has been met
};

Source source;

// Refills the read buffer; false at the end of the input or on a read error.
// The read may wait for a person or a program writing into a pipe: what has
// been analysed so far reaches them first.
bool relit_descripteur() {
  for (;;) {
    flux_avant_lecture();
    const ssize_t n = ::read(source.descripteur, source.lu, taille_lecture);
    if (n > 0) {
      source.position = 0;
      source.disponibles = static_cast<std::size_t>(n);
      return true;
    }
    if (n < 0 && errno == EINTR) continue;
    return false;
  }
}

void repart(int descripteur, const char* octets, std::size_t n) {
  source.descripteur = descripteur;
  source.memoire = reinterpret_cast<const unsigned char*>(octets);
  source.taille = n;
  source.position = 0;
  source.disponibles = 0;
  source.epuisee = false;
}

}  // namespace

void source_depuis_descripteur(int descripteur) { repart(descripteur, nullptr, 0); }

void source_depuis_memoire(const char* octets, std::size_t n) { repart(-1, octets, n); }

void reinitialise_source() { source_depuis_descripteur(0); }

bool source_est_un_terminal() { return source.memoire == nullptr && ::isatty(source.descripteur) == 1; }

int octet_source() {
  if (source.epuisee) return fin_de_fichier;
  if (source.memoire != nullptr) {
    if (source.position < source.taille) return source.memoire[source.position++];
  } else if (source.position < source.disponibles || relit_descripteur()) {
    return source.lu[source.position++];
  }
  source.epuisee = true;
  return fin_de_fichier;
}
