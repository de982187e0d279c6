#include "meter/echelles.h"

#include "diagnostics/message.h"
#include "diagnostics/signale.h"
#include "io/fatal.h"
#include "io/latin1.h"
#include "state/etat.h"

namespace {

// Each threshold is the integer half of the sum of the two entries around it,
// so that an exact midpoint rounds down.
template <std::size_t N>
constexpr bool seuils_aux_milieux(const std::array<int32_t, N>& échelle,
                                  const std::array<int32_t, N - 1>& seuils) {
  for (std::size_t i = 0; i + 1 < N; ++i)
    if (seuils[i] != (échelle[i] + échelle[i + 1]) / 2) return false;
  return true;
}
static_assert(seuils_aux_milieux(dénominateurs, seuils_dénominateurs));
static_assert(seuils_aux_milieux(dénominateurs_renversés, seuils_renversés));

constexpr bool croissante(Echelle échelle) {
  for (std::size_t i = 0; i + 1 < échelle.size(); ++i)
    if (échelle[i] >= échelle[i + 1]) return false;
  return true;
}
static_assert(croissante(dénominateurs_renversés));

}  // namespace

int32_t position_dans(int32_t v, Echelle échelle) {
  for (std::size_t i = 0; i < échelle.size(); ++i)
    if (échelle[i] == v) return static_cast<int32_t>(i);
  return -1;
}

int16_t appartient(int32_t v, Echelle échelle) { return position_dans(v, échelle) >= 0 ? 1 : 0; }

int32_t en(int32_t v) {
  const int32_t i = position_dans(v, dénominateurs_renversés);
  if (i < 0) erreur_fatale("en : erreur de programmation (lecture du tableau ennaire)\n");
  return valeurs_de_temps[static_cast<std::size_t>(i)].ennaire;
}

int32_t échelonne(int32_t v, Echelle échelle, std::span<const int32_t> seuils) {
  if (v < échelle.front() || v > échelle.back())
    erreur_fatale("échelonne : erreur de programmation (valeur en dehors)\n"_l1);
  std::size_t i = 0;
  while (v != échelle[i] && v > échelle[i + 1]) ++i;
  if (v == échelle[i] || v == échelle[i + 1]) return v;
  return v > seuils[i] ? échelle[i + 1] : échelle[i];
}

int32_t dénominateur_suivant(int32_t v, Echelle échelle) {
  const int32_t i = position_dans(v, échelle);
  if (i < 0) erreur_fatale("dénominateur_suivant : erreur de programmation (non trouvé)\n"_l1);
  if (static_cast<std::size_t>(i) + 1 < échelle.size()) return échelle[static_cast<std::size_t>(i) + 1];
  message_compose("aucun dénominateur suivant après %d"_l1, échelle.back());
  signale_erreur(message_texte());
  return échelle.back() + 1;
}

int32_t dénominateur_prédédent(int32_t v, Echelle échelle) {
  const int32_t i = position_dans(v, échelle);
  if (i < 0) erreur_fatale("dénominateur_prédédent : erreur de programmation (non trouvé)\n"_l1);
  if (i > 0) return échelle[static_cast<std::size_t>(i) - 1];
  message_compose("aucun dénominateur précédent avant %d"_l1, échelle.front());
  signale_erreur(message_texte());
  return échelle.front() - 1;
}

namespace {

// Essai's working values, kept from one call of a decomposition to the next.
struct EtatEssai {
  int32_t appelsEssai = 0;          // calls made by the current decomposition
  int32_t positionEssai = 0;        // where the next group is written
  int32_t multiplicateurEssai = 7;  // the current multiplier k, 7 down to 1
  std::array<int32_t, capacite_combinaison> combinaison{};  // the groups, ended by a 0
};

EtatEssai essai;

void ajoute_groupe(int32_t groupe) {
  EtatEssai& m = essai;
  m.combinaison[static_cast<std::size_t>(m.positionEssai++)] = groupe;
}

}  // namespace

int32_t appels_essai() { return essai.appelsEssai; }

void reinitialise_essai() { essai = EtatEssai{}; }

const int32_t* Essai(int32_t n, int16_t début) {
  EtatEssai& m = essai;
  if (début == 1) {
    m.appelsEssai = 0;
    m.positionEssai = 0;
    m.multiplicateurEssai = 7;
  }
  // Also keeps the writes inside combinaison: each call writes at most once.
  if (m.appelsEssai == capacite_combinaison)
    erreur_fatale("Essai : erreur de programmation (limite d'appel récursif)\n"_l1);
  m.appelsEssai += 1;

  const int32_t k = m.multiplicateurEssai;
  if (n == 0) {
    m.combinaison[static_cast<std::size_t>(m.positionEssai)] = 0;
  } else if (n >= 1 && n <= 7) {
    ajoute_groupe(n);
    Essai(0, 0);
  } else if (n >= 7 * k) {
    ajoute_groupe(7 * k);
    Essai(n - 7 * k, 0);
  } else if (k <= 5 && n >= 5 * k) {
    ajoute_groupe(5 * k);
    Essai(n - 5 * k, 0);
  } else if (k <= 3 && n >= 3 * k) {
    ajoute_groupe(3 * k);
    Essai(n - 3 * k, 0);
  } else {
    m.multiplicateurEssai = k - 1;
    Essai(n, 0);
  }
  return m.combinaison.data();
}
