// The rule actions, in the order of the sections of regles.re: first what
// they share, then values and groups, meter changes, bars and repeat signs,
// and the white-space and tie states.
#include "scanner/actions.h"

#include <cstring>

#include "diagnostics/catalogue.h"
#include "diagnostics/signale.h"
#include "diagnostics/temoin_lecture.h"
#include "io/flux.h"
#include "io/latin1.h"
#include "io/source.h"
#include "notation/valeurs.h"
#include "parser/grammaire.h"
#include "scanner/corrections.h"
#include "scanner/jetons.h"
#include "scanner/position.h"
#include "scanner/regles.h"
#include "state/etat.h"

void raz_diagnostic() {
  signale_non_reconnue();
  etat.diagnostics.codeCourant = err::aucune_erreur;
  etat.diagnostics.dernierCode = -1;
}

void rend_texte(const char* texte) {
  for (std::size_t i = std::strlen(texte); i > 0; --i) rend_caractere(static_cast<unsigned char>(texte[i - 1]));
}

void avale_jeton() {
  etendue_du_jeton();
  applique_etendue();
}

int64_t lignes_des_tabulateurs_verticaux() {
  int64_t lignes = 0;
  for (int32_t i = 0; i < longueur_jeton(); ++i) lignes += tabv(etat.position.numeroLigne + lignes);
  if (etat.position.numeroColonne != 1) {
    raz_diagnostic();
    signale_erreur("le tabulateur vertical n'est pas dans la colonne n° 1."_l1);
  }
  return lignes;
}

// Values and groups: each value goes to the beat accumulator, and the token
// says what follows it and whether it fills the beat.
namespace {

// The value's position code: a space after it ends the beat (E); tied, it
// goes on (L) or fills the beat (L2); with nothing after it, it goes on
// (none) or fills the beat (E2).
PositionDeValeur position_de_valeur(Suite suite, bool plein) {
  switch (suite) {
    case Suite::blanc:
      return PositionDeValeur::E;
    case Suite::liee:
      return plein ? PositionDeValeur::L2 : PositionDeValeur::L;
    case Suite::nue:
      break;
  }
  return plein ? PositionDeValeur::E2 : PositionDeValeur::nue;
}

struct Surpointee {
  char lettre;          // the value written
  int32_t points;       // with that many dots
  Suite suite;          // before that
  const char* message;  // what is said of it
};

const Surpointee surpointees[] = {
    {'q', 1, Suite::liee, "une quadruple croche ne peut être pointée, \n\tq._ sérié à q_"_l1},
    {'q', 2, Suite::liee, "une quadruple croche ne peut être pointée, ni doublement, \n\tq.._ sérié à q_"_l1},
    {'t', 2, Suite::liee, "une triple croche ne peut être doublement pointée, \n\tt.._ sérié à t._"_l1},
    {'q', 1, Suite::nue, "une quadruple croche ne peut être pointée, \n\tq. sérié à q"_l1},
    {'t', 2, Suite::nue, "une triple croche ne peut être doublement pointée, \n\tt.. sérié à t."_l1},
    {'q', 2, Suite::nue, "une quadruple croche ne peut être pointée, ni doublement, \n\tq.. sérié à q"_l1},
    {'q', 1, Suite::blanc, "une quadruple croche ne peut être pointée, \n\t\"q. \" sérié à \"q \""_l1},
    {'t', 2, Suite::blanc, "une triple croche ne peut être doublement pointée, \n\t\"t.. \" sérié à \"t. \""_l1},
    {'q', 2, Suite::blanc, "une quadruple croche ne peut être pointée, ni doublement, \n\t\"q.. \" sérié à \"q \""_l1},
    {'w', 1, Suite::liee, "un seizième de soupir ne peut être pointé, \n\tw._ sérié à w_"_l1},
    {'x', 2, Suite::liee, "un huitième de soupir ne peut être doublement pointé, \n\tx.._ sérié à x._"_l1},
    {'w', 2, Suite::liee, "un seizième de soupir ne peut être pointé, ni doublement, \n\tw.._ sérié à w_"_l1},
    {'w', 1, Suite::nue, "un seizième de soupir ne peut être pointé, \n\tw. sérié à w"_l1},
    {'x', 2, Suite::nue, "un huitième de soupir ne peut être doublement pointé, \n\tx.. sérié à x."_l1},
    {'w', 2, Suite::nue, "un seizième de soupir ne peut être pointé, ni doublement, \n\tw.. sérié à w"_l1},
    {'w', 1, Suite::blanc, "un seizième de soupir ne peut être pointé, \n\t\"w. \" sérié à \"w \""_l1},
    {'x', 2, Suite::blanc, "un huitième de soupir ne peut être doublement pointé, \n\t\"x.. \" sérié à \"x. \""_l1},
    {'w', 2, Suite::blanc, "un seizième de soupir ne peut être pointé, ni doublement, \n\t\"w.. \" sérié à \"w \""_l1},
};

const char* message_surpointee(char lettre, int32_t points, Suite suite) {
  for (const Surpointee& s : surpointees)
    if (s.lettre == lettre && s.points == points && s.suite == suite) return s.message;
  return "";  // GCOVR_EXCL_LINE: the rules ask only for the over-dotted forms of the table
}

}  // namespace

int valeur(Suite suite) {
  raz_diagnostic();
  etendue_du_jeton();
  const unsigned char lettre = octet_du_jeton(0);  // the rules hand over value letters only
  const int32_t quads = quads_de_lettre(lettre);
  const int32_t points = longueur_jeton() - 1;
  const bool silence = est_un_silence(lettre);
  const int32_t duree = quads_pointes(quads, points);
  temoigne({.signe = SigneLu::valeur, .base = quads, .points = points, .silence = silence, .valeur = duree,
            .lie = suite == Suite::liee});
  accumule(duree);
  return jeton_de_valeur(silence, position_de_valeur(suite, etat.mesure.plein == 1), quads, points);
}

// A value with more dots than it may take is read again with the dots it may
// take: none for the sixty-fourths, one for the thirty-seconds. The dots
// dropped shift it right, so it ends where the written text ended.
void valeur_surpointee(Suite suite) {
  const char lettre = static_cast<char>(octet_du_jeton(0));
  const int32_t points = longueur_jeton() - 1;
  etat.diagnostics.codeCourant = err::valeur_trop_pointée;
  etendue_du_jeton();
  temoigne({.signe = SigneLu::surpointee});
  signale_erreur(message_surpointee(lettre, points, suite));
  const bool pointable = lettre == 't' || lettre == 'x';
  if (pointable) rend_caractere('.');
  rend_caractere(lettre);
  fixe_etendue(0, 0);
  avance_colonne(longueur_jeton() - (pointable ? 2 : 1));
}

int ouvre_groupe() {
  etendue_du_jeton();
  temoigne({.signe = SigneLu::ouverture});
  etat.scanner.dansGroupe = 1;
  return '(';
}

// The group's value goes to the beat as one value: it decides whether the
// closer fills the beat. A tuplet digit counts the elements in their place.
int ferme_groupe(Suite suite) {
  EtatScanner& s = etat.scanner;
  etendue_du_jeton();
  s.dansGroupe = 0;
  const bool chiffre = longueur_jeton() == 2;
  int32_t n = s.elementsGroupe;
  if (chiffre) n = s.chiffreGroupe = verifie_chiffre_groupe(octet_du_jeton(1) - '0');
  const int32_t duree = valeur_groupe(s.sommeGroupe, n);
  temoigne({.signe = SigneLu::fermeture, .base = s.sommeGroupe, .valeur = duree, .genre = n, .lie = suite == Suite::liee});
  accumule(duree);
  const bool plein = etat.mesure.plein == 1;
  switch (suite) {
    case Suite::blanc:
      return chiffre ? SPAR_FEMEI : SPAR_FEME;
    case Suite::liee:
      if (chiffre) return plein ? SPAR_FEMLI2 : SPAR_FEMLI;
      return plein ? SPAR_FEML2 : SPAR_FEML;
    case Suite::nue:
      break;
  }
  if (chiffre) return plein ? SPAR_FEMEI2 : SPAR_FEMI;
  if (plein) return SPAR_FEME2;
  return ')';
}

// Meter changes: C, C\, a numerator and a denominator, and the reader that
// takes over when a number stands alone.
namespace {

bool blanc(int octet) { return octet == ' ' || octet == '\t'; }
bool chiffre(int octet) { return octet >= '0' && octet <= '9'; }

// Reads the number that starts at position i of the token.
int32_t nombre_en(int32_t& i) {
  int32_t n = 0;
  while (i < longueur_jeton() && chiffre(octet_du_jeton(i))) n = n * 10 + (octet_du_jeton(i++) - '0');
  return n;
}

int rend_chg_mesure(int32_t numerateur, int32_t denominateur) {
  etat.scanner.numerateur = numerateur;
  etat.scanner.denominateur = denominateur;
  return CHG_MESURE;
}

// After the blank that follows a meter change come the blanks of the state
// that reads them.
void rend_suivant(int octet) {
  if (octet == fin_de_fichier) {
    raz_diagnostic();
    return;
  }
  if (blanc(octet)) demarrage = Demarrage::BLANC_INDICATION;
  rend_caractere(octet);
}

// The denominator's first digit has been read (and the zeros before it).
int denominateur_lu(int32_t n, int32_t premier) {
  const int second = lit_caractere();
  if (!chiffre(second)) {
    rend_suivant(second);
    return rend_chg_mesure(n, premier);
  }
  const int suivant = lit_caractere();
  if (suivant == '/') {
    // Two digits, then a slash: the second digit starts the next meter change.
    rend_caractere('/');
    rend_caractere(second);
    return rend_chg_mesure(n, premier);
  }
  etend_par(second);
  rend_suivant(suivant);
  return rend_chg_mesure(n, premier * 10 + (second - '0'));
}

// A numerator and a separator, and no denominator digit: 2 and 4 stand for
// 2/2 and 4/4; any other numerator is reported and dropped.
int sans_denominateur(int32_t n, int suivant, int32_t zeros) {
  if (n == 2 || n == 4) {
    for (int32_t i = 0; i < zeros; ++i) etend_par('0');
    rend_suivant(suivant);
    return rend_chg_mesure(n, n);
  }
  applique_etendue();
  if (zeros == 0) {
    etat.diagnostics.codeCourant = err::dénominateur_absent;
    signale_erreur(
        "le numérateur de changement de mesure, \n\test à terminer par un dénominateur. Exemple : 1 /(\t)4"_l1);
  } else {
    etat.diagnostics.codeCourant = err::dénominateur_non_positif;
    signale_erreur("le dénominateur de changement de mesure, \n\tdoit être positif."_l1);
  }
  avance_colonne(zeros);
  if (suivant != fin_de_fichier) {
    rend_caractere(suivant);
    return 0;
  }
  raz_diagnostic();
  signale_erreur(
      "fin-de-fichier avant la lecture d'un dénominateur \n\tde changement de mesure, ex. : 1 /\t(4) dans 1 / 4"_l1,
      Nature::fin);
  return 0;
}

int apres_separateur(int32_t n) {
  int octet = lit_caractere();
  while (blanc(octet)) {
    etend_par(octet);
    octet = lit_caractere();
  }
  int32_t zeros = 0;
  for (; octet == '0'; octet = lit_caractere()) zeros += 1;
  if (octet < '1' || octet > '9') return sans_denominateur(n, octet, zeros);
  for (int32_t i = 0; i < zeros; ++i) etend_par('0');
  etend_par(octet);
  return denominateur_lu(n, octet - '0');
}

// A number not followed by a separator: 2 and 4 at the end of the input
// stand for 2/2 and 4/4; anything else is a probable numerator, reported.
int sans_separateur(int32_t n, int suivant) {
  if (suivant == fin_de_fichier && (n == 2 || n == 4)) {
    raz_diagnostic();
    return rend_chg_mesure(n, n);
  }
  etat.diagnostics.codeCourant = err::dénominateur_absent;
  signale_erreur(
      "un probable numérateur de changement de mesure, \n\test à compléter par '/' ou nouvelle ligne et \n\test à "
      "terminer par un dénominateur, ex. : 1 / 4"_l1);
  if (suivant != fin_de_fichier) {
    rend_caractere(suivant);
    applique_etendue();
    return 0;
  }
  raz_diagnostic();
  applique_etendue();
  signale_erreur(
      "fin-de-fichier durant la lecture d'un numérateur \n\tde changement de mesure, ex. : 1(\t) dans 1 / 4"_l1,
      Nature::fin);
  return 0;
}

}  // namespace

int chg_mesure(int32_t numerateur, int32_t denominateur) {
  raz_diagnostic();
  etendue_du_jeton();
  return rend_chg_mesure(numerateur, denominateur);
}

int chg_mesure_ecrite() {
  raz_diagnostic();
  etendue_du_jeton();
  int32_t i = 0;
  const int32_t numerateur = nombre_en(i);
  while (i < longueur_jeton() && !chiffre(octet_du_jeton(i))) ++i;
  return rend_chg_mesure(numerateur, nombre_en(i));
}

void zeros_de_tete() { avale_jeton(); }

int numerateur_seul() {
  raz_diagnostic();
  etendue_du_jeton();
  int32_t i = 0;
  const int32_t n = nombre_en(i);
  etat.scanner.numerateur = n;
  int octet = lit_caractere();
  while (blanc(octet)) {
    etend_par(octet);
    octet = lit_caractere();
  }
  if (octet != '/' && octet != '\n' && octet != '\r') return sans_separateur(n, octet);
  etend_par(octet);
  return apres_separateur(n);
}

// Bars, double bars, tied bars and repeat signs.

// A lone carriage return is a bar, and takes the column back to 1.
int retour_chariot() {
  raz_diagnostic();
  fixe_etendue(0, 1 - etat.position.numeroColonne);
  return '|';
}

// A bar that is the last byte of the text is the final double bar.
int barre_seule() {
  etendue_du_jeton();
  const int suivant = lit_caractere();
  if (suivant == fin_de_fichier) return DBL_BARRE;
  rend_caractere(suivant);
  return '|';
}

int barre(bool raz) {
  if (raz) raz_diagnostic();
  etendue_du_jeton();
  return '|';
}

int double_barre() {
  etendue_du_jeton();
  const int suivant = lit_caractere();
  if (suivant != fin_de_fichier) {
    etat.diagnostics.codeCourant = err::non_reconnue;
    signale_erreur("double barre suivie d'un caractère non-reconnu."_l1);
    rend_caractere(suivant);
  }
  return DBL_BARRE;
}

int double_barre_blanc() {
  raz_diagnostic();
  etendue_du_jeton();
  return DBL_BARRE;
}

// The bar is handed out now, and the text pushed back is read again as a
// repeat sign; the extent leaves the position after it where the text ended.
int barre_rendue(bool raz, const char* rendu, int32_t lignes, int32_t colonnes) {
  if (raz) raz_diagnostic();
  rend_texte(rendu);
  fixe_etendue(lignes, colonnes);
  return '|';
}

int barre_liee() {
  etendue_du_jeton();
  return SBARRE_LIURE;
}

int barre_liee_rendue(const char* rendu, int32_t lignes, int32_t colonnes) {
  rend_texte(rendu);
  fixe_etendue(lignes, colonnes);
  return SBARRE_LIURE;
}

// A bar right before ":|" is dropped: the repeat sign stands for it.
void barre_sautee() { avale_jeton(); }

void ecrit_reprise(const char* texte) {
  sortie_ecrit(texte);
  etendue_du_jeton();
  temoigne({.signe = texte[0] == '|' ? SigneLu::debut_reprise : SigneLu::fin_reprise});
  applique_etendue();
}

void ecrit_ordinal() {
  sortie_printf("%s ", texte_jeton());
  etendue_du_jeton();
  int32_t i = 0;
  temoigne({.signe = SigneLu::ordinal, .valeur = nombre_en(i)});
  applique_etendue();
}

// ":|" closing a repeat: at the end of the text it is the final double bar.
int fin_de_reprise() {
  sortie_ecrit(":|\n");
  etendue_du_jeton();
  temoigne({.signe = SigneLu::fin_reprise});
  const int suivant = lit_caractere();
  if (suivant == fin_de_fichier) {
    raz_diagnostic();
    return 1;
  }
  rend_caractere(suivant);
  demarrage = Demarrage::NORMAL;
  applique_etendue();
  return 0;
}

// The white-space states and the tie state: runs of blanks, newlines,
// vertical tabs and form feeds after a beat, a meter change or a bar, and the
// tie after a tied value. None hands out a token.
namespace {

// The bytes that keep a state after a run.
bool garde_l_etat(Demarrage d, int octet) {
  switch (d) {
    case Demarrage::BLANC_TEMPS:
      return octet == ' ' || octet == '\t' || octet == '\n' || octet == '\r';
    case Demarrage::BLANC_INDICATION:
      return octet == ' ' || octet == '\t';
    case Demarrage::BLANC_BARRE:
      return octet == ' ' || octet == '\t' || octet == '\n' || octet == '\v' || octet == '\f';
    case Demarrage::LIURE:
      return octet == '\n' || octet == '_';
    case Demarrage::NORMAL:   // GCOVR_EXCL_START: the look-ahead runs only in the states above
    case Demarrage::REPRISE:
      break;
  }
  return false;
  // GCOVR_EXCL_STOP
}

// One byte of look-ahead after a run: the state stays while the next byte is
// one of its own; the end of the input is reported, and leads back to NORMAL.
void regarde_suivant(const char* message_fin) {
  const int suivant = lit_caractere();
  if (suivant == fin_de_fichier) {
    raz_diagnostic();
    signale_erreur(message_fin, Nature::fin);
    demarrage = Demarrage::NORMAL;
    return;
  }
  rend_caractere(suivant);
  if (!garde_l_etat(demarrage, suivant)) demarrage = Demarrage::NORMAL;
}

const char* const fin_apres_nouvelle_ligne = "la fin du fichier est prématurée après une nouvelle ligne."_l1;

}  // namespace

void blancs_apres(const char* message_fin) {
  etendue_du_jeton();
  regarde_suivant(message_fin);
  applique_etendue();
}

// Newlines after a beat: free at the start of a measure; inside a measure
// only one is taken here, the others are read again as misplaced.
void nouvelles_lignes_blanc_temps() {
  const int32_t n = longueur_jeton();
  if (etat.mesure.nt == 0) {
    fixe_etendue(n, 0);
    regarde_suivant(fin_apres_nouvelle_ligne);
    applique_etendue();
    return;
  }
  if (n > 1) {
    for (int32_t i = 1; i < n; ++i) rend_caractere('\n');
    raz_diagnostic();
    signale_erreur("l'interligne est minimal en intra-temps (inscrit en colonne)."_l1, Nature::conseil);
  }
  nouvelle_ligne();
  demarrage = Demarrage::NORMAL;
}

// A carriage return after a beat: a bar at the start of a measure, otherwise
// only a return to column 1.
void retour_chariot_blanc_temps() {
  if (etat.mesure.nt == 0) {
    rend_caractere('|');
  } else {
    fixe_etendue(0, 1 - etat.position.numeroColonne);
    applique_etendue();
  }
  demarrage = Demarrage::NORMAL;
}

void nouvelles_lignes_blanc_barre() {
  fixe_etendue(longueur_jeton(), 0);
  regarde_suivant(fin_apres_nouvelle_ligne);
  applique_etendue();
}

// Vertical tabs move down to the next stops, the column unchanged.
void tabulateurs_verticaux_blanc_barre() {
  const int64_t lignes = lignes_des_tabulateurs_verticaux();
  regarde_suivant("la fin du fichier est prématurée après un tabulateur vertical."_l1);
  for (int64_t i = 0; i < lignes; ++i) ligne_suivante();
}

// Form feeds after a bar start a new page: line 1, column 1.
void sauts_de_page_blanc_barre() {
  regarde_suivant("la fin du fichier est prématurée après un lieur. {nf}"_l1);
  Position& p = etat.position;
  p.numeroLigne = 1;  // the same as adding 1 - numeroLigne, without overflow
  avance_colonne(1 - p.numeroColonne);
  if (p.numeroLigne != 1 || p.numeroColonne != 1) {  // GCOVR_EXCL_START: the reset always ends at line 1, column 1
    signale_erreur(
        "problème de réinitialisation des numéros de ligne \n\tet de colonne, suite à un lieur ; nouvelle forme."_l1);
    p.numeroLigne = 1;
    p.numeroColonne = 1;
  }  // GCOVR_EXCL_STOP
}

void liure_avant_valeur() { avale_jeton(); }

// A tie may run over one line end, and "__" counts as one tie.
void liure_seule() {
  etendue_du_jeton();
  regarde_suivant("la fin du fichier est prématurée après une \n\t(une marque d'insistance) liure, [sous--ligner]."_l1);
  applique_etendue();
}

void nouvelle_ligne_liure() {
  etendue_du_jeton();
  regarde_suivant(fin_apres_nouvelle_ligne);
  applique_etendue();
}

// The tie belongs to a bar or a parenthesis: read again in NORMAL.
void liure_rendue() { rend_caractere('_'); }

// "_|:|" (the second bar maybe on the next line) is read as "_:|".
void liure_devant_barre_reprise(int32_t lignes) {
  rend_texte("_:|");
  if (lignes == 0)
    fixe_etendue(0, 1);
  else
    fixe_etendue(1, -1);
  applique_etendue();
}

void liure_devant_groupe() {
  etendue_du_jeton();
  signale_erreur("attention, un groupe sous-tend un changement de mesure."_l1, Nature::conseil);
  applique_etendue();
}

void liure_mal_terminee() {
  etendue_du_jeton();
  signale_erreur("liaison mal-terminée."_l1);
  applique_etendue();
}
