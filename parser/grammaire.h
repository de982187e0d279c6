/* A Bison parser, made by GNU Bison.  */

/* Bison interface for Yacc-like parsers in C

   Copyright (C) 1984, 1989-1990, 2000-2015, 2018-2021 Free Software Foundation,
   Inc.

   This program is free software: you can redistribute it and/or modify
   it under the terms of the GNU General Public License as published by
   the Free Software Foundation, either version 3 of the License, or
   (at your option) any later version.

   This program is distributed in the hope that it will be useful,
   but WITHOUT ANY WARRANTY; without even the implied warranty of
   MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.  See the
   GNU General Public License for more details.

   You should have received a copy of the GNU General Public License
   along with this program.  If not, see <https://www.gnu.org/licenses/>.  */

/* As a special exception, you may create a larger work that contains
   part or all of the Bison parser skeleton and distribute that work
   under terms of your choice, so long as that work isn't itself a
   parser generator using the skeleton or a modified version thereof
   as a parser skeleton.  Alternatively, if you modify or redistribute
   the parser skeleton itself, you may (at your option) remove this
   special exception, which will cause the skeleton and the resulting
   Bison output files to be licensed under the GNU General Public
   License without this special exception.

   This special exception was added by the Free Software Foundation in
   version 2.2 of Bison.  */

/* DO NOT RELY ON FEATURES THAT ARE NOT DOCUMENTED in the manual,
   especially those whose name start with YY_ or yy_.  They are
   private implementation details that can be changed or removed.  */

#ifndef YY_YY_GRAMMAIRE_H_INCLUDED
# define YY_YY_GRAMMAIRE_H_INCLUDED
/* Debug traces.  */
#ifndef YYDEBUG
# define YYDEBUG 0
#endif
#if YYDEBUG
extern int yydebug;
#endif
/* "%code requires" blocks.  */

#include <cstdint>


/* Token kinds.  */
#ifndef YYTOKENTYPE
# define YYTOKENTYPE
  enum yytokentype
  {
    YYEMPTY = -2,
    YYEOF = 0,                     /* "end of file"  */
    YYerror = 256,                 /* error  */
    YYUNDEF = 450,                 /* "invalid token"  */
    CHG_MESURE = 257,              /* CHG_MESURE  */
    DBL_BARRE = 258,               /* DBL_BARRE  */
    SBARRE_LIURE = 259,            /* SBARRE_LIURE  */
    SFIN_MESURE2 = 260,            /* SFIN_MESURE2  */
    SRND = 261,                    /* SRND  */
    SRNDP = 262,                   /* SRNDP  */
    SRNDPP = 263,                  /* SRNDPP  */
    SBCL = 264,                    /* SBCL  */
    SBCLP = 265,                   /* SBCLP  */
    SBCLPP = 266,                  /* SBCLPP  */
    SNOR = 267,                    /* SNOR  */
    SNORP = 268,                   /* SNORP  */
    SNORPP = 269,                  /* SNORPP  */
    SCRH = 270,                    /* SCRH  */
    SCRHP = 271,                   /* SCRHP  */
    SCRHPP = 272,                  /* SCRHPP  */
    SDBL = 273,                    /* SDBL  */
    SDBLP = 274,                   /* SDBLP  */
    SDBLPP = 275,                  /* SDBLPP  */
    STPL = 276,                    /* STPL  */
    STPLP = 277,                   /* STPLP  */
    SQAD = 278,                    /* SQAD  */
    SRNDE = 279,                   /* SRNDE  */
    SRNDPE = 280,                  /* SRNDPE  */
    SRNDPPE = 281,                 /* SRNDPPE  */
    SBCLE = 282,                   /* SBCLE  */
    SBCLPE = 283,                  /* SBCLPE  */
    SBCLPPE = 284,                 /* SBCLPPE  */
    SNORE = 285,                   /* SNORE  */
    SNORPE = 286,                  /* SNORPE  */
    SNORPPE = 287,                 /* SNORPPE  */
    SCRHE = 288,                   /* SCRHE  */
    SCRHPE = 289,                  /* SCRHPE  */
    SCRHPPE = 290,                 /* SCRHPPE  */
    SDBLE = 291,                   /* SDBLE  */
    SDBLPE = 292,                  /* SDBLPE  */
    SDBLPPE = 293,                 /* SDBLPPE  */
    STPLE = 294,                   /* STPLE  */
    STPLPE = 295,                  /* STPLPE  */
    SQADE = 296,                   /* SQADE  */
    SRNDE2 = 297,                  /* SRNDE2  */
    SRNDPE2 = 298,                 /* SRNDPE2  */
    SRNDPPE2 = 299,                /* SRNDPPE2  */
    SBCLE2 = 300,                  /* SBCLE2  */
    SBCLPE2 = 301,                 /* SBCLPE2  */
    SBCLPPE2 = 302,                /* SBCLPPE2  */
    SNORE2 = 303,                  /* SNORE2  */
    SNORPE2 = 304,                 /* SNORPE2  */
    SNORPPE2 = 305,                /* SNORPPE2  */
    SCRHE2 = 306,                  /* SCRHE2  */
    SCRHPE2 = 307,                 /* SCRHPE2  */
    SCRHPPE2 = 308,                /* SCRHPPE2  */
    SDBLE2 = 309,                  /* SDBLE2  */
    SDBLPE2 = 310,                 /* SDBLPE2  */
    SDBLPPE2 = 311,                /* SDBLPPE2  */
    STPLE2 = 312,                  /* STPLE2  */
    STPLPE2 = 313,                 /* STPLPE2  */
    SQADE2 = 314,                  /* SQADE2  */
    SRNDL = 315,                   /* SRNDL  */
    SRNDPL = 316,                  /* SRNDPL  */
    SRNDPPL = 317,                 /* SRNDPPL  */
    SBCLL = 318,                   /* SBCLL  */
    SBCLPL = 319,                  /* SBCLPL  */
    SBCLPPL = 320,                 /* SBCLPPL  */
    SNORL = 321,                   /* SNORL  */
    SNORPL = 322,                  /* SNORPL  */
    SNORPPL = 323,                 /* SNORPPL  */
    SCRHL = 324,                   /* SCRHL  */
    SCRHPL = 325,                  /* SCRHPL  */
    SCRHPPL = 326,                 /* SCRHPPL  */
    SDBLL = 327,                   /* SDBLL  */
    SDBLPL = 328,                  /* SDBLPL  */
    SDBLPPL = 329,                 /* SDBLPPL  */
    STPLL = 330,                   /* STPLL  */
    STPLPL = 331,                  /* STPLPL  */
    SQADL = 332,                   /* SQADL  */
    SRNDL2 = 333,                  /* SRNDL2  */
    SRNDPL2 = 334,                 /* SRNDPL2  */
    SRNDPPL2 = 335,                /* SRNDPPL2  */
    SBCLL2 = 336,                  /* SBCLL2  */
    SBCLPL2 = 337,                 /* SBCLPL2  */
    SBCLPPL2 = 338,                /* SBCLPPL2  */
    SNORL2 = 339,                  /* SNORL2  */
    SNORPL2 = 340,                 /* SNORPL2  */
    SNORPPL2 = 341,                /* SNORPPL2  */
    SCRHL2 = 342,                  /* SCRHL2  */
    SCRHPL2 = 343,                 /* SCRHPL2  */
    SCRHPPL2 = 344,                /* SCRHPPL2  */
    SDBLL2 = 345,                  /* SDBLL2  */
    SDBLPL2 = 346,                 /* SDBLPL2  */
    SDBLPPL2 = 347,                /* SDBLPPL2  */
    STPLL2 = 348,                  /* STPLL2  */
    STPLPL2 = 349,                 /* STPLPL2  */
    SQADL2 = 350,                  /* SQADL2  */
    SPAU = 351,                    /* SPAU  */
    SPAUP = 352,                   /* SPAUP  */
    SPAUPP = 353,                  /* SPAUPP  */
    SDPA = 354,                    /* SDPA  */
    SDPAP = 355,                   /* SDPAP  */
    SDPAPP = 356,                  /* SDPAPP  */
    SSOU = 357,                    /* SSOU  */
    SSOUP = 358,                   /* SSOUP  */
    SSOUPP = 359,                  /* SSOUPP  */
    SDSO = 360,                    /* SDSO  */
    SDSOP = 361,                   /* SDSOP  */
    SDSOPP = 362,                  /* SDSOPP  */
    SQSO = 363,                    /* SQSO  */
    SQSOP = 364,                   /* SQSOP  */
    SQSOPP = 365,                  /* SQSOPP  */
    SHSO = 366,                    /* SHSO  */
    SHSOP = 367,                   /* SHSOP  */
    SSSO = 368,                    /* SSSO  */
    SPAUE = 369,                   /* SPAUE  */
    SPAUPE = 370,                  /* SPAUPE  */
    SPAUPPE = 371,                 /* SPAUPPE  */
    SDPAE = 372,                   /* SDPAE  */
    SDPAPE = 373,                  /* SDPAPE  */
    SDPAPPE = 374,                 /* SDPAPPE  */
    SSOUE = 375,                   /* SSOUE  */
    SSOUPE = 376,                  /* SSOUPE  */
    SSOUPPE = 377,                 /* SSOUPPE  */
    SDSOE = 378,                   /* SDSOE  */
    SDSOPE = 379,                  /* SDSOPE  */
    SDSOPPE = 380,                 /* SDSOPPE  */
    SQSOE = 381,                   /* SQSOE  */
    SQSOPE = 382,                  /* SQSOPE  */
    SQSOPPE = 383,                 /* SQSOPPE  */
    SHSOE = 384,                   /* SHSOE  */
    SHSOPE = 385,                  /* SHSOPE  */
    SSSOE = 386,                   /* SSSOE  */
    SPAUE2 = 387,                  /* SPAUE2  */
    SPAUPE2 = 388,                 /* SPAUPE2  */
    SPAUPPE2 = 389,                /* SPAUPPE2  */
    SDPAE2 = 390,                  /* SDPAE2  */
    SDPAPE2 = 391,                 /* SDPAPE2  */
    SDPAPPE2 = 392,                /* SDPAPPE2  */
    SSOUE2 = 393,                  /* SSOUE2  */
    SSOUPE2 = 394,                 /* SSOUPE2  */
    SSOUPPE2 = 395,                /* SSOUPPE2  */
    SDSOE2 = 396,                  /* SDSOE2  */
    SDSOPE2 = 397,                 /* SDSOPE2  */
    SDSOPPE2 = 398,                /* SDSOPPE2  */
    SQSOE2 = 399,                  /* SQSOE2  */
    SQSOPE2 = 400,                 /* SQSOPE2  */
    SQSOPPE2 = 401,                /* SQSOPPE2  */
    SHSOE2 = 402,                  /* SHSOE2  */
    SHSOPE2 = 403,                 /* SHSOPE2  */
    SSSOE2 = 404,                  /* SSSOE2  */
    SPAUL = 405,                   /* SPAUL  */
    SPAUPL = 406,                  /* SPAUPL  */
    SPAUPPL = 407,                 /* SPAUPPL  */
    SDPAL = 408,                   /* SDPAL  */
    SDPAPL = 409,                  /* SDPAPL  */
    SDPAPPL = 410,                 /* SDPAPPL  */
    SSOUL = 411,                   /* SSOUL  */
    SSOUPL = 412,                  /* SSOUPL  */
    SSOUPPL = 413,                 /* SSOUPPL  */
    SDSOL = 414,                   /* SDSOL  */
    SDSOPL = 415,                  /* SDSOPL  */
    SDSOPPL = 416,                 /* SDSOPPL  */
    SQSOL = 417,                   /* SQSOL  */
    SQSOPL = 418,                  /* SQSOPL  */
    SQSOPPL = 419,                 /* SQSOPPL  */
    SHSOL = 420,                   /* SHSOL  */
    SHSOPL = 421,                  /* SHSOPL  */
    SSSOL = 422,                   /* SSSOL  */
    SPAUL2 = 423,                  /* SPAUL2  */
    SPAUPL2 = 424,                 /* SPAUPL2  */
    SPAUPPL2 = 425,                /* SPAUPPL2  */
    SDPAL2 = 426,                  /* SDPAL2  */
    SDPAPL2 = 427,                 /* SDPAPL2  */
    SDPAPPL2 = 428,                /* SDPAPPL2  */
    SSOUL2 = 429,                  /* SSOUL2  */
    SSOUPL2 = 430,                 /* SSOUPL2  */
    SSOUPPL2 = 431,                /* SSOUPPL2  */
    SDSOL2 = 432,                  /* SDSOL2  */
    SDSOPL2 = 433,                 /* SDSOPL2  */
    SDSOPPL2 = 434,                /* SDSOPPL2  */
    SQSOL2 = 435,                  /* SQSOL2  */
    SQSOPL2 = 436,                 /* SQSOPL2  */
    SQSOPPL2 = 437,                /* SQSOPPL2  */
    SHSOL2 = 438,                  /* SHSOL2  */
    SHSOPL2 = 439,                 /* SHSOPL2  */
    SSSOL2 = 440,                  /* SSSOL2  */
    SPAR_FEME = 441,               /* SPAR_FEME  */
    SPAR_FEME2 = 442,              /* SPAR_FEME2  */
    SPAR_FEML = 443,               /* SPAR_FEML  */
    SPAR_FEML2 = 444,              /* SPAR_FEML2  */
    SPAR_FEMI = 445,               /* SPAR_FEMI  */
    SPAR_FEMEI = 446,              /* SPAR_FEMEI  */
    SPAR_FEMEI2 = 447,             /* SPAR_FEMEI2  */
    SPAR_FEMLI = 448,              /* SPAR_FEMLI  */
    SPAR_FEMLI2 = 449              /* SPAR_FEMLI2  */
  };
  typedef enum yytokentype yytoken_kind_t;
#endif

/* Value type.  */
#if ! defined YYSTYPE && ! defined YYSTYPE_IS_DECLARED
typedef int32_t YYSTYPE;
# define YYSTYPE_IS_TRIVIAL 1
# define YYSTYPE_IS_DECLARED 1
#endif


extern YYSTYPE yylval;


int yyparse (void);

/* "%code provides" blocks.  */

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


#endif /* !YY_YY_GRAMMAIRE_H_INCLUDED  */
