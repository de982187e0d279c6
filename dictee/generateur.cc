#include "dictee/generateur.h"

#include <algorithm>

#include "driver/execution.h"
#include "recueil/collecte.h"

namespace {

// A small generator of our own (splitmix64), the same everywhere.
class Hasard {
 public:
  explicit Hasard(uint64_t graine) : etat_(graine) {}
  uint64_t suivant() {
    uint64_t z = (etat_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::size_t sous(std::size_t n) { return static_cast<std::size_t>(suivant() % n); }
  bool une_fois_sur(uint64_t n) { return suivant() % n == 0; }

 private:
  uint64_t etat_;
};

// One beat's rhythms, with the level each needs.
struct Cellule {
  const char* texte;
  int32_t niveau;
};

// A quarter-note beat.
const Cellule noire[] = {
    {"!", 1}, {"[[", 1}, {"ffff", 2}, {"[ff", 2}, {"ff[", 2}, {"[.f", 3}, {"f[.", 3},
    {"<", 5}, {">[", 5}, {"[>", 5}, {"kf[", 5}, {"([[[)3", 6},
};
// A half-note beat (2/2).
const Cellule blanche[] = {
    {"d", 1}, {"!!", 1}, {"![[", 1}, {"[[!", 1}, {"[[[[", 1}, {"!ff[", 2}, {"ff[!", 2},
    {"!.[", 3}, {"<!", 5}, {"!<", 5}, {"(!!!)3", 6},
};
// A dotted-quarter beat (6/8, 3/8).
const Cellule noire_pointee[] = {
    {"!.", 1}, {"[[[", 1}, {"![", 1}, {"[!", 1}, {"ff[[", 2}, {"[[ff", 2}, {"[ff[", 2},
    {"[.f[", 3}, {">[[", 5}, {"[>[", 5}, {"!>", 5}, {"([[)", 6},
};

struct Battue {
  const Cellule* cellules;
  std::size_t nombre;
  const char* tenue;  // a note held over the whole beat, tied into it
};

struct Forme {
  MetreDictee metre;
  int32_t temps;          // beats a measure
  Battue battue;
};

template <std::size_t N>
constexpr Battue battue(const Cellule (&c)[N], const char* tenue) {
  return {c, N, tenue};
}

const std::vector<Forme>& formes() {
  static const std::vector<Forme> f = {
      {{"2/4", {"2", "4"}}, 2, battue(noire, "!")},
      {{"3/4", {"3", "4", "1"}}, 3, battue(noire, "!")},
      {{"4/4", {"4", "4"}}, 4, battue(noire, "!")},
      {{"6/8", {"6", "8"}}, 2, battue(noire_pointee, "!.")},
      {{"3/8", {"3", "8"}}, 1, battue(noire_pointee, "!.")},
      {{"2/2", {"2", "2"}}, 2, battue(blanche, "d")},
  };
  return f;
}

bool note_au_debut(const char* c) { return std::string_view("odt![fq").find(c[0]) != std::string_view::npos; }
bool note_a_la_fin(const char* c) {
  const std::string_view s(c);
  if (s.back() == ')' || (s.size() > 1 && s[s.size() - 2] == ')')) return true;  // a tuplet ends on its notes here
  for (auto i = s.rbegin(); i != s.rend(); ++i)
    if (*i != '.') return std::string_view("odt![fq").find(*i) != std::string_view::npos;
  return false;
}

std::string tire(const Forme& forme, int32_t niveau, int32_t mesures, Hasard& h) {
  const Battue& b = forme.battue;
  std::vector<const Cellule*> permises;
  for (std::size_t i = 0; i < b.nombre; ++i)
    if (b.cellules[i].niveau <= niveau) permises.push_back(&b.cellules[i]);
  std::string texte;
  for (int32_t m = 0; m < mesures; ++m) {
    const bool derniere = m + 1 == mesures;
    int32_t liaisons = 0;
    const char* avant = nullptr;
    for (int32_t t = 0; t < forme.temps; ++t) {
      // The last measure ends on its strong first beat, held to the bar.
      const char* c = derniere && t > 0 ? b.tenue : permises[h.sous(permises.size())]->texte;
      if (derniere && t == 0) c = b.tenue;
      if (avant != nullptr) {
        const bool lie = derniere ? true
                         : niveau >= static_cast<int32_t>(Niveau::liaisons) && note_a_la_fin(avant) &&
                               note_au_debut(c) && (niveau >= static_cast<int32_t>(Niveau::contretemps) || liaisons == 0) &&
                               h.une_fois_sur(3);
        if (lie) ++liaisons;
        texte += lie ? "_" : " ";
      }
      texte += c;
      avant = c;
    }
    texte += derniere ? " ||\n" : (m % 4 == 3 ? " |\n" : " | ");
  }
  return texte;
}

}  // namespace

const std::vector<MetreDictee>& metres_de_dictee() {
  static const std::vector<MetreDictee> m = [] {
    std::vector<MetreDictee> v;
    for (const Forme& f : formes()) v.push_back(f.metre);
    return v;
  }();
  return m;
}

bool sans_remarque(const std::string& texte, const std::vector<std::string>& mots) {
  Collecte collecte(texte);
  const Execution e = execute_en_memoire(mots, texte);
  const Recueil r = collecte.termine(e.fin());
  if (!r.verdict.reussite || r.verdict.statut != 0) return false;
  return std::all_of(r.rapports.begin(), r.rapports.end(),
                     [](const Rapport& d) { return d.nature == Nature::renseignement; });
}

Dictee genere_dictee(int32_t niveau, std::size_t metre, int32_t mesures, uint64_t graine) {
  const Forme& forme = formes()[std::min(metre, formes().size() - 1)];
  niveau = std::clamp(niveau, int32_t{1}, niveau_max);
  mesures = std::clamp(mesures, int32_t{2}, int32_t{8});
  Hasard h(graine * 0x100000001B3ull + static_cast<uint64_t>(niveau * 64 + static_cast<int32_t>(metre) * 8 + mesures));
  Dictee d{{}, forme.metre.mots, 0};
  for (;; ++d.tirages) {
    d.texte = tire(forme, niveau, mesures, h);
    // Never offered unchecked; past a hundred refusals, the plainest rhythm.
    if (sans_remarque(d.texte, d.mots)) return d;
    if (d.tirages == 100) niveau = 1;
  }
}
