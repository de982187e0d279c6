// The web page's entry point: one whole analysis in memory per call, through
// the same in-process run as the tests and the fuzzing harness. The words of
// the command line and the input bytes come in; the two streams' bytes, the
// exit status and a record of every printed report (its code and category,
// its position, and the bytes of the text it is about) go out.
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
#include "driver/etat.h"
#include "driver/execution.h"
#include "scanner/source.h"
#include "web/etendues.h"
#include "web/signes.h"

namespace {

struct Rapport {
  int32_t code;
  Point debut;
  int32_t lignes;
  int32_t largeur;
  int32_t mesure;
  int32_t temps;
  bool au_dela;  // the beat is beyond the meter: printed "tps(%d)"
  std::string message;
  std::string jeton;  // the token in hand
};

std::vector<Rapport> rapports;
Execution derniere;
std::string json;

void note_rapport(std::string_view message) {
  const Position& p = etat.position;
  rapports.push_back({etat.diagnostics.codeCourant,
                      {p.numeroLigne, p.numeroColonne},
                      p.lignesCouvertes,
                      p.largeurCouverte,
                      etat.mesure.numeroMesure,
                      etat.mesure.nt + 1,
                      etat.mesure.nt + 1 > etat.metre.nbrTps,
                      std::string(message),
                      std::string(reinterpret_cast<const char*>(&tampon_jeton.octets[0]),
                                  static_cast<std::size_t>(std::max<int32_t>(0, longueur_jeton())))});
}

// A JSON string whose characters are the Latin-1 bytes given: bytes above 127
// are written \u00XX, so the JSON text itself is plain ASCII.
void chaine_json(std::string& s, std::string_view octets) {
  s += '"';
  for (const char c : octets) {
    const unsigned char o = static_cast<unsigned char>(c);
    if (o == '"' || o == '\\') {
      s += '\\';
      s += c;
    } else if (o < 0x20 || o >= 0x7F) {
      char u[8];
      std::snprintf(u, sizeof u, "\\u%04x", o);
      s += u;
    } else {
      s += c;
    }
  }
  s += '"';
}

void entier_json(std::string& s, const char* nom, int64_t n) {
  s += '"';
  s += nom;
  s += "\":";
  s += std::to_string(n);
  s += ',';
}

void ecrit_json(std::string_view entree, bool echec_interne) {
  const std::vector<Point> points = points_du_texte(entree);
  json = "{";
  entier_json(json, "statut", derniere.statut);
  json += "\"echec_interne\":";
  json += echec_interne ? "true" : "false";
  json += ",\"rapports\":[";
  std::size_t depuis = 0;
  for (std::size_t i = 0; i < rapports.size(); ++i) {
    const Rapport& r = rapports[i];
    const Octets o = octets_du_rapport(points, entree, r.debut, r.lignes, r.largeur, r.jeton, depuis);
    depuis = o.debut;
    json += i == 0 ? "{" : ",{";
    entier_json(json, "code", r.code & 0xFFFF);
    json += "\"categorie\":";
    chaine_json(json, categorie_erreur(r.code));
    json += ",\"description\":";
    chaine_json(json, description_erreur(r.code));
    json += ',';
    entier_json(json, "ligne", r.debut.ligne);
    entier_json(json, "colonne", r.debut.colonne);
    entier_json(json, "lignes", r.lignes);
    entier_json(json, "largeur", r.largeur);
    entier_json(json, "mesure", r.mesure);
    entier_json(json, "temps", r.temps);
    json += "\"au_dela\":";
    json += r.au_dela ? "true" : "false";
    json += ',';
    entier_json(json, "debut", static_cast<int64_t>(o.debut));
    entier_json(json, "fin", static_cast<int64_t>(o.fin));
    json += "\"message\":";
    chaine_json(json, r.message);
    json += '}';
  }
  json += "],";
  // What standard error holds besides the reports: a fatal message ends the
  // run after the last report.
  std::string_view reste = derniere.erreur;
  if (!rapports.empty()) {
    const std::string fin_du_dernier = rapports.back().message + "\n";
    const std::size_t i = reste.rfind(fin_du_dernier);
    reste = i == std::string_view::npos ? std::string_view{} : reste.substr(i + fin_du_dernier.size());
  }
  json += "\"hors_rapports\":";
  chaine_json(json, reste);
  json += ',';
  ecrit_signes_json(json, points, entree);
  json += '}';
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
  bool echec_interne = false;
  temoin_rapport = note_rapport;
  commence_signes();
  try {
    derniere = execute_en_memoire(ligne, texte);
  } catch (...) {
    // Anything the run itself does not turn into an exit status ends this
    // analysis only.
    derniere = Execution{};
    derniere.statut = 1;
    echec_interne = true;
  }
  temoin_rapport = nullptr;
  arrete_signes();
  ecrit_json(texte, echec_interne);
  return derniere.statut;
}

const char* rythme_sortie() { return derniere.sortie.data(); }
int rythme_taille_sortie() { return static_cast<int>(derniere.sortie.size()); }
const char* rythme_erreur() { return derniere.erreur.data(); }
int rythme_taille_erreur() { return static_cast<int>(derniere.erreur.size()); }
// The status, the reports and their extents, as JSON (ASCII).
const char* rythme_rapports() { return json.c_str(); }

}  // extern "C"
