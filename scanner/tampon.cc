#include "scanner/tampon.h"

#include <cstring>

#include "diagnostics/fatal.h"
#include "scanner/scanner.h"
#include "scanner/source.h"

namespace {

// Puts back the byte that the token's terminating zero replaced.
void restaure_octet_sauve() {
  TamponJeton& t = etat.scanner.tampon;
  if (t.octetSauve < 0) return;
  t.octets[t.longueur] = static_cast<unsigned char>(t.octetSauve);
  t.octetSauve = -1;
}

}  // namespace

void debut_jeton() {
  restaure_octet_sauve();
  TamponJeton& t = etat.scanner.tampon;
  t.rempli -= t.longueur;
  if (t.rempli > 0) std::memmove(t.octets, t.octets + t.longueur, static_cast<std::size_t>(t.rempli));
  t.longueur = 0;
  t.marqueur = 0;
  t.marqueurContexte = 0;
}

int remplit_tampon() {
  TamponJeton& t = etat.scanner.tampon;
  const int octet = octet_source();
  if (octet == fin_de_fichier) return 1;
  if (t.rempli >= capacite_tampon_jeton) erreur_fatalef("yylex: %s\n", "Token buffer overflow");
  t.octets[t.rempli++] = static_cast<unsigned char>(octet);
  return 0;
}

const char* texte_jeton() {
  TamponJeton& t = etat.scanner.tampon;
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
  TamponJeton& t = etat.scanner.tampon;
  if (t.longueur < t.rempli) return t.octets[t.longueur++];
  return octet_source();
}

void rend_caractere(int octet) {
  restaure_octet_sauve();
  TamponJeton& t = etat.scanner.tampon;
  if (t.rempli >= capacite_tampon_jeton) erreur_fatalef("yylex: %s\n", "Push-back buffer overflow");
  if (t.rempli > t.longueur)
    std::memmove(t.octets + t.longueur + 1, t.octets + t.longueur, static_cast<std::size_t>(t.rempli - t.longueur));
  t.octets[t.longueur] = static_cast<unsigned char>(octet);
  t.rempli += 1;
}
