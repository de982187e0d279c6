// The two-line French description of the meter in force.
#include "diagnostics/message.h"
#include "io/fatal.h"
#include "io/flux.h"
#include "io/latin1.h"
#include "meter/metre.h"
#include "notation/valeurs.h"
#include "state/etat.h"

namespace {

const char* nom_de_la_base(int32_t ennaire) {
  switch (ennaire) {
    case 2: return "binaire (ou unaire) ";
    case 3: return "ternaire ";
    case 5: return "quinaire ";
    case 7: return "septennaire ";
    default: erreur_fatale("affiche_indications_mesure : erreur de programmation (ennaire)\n");
  }
}

const char* nom_de_la_valeur(int32_t valTps) {
  const ValeurDeTemps* v = valeur_de_temps(valTps);
  if (v == nullptr) erreur_fatale("affiche_indications_mesure : erreur de programmation (valTps)\n");
  return v->nom;
}

// First line: the kind of meter and the value of its beat.
void compose_nature(const EtatMetre& m) {
  message_compose("Mesure ");
  if (m.composée == 1 && m.ennaire == 2)
    erreur_fatale("affiche_indications_mesure : erreur de programmation (composée et binaire)\n"_l1);
  if (m.composée == 1) message_ajoute("%s", "composée "_l1);
  message_ajoute("%s", nom_de_la_base(m.ennaire));
  if (m.composée == 0 && m.ennaire != 2) message_ajoute("%s", "décomposée "_l1);
  message_ajoute("%s\n", nom_de_la_valeur(m.valTps));
}

// Second line: the beat count and the meter as it is written.
void compose_chiffrage(const EtatMetre& m) {
  if (m.composée == 1)
    message_ajoute("(%d  temps composé) "_l1, m.nbrTps);
  else
    message_ajoute("(nombre de temps) ");
  const MetreEcrit ecrit = metre_ecrit();
  message_ajoute("%d / %d ", ecrit.numerateur, ecrit.denominateur);
  message_ajoute("(équivalant à %d quadruple croches par temps)\n"_l1, m.valTps);
}

}  // namespace

MetreEcrit metre_ecrit() {
  const EtatMetre& m = etat.metre;
  if (m.ennaire == 0) erreur_fatale("affiche_mesure : erreur de programmation (ennaire 0)\n");
  const int32_t facteur = m.composée ? m.ennaire : 1;
  MetreEcrit e{m.nbrTps != nbrTps_sans_metre, m.nbrTps * facteur, !metre_inconnu(), 0};
  if (e.denominateurConnu) {
    const int32_t sous_temps = m.valTps / facteur;
    if (sous_temps == 0) erreur_fatale("affiche_mesure : erreur de programmation (valTps / ennaire)\n");
    e.denominateur = 64 / sous_temps;
  }
  return e;
}

void (*temoin_description)(std::string_view texte) = nullptr;

void affiche_indications_mesure() {
  compose_nature(etat.metre);
  compose_chiffrage(etat.metre);
  sortie_ecrit(message_texte());
  if (temoin_description != nullptr) temoin_description(message_texte());
}
