#include "scanner/lecture_test.h"

#include "diagnostics/sortie.h"
#include "driver/etat.h"
#include "parser/grammaire.h"
#include "scanner/scanner.h"
#include "scanner/source.h"

namespace {

// What the parser's end of beat does: a full beat is recorded, and the
// accumulator lowered by the whole beats it holds.
void ferme_temps_plein() {
  EtatScanner& s = etat.scanner;
  if (s.plein == 0) return;
  s.plein = 0;
  s.som %= etat.metre.valTps;
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
  vide_sortie();
  return lus;
}

std::vector<int> codes(const std::vector<Lu>& lus) {
  std::vector<int> r;
  for (const Lu& l : lus) r.push_back(l.jeton);
  return r;
}

std::vector<int> jetons_de(std::string_view texte, int plus) { return codes(lis_jetons(texte, plus)); }

std::string nom_jetons(const std::vector<int>& codes) {
  std::string r;
  for (int c : codes) {
    if (!r.empty()) r += ' ';
    if (c < 256)
      r += c == 0 ? std::string("0") : std::string("'") + static_cast<char>(c) + "'";
    else
      r += std::to_string(c);
  }
  return r;
}
