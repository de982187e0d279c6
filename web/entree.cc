// The web page's entry point: one whole analysis in memory per call, through
// the same in-process run as the tests and the fuzzing harness. The words of
// the command line and the input bytes come in; the two streams' bytes, the
// exit status and the analysis as records go out, as JSON: the reports (kind,
// code, place, the bytes of the text each is about, message), the measures
// listed (each beat with its text, value, accent and the bytes it came from),
// the meter's description, whether a double bar of the text ended the
// analysis, the command-line word refused with its usage message, the
// message of an internal failure, and the signs read for the score (each
// value, group, bar, repeat sign, ending and meter change, with the measure
// and beat it was counted in and its bytes, as a table of numbers). The page
// reads these records only, never the streams, which it shows as they are.
//
// Each kind of record has its own recorder below (note_*), fed by a watch
// the checker offers, and its own writer (ecrit_*).
//
// Exported to JavaScript (see CMakeLists.txt); the JavaScript side owns the
// buffers it passes, and reads the results before the next call.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics/catalogue.h"
#include "diagnostics/signale.h"
#include "diagnostics/temoin_lecture.h"
#include "driver/execution.h"
#include "io/flux.h"
#include "io/latin1.h"
#include "io/source.h"
#include "measure/mesure.h"
#include "meter/metre.h"
#include "notation/valeurs.h"
#include "recueil/etendues.h"
#include "scanner/etat_scanner.h"
#include "state/etat.h"

namespace {

// Beyond this many reports only their number is given: a long text of
// prose reports at nearly every character, and the page lists what a person
// can read. The raw stream keeps them all.
constexpr std::size_t rapports_max = 2000;
// Beyond this many signs the score stops (some 20,000 measures): a text of
// prose reads a value at nearly every other letter.
constexpr std::size_t signes_max = 150000;

struct Rapport {
  Nature nature;
  int32_t code;
  Point debut;
  int32_t lignes;
  int32_t largeur;
  int32_t mesure;
  int32_t temps;
  bool au_dela;      // the beat is beyond the meter
  std::string tete;  // where it stands, as the line printed says it
  std::string message;
  std::string jeton;  // the token in hand
};

struct TempsListe {
  std::string texte;
  int32_t valeur;
  bool fort;
  Point debut;  // the text it came from
  Point fin;
};

struct MesureListee {
  int32_t numero;
  std::string metre;    // as written: "4 / 4"
  std::string graphie;  // the beat value's spelling: "!"; empty while no meter is known
  int32_t total;
  std::vector<TempsListe> temps;
  // For the score: the meter as written, in numbers (0 where not known), the
  // beat's value in quads, and how far the total is from the measure's length.
  int32_t numerateur;
  int32_t denominateur;
  int32_t valTps;
  std::string ecart;
};

// A sign read, for the score.
struct Signe {
  Lecture lu;
  int32_t mesure;  // the measure it was counted in
  int32_t temps;   // the beat, from 1
  Point debut;
  int32_t lignes;
  int32_t largeur;
  std::string jeton;  // the token in hand, to find its bytes
};

std::vector<Rapport> rapports;
std::size_t rapports_omis = 0;
std::vector<MesureListee> mesures;
std::vector<Point> fins_des_temps;  // by slot: where the token that ended each beat of the measure stops
Point fin_du_dernier_temps;         // of the last measure listed
std::string description;
std::vector<Signe> signes;
std::size_t signes_omis = 0;
// A value written with too many dots, read again with fewer: where it was
// written, for the value read in its place.
Signe surpointee{};
bool surpointee_lue = false;
Execution derniere;
std::string json;

// Where the stretch in hand ends.
Point fin_de_l_etendue() {
  const Position& p = etat.position;
  if (p.lignesCouvertes > 0) return {p.numeroLigne + p.lignesCouvertes, std::max(1, p.largeurCouverte + 1)};
  return {p.numeroLigne, p.numeroColonne + std::max(0, p.largeurCouverte)};
}

void note_rapport(Nature nature, std::string_view tete, std::string_view message) {
  if (rapports.size() >= rapports_max) {
    ++rapports_omis;
    return;
  }
  const Position& p = etat.position;
  // The head without the colon and blanks that lead to the message.
  while (!tete.empty() && (tete.back() == ' ' || tete.back() == ':')) tete.remove_suffix(1);
  rapports.push_back({nature,
                      etat.diagnostics.codeCourant,
                      {p.numeroLigne, p.numeroColonne},
                      p.lignesCouvertes,
                      p.largeurCouverte,
                      etat.mesure.numeroMesure,
                      etat.mesure.nt + 1,
                      etat.mesure.nt + 1 > etat.metre.nbrTps,
                      std::string(tete),
                      std::string(message),
                      std::string(reinterpret_cast<const char*>(&tampon_jeton.octets[0]),
                                  static_cast<std::size_t>(std::max<int32_t>(0, longueur_jeton())))});
}

void note_temps(int32_t slot) {
  const auto i = static_cast<std::size_t>(slot);
  if (fins_des_temps.size() <= i) fins_des_temps.resize(i + 1);
  fins_des_temps[i] = fin_de_l_etendue();
}

// The gap as a few values, largest first, named as the meter description
// names them: one where a note, dotted or not, says it; otherwise a sum
// ("une noire et une double croche").
std::string ecart_en_mots(int32_t total, int32_t longueur) {
  if (total == longueur) return {};
  static constexpr std::string_view a_la = "à la "_l1;
  int32_t reste = total < longueur ? longueur - total : total - longueur;
  std::string mots;
  for (int n = 0; reste > 0; ++n) {
    const ValeurDeTemps* plus_grande = nullptr;
    for (const ValeurDeTemps& v : valeurs_de_temps)
      if (v.ennaire != 5 && v.quads <= reste) plus_grande = &v;
    reste -= plus_grande->quads;
    std::string_view nom(plus_grande->nom);
    if (nom.starts_with(a_la)) nom.remove_prefix(a_la.size());
    if (n > 0) mots += reste == 0 ? " et " : ", ";
    mots += "une ";
    mots += nom;
  }
  return total < longueur ? "il manque " + mots : mots + " de trop";
}

void note_mesure(int32_t total) {
  const EtatMesure& m = etat.mesure;
  MesureListee mesure{m.numeroMesure - 1, {}, {}, total, {}, 0, 0, etat.metre.valTps, {}};
  char metre[4 * Ecriture::chiffres_entier_max];
  Ecriture e{metre};
  ecrit_metre(e);
  mesure.metre.assign(metre, e.fin);
  if (!metre_inconnu()) {
    const MetreEcrit ecrit = metre_ecrit();
    if (ecrit.numerateurConnu) mesure.numerateur = ecrit.numerateur;
    if (ecrit.denominateurConnu) mesure.denominateur = ecrit.denominateur;
    mesure.ecart = ecart_en_mots(total, etat.metre.nbrTps * etat.metre.valTps);
  }
  if (const char* graphie = graphie_de_valeur(etat.metre.valTps)) mesure.graphie = graphie;
  Point debut = fin_du_dernier_temps;
  for (int32_t i = 0; i < m.nt; ++i) {
    const Temps& t = *m.tabTemps[static_cast<std::size_t>(i)];
    const auto slot = static_cast<std::size_t>(i);
    const Point fin = slot < fins_des_temps.size() ? fins_des_temps[slot] : debut;
    mesure.temps.push_back({t.graphie, t.valeur, temps_fort(i), debut, fin});
    debut = fin;
  }
  fin_du_dernier_temps = debut;
  mesures.push_back(std::move(mesure));
}

void note_description(std::string_view texte) { description = texte; }

void note_signe(const Lecture& lu) {
  const Position& p = etat.position;
  Signe s{lu,
          etat.mesure.numeroMesure,
          etat.mesure.nt + 1,
          {p.numeroLigne, p.numeroColonne},
          p.lignesCouvertes,
          p.largeurCouverte,
          std::string(reinterpret_cast<const char*>(&tampon_jeton.octets[0]),
                      static_cast<std::size_t>(std::max<int32_t>(0, longueur_jeton())))};
  if (lu.signe == SigneLu::changement) {
    s.lu.base = etat.scanner.numerateur;
    s.lu.valeur = etat.scanner.denominateur;
    s.lu.genre = octet_du_jeton(0) == 'C' ? 'C' : 0;  // common time and cut time are drawn as written
  }
  if (lu.signe == SigneLu::surpointee) {
    surpointee = std::move(s);
    surpointee_lue = true;
    return;
  }
  if (lu.signe == SigneLu::valeur && surpointee_lue) {
    s.debut = surpointee.debut;
    s.lignes = surpointee.lignes;
    s.largeur = surpointee.largeur;
    s.jeton = std::move(surpointee.jeton);
  }
  surpointee_lue = false;
  if (signes.size() >= signes_max) {
    ++signes_omis;
    return;
  }
  signes.push_back(std::move(s));
}

// ----- JSON

// A JSON string whose characters are the Latin-1 bytes given: bytes above 127
// are written \u00XX, so the JSON text itself is plain ASCII.
void chaine(std::string_view octets) {
  json += '"';
  for (const char c : octets) {
    const unsigned char o = static_cast<unsigned char>(c);
    if (o == '"' || o == '\\') {
      json += '\\';
      json += c;
    } else if (o < 0x20 || o >= 0x7F) {
      char u[8];
      std::snprintf(u, sizeof u, "\\u%04x", o);
      json += u;
    } else {
      json += c;
    }
  }
  json += '"';
}

void nom(const char* n) {
  json += '"';
  json += n;
  json += "\":";
}

void entier(const char* n, int64_t v) {
  nom(n);
  json += std::to_string(v);
  json += ',';
}

void booleen(const char* n, bool v) {
  nom(n);
  json += v ? "true," : "false,";
}

void champ(const char* n, std::string_view v) {
  nom(n);
  chaine(v);
  json += ',';
}

// Closes an object or array whose last member left a comma.
void ferme(char c) {
  if (json.back() == ',') json.pop_back();
  json += c;
}

void ecrit_rapports(const CarteDuTexte& carte) {
  nom("rapports");
  json += '[';
  std::size_t depuis = 0;
  for (const Rapport& r : rapports) {
    const Octets o = carte.octets_du_rapport(r.debut, r.lignes, r.largeur, r.jeton, depuis);
    depuis = o.debut;
    json += '{';
    champ("nature", nom_de_nature(r.nature));
    entier("code", r.code & 0xFFFF);
    champ("categorie", categorie_erreur(r.code));
    champ("description", description_erreur(r.code));
    champ("position", r.tete);
    entier("ligne", r.debut.ligne);
    entier("colonne", r.debut.colonne);
    entier("mesure", r.mesure);
    entier("temps", r.temps);
    booleen("au_dela", r.au_dela);
    entier("debut", static_cast<int64_t>(o.debut));
    entier("fin", static_cast<int64_t>(o.fin));
    champ("message", r.message);
    ferme('}');
    json += ',';
  }
  ferme(']');
  json += ',';
  entier("rapports_omis", static_cast<int64_t>(rapports_omis));
}

// A beat's bytes: from the end of the one before to the end of the token that
// ended it, without the blanks and bar lines before its first value.
void ecrit_mesures(const CarteDuTexte& carte, std::string_view entree) {
  nom("mesures");
  json += '[';
  std::size_t depuis = 0;
  for (const MesureListee& m : mesures) {
    json += '{';
    entier("numero", m.numero);
    champ("metre", m.metre);
    champ("graphie", m.graphie);
    entier("total", m.total);
    nom("temps");
    json += '[';
    for (const TempsListe& t : m.temps) {
      std::size_t debut = std::min(carte.octet_de_fin(t.debut, depuis), entree.size());
      const std::size_t fin = std::max(debut, std::min(carte.octet_de_fin(t.fin, debut), entree.size()));
      while (debut < fin && (entree[debut] == ' ' || entree[debut] == '\t' || entree[debut] == '\n' ||
                             entree[debut] == '\r' || entree[debut] == '|' || entree[debut] == ':'))
        ++debut;
      depuis = debut;
      json += '[';
      chaine(t.texte);
      json += ',';
      json += std::to_string(t.valeur);
      json += t.fort ? ",true," : ",false,";
      json += std::to_string(debut);
      json += ',';
      json += std::to_string(fin);
      json += "],";
    }
    ferme(']');
    json += ',';
    entier("numerateur", m.numerateur);
    entier("denominateur", m.denominateur);
    entier("valTps", m.valTps);
    champ("ecart", m.ecart);
    ferme('}');
    json += ',';
  }
  ferme(']');
  json += ',';
}

const char* nom_du_signe(SigneLu s) {
  switch (s) {
    case SigneLu::valeur: return "valeur";
    case SigneLu::surpointee: return "surpointee";
    case SigneLu::ouverture: return "ouverture";
    case SigneLu::fermeture: return "fermeture";
    case SigneLu::barre: return "barre";
    case SigneLu::double_barre: return "double_barre";
    case SigneLu::barre_liee: return "barre_liee";
    case SigneLu::debut_reprise: return "debut_reprise";
    case SigneLu::fin_reprise: return "fin_reprise";
    case SigneLu::ordinal: return "ordinal";
    case SigneLu::changement: return "changement";
  }
  return "";  // GCOVR_EXCL_LINE: every sign is named above
}

// The signs are many (some seven a measure): they go out as a table of
// numbers, not as JSON, ten to a sign: [sign, measure, beat, first byte,
// end], then for a value [plain value, dots, rest (0 or 1), value, tied],
// for a closer [written sum, value, kind, tied], for an ending [number], for
// a meter change [numerator, denominator, written C (0 or 1)], the rest 0.
// The JSON names the signs by their number and says how many are left out.
constexpr std::size_t par_signe = 10;
std::vector<int32_t> table_des_signes;

void ecrit_signes(const CarteDuTexte& carte) {
  nom("noms_des_signes");
  json += '[';
  for (int32_t i = 0; i <= static_cast<int32_t>(SigneLu::changement); ++i) {
    chaine(nom_du_signe(static_cast<SigneLu>(i)));
    json += ',';
  }
  ferme(']');
  json += ',';
  entier("par_signe", static_cast<int64_t>(par_signe));
  entier("signes_omis", static_cast<int64_t>(signes_omis));
  table_des_signes.assign(signes.size() * par_signe, 0);
  std::size_t depuis = 0;
  int32_t* t = table_des_signes.data();
  for (const Signe& s : signes) {
    const Octets o = carte.octets_du_rapport(s.debut, s.lignes, s.largeur, s.jeton, depuis);
    depuis = o.debut;
    const Lecture& l = s.lu;
    t[0] = static_cast<int32_t>(l.signe);
    t[1] = s.mesure;
    t[2] = s.temps;
    t[3] = static_cast<int32_t>(o.debut);
    t[4] = static_cast<int32_t>(o.fin);
    switch (l.signe) {
      case SigneLu::valeur:
        t[5] = l.base, t[6] = l.points, t[7] = l.silence ? 1 : 0, t[8] = l.valeur, t[9] = l.lie ? 1 : 0;
        break;
      case SigneLu::fermeture:
        t[5] = l.base, t[6] = l.valeur, t[7] = l.genre, t[8] = l.lie ? 1 : 0;
        break;
      case SigneLu::ordinal:
        t[5] = l.valeur;
        break;
      case SigneLu::changement:
        t[5] = l.base, t[6] = l.valeur, t[7] = l.genre == 'C' ? 1 : 0;
        break;
      default:
        break;
    }
    t += par_signe;
  }
}

void ecrit_json(std::string_view entree) {
  const CarteDuTexte carte(entree);
  json = "{";
  entier("statut", derniere.statut);
  // The analysis ended on a double bar of the text: not on one the scanner
  // supplies when the text runs out, nor in error.
  const int32_t c = derniere.code_final;
  booleen("double_barre", derniere.mot_fautif == MotFautif::aucun && derniere.fatal.empty() &&
                              c != err::fichier_début && c != err::fichier_en_fin && c != err::syntaxe_en_fin &&
                              c != err::groupolet_en_fin);
  champ("fatal", derniere.fatal);
  // The word refused, counted from 0 (the numerator), or -1; and the message.
  entier("mot_refuse", static_cast<int>(derniere.mot_fautif) - 1);
  champ("refus", derniere.refus);
  champ("description", description);
  ecrit_rapports(carte);
  ecrit_mesures(carte, entree);
  ecrit_signes(carte);
  ferme('}');
}

}  // namespace

extern "C" {

// One analysis. mots: nombre_mots words, each ended by a NUL, one after the
// other; entree: taille bytes of input. Returns the exit status.
int rythme_analyse(const char* mots, int nombre_mots, const char* entree, int taille) {
  std::vector<std::string> ligne;
  for (int i = 0; i < nombre_mots; ++i) {
    ligne.emplace_back(mots);
    mots += ligne.back().size() + 1;
  }
  const std::string_view texte(entree, taille > 0 ? static_cast<std::size_t>(taille) : 0);
  rapports.clear();
  rapports_omis = 0;
  mesures.clear();
  fins_des_temps.clear();
  fin_du_dernier_temps = {};
  description.clear();
  signes.clear();
  signes_omis = 0;
  surpointee_lue = false;
  temoin_rapport = note_rapport;
  temoin_lecture = note_signe;
  temoin_temps = note_temps;
  temoin_mesure = note_mesure;
  temoin_description = note_description;
  try {
    derniere = execute_en_memoire(ligne, texte);
  } catch (...) {
    // Anything the run itself does not turn into an exit status ends this
    // analysis only.
    derniere = Execution{};
    derniere.statut = 1;
    derniere.fatal = "l'analyse a été interrompue par une exception inattendue"_l1;
  }
  temoin_rapport = nullptr;
  temoin_lecture = nullptr;
  temoin_temps = nullptr;
  temoin_mesure = nullptr;
  temoin_description = nullptr;
  ecrit_json(texte);
  return derniere.statut;
}

const char* rythme_sortie() { return derniere.sortie.data(); }
int rythme_taille_sortie() { return static_cast<int>(derniere.sortie.size()); }
const char* rythme_erreur() { return derniere.erreur.data(); }
int rythme_taille_erreur() { return static_cast<int>(derniere.erreur.size()); }
// The analysis as records, as JSON (ASCII).
const char* rythme_rapports() { return json.c_str(); }
int rythme_taille_rapports() { return static_cast<int>(json.size()); }
// The table of the signs read, and its number of entries.
const int32_t* rythme_signes() { return table_des_signes.data(); }
int rythme_taille_signes() { return static_cast<int>(table_des_signes.size()); }

}  // extern "C"
