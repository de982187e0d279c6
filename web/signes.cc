#include "web/signes.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "diagnostics/latin1.h"
#include "diagnostics/temoin_lecture.h"
#include "driver/etat.h"
#include "meter/metre.h"
#include "meter/valeurs.h"
#include "scanner/source.h"

namespace {

struct Signe {
  Lecture lu;
  int32_t mesure;  // the measure it was counted in
  int32_t temps;   // the beat, from 1
  Point debut;
  int32_t lignes;
  int32_t largeur;
  std::string jeton;  // the token's text, to find its bytes
};

struct MesureLue {
  int32_t numero;
  int32_t total;  // as read
  bool liee;
  int32_t nbrTps;
  int32_t valTps;
  MetreEcrit metre;
  std::string forts;  // "Ff..." the strong and weak beats, as the listing marks them
};

std::vector<Signe> signes;
std::vector<MesureLue> mesures;
// A value written with too many dots: where it was written, for the value
// read again in its place.
std::optional<Signe> surpointee;

void note_lecture(const Lecture& lu) {
  const EtatMesure& m = etat.mesure;
  if (lu.signe == SigneLu::mesure) {
    // Closed and listed: the number has moved on, and the meter was written
    // out by the listing if the measure holds beats.
    const MetreEcrit aucun{false, 0, false, 0};
    MesureLue l{m.numeroMesure - 1, lu.valeur,    lu.lie, etat.metre.nbrTps, etat.metre.valTps,
                m.nt > 0 ? metre_ecrit() : aucun, {}};
    for (int32_t i = 0; i < etat.metre.nbrTps && i < 99; ++i) l.forts += temps_fort(i) ? 'F' : 'f';
    mesures.push_back(std::move(l));
    return;
  }
  Lecture l = lu;
  if (lu.signe == SigneLu::changement) {
    l.base = etat.scanner.numerateur;
    l.valeur = etat.scanner.denominateur;
    // Common time and cut time are drawn as written.
    l.genre = octet_du_jeton(0) == 'C' ? 'C' : 0;
  }
  const Position& p = etat.position;
  Signe s{l, m.numeroMesure, m.nt + 1, {p.numeroLigne, p.numeroColonne}, p.lignesCouvertes, p.largeurCouverte,
          std::string(reinterpret_cast<const char*>(&tampon_jeton.octets[0]),
                      static_cast<std::size_t>(std::max<int32_t>(0, longueur_jeton())))};
  if (lu.signe == SigneLu::surpointee) {
    surpointee = std::move(s);
    return;
  }
  if (lu.signe == SigneLu::valeur && surpointee) {
    s.debut = surpointee->debut;
    s.lignes = surpointee->lignes;
    s.largeur = surpointee->largeur;
    s.jeton = std::move(surpointee->jeton);
  }
  surpointee.reset();
  signes.push_back(std::move(s));
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
    case SigneLu::mesure: return "mesure";
  }
  return "";
}

void champ(std::string& s, const char* nom, int64_t n) {
  s += ",\"";
  s += nom;
  s += "\":";
  s += std::to_string(n);
}

void champ_booleen(std::string& s, const char* nom, bool b) {
  s += ",\"";
  s += nom;
  s += "\":";
  s += b ? "true" : "false";
}

// A Latin-1 text as a JSON string of plain ASCII.
void champ_texte(std::string& s, const char* nom, std::string_view octets) {
  s += ",\"";
  s += nom;
  s += "\":\"";
  for (const char c : octets) {
    const unsigned char o = static_cast<unsigned char>(c);
    if (o == '"' || o == '\\' || o < 0x20 || o >= 0x7F) {
      char u[8];
      std::snprintf(u, sizeof u, "\\u%04x", o);
      s += u;
    } else {
      s += c;
    }
  }
  s += '"';
}

// The name of a value, from the names of the beat values ("à la croche
// pointée" gives "croche pointée").
std::string_view nom_de_valeur(const ValeurDeTemps& v) {
  static constexpr std::string_view a_la = "à la "_l1;
  std::string_view nom(v.nom);
  if (nom.starts_with(a_la)) nom.remove_prefix(a_la.size());
  return nom;
}

}  // namespace

void commence_signes() {
  signes.clear();
  mesures.clear();
  surpointee.reset();
  temoin_lecture = note_lecture;
}

void arrete_signes() { temoin_lecture = nullptr; }

// The gap as a few values, largest first: one value where a note, dotted or
// not, says it; a sum of them otherwise ("une noire et une double croche").
std::string ecart_en_mots(int32_t total, int32_t longueur) {
  if (total == longueur) return {};
  int32_t reste = total < longueur ? longueur - total : total - longueur;
  std::vector<std::string_view> noms;
  while (reste > 0) {
    const ValeurDeTemps* plus_grande = nullptr;
    for (const ValeurDeTemps& v : valeurs_de_temps)
      if (v.ennaire != 5 && v.quads <= reste) plus_grande = &v;
    noms.push_back(nom_de_valeur(*plus_grande));
    reste -= plus_grande->quads;
  }
  std::string mots;
  for (std::size_t i = 0; i < noms.size(); ++i) {
    if (i > 0) mots += i + 1 == noms.size() ? " et " : ", ";
    mots += "une ";
    mots += noms[i];
  }
  return total < longueur ? "il manque " + mots : mots + " de trop";
}

void ecrit_signes_json(std::string& json, const std::vector<Point>& points, std::string_view texte) {
  json += "\"signes\":[";
  std::size_t depuis = 0;
  for (std::size_t i = 0; i < signes.size(); ++i) {
    const Signe& s = signes[i];
    const Octets o = octets_du_rapport(points, texte, s.debut, s.lignes, s.largeur, s.jeton, depuis);
    depuis = o.debut;
    json += i == 0 ? "{" : ",{";
    json += "\"signe\":\"";
    json += nom_du_signe(s.lu.signe);
    json += '"';
    champ(json, "mesure", s.mesure);
    champ(json, "temps", s.temps);
    champ(json, "debut", static_cast<int64_t>(o.debut));
    champ(json, "fin", static_cast<int64_t>(o.fin));
    switch (s.lu.signe) {
      case SigneLu::valeur:
        champ(json, "base", s.lu.base);
        champ(json, "points", s.lu.points);
        champ_booleen(json, "silence", s.lu.silence);
        champ(json, "valeur", s.lu.valeur);
        champ_booleen(json, "lie", s.lu.lie);
        break;
      case SigneLu::fermeture:
        champ(json, "somme", s.lu.base);
        champ(json, "valeur", s.lu.valeur);
        champ(json, "genre", s.lu.genre);
        champ_booleen(json, "lie", s.lu.lie);
        break;
      case SigneLu::ordinal:
        champ(json, "numero", s.lu.valeur);
        break;
      case SigneLu::changement:
        champ(json, "numerateur", s.lu.base);
        champ(json, "denominateur", s.lu.valeur);
        champ_booleen(json, "c", s.lu.genre == 'C');
        break;
      default:
        break;
    }
    json += '}';
  }
  json += "],\"mesures_lues\":[";
  for (std::size_t i = 0; i < mesures.size(); ++i) {
    const MesureLue& m = mesures[i];
    json += i == 0 ? "{" : ",{";
    json += "\"numero\":";
    json += std::to_string(m.numero);
    champ(json, "total", m.total);
    champ(json, "longueur", static_cast<int64_t>(m.nbrTps) * m.valTps);
    champ(json, "valTps", m.valTps);
    champ(json, "nbrTps", m.nbrTps);
    champ(json, "numerateur", m.metre.numerateurConnu ? m.metre.numerateur : 0);
    champ(json, "denominateur", m.metre.denominateurConnu ? m.metre.denominateur : 0);
    champ_booleen(json, "liee", m.liee);
    champ_texte(json, "forts", m.forts);
    champ_texte(json, "ecart", ecart_en_mots(m.total, m.nbrTps * m.valTps));
    json += '}';
  }
  json += ']';
}
