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
  bool au_debut = true;                    // nothing has been read yet: a byte order mark may come
  int erreur = 0;                          // the system's error of a failed read, which ended the source
};

Source source;

// One read of the descriptor into [ou, ou + n): how many bytes it brought, 0
// at the end of the input, -1 on a read error, which is kept for the run to
// report. The read may wait for a person or a program writing into a pipe:
// what has been analysed so far reaches them first.
ssize_t lit_descripteur(unsigned char* ou, std::size_t n) {
  for (;;) {
    flux_avant_lecture();
    const ssize_t lus = ::read(source.descripteur, ou, n);
    if (lus > 0) {
      if (temoin_source != nullptr) temoin_source(ou, static_cast<std::size_t>(lus));
      return lus;
    }
    if (lus == 0) return 0;
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      // A descriptor left non-blocking: no input yet is not its end.
      pollfd attente{source.descripteur, POLLIN, 0};
      ::poll(&attente, 1, -1);
      continue;
    }
    source.erreur = errno;
    return -1;
  }
}

// Whether the n bytes are the start of a UTF-8 byte order mark, all of it or
// a part that more bytes may complete.
bool debut_de_marque(const unsigned char* octets, std::size_t n) {
  const std::size_t compares = n < marque_d_ordre_utf8.size() ? n : marque_d_ordre_utf8.size();
  return std::memcmp(octets, marque_d_ordre_utf8.data(), compares) == 0;
}

// Refills the read buffer; false at the end of the input or on a read error.
// The first read completes a byte order mark begun (a pipe may cut it) and
// drops it.
bool relit_descripteur() {
  ssize_t n = lit_descripteur(source.lu, taille_lecture);
  if (n <= 0) return false;
  if (source.au_debut) {
    source.au_debut = false;
    while (static_cast<std::size_t>(n) < marque_d_ordre_utf8.size() &&
           debut_de_marque(source.lu, static_cast<std::size_t>(n))) {
      const ssize_t suite = lit_descripteur(source.lu + n, taille_lecture - static_cast<std::size_t>(n));
      if (suite <= 0) {
        source.epuisee = true;  // the bytes at hand are still handed out
        break;
      }
      n += suite;
    }
  }
  octets_en_main = {source.lu, source.lu + n};
  octets_en_main.debut += longueur_marque_d_ordre(source.lu, static_cast<std::size_t>(n));
  return octets_en_main.debut < octets_en_main.fin || relit_descripteur();
}

void repart(int descripteur, const char* octets, std::size_t n) {
  source.descripteur = descripteur;
  source.memoire = reinterpret_cast<const unsigned char*>(octets);
  source.epuisee = false;
  source.erreur = 0;
  source.au_debut = source.memoire == nullptr;
  octets_en_main = {source.memoire, source.memoire == nullptr ? nullptr : source.memoire + n};
  if (source.memoire != nullptr) octets_en_main.debut += longueur_marque_d_ordre(source.memoire, n);
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

std::size_t longueur_marque_d_ordre(const unsigned char* octets, std::size_t n) {
  return n >= marque_d_ordre_utf8.size() && debut_de_marque(octets, n) ? marque_d_ordre_utf8.size() : 0;
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
