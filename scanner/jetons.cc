// Token requests, the history of piece-ending tokens, and the values read on
// their way to the beat.
#include "scanner/jetons.h"

#include "diagnostics/catalogue.h"
#include "diagnostics/signale.h"
#include "diagnostics/temoin_lecture.h"
#include "measure/mesure.h"
#include "parser/grammaire.h"
#include "scanner/corrections.h"
#include "scanner/position.h"
#include "scanner/regles.h"
#include "state/etat.h"

namespace {

bool termine_une_piece(int jeton) {
  return jeton == '|' || jeton == CHG_MESURE || jeton == DBL_BARRE || jeton == SBARRE_LIURE || jeton == SFIN_MESURE2;
}

}  // namespace

int yylex() {
  EtatScanner& s = etat.scanner;
  applique_etendue();

  // A measure whose beats are all recorded ends by count.
  if (fin_par_compte_due()) {
    s.dernierTerminal = SFIN_MESURE2;
    return SFIN_MESURE2;
  }
  // A bar right after a bar or a meter change ends the whole text.
  if (terminaux_recents(CHG_MESURE, '|') || terminaux_recents('|', '|')) {
    memorise_terminal(DBL_BARRE);
    s.dernierTerminal = DBL_BARRE;
    return DBL_BARRE;
  }
  // After a piece-ending token, the piece ends.
  if (termine_une_piece(s.dernierTerminal)) {
    memorise_terminal(s.dernierTerminal);
    s.dernierTerminal = 0;
    return 0;
  }

  const int jeton = lance_automate();
  if (jeton == '|' || jeton == CHG_MESURE || jeton == DBL_BARRE || jeton == SBARRE_LIURE) {
    s.dernierTerminal = jeton;
    temoigne({.signe = jeton == '|'          ? SigneLu::barre
                       : jeton == DBL_BARRE  ? SigneLu::double_barre
                       : jeton == CHG_MESURE ? SigneLu::changement
                                             : SigneLu::barre_liee});
  }
  return jeton;
}

int fin_entree() {
  signale_non_reconnue();
  etat.diagnostics.codeCourant = err::fichier_début;
  if (etat.scanner.dansGroupe == 0) memorise_terminal('|');
  return 1;
}

void accumule(int32_t valeur) {
  EtatScanner& s = etat.scanner;
  if (s.dansGroupe == 1) {
    s.sommeGroupe += valeur;
    s.elementsGroupe += 1;
    return;
  }
  s.elementsGroupe = 0;
  s.sommeGroupe = 0;
  accu(valeur);
}

void memorise_fin_de_mesure() { memorise_terminal(SFIN_MESURE2); }

int32_t verifie_chiffre_groupe(int32_t n) {
  if (n < 2 || n > 7)
    signale_erreur("chiffre : 2 (duolet), 4 (quartolet), 6 (sextuolet)\n\t3 (triolet), 5 (quintolet), 7 (septolet)");
  return n;
}

// The two most recent piece-ending tokens: pushing a third drops the oldest.
void memorise_terminal(int32_t jeton) {
  HistoriqueTerminaux& h = etat.scanner.historiqueTerminaux;
  h.ancien = h.recent;
  h.recent = jeton;
  if (h.nombre < 2) h.nombre += 1;
}

bool terminaux_recents(int32_t ancien, int32_t recent) {
  const HistoriqueTerminaux& h = etat.scanner.historiqueTerminaux;
  return h.nombre == 2 && h.ancien == ancien && h.recent == recent;
}
