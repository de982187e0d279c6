#include "musique/deroule.h"

#include <cstddef>
#include <utility>

std::vector<Tour> ordre_de_lecture(const Piece& piece) {
  const auto& ms = piece.mesures;
  const int32_t n = static_cast<int32_t>(ms.size());
  std::vector<Tour> ordre;
  std::vector<bool> prise(ms.size(), false);  // the repeat at the end of this measure was taken
  int32_t debut = 0;                          // where a repeat goes back to
  int32_t fois = 1;
  int32_t derniere_prise = -1;                // the last repeat taken
  bool retour = false;                        // just gone back to debut
  // Ninety-nine endings may each take the repeat once: never more than that.
  const std::size_t au_plus = 100 * (ms.size() + 1);
  for (int32_t i = 0; i < n && ordre.size() < au_plus;) {
    const MesureLue& m = ms[static_cast<std::size_t>(i)];
    if (m.debut_reprise && !retour) {
      debut = i;
      fois = 1;
    }
    retour = false;
    if (m.volta.numero != 0 && m.volta.numero != fois) {
      ++i;
      continue;
    }
    // Past the endings of a repeat taken: a new passage starts here.
    if (m.volta.numero == 0 && fois > 1 && i > derniere_prise) {
      debut = i;
      fois = 1;
    }
    ordre.push_back({i, fois});
    if (m.fin_reprise && !prise[static_cast<std::size_t>(i)]) {
      prise[static_cast<std::size_t>(i)] = true;
      derniere_prise = i;
      ++fois;
      i = debut;
      retour = true;
      continue;
    }
    if (m.fin_reprise && m.volta.numero == 0) {
      debut = i + 1;
      fois = 1;
    }
    ++i;
  }
  return ordre;
}

Fraction ecoute(const Piece& piece, const std::vector<Tour>& ordre, Auditeur& auditeur) {
  Fraction t;
  std::size_t sons = 0;          // sounds started
  std::ptrdiff_t tenu = -1;      // the note a tie holds on
  Fraction debut_tenu;           // where it starts
  bool silence_avant = false;    // the last sound started is a rest
  Fraction debut_avant, fin_avant;  // and where it starts and ends
  int32_t passage = 0;
  for (const Tour& tour : ordre) {
    const MesureLue& m = piece.mesures[static_cast<std::size_t>(tour.mesure)];
    auditeur.passage({tour.mesure, tour.fois, t, m.duree});
    for (std::size_t k = 0; k < m.elements.size(); ++k) {
      const Element& e = m.elements[k];
      const Fraction debut = t + e.debut;
      const Fraction fin = debut + e.duree;
      const Partie partie{passage, static_cast<int32_t>(k), debut};
      if (tenu >= 0 && !e.silence) {
        auditeur.prolonge(static_cast<std::size_t>(tenu), fin - debut_tenu, partie);
        if (static_cast<std::size_t>(tenu) + 1 == sons) fin_avant = fin;
      } else if (e.silence && sons > 0 && silence_avant && fin_avant == debut) {
        auditeur.prolonge(sons - 1, fin - debut_avant, partie);
        fin_avant = fin;
      } else {
        auditeur.commence(debut, e.duree, e.silence, partie);
        ++sons;
        silence_avant = e.silence;
        debut_avant = debut;
        fin_avant = fin;
      }
      if (!e.lie || e.silence) {
        tenu = -1;
      } else if (tenu < 0) {
        tenu = static_cast<std::ptrdiff_t>(sons) - 1;
        debut_tenu = debut_avant;
      }
    }
    // The beats the measure lasts, at least one.
    const Metre& metre = piece.metre_de(m);
    const std::size_t forts = metre.forts.size();
    int32_t temps = 0;
    for (Fraction b; temps == 0 || b < m.duree; b += Fraction(metre.valTps)) {
      const Accent accent = temps == 0 ? Accent::premier
                            : forts > 0 && metre.forts[static_cast<std::size_t>(temps) % forts] ? Accent::fort
                                                                                                 : Accent::faible;
      auditeur.battue({t + b, passage, ++temps, accent});
    }
    t += m.duree;
    ++passage;
  }
  return t;
}

namespace {

// Keeps all it hears.
class Recueilli final : public Auditeur {
 public:
  Deroule d;

  void passage(const Passage& p) override { d.passages.push_back(p); }
  void commence(Fraction debut, Fraction duree, bool silence, const Partie& partie) override {
    d.sons.push_back({debut, duree, silence, {partie}});
  }
  void prolonge(std::size_t son, Fraction duree, const Partie& partie) override {
    d.sons[son].duree = duree;
    d.sons[son].parties.push_back(partie);
  }
  void battue(const Battue& b) override { d.battues.push_back(b); }
};

}  // namespace

Deroule deroule(const Piece& piece, const std::vector<Tour>& ordre) {
  Recueilli r;
  r.d.fin = ecoute(piece, ordre, r);
  return std::move(r.d);
}
