// The page's dictation: a rhythm drawn at a level, in a meter, from a seed
// (checked by the checker before it is offered), and a student's text graded
// against it beat by beat, by what sounds. Results as JSON (ASCII), read
// before the next call.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "dictee/correction.h"
#include "dictee/generateur.h"
#include "driver/execution.h"
#include "web/json.h"
#include "web/seance.h"

namespace {

std::string json;
Json ecrit{json};

// A time in quads, as a JSON number: whole, or a fraction to 6 places.
std::string quads(const Fraction& f) {
  if (f.den == 1) return std::to_string(f.num);
  char tampon[32];
  std::snprintf(tampon, sizeof tampon, "%.6f", static_cast<double>(f.num) / static_cast<double>(f.den));
  return tampon;
}

Recueil recueil_de(const std::vector<std::string>& mots, std::string_view texte) {
  Execution e;
  return seance(mots, texte, {}, e);
}

}  // namespace

extern "C" {

// {"texte": ..., "mots": [...], "tirages": n}; metre: an index in the meters
// offered ("metres" lists their names).
const char* rythme_dictee_genere(int niveau, int metre, int mesures, double graine) {
  const Dictee d = genere_dictee(niveau, metre < 0 ? 0 : static_cast<std::size_t>(metre), mesures,
                                 static_cast<uint64_t>(graine < 0 ? 0 : graine));
  json = "{\"texte\":";
  ecrit.chaine(d.texte);
  json += ",\"mots\":[";
  for (std::size_t i = 0; i < d.mots.size(); ++i) {
    if (i > 0) json += ',';
    ecrit.chaine(d.mots[i]);
  }
  json += "],\"tirages\":" + std::to_string(d.tirages) + ",\"metres\":[";
  for (std::size_t i = 0; i < metres_de_dictee().size(); ++i) {
    if (i > 0) json += ',';
    ecrit.chaine(metres_de_dictee()[i].nom);
  }
  json += "]}";
  return json.c_str();
}

// The student's text (copie) graded against the original, both in the meter
// of mots: {"temps": [[measure, beat, right (0 or 1), first byte, end byte,
// start in quads from the beginning], ...], "justes": n, "premier_faux": i or -1, "autre_graphie": bool}.
const char* rythme_dictee_corrige(const char* mots, int nombre_mots, const char* original, int taille_original,
                                  const char* copie, int taille_copie) {
  const std::vector<std::string> ligne = mots_recus(mots, nombre_mots);
  const Recueil o = recueil_de(ligne, std::string_view(original, static_cast<std::size_t>(taille_original)));
  const Recueil c = recueil_de(ligne, std::string_view(copie, static_cast<std::size_t>(taille_copie)));
  const Correction k = corrige(o, c);
  json = "{\"temps\":[";
  for (std::size_t i = 0; i < k.temps.size(); ++i) {
    const TempsCorrige& t = k.temps[i];
    if (i > 0) json += ',';
    json += '[' + std::to_string(t.mesure) + ',' + std::to_string(t.temps) + ',' + (t.juste ? "1" : "0") + ',' +
            std::to_string(t.octets.debut) + ',' + std::to_string(t.octets.fin) + ',' + quads(t.debut) + ']';
  }
  json += "],\"justes\":" + std::to_string(k.justes) + ",\"premier_faux\":" + std::to_string(k.premier_faux) +
          ",\"autre_graphie\":" + (k.autre_graphie ? "true" : "false") + '}';
  return json.c_str();
}

int rythme_dictee_taille() { return static_cast<int>(json.size()); }

}  // extern "C"
