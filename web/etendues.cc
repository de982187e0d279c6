#include "web/etendues.h"

#include <algorithm>

#include "driver/execution.h"
#include "state/etat.h"
#include "scanner/position.h"
#include "io/source.h"

namespace {

bool blanc(unsigned char octet) {
  return octet == ' ' || octet == '\t' || octet == '\n' || octet == '\v' || octet == '\f' || octet == '\r';
}

bool avant(Point a, Point b) { return a.ligne < b.ligne || (a.ligne == b.ligne && a.colonne < b.colonne); }

}  // namespace

std::vector<Point> points_du_texte(std::string_view texte) {
  reinitialise_etat();
  Position& p = etat.position;
  std::vector<Point> points;
  points.reserve(texte.size() + 1);
  bool apres_barre = false;  // only blanks since the last bar
  for (const char c : texte) {
    const unsigned char octet = static_cast<unsigned char>(c);
    points.push_back({p.numeroLigne, p.numeroColonne});
    fixe_etendue(0, 0);
    switch (octet) {
      case '\b':
        fixe_etendue(0, -1);
        break;
      case '\v': {
        const int32_t lignes = tabv(p.numeroLigne);
        for (int32_t i = 0; i < lignes; ++i) ligne_suivante();
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
  points.push_back({p.numeroLigne, p.numeroColonne});
  reinitialise_etat();
  return points;
}

namespace {

// The boundary at the point: one where the text holds the token, from
// `depuis` then from the start; failing that, the first from `depuis`, then
// from the start. With none at the point, the last boundary before the first
// one past it (the byte that covers it, such as a tab).
std::size_t cherche(const std::vector<Point>& points, std::string_view texte, Point cible, std::string_view jeton,
                    std::size_t depuis) {
  depuis = std::min(depuis, points.size() - 1);
  const auto au_point = [&](std::size_t i) { return points[i] == cible; };
  const auto y_est = [&](std::size_t i) { return au_point(i) && !jeton.empty() && texte.substr(i).starts_with(jeton); };
  const auto premier = [&](const auto& critere) {
    for (std::size_t i = depuis; i < points.size(); ++i)
      if (critere(i)) return i;
    for (std::size_t i = 0; i < depuis; ++i)
      if (critere(i)) return i;
    return points.size();
  };
  if (const std::size_t i = premier(y_est); i < points.size()) return i;
  if (const std::size_t i = premier(au_point); i < points.size()) return i;
  for (std::size_t i = depuis; i < points.size(); ++i)
    if (avant(cible, points[i])) return i == 0 ? 0 : i - 1;
  return points.size() - 1;
}

}  // namespace

Octets octets_du_rapport(const std::vector<Point>& points, std::string_view texte, Point debut, int32_t lignes,
                         int32_t largeur, std::string_view jeton, std::size_t depuis) {
  Octets r;
  r.debut = cherche(points, texte, debut, jeton, depuis);
  r.fin = r.debut;
  Point fin;
  if (lignes > 0) {
    fin = {debut.ligne + lignes, std::max(1, largeur + 1)};
  } else if (largeur >= 1) {
    fin = {debut.ligne, debut.colonne + largeur};
  } else {
    return r;  // a point between characters
  }
  for (std::size_t i = r.debut + 1; i < points.size(); ++i) {
    // The end is reached, or passed inside a byte that covers several columns.
    if (points[i] == fin || avant(fin, points[i])) {
      r.fin = i;
      return r;
    }
    r.fin = i;
  }
  return r;
}
