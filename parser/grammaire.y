/* The grammar of one piece of staff: one measure, one bar line, one meter
 * change, or nothing. The scanner ends every piece with the end of input, so
 * the run driver calls the parser once per piece.
 *
 * Productions are written in their numbered order, so bison's rule numbers are
 * the production numbers quoted in the comments (rule 0 is the augmenting
 * production). All lists are right-recursive: every completed beat of the
 * current measure keeps one state on the stack.
 *
 * The semantic value of every symbol that has one is a duration in quads;
 * terminals carry none. The actions build the canonical text of the beat being
 * read, end beats, and close, list and release measures (actions.h).
 *
 * Token names: "S", a value code (RND ronde o, BCL blanche d, NOR noire !,
 * CRH croche [, DBL double croche f, TPL triple croche t, QAD quadruple
 * croche q; PAU pause -, DPA demi-pause =, SOU soupir <, DSO demi-soupir >,
 * QSO quart de soupir k, HSO huitième de soupir x, SSO seizième de soupir w),
 * a dot code (P dotted, PP double-dotted) and a position code: none (the beat
 * goes on), E (a space ends the beat), E2 (the value fills the beat), L (tied,
 * the beat goes on), L2 (tied, the value fills the beat). */

%define api.value.type {int32_t}
%define api.header.include {"parser/grammaire.h"}
%expect 0
/* The symbol names (yytname), for the coverage matrix's readers below. */
%token-table

%code requires {
#include <cstdint>
}

/* The code of a value token, from what the scanner read: the value tokens
 * below come in ten blocks of 18, one per position code (none, E, E2, L, L2),
 * the notes' five blocks first, then the rests'. Within a block the whole to
 * the sixteenth take three codes each (plain, P, PP), the thirty-second two
 * (plain, P), the sixty-fourth one. */
%code provides {
enum class PositionDeValeur : int { nue, E, E2, L, L2 };

/* The first code of each block: notes, then rests, by position code. */
inline constexpr int premiers_jetons_de_valeur[2][5] = {{SRND, SRNDE, SRNDE2, SRNDL, SRNDL2},
                                                        {SPAU, SPAUE, SPAUE2, SPAUL, SPAUL2}};

constexpr int jeton_de_valeur(bool silence, PositionDeValeur position, int32_t quads, int32_t points) {
  int rang = 17;  /* the sixty-fourth */
  switch (quads) {
    case 64: rang = 0; break;
    case 32: rang = 3; break;
    case 16: rang = 6; break;
    case 8: rang = 9; break;
    case 4: rang = 12; break;
    case 2: rang = 15; break;
    default: break;
  }
  return premiers_jetons_de_valeur[silence ? 1 : 0][static_cast<int>(position)] + rang + points;
}
static_assert(jeton_de_valeur(false, PositionDeValeur::nue, 1, 0) == SQAD &&
              jeton_de_valeur(false, PositionDeValeur::E2, 16, 1) == SNORPE2 &&
              jeton_de_valeur(true, PositionDeValeur::L2, 1, 0) == SSSOL2,
              "the value tokens must be declared in the order jeton_de_valeur counts them");
}

%code {
#include "diagnostics/signale.h"
#include "io/latin1.h"
#include "measure/mesure.h"
#include "parser/actions.h"
#include "parser/analyse.h"
#include "parser/couverture.h"
#include "parser/groupes.h"
#include "parser/moteur.h"
#include "state/etat.h"

/* Tokens come from the scanner, or from the source a test installs. */
#define yylex jeton_suivant

/* At most 150 states on the stack: the stack never grows, and the push of a
 * 151st state ends the parse (yyerror then reports the overflow). */
#define YYINITDEPTH 151
#define YYMAXDEPTH 151
}

/* The coverage build swaps some of the engine's macros for its hooks. */
%initial-action {
#include "parser/couverture_moteur.h"
}

%token CHG_MESURE 257      /* meter change: numerateur / denominateur */
%token DBL_BARRE 258       /* double bar, written or supplied at the end of the input */
%token SBARRE_LIURE 259    /* bar line with a tie across it */
%token SFIN_MESURE2 260    /* end of measure by count, never written */

  /* 261-278: notes, position none */
%token SRND 261 SRNDP 262 SRNDPP 263 SBCL 264 SBCLP 265 SBCLPP 266
%token SNOR 267 SNORP 268 SNORPP 269 SCRH 270 SCRHP 271 SCRHPP 272
%token SDBL 273 SDBLP 274 SDBLPP 275 STPL 276 STPLP 277 SQAD 278
  /* 279-296: notes, position E */
%token SRNDE 279 SRNDPE 280 SRNDPPE 281 SBCLE 282 SBCLPE 283 SBCLPPE 284
%token SNORE 285 SNORPE 286 SNORPPE 287 SCRHE 288 SCRHPE 289 SCRHPPE 290
%token SDBLE 291 SDBLPE 292 SDBLPPE 293 STPLE 294 STPLPE 295 SQADE 296
  /* 297-314: notes, position E2 */
%token SRNDE2 297 SRNDPE2 298 SRNDPPE2 299 SBCLE2 300 SBCLPE2 301 SBCLPPE2 302
%token SNORE2 303 SNORPE2 304 SNORPPE2 305 SCRHE2 306 SCRHPE2 307 SCRHPPE2 308
%token SDBLE2 309 SDBLPE2 310 SDBLPPE2 311 STPLE2 312 STPLPE2 313 SQADE2 314
  /* 315-332: notes, position L */
%token SRNDL 315 SRNDPL 316 SRNDPPL 317 SBCLL 318 SBCLPL 319 SBCLPPL 320
%token SNORL 321 SNORPL 322 SNORPPL 323 SCRHL 324 SCRHPL 325 SCRHPPL 326
%token SDBLL 327 SDBLPL 328 SDBLPPL 329 STPLL 330 STPLPL 331 SQADL 332
  /* 333-350: notes, position L2 */
%token SRNDL2 333 SRNDPL2 334 SRNDPPL2 335 SBCLL2 336 SBCLPL2 337 SBCLPPL2 338
%token SNORL2 339 SNORPL2 340 SNORPPL2 341 SCRHL2 342 SCRHPL2 343 SCRHPPL2 344
%token SDBLL2 345 SDBLPL2 346 SDBLPPL2 347 STPLL2 348 STPLPL2 349 SQADL2 350
  /* 351-368: rests, position none */
%token SPAU 351 SPAUP 352 SPAUPP 353 SDPA 354 SDPAP 355 SDPAPP 356
%token SSOU 357 SSOUP 358 SSOUPP 359 SDSO 360 SDSOP 361 SDSOPP 362
%token SQSO 363 SQSOP 364 SQSOPP 365 SHSO 366 SHSOP 367 SSSO 368
  /* 369-386: rests, position E */
%token SPAUE 369 SPAUPE 370 SPAUPPE 371 SDPAE 372 SDPAPE 373 SDPAPPE 374
%token SSOUE 375 SSOUPE 376 SSOUPPE 377 SDSOE 378 SDSOPE 379 SDSOPPE 380
%token SQSOE 381 SQSOPE 382 SQSOPPE 383 SHSOE 384 SHSOPE 385 SSSOE 386
  /* 387-404: rests, position E2 */
%token SPAUE2 387 SPAUPE2 388 SPAUPPE2 389 SDPAE2 390 SDPAPE2 391 SDPAPPE2 392
%token SSOUE2 393 SSOUPE2 394 SSOUPPE2 395 SDSOE2 396 SDSOPE2 397 SDSOPPE2 398
%token SQSOE2 399 SQSOPE2 400 SQSOPPE2 401 SHSOE2 402 SHSOPE2 403 SSSOE2 404
  /* 405-422: rests, position L */
%token SPAUL 405 SPAUPL 406 SPAUPPL 407 SDPAL 408 SDPAPL 409 SDPAPPL 410
%token SSOUL 411 SSOUPL 412 SSOUPPL 413 SDSOL 414 SDSOPL 415 SDSOPPL 416
%token SQSOL 417 SQSOPL 418 SQSOPPL 419 SHSOL 420 SHSOPL 421 SSSOL 422
  /* 423-440: rests, position L2 */
%token SPAUL2 423 SPAUPL2 424 SPAUPPL2 425 SDPAL2 426 SDPAPL2 427 SDPAPPL2 428
%token SSOUL2 429 SSOUPL2 430 SSOUPPL2 431 SDSOL2 432 SDSOPL2 433 SDSOPPL2 434
%token SQSOL2 435 SQSOPL2 436 SQSOPPL2 437 SHSOL2 438 SHSOPL2 439 SSSOL2 440
  /* 441-449: group closers, by position and by a tuplet digit after ')' */
%token SPAR_FEME 441 SPAR_FEME2 442 SPAR_FEML 443 SPAR_FEML2 444 SPAR_FEMI 445
%token SPAR_FEMEI 446 SPAR_FEMEI2 447 SPAR_FEMLI 448 SPAR_FEMLI2 449

%start axiome

%%

axiome
    : portee_partielle                                                          /* 1 */
    ;

portee_partielle
    : %empty                                                                    /* 2 */
    | CHG_MESURE                { change_de_mesure(); }                         /* 3 */
    | '|'                                                                       /* 4 */
    | SBARRE_LIURE                                                              /* 5 */
    | mesure                    { termine_mesure($1, 0); }                      /* 6 */
    | mesureB                   { termine_mesure($1, 0); }                      /* 7 */
    | mesure_liee               { termine_mesure($1, 1); }                      /* 8 */
    | mesureB_liee              { termine_mesure($1, 1); }                      /* 9 */
    | DBL_BARRE                 { arrete_analyse(); }                 /* 10 */
    ;

mesure
    : temps_E2 mesure           { $$ = $1 + $2; }                               /* 11 */
    | temps_E mesure            { $$ = $1 + $2; }                               /* 12 */
    | temps_L2 mesure           { $$ = $1 + $2; }                               /* 13 */
    | temps_E SFIN_MESURE2      { ferme_par_compte(); }                         /* 14 */
    | temps_E SFIN_MESURE2 SFIN_MESURE2   { mesure_erreur(); }                  /* 15 */
    | temps_E2 SFIN_MESURE2     { ferme_par_compte(); }                         /* 16 */
    | temps_E2 SFIN_MESURE2 SFIN_MESURE2  { mesure_erreur(); }                  /* 17 */
    ;

mesureB
    : temps_E2 mesureB          { $$ = $1 + $2; }                               /* 18 */
    | temps_E mesureB           { $$ = $1 + $2; }                               /* 19 */
    | temps_L2 mesureB          { $$ = $1 + $2; }                               /* 20 */
    | temps '|'                 { ferme_par_barre(); }                          /* 21 */
    | temps DBL_BARRE           { ferme_par_barre(); arrete_analyse(); }            /* 22 */
    | temps_E '|'               { ajoute_temps_restant(); ferme_par_barre(); }                /* 23 */
    | temps_E DBL_BARRE         { ajoute_temps_restant(); ferme_par_barre(); arrete_analyse(); } /* 24 */
    | temps_E2 '|'              { ferme_par_barre(); }                          /* 25 */
    | temps_E2 DBL_BARRE        { ferme_par_barre(); arrete_analyse(); } /* 26 */
    ;

mesure_liee
    : temps_E2 mesure_liee      { $$ = $1 + $2; }                               /* 27 */
    | temps_E mesure_liee       { $$ = $1 + $2; }                               /* 28 */
    | temps_L2 mesure_liee      { $$ = $1 + $2; }                               /* 29 */
    | temps_L2 SFIN_MESURE2     { ferme_par_compte(); }                         /* 30 */
    | temps_L2 SFIN_MESURE2 SFIN_MESURE2  { mesure_erreur(); }                  /* 31 */
    ;

mesureB_liee
    : temps_E2 mesureB_liee     { $$ = $1 + $2; }                               /* 32 */
    | temps_E mesureB_liee      { $$ = $1 + $2; }                               /* 33 */
    | temps_L2 mesureB_liee     { $$ = $1 + $2; }                               /* 34 */
    | temps_lie '|'             { ferme_par_barre(); }                          /* 35 */
    | temps_lie DBL_BARRE       { ferme_par_barre(); arrete_analyse(); }            /* 36 */
    | temps_L2 '|'              { ferme_par_barre(); }                          /* 37 */
    | temps_L2 DBL_BARRE        { ferme_par_barre(); arrete_analyse(); } /* 38 */
    ;

temps_lie
    : groupe temps_lie          { $$ = $1 + $2; }                               /* 39 */
    | elt_ryt temps_lie         { $$ = $1 + $2; }                               /* 40 */
    | groupe_lie temps_lie      { $$ = $1 + $2; }                               /* 41 */
    | elt_ryt_lie temps_lie     { $$ = $1 + $2; }                               /* 42 */
    | groupe_lie                { ajoute_temps($1); }                           /* 43 */
    | elt_ryt_lie               { ajoute_temps($1); }                           /* 44 */
    ;

temps
    : groupe temps              { $$ = $1 + $2; }                               /* 45 */
    | elt_ryt temps             { $$ = $1 + $2; }                               /* 46 */
    | groupe_lie temps          { $$ = $1 + $2; }                               /* 47 */
    | elt_ryt_lie temps         { $$ = $1 + $2; }                               /* 48 */
    | groupe                    { ajoute_temps($1); }                           /* 49 */
    | elt_ryt                   { ajoute_temps($1); }                           /* 50 */
    ;

temps_L2
    : groupe temps_L2           { $$ = $1 + $2; }                               /* 51 */
    | elt_ryt temps_L2          { $$ = $1 + $2; }                               /* 52 */
    | groupe_lie temps_L2       { $$ = $1 + $2; }                               /* 53 */
    | elt_ryt_lie temps_L2      { $$ = $1 + $2; }                               /* 54 */
    | groupe_L2                                                                 /* 55 */
    | elt_ryt_L2                                                                /* 56 */
    ;

temps_E
    : groupe temps_E            { $$ = $1 + $2; }                               /* 57 */
    | elt_ryt temps_E           { $$ = $1 + $2; }                               /* 58 */
    | groupe_lie temps_E        { $$ = $1 + $2; }                               /* 59 */
    | elt_ryt_lie temps_E       { $$ = $1 + $2; }                               /* 60 */
    | groupe_E                                                                  /* 61 */
    | elt_ryt_E                                                                 /* 62 */
    ;

temps_E2
    : groupe temps_E2           { $$ = $1 + $2; }                               /* 63 */
    | elt_ryt temps_E2          { $$ = $1 + $2; }                               /* 64 */
    | groupe_lie temps_E2       { $$ = $1 + $2; }                               /* 65 */
    | elt_ryt_lie temps_E2      { $$ = $1 + $2; }                               /* 66 */
    | groupe_E2                                                                 /* 67 */
    | elt_ryt_E2                                                                /* 68 */
    ;

/* A group's value is its elements' written total scaled by its kind (vgI):
 * the tuplet digit when one follows ')', else the number of elements. */

groupe_lie
    : groupe_simple SPAR_FEML   { $$ = vgI($1, 0); ajoute_graphie(")_"); }                              /* 69 */
    | groupe_compose SPAR_FEML  { $$ = vgI($1, 0); ajoute_graphie(")_"); }                              /* 70 */
    | groupe_simple SPAR_FEMLI  { $$ = vgI($1, 1); ajoute_graphie(")"); ajoute_chiffre(); ajoute_graphie("_"); }  /* 71 */
    | groupe_compose SPAR_FEMLI { $$ = vgI($1, 1); ajoute_graphie(")"); ajoute_chiffre(); ajoute_graphie("_"); }  /* 72 */
    ;

groupe_L2
    : groupe_simple SPAR_FEML2   { $$ = vgI($1, 0); ajoute_graphie(")_"); termine_temps(); }           /* 73 */
    | groupe_compose SPAR_FEML2  { $$ = vgI($1, 0); ajoute_graphie(")_"); termine_temps(); }           /* 74 */
    | groupe_simple SPAR_FEMLI2  { $$ = vgI($1, 1); ajoute_graphie(")"); ajoute_chiffre(); ajoute_graphie("_"); termine_temps(); }  /* 75 */
    | groupe_compose SPAR_FEMLI2 { $$ = vgI($1, 1); ajoute_graphie(")"); ajoute_chiffre(); ajoute_graphie("_"); termine_temps(); }  /* 76 */
    ;

groupe
    : groupe_simple ')'         { $$ = vgI($1, 0); ajoute_graphie(")"); }                               /* 77 */
    | groupe_compose ')'        { $$ = vgI($1, 0); ajoute_graphie(")"); }                               /* 78 */
    | groupe_simple SPAR_FEMI   { $$ = vgI($1, 1); ajoute_graphie(")"); ajoute_chiffre(); }            /* 79 */
    | groupe_compose SPAR_FEMI  { $$ = vgI($1, 1); ajoute_graphie(")"); ajoute_chiffre(); }            /* 80 */
    ;

groupe_E
    : groupe_simple SPAR_FEME    { $$ = vgI($1, 0); ajoute_graphie(")"); termine_temps_espace(); }     /* 81 */
    | groupe_compose SPAR_FEME   { $$ = vgI($1, 0); ajoute_graphie(")"); termine_temps_espace(); }     /* 82 */
    | groupe_simple SPAR_FEMEI   { $$ = vgI($1, 1); ajoute_graphie(")"); ajoute_chiffre(); termine_temps_espace(); }  /* 83 */
    | groupe_compose SPAR_FEMEI  { $$ = vgI($1, 1); ajoute_graphie(")"); ajoute_chiffre(); termine_temps_espace(); }  /* 84 */
    ;

groupe_E2
    : groupe_simple SPAR_FEME2   { $$ = vgI($1, 0); ajoute_graphie(") "); termine_temps(); }           /* 85 */
    | groupe_compose SPAR_FEME2  { $$ = vgI($1, 0); ajoute_graphie(") "); termine_temps(); }           /* 86 */
    | groupe_simple SPAR_FEMEI2  { $$ = vgI($1, 1); ajoute_graphie(")"); ajoute_chiffre(); ajoute_graphie(" "); termine_temps(); }  /* 87 */
    | groupe_compose SPAR_FEMEI2 { $$ = vgI($1, 1); ajoute_graphie(")"); ajoute_chiffre(); ajoute_graphie(" "); termine_temps(); }  /* 88 */
    ;

groupe_compose
    : '(' elt_ryt_grp elt_ryt_grp
        { const int32_t v[] = {$2, $3}; $$ = corps_de_groupe(v, 2); }                                 /* 89 */
    | '(' elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp
        { const int32_t v[] = {$2, $3, $4, $5}; $$ = corps_de_groupe(v, 4); }                         /* 90 */
    | '(' elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp
        { const int32_t v[] = {$2, $3, $4, $5, $6, $7}; $$ = corps_de_groupe(v, 6); }                 /* 91 */
    ;

groupe_simple
    : '(' elt_ryt_grp elt_ryt_grp elt_ryt_grp
        { const int32_t v[] = {$2, $3, $4}; $$ = corps_de_groupe(v, 3); }                             /* 92 */
    | '(' elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp
        { const int32_t v[] = {$2, $3, $4, $5, $6}; $$ = corps_de_groupe(v, 5); }                     /* 93 */
    | '(' elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp
        { const int32_t v[] = {$2, $3, $4, $5, $6, $7, $8}; $$ = corps_de_groupe(v, 7); }             /* 94 */
    ;

elt_ryt_grp
    : note                                                                      /* 95 */
    | silence                   { signale_erreur("utiliser plutôt des notes dans le groupe, \n\tou changez de mesure."_l1, Nature::conseil); }  /* 96 */
    ;

elt_ryt_lie
    : note_liee                                                                 /* 97 */
    | silence_lie                                                               /* 98 */
    ;

/* Numbers 99 to 280: one value token each. The value in quads; the canonical
 * text appended to the beat being read; then the end of beat that the
 * position code calls for. */

note_liee
    : SRNDL      { $$ = 64; ajoute_graphie("o_"); }                             /* 99 */
    | SBCLL      { $$ = 32; ajoute_graphie("d_"); }                             /* 100 */
    | SNORL      { $$ = 16; ajoute_graphie("!_"); }                             /* 101 */
    | SCRHL      { $$ = 8; ajoute_graphie("[_"); }                              /* 102 */
    | SDBLL      { $$ = 4; ajoute_graphie("f_"); }                              /* 103 */
    | STPLL      { $$ = 2; ajoute_graphie("t_"); }                              /* 104 */
    | SQADL      { $$ = 1; ajoute_graphie("q_"); }                              /* 105 */
    | SRNDPL     { $$ = 96; ajoute_graphie("o._"); }                            /* 106 */
    | SBCLPL     { $$ = 48; ajoute_graphie("d._"); }                            /* 107 */
    | SNORPL     { $$ = 24; ajoute_graphie("!._"); }                            /* 108 */
    | SCRHPL     { $$ = 12; ajoute_graphie("[._"); }                            /* 109 */
    | SDBLPL     { $$ = 6; ajoute_graphie("f._"); }                             /* 110 */
    | STPLPL     { $$ = 3; ajoute_graphie("t._"); }                             /* 111 */
    | SRNDPPL    { $$ = 112; ajoute_graphie("o.._"); }                          /* 112 */
    | SBCLPPL    { $$ = 56; ajoute_graphie("d.._"); }                           /* 113 */
    | SNORPPL    { $$ = 28; ajoute_graphie("!.._"); }                           /* 114 */
    | SCRHPPL    { $$ = 14; ajoute_graphie("[.._"); }                           /* 115 */
    | SDBLPPL    { $$ = 7; ajoute_graphie("f.._"); }                            /* 116 */
    ;

silence_lie
    : SPAUL      { $$ = 64; ajoute_graphie("-_"); }                             /* 117 */
    | SDPAL      { $$ = 32; ajoute_graphie("=_"); }                             /* 118 */
    | SSOUL      { $$ = 16; ajoute_graphie("<_"); }                             /* 119 */
    | SDSOL      { $$ = 8; ajoute_graphie(">_"); }                              /* 120 */
    | SQSOL      { $$ = 4; ajoute_graphie("k_"); }                              /* 121 */
    | SHSOL      { $$ = 2; ajoute_graphie("x_"); }                              /* 122 */
    | SSSOL      { $$ = 1; ajoute_graphie("w_"); }                              /* 123 */
    | SPAUPL     { $$ = 96; ajoute_graphie("-._"); }                            /* 124 */
    | SDPAPL     { $$ = 48; ajoute_graphie("=._"); }                            /* 125 */
    | SSOUPL     { $$ = 24; ajoute_graphie("<._"); }                            /* 126 */
    | SDSOPL     { $$ = 12; ajoute_graphie(">._"); }                            /* 127 */
    | SQSOPL     { $$ = 6; ajoute_graphie("k._"); }                             /* 128 */
    | SHSOPL     { $$ = 3; ajoute_graphie("x._"); }                             /* 129 */
    | SPAUPPL    { $$ = 112; ajoute_graphie("-.._"); }                          /* 130 */
    | SDPAPPL    { $$ = 56; ajoute_graphie("=.._"); }                           /* 131 */
    | SSOUPPL    { $$ = 28; ajoute_graphie("<.._"); }                           /* 132 */
    | SDSOPPL    { $$ = 14; ajoute_graphie(">.._"); }                           /* 133 */
    | SQSOPPL    { $$ = 7; ajoute_graphie("k.._"); }                            /* 134 */
    ;

elt_ryt_L2
    : SRNDL2     { $$ = 64; ajoute_graphie("o_"); termine_temps(); }            /* 135 */
    | SBCLL2     { $$ = 32; ajoute_graphie("d_"); termine_temps(); }            /* 136 */
    | SNORL2     { $$ = 16; ajoute_graphie("!_"); termine_temps(); }            /* 137 */
    | SCRHL2     { $$ = 8; ajoute_graphie("[_"); termine_temps(); }             /* 138 */
    | SDBLL2     { $$ = 4; ajoute_graphie("f_"); termine_temps(); }             /* 139 */
    | STPLL2     { $$ = 2; ajoute_graphie("t_"); termine_temps(); }             /* 140 */
    | SQADL2     { $$ = 1; ajoute_graphie("q_"); termine_temps(); }             /* 141 */
    | SRNDPL2    { $$ = 96; ajoute_graphie("o._"); termine_temps(); }           /* 142 */
    | SBCLPL2    { $$ = 48; ajoute_graphie("d._"); termine_temps(); }           /* 143 */
    | SNORPL2    { $$ = 24; ajoute_graphie("!._"); termine_temps(); }           /* 144 */
    | SCRHPL2    { $$ = 12; ajoute_graphie("[._"); termine_temps(); }           /* 145 */
    | SDBLPL2    { $$ = 6; ajoute_graphie("f._"); termine_temps(); }            /* 146 */
    | STPLPL2    { $$ = 3; ajoute_graphie("t._"); termine_temps(); }            /* 147 */
    | SRNDPPL2   { $$ = 112; ajoute_graphie("o.._"); termine_temps(); }         /* 148 */
    | SBCLPPL2   { $$ = 56; ajoute_graphie("d.._"); termine_temps(); }          /* 149 */
    | SNORPPL2   { $$ = 28; ajoute_graphie("!.._"); termine_temps(); }          /* 150 */
    | SCRHPPL2   { $$ = 14; ajoute_graphie("[.._"); termine_temps(); }          /* 151 */
    | SDBLPPL2   { $$ = 7; ajoute_graphie("f.._"); termine_temps(); }           /* 152 */
    | SPAUL2     { $$ = 64; ajoute_graphie("-_"); termine_temps(); }            /* 153 */
    | SDPAL2     { $$ = 32; ajoute_graphie("=_"); termine_temps(); }            /* 154 */
    | SSOUL2     { $$ = 16; ajoute_graphie("<_"); termine_temps(); }            /* 155 */
    | SDSOL2     { $$ = 8; ajoute_graphie(">_"); termine_temps(); }             /* 156 */
    | SQSOL2     { $$ = 4; ajoute_graphie("k_"); termine_temps(); }             /* 157 */
    | SHSOL2     { $$ = 2; ajoute_graphie("x_"); termine_temps(); }             /* 158 */
    | SSSOL2     { $$ = 1; ajoute_graphie("w_"); termine_temps(); }             /* 159 */
    | SPAUPL2    { $$ = 96; ajoute_graphie("-._"); termine_temps(); }           /* 160 */
    | SDPAPL2    { $$ = 48; ajoute_graphie("=._"); termine_temps(); }           /* 161 */
    | SSOUPL2    { $$ = 24; ajoute_graphie("<._"); termine_temps(); }           /* 162 */
    | SDSOPL2    { $$ = 12; ajoute_graphie(">._"); termine_temps(); }           /* 163 */
    | SQSOPL2    { $$ = 6; ajoute_graphie("k._"); termine_temps(); }            /* 164 */
    | SHSOPL2    { $$ = 3; ajoute_graphie("x._"); termine_temps(); }            /* 165 */
    | SPAUPPL2   { $$ = 112; ajoute_graphie("-.._"); termine_temps(); }         /* 166 */
    | SDPAPPL2   { $$ = 56; ajoute_graphie("=.._"); termine_temps(); }          /* 167 */
    | SSOUPPL2   { $$ = 28; ajoute_graphie("<.._"); termine_temps(); }          /* 168 */
    | SDSOPPL2   { $$ = 14; ajoute_graphie(">.._"); termine_temps(); }          /* 169 */
    | SQSOPPL2   { $$ = 7; ajoute_graphie("k.._"); termine_temps(); }           /* 170 */
    ;

elt_ryt
    : note                                                                      /* 171 */
    | silence                                                                   /* 172 */
    ;

note
    : SRND       { $$ = 64; ajoute_graphie("o"); }                              /* 173 */
    | SBCL       { $$ = 32; ajoute_graphie("d"); }                              /* 174 */
    | SNOR       { $$ = 16; ajoute_graphie("!"); }                              /* 175 */
    | SCRH       { $$ = 8; ajoute_graphie("["); }                               /* 176 */
    | SDBL       { $$ = 4; ajoute_graphie("f"); }                               /* 177 */
    | STPL       { $$ = 2; ajoute_graphie("t"); }                               /* 178 */
    | SQAD       { $$ = 1; ajoute_graphie("q"); }                               /* 179 */
    | SRNDP      { $$ = 96; ajoute_graphie("o."); }                             /* 180 */
    | SBCLP      { $$ = 48; ajoute_graphie("d."); }                             /* 181 */
    | SNORP      { $$ = 24; ajoute_graphie("!."); }                             /* 182 */
    | SCRHP      { $$ = 12; ajoute_graphie("[."); }                             /* 183 */
    | SDBLP      { $$ = 6; ajoute_graphie("f."); }                              /* 184 */
    | STPLP      { $$ = 3; ajoute_graphie("t."); }                              /* 185 */
    | SRNDPP     { $$ = 112; ajoute_graphie("o.."); }                           /* 186 */
    | SBCLPP     { $$ = 56; ajoute_graphie("d.."); }                            /* 187 */
    | SNORPP     { $$ = 28; ajoute_graphie("!.."); }                            /* 188 */
    | SCRHPP     { $$ = 14; ajoute_graphie("[.."); }                            /* 189 */
    | SDBLPP     { $$ = 7; ajoute_graphie("f.."); }                             /* 190 */
    ;

silence
    : SPAU       { $$ = 64; ajoute_graphie("-"); }                              /* 191 */
    | SDPA       { $$ = 32; ajoute_graphie("="); }                              /* 192 */
    | SSOU       { $$ = 16; ajoute_graphie("<"); }                              /* 193 */
    | SDSO       { $$ = 8; ajoute_graphie(">"); }                               /* 194 */
    | SQSO       { $$ = 4; ajoute_graphie("k"); }                               /* 195 */
    | SHSO       { $$ = 2; ajoute_graphie("x"); }                               /* 196 */
    | SSSO       { $$ = 1; ajoute_graphie("w"); }                               /* 197 */
    | SPAUP      { $$ = 96; ajoute_graphie("-."); }                             /* 198 */
    | SDPAP      { $$ = 48; ajoute_graphie("=."); }                             /* 199 */
    | SSOUP      { $$ = 24; ajoute_graphie("<."); }                             /* 200 */
    | SDSOP      { $$ = 12; ajoute_graphie(">."); }                             /* 201 */
    | SQSOP      { $$ = 6; ajoute_graphie("k."); }                              /* 202 */
    | SHSOP      { $$ = 3; ajoute_graphie("x."); }                              /* 203 */
    | SPAUPP     { $$ = 112; ajoute_graphie("-.."); }                           /* 204 */
    | SDPAPP     { $$ = 56; ajoute_graphie("=.."); }                            /* 205 */
    | SSOUPP     { $$ = 28; ajoute_graphie("<.."); }                            /* 206 */
    | SDSOPP     { $$ = 14; ajoute_graphie(">.."); }                            /* 207 */
    | SQSOPP     { $$ = 7; ajoute_graphie("k.."); }                             /* 208 */
    ;

elt_ryt_E
    : SRNDE      { $$ = 64; ajoute_graphie("o"); termine_temps_espace(); }      /* 209 */
    | SBCLE      { $$ = 32; ajoute_graphie("d"); termine_temps_espace(); }      /* 210 */
    | SNORE      { $$ = 16; ajoute_graphie("!"); termine_temps_espace(); }      /* 211 */
    | SCRHE      { $$ = 8; ajoute_graphie("["); termine_temps_espace(); }       /* 212 */
    | SDBLE      { $$ = 4; ajoute_graphie("f"); termine_temps_espace(); }       /* 213 */
    | STPLE      { $$ = 2; ajoute_graphie("t"); termine_temps_espace(); }       /* 214 */
    | SQADE      { $$ = 1; ajoute_graphie("q"); termine_temps_espace(); }       /* 215 */
    | SRNDPE     { $$ = 96; ajoute_graphie("o."); termine_temps_espace(); }     /* 216 */
    | SBCLPE     { $$ = 48; ajoute_graphie("d."); termine_temps_espace(); }     /* 217 */
    | SNORPE     { $$ = 24; ajoute_graphie("!."); termine_temps_espace(); }     /* 218 */
    | SCRHPE     { $$ = 12; ajoute_graphie("[."); termine_temps_espace(); }     /* 219 */
    | SDBLPE     { $$ = 6; ajoute_graphie("f."); termine_temps_espace(); }      /* 220 */
    | STPLPE     { $$ = 3; ajoute_graphie("t."); termine_temps_espace(); }      /* 221 */
    | SRNDPPE    { $$ = 112; ajoute_graphie("o.."); termine_temps_espace(); }   /* 222 */
    | SBCLPPE    { $$ = 56; ajoute_graphie("d.."); termine_temps_espace(); }    /* 223 */
    | SNORPPE    { $$ = 28; ajoute_graphie("!.."); termine_temps_espace(); }    /* 224 */
    | SCRHPPE    { $$ = 14; ajoute_graphie("[.."); termine_temps_espace(); }    /* 225 */
    | SDBLPPE    { $$ = 7; ajoute_graphie("f.."); termine_temps_espace(); }     /* 226 */
    | SPAUE      { $$ = 64; ajoute_graphie("-"); termine_temps_espace(); }      /* 227 */
    | SDPAE      { $$ = 32; ajoute_graphie("="); termine_temps_espace(); }      /* 228 */
    | SSOUE      { $$ = 16; ajoute_graphie("<"); termine_temps_espace(); }      /* 229 */
    | SDSOE      { $$ = 8; ajoute_graphie(">"); termine_temps_espace(); }       /* 230 */
    | SQSOE      { $$ = 4; ajoute_graphie("k"); termine_temps_espace(); }       /* 231 */
    | SHSOE      { $$ = 2; ajoute_graphie("x"); termine_temps_espace(); }       /* 232 */
    | SSSOE      { $$ = 1; ajoute_graphie("w"); termine_temps_espace(); }       /* 233 */
    | SPAUPE     { $$ = 96; ajoute_graphie("-."); termine_temps_espace(); }     /* 234 */
    | SDPAPE     { $$ = 48; ajoute_graphie("=."); termine_temps_espace(); }     /* 235 */
    | SSOUPE     { $$ = 24; ajoute_graphie("<."); termine_temps_espace(); }     /* 236 */
    | SDSOPE     { $$ = 12; ajoute_graphie(">."); termine_temps_espace(); }     /* 237 */
    | SQSOPE     { $$ = 6; ajoute_graphie("k."); termine_temps_espace(); }      /* 238 */
    | SHSOPE     { $$ = 3; ajoute_graphie("x."); termine_temps_espace(); }      /* 239 */
    | SPAUPPE    { $$ = 112; ajoute_graphie("-.."); termine_temps_espace(); }   /* 240 */
    | SDPAPPE    { $$ = 56; ajoute_graphie("=.."); termine_temps_espace(); }    /* 241 */
    | SSOUPPE    { $$ = 28; ajoute_graphie("<.."); termine_temps_espace(); }    /* 242 */
    | SDSOPPE    { $$ = 14; ajoute_graphie(">.."); termine_temps_espace(); }    /* 243 */
    | SQSOPPE    { $$ = 7; ajoute_graphie("k.."); termine_temps_espace(); }     /* 244 */
    ;

elt_ryt_E2
    : SRNDE2     { $$ = 64; ajoute_graphie("o "); termine_temps(); }            /* 245 */
    | SBCLE2     { $$ = 32; ajoute_graphie("d "); termine_temps(); }            /* 246 */
    | SNORE2     { $$ = 16; ajoute_graphie("! "); termine_temps(); }            /* 247 */
    | SCRHE2     { $$ = 8; ajoute_graphie("[ "); termine_temps(); }             /* 248 */
    | SDBLE2     { $$ = 4; ajoute_graphie("f "); termine_temps(); }             /* 249 */
    | STPLE2     { $$ = 2; ajoute_graphie("t "); termine_temps(); }             /* 250 */
    | SQADE2     { $$ = 1; ajoute_graphie("q "); termine_temps(); }             /* 251 */
    | SRNDPE2    { $$ = 96; ajoute_graphie("o. "); termine_temps(); }           /* 252 */
    | SBCLPE2    { $$ = 48; ajoute_graphie("d. "); termine_temps(); }           /* 253 */
    | SNORPE2    { $$ = 24; ajoute_graphie("!. "); termine_temps(); }           /* 254 */
    | SCRHPE2    { $$ = 12; ajoute_graphie("[. "); termine_temps(); }           /* 255 */
    | SDBLPE2    { $$ = 6; ajoute_graphie("f. "); termine_temps(); }            /* 256 */
    | STPLPE2    { $$ = 3; ajoute_graphie("t. "); termine_temps(); }            /* 257 */
    | SRNDPPE2   { $$ = 112; ajoute_graphie("o.. "); termine_temps(); }         /* 258 */
    | SBCLPPE2   { $$ = 56; ajoute_graphie("d.. "); termine_temps(); }          /* 259 */
    | SNORPPE2   { $$ = 28; ajoute_graphie("!.. "); termine_temps(); }          /* 260 */
    | SCRHPPE2   { $$ = 14; ajoute_graphie("[.. "); termine_temps(); }          /* 261 */
    | SDBLPPE2   { $$ = 7; ajoute_graphie("f.. "); termine_temps(); }           /* 262 */
    | SPAUE2     { $$ = 64; ajoute_graphie("- "); termine_temps(); }            /* 263 */
    | SDPAE2     { $$ = 32; ajoute_graphie("= "); termine_temps(); }            /* 264 */
    | SSOUE2     { $$ = 16; ajoute_graphie("< "); termine_temps(); }            /* 265 */
    | SDSOE2     { $$ = 8; ajoute_graphie("> "); termine_temps(); }             /* 266 */
    | SQSOE2     { $$ = 4; ajoute_graphie("k "); termine_temps(); }             /* 267 */
    | SHSOE2     { $$ = 2; ajoute_graphie("x "); termine_temps(); }             /* 268 */
    | SSSOE2     { $$ = 1; ajoute_graphie("w "); termine_temps(); }             /* 269 */
    | SPAUPE2    { $$ = 96; ajoute_graphie("-. "); termine_temps(); }           /* 270 */
    | SDPAPE2    { $$ = 48; ajoute_graphie("=. "); termine_temps(); }           /* 271 */
    | SSOUPE2    { $$ = 24; ajoute_graphie("<. "); termine_temps(); }           /* 272 */
    | SDSOPE2    { $$ = 12; ajoute_graphie(">. "); termine_temps(); }           /* 273 */
    | SQSOPE2    { $$ = 6; ajoute_graphie("k. "); termine_temps(); }            /* 274 */
    | SHSOPE2    { $$ = 3; ajoute_graphie("x. "); termine_temps(); }            /* 275 */
    | SPAUPPE2   { $$ = 112; ajoute_graphie("-.. "); termine_temps(); }         /* 276 */
    | SDPAPPE2   { $$ = 56; ajoute_graphie("=.. "); termine_temps(); }          /* 277 */
    | SSOUPPE2   { $$ = 28; ajoute_graphie("<.. "); termine_temps(); }          /* 278 */
    | SDSOPPE2   { $$ = 14; ajoute_graphie(">.. "); termine_temps(); }          /* 279 */
    | SQSOPPE2   { $$ = 7; ajoute_graphie("k.. "); termine_temps(); }           /* 280 */
    ;

%%

/* The automaton this grammar was designed with: 291 states, and 281 rules
 * counting the augmenting one. A change that alters either is a change of
 * the language. */
static_assert(YYNSTATES == 291, "the parser's automaton must have 291 states");
static_assert(YYNRULES == 281, "the grammar must have productions 0 to 280");

/* Reading the tables (yacc.c skeleton, LALR). Symbols have internal numbers:
 * the terminals from 0 to YYNTOKENS - 1 ("end of file" 0, error 1, "invalid
 * token" 2, then the declared tokens, yytranslate mapping their codes), then
 * the nonterminals. For a state s and a terminal t:
 * - yypact[s] == YYPACT_NINF: s does its default action without reading;
 * - otherwise, with i = yypact[s] + t, when 0 <= i <= YYLAST and
 *   yycheck[i] == t, yytable[i] is an action written for t (> 0 shift to that
 *   state, < 0 reduce by rule -yytable[i]; this grammar has no explicit error
 *   entries, yytable_value_is_error is constant 0);
 * - else s does its default action: reduce by rule yydefact[s], 0 for error.
 * yystos[s] is the symbol that leads into s, yytname names every symbol.
 * YYFINAL accepts as soon as it is entered, consulting nothing.
 * yypact_value_is_default is redefined by the coverage hooks: compare with
 * YYPACT_NINF directly here. */
static_assert(YYNSTATES == nbEtatsAnalyseur && YYNTOKENS == nbTerminauxAnalyseur && YYNRULES == nbProductions,
              "parser/couverture.h must give the automaton's size");

#ifdef RYTHME_COUVERTURE

ActionTable action_table(int etatAutomate, int terminal) {
  if (yypact[etatAutomate] != YYPACT_NINF) {
    const int i = yypact[etatAutomate] + terminal;
    if (0 <= i && i <= YYLAST && yycheck[i] == terminal) return ActionTable::explicite;
  }
  return yydefact[etatAutomate] != 0 ? ActionTable::defaut : ActionTable::erreur;
}

bool reduit_sans_jeton(int etatAutomate) {
  return etatAutomate != YYFINAL && yypact[etatAutomate] == YYPACT_NINF && yydefact[etatAutomate] != 0;
}

const char* symbole_d_acces(int etatAutomate) { return etatAutomate == 0 ? "(start)" : yytname[yystos[etatAutomate]]; }

int terminal_du_jeton(int code) { return YYTRANSLATE(code); }

const char* nom_symbole(int symbole) { return yytname[symbole]; }

/* A recorded look-up: the lookahead is the global yychar, already read unless
 * the state needs none or the engine is about to read it (note_jeton_lu). */
void note_etat_consulte(int etatAutomate, int pact) {
  if (pact == YYPACT_NINF)
    marque_consultation(etatAutomate, colonneSansJeton);
  else if (yychar != YYEMPTY)
    marque_consultation(etatAutomate, yychar <= YYEOF ? YYSYMBOL_YYEOF : YYTRANSLATE(yychar));
}

/* The token just read is consulted at once in the state that asked for it,
 * except the abandon code (YYerror), which goes straight to error recovery. */
int note_jeton_lu(int etatAutomate, int jeton) {
  if (jeton != YYerror) marque_consultation(etatAutomate, jeton <= YYEOF ? YYSYMBOL_YYEOF : YYTRANSLATE(jeton));
  return jeton;
}
#endif
