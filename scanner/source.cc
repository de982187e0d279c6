// The input layer: where the bytes come from, and the token buffer that the
// matcher and the actions read them through.
#include "scanner/source.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "diagnostics/fatal.h"
#include "diagnostics/flux.h"
#include "driver/etat.h"

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

TamponJeton tampon_jeton;

void source_depuis_descripteur(int descripteur) { repart(descripteur, nullptr, 0); }

void source_depuis_memoire(const char* octets, std::size_t n) { repart(-1, octets, n); }

void reinitialise_source() {
  tampon_jeton = TamponJeton{};
  source_depuis_descripteur(0);
}

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

namespace {

// Puts back the byte that the token's terminating zero replaced.
void restaure_octet_sauve() {
  TamponJeton& t = tampon_jeton;
  if (t.octetSauve < 0) return;
  t.octets[t.longueur] = static_cast<unsigned char>(t.octetSauve);
  t.octetSauve = -1;
}

}  // namespace

void debut_jeton() {
  restaure_octet_sauve();
  TamponJeton& t = tampon_jeton;
  t.rempli -= t.longueur;
  if (t.rempli > 0) std::memmove(t.octets, t.octets + t.longueur, static_cast<std::size_t>(t.rempli));
  t.longueur = 0;
  t.marqueur = 0;
  t.marqueurContexte = 0;
}

int remplit_tampon() {
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

// A byte read ahead or pushed back is taken from the buffer; past them the
// byte comes straight from the source and is consumed at once, so an action
// may read on (a numerator's blanks and zeros) without filling the buffer.
int lit_caractere() {
  restaure_octet_sauve();
  TamponJeton& t = tampon_jeton;
  if (t.longueur < t.rempli) return t.octets[t.longueur++];
  return octet_source();
}

void rend_caractere(int octet) {
  restaure_octet_sauve();
  TamponJeton& t = tampon_jeton;
  if (t.rempli >= capacite_tampon_jeton) erreur_fatalef("yylex: %s\n", "Push-back buffer overflow");
  if (t.rempli > t.longueur)
    std::memmove(t.octets + t.longueur + 1, t.octets + t.longueur, static_cast<std::size_t>(t.rempli - t.longueur));
  t.octets[t.longueur] = static_cast<unsigned char>(octet);
  t.rempli += 1;
}
