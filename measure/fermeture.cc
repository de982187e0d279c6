// Closing a measure: at a bar line, compared with the meter and completed; by
// count, as it stands. The bar is appended to the measure's last beat. And
// the meter of a text that gives none, inferred from its opening measure.
#include <cstdint>

#include "diagnostics/message.h"
#include "diagnostics/signale.h"
#include "io/fatal.h"
#include "io/latin1.h"
#include "measure/internes.h"
#include "measure/mesure.h"
#include "meter/metre.h"
#include "state/etat.h"

namespace {

// Reports the early bar, completed by the case met.
void signale_precoce(const char* cas) {
  message_ajoute("%s", cas);
  signale_erreur(message_texte());
}

// Takes the last recorded beat back into graphieTps, without the space that
// closed it in the opening measure, so that what is written after it stays
// part of the same beat.
void rouvre_dernier_temps() {
  EtatMesure& m = etat.mesure;
  m.graphieTps.clear();
  --m.nt;
  if (m.nt < 0) erreur_fatale("mesureB : erreur de programmation (nt < 0)\n");
  auto& slot = m.tabTemps[static_cast<std::size_t>(m.nt)];
  m.graphieTps = slot->graphie;
  slot.reset();
  if (!m.graphieTps.empty() && m.graphieTps.back() == ' ') m.graphieTps.pop_back();
}

// A bar that leaves no meter known (the opening gave none): nothing can be
// compared or completed, so the measure is closed as it was written.
void ferme_sans_metre() { ajoute_barre(); }

}  // namespace

void ferme_mesure(int32_t total, int lie) {
  EtatMesure& m = etat.mesure;
  const int32_t numero = m.numeroMesure;
  switch (m.modeFermeture) {
    case 1:
      if (metre_inconnu())
        ferme_sans_metre();
      else
        mesureB(total);
      break;
    case 2:
      rearmera_fin_par_compte();
      ajoute_barre();
      break;
    default:
      erreur_fatale("ferme_mesure : erreur de programmation\n");
  }
  m.numeroMesure = numero + 1;
  if (lie == 1) {
    m.mesureLiee = 1;
  } else if (lie == 0 && m.mesureLiee) {
    signale_erreur("préférez l'union de mesures liées à cette mesure,\n\tavec un changement de mesure."_l1, Nature::conseil);
    m.mesureLiee = 0;
  }
}

// A measure ended by a bar line: an early bar is reported, the measure is
// completed to nbrTps full beats, and the bar is appended.
void mesureB(int32_t total) {
  EtatMesure& m = etat.mesure;
  const int32_t valTps = etat.metre.valTps;
  const int64_t enregistre = int64_t{m.nt} * valTps;
  message_compose("%s", "la barre '|' indiquant une fin de mesure est précoce\n\t"
                        "supprimez la barre ou changez de mesure.\n\t"_l1);
  if (total < enregistre) {
    // The last beat is short: its missing part is written out after it.
    signale_precoce("Dernier temps en sous-effectif ...");
    const int32_t ancien = m.nt;
    rouvre_dernier_temps();
    ajoute_temps_serie(en_32_bits(int64_t{ancien} * valTps - total));
  } else if (total > enregistre) {
    // Part of a beat was read but not recorded: it becomes the missing value.
    signale_precoce("Dernier temps avec reliquat ...");
    if (m.nt + 1 > etat.metre.nbrTps) erreur_fatale("mesureB : erreur de programmation (nt > nbrTps)\n");
    m.graphieTps.clear();
    ajoute_temps_serie(en_32_bits(int64_t{m.nt + 1} * valTps - total));
  } else if (m.nt != etat.metre.nbrTps) {
    signale_precoce("Dernier temps complet ...");
  }
  while (m.nt < etat.metre.nbrTps) {
    m.graphieTps.clear();
    ajoute_temps_serie(valTps);
  }
  ajoute_barre();
}

// Appends the bar to the measure's last beat and ends its accumulation.
void ajoute_barre() {
  EtatMesure& m = etat.mesure;
  if (m.nt == 0) erreur_fatale("ajoute_barre : erreur de programmation (ajoute_temps() n'a pas été appelé)\n"_l1);
  m.graphieTps += '|';
  ++m.numeroMesure;
  m.tabTemps[static_cast<std::size_t>(m.nt - 1)]->graphie += m.graphieTps;
  m.graphieTps.clear();
  vide_accumuleur();
}

void arme_fin_par_compte() { etat.mesure.finMesureAuto = FinParCompte::armee; }

void arrete_fin_par_compte() { etat.mesure.finMesureAuto = FinParCompte::arretee; }

void rearmera_fin_par_compte() { etat.mesure.finMesureAuto = FinParCompte::a_rearmer; }

bool fin_par_compte_due() {
  if (etat.mesure.finMesureAuto != FinParCompte::armee || etat.mesure.nt != etat.metre.nbrTps) return false;
  etat.mesure.finMesureAuto = FinParCompte::arretee;
  return true;
}

void mesure_erreur() {
  erreur_fatale("mesure_erreur : erreur de programmation (double jeton symbolique SFIN_MESURE2)\n");
}

// The meter of a text that gives none, inferred from its opening measure.
// An opening that gives none leaves the next bar to try again.
void evalue_fixe_mesure_initiale() {
  EtatMesure& m = etat.mesure;
  if (m.dejaEvaluee) erreur_fatale("evalue_fixe_mesure_initiale : erreur de programmation (une seule fois)\n");
  m.dejaEvaluee = 1;
  if (m.numeroMesure != 1) signale_erreur("Attention, mesure sans indications de mesure", Nature::renseignement);
  if (m.nt == 0) erreur_fatale("evalue_fixe_mesure_initiale : erreur de programmation ( nt = 0 )\n");
  const int64_t somme = somme_des_temps();
  if (!fixe_mesure_initiale(m.nt, en_32_bits(somme), etat.metre.demandeDécomposition)) {
    m.dejaEvaluee = 0;
    return;
  }
  // The opening measure is brought to the meter's count: empty beats are
  // added, or the beats past it are dropped.
  while (m.nt < etat.metre.nbrTps) ajoute_temps_vide();
  libere_temps_depuis(etat.metre.nbrTps);
  m.nt = etat.metre.nbrTps;
  rearmera_fin_par_compte();
}
