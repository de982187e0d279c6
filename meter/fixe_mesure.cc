// A meter written as numerator / denominator, on the command line or in the
// text, becomes the meter in force; every adjustment is announced.
#include "diagnostics/message.h"
#include "diagnostics/signale.h"
#include "io/fatal.h"
#include "io/latin1.h"
#include "meter/echelles.h"
#include "meter/metre.h"
#include "state/etat.h"

namespace {

// A denominator off the powers of two is rounded to a near one; one above
// the ladder (65 to 99, as two digits allow) to its top, the nearest.
int32_t dénominateur_admis(int32_t d) {
  if (appartient(d, dénominateurs)) return d;
  signale_erreur(
      "La valeur par temps n'est pas dans 1, 2, 4, 8, 16, 32, 64.\n"
      "\tÉchelonnement du dénominateur proche de l'une de ces valeurs."_l1,
      Nature::correction);
  if (d > dénominateurs.back() && d <= nbrTps_max) return dénominateurs.back();
  return échelonne(d, dénominateurs, seuils_dénominateurs);
}

// The base of the numerator, sevens first; 0 when it has none.
int32_t base_du_numérateur(int32_t n) {
  if (n % 7 == 0) return 7;
  if (n % 5 == 0) return 5;
  if (n % 3 == 0) return 3;
  if (n % 2 == 0 || n == 1) return 2;
  return 0;
}

// Largest compound beat of a base: the largest value of its tree.
int32_t valeur_composée_max(int32_t ennaire) {
  switch (ennaire) {
    case 3: return 96;
    case 5: return 160;
    default: return 112;
  }
}

// A numerator with no base: suggest accent groups, then drop one beat.
void signale_remplacement(int32_t n) {
  message_compose("%s",
                  "Mesure à numérateur, ni binaire (ou unaire), ni ternaire,\n"
                  "\tni quinaire, ni septennaire.\n"
                  "\tIl vous est propre d'expliciter une notation pour l'accentuation des temps \n"
                  "\t(F)orts, temps (f)aibles, (temps moyens), à travers un accolement de mesures, \n"
                  "\tavec par exemple, la combinaison "_l1);
  const int32_t* groupes = Essai(n, 1);
  for (int32_t i = 0; i < capacite_combinaison && groupes[i] != 0; ++i)
    message_ajoute(i == 0 ? "%d" : ", suivi de %d", groupes[i]);
  message_ajoute(".\n");
  message_ajoute("%s", "\tUn numérateur moins un temps est choisi, comme remplaçant."_l1);
  signale_erreur(message_texte(), Nature::correction);
}

void signale_décomposition_inutile() {
  signale_erreur(
      "Au regard du dénominateur : 1, 2, 4, 8, 16, 32, 64, \n"
      "\t\t(( qui représente un arbre binaire de valeurs ))\n"
      "\tles mesures unaires ou binaires ne sont pas composées.\n"
      "\tPar conséquent, il est inutile de demander leur décomposition."_l1,
      Nature::conseil);
}

// A compound beat beyond the largest value of its tree: try a larger denominator.
int32_t dénominateur_sous_le_maximum(int32_t d, int32_t ennaire) {
  const int32_t maximum = valeur_composée_max(ennaire);
  while ((64 / d) * ennaire > maximum) {
    message_compose("Valeur par temps supérieure à la %s\n\tEssai d'un dénominateur supérieur."_l1,
                    ennaire == 3   ? "ronde pointée."_l1
                    : ennaire == 5 ? "ronde pointée, ronde."_l1
                                   : "ronde doublement pointée."_l1);
    signale_erreur(message_texte(), Nature::correction);
    d = dénominateur_suivant(d, dénominateurs);
  }
  return d;
}

}  // namespace

void fixe_mesure(int32_t n, int32_t d, int16_t demande) {
  if (n < 1 || n > nbrTps_max) erreur_fatale("fixe_mesure : erreur de programmation, nombre de temps non entre 1..99\n");
  EtatMetre& m = etat.metre;
  m.composée = 0;
  d = dénominateur_admis(d);

  int32_t ennaire = base_du_numérateur(n);
  while (ennaire == 0) {
    signale_remplacement(n);
    n -= 1;
    ennaire = base_du_numérateur(n);
  }

  m.ennaire = ennaire;
  if (ennaire == 2 || demande != 0) {
    if (ennaire == 2 && demande != 0) signale_décomposition_inutile();
    m.nbrTps = n;
    m.valTps = 64 / d;
  } else {
    m.nbrTps = n / ennaire;
    m.composée = 1;
    d = dénominateur_sous_le_maximum(d, ennaire);
    m.valTps = (64 / d) * ennaire;
  }
}
