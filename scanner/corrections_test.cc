// Malformed notation: what is reported, where, and what is read instead.
// Each case gives the text, the beats already recorded in the measure, the
// tokens with where they start (quarter-note beats, every full beat ended at
// once), and standard error.
#include <gtest/gtest.h>

#include <string>

#include "driver/execution.h"
#include "io/flux.h"
#include "state/etat.h"
#include "tests/support/capture.h"
#include "tests/support/lecture.h"

namespace {

class Corrections : public AvecEtatPropre {
 protected:
  struct Cas {
    const char* texte;   // the notation
    int32_t nt;          // beats already recorded in the measure
    const char* jetons;  // the tokens and where they start
    const char* erreur;  // standard error (UTF-8 here, Latin-1 on the stream)
  };

  template <std::size_t N>
  void verifie(const Cas (&cas)[N]) {
    for (const Cas& c : cas) {
      reinitialise_etat();
      erreur.clear();
      etat.metre.valTps = 16;
      etat.mesure.nt = c.nt;
      EXPECT_EQ(trace(lis_jetons(c.texte, 8)), c.jetons) << c.texte;
      EXPECT_EQ(erreur, latin1(c.erreur)) << c.texte;
    }
  }
};

TEST_F(Corrections, Surpointees) {
  const Cas cas[] = {
      {"t.. !", 0, "STPLPE@1:2 SNORE2@1:5 0@1:6 0@1:6 DBL_BARRE@1:6 0@1:6",
       "l. 1 col. 1 à 3 m. 1 tps 1 :  une triple croche ne peut être doublement pointée, \n\t\"t.. \" sérié à \"t. "
       "\"\n"},
      {"q._!", 0, "SQADL@1:2 SNORE2@1:4 0@1:5 0@1:5 DBL_BARRE@1:5 0@1:5",
       "l. 1 col. 1 à 2 m. 1 tps 1 :  une quadruple croche ne peut être pointée, \n\tq._ sérié à q_\n"},
      {"q.!", 0, "SQAD@1:2 SNORE2@1:3 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 1 à 2 m. 1 tps 1 :  une quadruple croche ne peut être pointée, \n\tq. sérié à q\n"},
      {"q.. !", 0, "SQADE@1:3 SNORE2@1:5 0@1:6 0@1:6 DBL_BARRE@1:6 0@1:6",
       "l. 1 col. 1 à 3 m. 1 tps 1 :  une quadruple croche ne peut être pointée, ni doublement, \n\t\"q.. \" sérié à "
       "\"q \"\n"},
      {"t..!", 0, "STPLP@1:2 SNORE2@1:4 0@1:5 0@1:5 DBL_BARRE@1:5 0@1:5",
       "l. 1 col. 1 à 3 m. 1 tps 1 :  une triple croche ne peut être doublement pointée, \n\tt.. sérié à t.\n"},
      {"x.._!", 0, "SHSOPL@1:2 SNORE2@1:5 0@1:6 0@1:6 DBL_BARRE@1:6 0@1:6",
       "l. 1 col. 1 à 3 m. 1 tps 1 :  un huitième de soupir ne peut être doublement pointé, \n\tx.._ sérié à x._\n"},
      {"w.!", 0, "SSSO@1:2 SNORE2@1:3 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 1 à 2 m. 1 tps 1 :  un seizième de soupir ne peut être pointé, \n\tw. sérié à w\n"},
      {"w.. !", 0, "SSSOE@1:3 SNORE2@1:5 0@1:6 0@1:6 DBL_BARRE@1:6 0@1:6",
       "l. 1 col. 1 à 3 m. 1 tps 1 :  un seizième de soupir ne peut être pointé, ni doublement, \n\t\"w.. \" sérié à "
       "\"w \"\n"},
      {"w._!", 0, "SSSOL@1:2 SNORE2@1:4 0@1:5 0@1:5 DBL_BARRE@1:5 0@1:5",
       "l. 1 col. 1 à 2 m. 1 tps 1 :  un seizième de soupir ne peut être pointé, \n\tw._ sérié à w_\n"},
  };
  verifie(cas);
}

TEST_F(Corrections, LiuresAuxBarresEtParentheses) {
  const Cas cas[] = {
      {"(_!!)", 0, "'('@1:2 SNOR@1:3 SNOR@1:4 SPAR_FEME2@1:5 0@1:6 0@1:6 DBL_BARRE@1:6 0@1:6",
       "l. 1 col. 1 à 2 m. 1 tps 1 :  parenthèse de groupe, \"_(\" avant uniq.\n"},
      {"!_)", 0, "SNORL2@1:1 ')'@1:3 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 2 à 3 m. 1 tps 1 :  parenthèse de groupe, \")_\" après uniq.\n"},
      {"|_!", 0, "'|'@1:2 0@1:3 SNORE2@1:3 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 1 à 2 m. 1 tps 1 :  barre, appui \"|_\" ; liure non-faite _|_\n\t'|' est choisi comme remplaçant.\n"},
      {"!:|_!", 0, "SNORE2@1:1 '|'@1:3 0@1:3 SNORE2@1:5 0@1:6 DBL_BARRE@1:6 0@1:6",
       "l. 1 col. 2 à 4 m. 1 tps 1 :  ':' et barre, appui \":|_\" ; liure non-faite _:|_\n\t\":|\" est choisi comme "
       "remplaçant.\n"},
      {"!:\n|_!", 0, "SNORE2@1:1 '|'@1:3 0@2:1 SNORE2@2:3 0@2:4 DBL_BARRE@2:4 0@2:4",
       "l. 1 col. 2 m. 1 tps 1 à\n-. 2 col. 2 :  ':' et barre, appui \":|_\" ; liure non-faite _:|_\n\t\":|\" est "
       "choisi comme remplaçant.\n"},
      {"!:||_!", 0, "SNORE2@1:1 '|'@1:3 0@1:4 SNORE2@1:6 0@1:7 DBL_BARRE@1:7 0@1:7",
       "l. 1 col. 2 à 5 m. 1 tps 1 :  ':' et barre, appui \":||_\" ; liure non-faite _:||_\n\t\":||\" est choisi comme "
       "remplaçant.\n"},
      {"!:|\n|_!", 0, "SNORE2@1:1 '|'@1:3 0@2:1 SNORE2@2:3 0@2:4 DBL_BARRE@2:4 0@2:4",
       "l. 1 col. 2 m. 1 tps 1 à\n-. 2 col. 2 :  ':' et barre, appui \":||_\" ; liure non-faite _:||_\n\t\":||\" est "
       "choisi comme remplaçant.\n"},
      {"!|:_!", 0, "SNORE2@1:1 '|'@1:3 0@1:3 SNORE2@1:5 0@1:6 DBL_BARRE@1:6 0@1:6",
       "l. 1 col. 2 à 4 m. 1 tps 1 :  barre '|' suivie de ':' ou barre, appui ( _|_ )\n\t\"|:_\" rectifié en \"|:\"\n"},
      {"!|\n:_!", 0, "SNORE2@1:1 '|'@1:3 0@2:1 SNORE2@2:3 0@2:4 DBL_BARRE@2:4 0@2:4",
       "l. 1 col. 2 m. 1 tps 1 à\n-. 2 col. 2 :  barre '|' suivie de ':' ou barre, appui ( _|_ )\n\t\"|:_\" rectifié "
       "en \"|:\"\n"},
      {"!||:_!", 0, "SNORE2@1:1 '|'@1:3 0@1:4 SNORE2@1:6 0@1:7 DBL_BARRE@1:7 0@1:7",
       "l. 1 col. 2 à 5 m. 1 tps 1 :  barre '|' suivie de ':' ou barre, appui ( _|_ )\n\t\"||:_\" rectifié en "
       "\"||:\"\n"},
      {"!|\n|:_!", 0, "SNORE2@1:1 '|'@1:3 0@2:2 SNORE2@2:4 0@2:5 DBL_BARRE@2:5 0@2:5",
       "l. 1 col. 2 m. 1 tps 1 à\n-. 2 col. 3 :  barre '|' suivie de ':' ou barre, appui ( _|_ )\n\t\"||:_\" rectifié "
       "en \"||:\"\n"},
      {"!|1._!", 0, "SNORE2@1:1 '|'@1:3 0@1:4 SNORE2@1:6 0@1:7 DBL_BARRE@1:7 0@1:7",
       "l. 1 col. 2 à 5 m. 1 tps 1 :  barre '|' suivie d'ordinal de reprise\n\tou barre, appui ( _|_ )\t\"|x._\" "
       "rectifié en \"|x.\"\n"},
      {"!|\n1._!", 0, "SNORE2@1:1 '|'@1:3 0@2:2 SNORE2@2:4 0@2:5 DBL_BARRE@2:5 0@2:5",
       "l. 1 col. 2 m. 1 tps 1 à\n-. 2 col. 3 :  barre '|' suivie d'ordinal de reprise\n\tou barre, appui ( _|_ "
       ")\t\"|x._\" rectifié en \"|x.\"\n"},
      {"!|12._!", 0, "SNORE2@1:1 '|'@1:3 0@1:4 SNORE2@1:7 0@1:8 DBL_BARRE@1:8 0@1:8",
       "l. 1 col. 2 à 6 m. 1 tps 1 :  barre '|' suivie d'ordinal de reprise\n\tou barre, appui ( _|_ )\t\"|xx._\" "
       "rectifié en \"|xx.\"\n"},
      {"!|\n12._!", 0, "SNORE2@1:1 '|'@1:3 0@2:2 SNORE2@2:5 0@2:6 DBL_BARRE@2:6 0@2:6",
       "l. 1 col. 2 m. 1 tps 1 à\n-. 2 col. 4 :  barre '|' suivie d'ordinal de reprise\n\tou barre, appui ( _|_ "
       ")\t\"|xx._\" rectifié en \"|xx.\"\n"},
  };
  verifie(cas);
}

TEST_F(Corrections, NombresEtSignesIsoles) {
  const Cas cas[] = {
      {"0!", 0, "SNORE2@1:2 0@1:3 0@1:3 DBL_BARRE@1:3 0@1:3",
       "l. 1 col. 1 m. 1 tps 1 :  le numérateur doit être positif.\n"},
      {"123/4 ", 0, "CHG_MESURE@1:2 0@1:6 0@1:7 DBL_BARRE@1:7 0@1:7",
       "l. 1 col. 1 m. 1 tps 1 :  le numérateur, le dénominateur a deux chiffres au plus.\n\tExemple : 99 / 99\nl. 1 "
       "col. 6 m. 1 tps 1 :  la fin du fichier est prématurée après un (petit) espace en blanc.\n"},
      {"0.!", 0, "SNORE2@1:3 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 1 à 2 m. 1 tps 1 :  l'ordinal de reprise doit être positif.\n"},
      {"1234.!", 0, "SNORE2@1:6 0@1:7 0@1:7 DBL_BARRE@1:7 0@1:7",
       "l. 1 col. 1 m. 1 tps 1 :  le numérateur, le dénominateur a deux chiffres au plus.\n\tExemple : 99 / 99\nl. 1 "
       "col. 2 m. 1 tps 1 :  l'ordinal de reprise a deux chiffres au plus.\n\tExemple : |99.\nl. 1 col. 3 à 5 m. 1 tps "
       "1 :  ordinal de reprise, isolé, au lieu de \"|1.\", à, \"|99.\".\n"},
      {"12.!", 0, "SNORE2@1:4 0@1:5 0@1:5 DBL_BARRE@1:5 0@1:5",
       "l. 1 col. 1 à 3 m. 1 tps 1 :  ordinal de reprise, isolé, au lieu de \"|1.\", à, \"|99.\".\n"},
      {"/!", 0, "SNORE2@1:2 0@1:3 0@1:3 DBL_BARRE@1:3 0@1:3",
       "l. 1 col. 1 m. 1 tps 1 :  '/' signe à l'initiale de séparation entre numérateur et \n\tdénominateur de "
       "changement de mesure. Exemple : 4 / 4\n"},
      {"\\a!", 0, "SNORE2@1:3 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 1 m. 1 tps 1 :  '\\' signe à l'initiale de distinction d'une mesure à 4/4 \n\tsoit C ou 4 seul, ou "
       "bien d'une mesure à 2/2 \n\tsoit C\\ barré verticalement ou 2 seul.\nl. 1 col. 2 m. 1 tps 1 :  trame de "
       "caractères (monème, lexème) non-reconnue.\n"},
      {"\\", 0, "0@1:2 0@1:2 DBL_BARRE@1:2 0@1:2",
       "l. 1 col. 1 m. 1 tps 1 :  '\\' signe à l'initiale de distinction d'une mesure à 4/4 \n\tsoit C ou 4 seul, ou "
       "bien d'une mesure à 2/2 \n\tsoit C\\ barré verticalement ou 2 seul.\n"},
      {":!", 0, "SNORE2@1:2 0@1:3 0@1:3 DBL_BARRE@1:3 0@1:3",
       "l. 1 col. 1 m. 1 tps 1 :  signe ':' de reprise, isolé, au lieu de \"||:\", \":||\".\n"},
      {"\x7f"
       "a!",
       0, "SNORE2@1:3 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 1 m. 1 tps 1 :  (codet) supprimeur par la droite non-géré.\nl. 1 col. 2 m. 1 tps 1 :  trame de "
       "caractères (monème, lexème) non-reconnue.\n"},
      {"\x7f"
       "",
       0, "0@1:2 0@1:2 DBL_BARRE@1:2 0@1:2", "l. 1 col. 1 m. 1 tps 1 :  (codet) supprimeur par la droite non-géré.\n"},
      {"...!", 0, "SNORE2@1:4 0@1:5 0@1:5 DBL_BARRE@1:5 0@1:5",
       "l. 1 col. 1 à 3 m. 1 tps 1 :  pointiller n'est pas (( pointer )) ;\n\taugmenter la valeur d'une note ou d'un "
       "silence par moitié,\n\taugmenter la valeur du symbole de son trois-quarts.\n"},
      {"__!", 0, "SNORE2@1:3 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 1 à 2 m. 1 tps 1 :  liaison mal-tirée. [appuyer]\n"},
      {"!\b\b!", 0, "SNORE2@1:1 SNORE2@1:1 0@1:1 0@1:1 DBL_BARRE@1:1 0@1:1", ""},
  };
  verifie(cas);
}

TEST_F(Corrections, BlancsMalPlaces) {
  const Cas cas[] = {
      {"!\n !", 1, "SNORE@1:1 SNORE2@2:2 0@2:3 0@2:3 DBL_BARRE@2:3 0@2:3",
       "l. 2 col. 1 m. 1 tps 2 :  espaceur mal-placé.\n"},
      {"!\n !", 0, "SNORE@1:1 SNORE2@2:2 0@2:3 0@2:3 DBL_BARRE@2:3 0@2:3", ""},
      {"!\n\t!", 1, "SNORE@1:1 SNORE2@2:4 0@2:5 0@2:5 DBL_BARRE@2:5 0@2:5",
       "l. 2 col. 1 à 3 m. 1 tps 2 :  tabulateur mal-placé.\n"},
      {"!\n\n\n!", 1, "SNORE@1:1 SNORE2@4:1 0@4:2 0@4:2 DBL_BARRE@4:2 0@4:2",
       "l. 1 (col. 2) m. 1 tps 2 :  l'interligne est minimal en intra-temps (inscrit en colonne).\nl. 2 (col. 1) m. 1 "
       "tps 2 :  nouvelle ligne mal-placée.\n"},
      {"!\t\v!", 1, "SNORE@1:1 SNORE2@4:4 0@4:5 0@4:5 DBL_BARRE@4:5 0@4:5",
       "l. 1 (col. 4) m. 1 tps 2 :  le tabulateur vertical n'est pas dans la colonne n° 1.\nl. 1 (col. 4) m. 1 tps 2 : "
       " tabulateur vertical mal-placé.\n"},
      {"\v!", 0, "SNORE2@4:1 0@4:2 0@4:2 DBL_BARRE@4:2 0@4:2",
       "l. 1 (col. 1) m. 1 tps 1 :  tabulateur vertical mal-placé.\n"},
      {"!\f\f!", 0, "SNORE2@1:1 SNORE2@1:4 0@1:5 0@1:5 DBL_BARRE@1:5 0@1:5",
       "l. 1 col. 2 à 3 m. 1 tps 1 :  lieur mal-placé. {nouveau formulaire}\n\tLes numéros de ligne et de colonne ne "
       "seront pas réinitialisés.\n"},
  };
  verifie(cas);
}

TEST_F(Corrections, RetoursChariot) {
  const Cas cas[] = {
      {"!\r\n!", 0, "SNORE@1:1 '|'@1:2 0@1:3 SNORE2@2:1 0@2:2 DBL_BARRE@2:2 0@2:2", ""},
      {"(\r\n!", 0, "'('@1:1 '|'@2:1 0@2:1 SNOR@2:1 0@2:2 0@2:2 0@2:2", ""},
      {"|\r\r!", 0, "'|'@1:1 0@1:2 '|'@1:1 0@1:2 DBL_BARRE@1:2 0@1:2",
       "l. 1 (col. 2) m. 1 tps 1 :  deux retour-chariots vont provoquer une halte ;\n\tLe retour-chariot est "
       "considéré, synonyme de barre |\n"},
  };
  verifie(cas);
}

TEST_F(Corrections, OctetsNonReconnus) {
  const Cas cas[] = {
      {"ab!", 0, "SNORE2@1:3 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 1 à 2 m. 1 tps 1 :  trame de caractères (monème, lexème) non-reconnue.\n"},
      {"b", 0, "0@1:2 0@1:2 DBL_BARRE@1:2 0@1:2",
       "l. 1 col. 1 m. 1 tps 1 :  trame de caractères (monème, lexème) non-reconnue.\n"},
      {"\xc3\xa9!", 0, "SNORE2@1:3 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 1 à 2 m. 1 tps 1 :  trame de caractères (monème, lexème) non-reconnue.\n"},
      {"%!", 0, "SNORE2@1:2 0@1:3 0@1:3 DBL_BARRE@1:3 0@1:3", "l. 1 col. 1 m. 1 tps 1 :  '%' caractère à définir.\n"},
      {"?!", 0, "SNORE2@1:2 0@1:3 0@1:3 DBL_BARRE@1:3 0@1:3", "l. 1 col. 1 m. 1 tps 1 :  '?' caractère à définir.\n"},
      {"\x0f"
       "!",
       0, "SNORE2@1:2 0@1:3 0@1:3 DBL_BARRE@1:3 0@1:3",
       "l. 1 col. 1 m. 1 tps 1 :  '\x0f"
       "' caractère à définir.\n"},
      {"Co", 0, "SRNDE2@1:2 0@1:3 0@1:3 DBL_BARRE@1:3 0@1:3",
       "l. 1 col. 1 m. 1 tps 1 :  trame de caractères (monème, lexème) non-reconnue.\n"},
      // The first C comes before an unrecognised byte: common time. The second
      // one, before a note, is a run of its own.
      {"CC!", 0, "CHG_MESURE@1:1 0@1:2 SNORE2@1:3 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 2 m. 1 tps 1 :  trame de caractères (monème, lexème) non-reconnue.\n"},
      {"!||!", 0, "SNORE2@1:1 DBL_BARRE@1:2 0@1:4",
       "l. 1 col. 2 à 3 m. 1 tps 1 :  double barre suivie d'un caractère non-reconnu.\n"},
  };
  verifie(cas);
}

TEST_F(Corrections, AvertissementsDesAutresEtats) {
  const Cas cas[] = {
      {"! ", 0, "SNORE@1:1 0@1:3 0@1:3 DBL_BARRE@1:3 0@1:3",
       "l. 1 col. 2 m. 1 tps 1 :  la fin du fichier est prématurée après un (petit) espace en blanc.\n"},
      {"!\t", 0, "SNORE@1:1 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 2 à 3 m. 1 tps 1 :  la fin du fichier est prématurée après un blanc.\n"},
      {"|\n", 0, "'|'@1:1 0@1:2 0@2:1 DBL_BARRE@2:1 0@2:1",
       "l. 1 col. 2 m. 1 tps 1 à\n-. 2 col. 1 :  la fin du fichier est prématurée après une nouvelle ligne.\n"},
      {"|\v", 0, "'|'@1:1 0@1:2 0@4:2 DBL_BARRE@4:2 0@4:2",
       "l. 1 (col. 2) m. 1 tps 1 :  le tabulateur vertical n'est pas dans la colonne n° 1.\nl. 1 (col. 2) m. 1 tps 1 : "
       " la fin du fichier est prématurée après un tabulateur vertical.\n"},
      {"| \v!", 0, "'|'@1:1 0@1:2 SNORE2@4:3 0@4:4 DBL_BARRE@4:4 0@4:4",
       "l. 1 (col. 3) m. 1 tps 1 :  le tabulateur vertical n'est pas dans la colonne n° 1.\n"},
      {"|\f", 0, "'|'@1:1 0@1:2 0@1:1 DBL_BARRE@1:1 0@1:1",
       "l. 1 (col. 2) m. 1 tps 1 :  la fin du fichier est prématurée après un lieur. {nf}\n"},
      {"!_", 0, "SNORL2@1:1 0@1:3 0@1:3 DBL_BARRE@1:3 0@1:3",
       "l. 1 col. 2 m. 1 tps 1 :  la fin du fichier est prématurée après une \n\t(une marque d'insistance) liure, "
       "[sous--ligner].\n"},
      {"!_\n", 0, "SNORL2@1:1 0@2:1 0@2:1 DBL_BARRE@2:1 0@2:1",
       "l. 1 col. 3 m. 1 tps 1 à\n-. 2 col. 1 :  la fin du fichier est prématurée après une nouvelle ligne.\n"},
      {"!_\n\n!", 0, "SNORL2@1:1 SNORE2@3:1 0@3:2 0@3:2 DBL_BARRE@3:2 0@3:2",
       "l. 2 (col. 1) m. 1 tps 1 :  nouvelle ligne mal-placée.\n"},
      {"!_(!", 0, "SNORL2@1:1 '('@1:3 SNOR@1:4 0@1:5 0@1:5 0@1:5",
       "l. 1 col. 2 m. 1 tps 1 :  attention, un groupe sous-tend un changement de mesure.\n"},
      {"!_1(!", 0, "SNORL2@1:1 '('@1:4 SNOR@1:5 0@1:6 0@1:6 0@1:6",
       "l. 1 col. 2 à 3 m. 1 tps 1 :  attention, un groupe sous-tend un changement de mesure.\n"},
      {"!_ !", 0, "SNORL2@1:1 SNORE2@1:4 0@1:5 0@1:5 DBL_BARRE@1:5 0@1:5",
       "l. 1 col. 2 m. 1 tps 1 :  liaison mal-terminée.\nl. 1 col. 3 m. 1 tps 1 :  espaceur mal-placé.\n"},
  };
  verifie(cas);
}

TEST_F(Corrections, NumerateurSeul) {
  const Cas cas[] = {
      {"5 o", 0, "SRNDE2@1:3 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 1 à 2 m. 1 tps 1 :  un probable numérateur de changement de mesure, \n\test à compléter par '/' ou "
       "nouvelle ligne et \n\test à terminer par un dénominateur, ex. : 1 / 4\n"},
      {"5/o", 0, "SRNDE2@1:3 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 (col. 3) m. 1 tps 1 :  le numérateur de changement de mesure, \n\test à terminer par un dénominateur. "
       "Exemple : 1 /(\t)4\n"},
      {"5/0 o", 0, "SRNDE2@1:5 0@1:6 0@1:6 DBL_BARRE@1:6 0@1:6",
       "l. 1 (col. 3) m. 1 tps 1 :  le dénominateur de changement de mesure, \n\tdoit être positif.\nl. 1 col. 4 m. 1 "
       "tps 1 :  espaceur mal-placé.\n"},
      {"5", 0, "0@1:2 0@1:2 DBL_BARRE@1:2 0@1:2",
       "l. 1 col. 1 m. 1 tps 1 :  un probable numérateur de changement de mesure, \n\test à compléter par '/' ou "
       "nouvelle ligne et \n\test à terminer par un dénominateur, ex. : 1 / 4\nl. 1 (col. 2) m. 1 tps 1 :  "
       "fin-de-fichier durant la lecture d'un numérateur \n\tde changement de mesure, ex. : 1(\t) dans 1 / 4\n"},
      {"5/", 0, "0@1:3 0@1:3 DBL_BARRE@1:3 0@1:3",
       "l. 1 (col. 3) m. 1 tps 1 :  le numérateur de changement de mesure, \n\test à terminer par un dénominateur. "
       "Exemple : 1 /(\t)4\nl. 1 (col. 3) m. 1 tps 1 :  fin-de-fichier avant la lecture d'un dénominateur \n\tde "
       "changement de mesure, ex. : 1 /\t(4) dans 1 / 4\n"},
      {"4 o", 0, "SRNDE2@1:3 0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 col. 1 à 2 m. 1 tps 1 :  un probable numérateur de changement de mesure, \n\test à compléter par '/' ou "
       "nouvelle ligne et \n\test à terminer par un dénominateur, ex. : 1 / 4\n"},
      {"5/0", 0, "0@1:4 0@1:4 DBL_BARRE@1:4 0@1:4",
       "l. 1 (col. 3) m. 1 tps 1 :  le dénominateur de changement de mesure, \n\tdoit être positif.\nl. 1 (col. 4) m. "
       "1 tps 1 :  fin-de-fichier avant la lecture d'un dénominateur \n\tde changement de mesure, ex. : 1 /\t(4) dans "
       "1 / 4\n"},
  };
  verifie(cas);
}

}  // namespace
