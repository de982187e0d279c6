#include "export/musicxml.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <memory>
#include <numeric>
#include <string_view>
#include <vector>

namespace {

// Editors take divisions this large; a piece that would need more (tuplets
// of many kinds at once) is written in these, each instant rounded.
constexpr int64_t divisions_au_plus = 100800;  // 2^6 x 3^2 x 5^2 x 7: the usual tuplets stay exact

// The page's colours: a fault, and advice.
constexpr const char* couleur_faute = "#B03226";
constexpr const char* couleur_conseil = "#2F5D8A";

const char* couleur_de(Nature nature) { return nature == Nature::conseil ? couleur_conseil : couleur_faute; }

// A note value's name, from its plain value in quads (empty for none).
std::string_view type_de(int32_t base) {
  switch (base) {
    case 64: return "whole";
    case 32: return "half";
    case 16: return "quarter";
    case 8: return "eighth";
    case 4: return "16th";
    case 2: return "32nd";
    case 1: return "64th";
    default: return {};
  }
}

// The beams a value carries: an eighth one, a sixteenth two...
int crochets(int32_t base) {
  int n = 0;
  for (int32_t b = 8; b >= 1 && base <= b; b /= 2) ++n;
  return n;
}

// The text as it is made, in blocks handed on as each one fills: a long
// score is never held whole, and each piece of it is copied once.
class Bloc {
 public:
  explicit Bloc(const std::function<void(std::string_view)>& vers) : octets_(new char[taille]), vers_(vers) {}

  // Constant text, its length known where it is written: a few moves.
  template <std::size_t N>
  void operator+=(const char (&texte)[N]) {
    if (taille - n_ < N - 1) return ajoute(texte, N - 1);
    std::memcpy(&octets_[n_], texte, N - 1);
    n_ += N - 1;
  }
  void operator+=(std::string_view texte) { ajoute(texte.data(), texte.size()); }
  void operator+=(char c) {
    if (n_ == taille) livre();
    octets_[n_++] = c;
  }
  void nombre(int64_t n) {
    if (taille - n_ < 20) livre();
    n_ = static_cast<std::size_t>(std::to_chars(&octets_[n_], &octets_[taille], n).ptr - &octets_[0]);
  }
  void livre() {
    if (n_ > 0) vers_(std::string_view(&octets_[0], n_));
    n_ = 0;
  }

 private:
  static constexpr std::size_t taille = std::size_t{1} << 16;

  // What fits in the block, which is handed on, and the rest in the next.
  void ajoute(const char* texte, std::size_t n) {
    while (taille - n_ < n) {
      const std::size_t place = taille - n_;
      std::memcpy(&octets_[n_], texte, place);
      n_ = taille;
      livre();
      texte += place;
      n -= place;
    }
    std::memcpy(&octets_[n_], texte, n);
    n_ += n;
  }

  std::unique_ptr<char[]> octets_;  // on the heap: the web page's stack is small
  std::size_t n_ = 0;
  const std::function<void(std::string_view)>& vers_;
};

class Ecrivain {
 public:
  Ecrivain(const Piece& piece, const Recueil& recueil, int tempo, const std::function<void(std::string_view)>& vers)
      : piece_(piece), recueil_(recueil), tempo_(tempo), divisions_(divisions_de(piece)), x_(vers) {}

  void ecrit() {
    entete();
    for (std::size_t i = 0; i < piece_.mesures.size(); ++i) mesure(i);
    // A score has a measure at least: a text with no value, an empty one.
    if (piece_.mesures.empty()) {
      x_ += "<measure number=\"1\">\n";
      attributs(true, false, Metre{});
      tempo();
      x_ += "</measure>\n";
    }
    x_ += "</part>\n</score-partwise>\n";
    x_.livre();
  }

 private:
  // Text from the records (Latin-1) as XML character data in UTF-8.
  void texte(std::string_view s) {
    for (const char c : s) {
      const auto o = static_cast<unsigned char>(c);
      switch (c) {
        case '&': x_ += "&amp;"; break;
        case '<': x_ += "&lt;"; break;
        case '>': x_ += "&gt;"; break;
        case '"': x_ += "&quot;"; break;
        default:
          if (o < 0x20) {
            x_ += ' ';
          } else if (o < 0x80) {
            x_ += c;
          } else {
            x_ += static_cast<char>(0xC0 | (o >> 6));
            x_ += static_cast<char>(0x80 | (o & 0x3F));
          }
      }
    }
  }
  void entete() {
    x_ +=
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 3.1 Partwise//EN\" "
        "\"http://www.musicxml.org/dtds/partwise.dtd\">\n"
        "<score-partwise version=\"3.1\">\n"
        "<identification><encoding><software>rythme</software></encoding></identification>\n"
        "<part-list><score-part id=\"P1\"><part-name>Rythme</part-name>"
        "<score-instrument id=\"P1-I1\"><instrument-name>Caisse claire</instrument-name></score-instrument>"
        "<midi-instrument id=\"P1-I1\"><midi-channel>10</midi-channel><midi-unpitched>39</midi-unpitched>"
        "</midi-instrument></score-part></part-list>\n"
        "<part id=\"P1\">\n";
  }

  // A tie ends on the next element written after a tied note, when it is a
  // note: the element after element k of measure i, or none.
  const Element* suivant(std::size_t i, std::size_t k) const {
    const auto& ms = piece_.mesures;
    if (k + 1 < ms[i].elements.size()) return &ms[i].elements[k + 1];
    for (std::size_t j = i + 1; j < ms.size(); ++j)
      if (!ms[j].elements.empty()) return &ms[j].elements[0];
    return nullptr;
  }
  static bool lie(const Element* e) { return e != nullptr && e->lie && !e->silence; }

  // An instant or a length in quads (16 to the quarter note) as divisions,
  // rounded as Fraction::arrondi rounds: for a whole number of quads, the
  // most common by far, by a shift.
  int64_t en_divisions(Fraction quads) const {
    if (quads.den == 1 && quads.num >= 0 && quads.num < Fraction::petit && divisions_ < Fraction::petit)
      return (2 * quads.num * divisions_ + 16) / 32;
    return Fraction(quads.num, quads.den * 16).arrondi(divisions_);
  }

  // The first measure's attributes, and a time signature where one stands.
  void attributs(bool premiere, bool signature, const Metre& m) {
    const bool metre = signature && m.connu();
    if (!premiere && !metre) return;
    x_ += "<attributes>";
    if (premiere) {
      x_ += "<divisions>";
      x_.nombre(divisions_);
      x_ += "</divisions><key><fifths>0</fifths></key>";
    }
    if (metre) {
      x_ += "<time";
      if (m.symbole == 'C') x_ += " symbol=\"common\"";
      if (m.symbole == 'c') x_ += " symbol=\"cut\"";
      x_ += "><beats>";
      x_.nombre(m.numerateur);
      x_ += "</beats><beat-type>";
      x_.nombre(m.denominateur);
      x_ += "</beat-type></time>";
    }
    if (premiere)
      x_ +=
"<clef><sign>percussion</sign></clef><staff-details><staff-lines>1</staff-lines></staff-details>";
    x_ += "</attributes>\n";
  }

  // Words over the staff (the measure's gap) or under it (a report), on
  // lines that "\n" separates.
  void mots(std::string_view texte_lu, const char* couleur, bool dessous = false) {
    x_ += dessous ? "<direction placement=\"below\">" : "<direction placement=\"above\">";
    x_ += "<direction-type><words color=\"";
    x_ += couleur;
    x_ += "\">";
    for (std::size_t debut = 0; debut <= texte_lu.size();) {
      const std::size_t fin = std::min(texte_lu.find('\n', debut), texte_lu.size());
      if (debut > 0) x_ += "&#10;";
      texte(texte_lu.substr(debut, fin - debut));
      debut = fin + 1;
    }
    x_ += "</words></direction-type></direction>\n";
  }

  void tempo() {
    x_ += "<direction placement=\"above\"><direction-type><metronome><beat-unit>quarter</beat-unit><per-minute>";
    x_.nombre(tempo_);
    x_ += "</per-minute></metronome></direction-type><sound tempo=\"";
    x_.nombre(tempo_);
    x_ += "\"/></direction>\n";
  }

  void barre_gauche(const MesureLue& m) {
    if (!m.debut_reprise && !m.volta.commence) return;
    x_ += "<barline location=\"left\">";
    x_ += m.debut_reprise ? "<bar-style>heavy-light</bar-style>" : "<bar-style>regular</bar-style>";
    if (m.volta.commence) {
      x_ += "<ending number=\"";
      x_.nombre(m.volta.numero);
      x_ += "\" type=\"start\">";
      x_.nombre(m.volta.numero);
      x_ += ".</ending>";
    }
    if (m.debut_reprise) x_ += "<repeat direction=\"forward\"/>";
    x_ += "</barline>\n";
  }

  void barre_droite(const MesureLue& m) {
    const char* couleur = nullptr;
    for (const Marque& k : m.marques)
      if (k.barre && (couleur == nullptr || k.nature != Nature::conseil)) couleur = couleur_de(k.nature);
    const bool epaisse = m.fin_reprise || m.barre == Barre::finale;
    if (!epaisse && !m.volta.termine && couleur == nullptr) return;
    x_ += "<barline location=\"right\"><bar-style";
    if (couleur != nullptr) {
      x_ += " color=\"";
      x_ += couleur;
      x_ += '"';
    }
    x_ += epaisse ? ">light-heavy" : ">regular";
    x_ += "</bar-style>";
    if (m.volta.termine) {
      x_ += "<ending number=\"";
      x_.nombre(m.volta.numero);
      x_ += m.volta.fermee ? "\" type=\"stop\"/>" : "\" type=\"discontinue\"/>";
    }
    if (m.fin_reprise) x_ += "<repeat direction=\"backward\"/>";
    x_ += "</barline>\n";
  }

  // Each element's beams, by beat (the compound beat where the meter
  // beams so): runs of flagged notes of one beat and one tuplet.
  struct Poutres {
    int nombre = 0;
    std::array<const char*, 4> niveaux{};  // a sixty-fourth has four beams
  };
  void poutres(const MesureLue& m) {
    const auto& es = m.elements;
    poutres_.assign(es.size(), Poutres{});
    const int64_t longueur = std::max<int32_t>(1, piece_.metre_de(m).poutre());
    const auto battue = [&](const Element& e) { return e.debut.num / (e.debut.den * longueur); };
    for (std::size_t a = 0; a < es.size();) {
      std::size_t b = a;
      if (!es[a].silence && crochets(es[a].base) > 0) {
        const int64_t sa_battue = battue(es[a]);
        while (b + 1 < es.size() && !es[b + 1].silence && crochets(es[b + 1].base) > 0 &&
               battue(es[b + 1]) == sa_battue && es[b + 1].groupe == es[a].groupe)
          ++b;
      }
      if (b > a) {
        for (std::size_t k = a; k <= b; ++k) {
          const int n = crochets(es[k].base);
          Poutres& p = poutres_[k];
          for (int niveau = 1; niveau <= n; ++niveau) {
            const bool avant = k > a && crochets(es[k - 1].base) >= niveau;
            const bool apres = k < b && crochets(es[k + 1].base) >= niveau;
            p.niveaux[static_cast<std::size_t>(p.nombre++)] = avant && apres ? "continue"
                                                              : apres        ? "begin"
                                                              : avant        ? "end"
                                                              : k == a       ? "forward hook"
                                                                             : "backward hook";
          }
        }
      }
      a = b + 1;
    }
  }

  void note(const MesureLue& m, std::size_t i, std::size_t k, const Poutres& poutre, const char* couleur) {
    const Element& e = m.elements[k];
    const int64_t debut = en_divisions(e.debut);
    const int64_t duree = std::max<int64_t>(1, en_divisions(e.debut + e.duree) - debut);
    const bool arrivee = !e.silence && lie(precedent_);
    const Element* apres = suivant(i, k);
    const bool depart = lie(&e) && apres != nullptr && !apres->silence;
    precedent_ = &e;
    const Groupe* g = e.groupe >= 0 ? &m.groupes[static_cast<std::size_t>(e.groupe)] : nullptr;
    if (g != nullptr && (g->dernier < 0 || g->somme <= 0 || g->valeur <= 0 || g->somme == g->valeur)) g = nullptr;
    x_ += "<note";
    if (couleur != nullptr) {
      x_ += " color=\"";
      x_ += couleur;
      x_ += '"';
    }
    // Where the note is drawn: on the staff's one line, which stands where a
    // percussion clef's bottom line does (E4); a B4 would float two ledger lines above it.
    if (e.silence) {
      x_ += "><rest/><duration>";
    } else {
      x_ += "><unpitched><display-step>E</display-step><display-octave>4</display-octave></unpitched><duration>";
    }
    x_.nombre(duree);
    x_ += "</duration>";
    if (arrivee) x_ += "<tie type=\"stop\"/>";
    if (depart) x_ += "<tie type=\"start\"/>";
    if (!e.silence) x_ += "<instrument id=\"P1-I1\"/>";
    if (const std::string_view type = type_de(e.base); !type.empty()) {
      x_ += "<type>";
      x_ += type;
      x_ += "</type>";
    }
    for (int32_t p = 0; p < e.points; ++p) x_ += "<dot/>";
    if (g != nullptr) {
      const int32_t d = std::gcd(g->somme, g->valeur);
      x_ += "<time-modification><actual-notes>";
      x_.nombre(g->somme / d);
      x_ += "</actual-notes><normal-notes>";
      x_.nombre(g->valeur / d);
      x_ += "</normal-notes></time-modification>";
    }
    if (!e.silence) x_ += "<stem>up</stem>";
    for (int n = 0; n < poutre.nombre; ++n) {
      x_ += "<beam number=\"";
      x_.nombre(n + 1);
      x_ += "\">";
      x_ += poutre.niveaux[static_cast<std::size_t>(n)];
      x_ += "</beam>";
    }
    const bool premier = g != nullptr && g->premier == static_cast<int32_t>(k);
    const bool dernier = g != nullptr && g->dernier == static_cast<int32_t>(k);
    if (arrivee || depart || premier || dernier) {
      x_ += "<notations>";
      if (arrivee) x_ += "<tied type=\"stop\"/>";
      if (depart) x_ += "<tied type=\"start\"/>";
      if (premier) {
        const int32_t d = std::gcd(g->somme, g->valeur);
        x_ += "<tuplet type=\"start\" bracket=\"yes\"";
        if (g->genre > 0 && g->genre != g->somme / d) {
          x_ += "><tuplet-actual><tuplet-number>";
          x_.nombre(g->genre);
          x_ += "</tuplet-number></tuplet-actual></tuplet>";
        } else {
          x_ += "/>";
        }
      }
      if (dernier) x_ += "<tuplet type=\"stop\"/>";
      x_ += "</notations>";
    }
    x_ += "</note>\n";
  }

  // A report's words as a score holds them: its lines joined, then cut again
  // between words into lines of a few words, so that words written near a
  // system's end still stand on the page.
  static std::string en_lignes(const std::string& message) {
    constexpr std::size_t largeur = 40;
    std::string lignes;
    std::size_t debut_ligne = 0;
    std::size_t i = 0;
    while (i < message.size()) {
      // The next word, from the blanks and line breaks before it.
      while (i < message.size() && (message[i] == ' ' || message[i] == '\n' || message[i] == '\t')) ++i;
      std::size_t fin = i;
      while (fin < message.size() && message[fin] != ' ' && message[fin] != '\n' && message[fin] != '\t') ++fin;
      if (fin == i) break;
      if (lignes.size() > debut_ligne) {
        if (lignes.size() - debut_ligne + 1 + (fin - i) > largeur) {
          lignes += '\n';
          debut_ligne = lignes.size();
        } else {
          lignes += ' ';
        }
      }
      lignes.append(message, i, fin - i);
      i = fin;
    }
    return lignes;
  }

  // A report's words under the staff, once a measure however often it is made there.
  void mots_du_rapport(std::size_t rapport, Nature nature) {
    const std::string& message = recueil_.rapports[rapport].message;
    for (const std::string* dit : dits_)
      if (*dit == message) return;
    dits_.push_back(&message);
    mots(en_lignes(message), couleur_de(nature), true);
  }

  void mesure(std::size_t i) {
    const MesureLue& m = piece_.mesures[i];
    x_ += "<measure number=\"";
    x_.nombre(m.numero);
    x_ += "\">\n";
    attributs(i == 0, m.montre_metre, piece_.metre_de(m));
    barre_gauche(m);
    if (i == 0) tempo();
    if (!m.ecart.empty()) mots(m.ecart, couleur_faute);
    // Each report's words stand before the first note it is about, or at
    // the measure's start; its notes take its colour, a fault's over advice.
    couleurs_.assign(m.elements.size(), nullptr);
    for (const Marque& k : m.marques) {
      for (const int32_t e : k.elements) {
        const char*& c = couleurs_[static_cast<std::size_t>(e)];
        if (c == nullptr || k.nature != Nature::conseil) c = couleur_de(k.nature);
      }
      if (k.elements.empty()) {
        mots_du_rapport(k.rapport, k.nature);
      } else {
        avant_.emplace_back(k.elements.front(), &k);
      }
    }
    // By element, each element's in the reports' order.
    std::sort(avant_.begin(), avant_.end());
    poutres(m);
    auto marque = avant_.begin();
    for (std::size_t k = 0; k < m.elements.size(); ++k) {
      for (; marque != avant_.end() && static_cast<std::size_t>(marque->first) == k; ++marque)
        mots_du_rapport(marque->second->rapport, marque->second->nature);
      note(m, i, k, poutres_[k], couleurs_[k]);
    }
    avant_.clear();
    dits_.clear();
    barre_droite(m);
    x_ += "</measure>\n";
  }

  const Piece& piece_;
  const Recueil& recueil_;
  const int tempo_;
  const int64_t divisions_;
  const Element* precedent_ = nullptr;  // the element written before, in the piece
  // The measure's: each element's colour (null for none) and beams.
  std::vector<const char*> couleurs_;
  std::vector<Poutres> poutres_;
  std::vector<std::pair<int32_t, const Marque*>> avant_;  // the reports' words, before their first element
  std::vector<const std::string*> dits_;  // the reports' texts the measure has written
  Bloc x_;
};

}  // namespace

int64_t divisions_de(const Piece& piece) {
  int64_t d = 1;
  for (const MesureLue& m : piece.mesures)
    for (const Element& e : m.elements) {
      // Its onset and its length in quarter notes (16 quads), in lowest terms.
      for (const Fraction& quads : {e.debut, e.duree}) {
        int64_t den;
        if (quads.den == 1) {
          // A whole number of quads: a power of two, 16 at most.
          den = int64_t{16} >> std::min(std::countr_zero(static_cast<uint64_t>(quads.num)), 4);
          if ((d & (den - 1)) == 0) continue;
        } else {
          den = Fraction(quads.num, quads.den * 16).den;
          if (d % den == 0) continue;
        }
        d = std::lcm(d, den);
        if (d > divisions_au_plus) return divisions_au_plus;
      }
    }
  return d;
}

void ecrit_musicxml(const Piece& piece, const Recueil& recueil, int tempo,
                    const std::function<void(std::string_view)>& vers) {
  Ecrivain(piece, recueil, tempo, vers).ecrit();
}

std::string en_musicxml(const Piece& piece, const Recueil& recueil, int tempo) {
  std::string x;
  ecrit_musicxml(piece, recueil, tempo, [&x](std::string_view morceau) { x += morceau; });
  return x;
}
