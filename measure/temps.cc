// Recording the beats of the current measure, reading a beat's value back from
// its text, and releasing the measure once it has been listed.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "diagnostics/fatal.h"
#include "diagnostics/latin1.h"
#include "driver/etat.h"
#include "measure/internes.h"
#include "measure/mesure.h"
#include "scanner/jetons.h"

namespace {

// Slots the beat table keeps between measures; a wider measure grows it and
// gives the extra slots back when it is released.
constexpr std::size_t slotsOrdinaires = 99;

// Records given back with their measure, kept for the next measures so that a
// long text does not allocate a record and its text for every beat; never
// more than a usual measure holds.
std::vector<std::unique_ptr<Temps>> recycles;

std::unique_ptr<Temps> nouveau_temps() {
  if (recycles.empty()) return std::make_unique<Temps>();
  std::unique_ptr<Temps> temps = std::move(recycles.back());
  recycles.pop_back();
  return temps;
}

[[noreturn]] void plus_de_memoire() {
  erreur_fatale("ajoute_temps : il n'y a plus assez de mémoire\n"_l1);
}

// Puts a record with this text in slot nt and counts it.
void enregistre(const std::string& texte) {
  EtatMesure& m = etat.mesure;
  try {
    const auto slot = static_cast<std::size_t>(m.nt);
    if (slot >= m.tabTemps.size()) m.tabTemps.resize(slot + 1);
    auto temps = nouveau_temps();
    temps->graphie.reserve(texte.size() + 1);  // room for the bar appended at the close
    temps->graphie = texte;
    m.tabTemps[slot] = std::move(temps);
  } catch (const std::bad_alloc&) {
    plus_de_memoire();
  }
  Temps& temps = *m.tabTemps[static_cast<std::size_t>(m.nt)];
  temps.valeur = reinterprete_temps(temps.graphie.c_str());
  ++m.nt;
}

// The value of a single character of a beat text, 0 for anything else.
int32_t valeur_caractere(char c) {
  switch (c) {
    case 'o': case '-': return 64;
    case 'd': case '=': return 32;
    case '!': case '<': return 16;
    case '[': case '>': return 8;
    case 'f': case 'k': return 4;
    case 't': case 'x': return 2;
    case 'q': case 'w': return 1;
    default: return 0;
  }
}

[[noreturn]] void fin_de_temps_inattendue(const char* reste) {
  erreur_fatalef("reinterprete_temps : erreur de programmation, temps se terminant\n\tpar \"%s\"\n", reste);
}

// Reading a beat text back, one character at a time.
struct LectureTemps {
  int64_t total = 0;        // what is complete outside groups
  int64_t courant = 0;      // the element being read
  int64_t base = 0;         // its undotted value
  bool pointe = false;      // it has been dotted once
  bool dansGroupe = false;  // inside a group
  int64_t sommeGroupe = 0;  // complete elements of the group
  int32_t elements = 0;     // elements since the last '('

  // A value character: the element before it is complete.
  void valeur(int32_t v) {
    pointe = false;
    (dansGroupe ? sommeGroupe : total) += courant;
    courant = v;
    ++elements;
  }
  // A dot; a third one changes nothing.
  void point() {
    if (!pointe) {
      base = courant;
      courant += courant / 2;
      pointe = true;
    } else {
      courant = base + base / 2 + base / 4;
    }
  }
  void ouvre_groupe() {
    pointe = false;
    total += courant;
    courant = sommeGroupe = elements = 0;
    dansGroupe = true;
  }
  // The group becomes one element, of the kind its count of elements gives.
  void ferme_groupe() {
    sommeGroupe += courant;
    dansGroupe = false;
    courant = groupe(elements);
  }
  int32_t groupe(int32_t sorte) const { return valeur_groupe(en_32_bits(sommeGroupe), sorte); }
};

}  // namespace

// Records the text of the beat being read as the next beat of the measure;
// its value is read back from the text, never taken from the accumulator.
void ajoute_temps(int32_t) {
  enregistre(etat.mesure.graphieTps);
  etat.mesure.graphieTps.clear();
}

void ajoute_temps_vide() { enregistre(std::string()); }

// The value of a beat text: values, dots, ties and groups, up to the closing
// space, which must be its last character.
int32_t reinterprete_temps(const char* texte) {
  LectureTemps l;
  for (const char* p = texte; *p != '\0'; ++p) {
    const char c = *p;
    if (c == ' ') {
      if (p[1] != '\0') fin_de_temps_inattendue(p);
      break;
    }
    if (const int32_t v = valeur_caractere(c))
      l.valeur(v);
    else if (c == '.')
      l.point();
    else if (c == '(')
      l.ouvre_groupe();
    else if (c == ')')
      l.ferme_groupe();
    else if (c >= '2' && c <= '7')
      l.courant = l.groupe(c - '0');  // an explicit kind replaces the count
    else if (c != '_')               // a tie adds nothing
      fin_de_temps_inattendue(p);
  }
  return en_32_bits(l.total + l.courant);
}

int64_t somme_des_temps() {
  int64_t somme = 0;
  for (int32_t i = 0; i < etat.mesure.nt; ++i) somme += etat.mesure.tabTemps[static_cast<std::size_t>(i)]->valeur;
  return somme;
}

void libere_temps_depuis(int32_t debut) {
  auto& table = etat.mesure.tabTemps;
  for (int32_t i = std::max(debut, 0); i < etat.mesure.nt; ++i) {
    std::unique_ptr<Temps>& temps = table[static_cast<std::size_t>(i)];
    if (temps == nullptr) continue;
    if (recycles.size() < slotsOrdinaires) {
      temps->graphie.clear();
      if (recycles.capacity() == 0) recycles.reserve(slotsOrdinaires);
      recycles.push_back(std::move(temps));
    } else {
      temps.reset();
    }
  }
}

// Frees the beats of the measure just listed; a table grown past its usual
// size for a wide measure gives the extra slots back.
void libere_mesure() {
  EtatMesure& m = etat.mesure;
  libere_temps_depuis(0);
  m.nt = 0;
  if (m.tabTemps.size() > slotsOrdinaires) {
    m.tabTemps.resize(slotsOrdinaires);
    m.tabTemps.shrink_to_fit();
  }
  if (etat.analyseur.finMesureAuto == 1) etat.analyseur.finMesureAuto = 2;
}
