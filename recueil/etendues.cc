#include "recueil/etendues.h"

#include <algorithm>
#include <array>

#include "io/source.h"
#include "scanner/position.h"
#include "state/etat.h"

namespace {

bool blanc(unsigned char octet) {
  return octet == ' ' || octet == '\t' || octet == '\n' || octet == '\v' || octet == '\f' || octet == '\r';
}

// Checking the token where a position stands several times over is bounded:
// a text that goes back on itself thousands of times keeps its reports
// linear, at the price of taking the first byte from the previous report's.
constexpr int essais_du_jeton = 64;

}  // namespace

CarteDuTexte::CarteDuTexte(std::string_view texte) : texte_(texte) {
  Position& p = etat.position;
  const Position gardee = p;
  p = Position{};
  colonnes_.reserve(texte.size() + 1);
  suites_.reserve(static_cast<std::size_t>(std::count(texte.begin(), texte.end(), '\n')) + 1);  // a line a run, mostly
  // Each byte at its place: its column, and its line in the run it extends or starts.
  const auto place = [this](Ligne ligne, Colonne colonne) {
    const std::size_t i = colonnes_.size();
    if (i == 0 || ligne != suites_.back().ligne || colonne < colonnes_.back())
      suites_.push_back({ligne, i, i + 1});
    else
      suites_.back().fin = i + 1;
    colonnes_.push_back(colonne);
  };
  bool apres_barre = false;  // only blanks since the last bar
  // A byte order mark at the start is skipped: its bytes stand where the text starts.
  const std::size_t marque = longueur_marque_d_ordre(reinterpret_cast<const unsigned char*>(texte.data()), texte.size());
  for (std::size_t i = 0; i < marque; ++i) place(Point{}.ligne, Point{}.colonne);
  for (const char c : texte.substr(marque)) {
    const unsigned char octet = static_cast<unsigned char>(c);
    place(p.numeroLigne, p.numeroColonne);
    fixe_etendue(0, 0);
    switch (octet) {
      case '\b':
        fixe_etendue(0, -1);
        break;
      case '\v': {
        const auto lignes = tabv(p.numeroLigne);
        for (decltype(tabv(0)) i = 0; i < lignes; ++i) ligne_suivante();
        break;
      }
      case '\f':
        if (apres_barre) {
          // After a bar a form feed starts the numbering again.
          p.numeroLigne = 1;
          p.numeroColonne = 1;
          p.deficitColonne = 0;
        } else {
          etend_par(octet);
        }
        break;
      default:
        etend_par(octet);
    }
    // A backward move kept at column 1, then a line break: the scanner warns
    // and settles the column at 1. Settled here beforehand, without the warning.
    if (p.deficitColonne < 0 && p.lignesCouvertes > 0 && p.largeurCouverte == 0) p.deficitColonne = 0;
    applique_etendue();
    if (octet == '|')
      apres_barre = true;
    else if (!blanc(octet))
      apres_barre = false;
  }
  place(p.numeroLigne, p.numeroColonne);
  p = gardee;
  // In order already unless the numbering starts again (a form feed after a bar).
  const auto par_ligne = [](const Suite& a, const Suite& b) { return a.ligne < b.ligne; };
  if (!std::is_sorted(suites_.begin(), suites_.end(), par_ligne)) std::stable_sort(suites_.begin(), suites_.end(), par_ligne);
  // Lines count from 1, and every line up to the last is there, with runs or none.
  const Ligne derniere = suites_.back().ligne;
  premieres_.reserve(static_cast<std::size_t>(derniere) + 2);
  premieres_.push_back(0);  // line 0, which no byte stands on
  for (std::size_t i = 0; i < suites_.size(); ++i)
    while (static_cast<Ligne>(premieres_.size()) <= suites_[i].ligne) premieres_.push_back(i);
  premieres_.push_back(suites_.size());  // past the last line
}

// Before line 1, the first run; past the last line, none (the last entry).
std::size_t CarteDuTexte::premiere_suite(Ligne ligne) const {
  return premieres_[static_cast<std::size_t>(std::clamp<Ligne>(ligne, 0, static_cast<Ligne>(premieres_.size()) - 1))];
}

// Calls visite(suite) for each run of the line, in the order of the bytes.
template <typename Visite>
void CarteDuTexte::sur_la_ligne(Ligne ligne, Visite visite) const {
  const std::size_t fin = premiere_suite(ligne + 1);
  for (std::size_t i = premiere_suite(ligne); i < fin; ++i) visite(suites_[i]);
}

std::size_t CarteDuTexte::premier_passe(Point p, std::size_t depuis, bool au_moins) const {
  std::size_t apres = colonnes_.size();  // the first from depuis
  std::size_t avant = colonnes_.size();  // the first of all
  const auto retiens = [&](std::size_t i) {
    if (i >= depuis) apres = std::min(apres, i);
    avant = std::min(avant, i);
  };
  sur_la_ligne(p.ligne, [&](const Suite& s) {
    const auto debut = colonnes_.begin() + static_cast<std::ptrdiff_t>(s.debut);
    const auto fin = colonnes_.begin() + static_cast<std::ptrdiff_t>(s.fin);
    const auto i = au_moins ? std::lower_bound(debut, fin, p.colonne) : std::upper_bound(debut, fin, p.colonne);
    if (i == fin) return;
    const auto premier = static_cast<std::size_t>(i - colonnes_.begin());
    // Within a run the bytes past p go on to its end: the first from depuis.
    retiens(premier);
    if (premier < depuis && depuis < s.fin) retiens(depuis);
  });
  // The next line that holds any byte.
  const std::size_t suivante = premiere_suite(p.ligne + 1);
  if (suivante < suites_.size()) {
    sur_la_ligne(suites_[suivante].ligne, [&](const Suite& s) {
      retiens(s.debut);
      if (s.debut < depuis && depuis < s.fin) retiens(depuis);
    });
  }
  return apres < colonnes_.size() ? apres : avant;
}

// The boundary at the point: one where the text holds the token, from
// `depuis` then from the start; failing that, the first from `depuis`, then
// from the start. With none at the point, the last boundary before the first
// one past it (the byte that covers it, such as a tab).
std::size_t CarteDuTexte::cherche(Point cible, std::string_view jeton, std::size_t depuis) const {
  depuis = std::min(depuis, colonnes_.size() - 1);
  // The bytes at the point, in order, as many as will be tried: those from
  // `depuis`, and those before it, however many the place holds.
  std::array<std::size_t, essais_du_jeton> des_depuis;
  std::array<std::size_t, 2 * essais_du_jeton> d_avant;
  std::size_t n_depuis = 0, n_avant = 0;
  sur_la_ligne(cible.ligne, [&](const Suite& s) {
    const auto debut = colonnes_.begin() + static_cast<std::ptrdiff_t>(s.debut);
    const auto fin = colonnes_.begin() + static_cast<std::ptrdiff_t>(s.fin);
    const auto [a, b] = std::equal_range(debut, fin, cible.colonne);
    // Bytes [premier, dernier), one after the other.
    const auto premier = static_cast<std::size_t>(a - colonnes_.begin());
    const auto dernier = static_cast<std::size_t>(b - colonnes_.begin());
    for (std::size_t o = premier; o < std::min(dernier, depuis) && n_avant < d_avant.size(); ++o) d_avant[n_avant++] = o;
    for (std::size_t o = std::max(premier, depuis); o < dernier && n_depuis < des_depuis.size(); ++o)
      des_depuis[n_depuis++] = o;
  });
  if (n_depuis + n_avant > 0) {
    const auto y_est = [&](std::size_t i) { return !jeton.empty() && texte_.substr(i).starts_with(jeton); };
    for (std::size_t k = 0; k < n_depuis; ++k)
      if (y_est(des_depuis[k])) return des_depuis[k];
    for (std::size_t k = 0; k < n_avant && k + n_depuis < d_avant.size(); ++k)
      if (y_est(d_avant[k])) return d_avant[k];
    return n_depuis > 0 ? des_depuis[0] : d_avant[0];
  }
  const std::size_t i = premier_passe(cible, depuis, false);
  if (i >= colonnes_.size()) return colonnes_.size() - 1;
  return i == 0 ? 0 : i - 1;
}

std::size_t CarteDuTexte::octet_de_fin(Point p, std::size_t depuis) const {
  const std::size_t i = premier_passe(p, depuis, true);
  return i >= colonnes_.size() || i < depuis ? colonnes_.size() - 1 : i;
}

Octets CarteDuTexte::octets_du_rapport(Point debut, Ligne lignes, Colonne largeur, std::string_view jeton,
                                       std::size_t depuis) const {
  Octets r;
  r.debut = cherche(debut, jeton, depuis);
  r.fin = r.debut;
  Point fin;
  if (lignes > 0) {
    fin = {debut.ligne + lignes, std::max<Colonne>(1, largeur + 1)};
  } else if (largeur >= 1) {
    fin = {debut.ligne, debut.colonne + largeur};
  } else {
    return r;  // a point between characters
  }
  // The end is reached, or passed inside a byte that covers several columns.
  r.fin = std::max(r.debut + 1, octet_de_fin(fin, r.debut + 1));
  r.fin = std::min(r.fin, colonnes_.size() - 1);
  return r;
}
