// The input layer: where the bytes come from, and the token buffer that the
// matcher and the actions read them through.
#include "io/source.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "io/fatal.h"
#include "io/flux.h"

namespace {

constexpr std::size_t taille_lecture = 1 << 16;

struct Source {
  int descripteur = 0;                     // read when memoire is null
  const unsigned char* memoire = nullptr;  // bytes in memory, or null
  unsigned char lu[taille_lecture];        // what the last read of the descriptor brought
  bool epuisee = false;                    // the end of the source has been met
  int erreur = 0;                          // the system's error of a failed read, which ended the source
};

Source source;

// Refills the read buffer; false at the end of the input or on a read error,
// which is kept for the run to report. The read may wait for a person or a
// program writing into a pipe: what has been analysed so far reaches them
// first.
bool relit_descripteur() {
  for (;;) {
    flux_avant_lecture();
    const ssize_t n = ::read(source.descripteur, source.lu, taille_lecture);
    if (n > 0) {
      if (temoin_source != nullptr) temoin_source(source.lu, static_cast<std::size_t>(n));
      octets_en_main = {source.lu, source.lu + n};
      return true;
    }
    if (n == 0) return false;
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      // A descriptor left non-blocking: no input yet is not its end.
      pollfd attente{source.descripteur, POLLIN, 0};
      ::poll(&attente, 1, -1);
      continue;
    }
    source.erreur = errno;
    return false;
  }
}

void repart(int descripteur, const char* octets, std::size_t n) {
  source.descripteur = descripteur;
  source.memoire = reinterpret_cast<const unsigned char*>(octets);
  source.epuisee = false;
  source.erreur = 0;
  octets_en_main = {source.memoire, source.memoire == nullptr ? nullptr : source.memoire + n};
}

}  // namespace

TamponJeton tampon_jeton;
OctetsEnMain octets_en_main;
void (*temoin_source)(const unsigned char* octets, std::size_t n) = nullptr;

void source_depuis_descripteur(int descripteur) { repart(descripteur, nullptr, 0); }

void source_depuis_memoire(const char* octets, std::size_t n) { repart(-1, octets, n); }

void reinitialise_source() {
  tampon_jeton = TamponJeton{};
  source_depuis_descripteur(0);
}

int source_erreur_de_lecture() { return source.erreur; }

bool source_est_un_terminal() { return source.memoire == nullptr && ::isatty(source.descripteur) == 1; }

// Bytes in memory are all at hand from the start; a descriptor is read again.
int octet_source_suivant() {
  if (!source.epuisee && source.memoire == nullptr && relit_descripteur()) return *octets_en_main.debut++;
  source.epuisee = true;
  return fin_de_fichier;
}

int remplit_tampon_suivant() {
  TamponJeton& t = tampon_jeton;
  const int octet = octet_source();
  if (octet == fin_de_fichier) return 1;
  if (t.rempli >= capacite_tampon_jeton) erreur_fatalef("yylex: %s\n", "Token buffer overflow");
  t.octets[t.rempli++] = static_cast<unsigned char>(octet);
  return 0;
}

const char* texte_jeton() {
  TamponJeton& t = tampon_jeton;
  if (t.octetSauve < 0) {
    t.octetSauve = t.octets[t.longueur];
    t.octets[t.longueur] = 0;
  }
  return reinterpret_cast<const char*>(t.octets);
}

void rend_caractere_au_milieu(int octet) {
  TamponJeton& t = tampon_jeton;
  if (t.rempli >= capacite_tampon_jeton) erreur_fatalef("yylex: %s\n", "Push-back buffer overflow");
  std::memmove(t.octets + t.longueur + 1, t.octets + t.longueur, static_cast<std::size_t>(t.rempli - t.longueur));
  t.octets[t.longueur] = static_cast<unsigned char>(octet);
  t.rempli += 1;
}
