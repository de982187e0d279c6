// The tokens of well-formed notation, their positions, and what the rules
// echo on standard output.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver/execution.h"
#include "io/source.h"
#include "parser/grammaire.h"
#include "scanner/jetons.h"
#include "state/etat.h"
#include "tests/support/capture.h"
#include "tests/support/lecture.h"

namespace {

class Regles : public AvecEtatPropre {};

struct Cas {
  const char* texte;        // the notation
  int32_t valTps;           // quads per beat (9999: no meter)
  std::vector<int> jetons;  // the tokens expected, up to the double bar and the end after it
};

// The end of the input counts as a bar: after a bar or a meter change it
// gives the double bar at once; otherwise a second end is needed.
#define FIN 0, 0, DBL_BARRE, 0
#define FIN_APRES_BARRE 0, DBL_BARRE, 0

TEST_F(Regles, JetonsDeLaNotation) {
  const Cas cas[] = {
      // A value that fills the beat takes the E2 form; the next one its own form.
      {"!!", 16, {SNORE2, SNORE2, FIN}},
      {"!! ", 16, {SNORE2, SNORE, FIN}},
      // Followed by white space, the E form whether full or not.
      {"[[ ", 16, {SCRH, SCRHE, FIN}},
      {"[\t", 16, {SCRHE, FIN}},
      {"[\r", 16, {SCRHE, DBL_BARRE, 0}},  // read as a bar, the last byte
      // A tie: L, or L2 when the beat is full; the tie is read in LIURE.
      {"[_[", 16, {SCRHL, SCRHE2, FIN}},
      {"!_!", 16, {SNORL2, SNORE2, FIN}},
      // Dots, and every letter.
      {"o.. d. !.. [. f.. t. q ", 9999, {SRNDPPE, SBCLPE, SNORPPE, SCRHPE, SDBLPPE, STPLPE, SQADE, FIN}},
      {"-.. =. <.. >. k.. x. w ", 9999, {SPAUPPE, SDPAPE, SSOUPPE, SDSOPE, SQSOPPE, SHSOPE, SSSOE, FIN}},
      {"o.d.!.[.f.t.", 9999, {SRNDP, SBCLP, SNORP, SCRHP, SDBLP, STPLP, FIN}},
      {"w_x._k.._", 9999, {SSSOL, SHSOPL, SQSOPPL, FIN}},
      // Groups: values inside never fill the beat; the closer carries the group's value.
      {"(!!!)3 ", 16, {'(', SNOR, SNOR, SNOR, SPAR_FEMEI, FIN}},
      {"(!!!)3", 32, {'(', SNOR, SNOR, SNOR, SPAR_FEMEI2, FIN}},
      {"(!!!)", 64, {'(', SNOR, SNOR, SNOR, ')', FIN}},
      {"(!!!)", 32, {'(', SNOR, SNOR, SNOR, SPAR_FEME2, FIN}},
      {"([[[) ", 9999, {'(', SCRH, SCRH, SCRH, SPAR_FEME, FIN}},
      {"([[[)_!", 9999, {'(', SCRH, SCRH, SCRH, SPAR_FEML, SNOR, FIN}},
      {"([[[)_!", 16, {'(', SCRH, SCRH, SCRH, SPAR_FEML2, SNORE2, FIN}},
      {"([[[)3_!", 9999, {'(', SCRH, SCRH, SCRH, SPAR_FEMLI, SNOR, FIN}},
      {"([[[)3_!", 16, {'(', SCRH, SCRH, SCRH, SPAR_FEMLI2, SNORE2, FIN}},
      {"([[[)3!", 9999, {'(', SCRH, SCRH, SCRH, SPAR_FEMI, SNOR, FIN}},
      {"( [[[)3 ", 9999, {'(', SCRH, SCRH, SCRH, SPAR_FEMEI, FIN}},
      // Meter changes end their piece.
      {"4/4 ", 9999, {CHG_MESURE, FIN}},
      {"C ", 9999, {CHG_MESURE, FIN}},
      {"C\\!", 9999, {CHG_MESURE, 0, SNOR, FIN_APRES_BARRE}},
      {"4\no", 9999, {CHG_MESURE, 0, SRND, FIN_APRES_BARRE}},
      // A meter change right before a bar ends the text.
      {"4/4|!", 9999, {CHG_MESURE, 0, '|', 0, DBL_BARRE, 0}},
      // Bars.
      {"!|", 9999, {SNOR, DBL_BARRE, 0}},
      {"! | ", 9999, {SNORE, '|', 0, FIN_APRES_BARRE}},
      {"| |!", 9999, {'|', 0, '|', 0, DBL_BARRE, 0}},
      {"!||!", 9999, {SNOR, DBL_BARRE, 0}},
      {"!|| ", 9999, {SNOR, DBL_BARRE, 0}},
      {"!\r!", 9999, {SNORE, '|', 0, SNOR, FIN_APRES_BARRE}},
      {"!!\r!", 9999, {SNOR, SNORE, '|', 0, SNOR, FIN_APRES_BARRE}},
      {"!_|_!", 9999, {SNORL, SBARRE_LIURE, 0, SNOR, FIN}},
      // Repeat signs: the bar is handed out, the sign echoed.
      {"|1. !", 9999, {'|', 0, SNOR, FIN_APRES_BARRE}},
      {"|:!", 9999, {'|', 0, SNOR, FIN_APRES_BARRE}},
      {"!:|!", 9999, {SNOR, '|', 0, SNOR, FIN_APRES_BARRE}},
      {"!|:|!", 9999, {SNOR, '|', 0, SNOR, FIN_APRES_BARRE}},
      {"!:||!", 9999, {SNOR, '|', 0, SNOR, FIN_APRES_BARRE}},
      {"!:|", 9999, {SNOR, '|', 0, DBL_BARRE, 0}},
      {"!_:|_!", 9999, {SNORL, SBARRE_LIURE, 0, SNOR, FIN}},
      {"!_:||_!", 9999, {SNORL, SBARRE_LIURE, 0, SNOR, FIN}},
      // A byte above 127 is an unknown character: no token, nothing echoed.
      {"!\xE9!", 9999, {SNOR, SNOR, FIN}},
  };
  for (const Cas& c : cas) {
    reinitialise_etat();
    etat.metre.valTps = c.valTps;
    EXPECT_EQ(nom_jetons(jetons_de(c.texte)), nom_jetons(c.jetons)) << "texte: " << c.texte;
  }
}

struct Mesure {
  const char* texte;
  int32_t numerateur;
  int32_t denominateur;
};

// The first meter change of each text.
TEST_F(Regles, ChangementsDeMesure) {
  const Mesure cas[] = {
      {"4/4 ", 4, 4},     {"C", 4, 4},       {"C\t", 4, 4},  {"C\\", 2, 2},    {"C\\ ", 2, 2},    {"04 / 4", 4, 4},
      {"3\t/\t8!", 3, 8}, {"12/16", 12, 16}, {"3\n4", 3, 4}, {"3/44/4", 3, 4}, {"3/16/4", 3, 1},  {"3/16\n4", 3, 1},
      {"0003/4", 3, 4},   {"4\n!", 4, 4},    {"2", 2, 2},    {"4 ", 4, 4},     {"4/", 4, 4},      {"4/0!", 4, 4},
      {"3/ 8 ", 3, 8},    {"6 /09", 6, 9},   {"3/4", 3, 4},  {"3/ 16", 3, 16}, {"3/\t12/", 3, 1}, {"2\r", 2, 2},
  };
  for (const Mesure& m : cas) {
    reinitialise_etat();
    source_depuis_memoire(m.texte, std::strlen(m.texte));
    int jeton = yylex();
    while (jeton != CHG_MESURE && jeton != DBL_BARRE) jeton = yylex();
    EXPECT_EQ(jeton, CHG_MESURE) << m.texte;
    EXPECT_EQ(etat.scanner.numerateur, m.numerateur) << m.texte;
    EXPECT_EQ(etat.scanner.denominateur, m.denominateur) << m.texte;
  }
}

// The lone numerator reads its blanks and zeros straight from the input:
// however many there are, the token buffer does not fill up.
TEST_F(Regles, NumerateurSeulSansLimiteDeLongueur) {
  const std::string longs[] = {"3" + std::string(150, ' ') + "/4 ", "3/" + std::string(150, '\t') + "4 ",
                               "3/" + std::string(150, '0') + "4 ", "4" + std::string(150, ' ')};
  const int32_t attendus[][2] = {{3, 4}, {3, 4}, {3, 4}, {4, 4}};
  for (int i = 0; i < 4; ++i) {
    reinitialise_etat();
    source_depuis_memoire(longs[i].data(), longs[i].size());
    ASSERT_NO_THROW(EXPECT_EQ(yylex(), CHG_MESURE)) << i;
    EXPECT_EQ(etat.scanner.numerateur, attendus[i][0]) << i;
    EXPECT_EQ(etat.scanner.denominateur, attendus[i][1]) << i;
    EXPECT_EQ(erreur, "") << i;
  }
}

// A cut denominator: the rest is read again as the next meter change.
TEST_F(Regles, DenominateurCoupe) {
  source_depuis_memoire("3/16/4 ", 7);
  EXPECT_EQ(yylex(), CHG_MESURE);
  EXPECT_EQ(etat.scanner.denominateur, 1);
  EXPECT_EQ(yylex(), 0);
  EXPECT_EQ(yylex(), CHG_MESURE);
  EXPECT_EQ(etat.scanner.numerateur, 6);
  EXPECT_EQ(etat.scanner.denominateur, 4);
  EXPECT_EQ(etat.position.numeroColonne, 4);
}

TEST_F(Regles, EchosDesReprises) {
  const std::pair<const char*, const char*> cas[] = {
      {"|1. !", "1. "},   {"|12.\t!", "12. "}, {"|:!", "|: "},        {"|: !", "|: "},
      {"!:|!", ":|\n"},   {"!:| !", ":|\n"},   {"!_:|_!", "  :|_\n"}, {"!\xE9\x80!", ""},
      {"!|\n1.!", "1. "}, {"!|\n|:!", "|: "},  {"!|\n:|!", ":|\n"},
  };
  for (const auto& [texte, echo] : cas) {
    reinitialise_etat();
    sortie.clear();
    lis_jetons(texte);
    EXPECT_EQ(sortie, echo) << texte;
  }
}

// Where each token starts: tabs to their stops, newlines, backspaces and
// their deficit, a carriage return back to column 1, form feeds after a bar.
TEST_F(Regles, Positions) {
  struct Positions {
    const char* texte;
    std::vector<Lu> lus;
  };
  const Positions cas[] = {
      {"!\t!\t\t!|", {{SNORE, 1, 1}, {SNORE, 1, 4}, {SNOR, 1, 10}, {DBL_BARRE, 1, 11}, {0, 1, 12}}},
      {"!\n!\n\n!|", {{SNORE, 1, 1}, {SNORE, 2, 1}, {SNOR, 4, 1}, {DBL_BARRE, 4, 2}, {0, 4, 3}}},
      {"! ! |\v!|", {{SNORE, 1, 1}, {SNORE, 1, 3}, {'|', 1, 5}, {0, 1, 6}, {SNOR, 4, 6}, {DBL_BARRE, 4, 7}, {0, 4, 8}}},
      {"|\n\v!|", {{'|', 1, 1}, {0, 1, 2}, {SNOR, 4, 1}, {DBL_BARRE, 4, 2}, {0, 4, 3}}},
      {"!!\b!|", {{SNOR, 1, 1}, {SNOR, 1, 2}, {SNOR, 1, 2}, {DBL_BARRE, 1, 3}, {0, 1, 4}}},
      {"\b!!|", {{SNOR, 1, 1}, {SNOR, 1, 1}, {DBL_BARRE, 1, 2}, {0, 1, 3}}},
      {"\b\b!!|", {{SNOR, 1, 1}, {SNOR, 1, 1}, {DBL_BARRE, 1, 2}, {0, 1, 3}}},
      {"!\n|\f\f!|", {{SNORE, 1, 1}, {'|', 2, 1}, {0, 2, 2}, {SNOR, 1, 1}, {DBL_BARRE, 1, 2}, {0, 1, 3}}},
      {"!\xE9!|", {{SNOR, 1, 1}, {SNOR, 1, 3}, {DBL_BARRE, 1, 4}, {0, 1, 5}}},
      {"\xEF\xBB\xBF!|\xEF\xBB\xBF", {{SNOR, 1, 1}, {'|', 1, 2}, {0, 1, 3}, {0, 1, 6}, {DBL_BARRE, 1, 6}, {0, 1, 6}}},
      {"!               !|", {{SNORE, 1, 1}, {SNOR, 1, 17}, {DBL_BARRE, 1, 18}, {0, 1, 19}}},
      {"4\n\t8 !|", {{CHG_MESURE, 1, 1}, {0, 2, 5}, {SNOR, 2, 6}, {DBL_BARRE, 2, 7}, {0, 2, 8}}},
      {"4\t/\t8\t!|", {{CHG_MESURE, 1, 1}, {0, 1, 8}, {SNOR, 1, 10}, {DBL_BARRE, 1, 11}, {0, 1, 12}}},
      {"3\n16/4 !|",
       {{CHG_MESURE, 1, 1}, {0, 2, 2}, {CHG_MESURE, 2, 2}, {0, 2, 5}, {SNOR, 2, 6}, {DBL_BARRE, 2, 7}, {0, 2, 8}}},
      {"!|:!|", {{SNOR, 1, 1}, {'|', 1, 2}, {0, 1, 2}, {SNOR, 1, 4}, {DBL_BARRE, 1, 5}, {0, 1, 6}}},
      {"!|\n:!|", {{SNOR, 1, 1}, {'|', 1, 2}, {0, 2, 1}, {SNOR, 2, 2}, {DBL_BARRE, 2, 3}, {0, 2, 4}}},
      {"!:\n|!|", {{SNOR, 1, 1}, {'|', 1, 2}, {0, 2, 1}, {SNOR, 2, 2}, {DBL_BARRE, 2, 3}, {0, 2, 4}}},
      {"!_:|\n|_!|", {{SNORL, 1, 1}, {SBARRE_LIURE, 1, 2}, {0, 2, 1}, {SNOR, 2, 3}, {DBL_BARRE, 2, 4}, {0, 2, 5}}},
      {"!_:\n|_!|", {{SNORL, 1, 1}, {SBARRE_LIURE, 1, 2}, {0, 2, 1}, {SNOR, 2, 3}, {DBL_BARRE, 2, 4}, {0, 2, 5}}},
  };
  for (const Positions& c : cas) {
    reinitialise_etat();
    const std::vector<Lu> lus = lis_jetons(c.texte);
    ASSERT_EQ(lus.size(), c.lus.size()) << c.texte << " : " << nom_jetons(codes(lus));
    for (std::size_t i = 0; i < lus.size(); ++i)
      EXPECT_EQ(lus[i], c.lus[i]) << c.texte << " #" << i << " : " << lus[i].ligne << ':' << lus[i].colonne;
  }
}

// Past 2^31 lines and columns the numbers go on: tabs and vertical tabs
// reach their stops there, and the reports say where (UBSan watches).
TEST_F(Regles, AuDelaDe2Puissance31) {
  etat.position.numeroLigne = INT32_MAX;
  etat.position.numeroColonne = INT32_MAX;
  lis_jetons("\t \v!|");
  EXPECT_EQ(erreur,
            "l. 2147483647 col. 2147483647 \xE0 2147483649 m. 1 tps 1 :  tabulateur mal-plac\xE9.\n"
            "l. 2147483647 col. 2147483650 m. 1 tps 1 :  espaceur mal-plac\xE9.\n"
            "l. 2147483647 (col. 2147483651) m. 1 tps 1 :  le tabulateur vertical n'est pas dans la colonne n\xB0 1.\n"
            "l. 2147483647 (col. 2147483651) m. 1 tps 1 :  tabulateur vertical mal-plac\xE9.\n");
  EXPECT_EQ(etat.position.numeroLigne, 2147483650);
  EXPECT_EQ(etat.position.numeroColonne, 2147483653);
}

// Inside a measure, a carriage return after a beat only takes the column
// back to 1; at its start it is a bar.
TEST_F(Regles, RetourChariotApresUnTemps) {
  etat.mesure.nt = 1;
  EXPECT_EQ(trace(lis_jetons("!! \r!|")), "SNOR@1:1 SNORE@1:2 SNOR@1:1 DBL_BARRE@1:2 0@1:3");
  reinitialise_etat();
  EXPECT_EQ(trace(lis_jetons("!! \r!|")), "SNOR@1:1 SNORE@1:2 '|'@1:4 0@1:5 SNOR@1:5 DBL_BARRE@1:6 0@1:7");
  EXPECT_EQ(erreur, "");
}

}  // namespace
