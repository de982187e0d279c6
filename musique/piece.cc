#include "musique/piece.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

// The signs between two measures (repeat signs, an ending, a meter change)
// belong to the measure that follows them.
struct EnAttente {
  bool reprise = false;
  int32_t ordinal = 0;
  const Signe* changement = nullptr;  // among the records' signs
  const Signe* premier = nullptr;     // the first of them

  void note(const Signe& s) {
    if (premier == nullptr) premier = &s;
  }
};

bool ferme_la_mesure(SigneLu s) {
  return s == SigneLu::barre || s == SigneLu::barre_liee || s == SigneLu::double_barre || s == SigneLu::fin_reprise;
}

// A meter change written before a measure: its numbers and symbol.
struct Changement {
  std::size_t mesure;  // the measure's index
  int32_t numerateur;
  int32_t denominateur;
  char symbole;        // 'C', 'c' or 0, as Metre has it
};

class Lecteur {
 public:
  // signes: all the signs, which lis is given one after the other.
  Lecteur(Piece& piece, const std::vector<Signe>& signes) : piece_(piece), fin_(signes.data() + signes.size()) {}

  std::vector<Changement> changements;  // in the measures' order

  void lis(const Signe& s) {
    switch (s.lu.signe) {
      case SigneLu::valeur:
      case SigneLu::ouverture:
        element(s);
        break;
      case SigneLu::fermeture:
        ferme_groupe(s);
        break;
      case SigneLu::barre:
      case SigneLu::barre_liee:
      case SigneLu::double_barre:
        barre(s);
        break;
      case SigneLu::debut_reprise:
        attente_.reprise = true;
        attente_.note(s);
        break;
      case SigneLu::fin_reprise:
        fin_reprise(s);
        break;
      case SigneLu::ordinal:
        attente_.ordinal = s.lu.valeur;
        attente_.note(s);
        break;
      case SigneLu::changement:
        attente_.changement = &s;
        attente_.note(s);
        break;
      case SigneLu::surpointee:
        break;
    }
  }

 private:
  MesureLue* derniere() { return piece_.mesures.empty() ? nullptr : &piece_.mesures.back(); }
  // The measure being filled, or null after its bar (measures are kept by
  // index: the vector grows).
  MesureLue* courante() { return courante_ < 0 ? nullptr : &piece_.mesures[static_cast<std::size_t>(courante_)]; }

  void nouvelle(const Signe& s) {
    MesureLue m{};
    m.numero = s.mesure;
    m.debut_reprise = attente_.reprise;
    m.volta.numero = attente_.ordinal;
    if (attente_.changement) {
      const Lecture& c = attente_.changement->lu;
      m.changement = attente_.changement->octets;
      const char symbole = c.genre != 'C' ? 0 : c.valeur == 2 ? 'c' : 'C';
      if (m.changement.fin > m.changement.debut || c.valeur > 0)
        changements.push_back({piece_.mesures.size(), c.base, c.valeur, symbole});
    }
    m.octets = {attente_.premier != nullptr ? attente_.premier->octets.debut : s.octets.debut, s.octets.fin};
    // Its elements: the values counted in it from here to its bar.
    std::size_t valeurs = 0;
    for (const Signe* t = &s; t != fin_ && t->mesure == s.mesure && !ferme_la_mesure(t->lu.signe); ++t)
      valeurs += t->lu.signe == SigneLu::valeur;
    m.elements.reserve(valeurs);
    attente_ = {};
    piece_.mesures.push_back(std::move(m));
    courante_ = static_cast<std::ptrdiff_t>(piece_.mesures.size()) - 1;
    groupe_ = -1;
  }

  void element(const Signe& s) {
    if (courante() == nullptr || courante()->numero != s.mesure) {
      // A measure the checker closed by count: no bar was written.
      if (courante() != nullptr && courante()->barre == Barre::aucune) courante()->barre = Barre::ajoutee;
      nouvelle(s);
    }
    MesureLue& m = *courante();
    m.octets.fin = std::max(m.octets.fin, s.octets.fin);
    if (s.lu.signe == SigneLu::ouverture) {
      groupe_ = static_cast<int32_t>(m.groupes.size());
      m.groupes.push_back({static_cast<int32_t>(m.elements.size()), -1, 0, 0, 0, s.octets});
      return;
    }
    m.elements.push_back({s.lu.silence, s.lu.lie, static_cast<int8_t>(s.lu.base), static_cast<int8_t>(s.lu.points),
                          s.lu.valeur, s.temps, groupe_, Fraction(s.lu.valeur), m.duree, s.octets});
    m.duree += Fraction(s.lu.valeur);
  }

  void ferme_groupe(const Signe& s) {
    if (courante() != nullptr && groupe_ >= 0) {
      MesureLue& m = *courante();
      Groupe& g = m.groupes[static_cast<std::size_t>(groupe_)];
      g.dernier = static_cast<int32_t>(m.elements.size()) - 1;
      g.somme = s.lu.base;
      g.valeur = s.lu.valeur;
      g.genre = s.lu.genre;
      g.octets.fin = s.octets.fin;
      m.octets.fin = std::max(m.octets.fin, s.octets.fin);
      // Each element takes its share of the group's value, counted from the
      // group's start so that no rounding adds up.
      if (g.dernier >= g.premier) {
        const Fraction debut = m.elements[static_cast<std::size_t>(g.premier)].debut;
        int64_t ecrit = 0;
        for (int32_t i = g.premier; i <= g.dernier; ++i) {
          Element& e = m.elements[static_cast<std::size_t>(i)];
          e.debut = debut + (g.somme > 0 ? Fraction(ecrit * g.valeur, g.somme) : Fraction());
          ecrit += e.ecrite;
          const Fraction fin = debut + (g.somme > 0 ? Fraction(ecrit * g.valeur, g.somme) : Fraction());
          e.duree = fin - e.debut;
        }
        m.duree = debut + Fraction(g.valeur);
        if (s.lu.lie) m.elements[static_cast<std::size_t>(g.dernier)].lie = true;
      }
    }
    groupe_ = -1;
  }

  void barre(const Signe& s) {
    const bool finale = s.lu.signe == SigneLu::double_barre;
    if (MesureLue* c = courante(); c != nullptr && c->barre == Barre::aucune) {
      c->barre = finale ? Barre::finale : Barre::simple;
      c->octets_barre = s.octets;
      c->octets.fin = std::max(c->octets.fin, s.octets.fin);
    } else if (MesureLue* m = c != nullptr ? c : derniere(); m != nullptr && finale) {
      // A bar after a bar: the first was the measure's, this one ends the text.
      m->barre = Barre::finale;
      m->octets_barre = s.octets;
    } else {
      attente_.note(s);
    }
    courante_ = -1;
    groupe_ = -1;
  }

  void fin_reprise(const Signe& s) {
    if (MesureLue* m = courante() != nullptr ? courante() : derniere()) {
      m->fin_reprise = true;
      if (m->barre == Barre::aucune || m->barre == Barre::ajoutee) {
        m->barre = Barre::simple;
        m->octets_barre = s.octets;
      } else {
        m->octets_barre.fin = std::max(m->octets_barre.fin, s.octets.fin);
      }
      m->octets.fin = std::max(m->octets.fin, s.octets.fin);
    }
    courante_ = -1;
  }

  Piece& piece_;
  const Signe* const fin_;        // past the last sign
  std::ptrdiff_t courante_ = -1;   // the measure being filled, until its bar
  int32_t groupe_ = -1;            // the group open in it
  EnAttente attente_;              // for the next measure
};

// Measures by their numbers: where one number stands several times (each
// analysis of a run counts from 1), the first. Numbers looked for in order
// are found where the one before was, without a search.
class Index {
 public:
  int32_t cherche(int32_t numero) {
    std::size_t i = suivant_;
    if (i >= paires_.size() || paires_[i].first != numero || (i > 0 && paires_[i - 1].first == numero))
      i = static_cast<std::size_t>(
          std::lower_bound(paires_.begin(), paires_.end(), std::pair<int32_t, int32_t>{numero, INT32_MIN}) -
          paires_.begin());
    if (i == paires_.size() || paires_[i].first != numero) return -1;
    suivant_ = i + 1;
    return paires_[i].second;
  }
  std::vector<std::pair<int32_t, int32_t>> paires_;  // number and index, in order

 private:
  std::size_t suivant_ = 0;  // past the last one found
};

template <typename Mesure>
Index index_par_numero(const std::vector<Mesure>& mesures) {
  Index index;
  index.paires_.reserve(mesures.size());
  for (std::size_t i = 0; i < mesures.size(); ++i)
    index.paires_.emplace_back(mesures[i].numero, static_cast<int32_t>(i));
  // Most often in order already.
  if (!std::is_sorted(index.paires_.begin(), index.paires_.end())) std::sort(index.paires_.begin(), index.paires_.end());
  return index;
}

// The meter of each measure, as the checker listed it; a measure it did not
// list (the text ended inside it) keeps the one before. A time signature
// stands where a meter is first known and where the text changes it. Runs
// of measures in one meter share it.
void fixe_les_metres(Piece& piece, const Recueil& recueil, const std::vector<Changement>& changements) {
  Index listees = index_par_numero(recueil.mesures);
  piece.metres.assign(1, Metre{});
  piece.metres[0].forts = {true, false, true, false};
  auto changement = changements.begin();
  Metre lu;  // the meter listed for the measure in hand (its table reused)
  for (std::size_t i = 0; i < piece.mesures.size(); ++i) {
    MesureLue& m = piece.mesures[i];
    // The change written before it, if any.
    const bool change = changement != changements.end() && changement->mesure == i;
    const char symbole = change ? changement->symbole : 0;
    if (change) ++changement;
    const int32_t l = listees.cherche(m.numero);
    bool liste = false;
    if (l >= 0) {
      m.listee = l;
      const MesureListee& info = recueil.mesures[static_cast<std::size_t>(l)];
      m.ecart = info.ecart;
      if (info.denominateur > 0 && !info.temps.empty()) {
        liste = true;
        lu.numerateur = info.numerateur;
        lu.denominateur = info.denominateur;
        lu.valTps = info.valTps;
        lu.nbrTps = static_cast<int32_t>(info.temps.size());
        lu.ennaire = info.ennaire > 0 ? info.ennaire : 2;
        lu.compose = info.compose;
        lu.forts.clear();
        for (const TempsListe& b : info.temps) lu.forts.push_back(b.fort);
      }
    }
    const bool connu = piece.metres.size() > 1;  // a meter was known before it
    const Metre& precedent = piece.metres.back();
    if (!liste && !connu) {
      m.metre = 0;
      continue;
    }
    if (!liste) lu = precedent;
    lu.symbole = change ? symbole : connu ? precedent.symbole : 0;
    const bool autre = !connu || precedent.numerateur != lu.numerateur || precedent.denominateur != lu.denominateur ||
                       precedent.symbole != lu.symbole;
    m.montre_metre = lu.numerateur > 0 && (change || autre);
    if (!connu || !(lu == precedent)) piece.metres.push_back(lu);
    m.metre = static_cast<int32_t>(piece.metres.size()) - 1;
  }
}

// The endings' brackets: an ending runs from its number to the repeat sign
// that closes it, or to the measure before the next ending, repeat sign or
// final bar. An ending with no repeat sign after it (the last one) is left
// open, and lasts as long as the ending before it, one measure if none.
void fixe_les_voltas(Piece& piece) {
  auto& ms = piece.mesures;
  int32_t longueur_precedente = 0;
  for (std::size_t i = 0; i < ms.size(); ++i) {
    if (ms[i].volta.numero == 0) continue;
    const int32_t numero = ms[i].volta.numero;
    std::size_t fin = i;
    bool fermee = false;
    for (std::size_t j = i;; ++j) {
      fin = j;
      if (ms[j].fin_reprise) {
        fermee = true;
        break;
      }
      if (ms[j].barre == Barre::finale || j + 1 == ms.size()) break;
      if (ms[j + 1].volta.numero != 0 || ms[j + 1].debut_reprise) break;
    }
    if (!fermee) {
      const std::size_t longueur = static_cast<std::size_t>(std::max(1, longueur_precedente));
      fin = std::min(fin, i + longueur - 1);
    }
    for (std::size_t j = i; j <= fin; ++j) ms[j].volta = {numero, j == i, j == fin, fermee && j == fin};
    longueur_precedente = fermee ? static_cast<int32_t>(fin - i + 1) : 0;
    i = fin;
  }
}

bool couvre(const Octets& r, const Octets& o) {
  if (o.fin <= o.debut && o.debut == 0) return false;
  if (r.debut == r.fin) return o.debut <= r.debut && r.debut < o.fin;
  return o.debut < r.fin && r.debut < o.fin;
}

// The measures whose characters reach past each byte: the first measure at or
// after o is found by a binary search on how far each measure reaches.
std::vector<std::size_t> portees(const Piece& piece) {
  std::vector<std::size_t> jusqua;
  std::size_t loin = 0;
  for (const MesureLue& m : piece.mesures) {
    loin = std::max({loin, m.octets.fin, m.octets_barre.fin});
    jusqua.push_back(loin);
  }
  return jusqua;
}

std::size_t premiere_vers(const std::vector<std::size_t>& jusqua, std::size_t o) {
  return static_cast<std::size_t>(std::lower_bound(jusqua.begin(), jusqua.end(), o) - jusqua.begin());
}

void marque_les_rapports(Piece& piece, const Recueil& recueil) {
  if (recueil.rapports.empty()) return;
  Index par_numero = index_par_numero(piece.mesures);
  const std::vector<std::size_t> jusqua = portees(piece);
  for (std::size_t r = 0; r < recueil.rapports.size(); ++r) {
    const Rapport& rapport = recueil.rapports[r];
    if (!sur_les_signes(rapport.nature)) continue;
    const Octets& o = rapport.octets;
    bool place = false;
    for (std::size_t j = premiere_vers(jusqua, o.debut); j < piece.mesures.size() && !place; ++j) {
      MesureLue& m = piece.mesures[j];
      if (m.octets.debut > std::max(o.fin, o.debut)) break;
      Marque k{r, {}, false, rapport.nature};
      for (std::size_t e = 0; e < m.elements.size(); ++e)
        if (couvre(o, m.elements[e].octets)) k.elements.push_back(static_cast<int32_t>(e));
      k.barre = m.octets_barre.fin > m.octets_barre.debut && couvre(o, m.octets_barre);
      if (!k.elements.empty() || k.barre) {
        m.marques.push_back(std::move(k));
        place = true;
      }
    }
    if (place) continue;
    const int32_t m = par_numero.cherche(rapport.mesure);
    if (m < 0) continue;
    MesureLue& mesure = piece.mesures[static_cast<std::size_t>(m)];
    Marque k{r, {}, false, rapport.nature};
    for (std::size_t e = 0; e < mesure.elements.size(); ++e)
      if (mesure.elements[e].temps == rapport.temps) k.elements.push_back(static_cast<int32_t>(e));
    mesure.marques.push_back(std::move(k));
  }
}

}  // namespace

Piece lis_piece(const Recueil& recueil) {
  Piece piece;
  piece.mesures.reserve(recueil.mesures.size() + 1);
  Lecteur lecteur(piece, recueil.signes);
  for (const Signe& s : recueil.signes) lecteur.lis(s);
  piece.incomplete = recueil.signes_omis > 0;
  fixe_les_metres(piece, recueil, lecteur.changements);
  fixe_les_voltas(piece);
  marque_les_rapports(piece, recueil);
  return piece;
}

Lieu lieu_a(const Piece& piece, std::size_t o) {
  const std::vector<std::size_t> jusqua = portees(piece);
  for (std::size_t i = premiere_vers(jusqua, o + 1); i < piece.mesures.size(); ++i) {
    const MesureLue& m = piece.mesures[i];
    if (m.octets.debut > o) break;
    for (std::size_t k = 0; k < m.elements.size(); ++k) {
      const Octets& e = m.elements[k].octets;
      if (e.debut <= o && o < e.fin) return {static_cast<int32_t>(i), static_cast<int32_t>(k), false};
    }
    if (m.octets_barre.debut <= o && o < m.octets_barre.fin) return {static_cast<int32_t>(i), -1, true};
  }
  return {};
}
