// The web page's entry point: one whole analysis in memory per call, through
// the same in-process run as the tests and the fuzzing harness, recorded by
// the checker's collector (recueil/). The words of the command line and the
// input bytes come in; the two streams' bytes, the exit status and the
// records go out, the records as JSON: the verdict, the reports (kind, code,
// place, the bytes of the text each is about, message), the measures listed
// (each beat with its text, value, accent and the bytes it came from, as
// tables of numbers), the
// meter's description, whether a double bar of the text ended the analysis,
// the command-line word refused with its usage message, the message of an
// internal failure, and the signs read for the score (each value, group, bar,
// repeat sign, ending and meter change, with the measure and beat it was
// counted in and its bytes, as a table of numbers). The page reads these
// records only, never the streams, which it shows as they are.
//
// Exported to JavaScript (see CMakeLists.txt); the JavaScript side owns the
// buffers it passes, and reads the results before the next call.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "diagnostics/catalogue.h"
#include "diagnostics/temoin_lecture.h"
#include "driver/execution.h"
#include "musique/deroule.h"
#include "musique/piece.h"
#include "recueil/recueil.h"
#include "web/json.h"
#include "web/seance.h"

namespace {

// Beyond this many reports only their number is given: a long text of
// prose reports at nearly every character, and the page lists what a person
// can read. The raw stream keeps them all, and the verdict counts them.
constexpr std::size_t rapports_max = 2000;
// Beyond this many signs the score stops (some 20,000 measures): a text of
// prose reads a value at nearly every other letter.
constexpr std::size_t signes_max = 150000;

Execution derniere;
Recueil recueil;
std::string json;
Json ecrit{json};

void ecrit_rapports() {
  ecrit.nom("rapports");
  json += '[';
  for (const Rapport& r : recueil.rapports) {
    json += '{';
    ecrit.champ("nature", nom_de_nature(r.nature));
    ecrit.entier("code", r.code & 0xFFFF);
    ecrit.champ("categorie", categorie_erreur(r.code));
    ecrit.champ("description", description_erreur(r.code));
    ecrit.champ("position", r.tete);
    ecrit.entier("ligne", r.place.ligne);
    ecrit.entier("colonne", r.place.colonne);
    ecrit.entier("mesure", r.mesure);
    ecrit.entier("temps", r.temps);
    ecrit.booleen("au_dela", r.au_dela);
    ecrit.entier("debut", static_cast<int64_t>(r.octets.debut));
    ecrit.entier("fin", static_cast<int64_t>(r.octets.fin));
    ecrit.champ("message", r.message);
    ecrit.ferme('}');
    json += ',';
  }
  ecrit.ferme(']');
  json += ',';
  ecrit.entier("rapports_omis", static_cast<int64_t>(recueil.rapports_omis));
}

// The measures are many too: they go out as two tables of numbers, with
// their words (meter, beat spelling, what is missing or over, each beat's
// text) once each in a list of words the tables point into. Per measure,
// par_mesure numbers: [number, total, numerator, denominator, beat value,
// base, compound (0 or 1), meter's word, spelling's word, gap's word, first
// beat, beats]; per beat, par_temps: [text's word, value, strong (0 or 1),
// first byte, end].
constexpr std::size_t par_mesure = 12;
constexpr std::size_t par_temps = 5;
std::vector<int32_t> table_des_mesures;
std::vector<int32_t> table_des_temps;

void ecrit_mesures() {
  std::unordered_map<std::string_view, int32_t> numeros;
  std::vector<std::string_view> mots;
  const auto mot = [&](std::string_view m) {
    const auto [p, nouveau] = numeros.try_emplace(m, static_cast<int32_t>(mots.size()));
    if (nouveau) mots.push_back(m);
    return p->second;
  };
  table_des_mesures.clear();
  table_des_mesures.reserve(recueil.mesures.size() * par_mesure);
  table_des_temps.clear();
  for (const MesureListee& m : recueil.mesures) {
    const int32_t premier = static_cast<int32_t>(table_des_temps.size() / par_temps);
    table_des_mesures.insert(table_des_mesures.end(),
                             {m.numero, m.total, m.numerateur, m.denominateur, m.valTps, m.ennaire, m.compose ? 1 : 0,
                              mot(m.metre), mot(m.graphie), mot(m.ecart), premier, static_cast<int32_t>(m.temps.size())});
    for (const TempsListe& t : m.temps)
      table_des_temps.insert(table_des_temps.end(),
                             {mot(t.texte), t.valeur, t.fort ? 1 : 0, static_cast<int32_t>(t.octets.debut),
                              static_cast<int32_t>(t.octets.fin)});
  }
  ecrit.nom("mots_des_mesures");
  json += '[';
  for (const std::string_view m : mots) {
    ecrit.chaine(m);
    json += ',';
  }
  ecrit.ferme(']');
  json += ',';
  ecrit.entier("par_mesure", static_cast<int64_t>(par_mesure));
  ecrit.entier("par_temps", static_cast<int64_t>(par_temps));
}

// The verdict as the checker gives it: ✔ (reussite) or ✖, the exit status,
// the reports by kind (all of them, listed or not), the faulty measures, and
// whether a double bar of the text ended the analysis.
void ecrit_verdict() {
  const Verdict& v = recueil.verdict;
  ecrit.nom("verdict");
  json += '{';
  ecrit.booleen("reussite", v.reussite);
  ecrit.entier("statut", v.statut);
  ecrit.nom("par_nature");
  json += '{';
  for (std::size_t i = 0; i < nombre_de_natures; ++i)
    ecrit.entier(nom_de_nature(static_cast<Nature>(i)), static_cast<int64_t>(v.par_nature[i]));
  ecrit.ferme('}');
  json += ',';
  ecrit.nombres("mesures_fautives", v.mesures_fautives);
  ecrit.booleen("double_barre", v.double_barre);
  ecrit.ferme('}');
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

void ecrit_signes() {
  ecrit.nom("noms_des_signes");
  json += '[';
  for (int32_t i = 0; i <= static_cast<int32_t>(SigneLu::changement); ++i) {
    ecrit.chaine(nom_du_signe(static_cast<SigneLu>(i)));
    json += ',';
  }
  ecrit.ferme(']');
  json += ',';
  ecrit.entier("par_signe", static_cast<int64_t>(par_signe));
  ecrit.entier("signes_omis", static_cast<int64_t>(recueil.signes_omis));
  table_des_signes.assign(recueil.signes.size() * par_signe, 0);
  int32_t* t = table_des_signes.data();
  for (const Signe& s : recueil.signes) {
    const Lecture& l = s.lu;
    t[0] = static_cast<int32_t>(l.signe);
    t[1] = s.mesure;
    t[2] = s.temps;
    t[3] = static_cast<int32_t>(s.octets.debut);
    t[4] = static_cast<int32_t>(s.octets.fin);
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

// How the piece is played and bracketed, by the measures' numbers: the order
// they are played in (repeats taken, endings as written), which the playback
// follows; and each measure in an ending's bracket as [numero, ending,
// starts, ends, closed], which the score draws.
void ecrit_lecture() {
  const Piece piece = lis_piece(recueil);
  std::vector<int32_t> ordre, voltas;
  for (const Tour& t : ordre_de_lecture(piece)) ordre.push_back(piece.mesures[static_cast<std::size_t>(t.mesure)].numero);
  for (const MesureLue& m : piece.mesures)
    if (m.volta.numero != 0) voltas.insert(voltas.end(), {m.numero, m.volta.numero, m.volta.commence, m.volta.termine, m.volta.fermee});
  ecrit.nombres("ordre", ordre);
  ecrit.nombres("voltas", voltas);
}

void ecrit_json() {
  json = "{";
  ecrit.entier("statut", recueil.verdict.statut);
  // The analysis ended on a double bar of the text (also in the verdict).
  ecrit.booleen("double_barre", recueil.verdict.double_barre);
  ecrit.champ("fatal", recueil.fatal);
  // The word refused, counted from 0 (the numerator), or -1; and the message.
  ecrit.entier("mot_refuse", recueil.mot_refuse);
  ecrit.champ("refus", recueil.refus);
  ecrit.champ("description", recueil.description);
  ecrit_verdict();
  ecrit_rapports();
  ecrit_mesures();
  ecrit_signes();
  ecrit_lecture();
  ecrit.ferme('}');
}

}  // namespace

extern "C" {

// One analysis. mots: nombre_mots words, each ended by a NUL, one after the
// other; entree: taille bytes of input. Returns the exit status.
int rythme_analyse(const char* mots, int nombre_mots, const char* entree, int taille) {
  const std::string_view texte(entree, taille > 0 ? static_cast<std::size_t>(taille) : 0);
  recueil = seance(mots_recus(mots, nombre_mots), texte, {rapports_max, signes_max}, derniere);
  ecrit_json();
  return derniere.statut;
}

const char* rythme_sortie() { return derniere.sortie.data(); }
int rythme_taille_sortie() { return static_cast<int>(derniere.sortie.size()); }
const char* rythme_erreur() { return derniere.erreur.data(); }
int rythme_taille_erreur() { return static_cast<int>(derniere.erreur.size()); }
// The analysis as records, as JSON (ASCII).
const char* rythme_rapports() { return json.c_str(); }
int rythme_taille_rapports() { return static_cast<int>(json.size()); }
// The tables of the signs read, of the measures and of their beats, and
// their numbers of entries.
const int32_t* rythme_signes() { return table_des_signes.data(); }
int rythme_taille_signes() { return static_cast<int>(table_des_signes.size()); }
const int32_t* rythme_mesures() { return table_des_mesures.data(); }
int rythme_taille_mesures() { return static_cast<int>(table_des_mesures.size()); }
const int32_t* rythme_temps() { return table_des_temps.data(); }
int rythme_taille_temps() { return static_cast<int>(table_des_temps.size()); }

}  // extern "C"
