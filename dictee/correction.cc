#include "dictee/correction.h"

#include <algorithm>
#include <tuple>

#include "musique/deroule.h"
#include "musique/piece.h"

namespace {

// The sounds of a hearing around stretches of time asked for in time order:
// a sound is passed over for good once everything before it has ended, so
// that grading a long dictation costs its length, not its length squared.
class Fenetre {
 public:
  explicit Fenetre(const Deroule& d) : d_(d) {
    Fraction plus_tard = 0;
    fin_.reserve(d.sons.size());
    for (const Son& s : d.sons) fin_.push_back(plus_tard = std::max(plus_tard, s.debut + s.duree));
  }

  // f(son) for every sound that starts before fin and ends at debut or later
  // (sounds follow one another: each starts where or after the one before
  // ends), in the order they start.
  template <typename F>
  void parcourt(Fraction debut, Fraction fin, F f) {
    if (debut < avant_) premier_ = 0;
    avant_ = debut;
    while (premier_ < fin_.size() && fin_[premier_] < debut) ++premier_;
    for (std::size_t i = premier_; i < d_.sons.size() && d_.sons[i].debut < fin; ++i) f(d_.sons[i]);
  }

 private:
  const Deroule& d_;
  std::vector<Fraction> fin_;  // when the sounds up to each have all ended
  std::size_t premier_ = 0;    // the first sound that may still be heard
  Fraction avant_ = 0;         // the stretch asked for last
};

// What sounds from debut to fin: the sound under debut (a note held into the
// beat, or a rest), then each sound that starts before fin, with its length.
using Evenement = std::tuple<Fraction, Fraction, bool>;  // onset, length, a rest

std::vector<Evenement> entendu(Fenetre& f, Fraction debut, Fraction fin) {
  std::vector<Evenement> e;
  f.parcourt(debut, fin, [&](const Son& s) {
    if (s.debut + s.duree > debut) e.emplace_back(s.debut, s.duree, s.silence);
  });
  return e;
}

// The bytes of the student's elements that sound from debut to fin.
Octets octets_de(const Piece& p, const Deroule& d, Fenetre& f, Fraction debut, Fraction fin) {
  Octets o{0, 0};
  bool trouve = false;
  f.parcourt(debut, fin, [&](const Son& s) {
    for (const Partie& partie : s.parties) {
      const Passage& passage = d.passages[static_cast<std::size_t>(partie.passage)];
      const Element& el = p.mesures[static_cast<std::size_t>(passage.mesure)].elements[static_cast<std::size_t>(partie.element)];
      if (partie.debut < debut || partie.debut >= fin) continue;
      o.debut = trouve ? std::min(o.debut, el.octets.debut) : el.octets.debut;
      o.fin = trouve ? std::max(o.fin, el.octets.fin) : el.octets.fin;
      trouve = true;
    }
  });
  return o;
}

// Its signs, spelled as written: their kinds and values, not their places.
std::vector<std::tuple<int32_t, int32_t, int32_t, bool>> graphie(const Recueil& r) {
  std::vector<std::tuple<int32_t, int32_t, int32_t, bool>> g;
  for (const Signe& s : r.signes) g.emplace_back(static_cast<int32_t>(s.lu.signe), s.lu.base, s.lu.valeur, s.lu.lie);
  return g;
}

}  // namespace

Correction corrige(const Recueil& original, const Recueil& copie) {
  const Piece po = lis_piece(original), pc = lis_piece(copie);
  const Deroule dor = deroule(po, ordre_de_lecture(po)), dc = deroule(pc, ordre_de_lecture(pc));
  Fenetre fo(dor), fc(dc);
  Correction c;
  for (std::size_t i = 0; i < dor.battues.size(); ++i) {
    const Battue& b = dor.battues[i];
    const Fraction fin = i + 1 < dor.battues.size() ? dor.battues[i + 1].debut : dor.fin;
    const Passage& passage = dor.passages[static_cast<std::size_t>(b.passage)];
    TempsCorrige t{po.mesures[static_cast<std::size_t>(passage.mesure)].numero, b.temps, b.debut, false,
                   octets_de(pc, dc, fc, b.debut, fin)};
    t.juste = entendu(fo, b.debut, fin) == entendu(fc, b.debut, fin);
    if (t.juste) ++c.justes;
    else if (c.premier_faux < 0) c.premier_faux = static_cast<int32_t>(c.temps.size());
    c.temps.push_back(t);
  }
  // What the student wrote past the end of the rhythm played is wrong too.
  if (dc.fin > dor.fin && !c.temps.empty()) {
    c.temps.back().juste = false;
    if (c.premier_faux < 0) c.premier_faux = static_cast<int32_t>(c.temps.size()) - 1;
    c.justes = static_cast<int32_t>(std::count_if(c.temps.begin(), c.temps.end(), [](const TempsCorrige& t) { return t.juste; }));
  }
  c.autre_graphie = c.premier_faux < 0 && graphie(original) != graphie(copie);
  return c;
}
