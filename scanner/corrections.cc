#include "scanner/corrections.h"

#include <cstring>

#include "diagnostics/catalogue.h"
#include "diagnostics/signale.h"
#include "io/latin1.h"
#include "io/source.h"
#include "scanner/actions.h"
#include "scanner/position.h"
#include "state/etat.h"

// Malformed notation: reported, then skipped or read again rewritten. The
// rewritten text ends where the written text ended.
namespace {

void signale_sous(int32_t code, const char* message) {
  etat.diagnostics.codeCourant = code;
  signale_erreur(message);
}

}  // namespace

// The text is read again without its tie, shifted right by the byte dropped.
// Where it keeps a line end, the column after that line end is shifted too.
void retire_liure(int32_t code, const char* message) {
  etendue_du_jeton();
  signale_sous(code, message);
  int32_t rendus = 0;
  for (int32_t i = longueur_jeton(); i > 0; --i) {
    const unsigned char octet = octet_du_jeton(i - 1);
    if (octet == '_') continue;
    if (octet == '\n') etat.position.decalageColonne = 1;
    rend_caractere(octet);
    rendus += 1;
  }
  fixe_etendue(0, 0);
  avance_colonne(longueur_jeton() - rendus);
}

void rejete(int32_t code, const char* message) {
  etendue_du_jeton();
  signale_sous(code, message);
  applique_etendue();
}

void recule_colonne() {
  fixe_etendue(0, -1);
  applique_etendue();
}

void nouvelles_lignes_mal_placees() {
  signale_sous(err::nouvelle_ligne_à_faire_suivre, "nouvelle ligne mal-placée."_l1);
  fixe_etendue(longueur_jeton(), 0);
  applique_etendue();
}

void tabulateurs_verticaux_mal_places() {
  const int64_t lignes = lignes_des_tabulateurs_verticaux();
  signale_sous(err::tabulation_verticale_à_faire_suivre, "tabulateur vertical mal-placé."_l1);
  for (int64_t i = 0; i < lignes; ++i) ligne_suivante();
}

// Two carriage returns: the first becomes a bar, and with the second makes
// the two bars that end the text.
void deux_retours_chariot() {
  raz_diagnostic();
  fixe_etendue(0, 1 - etat.position.numeroColonne);
  signale_erreur(
      "deux retour-chariots vont provoquer une halte ;\n\tLe retour-chariot est considéré, synonyme de barre |"_l1);
  rend_caractere('|');
  applique_etendue();
}

// A carriage return and a newline: a bar at the end of the line, read again
// at the start of the next line, where it leaves the column at 1.
void retour_chariot_nouvelle_ligne() {
  raz_diagnostic();
  rend_caractere('|');
  avance_colonne(1 - etat.position.numeroColonne);
  fixe_etendue(1, -1);
  applique_etendue();
}

void caractere_a_definir() {
  char message[32];
  std::strcpy(message, "' ' caractère à définir."_l1);
  message[1] = static_cast<char>(octet_du_jeton(0));
  etendue_du_jeton();
  signale_sous(err::lexème_à_définir, message);
  applique_etendue();
}

// Unrecognised bytes gather into one run, reported once it is followed by a
// recognised byte (or by a reset, or at the end of the input).
void non_reconnu(bool avant_reconnu) {
  EtatDiagnostics& d = etat.diagnostics;
  if (d.codeCourant == err::non_reconnue) {
    etat.position.largeurCouverte += 1;
  } else {
    d.codeCourant = err::non_reconnue;
    fixe_etendue(0, 1);
  }
  if (avant_reconnu) signale_non_reconnue();
}

// GCOVR_EXCL_START: every state is entered before a byte that its rules take
void relit_le_jeton() {
  restaure_octet_sauve();
  tampon_jeton.longueur = 0;
}
// GCOVR_EXCL_STOP

namespace {
bool signalement_en_cours = false;  // the run is being reported: moving past it must not report it again
}

void reinitialise_corrections() {
  signalement_en_cours = false;
  avant_erreur_de_syntaxe = signale_non_reconnue;
}

void signale_la_trame_non_reconnue() {
  if (signalement_en_cours) return;
  signalement_en_cours = true;
  signale_erreur("trame de caractères (monème, lexème) non-reconnue."_l1);
  Position& p = etat.position;
  const int64_t largeur = p.largeurCouverte;
  p.largeurCouverte = 0;
  // Moving past the run can bring the column to 0, whose warning flushes the
  // run first: the code is still $5000, and without the guard the run would
  // be reported again and again.
  avance_colonne(largeur);
  signalement_en_cours = false;
}
