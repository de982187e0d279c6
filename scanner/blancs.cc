// The white-space states and the tie state: runs of blanks, newlines,
// vertical tabs and form feeds after a beat, a meter change or a bar, and the
// tie after a tied value. None hands out a token.
#include "diagnostics/latin1.h"
#include "diagnostics/signale.h"
#include "driver/etat.h"
#include "scanner/actions.h"
#include "scanner/position.h"
#include "scanner/scanner.h"
#include "scanner/tampon.h"

namespace {

// The bytes that keep a state after a run.
bool garde_l_etat(Demarrage d, int octet) {
  switch (d) {
    case Demarrage::BLANC_TEMPS:
      return octet == ' ' || octet == '\t' || octet == '\n' || octet == '\r';
    case Demarrage::BLANC_INDICATION:
      return octet == ' ' || octet == '\t';
    case Demarrage::BLANC_BARRE:
      return octet == ' ' || octet == '\t' || octet == '\n' || octet == '\v' || octet == '\f';
    case Demarrage::LIURE:
      return octet == '\n' || octet == '_';
    case Demarrage::NORMAL:
    case Demarrage::REPRISE:
      break;
  }
  return false;
}

// One byte of look-ahead after a run: the state stays while the next byte is
// one of its own; the end of the input is reported, and leads back to NORMAL.
void regarde_suivant(const char* message_fin) {
  EtatScanner& s = etat.scanner;
  const int suivant = lit_caractere();
  if (suivant == fin_de_fichier) {
    raz_diagnostic();
    signale_erreur(message_fin);
    s.demarrage = Demarrage::NORMAL;
    return;
  }
  rend_caractere(suivant);
  if (!garde_l_etat(s.demarrage, suivant)) s.demarrage = Demarrage::NORMAL;
}

const char* const fin_apres_nouvelle_ligne = "la fin du fichier est prématurée après une nouvelle ligne."_l1;

}  // namespace

void blancs_apres(const char* message_fin) {
  etendue_du_jeton();
  regarde_suivant(message_fin);
  applique_etendue();
}

// Newlines after a beat: free at the start of a measure; inside a measure
// only one is taken here, the others are read again as misplaced.
void nouvelles_lignes_blanc_temps() {
  const int32_t n = longueur_jeton();
  if (etat.mesure.nt == 0) {
    fixe_etendue(n, 0);
    regarde_suivant(fin_apres_nouvelle_ligne);
    applique_etendue();
    return;
  }
  if (n > 1) {
    for (int32_t i = 1; i < n; ++i) rend_caractere('\n');
    raz_diagnostic();
    signale_erreur("l'interligne est minimal en intra-temps (inscrit en colonne)."_l1);
  }
  nouvelle_ligne();
  etat.scanner.demarrage = Demarrage::NORMAL;
}

// A carriage return after a beat: a bar at the start of a measure, otherwise
// only a return to column 1.
void retour_chariot_blanc_temps() {
  if (etat.mesure.nt == 0) {
    rend_caractere('|');
  } else {
    fixe_etendue(0, 1 - etat.position.numeroColonne);
    applique_etendue();
  }
  etat.scanner.demarrage = Demarrage::NORMAL;
}

void nouvelles_lignes_blanc_barre() {
  fixe_etendue(longueur_jeton(), 0);
  regarde_suivant(fin_apres_nouvelle_ligne);
  applique_etendue();
}

// Vertical tabs move down to the next stops, the column unchanged.
void tabulateurs_verticaux_blanc_barre() {
  const int32_t lignes = lignes_des_tabulateurs_verticaux();
  regarde_suivant("la fin du fichier est prématurée après un tabulateur vertical."_l1);
  for (int32_t i = 0; i < lignes; ++i) ligne_suivante();
}

// Form feeds after a bar start a new page: line 1, column 1.
void sauts_de_page_blanc_barre() {
  regarde_suivant("la fin du fichier est prématurée après un lieur. {nf}"_l1);
  Position& p = etat.position;
  p.numeroLigne += 1 - p.numeroLigne;
  avance_colonne(1 - p.numeroColonne);
  if (p.numeroLigne != 1 || p.numeroColonne != 1) {
    signale_erreur(
        "problème de réinitialisation des numéros de ligne \n\tet de colonne, suite à un lieur ; nouvelle forme."_l1);
    p.numeroLigne = 1;
    p.numeroColonne = 1;
  }
}

void liure_avant_valeur() { avale_jeton(); }

// A tie may run over one line end, and "__" counts as one tie.
void liure_seule() {
  etendue_du_jeton();
  regarde_suivant("la fin du fichier est prématurée après une \n\t(une marque d'insistance) liure, [sous--ligner]."_l1);
  applique_etendue();
}

void nouvelle_ligne_liure() {
  etendue_du_jeton();
  regarde_suivant(fin_apres_nouvelle_ligne);
  applique_etendue();
}

// The tie belongs to a bar or a parenthesis: read again in NORMAL.
void liure_rendue() { rend_caractere('_'); }

// "_|:|" (the second bar maybe on the next line) is read as "_:|".
void liure_devant_barre_reprise(int32_t lignes) {
  rend_texte("_:|");
  if (lignes == 0)
    fixe_etendue(0, 1);
  else
    fixe_etendue(1, -1);
  applique_etendue();
}

void liure_devant_groupe() {
  etendue_du_jeton();
  signale_erreur("attention, un groupe sous-tend un changement de mesure."_l1);
  applique_etendue();
}

void liure_mal_terminee() {
  etendue_du_jeton();
  signale_erreur("liaison mal-terminée."_l1);
  applique_etendue();
}
