// Beats: recording them in the current measure, reading a beat's value back
// from its text, ending a full beat, writing out a value in the notation, and
// releasing the measure once it has been listed.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "diagnostics/message.h"
#include "diagnostics/signale.h"
#include "io/fatal.h"
#include "io/latin1.h"
#include "measure/internes.h"
#include "measure/mesure.h"
#include "meter/metre.h"
#include "notation/valeurs.h"
#include "state/etat.h"

namespace {

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

// Puts a record with this text in slot nt and counts it. The text is taken
// over, not copied: texte is left empty, holding the record's old buffer.
void enregistre(std::string& texte) {
  EtatMesure& m = etat.mesure;
  try {
    const auto slot = static_cast<std::size_t>(m.nt);
    if (slot >= m.tabTemps.size()) m.tabTemps.resize(slot + 1);
    auto temps = nouveau_temps();
    temps->graphie.swap(texte);
    texte.clear();
    m.tabTemps[slot] = std::move(temps);
  } catch (const std::bad_alloc&) {
    plus_de_memoire();
  }
  Temps& temps = *m.tabTemps[static_cast<std::size_t>(m.nt)];
  temps.valeur = reinterprete_temps(temps.graphie.c_str());
  ++m.nt;
  if (temoin_temps != nullptr) temoin_temps(m.nt - 1);
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
      courant = quads_pointes(base, 1);
      pointe = true;
    } else {
      courant = quads_pointes(base, 2);
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

void (*temoin_temps)(int32_t slot) = nullptr;

void reinitialise_temps() { std::vector<std::unique_ptr<Temps>>().swap(recycles); }

// Records the text of the beat being read as the next beat of the measure;
// its value is read back from the text, never taken from the accumulator.
void ajoute_temps(int32_t) {
  enregistre(etat.mesure.graphieTps);
}

void ajoute_temps_vide() {
  std::string vide;
  enregistre(vide);
}

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
    if (const int32_t v = quads_de_lettre(c))
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
    if (recycles.size() < slots_ordinaires) {
      temps->graphie.clear();
      if (recycles.capacity() == 0) recycles.reserve(slots_ordinaires);
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
  if (m.tabTemps.size() > slots_ordinaires) {
    m.tabTemps.resize(slots_ordinaires);
    m.tabTemps.shrink_to_fit();
  }
  if (etat.mesure.finMesureAuto == FinParCompte::a_rearmer) arme_fin_par_compte();
}

// Ending a full beat: the beat is recorded, with the empty beats its value
// covers; a beat that runs past the end of the measure is cut to what fits.
namespace {

// A late bar: report the beat as written, then write out what was left of the
// measure in its place, so that the measure adds up.
void recrit_temps_tardif() {
  EtatMesure& m = etat.mesure;
  message_compose("%s", "la barre '|' indiquant une fin de mesure est tardive\n\t"
                        "modifiez la valeur du dernier temps ou changez de mesure.\n\t"_l1);
  message_ajoute("%s", m.graphieTps.c_str());
  message_ajoute("%s", "sérié à ..."_l1);
  signale_erreur(message_texte());
  m.graphieTps.clear();
  const int64_t mesure = int64_t{etat.metre.nbrTps} * etat.metre.valTps;
  ajoute_temps_serie(en_32_bits(mesure - somme_des_temps()));
}

}  // namespace

void ajoute_des_temps() {
  EtatMesure& m = etat.mesure;
  int32_t som = somme_du_temps();
  // No meter yet: the accumulator has only reached its limit. The beat is
  // recorded as written, and nothing is measured against a meter not known.
  if (metre_inconnu()) {
    ajoute_temps(som);
    vide_accumuleur();
    return;
  }
  const int32_t valTps = etat.metre.valTps;
  const int32_t nbrTps = etat.metre.nbrTps;
  // A beat of no value would never be used up.
  if (valTps <= 0) erreur_fatalef("ajoute_des_temps : erreur de programmation (valTps %d)\n", valTps);
  if (som < valTps) erreur_fatale("ajoute_des_temps : erreur de programmation (som < valTps)\n");
  if (som > valTps && (m.graphieTps.empty() || m.graphieTps.back() != '_'))
    signale_erreur("préférez des notes ou silences liés entre les temps,\n\t"
                   "ou changez de mesure (changement de mesure à insérer)."_l1,
                   Nature::conseil);
  if (som > int64_t{nbrTps - m.nt} * valTps)
    recrit_temps_tardif();
  else
    ajoute_temps(som);
  // Whatever is left below a beat carries over into the next one.
  som -= valTps;
  while (som >= valTps) {
    som -= valTps;
    if (m.nt != nbrTps) ajoute_temps_vide();
  }
  garde_reliquat(som);
}

// Writing out a value in the notation and recording it as a beat.
namespace {

// The values a greedy pass takes off, largest first, each at most once a pass.
constexpr int32_t seuils[] = {112, 96, 80, 64, 56, 48, 40, 32, 28, 24, 20, 16, 14, 12, 10, 8};

// Passes that write nothing before the value is taken to be impossible (a
// negative one): a positive value not among the beat values is above 8, so
// every pass over it takes something off, however large it is.
constexpr int32_t passesSteriles = 1000;

// One greedy pass over what is left: true when it took something off.
bool passe_gloutonne(int32_t& reste, std::string& texte) {
  bool pris = false;
  for (const int32_t seuil : seuils) {
    if (reste > seuil) {
      texte += graphie_de_valeur(seuil);
      reste -= seuil;
      pris = true;
    }
  }
  return pris;
}

}  // namespace

// Appends a spelling of n quads and the beat-closing space to the beat being
// read, then records it. Any positive n is written out, beyond the largest
// beat value too (the room left in a wide measure).
void ajoute_temps_serie(int32_t n) {
  std::string& texte = etat.mesure.graphieTps;
  int32_t reste = n;
  int32_t steriles = 0;
  try {
    while (reste != 0) {
      if (const char* graphie = graphie_de_valeur(reste)) {
        texte += graphie;
        reste = 0;
      } else if (!passe_gloutonne(reste, texte) && ++steriles > passesSteriles) {
        erreur_fatalef("ajoute_temps_serie : erreur de programmation (val[Tps] %d)\n", n);
      }
    }
    texte += ' ';
  } catch (const std::bad_alloc&) {
    erreur_fatale("ajoute_temps : il n'y a plus assez de mémoire\n"_l1);
  }
  ajoute_temps(0);
}
