// The lexical rules of the notation, one start condition per state. re2c
// turns them into the matcher regles.cc, committed beside this file (the
// command line is in CMakeLists.txt).
// The longest match wins, the earlier rule on equal lengths, and a trailing
// context (r / s) counts in the length. The matcher reads through the token
// buffer (source.h) and pulls a byte from the input only when it needs one.
// Actions either return a token or swallow their text and go on scanning.
#include "diagnostics/catalogue.h"
#include "io/latin1.h"
#include "io/source.h"
#include "parser/grammaire.h"
#include "scanner/actions.h"
#include "scanner/corrections.h"
#include "scanner/jetons.h"
#include "scanner/regles.h"
#include "state/etat.h"

/*!re2c
  re2c:api = custom;
  re2c:api:style = free-form;
  re2c:define:YYCTYPE = "unsigned char";
  re2c:define:YYPEEK = "octet_curseur()";
  re2c:define:YYSKIP = "++tampon_jeton.longueur;";
  re2c:define:YYBACKUP = "tampon_jeton.marqueur = tampon_jeton.longueur;";
  re2c:define:YYRESTORE = "tampon_jeton.longueur = tampon_jeton.marqueur;";
  re2c:define:YYBACKUPCTX = "tampon_jeton.marqueurContexte = tampon_jeton.longueur;";
  re2c:define:YYRESTORECTX = "tampon_jeton.longueur = tampon_jeton.marqueurContexte;";
  re2c:define:YYSHIFT = "tampon_jeton.longueur += @@{shift};";
  re2c:define:YYLESSTHAN = "manque_octet()";
  re2c:define:YYFILL = "remplit_tampon() == 0";
  re2c:eof = 0;
  re2c:define:YYGETCONDITION = "demarrage";
  re2c:define:YYSETCONDITION = "demarrage = @@;";
  re2c:cond:enumprefix = "Demarrage::";

  BAR        = "|";
  NL         = "\n";
  BL         = [ \t];                      // a blank after a meter change, '(' or a repeat sign
  W          = [ \t\n\r];                  // white space that ends a beat
  B          = [ \t\n\v\f];                // white space after a bar
  LETTRE     = [od![ftq=<>kxw\-];         // a value
  VAL        = [od![f=<>k\-] "."{0,2} | [tx] "."? | [qw];   // a value and the dots it may take
  SURPOINTE  = [tx] ".." | [qw] "."{1,2};  // a value with more dots than it may take
  NOMBRE     = [1-9] | "0" [1-9] | [1-9] [0-9];
  DEUX       = "0" [1-9] | [1-9] [0-9];
  ORD        = NOMBRE ".";                 // a repeat ordinal
  SEP        = BL? [/\n] BL?;              // between numerator and denominator
  RECONNU    = [\x08-\x0d\x0f !%()\-./0-9:<=>?[_dfkoqtwx|];
  NONRECONNU = [\x00-\xff] \ RECONNU;       // a byte from 0x80 up is one more unknown character
*/

namespace {

// The messages of the rules.
const char* const parenthese_avant_liure =
    "parenthèse de groupe, \"_(\" avant uniq."_l1;
const char* const parenthese_apres_liure =
    "parenthèse de groupe, \")_\" après uniq."_l1;
const char* const numerateur_nul =
    "le numérateur doit être positif."_l1;
const char* const nombre_trop_long =
    "le numérateur, le dénominateur a deux chiffres au plus.\n\tExemple : 99 / 99"_l1;
const char* const ordinal_nul =
    "l'ordinal de reprise doit être positif."_l1;
const char* const ordinal_trop_long =
    "l'ordinal de reprise a deux chiffres au plus.\n\tExemple : |99."_l1;
const char* const ordinal_isole =
    "ordinal de reprise, isolé, au lieu de \"|1.\", à, \"|99.\"."_l1;
const char* const deux_points_isoles =
    "signe ':' de reprise, isolé, au lieu de \"||:\", \":||\"."_l1;
const char* const supprimeur_isole =
    "(codet) supprimeur par la droite non-géré."_l1;
const char* const points_isoles =
    "pointiller n'est pas (( pointer )) ;\n\taugmenter la valeur d'une note ou d'un silence par moitié,"
    "\n\taugmenter la valeur du symbole de son trois-quarts."_l1;
const char* const fin_apres_espaces =
    "la fin du fichier est prématurée après un (petit) espace en blanc."_l1;
const char* const fin_apres_tabulations =
    "la fin du fichier est prématurée après un blanc."_l1;
const char* const barre_avant_liure =
    "barre, appui \"|_\" ; liure non-faite _|_\n\t'|' est choisi comme remplaçant."_l1;
const char* const reprise_liee =
    "':' et barre, appui \":|_\" ; liure non-faite _:|_\n\t\":|\" est choisi comme remplaçant."_l1;
const char* const reprise_double_liee =
    "':' et barre, appui \":||_\" ; liure non-faite _:||_\n\t\":||\" est choisi comme remplaçant."_l1;
const char* const barre_reprise_liee =
    "barre '|' suivie de ':' ou barre, appui ( _|_ )\n\t\"|:_\" rectifié en \"|:\""_l1;
const char* const double_barre_reprise_liee =
    "barre '|' suivie de ':' ou barre, appui ( _|_ )\n\t\"||:_\" rectifié en \"||:\""_l1;
const char* const ordinal_lie =
    "barre '|' suivie d'ordinal de reprise\n\tou barre, appui ( _|_ )\t\"|x._\" rectifié en \"|x.\""_l1;
const char* const ordinal_deux_chiffres_lie =
    "barre '|' suivie d'ordinal de reprise\n\tou barre, appui ( _|_ )\t\"|xx._\" rectifié en \"|xx.\""_l1;
const char* const lieur_mal_place =
    "lieur mal-placé. {nouveau formulaire}\n\tLes numéros de ligne et de colonne ne seront pas réinitialisés."_l1;
const char* const barre_oblique_isolee =
    "'/' signe à l'initiale de séparation entre numérateur et \n\tdénominateur de changement de mesure. "
    "Exemple : 4 / 4"_l1;
const char* const barre_oblique_inverse_isolee =
    "'\\' signe à l'initiale de distinction d'une mesure à 4/4 \n\tsoit C ou 4 seul, ou bien d'une mesure à 2/2 "
    "\n\tsoit C\\ barré verticalement ou 2 seul."_l1;

}  // namespace

Demarrage demarrage = Demarrage::NORMAL;

void reinitialise_automate() { demarrage = Demarrage::NORMAL; }

int lance_automate() {
  for (;;) {
    debut_jeton();
    /*!re2c
    // Values.
    <NORMAL> VAL / "_"                 => LIURE       { return valeur(Suite::liee); }
    <NORMAL> VAL                                      { return valeur(Suite::nue); }
    <NORMAL> VAL / W                   => BLANC_TEMPS { return valeur(Suite::blanc); }
    <NORMAL> SURPOINTE / "_"                          { valeur_surpointee(Suite::liee); continue; }
    <NORMAL> SURPOINTE                                { valeur_surpointee(Suite::nue); continue; }
    <NORMAL> SURPOINTE / W                            { valeur_surpointee(Suite::blanc); continue; }

    // Groups.
    <NORMAL> "("                                      { return ouvre_groupe(); }
    <NORMAL> "(" / BL             => BLANC_INDICATION { return ouvre_groupe(); }
    <NORMAL> ")" / "_"                 => LIURE       { return ferme_groupe(Suite::liee); }
    <NORMAL> ")"                                      { return ferme_groupe(Suite::nue); }
    <NORMAL> ")" / W                   => BLANC_TEMPS { return ferme_groupe(Suite::blanc); }
    <NORMAL> ")" [2-7] / "_"           => LIURE       { return ferme_groupe(Suite::liee); }
    <NORMAL> ")" [2-7]                                { return ferme_groupe(Suite::nue); }
    <NORMAL> ")" [2-7] / W             => BLANC_TEMPS { return ferme_groupe(Suite::blanc); }
    <NORMAL> "(_"                      { retire_liure(err::liure_à_relier, parenthese_avant_liure); continue; }
    <NORMAL> "_)"                      { retire_liure(err::liure_à_relier, parenthese_apres_liure); continue; }

    // Meter changes.
    <NORMAL> "C"                                      { return chg_mesure(4, 4); }
    <NORMAL> "C" / BL             => BLANC_INDICATION { return chg_mesure(4, 4); }
    <NORMAL> "C\\"                                    { return chg_mesure(2, 2); }
    <NORMAL> "C\\" / BL           => BLANC_INDICATION { return chg_mesure(2, 2); }
    <NORMAL> NOMBRE SEP NOMBRE                        { return chg_mesure_ecrite(); }
    <NORMAL> NOMBRE SEP NOMBRE / BL => BLANC_INDICATION { return chg_mesure_ecrite(); }
    <NORMAL> NOMBRE SEP [1-9] / [0-9] BL? [/\n] BL?   { return chg_mesure_ecrite(); }
    <NORMAL> "0"{1,11} / "0"                          { zeros_de_tete(); continue; }
    <NORMAL> NOMBRE                                   { if (const int j = numerateur_seul()) return j; continue; }

    // Numbers and ordinals that are not meter changes.
    <NORMAL> "0"                       { rejete(err::chiffre_zéro, numerateur_nul); continue; }
    <NORMAL> [1-9] / [0-9]{2}          { rejete(err::nombre_trop_long, nombre_trop_long); continue; }
    <NORMAL> "0."                      { rejete(err::ordinal_zéro, ordinal_nul); continue; }
    <NORMAL> [1-9] / [0-9]{2} "."      { rejete(err::ordinal_trop_long, ordinal_trop_long); continue; }
    <NORMAL> ORD                       { rejete(err::ordinal_isolé, ordinal_isole); continue; }

    // Bars and repeat signs.
    <NORMAL> "\r"                                     { return retour_chariot(); }
    <NORMAL> BAR                                      { return barre_seule(); }
    <NORMAL> "_" BAR / "_"             => LIURE       { return barre_liee(); }
    <NORMAL> BAR / B                   => BLANC_BARRE { return barre(true); }
    <NORMAL> BAR BAR                                  { return double_barre(); }
    <NORMAL> BAR BAR / B                              { return double_barre_blanc(); }
    <NORMAL> BAR / ORD                 => REPRISE     { return barre(false); }
    <NORMAL> BAR NL / ORD              => REPRISE     { return barre(false); }
    <NORMAL> BAR / BAR ":"             => REPRISE     { return barre(false); }
    <NORMAL> BAR NL / BAR ":"          => REPRISE     { return barre(false); }
    <NORMAL> BAR ":"                   => REPRISE     { return barre_rendue(false, "|:", 0, 0); }
    <NORMAL> BAR NL ":"                => REPRISE     { return barre_rendue(false, "|:", 1, -1); }
    <NORMAL> BAR / ":" BAR                            { barre_sautee(); continue; }
    <NORMAL> BAR NL / ":" BAR                         { barre_sautee(); continue; }
    <NORMAL> ":" BAR / BAR             => REPRISE     { return barre_rendue(true, ":", 0, 1); }
    <NORMAL> ":" BAR NL / BAR          => REPRISE     { return barre_rendue(true, ":", 1, -1); }
    <NORMAL> ":" BAR                   => REPRISE     { return barre_rendue(true, ":|", 0, 0); }
    <NORMAL> ":" NL BAR                => REPRISE     { return barre_rendue(true, ":|", 1, -1); }
    <NORMAL> "_:" BAR / BAR "_"        => REPRISE     { return barre_liee_rendue(":", 0, 2); }
    <NORMAL> "_:" BAR NL / BAR "_"     => REPRISE     { return barre_liee_rendue(":", 1, -1); }
    <NORMAL> "_" / ":" BAR "_"         => REPRISE     { return barre_liee(); }
    <NORMAL> "_:" NL BAR "_"           => REPRISE     { return barre_liee_rendue(":|_", 1, -1); }

    // Ties at bars that are not tied bars.
    <NORMAL> BAR "_"                   { retire_liure(err::liure_à_relier, barre_avant_liure); continue; }
    <NORMAL> ":" BAR "_"               { retire_liure(err::liure_à_relier, reprise_liee); continue; }
    <NORMAL> ":" NL BAR "_"            { retire_liure(err::liure_à_relier, reprise_liee); continue; }
    <NORMAL> ":" BAR BAR "_"           { retire_liure(err::liure_à_relier, reprise_double_liee); continue; }
    <NORMAL> ":" BAR NL BAR "_"        { retire_liure(err::liure_à_relier, reprise_double_liee); continue; }
    <NORMAL> BAR ":_"                  { retire_liure(err::deux_points_de_reprise_ou_lier, barre_reprise_liee); continue; }
    <NORMAL> BAR NL ":_"               { retire_liure(err::deux_points_de_reprise_ou_lier, barre_reprise_liee); continue; }
    <NORMAL> BAR BAR ":_"              { retire_liure(err::deux_points_de_reprise_ou_lier, double_barre_reprise_liee); continue; }
    <NORMAL> BAR NL BAR ":_"           { retire_liure(err::deux_points_de_reprise_ou_lier, double_barre_reprise_liee); continue; }
    <NORMAL> BAR [1-9] "._"            { retire_liure(err::ordinal_de_reprise_ou_lier, ordinal_lie); continue; }
    <NORMAL> BAR NL [1-9] "._"         { retire_liure(err::ordinal_de_reprise_ou_lier, ordinal_lie); continue; }
    <NORMAL> BAR DEUX "._"             { retire_liure(err::ordinal_de_reprise_ou_lier, ordinal_deux_chiffres_lie); continue; }
    <NORMAL> BAR NL DEUX "._"          { retire_liure(err::ordinal_de_reprise_ou_lier, ordinal_deux_chiffres_lie); continue; }

    // Isolated signs.
    <NORMAL> "/"                       { rejete(err::barre_oblique_isolée, barre_oblique_isolee); continue; }
    <NORMAL> "\\"                      { rejete(err::barre_inverse_isolée, barre_oblique_inverse_isolee); continue; }
    <NORMAL> ":"                       { rejete(err::deux_points_isolés, deux_points_isoles); continue; }
    <NORMAL> "\x7f"                    { rejete(err::supprimeur_droit_isolé, supprimeur_isole); continue; }
    <NORMAL> "."{1,10}                 { rejete(err::point_à_pointer, points_isoles); continue; }
    <NORMAL> "_"{1,10}                 { rejete(err::liure_à_lier, "liaison mal-tirée. [appuyer]"_l1); continue; }
    <NORMAL> "\b"                      { recule_colonne(); continue; }

    // White space where none is expected.
    <NORMAL> " "{1,10}                 { rejete(err::espace_à_faire_suivre, "espaceur mal-placé."_l1); continue; }
    <NORMAL> "\t"{1,10}                { rejete(err::tabulation_à_faire_suivre, "tabulateur mal-placé."_l1); continue; }
    <NORMAL> NL{1,10}                  { nouvelles_lignes_mal_placees(); continue; }
    <NORMAL> "\v"{1,10}                { tabulateurs_verticaux_mal_places(); continue; }
    <NORMAL> "\f"{1,10}                { rejete(err::nouvelle_forme_à_faire_suivre, lieur_mal_place); continue; }

    // Carriage-return pairs.
    <NORMAL> "\r" / "\r"               { deux_retours_chariot(); continue; }
    <NORMAL> "\r\n"                    { retour_chariot_nouvelle_ligne(); continue; }

    // Bytes to be defined, and unrecognised bytes. A byte before another
    // unrecognised byte or the end of the input is matched alone: "C", '\\'
    // and delete tie with it and win, being written first. Before a recognised
    // byte the run rule is two bytes long and takes them (C before a note).
    <NORMAL> [\x0f%?]                  { caractere_a_definir(); continue; }
    <NORMAL> NONRECONNU / RECONNU      { non_reconnu(true); continue; }
    <NORMAL> NONRECONNU                { non_reconnu(false); continue; }

    // White space that ends a beat.
    <BLANC_TEMPS> " "{1,10}   { blancs_apres(fin_apres_espaces); continue; }
    <BLANC_TEMPS> "\t"{1,10}  { blancs_apres(fin_apres_tabulations); continue; }
    <BLANC_TEMPS> NL{1,10}    { nouvelles_lignes_blanc_temps(); continue; }
    <BLANC_TEMPS> "\r"        { retour_chariot_blanc_temps(); continue; }

    // Blanks after a meter change, a group's opening or a repeat sign.
    <BLANC_INDICATION> " "{1,10}  { blancs_apres(fin_apres_espaces); continue; }
    <BLANC_INDICATION> "\t"{1,10} { blancs_apres(fin_apres_tabulations); continue; }

    // White space after a bar.
    <BLANC_BARRE> " "{1,10}   { blancs_apres(fin_apres_espaces); continue; }
    <BLANC_BARRE> "\t"{1,10}  { blancs_apres(fin_apres_tabulations); continue; }
    <BLANC_BARRE> NL{1,10}    { nouvelles_lignes_blanc_barre(); continue; }
    <BLANC_BARRE> "\v"{1,10}  { tabulateurs_verticaux_blanc_barre(); continue; }
    <BLANC_BARRE> "\f"{1,10}  { sauts_de_page_blanc_barre(); continue; }

    // The tie after a tied value, group or bar.
    <LIURE> "_" / LETTRE                      => NORMAL { liure_avant_valeur(); continue; }
    <LIURE> "_"                                         { liure_seule(); continue; }
    <LIURE> NL                                          { nouvelle_ligne_liure(); continue; }
    <LIURE> NL / NL                           => NORMAL { avale_jeton(); continue; }
    <LIURE> "_" / (BAR "_" | ":" BAR "_" | ":" BAR BAR "_" | ":" NL BAR "_" | ":" BAR NL BAR "_" | ")")
                                              => NORMAL { liure_rendue(); continue; }
    <LIURE> "_" BAR ":" BAR                             { liure_devant_barre_reprise(0); continue; }
    <LIURE> "_" BAR NL ":" BAR                          { liure_devant_barre_reprise(1); continue; }
    <LIURE> "_" / "("                         => NORMAL { liure_devant_groupe(); continue; }
    <LIURE> "_" [.0-9] / "("                  => NORMAL { liure_devant_groupe(); continue; }
    <LIURE> "_" / ([\x00-\xff] \ [\n_od![ftq=<>kxw\-().0-9:|])
                                              => NORMAL { liure_mal_terminee(); continue; }

    // The repeat sign or ordinal after a bar.
    <REPRISE> ORD                             => NORMAL           { ecrit_ordinal(); continue; }
    <REPRISE> ORD / BL                        => BLANC_INDICATION { ecrit_ordinal(); continue; }
    <REPRISE> BAR ":"                         => NORMAL           { ecrit_reprise("|: "); continue; }
    <REPRISE> BAR ":" / BL                    => BLANC_INDICATION { ecrit_reprise("|: "); continue; }
    <REPRISE> ":" BAR                                             { if (fin_de_reprise()) return DBL_BARRE; continue; }
    <REPRISE> ":" BAR / "_"                   => LIURE            { ecrit_reprise("  :|_\n"); continue; }
    <REPRISE> ":" BAR / B                     => BLANC_BARRE      { ecrit_reprise(":|\n"); continue; }

    // The end of the input. Every state is entered before the bytes it
    // reads; should a byte come that its rules do not take, it is read again
    // as the notation's own (every byte has a meaning or a report there).
    <*> $             { fin_entree(); return 0; }
    <*> * => NORMAL   { relit_le_jeton(); continue; }
    */
  }
}
