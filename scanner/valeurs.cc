// Values and groups: each value goes to the beat accumulator, and the token
// says what follows it and whether it fills the beat.
#include <cstring>

#include "diagnostics/latin1.h"
#include "diagnostics/signale.h"
#include "driver/etat.h"
#include "parser/grammaire.h"
#include "scanner/actions.h"
#include "scanner/position.h"
#include "scanner/scanner.h"
#include "scanner/tampon.h"

namespace {

struct Lettre {
  char lettre;    // how the value is written
  int32_t rang;   // its plain form's place in a block of 18 tokens
  int32_t quads;  // its plain value
  bool silence;   // a rest, not a note
};

constexpr Lettre lettres[] = {
    {'o', 0, 64, false}, {'d', 3, 32, false}, {'!', 6, 16, false}, {'[', 9, 8, false}, {'f', 12, 4, false},
    {'t', 15, 2, false}, {'q', 17, 1, false}, {'-', 0, 64, true},  {'=', 3, 32, true}, {'<', 6, 16, true},
    {'>', 9, 8, true},   {'k', 12, 4, true},  {'x', 15, 2, true},  {'w', 17, 1, true},
};

const Lettre& lettre(unsigned char octet) {
  for (const Lettre& l : lettres)
    if (l.lettre == octet) return l;
  return lettres[0];  // the rules hand over value letters only
}

// First token of the block of the value's position: plain, E, E2, L or L2.
int premier_du_bloc(bool silence, Suite suite, bool plein) {
  switch (suite) {
    case Suite::blanc:
      return silence ? SPAUE : SRNDE;
    case Suite::liee:
      return plein ? (silence ? SPAUL2 : SRNDL2) : (silence ? SPAUL : SRNDL);
    case Suite::nue:
      break;
  }
  return plein ? (silence ? SPAUE2 : SRNDE2) : (silence ? SPAU : SRND);
}

// The value with dots: one dot adds half, two dots three quarters.
int32_t quads_pointes(int32_t quads, int32_t points) {
  if (points == 0) return quads;
  if (points == 1) return quads + quads / 2;
  return quads + quads / 2 + quads / 4;
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
  return "";
}

}  // namespace

int valeur(Suite suite) {
  raz_diagnostic();
  etendue_du_jeton();
  const Lettre& l = lettre(octet_du_jeton(0));
  const int32_t points = longueur_jeton() - 1;
  accu(quads_pointes(l.quads, points));
  return premier_du_bloc(l.silence, suite, etat.scanner.plein == 1) + l.rang + points;
}

// A value with more dots than it may take is read again with the dots it may
// take: none for the sixty-fourths, one for the thirty-seconds. The dots
// dropped shift it right, so it ends where the written text ended.
void valeur_surpointee(Suite suite) {
  const char lettre = static_cast<char>(octet_du_jeton(0));
  const int32_t points = longueur_jeton() - 1;
  etat.diagnostics.codeCourant = 0x3041;
  etendue_du_jeton();
  signale_erreur(message_surpointee(lettre, points, suite));
  const bool pointable = lettre == 't' || lettre == 'x';
  if (pointable) rend_caractere('.');
  rend_caractere(lettre);
  fixe_etendue(0, 0);
  avance_colonne(longueur_jeton() - (pointable ? 2 : 1));
}

int ouvre_groupe() {
  etendue_du_jeton();
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
  accu(valeur_groupe(s.sommeGroupe, n));
  const bool plein = s.plein == 1;
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
