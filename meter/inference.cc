// Inference of the meter from the opening measure: from its number of beats
// and its total, find a base, a value per beat and a number of beats whose
// product is the total, announcing every step that departs from the quotient.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "diagnostics/signale.h"
#include "io/fatal.h"
#include "io/flux.h"
#include "io/latin1.h"
#include "meter/echelles.h"
#include "meter/metre.h"
#include "state/etat.h"

namespace {

// The opening being examined.
struct Amorce {
  int32_t n = 0;  // number of beats, corrected along the way
  int32_t T = 0;  // total of the opening, in quads
  int32_t e = 0;  // base found: 2, 3, 5 or 7
  int32_t v = 0;  // value per beat, one of the 24 once chosen
};

// Every step of the inference is told to the user: a note on the meter, not a fault.
void informe(std::string_view message) { signale_erreur(message, Nature::renseignement); }

// Large openings: products are taken in 64 bits.
int64_t produit(int32_t m, int32_t w) { return static_cast<int64_t>(m) * w; }

bool est_valeur(int32_t x) { return appartient(x, dénominateurs_renversés) != 0; }

int32_t valeur_suivante(int32_t w) { return dénominateur_suivant(w, dénominateurs_renversés); }
int32_t valeur_précédente(int32_t w) { return dénominateur_prédédent(w, dénominateurs_renversés); }
bool hors_échelle(int32_t w) {
  return w < dénominateurs_renversés.front() || w > dénominateurs_renversés.back();
}

void signale_réussite() { informe("Nombre de temps approché ; c'est une réussite."_l1); }

void signale_base_probable(int32_t e) {
  switch (e) {
    case 2: informe("\tprobable mesure non-composée et binaire (ou unaire)."_l1); break;
    case 3: informe("\tprobable mesure (composée) ternaire."_l1); break;
    case 5: informe("\tprobable mesure (composée) quinaire."_l1); break;
    default: informe("\tprobable mesure (composée) septennaire."_l1); break;
  }
}

// The quotient is no beat value: look for a base among the divisors of the
// quotient, or of the total, adding beats until one shows.
void cherche_base_par_diviseurs(Amorce& a) {
  informe(
      "Le dénominateur renversé n'est pas dans 64, 32, 16, 8, 4, 2, 1 ; \n"
      "\t96, 48, 24, 12, 6, 3 ; 112, 56, 28, 14, 7 ; 160, 80, 40, 20, 10, 5, \n"
      "\t\t(( qui représentent quatre arbres binaires de valeurs et \n"
      "\t\t   qui décomposent respectivement o ; o. ; o.. ; o. o )).\n"
      "\tespacez chaque temps de l'amorce de mesures, ou bien,\n"
      "\téchelonnez les symboles d'une manière différente sur un des temps.\n"
      "\tRecherche d'une mesure composée ..."_l1);
  for (bool première_fois = true;; première_fois = false) {
    const int32_t x = a.T % a.n == 0 ? a.T / a.n : a.T;
    if (x % 7 == 0 || x % 5 == 0 || x % 3 == 0 || x % 2 == 0) {
      a.e = x % 7 == 0 ? 7 : x % 5 == 0 ? 5 : x % 3 == 0 ? 3 : 2;
      break;
    }
    if (première_fois)
      informe(
          "\tmesure ni septennaire, ni quinaire, ni ternaire, \n"
          "\tni binaire (ou unaire).\n"
          "\tLe nombre de temps est augmenté, pour y pallier."_l1);
    a.n += 1;
    if (a.T > 65535 && a.n == a.T / 2) informe("\tpatience ...");
    if (a.n == a.T) {
      informe(
          "Attention !\n"
          "\tLa mesure est à valeurs de total premier ou, quasi premier,\n"
          "\tet le palliatif n'a pu que, de provoquer sa décomposition totale."_l1);
      a.e = 2;
      break;
    }
  }
  signale_base_probable(a.e);
}

void trouve_base(Amorce& a) {
  if (a.T % a.n == 0 && est_valeur(a.T / a.n))
    a.e = en(a.T / a.n);
  else if (est_valeur(a.T))
    a.e = en(a.T);
  else
    cherche_base_par_diviseurs(a);
}

// Beats too long for any value: double their number until they fit.
void croissance_géométrique(Amorce& a) {
  if (a.T / a.n <= 160) return;
  informe(
      "Sériation impossible de l'amorce de mesures ; \n"
      "\tséparez les temps de l'amorce de mesures par un nombre suffisant d'espaces.\n"
      "\tLe nombre de temps va croître de façon géométrique, avec un quotient à 2."_l1);
  while (a.T / a.n > 160) a.n *= 2;
}

void choisit_valeur(Amorce& a) {
  const int32_t q = a.T / a.n;
  if (!est_valeur(q)) {
    informe(
        "Échelonnement du dénominateur renversé ou valeur par temps\n"
        "\t(nombre de temps que divise le total des valeurs de l'amorce de mesures)"_l1);
    a.v = échelonne(q, dénominateurs_renversés, seuils_renversés);
    return;
  }
  if (a.T % a.n != 0) informe("Le dénominateur renversé ne sera qu'approché ..."_l1);
  a.v = q;
}

// The value is of another base: step down to the nearest value of the base
// found, with twice as many beats.
void cherche_mesure_similaire(Amorce& a) {
  if (en(a.v) == a.e) return;
  informe(
      "Recherche d'indications de mesure similaires, \n"
      "\taprès division par le nombre de temps,\n"
      "\tet après échelonnement du dénominateur renversé."_l1);
  while (en(a.v) != a.e) {
    if (a.v == dénominateurs_renversés.front()) {
      valeur_précédente(a.v);  // announces the bottom of the ladder
      informe(
          "\tbizarre, aucune mesure similaire n'a pu été trouvée.\n"
          "\tPeut-être, faut-il regrouper certains temps de l'amorce de mesures ?\n"
          "\t\tUn réexamen va suivre."_l1);
      a.e = en(a.v);
      return;
    }
    a.v = valeur_précédente(a.v);
    if (en(a.v) == a.e) a.n *= 2;
  }
}

// Candidate counts and values of the correction phases.
struct Candidat {
  int32_t m = 0;  // number of beats
  int32_t w = 0;  // value per beat
};

enum class Diminution { inutile, réussie, échouée };

// Too many beats: for v, then the values of the base above v, then those
// below, lower the count from n until the product is the total.
Diminution diminue(Amorce& a, Candidat& c) {
  c = {a.n, a.v};
  if (produit(a.n, a.v) <= a.T) return Diminution::inutile;
  informe(
      "Diminution progressive du nombre de temps, \n"
      "\tcomme correctif à un accroissement excessif."_l1);
  bool montante = true;
  for (;;) {
    while (produit(c.m, c.w) > a.T) c.m -= 1;
    if (produit(c.m, c.w) == a.T) {
      signale_réussite();
      a.n = c.m;
      a.v = c.w;
      return Diminution::réussie;
    }
    for (;;) {
      c.m = a.n;
      c.w = montante ? valeur_suivante(c.w) : valeur_précédente(c.w);
      if (hors_échelle(c.w)) {
        if (!montante) {
          informe(
              "Échec à la décroissance du nombre de temps, \n"
              "\tet d'une valeur compatible de temps d'amorce de mesures."_l1);
          return Diminution::échouée;
        }
        montante = false;
        c.w = a.v;
        break;
      }
      informe(montante ? "\tvaleur suivante du temps d'amorce de mesures ..."
                              : "\tvaleur précédente du temps d'amorce de mesures ..."_l1);
      if (en(c.w) == a.e) break;
    }
  }
}

// Too few beats: for the candidate, then the values of the base below v,
// raise the count until the product is the total. Only a deficit starts it: a
// single beat rounded up beyond its total (62 quads to 64) stays one beat of
// that value, and the early bar of the opening then says what is wrong.
void augmente(Amorce& a, Candidat c) {
  if (produit(c.m, a.v) >= a.T) return;
  informe(
      "Augmentation progressive du nombre de temps, \n"
      "\tcomme correctif à un déficit de méthode."_l1);
  for (;;) {
    while (produit(c.m, c.w) < a.T) c.m += 1;
    if (produit(c.m, c.w) == a.T) {
      signale_réussite();
      a.n = c.m;
      a.v = c.w;
      return;
    }
    do {
      c.m = a.n;
      c.w = valeur_précédente(c.w);
      informe("\tvaleur précédente du temps d'amorce de mesures ..."_l1);
    } while (en(c.w) != a.e);  // off the ladder, en ends the run
  }
}

// A binary opening whose count has another base is a decomposed meter.
int32_t base_du_nombre_de_temps(int32_t n) {
  int32_t e = 2;
  if (n % 3 == 0) e = 3;
  if (n % 5 == 0) e = 5;
  if (n % 7 == 0) e = 7;
  return e;
}

// The reports come before the meter changes: they are located in the opening.
// A meter of more beats than a measure may hold is not set: the reports of
// the opening then end with the reason, and no meter is known still.
bool fixe_résultat(const Amorce& a, int16_t demande) {
  EtatMetre r;
  if (a.e == 2) {
    const int32_t e = base_du_nombre_de_temps(a.n);
    if (e != 2 && demande != 0)
      erreur_ecrit(
          "Après analyse de l'amorce de mesures,\n"
          "\tla mesure est ternaire, quinaire ou septennaire et se trouve déjà décomposée.\n"_l1);
    if (e == 2 && demande != 0)
      informe(
          "Après analyse de l'amorce de mesures,\n"
          "\tla mesure est binaire (ou unaire) et n'est pas composée.\n"
          "\tPar conséquent, il est inutile de demander sa décomposition."_l1);
    r = {.nbrTps = a.n, .valTps = a.v, .ennaire = e, .composée = 0};
  } else if (demande != 0) {
    // Counted in sub-beats; a count past the bound is held just above it.
    r = {.nbrTps = static_cast<int32_t>(std::min<int64_t>(produit(a.n, a.e), nbrTps_max + 1)),
         .valTps = a.v / a.e,
         .ennaire = a.e,
         .composée = 0};
  } else {
    r = {.nbrTps = a.n, .valTps = a.v, .ennaire = a.e, .composée = 1};
  }
  if (r.nbrTps > nbrTps_max) {
    signale_erreur(
        "amorce de mesures trop longue pour en déduire une mesure (plus de 99 temps) ;\n"
        "\tajoutez des barres de mesure ou donnez la mesure."_l1);
    return false;
  }
  EtatMetre& m = etat.metre;
  m.ennaire = r.ennaire;
  m.composée = r.composée;
  m.nbrTps = r.nbrTps;
  m.valTps = r.valTps;
  return true;
}

}  // namespace

bool fixe_mesure_initiale(int32_t nombreTps, int32_t totalEnQuad, int16_t demande) {
  if (nombreTps < 1) erreur_fatale("fixe_mesure_initiale : erreur de programmation (nombreTps)\n");
  if (totalEnQuad / nombreTps < 1)
    erreur_fatale("fixe_mesure_initiale : erreur de programmation (totalEnQuad < nombre de temps)\n");

  Amorce a{.n = nombreTps, .T = totalEnQuad};
  trouve_base(a);
  croissance_géométrique(a);
  choisit_valeur(a);
  cherche_mesure_similaire(a);
  Candidat c;
  if (diminue(a, c) == Diminution::échouée) {
    informe("Deuxième essai progressif."_l1);
    c = {1, a.v};
  }
  augmente(a, c);
  return fixe_résultat(a, demande);
}
