// The coverage matrix of the parser's automaton: every golden case and every
// example runs in-process with recording on, then a few scripted pieces; the
// matrix of states by lookahead terminals goes to a file of the build tree and
// a summary of what no run reached goes to standard output. Gaps do not fail
// the test: only a recording that cannot be right does.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "driver/execution.h"
#include "io/fatal.h"
#include "meter/metre.h"
#include "parser/analyse.h"
#include "parser/couverture.h"
#include "parser/grammaire.h"
#include "parser/moteur.h"
#include "state/etat.h"
#include "tests/support/capture.h"

namespace {

namespace fs = std::filesystem;

std::string contenu(const fs::path& fichier) {
  std::ifstream flux(fichier, std::ios::binary);
  return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

// The words of a golden case's args file, one per line (none when absent).
std::vector<std::string> mots_du_cas(const fs::path& cas) {
  std::vector<std::string> mots;
  std::ifstream flux(cas / "args");
  for (std::string ligne; std::getline(flux, ligne);)
    if (!ligne.empty()) mots.push_back(ligne);
  return mots;
}

// Pieces the scanner never hands out: the count's end twice in a row (a
// programming error the actions stop on, once the parser has reduced), and a
// stray group closer, the syntax error.
const std::vector<std::vector<int>> piecesScriptees = {
    {SNORE2, SFIN_MESURE2, SFIN_MESURE2},
    {SNORE, SFIN_MESURE2, SFIN_MESURE2},
    {SNORL2, SFIN_MESURE2, SFIN_MESURE2},
    {')'},
};

std::vector<int> scriptCourant;  // the scripted piece being parsed
std::size_t rangScript = 0;      // the next token's index in it

int jeton_scripte() { return rangScript < scriptCourant.size() ? scriptCourant[rangScript++] : 0; }

// One character per (state, column) cell.
char cellule(const TableCouverture& table, int etatAutomate, int colonne) {
  const bool vu = table.vu[etatAutomate][colonne] != 0;
  if (colonne == colonneSansJeton) return reduit_sans_jeton(etatAutomate) ? (vu ? '#' : 'o') : (vu ? '?' : ' ');
  if (reduit_sans_jeton(etatAutomate)) return vu ? '?' : ' ';
  switch (action_table(etatAutomate, colonne)) {
    case ActionTable::explicite: return vu ? '#' : 'o';
    case ActionTable::defaut: return vu ? '+' : '.';
    case ActionTable::erreur: break;
  }
  return vu ? '!' : ' ';
}

void ecrit_matrice(const TableCouverture& table, const std::string& chemin) {
  std::ofstream flux(chemin);
  flux << "# The parser's automaton: one row per state, one column per lookahead terminal\n"
          "# (bison's internal numbers, named at the end), the last column for a state\n"
          "# that reduces without reading a token.\n"
          "#   '#' an action written for the pair, consulted   'o' written, never consulted\n"
          "#   '+' default reduction, consulted                '.' default reduction, never consulted\n"
          "#   '!' syntax error, consulted                     ' ' syntax error, never consulted\n"
          "#   '?' a pair the tables cannot consult (a broken recording)\n";
  for (int rang = 100; rang >= 1; rang /= 10) {
    flux << std::string(28, ' ') << '|';
    for (int c = 0; c <= colonneSansJeton; ++c) flux << (c == colonneSansJeton ? '-' : char('0' + c / rang % 10));
    flux << "|\n";
  }
  for (int e = 0; e < nbEtatsAnalyseur; ++e) {
    char tete[29];
    std::snprintf(tete, sizeof tete, "%4d %-23.23s", e, symbole_d_acces(e));
    flux << tete << '|';
    for (int c = 0; c <= colonneSansJeton; ++c) flux << cellule(table, e, c);
    flux << "|\n";
  }
  flux << "# columns:\n";
  for (int c = 0; c < nbTerminauxAnalyseur; ++c) flux << "# " << c << ' ' << nom_symbole(c) << '\n';
  flux << "# " << colonneSansJeton << " (no lookahead)\n";
}

struct Bilan {
  int explicites = 0, explicitesVus = 0;  // pairs with a written action
  int sansJeton = 0, sansJetonVus = 0;    // states reducing without a lookahead
  int vus = 0, incoherents = 0;           // pairs marked; marks the tables cannot explain
  std::string manques;                    // the unreached pairs, one line per state
};

// The value tokens come in ten families of 18 codes (notes, then rests, each
// in the five positions), listed as one family when none of it was reached.
constexpr int premierCodeValeur = SRND, taillesFamille = 18, nbFamilles = 10;
const char* const nomsFamilles[nbFamilles] = {"notes",    "notes E",    "notes E2",    "notes L",    "notes L2",
                                              "rests", "rests E", "rests E2", "rests L", "rests L2"};

int famille_du_terminal(int terminal) {
  for (int f = 0; f < nbFamilles; ++f)
    for (int k = 0; k < taillesFamille; ++k)
      if (terminal_du_jeton(premierCodeValeur + f * taillesFamille + k) == terminal) return f;
  return -1;
}

// The unreached pairs of one state, whole families first.
std::string manques_de_l_etat(const TableCouverture& table, int e) {
  bool familleEntiere[nbFamilles];
  std::string texte;
  for (int f = 0; f < nbFamilles; ++f) {
    familleEntiere[f] = true;
    for (int k = 0; k < taillesFamille; ++k)
      familleEntiere[f] = familleEntiere[f] && cellule(table, e, terminal_du_jeton(premierCodeValeur + f * taillesFamille + k)) == 'o';
    if (familleEntiere[f]) texte += (texte.empty() ? "all " : ", all ") + std::string(nomsFamilles[f]);
  }
  for (int c = 0; c < nbTerminauxAnalyseur; ++c) {
    const int f = famille_du_terminal(c);
    if (cellule(table, e, c) != 'o' || (f >= 0 && familleEntiere[f])) continue;
    texte += (texte.empty() ? "" : ", ") + std::string(nom_symbole(c));
  }
  const std::string tete = "  state " + std::to_string(e) + " (after " + symbole_d_acces(e) + ")";
  if (cellule(table, e, colonneSansJeton) == 'o') return tete + " without lookahead\n";
  return texte.empty() ? "" : tete + " on " + texte + "\n";
}

Bilan fait_bilan(const TableCouverture& table) {
  Bilan b;
  for (int e = 0; e < nbEtatsAnalyseur; ++e) {
    for (int c = 0; c <= colonneSansJeton; ++c) {
      const char x = cellule(table, e, c);
      b.vus += table.vu[e][c];
      b.incoherents += x == '?';
      if (x != '#' && x != 'o') continue;
      (c == colonneSansJeton ? b.sansJeton : b.explicites) += 1;
      (c == colonneSansJeton ? b.sansJetonVus : b.explicitesVus) += x == '#';
    }
    b.manques += manques_de_l_etat(table, e);
  }
  return b;
}

class Couverture : public AvecEtatPropre {
 protected:
  void TearDown() override {
    tableCouverture = nullptr;
    installe_source_jetons(nullptr);
    AvecEtatPropre::TearDown();
  }
};

TEST_F(Couverture, MatriceDesEtatsParJetons) {
  static TableCouverture table;
  tableCouverture = &table;

  int nbCas = 0;
  for (const auto& cas : fs::directory_iterator(fs::path(DOSSIER_SOURCES) / "tests" / "golden"))
    if (cas.is_directory()) {
      execute_en_memoire(mots_du_cas(cas.path()), contenu(cas.path() / "stdin"));
      ++nbCas;
    }
  int nbExemples = 0;
  for (const auto& exemple : fs::directory_iterator(fs::path(DOSSIER_SOURCES) / "examples"))
    if (exemple.path().extension() == ".txt") {
      execute_en_memoire({"4", "4"}, contenu(exemple.path()));
      execute_en_memoire({}, contenu(exemple.path()));
      ++nbExemples;
    }
  installe_source_jetons(&jeton_scripte);
  for (const auto& piece : piecesScriptees) {
    reinitialise_etat();
    fixe_mesure(1, 4, 0);  // one quarter-note beat, full when the piece starts
    etat.mesure.som = 16;
    etat.mesure.plein = 1;
    scriptCourant = piece;
    rangScript = 0;
    try {
      analyse();
    } catch (const ArretProcessus&) {
    }
  }
  installe_source_jetons(nullptr);
  tableCouverture = nullptr;

  ecrit_matrice(table, FICHIER_MATRICE);
  const Bilan b = fait_bilan(table);
  std::printf("Parser coverage: %d golden cases, %d examples (4 4 and no words), %zu scripted pieces\n", nbCas,
              nbExemples, piecesScriptees.size());
  std::printf("  explicit (state, token) actions: %d, reached %d, unreached %d\n", b.explicites, b.explicitesVus,
              b.explicites - b.explicitesVus);
  std::printf("  states reducing without lookahead: %d, reached %d\n", b.sansJeton, b.sansJetonVus);
  std::printf("  matrix: %s\nUnreached:\n%s", FICHIER_MATRICE, b.manques.c_str());

  EXPECT_GT(nbCas, 0);
  EXPECT_GT(b.vus, 0) << "nothing was recorded";
  EXPECT_GT(b.explicitesVus, 0) << "no explicit action was recorded";
  EXPECT_EQ(b.incoherents, 0) << "pairs recorded that the tables never consult (see '?' in the matrix)";
}

}  // namespace
