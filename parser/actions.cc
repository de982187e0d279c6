#include "parser/actions.h"

#include "diagnostics/signale.h"
#include "io/latin1.h"
#include "measure/mesure.h"
#include "meter/metre.h"
#include "scanner/jetons.h"
#include "state/etat.h"

// The text has no bound of its own: while no meter is known a beat ends only
// at a space or a bar, and the parser's stack stops a run of values long
// before the text could grow large.
void ajoute_chiffre() {
  etat.mesure.graphieTps += static_cast<char>('0' + etat.scanner.chiffreGroupe);
}

// While no meter is known every space ends a beat as written. Otherwise a
// space ends the beat only when the beat is full; a space that comes early is
// reported and the beat goes on.
// With no meter the beat counts as full only once the opening measure has
// piled up valTps_sans_metre quads; the space ends that beat too, so the flag is cleared,
// or the next value would find the beat still full and stop the run.
void termine_temps_espace() {
  if (metre_inconnu()) {
    efface_plein();
    ajoute_graphie(" ");
    ajoute_temps(0);
  } else if (etat.mesure.plein) {
    efface_plein();
    ajoute_graphie(" ");
    ajoute_des_temps();
  } else {
    signale_erreur("la fin du temps ne correspond pas à l'espace ' ' l'indiquant."_l1);
  }
}

void termine_temps() {
  efface_plein();
  ajoute_des_temps();
}

// After a space that ended a beat, som is left non-zero only by a beat that ran
// past its end; that overflow is recorded as one more beat before the bar.
void ajoute_temps_restant() {
  if (!metre_inconnu() && somme_du_temps() != 0) ajoute_temps(0);
}

// A meter written in the text: no description is printed, and the measures
// that follow are closed by count.
void change_de_mesure() {
  fixe_mesure(etat.scanner.numerateur, etat.scanner.denominateur, 0);
  arme_fin_par_compte();
}

// A measure closed at a bar counts, for the scanner, as an end of measure
// handed out: a bar right after it then ends the text.
void termine_mesure(int32_t total, int lie) {
  const bool a_la_barre = etat.mesure.modeFermeture == 1;
  ferme_mesure(total, lie);
  if (a_la_barre) memorise_fin_de_mesure();
  affiche_mesure(total);
  libere_mesure();
}

void ferme_par_compte() { etat.mesure.modeFermeture = 2; }

// The first bar while no meter is known: the meter is inferred from the
// opening measure, whatever way its last beat ended. (A last beat that ended
// by value, at valTps_sans_metre quads or more, must infer it too: the measure could not
// be compared or listed with no meter.)
void ferme_par_barre() {
  etat.mesure.modeFermeture = 1;
  if (metre_inconnu()) evalue_fixe_mesure_initiale();
}
