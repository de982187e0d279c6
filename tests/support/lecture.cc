#include "tests/support/lecture.h"

#include "io/flux.h"
#include "io/source.h"
#include "parser/grammaire.h"
#include "scanner/jetons.h"
#include "state/etat.h"

namespace {

// What the parser's end of beat does: a full beat is recorded, and the
// accumulator lowered by the whole beats it holds.
void ferme_temps_plein() {
  EtatMesure& m = etat.mesure;
  if (m.plein == 0) return;
  m.plein = 0;
  m.som %= etat.metre.valTps;
}

}  // namespace

std::vector<Lu> lis_jetons(std::string_view texte, int plus) {
  source_depuis_memoire(texte.data(), texte.size());
  std::vector<Lu> lus;
  int zeros = 0;
  for (int i = 0; i < plus; ++i) {
    const int jeton = yylex();
    lus.push_back({jeton, etat.position.numeroLigne, etat.position.numeroColonne});
    ferme_temps_plein();
    if (jeton == DBL_BARRE) {
      const int fin = yylex();
      lus.push_back({fin, etat.position.numeroLigne, etat.position.numeroColonne});
      break;
    }
    zeros = jeton == 0 ? zeros + 1 : 0;
    if (zeros == 3) break;
  }
  flux_termine();
  return lus;
}

std::vector<int> codes(const std::vector<Lu>& lus) {
  std::vector<int> r;
  for (const Lu& l : lus) r.push_back(l.jeton);
  return r;
}

std::vector<int> jetons_de(std::string_view texte, int plus) { return codes(lis_jetons(texte, plus)); }

std::string nom_jeton(int code) {
  static const char* const familles[] = {"RND", "BCL", "NOR", "CRH", "DBL", "TPL", "QAD",
                                         "PAU", "DPA", "SOU", "DSO", "QSO", "HSO", "SSO"};
  static const char* const points[] = {"", "P", "PP"};
  static const char* const suites[] = {"", "E", "E2", "L", "L2"};
  static const char* const fermetures[] = {"SPAR_FEME",  "SPAR_FEME2",  "SPAR_FEML",  "SPAR_FEML2", "SPAR_FEMI",
                                           "SPAR_FEMEI", "SPAR_FEMEI2", "SPAR_FEMLI", "SPAR_FEMLI2"};
  switch (code) {
    case 0:
      return "0";
    case '(':
      return "'('";
    case ')':
      return "')'";
    case '|':
      return "'|'";
    case CHG_MESURE:
      return "CHG_MESURE";
    case DBL_BARRE:
      return "DBL_BARRE";
    case SBARRE_LIURE:
      return "SBARRE_LIURE";
    case SFIN_MESURE2:
      return "SFIN_MESURE2";
    default:
      break;
  }
  if (code >= SPAR_FEME && code <= SPAR_FEMLI2) return fermetures[code - SPAR_FEME];
  if (code < SRND || code > SSSOL2) return std::to_string(code);
  const int rang = (code - SRND) % 90 % 18;   // place in the block of 18
  const int suite = (code - SRND) % 90 / 18;  // plain, E, E2, L, L2
  const int silence = (code - SRND) / 90;
  const int famille = rang == 17 ? 6 : rang / 3;
  const int pointage = rang == 17 ? 0 : rang % 3;
  return std::string("S") + familles[silence * 7 + famille] + points[pointage] + suites[suite];
}

std::string nom_jetons(const std::vector<int>& codes) {
  std::string r;
  for (int c : codes) {
    if (!r.empty()) r += ' ';
    r += nom_jeton(c);
  }
  return r;
}

std::string trace(const std::vector<Lu>& lus) {
  std::string r;
  for (const Lu& l : lus) {
    if (!r.empty()) r += ' ';
    r += nom_jeton(l.jeton) + '@' + std::to_string(l.ligne) + ':' + std::to_string(l.colonne);
  }
  return r;
}

void lit(std::string_view texte) { source_depuis_memoire(texte.data(), texte.size()); }
