// The two-line French description of the meter in force.
#include <array>

#include "diagnostics/fatal.h"
#include "diagnostics/latin1.h"
#include "diagnostics/message.h"
#include "diagnostics/flux.h"
#include "driver/etat.h"
#include "meter/echelles.h"
#include "meter/metre.h"

namespace {

// The name of each of the 24 beat values, in the order of dénominateurs_renversés.
constexpr std::array<const char*, 24> noms_des_valeurs{
    "à la quadruple croche"_l1,
    "à la triple croche"_l1,
    "à la triple croche pointée"_l1,
    "à la double croche"_l1,
    "à la triple croche pointée, triple croche"_l1,
    "à la double croche pointée"_l1,
    "à la double croche doublement pointée"_l1,
    "à la croche"_l1,
    "à la double croche pointée, double croche"_l1,
    "à la croche pointée"_l1,
    "à la croche doublement pointée"_l1,
    "à la noire"_l1,
    "à la croche pointée, croche"_l1,
    "à la noire pointée"_l1,
    "à la noire doublement pointée"_l1,
    "à la blanche"_l1,
    "à la noire pointée, noire"_l1,
    "à la blanche pointée"_l1,
    "à la blanche doublement pointée"_l1,
    "à la ronde"_l1,
    "à la blanche pointée, blanche"_l1,
    "à la ronde pointée"_l1,
    "à la ronde doublement pointée"_l1,
    "à la ronde pointée, ronde"_l1,
};

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
  const int32_t i = position_dans(valTps, dénominateurs_renversés);
  if (i < 0) erreur_fatale("affiche_indications_mesure : erreur de programmation (valTps)\n");
  return noms_des_valeurs[static_cast<std::size_t>(i)];
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
  int32_t numerateur = m.nbrTps;
  int32_t sous_temps = m.valTps;
  if (m.composée == 1) {
    message_ajoute("(%d  temps composé) "_l1, m.nbrTps);
    if (m.valTps / m.ennaire == 0)
      erreur_fatale("affiche_mesure : erreur de programmation (valTps / ennaire)\n");
    numerateur = m.nbrTps * m.ennaire;
    sous_temps = m.valTps / m.ennaire;
  } else {
    message_ajoute("(nombre de temps) ");
  }
  message_ajoute("%d / %d ", numerateur, 64 / sous_temps);
  message_ajoute("(équivalant à %d quadruple croches par temps)\n"_l1, m.valTps);
}

}  // namespace

void affiche_indications_mesure() {
  compose_nature(etat.metre);
  compose_chiffrage(etat.metre);
  sortie_ecrit(message_texte());
}
