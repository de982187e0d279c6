/* A Bison parser, made by GNU Bison.  */

/* Bison implementation for Yacc-like parsers in C

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

/* C LALR(1) parser skeleton written by Richard Stallman, by
   simplifying the original so-called "semantic" parser.  */

/* DO NOT RELY ON FEATURES THAT ARE NOT DOCUMENTED in the manual,
   especially those whose name start with YY_ or yy_.  They are
   private implementation details that can be changed or removed.  */

/* All symbols defined below should begin with yy or YY, to avoid
   infringing on user name space.  This should be done even for local
   variables, as they might otherwise be expanded by user macros.
   There are some unavoidable exceptions within include files to
   define necessary library symbols; they are noted "INFRINGES ON
   USER NAME SPACE" below.  */

/* Identify Bison output, and Bison version.  */
#define YYBISON 1

/* Skeleton name.  */
#define YYSKELETON_NAME "yacc.c"

/* Pure parsers.  */
#define YYPURE 0

/* Push parsers.  */
#define YYPUSH 0

/* Pull parsers.  */
#define YYPULL 1





# ifndef YY_CAST
#  ifdef __cplusplus
#   define YY_CAST(Type, Val) static_cast<Type> (Val)
#   define YY_REINTERPRET_CAST(Type, Val) reinterpret_cast<Type> (Val)
#  else
#   define YY_CAST(Type, Val) ((Type) (Val))
#   define YY_REINTERPRET_CAST(Type, Val) ((Type) (Val))
#  endif
# endif
# ifndef YY_NULLPTR
#  if defined __cplusplus
#   if 201103L <= __cplusplus
#    define YY_NULLPTR nullptr
#   else
#    define YY_NULLPTR 0
#   endif
#  else
#   define YY_NULLPTR ((void*)0)
#  endif
# endif

#include "parser/grammaire.h"
/* Symbol kind.  */
enum yysymbol_kind_t
{
  YYSYMBOL_YYEMPTY = -2,
  YYSYMBOL_YYEOF = 0,                      /* "end of file"  */
  YYSYMBOL_YYerror = 1,                    /* error  */
  YYSYMBOL_YYUNDEF = 2,                    /* "invalid token"  */
  YYSYMBOL_CHG_MESURE = 3,                 /* CHG_MESURE  */
  YYSYMBOL_DBL_BARRE = 4,                  /* DBL_BARRE  */
  YYSYMBOL_SBARRE_LIURE = 5,               /* SBARRE_LIURE  */
  YYSYMBOL_SFIN_MESURE2 = 6,               /* SFIN_MESURE2  */
  YYSYMBOL_SRND = 7,                       /* SRND  */
  YYSYMBOL_SRNDP = 8,                      /* SRNDP  */
  YYSYMBOL_SRNDPP = 9,                     /* SRNDPP  */
  YYSYMBOL_SBCL = 10,                      /* SBCL  */
  YYSYMBOL_SBCLP = 11,                     /* SBCLP  */
  YYSYMBOL_SBCLPP = 12,                    /* SBCLPP  */
  YYSYMBOL_SNOR = 13,                      /* SNOR  */
  YYSYMBOL_SNORP = 14,                     /* SNORP  */
  YYSYMBOL_SNORPP = 15,                    /* SNORPP  */
  YYSYMBOL_SCRH = 16,                      /* SCRH  */
  YYSYMBOL_SCRHP = 17,                     /* SCRHP  */
  YYSYMBOL_SCRHPP = 18,                    /* SCRHPP  */
  YYSYMBOL_SDBL = 19,                      /* SDBL  */
  YYSYMBOL_SDBLP = 20,                     /* SDBLP  */
  YYSYMBOL_SDBLPP = 21,                    /* SDBLPP  */
  YYSYMBOL_STPL = 22,                      /* STPL  */
  YYSYMBOL_STPLP = 23,                     /* STPLP  */
  YYSYMBOL_SQAD = 24,                      /* SQAD  */
  YYSYMBOL_SRNDE = 25,                     /* SRNDE  */
  YYSYMBOL_SRNDPE = 26,                    /* SRNDPE  */
  YYSYMBOL_SRNDPPE = 27,                   /* SRNDPPE  */
  YYSYMBOL_SBCLE = 28,                     /* SBCLE  */
  YYSYMBOL_SBCLPE = 29,                    /* SBCLPE  */
  YYSYMBOL_SBCLPPE = 30,                   /* SBCLPPE  */
  YYSYMBOL_SNORE = 31,                     /* SNORE  */
  YYSYMBOL_SNORPE = 32,                    /* SNORPE  */
  YYSYMBOL_SNORPPE = 33,                   /* SNORPPE  */
  YYSYMBOL_SCRHE = 34,                     /* SCRHE  */
  YYSYMBOL_SCRHPE = 35,                    /* SCRHPE  */
  YYSYMBOL_SCRHPPE = 36,                   /* SCRHPPE  */
  YYSYMBOL_SDBLE = 37,                     /* SDBLE  */
  YYSYMBOL_SDBLPE = 38,                    /* SDBLPE  */
  YYSYMBOL_SDBLPPE = 39,                   /* SDBLPPE  */
  YYSYMBOL_STPLE = 40,                     /* STPLE  */
  YYSYMBOL_STPLPE = 41,                    /* STPLPE  */
  YYSYMBOL_SQADE = 42,                     /* SQADE  */
  YYSYMBOL_SRNDE2 = 43,                    /* SRNDE2  */
  YYSYMBOL_SRNDPE2 = 44,                   /* SRNDPE2  */
  YYSYMBOL_SRNDPPE2 = 45,                  /* SRNDPPE2  */
  YYSYMBOL_SBCLE2 = 46,                    /* SBCLE2  */
  YYSYMBOL_SBCLPE2 = 47,                   /* SBCLPE2  */
  YYSYMBOL_SBCLPPE2 = 48,                  /* SBCLPPE2  */
  YYSYMBOL_SNORE2 = 49,                    /* SNORE2  */
  YYSYMBOL_SNORPE2 = 50,                   /* SNORPE2  */
  YYSYMBOL_SNORPPE2 = 51,                  /* SNORPPE2  */
  YYSYMBOL_SCRHE2 = 52,                    /* SCRHE2  */
  YYSYMBOL_SCRHPE2 = 53,                   /* SCRHPE2  */
  YYSYMBOL_SCRHPPE2 = 54,                  /* SCRHPPE2  */
  YYSYMBOL_SDBLE2 = 55,                    /* SDBLE2  */
  YYSYMBOL_SDBLPE2 = 56,                   /* SDBLPE2  */
  YYSYMBOL_SDBLPPE2 = 57,                  /* SDBLPPE2  */
  YYSYMBOL_STPLE2 = 58,                    /* STPLE2  */
  YYSYMBOL_STPLPE2 = 59,                   /* STPLPE2  */
  YYSYMBOL_SQADE2 = 60,                    /* SQADE2  */
  YYSYMBOL_SRNDL = 61,                     /* SRNDL  */
  YYSYMBOL_SRNDPL = 62,                    /* SRNDPL  */
  YYSYMBOL_SRNDPPL = 63,                   /* SRNDPPL  */
  YYSYMBOL_SBCLL = 64,                     /* SBCLL  */
  YYSYMBOL_SBCLPL = 65,                    /* SBCLPL  */
  YYSYMBOL_SBCLPPL = 66,                   /* SBCLPPL  */
  YYSYMBOL_SNORL = 67,                     /* SNORL  */
  YYSYMBOL_SNORPL = 68,                    /* SNORPL  */
  YYSYMBOL_SNORPPL = 69,                   /* SNORPPL  */
  YYSYMBOL_SCRHL = 70,                     /* SCRHL  */
  YYSYMBOL_SCRHPL = 71,                    /* SCRHPL  */
  YYSYMBOL_SCRHPPL = 72,                   /* SCRHPPL  */
  YYSYMBOL_SDBLL = 73,                     /* SDBLL  */
  YYSYMBOL_SDBLPL = 74,                    /* SDBLPL  */
  YYSYMBOL_SDBLPPL = 75,                   /* SDBLPPL  */
  YYSYMBOL_STPLL = 76,                     /* STPLL  */
  YYSYMBOL_STPLPL = 77,                    /* STPLPL  */
  YYSYMBOL_SQADL = 78,                     /* SQADL  */
  YYSYMBOL_SRNDL2 = 79,                    /* SRNDL2  */
  YYSYMBOL_SRNDPL2 = 80,                   /* SRNDPL2  */
  YYSYMBOL_SRNDPPL2 = 81,                  /* SRNDPPL2  */
  YYSYMBOL_SBCLL2 = 82,                    /* SBCLL2  */
  YYSYMBOL_SBCLPL2 = 83,                   /* SBCLPL2  */
  YYSYMBOL_SBCLPPL2 = 84,                  /* SBCLPPL2  */
  YYSYMBOL_SNORL2 = 85,                    /* SNORL2  */
  YYSYMBOL_SNORPL2 = 86,                   /* SNORPL2  */
  YYSYMBOL_SNORPPL2 = 87,                  /* SNORPPL2  */
  YYSYMBOL_SCRHL2 = 88,                    /* SCRHL2  */
  YYSYMBOL_SCRHPL2 = 89,                   /* SCRHPL2  */
  YYSYMBOL_SCRHPPL2 = 90,                  /* SCRHPPL2  */
  YYSYMBOL_SDBLL2 = 91,                    /* SDBLL2  */
  YYSYMBOL_SDBLPL2 = 92,                   /* SDBLPL2  */
  YYSYMBOL_SDBLPPL2 = 93,                  /* SDBLPPL2  */
  YYSYMBOL_STPLL2 = 94,                    /* STPLL2  */
  YYSYMBOL_STPLPL2 = 95,                   /* STPLPL2  */
  YYSYMBOL_SQADL2 = 96,                    /* SQADL2  */
  YYSYMBOL_SPAU = 97,                      /* SPAU  */
  YYSYMBOL_SPAUP = 98,                     /* SPAUP  */
  YYSYMBOL_SPAUPP = 99,                    /* SPAUPP  */
  YYSYMBOL_SDPA = 100,                     /* SDPA  */
  YYSYMBOL_SDPAP = 101,                    /* SDPAP  */
  YYSYMBOL_SDPAPP = 102,                   /* SDPAPP  */
  YYSYMBOL_SSOU = 103,                     /* SSOU  */
  YYSYMBOL_SSOUP = 104,                    /* SSOUP  */
  YYSYMBOL_SSOUPP = 105,                   /* SSOUPP  */
  YYSYMBOL_SDSO = 106,                     /* SDSO  */
  YYSYMBOL_SDSOP = 107,                    /* SDSOP  */
  YYSYMBOL_SDSOPP = 108,                   /* SDSOPP  */
  YYSYMBOL_SQSO = 109,                     /* SQSO  */
  YYSYMBOL_SQSOP = 110,                    /* SQSOP  */
  YYSYMBOL_SQSOPP = 111,                   /* SQSOPP  */
  YYSYMBOL_SHSO = 112,                     /* SHSO  */
  YYSYMBOL_SHSOP = 113,                    /* SHSOP  */
  YYSYMBOL_SSSO = 114,                     /* SSSO  */
  YYSYMBOL_SPAUE = 115,                    /* SPAUE  */
  YYSYMBOL_SPAUPE = 116,                   /* SPAUPE  */
  YYSYMBOL_SPAUPPE = 117,                  /* SPAUPPE  */
  YYSYMBOL_SDPAE = 118,                    /* SDPAE  */
  YYSYMBOL_SDPAPE = 119,                   /* SDPAPE  */
  YYSYMBOL_SDPAPPE = 120,                  /* SDPAPPE  */
  YYSYMBOL_SSOUE = 121,                    /* SSOUE  */
  YYSYMBOL_SSOUPE = 122,                   /* SSOUPE  */
  YYSYMBOL_SSOUPPE = 123,                  /* SSOUPPE  */
  YYSYMBOL_SDSOE = 124,                    /* SDSOE  */
  YYSYMBOL_SDSOPE = 125,                   /* SDSOPE  */
  YYSYMBOL_SDSOPPE = 126,                  /* SDSOPPE  */
  YYSYMBOL_SQSOE = 127,                    /* SQSOE  */
  YYSYMBOL_SQSOPE = 128,                   /* SQSOPE  */
  YYSYMBOL_SQSOPPE = 129,                  /* SQSOPPE  */
  YYSYMBOL_SHSOE = 130,                    /* SHSOE  */
  YYSYMBOL_SHSOPE = 131,                   /* SHSOPE  */
  YYSYMBOL_SSSOE = 132,                    /* SSSOE  */
  YYSYMBOL_SPAUE2 = 133,                   /* SPAUE2  */
  YYSYMBOL_SPAUPE2 = 134,                  /* SPAUPE2  */
  YYSYMBOL_SPAUPPE2 = 135,                 /* SPAUPPE2  */
  YYSYMBOL_SDPAE2 = 136,                   /* SDPAE2  */
  YYSYMBOL_SDPAPE2 = 137,                  /* SDPAPE2  */
  YYSYMBOL_SDPAPPE2 = 138,                 /* SDPAPPE2  */
  YYSYMBOL_SSOUE2 = 139,                   /* SSOUE2  */
  YYSYMBOL_SSOUPE2 = 140,                  /* SSOUPE2  */
  YYSYMBOL_SSOUPPE2 = 141,                 /* SSOUPPE2  */
  YYSYMBOL_SDSOE2 = 142,                   /* SDSOE2  */
  YYSYMBOL_SDSOPE2 = 143,                  /* SDSOPE2  */
  YYSYMBOL_SDSOPPE2 = 144,                 /* SDSOPPE2  */
  YYSYMBOL_SQSOE2 = 145,                   /* SQSOE2  */
  YYSYMBOL_SQSOPE2 = 146,                  /* SQSOPE2  */
  YYSYMBOL_SQSOPPE2 = 147,                 /* SQSOPPE2  */
  YYSYMBOL_SHSOE2 = 148,                   /* SHSOE2  */
  YYSYMBOL_SHSOPE2 = 149,                  /* SHSOPE2  */
  YYSYMBOL_SSSOE2 = 150,                   /* SSSOE2  */
  YYSYMBOL_SPAUL = 151,                    /* SPAUL  */
  YYSYMBOL_SPAUPL = 152,                   /* SPAUPL  */
  YYSYMBOL_SPAUPPL = 153,                  /* SPAUPPL  */
  YYSYMBOL_SDPAL = 154,                    /* SDPAL  */
  YYSYMBOL_SDPAPL = 155,                   /* SDPAPL  */
  YYSYMBOL_SDPAPPL = 156,                  /* SDPAPPL  */
  YYSYMBOL_SSOUL = 157,                    /* SSOUL  */
  YYSYMBOL_SSOUPL = 158,                   /* SSOUPL  */
  YYSYMBOL_SSOUPPL = 159,                  /* SSOUPPL  */
  YYSYMBOL_SDSOL = 160,                    /* SDSOL  */
  YYSYMBOL_SDSOPL = 161,                   /* SDSOPL  */
  YYSYMBOL_SDSOPPL = 162,                  /* SDSOPPL  */
  YYSYMBOL_SQSOL = 163,                    /* SQSOL  */
  YYSYMBOL_SQSOPL = 164,                   /* SQSOPL  */
  YYSYMBOL_SQSOPPL = 165,                  /* SQSOPPL  */
  YYSYMBOL_SHSOL = 166,                    /* SHSOL  */
  YYSYMBOL_SHSOPL = 167,                   /* SHSOPL  */
  YYSYMBOL_SSSOL = 168,                    /* SSSOL  */
  YYSYMBOL_SPAUL2 = 169,                   /* SPAUL2  */
  YYSYMBOL_SPAUPL2 = 170,                  /* SPAUPL2  */
  YYSYMBOL_SPAUPPL2 = 171,                 /* SPAUPPL2  */
  YYSYMBOL_SDPAL2 = 172,                   /* SDPAL2  */
  YYSYMBOL_SDPAPL2 = 173,                  /* SDPAPL2  */
  YYSYMBOL_SDPAPPL2 = 174,                 /* SDPAPPL2  */
  YYSYMBOL_SSOUL2 = 175,                   /* SSOUL2  */
  YYSYMBOL_SSOUPL2 = 176,                  /* SSOUPL2  */
  YYSYMBOL_SSOUPPL2 = 177,                 /* SSOUPPL2  */
  YYSYMBOL_SDSOL2 = 178,                   /* SDSOL2  */
  YYSYMBOL_SDSOPL2 = 179,                  /* SDSOPL2  */
  YYSYMBOL_SDSOPPL2 = 180,                 /* SDSOPPL2  */
  YYSYMBOL_SQSOL2 = 181,                   /* SQSOL2  */
  YYSYMBOL_SQSOPL2 = 182,                  /* SQSOPL2  */
  YYSYMBOL_SQSOPPL2 = 183,                 /* SQSOPPL2  */
  YYSYMBOL_SHSOL2 = 184,                   /* SHSOL2  */
  YYSYMBOL_SHSOPL2 = 185,                  /* SHSOPL2  */
  YYSYMBOL_SSSOL2 = 186,                   /* SSSOL2  */
  YYSYMBOL_SPAR_FEME = 187,                /* SPAR_FEME  */
  YYSYMBOL_SPAR_FEME2 = 188,               /* SPAR_FEME2  */
  YYSYMBOL_SPAR_FEML = 189,                /* SPAR_FEML  */
  YYSYMBOL_SPAR_FEML2 = 190,               /* SPAR_FEML2  */
  YYSYMBOL_SPAR_FEMI = 191,                /* SPAR_FEMI  */
  YYSYMBOL_SPAR_FEMEI = 192,               /* SPAR_FEMEI  */
  YYSYMBOL_SPAR_FEMEI2 = 193,              /* SPAR_FEMEI2  */
  YYSYMBOL_SPAR_FEMLI = 194,               /* SPAR_FEMLI  */
  YYSYMBOL_SPAR_FEMLI2 = 195,              /* SPAR_FEMLI2  */
  YYSYMBOL_196_ = 196,                     /* '|'  */
  YYSYMBOL_197_ = 197,                     /* ')'  */
  YYSYMBOL_198_ = 198,                     /* '('  */
  YYSYMBOL_YYACCEPT = 199,                 /* $accept  */
  YYSYMBOL_axiome = 200,                   /* axiome  */
  YYSYMBOL_portee_partielle = 201,         /* portee_partielle  */
  YYSYMBOL_mesure = 202,                   /* mesure  */
  YYSYMBOL_mesureB = 203,                  /* mesureB  */
  YYSYMBOL_mesure_liee = 204,              /* mesure_liee  */
  YYSYMBOL_mesureB_liee = 205,             /* mesureB_liee  */
  YYSYMBOL_temps_lie = 206,                /* temps_lie  */
  YYSYMBOL_temps = 207,                    /* temps  */
  YYSYMBOL_temps_L2 = 208,                 /* temps_L2  */
  YYSYMBOL_temps_E = 209,                  /* temps_E  */
  YYSYMBOL_temps_E2 = 210,                 /* temps_E2  */
  YYSYMBOL_groupe_lie = 211,               /* groupe_lie  */
  YYSYMBOL_groupe_L2 = 212,                /* groupe_L2  */
  YYSYMBOL_groupe = 213,                   /* groupe  */
  YYSYMBOL_groupe_E = 214,                 /* groupe_E  */
  YYSYMBOL_groupe_E2 = 215,                /* groupe_E2  */
  YYSYMBOL_groupe_compose = 216,           /* groupe_compose  */
  YYSYMBOL_groupe_simple = 217,            /* groupe_simple  */
  YYSYMBOL_elt_ryt_grp = 218,              /* elt_ryt_grp  */
  YYSYMBOL_elt_ryt_lie = 219,              /* elt_ryt_lie  */
  YYSYMBOL_note_liee = 220,                /* note_liee  */
  YYSYMBOL_silence_lie = 221,              /* silence_lie  */
  YYSYMBOL_elt_ryt_L2 = 222,               /* elt_ryt_L2  */
  YYSYMBOL_elt_ryt = 223,                  /* elt_ryt  */
  YYSYMBOL_note = 224,                     /* note  */
  YYSYMBOL_silence = 225,                  /* silence  */
  YYSYMBOL_elt_ryt_E = 226,                /* elt_ryt_E  */
  YYSYMBOL_elt_ryt_E2 = 227                /* elt_ryt_E2  */
};
typedef enum yysymbol_kind_t yysymbol_kind_t;



/* Unqualified %code blocks.  */

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


#ifdef short
# undef short
#endif

/* On compilers that do not define __PTRDIFF_MAX__ etc., make sure
   <limits.h> and (if available) <stdint.h> are included
   so that the code can choose integer types of a good width.  */

#ifndef __PTRDIFF_MAX__
# include <limits.h> /* INFRINGES ON USER NAME SPACE */
# if defined __STDC_VERSION__ && 199901 <= __STDC_VERSION__
#  include <stdint.h> /* INFRINGES ON USER NAME SPACE */
#  define YY_STDINT_H
# endif
#endif

/* Narrow types that promote to a signed type and that can represent a
   signed or unsigned integer of at least N bits.  In tables they can
   save space and decrease cache pressure.  Promoting to a signed type
   helps avoid bugs in integer arithmetic.  */

#ifdef __INT_LEAST8_MAX__
typedef __INT_LEAST8_TYPE__ yytype_int8;
#elif defined YY_STDINT_H
typedef int_least8_t yytype_int8;
#else
typedef signed char yytype_int8;
#endif

#ifdef __INT_LEAST16_MAX__
typedef __INT_LEAST16_TYPE__ yytype_int16;
#elif defined YY_STDINT_H
typedef int_least16_t yytype_int16;
#else
typedef short yytype_int16;
#endif

/* Work around bug in HP-UX 11.23, which defines these macros
   incorrectly for preprocessor constants.  This workaround can likely
   be removed in 2023, as HPE has promised support for HP-UX 11.23
   (aka HP-UX 11i v2) only through the end of 2022; see Table 2 of
   <https://h20195.www2.hpe.com/V2/getpdf.aspx/4AA4-7673ENW.pdf>.  */
#ifdef __hpux
# undef UINT_LEAST8_MAX
# undef UINT_LEAST16_MAX
# define UINT_LEAST8_MAX 255
# define UINT_LEAST16_MAX 65535
#endif

#if defined __UINT_LEAST8_MAX__ && __UINT_LEAST8_MAX__ <= __INT_MAX__
typedef __UINT_LEAST8_TYPE__ yytype_uint8;
#elif (!defined __UINT_LEAST8_MAX__ && defined YY_STDINT_H \
       && UINT_LEAST8_MAX <= INT_MAX)
typedef uint_least8_t yytype_uint8;
#elif !defined __UINT_LEAST8_MAX__ && UCHAR_MAX <= INT_MAX
typedef unsigned char yytype_uint8;
#else
typedef short yytype_uint8;
#endif

#if defined __UINT_LEAST16_MAX__ && __UINT_LEAST16_MAX__ <= __INT_MAX__
typedef __UINT_LEAST16_TYPE__ yytype_uint16;
#elif (!defined __UINT_LEAST16_MAX__ && defined YY_STDINT_H \
       && UINT_LEAST16_MAX <= INT_MAX)
typedef uint_least16_t yytype_uint16;
#elif !defined __UINT_LEAST16_MAX__ && USHRT_MAX <= INT_MAX
typedef unsigned short yytype_uint16;
#else
typedef int yytype_uint16;
#endif

#ifndef YYPTRDIFF_T
# if defined __PTRDIFF_TYPE__ && defined __PTRDIFF_MAX__
#  define YYPTRDIFF_T __PTRDIFF_TYPE__
#  define YYPTRDIFF_MAXIMUM __PTRDIFF_MAX__
# elif defined PTRDIFF_MAX
#  ifndef ptrdiff_t
#   include <stddef.h> /* INFRINGES ON USER NAME SPACE */
#  endif
#  define YYPTRDIFF_T ptrdiff_t
#  define YYPTRDIFF_MAXIMUM PTRDIFF_MAX
# else
#  define YYPTRDIFF_T long
#  define YYPTRDIFF_MAXIMUM LONG_MAX
# endif
#endif

#ifndef YYSIZE_T
# ifdef __SIZE_TYPE__
#  define YYSIZE_T __SIZE_TYPE__
# elif defined size_t
#  define YYSIZE_T size_t
# elif defined __STDC_VERSION__ && 199901 <= __STDC_VERSION__
#  include <stddef.h> /* INFRINGES ON USER NAME SPACE */
#  define YYSIZE_T size_t
# else
#  define YYSIZE_T unsigned
# endif
#endif

#define YYSIZE_MAXIMUM                                  \
  YY_CAST (YYPTRDIFF_T,                                 \
           (YYPTRDIFF_MAXIMUM < YY_CAST (YYSIZE_T, -1)  \
            ? YYPTRDIFF_MAXIMUM                         \
            : YY_CAST (YYSIZE_T, -1)))

#define YYSIZEOF(X) YY_CAST (YYPTRDIFF_T, sizeof (X))


/* Stored state numbers (used for stacks). */
typedef yytype_int16 yy_state_t;

/* State numbers in computations.  */
typedef int yy_state_fast_t;

#ifndef YY_
# if defined YYENABLE_NLS && YYENABLE_NLS
#  if ENABLE_NLS
#   include <libintl.h> /* INFRINGES ON USER NAME SPACE */
#   define YY_(Msgid) dgettext ("bison-runtime", Msgid)
#  endif
# endif
# ifndef YY_
#  define YY_(Msgid) Msgid
# endif
#endif


#ifndef YY_ATTRIBUTE_PURE
# if defined __GNUC__ && 2 < __GNUC__ + (96 <= __GNUC_MINOR__)
#  define YY_ATTRIBUTE_PURE __attribute__ ((__pure__))
# else
#  define YY_ATTRIBUTE_PURE
# endif
#endif

#ifndef YY_ATTRIBUTE_UNUSED
# if defined __GNUC__ && 2 < __GNUC__ + (7 <= __GNUC_MINOR__)
#  define YY_ATTRIBUTE_UNUSED __attribute__ ((__unused__))
# else
#  define YY_ATTRIBUTE_UNUSED
# endif
#endif

/* Suppress unused-variable warnings by "using" E.  */
#if ! defined lint || defined __GNUC__
# define YY_USE(E) ((void) (E))
#else
# define YY_USE(E) /* empty */
#endif

/* Suppress an incorrect diagnostic about yylval being uninitialized.  */
#if defined __GNUC__ && ! defined __ICC && 406 <= __GNUC__ * 100 + __GNUC_MINOR__
# if __GNUC__ * 100 + __GNUC_MINOR__ < 407
#  define YY_IGNORE_MAYBE_UNINITIALIZED_BEGIN                           \
    _Pragma ("GCC diagnostic push")                                     \
    _Pragma ("GCC diagnostic ignored \"-Wuninitialized\"")
# else
#  define YY_IGNORE_MAYBE_UNINITIALIZED_BEGIN                           \
    _Pragma ("GCC diagnostic push")                                     \
    _Pragma ("GCC diagnostic ignored \"-Wuninitialized\"")              \
    _Pragma ("GCC diagnostic ignored \"-Wmaybe-uninitialized\"")
# endif
# define YY_IGNORE_MAYBE_UNINITIALIZED_END      \
    _Pragma ("GCC diagnostic pop")
#else
# define YY_INITIAL_VALUE(Value) Value
#endif
#ifndef YY_IGNORE_MAYBE_UNINITIALIZED_BEGIN
# define YY_IGNORE_MAYBE_UNINITIALIZED_BEGIN
# define YY_IGNORE_MAYBE_UNINITIALIZED_END
#endif
#ifndef YY_INITIAL_VALUE
# define YY_INITIAL_VALUE(Value) /* Nothing. */
#endif

#if defined __cplusplus && defined __GNUC__ && ! defined __ICC && 6 <= __GNUC__
# define YY_IGNORE_USELESS_CAST_BEGIN                          \
    _Pragma ("GCC diagnostic push")                            \
    _Pragma ("GCC diagnostic ignored \"-Wuseless-cast\"")
# define YY_IGNORE_USELESS_CAST_END            \
    _Pragma ("GCC diagnostic pop")
#endif
#ifndef YY_IGNORE_USELESS_CAST_BEGIN
# define YY_IGNORE_USELESS_CAST_BEGIN
# define YY_IGNORE_USELESS_CAST_END
#endif


#define YY_ASSERT(E) ((void) (0 && (E)))

#if !defined yyoverflow

/* The parser invokes alloca or malloc; define the necessary symbols.  */

# ifdef YYSTACK_USE_ALLOCA
#  if YYSTACK_USE_ALLOCA
#   ifdef __GNUC__
#    define YYSTACK_ALLOC __builtin_alloca
#   elif defined __BUILTIN_VA_ARG_INCR
#    include <alloca.h> /* INFRINGES ON USER NAME SPACE */
#   elif defined _AIX
#    define YYSTACK_ALLOC __alloca
#   elif defined _MSC_VER
#    include <malloc.h> /* INFRINGES ON USER NAME SPACE */
#    define alloca _alloca
#   else
#    define YYSTACK_ALLOC alloca
#    if ! defined _ALLOCA_H && ! defined EXIT_SUCCESS
#     include <stdlib.h> /* INFRINGES ON USER NAME SPACE */
      /* Use EXIT_SUCCESS as a witness for stdlib.h.  */
#     ifndef EXIT_SUCCESS
#      define EXIT_SUCCESS 0
#     endif
#    endif
#   endif
#  endif
# endif

# ifdef YYSTACK_ALLOC
   /* Pacify GCC's 'empty if-body' warning.  */
#  define YYSTACK_FREE(Ptr) do { /* empty */; } while (0)
#  ifndef YYSTACK_ALLOC_MAXIMUM
    /* The OS might guarantee only one guard page at the bottom of the stack,
       and a page size can be as small as 4096 bytes.  So we cannot safely
       invoke alloca (N) if N exceeds 4096.  Use a slightly smaller number
       to allow for a few compiler-allocated temporary stack slots.  */
#   define YYSTACK_ALLOC_MAXIMUM 4032 /* reasonable circa 2006 */
#  endif
# else
#  define YYSTACK_ALLOC YYMALLOC
#  define YYSTACK_FREE YYFREE
#  ifndef YYSTACK_ALLOC_MAXIMUM
#   define YYSTACK_ALLOC_MAXIMUM YYSIZE_MAXIMUM
#  endif
#  if (defined __cplusplus && ! defined EXIT_SUCCESS \
       && ! ((defined YYMALLOC || defined malloc) \
             && (defined YYFREE || defined free)))
#   include <stdlib.h> /* INFRINGES ON USER NAME SPACE */
#   ifndef EXIT_SUCCESS
#    define EXIT_SUCCESS 0
#   endif
#  endif
#  ifndef YYMALLOC
#   define YYMALLOC malloc
#   if ! defined malloc && ! defined EXIT_SUCCESS
void *malloc (YYSIZE_T); /* INFRINGES ON USER NAME SPACE */
#   endif
#  endif
#  ifndef YYFREE
#   define YYFREE free
#   if ! defined free && ! defined EXIT_SUCCESS
void free (void *); /* INFRINGES ON USER NAME SPACE */
#   endif
#  endif
# endif
#endif /* !defined yyoverflow */

#if (! defined yyoverflow \
     && (! defined __cplusplus \
         || (defined YYSTYPE_IS_TRIVIAL && YYSTYPE_IS_TRIVIAL)))

/* A type that is properly aligned for any stack member.  */
union yyalloc
{
  yy_state_t yyss_alloc;
  YYSTYPE yyvs_alloc;
};

/* The size of the maximum gap between one aligned stack and the next.  */
# define YYSTACK_GAP_MAXIMUM (YYSIZEOF (union yyalloc) - 1)

/* The size of an array large to enough to hold all stacks, each with
   N elements.  */
# define YYSTACK_BYTES(N) \
     ((N) * (YYSIZEOF (yy_state_t) + YYSIZEOF (YYSTYPE)) \
      + YYSTACK_GAP_MAXIMUM)

# define YYCOPY_NEEDED 1

/* Relocate STACK from its old location to the new one.  The
   local variables YYSIZE and YYSTACKSIZE give the old and new number of
   elements in the stack, and YYPTR gives the new location of the
   stack.  Advance YYPTR to a properly aligned location for the next
   stack.  */
# define YYSTACK_RELOCATE(Stack_alloc, Stack)                           \
    do                                                                  \
      {                                                                 \
        YYPTRDIFF_T yynewbytes;                                         \
        YYCOPY (&yyptr->Stack_alloc, Stack, yysize);                    \
        Stack = &yyptr->Stack_alloc;                                    \
        yynewbytes = yystacksize * YYSIZEOF (*Stack) + YYSTACK_GAP_MAXIMUM; \
        yyptr += yynewbytes / YYSIZEOF (*yyptr);                        \
      }                                                                 \
    while (0)

#endif

#if defined YYCOPY_NEEDED && YYCOPY_NEEDED
/* Copy COUNT objects from SRC to DST.  The source and destination do
   not overlap.  */
# ifndef YYCOPY
#  if defined __GNUC__ && 1 < __GNUC__
#   define YYCOPY(Dst, Src, Count) \
      __builtin_memcpy (Dst, Src, YY_CAST (YYSIZE_T, (Count)) * sizeof (*(Src)))
#  else
#   define YYCOPY(Dst, Src, Count)              \
      do                                        \
        {                                       \
          YYPTRDIFF_T yyi;                      \
          for (yyi = 0; yyi < (Count); yyi++)   \
            (Dst)[yyi] = (Src)[yyi];            \
        }                                       \
      while (0)
#  endif
# endif
#endif /* !YYCOPY_NEEDED */

/* YYFINAL -- State number of the termination state.  */
#define YYFINAL  216
/* YYLAST -- Last index in YYTABLE.  */
#define YYLAST   1097

/* YYNTOKENS -- Number of terminals.  */
#define YYNTOKENS  199
/* YYNNTS -- Number of nonterminals.  */
#define YYNNTS  29
/* YYNRULES -- Number of rules.  */
#define YYNRULES  281
/* YYNSTATES -- Number of states.  */
#define YYNSTATES  291

/* YYMAXUTOK -- Last valid token kind.  */
#define YYMAXUTOK   450


/* YYTRANSLATE(TOKEN-NUM) -- Symbol number corresponding to TOKEN-NUM
   as returned by yylex, with out-of-bounds checking.  */
#define YYTRANSLATE(YYX)                                \
  (0 <= (YYX) && (YYX) <= YYMAXUTOK                     \
   ? YY_CAST (yysymbol_kind_t, yytranslate[YYX])        \
   : YYSYMBOL_YYUNDEF)

/* YYTRANSLATE[TOKEN-NUM] -- Symbol number corresponding to TOKEN-NUM
   as returned by yylex.  */
static const yytype_uint8 yytranslate[] =
{
       0,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
     198,   197,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,   196,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     1,     3,     4,     5,
       6,     7,     8,     9,    10,    11,    12,    13,    14,    15,
      16,    17,    18,    19,    20,    21,    22,    23,    24,    25,
      26,    27,    28,    29,    30,    31,    32,    33,    34,    35,
      36,    37,    38,    39,    40,    41,    42,    43,    44,    45,
      46,    47,    48,    49,    50,    51,    52,    53,    54,    55,
      56,    57,    58,    59,    60,    61,    62,    63,    64,    65,
      66,    67,    68,    69,    70,    71,    72,    73,    74,    75,
      76,    77,    78,    79,    80,    81,    82,    83,    84,    85,
      86,    87,    88,    89,    90,    91,    92,    93,    94,    95,
      96,    97,    98,    99,   100,   101,   102,   103,   104,   105,
     106,   107,   108,   109,   110,   111,   112,   113,   114,   115,
     116,   117,   118,   119,   120,   121,   122,   123,   124,   125,
     126,   127,   128,   129,   130,   131,   132,   133,   134,   135,
     136,   137,   138,   139,   140,   141,   142,   143,   144,   145,
     146,   147,   148,   149,   150,   151,   152,   153,   154,   155,
     156,   157,   158,   159,   160,   161,   162,   163,   164,   165,
     166,   167,   168,   169,   170,   171,   172,   173,   174,   175,
     176,   177,   178,   179,   180,   181,   182,   183,   184,   185,
     186,   187,   188,   189,   190,   191,   192,   193,   194,   195,
       2
};

#if YYDEBUG
/* YYRLINE[YYN] -- Source line where rule number YYN was defined.  */
static const yytype_int16 yyrline[] =
{
       0,   142,   142,   146,   147,   148,   149,   150,   151,   152,
     153,   154,   158,   159,   160,   161,   162,   163,   164,   168,
     169,   170,   171,   172,   173,   174,   175,   176,   180,   181,
     182,   183,   184,   188,   189,   190,   191,   192,   193,   194,
     198,   199,   200,   201,   202,   203,   207,   208,   209,   210,
     211,   212,   216,   217,   218,   219,   220,   221,   225,   226,
     227,   228,   229,   230,   234,   235,   236,   237,   238,   239,
     246,   247,   248,   249,   253,   254,   255,   256,   260,   261,
     262,   263,   267,   268,   269,   270,   274,   275,   276,   277,
     281,   283,   285,   290,   292,   294,   299,   300,   304,   305,
     313,   314,   315,   316,   317,   318,   319,   320,   321,   322,
     323,   324,   325,   326,   327,   328,   329,   330,   334,   335,
     336,   337,   338,   339,   340,   341,   342,   343,   344,   345,
     346,   347,   348,   349,   350,   351,   355,   356,   357,   358,
     359,   360,   361,   362,   363,   364,   365,   366,   367,   368,
     369,   370,   371,   372,   373,   374,   375,   376,   377,   378,
     379,   380,   381,   382,   383,   384,   385,   386,   387,   388,
     389,   390,   394,   395,   399,   400,   401,   402,   403,   404,
     405,   406,   407,   408,   409,   410,   411,   412,   413,   414,
     415,   416,   420,   421,   422,   423,   424,   425,   426,   427,
     428,   429,   430,   431,   432,   433,   434,   435,   436,   437,
     441,   442,   443,   444,   445,   446,   447,   448,   449,   450,
     451,   452,   453,   454,   455,   456,   457,   458,   459,   460,
     461,   462,   463,   464,   465,   466,   467,   468,   469,   470,
     471,   472,   473,   474,   475,   476,   480,   481,   482,   483,
     484,   485,   486,   487,   488,   489,   490,   491,   492,   493,
     494,   495,   496,   497,   498,   499,   500,   501,   502,   503,
     504,   505,   506,   507,   508,   509,   510,   511,   512,   513,
     514,   515
};
#endif

/** Accessing symbol of state STATE.  */
#define YY_ACCESSING_SYMBOL(State) YY_CAST (yysymbol_kind_t, yystos[State])

#if YYDEBUG || 1
/* The user-facing name of the symbol whose (internal) number is
   YYSYMBOL.  No bounds checking.  */
static const char *yysymbol_name (yysymbol_kind_t yysymbol) YY_ATTRIBUTE_UNUSED;

/* YYTNAME[SYMBOL-NUM] -- String name of the symbol SYMBOL-NUM.
   First, the terminals, then, starting at YYNTOKENS, nonterminals.  */
static const char *const yytname[] =
{
  "\"end of file\"", "error", "\"invalid token\"", "CHG_MESURE",
  "DBL_BARRE", "SBARRE_LIURE", "SFIN_MESURE2", "SRND", "SRNDP", "SRNDPP",
  "SBCL", "SBCLP", "SBCLPP", "SNOR", "SNORP", "SNORPP", "SCRH", "SCRHP",
  "SCRHPP", "SDBL", "SDBLP", "SDBLPP", "STPL", "STPLP", "SQAD", "SRNDE",
  "SRNDPE", "SRNDPPE", "SBCLE", "SBCLPE", "SBCLPPE", "SNORE", "SNORPE",
  "SNORPPE", "SCRHE", "SCRHPE", "SCRHPPE", "SDBLE", "SDBLPE", "SDBLPPE",
  "STPLE", "STPLPE", "SQADE", "SRNDE2", "SRNDPE2", "SRNDPPE2", "SBCLE2",
  "SBCLPE2", "SBCLPPE2", "SNORE2", "SNORPE2", "SNORPPE2", "SCRHE2",
  "SCRHPE2", "SCRHPPE2", "SDBLE2", "SDBLPE2", "SDBLPPE2", "STPLE2",
  "STPLPE2", "SQADE2", "SRNDL", "SRNDPL", "SRNDPPL", "SBCLL", "SBCLPL",
  "SBCLPPL", "SNORL", "SNORPL", "SNORPPL", "SCRHL", "SCRHPL", "SCRHPPL",
  "SDBLL", "SDBLPL", "SDBLPPL", "STPLL", "STPLPL", "SQADL", "SRNDL2",
  "SRNDPL2", "SRNDPPL2", "SBCLL2", "SBCLPL2", "SBCLPPL2", "SNORL2",
  "SNORPL2", "SNORPPL2", "SCRHL2", "SCRHPL2", "SCRHPPL2", "SDBLL2",
  "SDBLPL2", "SDBLPPL2", "STPLL2", "STPLPL2", "SQADL2", "SPAU", "SPAUP",
  "SPAUPP", "SDPA", "SDPAP", "SDPAPP", "SSOU", "SSOUP", "SSOUPP", "SDSO",
  "SDSOP", "SDSOPP", "SQSO", "SQSOP", "SQSOPP", "SHSO", "SHSOP", "SSSO",
  "SPAUE", "SPAUPE", "SPAUPPE", "SDPAE", "SDPAPE", "SDPAPPE", "SSOUE",
  "SSOUPE", "SSOUPPE", "SDSOE", "SDSOPE", "SDSOPPE", "SQSOE", "SQSOPE",
  "SQSOPPE", "SHSOE", "SHSOPE", "SSSOE", "SPAUE2", "SPAUPE2", "SPAUPPE2",
  "SDPAE2", "SDPAPE2", "SDPAPPE2", "SSOUE2", "SSOUPE2", "SSOUPPE2",
  "SDSOE2", "SDSOPE2", "SDSOPPE2", "SQSOE2", "SQSOPE2", "SQSOPPE2",
  "SHSOE2", "SHSOPE2", "SSSOE2", "SPAUL", "SPAUPL", "SPAUPPL", "SDPAL",
  "SDPAPL", "SDPAPPL", "SSOUL", "SSOUPL", "SSOUPPL", "SDSOL", "SDSOPL",
  "SDSOPPL", "SQSOL", "SQSOPL", "SQSOPPL", "SHSOL", "SHSOPL", "SSSOL",
  "SPAUL2", "SPAUPL2", "SPAUPPL2", "SDPAL2", "SDPAPL2", "SDPAPPL2",
  "SSOUL2", "SSOUPL2", "SSOUPPL2", "SDSOL2", "SDSOPL2", "SDSOPPL2",
  "SQSOL2", "SQSOPL2", "SQSOPPL2", "SHSOL2", "SHSOPL2", "SSSOL2",
  "SPAR_FEME", "SPAR_FEME2", "SPAR_FEML", "SPAR_FEML2", "SPAR_FEMI",
  "SPAR_FEMEI", "SPAR_FEMEI2", "SPAR_FEMLI", "SPAR_FEMLI2", "'|'", "')'",
  "'('", "$accept", "axiome", "portee_partielle", "mesure", "mesureB",
  "mesure_liee", "mesureB_liee", "temps_lie", "temps", "temps_L2",
  "temps_E", "temps_E2", "groupe_lie", "groupe_L2", "groupe", "groupe_E",
  "groupe_E2", "groupe_compose", "groupe_simple", "elt_ryt_grp",
  "elt_ryt_lie", "note_liee", "silence_lie", "elt_ryt_L2", "elt_ryt",
  "note", "silence", "elt_ryt_E", "elt_ryt_E2", YY_NULLPTR
};

static const char *
yysymbol_name (yysymbol_kind_t yysymbol)
{
  return yytname[yysymbol];
}
#endif

#define YYPACT_NINF (-8)

#define yypact_value_is_default(Yyn) \
  ((Yyn) == YYPACT_NINF)

#define YYTABLE_NINF (-1)

#define yytable_value_is_error(Yyn) \
  0

/* YYPACT[STATE-NUM] -- Index in YYTABLE of the portion describing
   STATE-NUM.  */
static const yytype_int16 yypact[] =
{
      -3,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,   960,     3,    -8,    -8,    -8,
      -8,    -8,   181,   182,   190,   383,   576,   768,    -8,   768,
      -8,    -8,   845,   856,   768,    -8,    -8,    -8,   768,    -8,
      -8,    -8,    -8,   960,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,   178,    -8,    -8,    -8,    -8,    -8,    -8,   379,
      -8,    -8,    -8,    -8,    -8,    -8,   564,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,    -8,
      -8,    -8,   960,    -8,    -8,    -8,   960,   960,   960,   960,
      -8
};

/* YYDEFACT[STATE-NUM] -- Default reduction number in state STATE-NUM.
   Performed when YYTABLE does not specify something else to do.  Zero
   means the default is an error.  */
static const yytype_int16 yydefact[] =
{
       3,     4,    11,     6,   174,   181,   187,   175,   182,   188,
     176,   183,   189,   177,   184,   190,   178,   185,   191,   179,
     186,   180,   210,   217,   223,   211,   218,   224,   212,   219,
     225,   213,   220,   226,   214,   221,   227,   215,   222,   216,
     246,   253,   259,   247,   254,   260,   248,   255,   261,   249,
     256,   262,   250,   257,   263,   251,   258,   252,   100,   107,
     113,   101,   108,   114,   102,   109,   115,   103,   110,   116,
     104,   111,   117,   105,   112,   106,   136,   143,   149,   137,
     144,   150,   138,   145,   151,   139,   146,   152,   140,   147,
     153,   141,   148,   142,   192,   199,   205,   193,   200,   206,
     194,   201,   207,   195,   202,   208,   196,   203,   209,   197,
     204,   198,   228,   235,   241,   229,   236,   242,   230,   237,
     243,   231,   238,   244,   232,   239,   245,   233,   240,   234,
     264,   271,   277,   265,   272,   278,   266,   273,   279,   267,
     274,   280,   268,   275,   281,   269,   276,   270,   118,   125,
     131,   119,   126,   132,   120,   127,   133,   121,   128,   134,
     122,   129,   135,   123,   130,   124,   154,   161,   167,   155,
     162,   168,   156,   163,   169,   157,   164,   170,   158,   165,
     171,   159,   166,   160,     5,     0,     0,     2,     7,     8,
       9,    10,     0,     0,     0,     0,     0,    44,    56,    50,
      62,    68,     0,     0,    45,    98,    99,    57,    51,   172,
     173,    63,    69,     0,    96,    97,     1,    37,    36,    23,
      22,    39,    31,    38,    14,    21,    30,    35,    25,    15,
      24,    13,    20,    29,    34,    27,    17,    26,    12,    19,
      28,    33,    42,    48,    54,    60,    66,    40,    46,    52,
      58,    64,    83,    87,    71,    75,    81,    85,    89,    73,
      77,    79,    82,    86,    70,    74,    80,    84,    88,    72,
      76,    78,    43,    49,    55,    61,    67,    41,    47,    53,
      59,    65,    90,    32,    16,    18,    93,    91,    94,    92,
      95
};

/* YYPGOTO[NTERM-NUM].  */
static const yytype_int16 yypgoto[] =
{
      -8,    -8,    -8,    -7,    -4,   185,   188,   790,   791,   803,
     804,   818,    -8,    -8,    -8,    -8,    -8,    -8,    -8,   742,
      -8,    -8,    -8,    -8,    -8,   800,   808,    -8,    -8
};

/* YYDEFGOTO[NTERM-NUM].  */
static const yytype_uint8 yydefgoto[] =
{
       0,   186,   187,   188,   189,   190,   191,   192,   193,   194,
     195,   196,   197,   198,   199,   200,   201,   202,   203,   213,
     204,   205,   206,   207,   208,   209,   210,   211,   212
};

/* YYTABLE[YYPACT[STATE-NUM]] -- What to do in state STATE-NUM.  If
   positive, shift that token.  If negative, reduce the rule whose
   number is the opposite.  If YYTABLE_NINF, syntax error.  */
static const yytype_int16 yytable[] =
{
       1,     2,     3,   216,     4,     5,     6,     7,     8,     9,
      10,    11,    12,    13,    14,    15,    16,    17,    18,    19,
      20,    21,    22,    23,    24,    25,    26,    27,    28,    29,
      30,    31,    32,    33,    34,    35,    36,    37,    38,    39,
      40,    41,    42,    43,    44,    45,    46,    47,    48,    49,
      50,    51,    52,    53,    54,    55,    56,    57,    58,    59,
      60,    61,    62,    63,    64,    65,    66,    67,    68,    69,
      70,    71,    72,    73,    74,    75,    76,    77,    78,    79,
      80,    81,    82,    83,    84,    85,    86,    87,    88,    89,
      90,    91,    92,    93,    94,    95,    96,    97,    98,    99,
     100,   101,   102,   103,   104,   105,   106,   107,   108,   109,
     110,   111,   112,   113,   114,   115,   116,   117,   118,   119,
     120,   121,   122,   123,   124,   125,   126,   127,   128,   129,
     130,   131,   132,   133,   134,   135,   136,   137,   138,   139,
     140,   141,   142,   143,   144,   145,   146,   147,   148,   149,
     150,   151,   152,   153,   154,   155,   156,   157,   158,   159,
     160,   161,   162,   163,   164,   165,   166,   167,   168,   169,
     170,   171,   172,   173,   174,   175,   176,   177,   178,   179,
     180,   181,   182,   183,   283,   217,   219,   224,   231,   238,
     225,   232,   239,   184,   221,   185,   222,     4,     5,     6,
       7,     8,     9,    10,    11,    12,    13,    14,    15,    16,
      17,    18,    19,    20,    21,    22,    23,    24,    25,    26,
      27,    28,    29,    30,    31,    32,    33,    34,    35,    36,
      37,    38,    39,    40,    41,    42,    43,    44,    45,    46,
      47,    48,    49,    50,    51,    52,    53,    54,    55,    56,
      57,    58,    59,    60,    61,    62,    63,    64,    65,    66,
      67,    68,    69,    70,    71,    72,    73,    74,    75,    76,
      77,    78,    79,    80,    81,    82,    83,    84,    85,    86,
      87,    88,    89,    90,    91,    92,    93,    94,    95,    96,
      97,    98,    99,   100,   101,   102,   103,   104,   105,   106,
     107,   108,   109,   110,   111,   112,   113,   114,   115,   116,
     117,   118,   119,   120,   121,   122,   123,   124,   125,   126,
     127,   128,   129,   130,   131,   132,   133,   134,   135,   136,
     137,   138,   139,   140,   141,   142,   143,   144,   145,   146,
     147,   148,   149,   150,   151,   152,   153,   154,   155,   156,
     157,   158,   159,   160,   161,   162,   163,   164,   165,   166,
     167,   168,   169,   170,   171,   172,   173,   174,   175,   176,
     177,   178,   179,   180,   181,   182,   183,   218,   220,   226,
     233,   240,   227,   234,   241,   284,   223,   228,   185,   229,
       4,     5,     6,     7,     8,     9,    10,    11,    12,    13,
      14,    15,    16,    17,    18,    19,    20,    21,    22,    23,
      24,    25,    26,    27,    28,    29,    30,    31,    32,    33,
      34,    35,    36,    37,    38,    39,    40,    41,    42,    43,
      44,    45,    46,    47,    48,    49,    50,    51,    52,    53,
      54,    55,    56,    57,    58,    59,    60,    61,    62,    63,
      64,    65,    66,    67,    68,    69,    70,    71,    72,    73,
      74,    75,    76,    77,    78,    79,    80,    81,    82,    83,
      84,    85,    86,    87,    88,    89,    90,    91,    92,    93,
      94,    95,    96,    97,    98,    99,   100,   101,   102,   103,
     104,   105,   106,   107,   108,   109,   110,   111,   112,   113,
     114,   115,   116,   117,   118,   119,   120,   121,   122,   123,
     124,   125,   126,   127,   128,   129,   130,   131,   132,   133,
     134,   135,   136,   137,   138,   139,   140,   141,   142,   143,
     144,   145,   146,   147,   148,   149,   150,   151,   152,   153,
     154,   155,   156,   157,   158,   159,   160,   161,   162,   163,
     164,   165,   166,   167,   168,   169,   170,   171,   172,   173,
     174,   175,   176,   177,   178,   179,   180,   181,   182,   183,
     285,     0,     0,     0,     0,     0,     0,     0,     0,   230,
     235,   185,   236,     4,     5,     6,     7,     8,     9,    10,
      11,    12,    13,    14,    15,    16,    17,    18,    19,    20,
      21,    22,    23,    24,    25,    26,    27,    28,    29,    30,
      31,    32,    33,    34,    35,    36,    37,    38,    39,    40,
      41,    42,    43,    44,    45,    46,    47,    48,    49,    50,
      51,    52,    53,    54,    55,    56,    57,    58,    59,    60,
      61,    62,    63,    64,    65,    66,    67,    68,    69,    70,
      71,    72,    73,    74,    75,    76,    77,    78,    79,    80,
      81,    82,    83,    84,    85,    86,    87,    88,    89,    90,
      91,    92,    93,    94,    95,    96,    97,    98,    99,   100,
     101,   102,   103,   104,   105,   106,   107,   108,   109,   110,
     111,   112,   113,   114,   115,   116,   117,   118,   119,   120,
     121,   122,   123,   124,   125,   126,   127,   128,   129,   130,
     131,   132,   133,   134,   135,   136,   137,   138,   139,   140,
     141,   142,   143,   144,   145,   146,   147,   148,   149,   150,
     151,   152,   153,   154,   155,   156,   157,   158,   159,   160,
     161,   162,   163,   164,   165,   166,   167,   168,   169,   170,
     171,   172,   173,   174,   175,   176,   177,   178,   179,   180,
     181,   182,   183,     0,     0,     0,     0,     0,     0,     0,
       0,     0,   237,     0,   185,     4,     5,     6,     7,     8,
       9,    10,    11,    12,    13,    14,    15,    16,    17,    18,
      19,    20,    21,    22,    23,    24,    25,    26,    27,    28,
      29,    30,    31,    32,    33,    34,    35,    36,    37,    38,
      39,    40,    41,    42,    43,    44,    45,    46,    47,    48,
      49,    50,    51,    52,    53,    54,    55,    56,    57,    58,
      59,    60,    61,    62,    63,    64,    65,    66,    67,    68,
      69,    70,    71,    72,    73,    74,    75,    76,    77,    78,
      79,    80,    81,    82,    83,    84,    85,    86,    87,    88,
      89,    90,    91,    92,    93,    94,    95,    96,    97,    98,
      99,   100,   101,   102,   103,   104,   105,   106,   107,   108,
     109,   110,   111,   112,   113,   114,   115,   116,   117,   118,
     119,   120,   121,   122,   123,   124,   125,   126,   127,   128,
     129,   130,   131,   132,   133,   134,   135,   136,   137,   138,
     139,   140,   141,   142,   143,   144,   145,   146,   147,   148,
     149,   150,   151,   152,   153,   154,   155,   156,   157,   158,
     159,   160,   161,   162,   163,   164,   165,   166,   167,   168,
     169,   170,   171,   172,   173,   174,   175,   176,   177,   178,
     179,   180,   181,   182,   183,   282,     0,     0,     0,     0,
       0,     0,     0,     0,     0,     0,   185,     4,     5,     6,
       7,     8,     9,    10,    11,    12,    13,    14,    15,    16,
      17,    18,    19,    20,    21,   214,     0,   242,   243,   247,
     248,     0,     0,   215,   272,   273,     0,     0,   277,   278,
     244,   245,   249,   250,     0,     0,     0,   274,   275,     0,
       0,   279,   280,   214,     0,   246,     0,   251,     0,     0,
       0,   215,   276,     0,   286,     0,   281,     0,   287,   288,
     289,   290,   252,   253,   254,   255,   256,   257,   258,   259,
     260,     0,   261,   262,   263,   264,   265,   266,   267,   268,
     269,   270,     0,   271,     0,     0,     0,    94,    95,    96,
      97,    98,    99,   100,   101,   102,   103,   104,   105,   106,
     107,   108,   109,   110,   111,     0,     0,     0,     0,     0,
       0,     0,   214,     0,     0,     0,   214,   214,   214,   214,
     215,     0,     0,     0,   215,   215,   215,   215
};

static const yytype_int16 yycheck[] =
{
       3,     4,     5,     0,     7,     8,     9,    10,    11,    12,
      13,    14,    15,    16,    17,    18,    19,    20,    21,    22,
      23,    24,    25,    26,    27,    28,    29,    30,    31,    32,
      33,    34,    35,    36,    37,    38,    39,    40,    41,    42,
      43,    44,    45,    46,    47,    48,    49,    50,    51,    52,
      53,    54,    55,    56,    57,    58,    59,    60,    61,    62,
      63,    64,    65,    66,    67,    68,    69,    70,    71,    72,
      73,    74,    75,    76,    77,    78,    79,    80,    81,    82,
      83,    84,    85,    86,    87,    88,    89,    90,    91,    92,
      93,    94,    95,    96,    97,    98,    99,   100,   101,   102,
     103,   104,   105,   106,   107,   108,   109,   110,   111,   112,
     113,   114,   115,   116,   117,   118,   119,   120,   121,   122,
     123,   124,   125,   126,   127,   128,   129,   130,   131,   132,
     133,   134,   135,   136,   137,   138,   139,   140,   141,   142,
     143,   144,   145,   146,   147,   148,   149,   150,   151,   152,
     153,   154,   155,   156,   157,   158,   159,   160,   161,   162,
     163,   164,   165,   166,   167,   168,   169,   170,   171,   172,
     173,   174,   175,   176,   177,   178,   179,   180,   181,   182,
     183,   184,   185,   186,     6,     4,     4,   194,   195,   196,
     194,   195,   196,   196,     4,   198,     6,     7,     8,     9,
      10,    11,    12,    13,    14,    15,    16,    17,    18,    19,
      20,    21,    22,    23,    24,    25,    26,    27,    28,    29,
      30,    31,    32,    33,    34,    35,    36,    37,    38,    39,
      40,    41,    42,    43,    44,    45,    46,    47,    48,    49,
      50,    51,    52,    53,    54,    55,    56,    57,    58,    59,
      60,    61,    62,    63,    64,    65,    66,    67,    68,    69,
      70,    71,    72,    73,    74,    75,    76,    77,    78,    79,
      80,    81,    82,    83,    84,    85,    86,    87,    88,    89,
      90,    91,    92,    93,    94,    95,    96,    97,    98,    99,
     100,   101,   102,   103,   104,   105,   106,   107,   108,   109,
     110,   111,   112,   113,   114,   115,   116,   117,   118,   119,
     120,   121,   122,   123,   124,   125,   126,   127,   128,   129,
     130,   131,   132,   133,   134,   135,   136,   137,   138,   139,
     140,   141,   142,   143,   144,   145,   146,   147,   148,   149,
     150,   151,   152,   153,   154,   155,   156,   157,   158,   159,
     160,   161,   162,   163,   164,   165,   166,   167,   168,   169,
     170,   171,   172,   173,   174,   175,   176,   177,   178,   179,
     180,   181,   182,   183,   184,   185,   186,   196,   196,   194,
     195,   196,   194,   195,   196,     6,   196,     4,   198,     6,
       7,     8,     9,    10,    11,    12,    13,    14,    15,    16,
      17,    18,    19,    20,    21,    22,    23,    24,    25,    26,
      27,    28,    29,    30,    31,    32,    33,    34,    35,    36,
      37,    38,    39,    40,    41,    42,    43,    44,    45,    46,
      47,    48,    49,    50,    51,    52,    53,    54,    55,    56,
      57,    58,    59,    60,    61,    62,    63,    64,    65,    66,
      67,    68,    69,    70,    71,    72,    73,    74,    75,    76,
      77,    78,    79,    80,    81,    82,    83,    84,    85,    86,
      87,    88,    89,    90,    91,    92,    93,    94,    95,    96,
      97,    98,    99,   100,   101,   102,   103,   104,   105,   106,
     107,   108,   109,   110,   111,   112,   113,   114,   115,   116,
     117,   118,   119,   120,   121,   122,   123,   124,   125,   126,
     127,   128,   129,   130,   131,   132,   133,   134,   135,   136,
     137,   138,   139,   140,   141,   142,   143,   144,   145,   146,
     147,   148,   149,   150,   151,   152,   153,   154,   155,   156,
     157,   158,   159,   160,   161,   162,   163,   164,   165,   166,
     167,   168,   169,   170,   171,   172,   173,   174,   175,   176,
     177,   178,   179,   180,   181,   182,   183,   184,   185,   186,
       6,    -1,    -1,    -1,    -1,    -1,    -1,    -1,    -1,   196,
       4,   198,     6,     7,     8,     9,    10,    11,    12,    13,
      14,    15,    16,    17,    18,    19,    20,    21,    22,    23,
      24,    25,    26,    27,    28,    29,    30,    31,    32,    33,
      34,    35,    36,    37,    38,    39,    40,    41,    42,    43,
      44,    45,    46,    47,    48,    49,    50,    51,    52,    53,
      54,    55,    56,    57,    58,    59,    60,    61,    62,    63,
      64,    65,    66,    67,    68,    69,    70,    71,    72,    73,
      74,    75,    76,    77,    78,    79,    80,    81,    82,    83,
      84,    85,    86,    87,    88,    89,    90,    91,    92,    93,
      94,    95,    96,    97,    98,    99,   100,   101,   102,   103,
     104,   105,   106,   107,   108,   109,   110,   111,   112,   113,
     114,   115,   116,   117,   118,   119,   120,   121,   122,   123,
     124,   125,   126,   127,   128,   129,   130,   131,   132,   133,
     134,   135,   136,   137,   138,   139,   140,   141,   142,   143,
     144,   145,   146,   147,   148,   149,   150,   151,   152,   153,
     154,   155,   156,   157,   158,   159,   160,   161,   162,   163,
     164,   165,   166,   167,   168,   169,   170,   171,   172,   173,
     174,   175,   176,   177,   178,   179,   180,   181,   182,   183,
     184,   185,   186,    -1,    -1,    -1,    -1,    -1,    -1,    -1,
      -1,    -1,   196,    -1,   198,     7,     8,     9,    10,    11,
      12,    13,    14,    15,    16,    17,    18,    19,    20,    21,
      22,    23,    24,    25,    26,    27,    28,    29,    30,    31,
      32,    33,    34,    35,    36,    37,    38,    39,    40,    41,
      42,    43,    44,    45,    46,    47,    48,    49,    50,    51,
      52,    53,    54,    55,    56,    57,    58,    59,    60,    61,
      62,    63,    64,    65,    66,    67,    68,    69,    70,    71,
      72,    73,    74,    75,    76,    77,    78,    79,    80,    81,
      82,    83,    84,    85,    86,    87,    88,    89,    90,    91,
      92,    93,    94,    95,    96,    97,    98,    99,   100,   101,
     102,   103,   104,   105,   106,   107,   108,   109,   110,   111,
     112,   113,   114,   115,   116,   117,   118,   119,   120,   121,
     122,   123,   124,   125,   126,   127,   128,   129,   130,   131,
     132,   133,   134,   135,   136,   137,   138,   139,   140,   141,
     142,   143,   144,   145,   146,   147,   148,   149,   150,   151,
     152,   153,   154,   155,   156,   157,   158,   159,   160,   161,
     162,   163,   164,   165,   166,   167,   168,   169,   170,   171,
     172,   173,   174,   175,   176,   177,   178,   179,   180,   181,
     182,   183,   184,   185,   186,   213,    -1,    -1,    -1,    -1,
      -1,    -1,    -1,    -1,    -1,    -1,   198,     7,     8,     9,
      10,    11,    12,    13,    14,    15,    16,    17,    18,    19,
      20,    21,    22,    23,    24,   185,    -1,   197,   197,   199,
     199,    -1,    -1,   185,   204,   204,    -1,    -1,   208,   208,
     197,   197,   199,   199,    -1,    -1,    -1,   204,   204,    -1,
      -1,   208,   208,   213,    -1,   197,    -1,   199,    -1,    -1,
      -1,   213,   204,    -1,   282,    -1,   208,    -1,   286,   287,
     288,   289,   187,   188,   189,   190,   191,   192,   193,   194,
     195,    -1,   197,   187,   188,   189,   190,   191,   192,   193,
     194,   195,    -1,   197,    -1,    -1,    -1,    97,    98,    99,
     100,   101,   102,   103,   104,   105,   106,   107,   108,   109,
     110,   111,   112,   113,   114,    -1,    -1,    -1,    -1,    -1,
      -1,    -1,   282,    -1,    -1,    -1,   286,   287,   288,   289,
     282,    -1,    -1,    -1,   286,   287,   288,   289
};

/* YYSTOS[STATE-NUM] -- The symbol kind of the accessing symbol of
   state STATE-NUM.  */
static const yytype_uint8 yystos[] =
{
       0,     3,     4,     5,     7,     8,     9,    10,    11,    12,
      13,    14,    15,    16,    17,    18,    19,    20,    21,    22,
      23,    24,    25,    26,    27,    28,    29,    30,    31,    32,
      33,    34,    35,    36,    37,    38,    39,    40,    41,    42,
      43,    44,    45,    46,    47,    48,    49,    50,    51,    52,
      53,    54,    55,    56,    57,    58,    59,    60,    61,    62,
      63,    64,    65,    66,    67,    68,    69,    70,    71,    72,
      73,    74,    75,    76,    77,    78,    79,    80,    81,    82,
      83,    84,    85,    86,    87,    88,    89,    90,    91,    92,
      93,    94,    95,    96,    97,    98,    99,   100,   101,   102,
     103,   104,   105,   106,   107,   108,   109,   110,   111,   112,
     113,   114,   115,   116,   117,   118,   119,   120,   121,   122,
     123,   124,   125,   126,   127,   128,   129,   130,   131,   132,
     133,   134,   135,   136,   137,   138,   139,   140,   141,   142,
     143,   144,   145,   146,   147,   148,   149,   150,   151,   152,
     153,   154,   155,   156,   157,   158,   159,   160,   161,   162,
     163,   164,   165,   166,   167,   168,   169,   170,   171,   172,
     173,   174,   175,   176,   177,   178,   179,   180,   181,   182,
     183,   184,   185,   186,   196,   198,   200,   201,   202,   203,
     204,   205,   206,   207,   208,   209,   210,   211,   212,   213,
     214,   215,   216,   217,   219,   220,   221,   222,   223,   224,
     225,   226,   227,   218,   224,   225,     0,     4,   196,     4,
     196,     4,     6,   196,   202,   203,   204,   205,     4,     6,
     196,   202,   203,   204,   205,     4,     6,   196,   202,   203,
     204,   205,   206,   207,   208,   209,   210,   206,   207,   208,
     209,   210,   187,   188,   189,   190,   191,   192,   193,   194,
     195,   197,   187,   188,   189,   190,   191,   192,   193,   194,
     195,   197,   206,   207,   208,   209,   210,   206,   207,   208,
     209,   210,   218,     6,     6,     6,   218,   218,   218,   218,
     218
};

/* YYR1[RULE-NUM] -- Symbol kind of the left-hand side of rule RULE-NUM.  */
static const yytype_uint8 yyr1[] =
{
       0,   199,   200,   201,   201,   201,   201,   201,   201,   201,
     201,   201,   202,   202,   202,   202,   202,   202,   202,   203,
     203,   203,   203,   203,   203,   203,   203,   203,   204,   204,
     204,   204,   204,   205,   205,   205,   205,   205,   205,   205,
     206,   206,   206,   206,   206,   206,   207,   207,   207,   207,
     207,   207,   208,   208,   208,   208,   208,   208,   209,   209,
     209,   209,   209,   209,   210,   210,   210,   210,   210,   210,
     211,   211,   211,   211,   212,   212,   212,   212,   213,   213,
     213,   213,   214,   214,   214,   214,   215,   215,   215,   215,
     216,   216,   216,   217,   217,   217,   218,   218,   219,   219,
     220,   220,   220,   220,   220,   220,   220,   220,   220,   220,
     220,   220,   220,   220,   220,   220,   220,   220,   221,   221,
     221,   221,   221,   221,   221,   221,   221,   221,   221,   221,
     221,   221,   221,   221,   221,   221,   222,   222,   222,   222,
     222,   222,   222,   222,   222,   222,   222,   222,   222,   222,
     222,   222,   222,   222,   222,   222,   222,   222,   222,   222,
     222,   222,   222,   222,   222,   222,   222,   222,   222,   222,
     222,   222,   223,   223,   224,   224,   224,   224,   224,   224,
     224,   224,   224,   224,   224,   224,   224,   224,   224,   224,
     224,   224,   225,   225,   225,   225,   225,   225,   225,   225,
     225,   225,   225,   225,   225,   225,   225,   225,   225,   225,
     226,   226,   226,   226,   226,   226,   226,   226,   226,   226,
     226,   226,   226,   226,   226,   226,   226,   226,   226,   226,
     226,   226,   226,   226,   226,   226,   226,   226,   226,   226,
     226,   226,   226,   226,   226,   226,   227,   227,   227,   227,
     227,   227,   227,   227,   227,   227,   227,   227,   227,   227,
     227,   227,   227,   227,   227,   227,   227,   227,   227,   227,
     227,   227,   227,   227,   227,   227,   227,   227,   227,   227,
     227,   227
};

/* YYR2[RULE-NUM] -- Number of symbols on the right-hand side of rule RULE-NUM.  */
static const yytype_int8 yyr2[] =
{
       0,     2,     1,     0,     1,     1,     1,     1,     1,     1,
       1,     1,     2,     2,     2,     2,     3,     2,     3,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     3,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     1,     1,     2,     2,     2,     2,
       1,     1,     2,     2,     2,     2,     1,     1,     2,     2,
       2,     2,     1,     1,     2,     2,     2,     2,     1,     1,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       2,     2,     2,     2,     2,     2,     2,     2,     2,     2,
       3,     5,     7,     4,     6,     8,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1,     1,     1,     1,     1,     1,     1,     1,     1,
       1,     1
};


enum { YYENOMEM = -2 };

#define yyerrok         (yyerrstatus = 0)
#define yyclearin       (yychar = YYEMPTY)

#define YYACCEPT        goto yyacceptlab
#define YYABORT         goto yyabortlab
#define YYERROR         goto yyerrorlab
#define YYNOMEM         goto yyexhaustedlab


#define YYRECOVERING()  (!!yyerrstatus)

#define YYBACKUP(Token, Value)                                    \
  do                                                              \
    if (yychar == YYEMPTY)                                        \
      {                                                           \
        yychar = (Token);                                         \
        yylval = (Value);                                         \
        YYPOPSTACK (yylen);                                       \
        yystate = *yyssp;                                         \
        goto yybackup;                                            \
      }                                                           \
    else                                                          \
      {                                                           \
        yyerror (YY_("syntax error: cannot back up")); \
        YYERROR;                                                  \
      }                                                           \
  while (0)

/* Backward compatibility with an undocumented macro.
   Use YYerror or YYUNDEF. */
#define YYERRCODE YYUNDEF


/* Enable debugging if requested.  */
#if YYDEBUG

# ifndef YYFPRINTF
#  include <stdio.h> /* INFRINGES ON USER NAME SPACE */
#  define YYFPRINTF fprintf
# endif

# define YYDPRINTF(Args)                        \
do {                                            \
  if (yydebug)                                  \
    YYFPRINTF Args;                             \
} while (0)




# define YY_SYMBOL_PRINT(Title, Kind, Value, Location)                    \
do {                                                                      \
  if (yydebug)                                                            \
    {                                                                     \
      YYFPRINTF (stderr, "%s ", Title);                                   \
      yy_symbol_print (stderr,                                            \
                  Kind, Value); \
      YYFPRINTF (stderr, "\n");                                           \
    }                                                                     \
} while (0)


/*-----------------------------------.
| Print this symbol's value on YYO.  |
`-----------------------------------*/

static void
yy_symbol_value_print (FILE *yyo,
                       yysymbol_kind_t yykind, YYSTYPE const * const yyvaluep)
{
  FILE *yyoutput = yyo;
  YY_USE (yyoutput);
  if (!yyvaluep)
    return;
  YY_IGNORE_MAYBE_UNINITIALIZED_BEGIN
  YY_USE (yykind);
  YY_IGNORE_MAYBE_UNINITIALIZED_END
}


/*---------------------------.
| Print this symbol on YYO.  |
`---------------------------*/

static void
yy_symbol_print (FILE *yyo,
                 yysymbol_kind_t yykind, YYSTYPE const * const yyvaluep)
{
  YYFPRINTF (yyo, "%s %s (",
             yykind < YYNTOKENS ? "token" : "nterm", yysymbol_name (yykind));

  yy_symbol_value_print (yyo, yykind, yyvaluep);
  YYFPRINTF (yyo, ")");
}

/*------------------------------------------------------------------.
| yy_stack_print -- Print the state stack from its BOTTOM up to its |
| TOP (included).                                                   |
`------------------------------------------------------------------*/

static void
yy_stack_print (yy_state_t *yybottom, yy_state_t *yytop)
{
  YYFPRINTF (stderr, "Stack now");
  for (; yybottom <= yytop; yybottom++)
    {
      int yybot = *yybottom;
      YYFPRINTF (stderr, " %d", yybot);
    }
  YYFPRINTF (stderr, "\n");
}

# define YY_STACK_PRINT(Bottom, Top)                            \
do {                                                            \
  if (yydebug)                                                  \
    yy_stack_print ((Bottom), (Top));                           \
} while (0)


/*------------------------------------------------.
| Report that the YYRULE is going to be reduced.  |
`------------------------------------------------*/

static void
yy_reduce_print (yy_state_t *yyssp, YYSTYPE *yyvsp,
                 int yyrule)
{
  int yylno = yyrline[yyrule];
  int yynrhs = yyr2[yyrule];
  int yyi;
  YYFPRINTF (stderr, "Reducing stack by rule %d (line %d):\n",
             yyrule - 1, yylno);
  /* The symbols being reduced.  */
  for (yyi = 0; yyi < yynrhs; yyi++)
    {
      YYFPRINTF (stderr, "   $%d = ", yyi + 1);
      yy_symbol_print (stderr,
                       YY_ACCESSING_SYMBOL (+yyssp[yyi + 1 - yynrhs]),
                       &yyvsp[(yyi + 1) - (yynrhs)]);
      YYFPRINTF (stderr, "\n");
    }
}

# define YY_REDUCE_PRINT(Rule)          \
do {                                    \
  if (yydebug)                          \
    yy_reduce_print (yyssp, yyvsp, Rule); \
} while (0)

/* Nonzero means print parse trace.  It is left uninitialized so that
   multiple parsers can coexist.  */
int yydebug;
#else /* !YYDEBUG */
# define YYDPRINTF(Args) ((void) 0)
# define YY_SYMBOL_PRINT(Title, Kind, Value, Location)
# define YY_STACK_PRINT(Bottom, Top)
# define YY_REDUCE_PRINT(Rule)
#endif /* !YYDEBUG */


/* YYINITDEPTH -- initial size of the parser's stacks.  */
#ifndef YYINITDEPTH
# define YYINITDEPTH 200
#endif

/* YYMAXDEPTH -- maximum size the stacks can grow to (effective only
   if the built-in stack extension method is used).

   Do not make this value too large; the results are undefined if
   YYSTACK_ALLOC_MAXIMUM < YYSTACK_BYTES (YYMAXDEPTH)
   evaluated with infinite-precision integer arithmetic.  */

#ifndef YYMAXDEPTH
# define YYMAXDEPTH 10000
#endif






/*-----------------------------------------------.
| Release the memory associated to this symbol.  |
`-----------------------------------------------*/

static void
yydestruct (const char *yymsg,
            yysymbol_kind_t yykind, YYSTYPE *yyvaluep)
{
  YY_USE (yyvaluep);
  if (!yymsg)
    yymsg = "Deleting";
  YY_SYMBOL_PRINT (yymsg, yykind, yyvaluep, yylocationp);

  YY_IGNORE_MAYBE_UNINITIALIZED_BEGIN
  YY_USE (yykind);
  YY_IGNORE_MAYBE_UNINITIALIZED_END
}


/* Lookahead token kind.  */
int yychar;

/* The semantic value of the lookahead symbol.  */
YYSTYPE yylval;
/* Number of syntax errors so far.  */
int yynerrs;




/*----------.
| yyparse.  |
`----------*/

int
yyparse (void)
{
    yy_state_fast_t yystate = 0;
    /* Number of tokens to shift before error messages enabled.  */
    int yyerrstatus = 0;

    /* Refer to the stacks through separate pointers, to allow yyoverflow
       to reallocate them elsewhere.  */

    /* Their size.  */
    YYPTRDIFF_T yystacksize = YYINITDEPTH;

    /* The state stack: array, bottom, top.  */
    yy_state_t yyssa[YYINITDEPTH];
    yy_state_t *yyss = yyssa;
    yy_state_t *yyssp = yyss;

    /* The semantic value stack: array, bottom, top.  */
    YYSTYPE yyvsa[YYINITDEPTH];
    YYSTYPE *yyvs = yyvsa;
    YYSTYPE *yyvsp = yyvs;

  int yyn;
  /* The return value of yyparse.  */
  int yyresult;
  /* Lookahead symbol kind.  */
  yysymbol_kind_t yytoken = YYSYMBOL_YYEMPTY;
  /* The variables used to return semantic value and location from the
     action routines.  */
  YYSTYPE yyval;



#define YYPOPSTACK(N)   (yyvsp -= (N), yyssp -= (N))

  /* The number of symbols on the RHS of the reduced rule.
     Keep to zero when no symbol should be popped.  */
  int yylen = 0;

  YYDPRINTF ((stderr, "Starting parse\n"));

  yychar = YYEMPTY; /* Cause a token to be read.  */


/* User initialization code.  */
{
#include "parser/couverture_moteur.h"
}


  goto yysetstate;


/*------------------------------------------------------------.
| yynewstate -- push a new state, which is found in yystate.  |
`------------------------------------------------------------*/
yynewstate:
  /* In all cases, when you get here, the value and location stacks
     have just been pushed.  So pushing a state here evens the stacks.  */
  yyssp++;


/*--------------------------------------------------------------------.
| yysetstate -- set current state (the top of the stack) to yystate.  |
`--------------------------------------------------------------------*/
yysetstate:
  YYDPRINTF ((stderr, "Entering state %d\n", yystate));
  YY_ASSERT (0 <= yystate && yystate < YYNSTATES);
  YY_IGNORE_USELESS_CAST_BEGIN
  *yyssp = YY_CAST (yy_state_t, yystate);
  YY_IGNORE_USELESS_CAST_END
  YY_STACK_PRINT (yyss, yyssp);

  if (yyss + yystacksize - 1 <= yyssp)
#if !defined yyoverflow && !defined YYSTACK_RELOCATE
    YYNOMEM;
#else
    {
      /* Get the current used size of the three stacks, in elements.  */
      YYPTRDIFF_T yysize = yyssp - yyss + 1;

# if defined yyoverflow
      {
        /* Give user a chance to reallocate the stack.  Use copies of
           these so that the &'s don't force the real ones into
           memory.  */
        yy_state_t *yyss1 = yyss;
        YYSTYPE *yyvs1 = yyvs;

        /* Each stack pointer address is followed by the size of the
           data in use in that stack, in bytes.  This used to be a
           conditional around just the two extra args, but that might
           be undefined if yyoverflow is a macro.  */
        yyoverflow (YY_("memory exhausted"),
                    &yyss1, yysize * YYSIZEOF (*yyssp),
                    &yyvs1, yysize * YYSIZEOF (*yyvsp),
                    &yystacksize);
        yyss = yyss1;
        yyvs = yyvs1;
      }
# else /* defined YYSTACK_RELOCATE */
      /* Extend the stack our own way.  */
      if (YYMAXDEPTH <= yystacksize)
        YYNOMEM;
      yystacksize *= 2;
      if (YYMAXDEPTH < yystacksize)
        yystacksize = YYMAXDEPTH;

      {
        yy_state_t *yyss1 = yyss;
        union yyalloc *yyptr =
          YY_CAST (union yyalloc *,
                   YYSTACK_ALLOC (YY_CAST (YYSIZE_T, YYSTACK_BYTES (yystacksize))));
        if (! yyptr)
          YYNOMEM;
        YYSTACK_RELOCATE (yyss_alloc, yyss);
        YYSTACK_RELOCATE (yyvs_alloc, yyvs);
#  undef YYSTACK_RELOCATE
        if (yyss1 != yyssa)
          YYSTACK_FREE (yyss1);
      }
# endif

      yyssp = yyss + yysize - 1;
      yyvsp = yyvs + yysize - 1;

      YY_IGNORE_USELESS_CAST_BEGIN
      YYDPRINTF ((stderr, "Stack size increased to %ld\n",
                  YY_CAST (long, yystacksize)));
      YY_IGNORE_USELESS_CAST_END

      if (yyss + yystacksize - 1 <= yyssp)
        YYABORT;
    }
#endif /* !defined yyoverflow && !defined YYSTACK_RELOCATE */


  if (yystate == YYFINAL)
    YYACCEPT;

  goto yybackup;


/*-----------.
| yybackup.  |
`-----------*/
yybackup:
  /* Do appropriate processing given the current state.  Read a
     lookahead token if we need one and don't already have one.  */

  /* First try to decide what to do without reference to lookahead token.  */
  yyn = yypact[yystate];
  if (yypact_value_is_default (yyn))
    goto yydefault;

  /* Not known => get a lookahead token if don't already have one.  */

  /* YYCHAR is either empty, or end-of-input, or a valid lookahead.  */
  if (yychar == YYEMPTY)
    {
      YYDPRINTF ((stderr, "Reading a token\n"));
      yychar = yylex ();
    }

  if (yychar <= YYEOF)
    {
      yychar = YYEOF;
      yytoken = YYSYMBOL_YYEOF;
      YYDPRINTF ((stderr, "Now at end of input.\n"));
    }
  else if (yychar == YYerror)
    {
      /* The scanner already issued an error message, process directly
         to error recovery.  But do not keep the error token as
         lookahead, it is too special and may lead us to an endless
         loop in error recovery. */
      yychar = YYUNDEF;
      yytoken = YYSYMBOL_YYerror;
      goto yyerrlab1;
    }
  else
    {
      yytoken = YYTRANSLATE (yychar);
      YY_SYMBOL_PRINT ("Next token is", yytoken, &yylval, &yylloc);
    }

  /* If the proper action on seeing token YYTOKEN is to reduce or to
     detect an error, take that action.  */
  yyn += yytoken;
  if (yyn < 0 || YYLAST < yyn || yycheck[yyn] != yytoken)
    goto yydefault;
  yyn = yytable[yyn];
  if (yyn <= 0)
    {
      if (yytable_value_is_error (yyn))
        goto yyerrlab;
      yyn = -yyn;
      goto yyreduce;
    }

  /* Count tokens shifted since error; after three, turn off error
     status.  */
  if (yyerrstatus)
    yyerrstatus--;

  /* Shift the lookahead token.  */
  YY_SYMBOL_PRINT ("Shifting", yytoken, &yylval, &yylloc);
  yystate = yyn;
  YY_IGNORE_MAYBE_UNINITIALIZED_BEGIN
  *++yyvsp = yylval;
  YY_IGNORE_MAYBE_UNINITIALIZED_END

  /* Discard the shifted token.  */
  yychar = YYEMPTY;
  goto yynewstate;


/*-----------------------------------------------------------.
| yydefault -- do the default action for the current state.  |
`-----------------------------------------------------------*/
yydefault:
  yyn = yydefact[yystate];
  if (yyn == 0)
    goto yyerrlab;
  goto yyreduce;


/*-----------------------------.
| yyreduce -- do a reduction.  |
`-----------------------------*/
yyreduce:
  /* yyn is the number of a rule to reduce with.  */
  yylen = yyr2[yyn];

  /* If YYLEN is nonzero, implement the default value of the action:
     '$$ = $1'.

     Otherwise, the following line sets YYVAL to garbage.
     This behavior is undocumented and Bison
     users should not rely upon it.  Assigning to YYVAL
     unconditionally makes the parser a bit smaller, and it avoids a
     GCC warning that YYVAL may be used uninitialized.  */
  yyval = yyvsp[1-yylen];


  YY_REDUCE_PRINT (yyn);
  switch (yyn)
    {
  case 4: /* portee_partielle: CHG_MESURE  */
                                { change_de_mesure(); }
    break;

  case 7: /* portee_partielle: mesure  */
                                { termine_mesure(yyvsp[0], 0); }
    break;

  case 8: /* portee_partielle: mesureB  */
                                { termine_mesure(yyvsp[0], 0); }
    break;

  case 9: /* portee_partielle: mesure_liee  */
                                { termine_mesure(yyvsp[0], 1); }
    break;

  case 10: /* portee_partielle: mesureB_liee  */
                                { termine_mesure(yyvsp[0], 1); }
    break;

  case 11: /* portee_partielle: DBL_BARRE  */
                                { arrete_analyse(); }
    break;

  case 12: /* mesure: temps_E2 mesure  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 13: /* mesure: temps_E mesure  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 14: /* mesure: temps_L2 mesure  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 15: /* mesure: temps_E SFIN_MESURE2  */
                                { ferme_par_compte(); }
    break;

  case 16: /* mesure: temps_E SFIN_MESURE2 SFIN_MESURE2  */
                                          { mesure_erreur(); }
    break;

  case 17: /* mesure: temps_E2 SFIN_MESURE2  */
                                { ferme_par_compte(); }
    break;

  case 18: /* mesure: temps_E2 SFIN_MESURE2 SFIN_MESURE2  */
                                          { mesure_erreur(); }
    break;

  case 19: /* mesureB: temps_E2 mesureB  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 20: /* mesureB: temps_E mesureB  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 21: /* mesureB: temps_L2 mesureB  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 22: /* mesureB: temps '|'  */
                                { ferme_par_barre(); }
    break;

  case 23: /* mesureB: temps DBL_BARRE  */
                                { ferme_par_barre(); arrete_analyse(); }
    break;

  case 24: /* mesureB: temps_E '|'  */
                                { ajoute_temps_restant(); ferme_par_barre(); }
    break;

  case 25: /* mesureB: temps_E DBL_BARRE  */
                                { ajoute_temps_restant(); ferme_par_barre(); arrete_analyse(); }
    break;

  case 26: /* mesureB: temps_E2 '|'  */
                                { ferme_par_barre(); }
    break;

  case 27: /* mesureB: temps_E2 DBL_BARRE  */
                                { ferme_par_barre(); arrete_analyse(); }
    break;

  case 28: /* mesure_liee: temps_E2 mesure_liee  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 29: /* mesure_liee: temps_E mesure_liee  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 30: /* mesure_liee: temps_L2 mesure_liee  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 31: /* mesure_liee: temps_L2 SFIN_MESURE2  */
                                { ferme_par_compte(); }
    break;

  case 32: /* mesure_liee: temps_L2 SFIN_MESURE2 SFIN_MESURE2  */
                                          { mesure_erreur(); }
    break;

  case 33: /* mesureB_liee: temps_E2 mesureB_liee  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 34: /* mesureB_liee: temps_E mesureB_liee  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 35: /* mesureB_liee: temps_L2 mesureB_liee  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 36: /* mesureB_liee: temps_lie '|'  */
                                { ferme_par_barre(); }
    break;

  case 37: /* mesureB_liee: temps_lie DBL_BARRE  */
                                { ferme_par_barre(); arrete_analyse(); }
    break;

  case 38: /* mesureB_liee: temps_L2 '|'  */
                                { ferme_par_barre(); }
    break;

  case 39: /* mesureB_liee: temps_L2 DBL_BARRE  */
                                { ferme_par_barre(); arrete_analyse(); }
    break;

  case 40: /* temps_lie: groupe temps_lie  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 41: /* temps_lie: elt_ryt temps_lie  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 42: /* temps_lie: groupe_lie temps_lie  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 43: /* temps_lie: elt_ryt_lie temps_lie  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 44: /* temps_lie: groupe_lie  */
                                { ajoute_temps(yyvsp[0]); }
    break;

  case 45: /* temps_lie: elt_ryt_lie  */
                                { ajoute_temps(yyvsp[0]); }
    break;

  case 46: /* temps: groupe temps  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 47: /* temps: elt_ryt temps  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 48: /* temps: groupe_lie temps  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 49: /* temps: elt_ryt_lie temps  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 50: /* temps: groupe  */
                                { ajoute_temps(yyvsp[0]); }
    break;

  case 51: /* temps: elt_ryt  */
                                { ajoute_temps(yyvsp[0]); }
    break;

  case 52: /* temps_L2: groupe temps_L2  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 53: /* temps_L2: elt_ryt temps_L2  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 54: /* temps_L2: groupe_lie temps_L2  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 55: /* temps_L2: elt_ryt_lie temps_L2  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 58: /* temps_E: groupe temps_E  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 59: /* temps_E: elt_ryt temps_E  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 60: /* temps_E: groupe_lie temps_E  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 61: /* temps_E: elt_ryt_lie temps_E  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 64: /* temps_E2: groupe temps_E2  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 65: /* temps_E2: elt_ryt temps_E2  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 66: /* temps_E2: groupe_lie temps_E2  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 67: /* temps_E2: elt_ryt_lie temps_E2  */
                                { yyval = yyvsp[-1] + yyvsp[0]; }
    break;

  case 70: /* groupe_lie: groupe_simple SPAR_FEML  */
                                { yyval = vgI(yyvsp[-1], 0); ajoute_graphie(")_"); }
    break;

  case 71: /* groupe_lie: groupe_compose SPAR_FEML  */
                                { yyval = vgI(yyvsp[-1], 0); ajoute_graphie(")_"); }
    break;

  case 72: /* groupe_lie: groupe_simple SPAR_FEMLI  */
                                { yyval = vgI(yyvsp[-1], 1); ajoute_graphie(")"); ajoute_chiffre(); ajoute_graphie("_"); }
    break;

  case 73: /* groupe_lie: groupe_compose SPAR_FEMLI  */
                                { yyval = vgI(yyvsp[-1], 1); ajoute_graphie(")"); ajoute_chiffre(); ajoute_graphie("_"); }
    break;

  case 74: /* groupe_L2: groupe_simple SPAR_FEML2  */
                                 { yyval = vgI(yyvsp[-1], 0); ajoute_graphie(")_"); termine_temps(); }
    break;

  case 75: /* groupe_L2: groupe_compose SPAR_FEML2  */
                                 { yyval = vgI(yyvsp[-1], 0); ajoute_graphie(")_"); termine_temps(); }
    break;

  case 76: /* groupe_L2: groupe_simple SPAR_FEMLI2  */
                                 { yyval = vgI(yyvsp[-1], 1); ajoute_graphie(")"); ajoute_chiffre(); ajoute_graphie("_"); termine_temps(); }
    break;

  case 77: /* groupe_L2: groupe_compose SPAR_FEMLI2  */
                                 { yyval = vgI(yyvsp[-1], 1); ajoute_graphie(")"); ajoute_chiffre(); ajoute_graphie("_"); termine_temps(); }
    break;

  case 78: /* groupe: groupe_simple ')'  */
                                { yyval = vgI(yyvsp[-1], 0); ajoute_graphie(")"); }
    break;

  case 79: /* groupe: groupe_compose ')'  */
                                { yyval = vgI(yyvsp[-1], 0); ajoute_graphie(")"); }
    break;

  case 80: /* groupe: groupe_simple SPAR_FEMI  */
                                { yyval = vgI(yyvsp[-1], 1); ajoute_graphie(")"); ajoute_chiffre(); }
    break;

  case 81: /* groupe: groupe_compose SPAR_FEMI  */
                                { yyval = vgI(yyvsp[-1], 1); ajoute_graphie(")"); ajoute_chiffre(); }
    break;

  case 82: /* groupe_E: groupe_simple SPAR_FEME  */
                                 { yyval = vgI(yyvsp[-1], 0); ajoute_graphie(")"); termine_temps_espace(); }
    break;

  case 83: /* groupe_E: groupe_compose SPAR_FEME  */
                                 { yyval = vgI(yyvsp[-1], 0); ajoute_graphie(")"); termine_temps_espace(); }
    break;

  case 84: /* groupe_E: groupe_simple SPAR_FEMEI  */
                                 { yyval = vgI(yyvsp[-1], 1); ajoute_graphie(")"); ajoute_chiffre(); termine_temps_espace(); }
    break;

  case 85: /* groupe_E: groupe_compose SPAR_FEMEI  */
                                 { yyval = vgI(yyvsp[-1], 1); ajoute_graphie(")"); ajoute_chiffre(); termine_temps_espace(); }
    break;

  case 86: /* groupe_E2: groupe_simple SPAR_FEME2  */
                                 { yyval = vgI(yyvsp[-1], 0); ajoute_graphie(") "); termine_temps(); }
    break;

  case 87: /* groupe_E2: groupe_compose SPAR_FEME2  */
                                 { yyval = vgI(yyvsp[-1], 0); ajoute_graphie(") "); termine_temps(); }
    break;

  case 88: /* groupe_E2: groupe_simple SPAR_FEMEI2  */
                                 { yyval = vgI(yyvsp[-1], 1); ajoute_graphie(")"); ajoute_chiffre(); ajoute_graphie(" "); termine_temps(); }
    break;

  case 89: /* groupe_E2: groupe_compose SPAR_FEMEI2  */
                                 { yyval = vgI(yyvsp[-1], 1); ajoute_graphie(")"); ajoute_chiffre(); ajoute_graphie(" "); termine_temps(); }
    break;

  case 90: /* groupe_compose: '(' elt_ryt_grp elt_ryt_grp  */
        { const int32_t v[] = {yyvsp[-1], yyvsp[0]}; yyval = corps_de_groupe(v, 2); }
    break;

  case 91: /* groupe_compose: '(' elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp  */
        { const int32_t v[] = {yyvsp[-3], yyvsp[-2], yyvsp[-1], yyvsp[0]}; yyval = corps_de_groupe(v, 4); }
    break;

  case 92: /* groupe_compose: '(' elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp  */
        { const int32_t v[] = {yyvsp[-5], yyvsp[-4], yyvsp[-3], yyvsp[-2], yyvsp[-1], yyvsp[0]}; yyval = corps_de_groupe(v, 6); }
    break;

  case 93: /* groupe_simple: '(' elt_ryt_grp elt_ryt_grp elt_ryt_grp  */
        { const int32_t v[] = {yyvsp[-2], yyvsp[-1], yyvsp[0]}; yyval = corps_de_groupe(v, 3); }
    break;

  case 94: /* groupe_simple: '(' elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp  */
        { const int32_t v[] = {yyvsp[-4], yyvsp[-3], yyvsp[-2], yyvsp[-1], yyvsp[0]}; yyval = corps_de_groupe(v, 5); }
    break;

  case 95: /* groupe_simple: '(' elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp elt_ryt_grp  */
        { const int32_t v[] = {yyvsp[-6], yyvsp[-5], yyvsp[-4], yyvsp[-3], yyvsp[-2], yyvsp[-1], yyvsp[0]}; yyval = corps_de_groupe(v, 7); }
    break;

  case 97: /* elt_ryt_grp: silence  */
                                { signale_erreur("utiliser plutôt des notes dans le groupe, \n\tou changez de mesure."_l1, Nature::conseil); }
    break;

  case 100: /* note_liee: SRNDL  */
                 { yyval = 64; ajoute_graphie("o_"); }
    break;

  case 101: /* note_liee: SBCLL  */
                 { yyval = 32; ajoute_graphie("d_"); }
    break;

  case 102: /* note_liee: SNORL  */
                 { yyval = 16; ajoute_graphie("!_"); }
    break;

  case 103: /* note_liee: SCRHL  */
                 { yyval = 8; ajoute_graphie("[_"); }
    break;

  case 104: /* note_liee: SDBLL  */
                 { yyval = 4; ajoute_graphie("f_"); }
    break;

  case 105: /* note_liee: STPLL  */
                 { yyval = 2; ajoute_graphie("t_"); }
    break;

  case 106: /* note_liee: SQADL  */
                 { yyval = 1; ajoute_graphie("q_"); }
    break;

  case 107: /* note_liee: SRNDPL  */
                 { yyval = 96; ajoute_graphie("o._"); }
    break;

  case 108: /* note_liee: SBCLPL  */
                 { yyval = 48; ajoute_graphie("d._"); }
    break;

  case 109: /* note_liee: SNORPL  */
                 { yyval = 24; ajoute_graphie("!._"); }
    break;

  case 110: /* note_liee: SCRHPL  */
                 { yyval = 12; ajoute_graphie("[._"); }
    break;

  case 111: /* note_liee: SDBLPL  */
                 { yyval = 6; ajoute_graphie("f._"); }
    break;

  case 112: /* note_liee: STPLPL  */
                 { yyval = 3; ajoute_graphie("t._"); }
    break;

  case 113: /* note_liee: SRNDPPL  */
                 { yyval = 112; ajoute_graphie("o.._"); }
    break;

  case 114: /* note_liee: SBCLPPL  */
                 { yyval = 56; ajoute_graphie("d.._"); }
    break;

  case 115: /* note_liee: SNORPPL  */
                 { yyval = 28; ajoute_graphie("!.._"); }
    break;

  case 116: /* note_liee: SCRHPPL  */
                 { yyval = 14; ajoute_graphie("[.._"); }
    break;

  case 117: /* note_liee: SDBLPPL  */
                 { yyval = 7; ajoute_graphie("f.._"); }
    break;

  case 118: /* silence_lie: SPAUL  */
                 { yyval = 64; ajoute_graphie("-_"); }
    break;

  case 119: /* silence_lie: SDPAL  */
                 { yyval = 32; ajoute_graphie("=_"); }
    break;

  case 120: /* silence_lie: SSOUL  */
                 { yyval = 16; ajoute_graphie("<_"); }
    break;

  case 121: /* silence_lie: SDSOL  */
                 { yyval = 8; ajoute_graphie(">_"); }
    break;

  case 122: /* silence_lie: SQSOL  */
                 { yyval = 4; ajoute_graphie("k_"); }
    break;

  case 123: /* silence_lie: SHSOL  */
                 { yyval = 2; ajoute_graphie("x_"); }
    break;

  case 124: /* silence_lie: SSSOL  */
                 { yyval = 1; ajoute_graphie("w_"); }
    break;

  case 125: /* silence_lie: SPAUPL  */
                 { yyval = 96; ajoute_graphie("-._"); }
    break;

  case 126: /* silence_lie: SDPAPL  */
                 { yyval = 48; ajoute_graphie("=._"); }
    break;

  case 127: /* silence_lie: SSOUPL  */
                 { yyval = 24; ajoute_graphie("<._"); }
    break;

  case 128: /* silence_lie: SDSOPL  */
                 { yyval = 12; ajoute_graphie(">._"); }
    break;

  case 129: /* silence_lie: SQSOPL  */
                 { yyval = 6; ajoute_graphie("k._"); }
    break;

  case 130: /* silence_lie: SHSOPL  */
                 { yyval = 3; ajoute_graphie("x._"); }
    break;

  case 131: /* silence_lie: SPAUPPL  */
                 { yyval = 112; ajoute_graphie("-.._"); }
    break;

  case 132: /* silence_lie: SDPAPPL  */
                 { yyval = 56; ajoute_graphie("=.._"); }
    break;

  case 133: /* silence_lie: SSOUPPL  */
                 { yyval = 28; ajoute_graphie("<.._"); }
    break;

  case 134: /* silence_lie: SDSOPPL  */
                 { yyval = 14; ajoute_graphie(">.._"); }
    break;

  case 135: /* silence_lie: SQSOPPL  */
                 { yyval = 7; ajoute_graphie("k.._"); }
    break;

  case 136: /* elt_ryt_L2: SRNDL2  */
                 { yyval = 64; ajoute_graphie("o_"); termine_temps(); }
    break;

  case 137: /* elt_ryt_L2: SBCLL2  */
                 { yyval = 32; ajoute_graphie("d_"); termine_temps(); }
    break;

  case 138: /* elt_ryt_L2: SNORL2  */
                 { yyval = 16; ajoute_graphie("!_"); termine_temps(); }
    break;

  case 139: /* elt_ryt_L2: SCRHL2  */
                 { yyval = 8; ajoute_graphie("[_"); termine_temps(); }
    break;

  case 140: /* elt_ryt_L2: SDBLL2  */
                 { yyval = 4; ajoute_graphie("f_"); termine_temps(); }
    break;

  case 141: /* elt_ryt_L2: STPLL2  */
                 { yyval = 2; ajoute_graphie("t_"); termine_temps(); }
    break;

  case 142: /* elt_ryt_L2: SQADL2  */
                 { yyval = 1; ajoute_graphie("q_"); termine_temps(); }
    break;

  case 143: /* elt_ryt_L2: SRNDPL2  */
                 { yyval = 96; ajoute_graphie("o._"); termine_temps(); }
    break;

  case 144: /* elt_ryt_L2: SBCLPL2  */
                 { yyval = 48; ajoute_graphie("d._"); termine_temps(); }
    break;

  case 145: /* elt_ryt_L2: SNORPL2  */
                 { yyval = 24; ajoute_graphie("!._"); termine_temps(); }
    break;

  case 146: /* elt_ryt_L2: SCRHPL2  */
                 { yyval = 12; ajoute_graphie("[._"); termine_temps(); }
    break;

  case 147: /* elt_ryt_L2: SDBLPL2  */
                 { yyval = 6; ajoute_graphie("f._"); termine_temps(); }
    break;

  case 148: /* elt_ryt_L2: STPLPL2  */
                 { yyval = 3; ajoute_graphie("t._"); termine_temps(); }
    break;

  case 149: /* elt_ryt_L2: SRNDPPL2  */
                 { yyval = 112; ajoute_graphie("o.._"); termine_temps(); }
    break;

  case 150: /* elt_ryt_L2: SBCLPPL2  */
                 { yyval = 56; ajoute_graphie("d.._"); termine_temps(); }
    break;

  case 151: /* elt_ryt_L2: SNORPPL2  */
                 { yyval = 28; ajoute_graphie("!.._"); termine_temps(); }
    break;

  case 152: /* elt_ryt_L2: SCRHPPL2  */
                 { yyval = 14; ajoute_graphie("[.._"); termine_temps(); }
    break;

  case 153: /* elt_ryt_L2: SDBLPPL2  */
                 { yyval = 7; ajoute_graphie("f.._"); termine_temps(); }
    break;

  case 154: /* elt_ryt_L2: SPAUL2  */
                 { yyval = 64; ajoute_graphie("-_"); termine_temps(); }
    break;

  case 155: /* elt_ryt_L2: SDPAL2  */
                 { yyval = 32; ajoute_graphie("=_"); termine_temps(); }
    break;

  case 156: /* elt_ryt_L2: SSOUL2  */
                 { yyval = 16; ajoute_graphie("<_"); termine_temps(); }
    break;

  case 157: /* elt_ryt_L2: SDSOL2  */
                 { yyval = 8; ajoute_graphie(">_"); termine_temps(); }
    break;

  case 158: /* elt_ryt_L2: SQSOL2  */
                 { yyval = 4; ajoute_graphie("k_"); termine_temps(); }
    break;

  case 159: /* elt_ryt_L2: SHSOL2  */
                 { yyval = 2; ajoute_graphie("x_"); termine_temps(); }
    break;

  case 160: /* elt_ryt_L2: SSSOL2  */
                 { yyval = 1; ajoute_graphie("w_"); termine_temps(); }
    break;

  case 161: /* elt_ryt_L2: SPAUPL2  */
                 { yyval = 96; ajoute_graphie("-._"); termine_temps(); }
    break;

  case 162: /* elt_ryt_L2: SDPAPL2  */
                 { yyval = 48; ajoute_graphie("=._"); termine_temps(); }
    break;

  case 163: /* elt_ryt_L2: SSOUPL2  */
                 { yyval = 24; ajoute_graphie("<._"); termine_temps(); }
    break;

  case 164: /* elt_ryt_L2: SDSOPL2  */
                 { yyval = 12; ajoute_graphie(">._"); termine_temps(); }
    break;

  case 165: /* elt_ryt_L2: SQSOPL2  */
                 { yyval = 6; ajoute_graphie("k._"); termine_temps(); }
    break;

  case 166: /* elt_ryt_L2: SHSOPL2  */
                 { yyval = 3; ajoute_graphie("x._"); termine_temps(); }
    break;

  case 167: /* elt_ryt_L2: SPAUPPL2  */
                 { yyval = 112; ajoute_graphie("-.._"); termine_temps(); }
    break;

  case 168: /* elt_ryt_L2: SDPAPPL2  */
                 { yyval = 56; ajoute_graphie("=.._"); termine_temps(); }
    break;

  case 169: /* elt_ryt_L2: SSOUPPL2  */
                 { yyval = 28; ajoute_graphie("<.._"); termine_temps(); }
    break;

  case 170: /* elt_ryt_L2: SDSOPPL2  */
                 { yyval = 14; ajoute_graphie(">.._"); termine_temps(); }
    break;

  case 171: /* elt_ryt_L2: SQSOPPL2  */
                 { yyval = 7; ajoute_graphie("k.._"); termine_temps(); }
    break;

  case 174: /* note: SRND  */
                 { yyval = 64; ajoute_graphie("o"); }
    break;

  case 175: /* note: SBCL  */
                 { yyval = 32; ajoute_graphie("d"); }
    break;

  case 176: /* note: SNOR  */
                 { yyval = 16; ajoute_graphie("!"); }
    break;

  case 177: /* note: SCRH  */
                 { yyval = 8; ajoute_graphie("["); }
    break;

  case 178: /* note: SDBL  */
                 { yyval = 4; ajoute_graphie("f"); }
    break;

  case 179: /* note: STPL  */
                 { yyval = 2; ajoute_graphie("t"); }
    break;

  case 180: /* note: SQAD  */
                 { yyval = 1; ajoute_graphie("q"); }
    break;

  case 181: /* note: SRNDP  */
                 { yyval = 96; ajoute_graphie("o."); }
    break;

  case 182: /* note: SBCLP  */
                 { yyval = 48; ajoute_graphie("d."); }
    break;

  case 183: /* note: SNORP  */
                 { yyval = 24; ajoute_graphie("!."); }
    break;

  case 184: /* note: SCRHP  */
                 { yyval = 12; ajoute_graphie("[."); }
    break;

  case 185: /* note: SDBLP  */
                 { yyval = 6; ajoute_graphie("f."); }
    break;

  case 186: /* note: STPLP  */
                 { yyval = 3; ajoute_graphie("t."); }
    break;

  case 187: /* note: SRNDPP  */
                 { yyval = 112; ajoute_graphie("o.."); }
    break;

  case 188: /* note: SBCLPP  */
                 { yyval = 56; ajoute_graphie("d.."); }
    break;

  case 189: /* note: SNORPP  */
                 { yyval = 28; ajoute_graphie("!.."); }
    break;

  case 190: /* note: SCRHPP  */
                 { yyval = 14; ajoute_graphie("[.."); }
    break;

  case 191: /* note: SDBLPP  */
                 { yyval = 7; ajoute_graphie("f.."); }
    break;

  case 192: /* silence: SPAU  */
                 { yyval = 64; ajoute_graphie("-"); }
    break;

  case 193: /* silence: SDPA  */
                 { yyval = 32; ajoute_graphie("="); }
    break;

  case 194: /* silence: SSOU  */
                 { yyval = 16; ajoute_graphie("<"); }
    break;

  case 195: /* silence: SDSO  */
                 { yyval = 8; ajoute_graphie(">"); }
    break;

  case 196: /* silence: SQSO  */
                 { yyval = 4; ajoute_graphie("k"); }
    break;

  case 197: /* silence: SHSO  */
                 { yyval = 2; ajoute_graphie("x"); }
    break;

  case 198: /* silence: SSSO  */
                 { yyval = 1; ajoute_graphie("w"); }
    break;

  case 199: /* silence: SPAUP  */
                 { yyval = 96; ajoute_graphie("-."); }
    break;

  case 200: /* silence: SDPAP  */
                 { yyval = 48; ajoute_graphie("=."); }
    break;

  case 201: /* silence: SSOUP  */
                 { yyval = 24; ajoute_graphie("<."); }
    break;

  case 202: /* silence: SDSOP  */
                 { yyval = 12; ajoute_graphie(">."); }
    break;

  case 203: /* silence: SQSOP  */
                 { yyval = 6; ajoute_graphie("k."); }
    break;

  case 204: /* silence: SHSOP  */
                 { yyval = 3; ajoute_graphie("x."); }
    break;

  case 205: /* silence: SPAUPP  */
                 { yyval = 112; ajoute_graphie("-.."); }
    break;

  case 206: /* silence: SDPAPP  */
                 { yyval = 56; ajoute_graphie("=.."); }
    break;

  case 207: /* silence: SSOUPP  */
                 { yyval = 28; ajoute_graphie("<.."); }
    break;

  case 208: /* silence: SDSOPP  */
                 { yyval = 14; ajoute_graphie(">.."); }
    break;

  case 209: /* silence: SQSOPP  */
                 { yyval = 7; ajoute_graphie("k.."); }
    break;

  case 210: /* elt_ryt_E: SRNDE  */
                 { yyval = 64; ajoute_graphie("o"); termine_temps_espace(); }
    break;

  case 211: /* elt_ryt_E: SBCLE  */
                 { yyval = 32; ajoute_graphie("d"); termine_temps_espace(); }
    break;

  case 212: /* elt_ryt_E: SNORE  */
                 { yyval = 16; ajoute_graphie("!"); termine_temps_espace(); }
    break;

  case 213: /* elt_ryt_E: SCRHE  */
                 { yyval = 8; ajoute_graphie("["); termine_temps_espace(); }
    break;

  case 214: /* elt_ryt_E: SDBLE  */
                 { yyval = 4; ajoute_graphie("f"); termine_temps_espace(); }
    break;

  case 215: /* elt_ryt_E: STPLE  */
                 { yyval = 2; ajoute_graphie("t"); termine_temps_espace(); }
    break;

  case 216: /* elt_ryt_E: SQADE  */
                 { yyval = 1; ajoute_graphie("q"); termine_temps_espace(); }
    break;

  case 217: /* elt_ryt_E: SRNDPE  */
                 { yyval = 96; ajoute_graphie("o."); termine_temps_espace(); }
    break;

  case 218: /* elt_ryt_E: SBCLPE  */
                 { yyval = 48; ajoute_graphie("d."); termine_temps_espace(); }
    break;

  case 219: /* elt_ryt_E: SNORPE  */
                 { yyval = 24; ajoute_graphie("!."); termine_temps_espace(); }
    break;

  case 220: /* elt_ryt_E: SCRHPE  */
                 { yyval = 12; ajoute_graphie("[."); termine_temps_espace(); }
    break;

  case 221: /* elt_ryt_E: SDBLPE  */
                 { yyval = 6; ajoute_graphie("f."); termine_temps_espace(); }
    break;

  case 222: /* elt_ryt_E: STPLPE  */
                 { yyval = 3; ajoute_graphie("t."); termine_temps_espace(); }
    break;

  case 223: /* elt_ryt_E: SRNDPPE  */
                 { yyval = 112; ajoute_graphie("o.."); termine_temps_espace(); }
    break;

  case 224: /* elt_ryt_E: SBCLPPE  */
                 { yyval = 56; ajoute_graphie("d.."); termine_temps_espace(); }
    break;

  case 225: /* elt_ryt_E: SNORPPE  */
                 { yyval = 28; ajoute_graphie("!.."); termine_temps_espace(); }
    break;

  case 226: /* elt_ryt_E: SCRHPPE  */
                 { yyval = 14; ajoute_graphie("[.."); termine_temps_espace(); }
    break;

  case 227: /* elt_ryt_E: SDBLPPE  */
                 { yyval = 7; ajoute_graphie("f.."); termine_temps_espace(); }
    break;

  case 228: /* elt_ryt_E: SPAUE  */
                 { yyval = 64; ajoute_graphie("-"); termine_temps_espace(); }
    break;

  case 229: /* elt_ryt_E: SDPAE  */
                 { yyval = 32; ajoute_graphie("="); termine_temps_espace(); }
    break;

  case 230: /* elt_ryt_E: SSOUE  */
                 { yyval = 16; ajoute_graphie("<"); termine_temps_espace(); }
    break;

  case 231: /* elt_ryt_E: SDSOE  */
                 { yyval = 8; ajoute_graphie(">"); termine_temps_espace(); }
    break;

  case 232: /* elt_ryt_E: SQSOE  */
                 { yyval = 4; ajoute_graphie("k"); termine_temps_espace(); }
    break;

  case 233: /* elt_ryt_E: SHSOE  */
                 { yyval = 2; ajoute_graphie("x"); termine_temps_espace(); }
    break;

  case 234: /* elt_ryt_E: SSSOE  */
                 { yyval = 1; ajoute_graphie("w"); termine_temps_espace(); }
    break;

  case 235: /* elt_ryt_E: SPAUPE  */
                 { yyval = 96; ajoute_graphie("-."); termine_temps_espace(); }
    break;

  case 236: /* elt_ryt_E: SDPAPE  */
                 { yyval = 48; ajoute_graphie("=."); termine_temps_espace(); }
    break;

  case 237: /* elt_ryt_E: SSOUPE  */
                 { yyval = 24; ajoute_graphie("<."); termine_temps_espace(); }
    break;

  case 238: /* elt_ryt_E: SDSOPE  */
                 { yyval = 12; ajoute_graphie(">."); termine_temps_espace(); }
    break;

  case 239: /* elt_ryt_E: SQSOPE  */
                 { yyval = 6; ajoute_graphie("k."); termine_temps_espace(); }
    break;

  case 240: /* elt_ryt_E: SHSOPE  */
                 { yyval = 3; ajoute_graphie("x."); termine_temps_espace(); }
    break;

  case 241: /* elt_ryt_E: SPAUPPE  */
                 { yyval = 112; ajoute_graphie("-.."); termine_temps_espace(); }
    break;

  case 242: /* elt_ryt_E: SDPAPPE  */
                 { yyval = 56; ajoute_graphie("=.."); termine_temps_espace(); }
    break;

  case 243: /* elt_ryt_E: SSOUPPE  */
                 { yyval = 28; ajoute_graphie("<.."); termine_temps_espace(); }
    break;

  case 244: /* elt_ryt_E: SDSOPPE  */
                 { yyval = 14; ajoute_graphie(">.."); termine_temps_espace(); }
    break;

  case 245: /* elt_ryt_E: SQSOPPE  */
                 { yyval = 7; ajoute_graphie("k.."); termine_temps_espace(); }
    break;

  case 246: /* elt_ryt_E2: SRNDE2  */
                 { yyval = 64; ajoute_graphie("o "); termine_temps(); }
    break;

  case 247: /* elt_ryt_E2: SBCLE2  */
                 { yyval = 32; ajoute_graphie("d "); termine_temps(); }
    break;

  case 248: /* elt_ryt_E2: SNORE2  */
                 { yyval = 16; ajoute_graphie("! "); termine_temps(); }
    break;

  case 249: /* elt_ryt_E2: SCRHE2  */
                 { yyval = 8; ajoute_graphie("[ "); termine_temps(); }
    break;

  case 250: /* elt_ryt_E2: SDBLE2  */
                 { yyval = 4; ajoute_graphie("f "); termine_temps(); }
    break;

  case 251: /* elt_ryt_E2: STPLE2  */
                 { yyval = 2; ajoute_graphie("t "); termine_temps(); }
    break;

  case 252: /* elt_ryt_E2: SQADE2  */
                 { yyval = 1; ajoute_graphie("q "); termine_temps(); }
    break;

  case 253: /* elt_ryt_E2: SRNDPE2  */
                 { yyval = 96; ajoute_graphie("o. "); termine_temps(); }
    break;

  case 254: /* elt_ryt_E2: SBCLPE2  */
                 { yyval = 48; ajoute_graphie("d. "); termine_temps(); }
    break;

  case 255: /* elt_ryt_E2: SNORPE2  */
                 { yyval = 24; ajoute_graphie("!. "); termine_temps(); }
    break;

  case 256: /* elt_ryt_E2: SCRHPE2  */
                 { yyval = 12; ajoute_graphie("[. "); termine_temps(); }
    break;

  case 257: /* elt_ryt_E2: SDBLPE2  */
                 { yyval = 6; ajoute_graphie("f. "); termine_temps(); }
    break;

  case 258: /* elt_ryt_E2: STPLPE2  */
                 { yyval = 3; ajoute_graphie("t. "); termine_temps(); }
    break;

  case 259: /* elt_ryt_E2: SRNDPPE2  */
                 { yyval = 112; ajoute_graphie("o.. "); termine_temps(); }
    break;

  case 260: /* elt_ryt_E2: SBCLPPE2  */
                 { yyval = 56; ajoute_graphie("d.. "); termine_temps(); }
    break;

  case 261: /* elt_ryt_E2: SNORPPE2  */
                 { yyval = 28; ajoute_graphie("!.. "); termine_temps(); }
    break;

  case 262: /* elt_ryt_E2: SCRHPPE2  */
                 { yyval = 14; ajoute_graphie("[.. "); termine_temps(); }
    break;

  case 263: /* elt_ryt_E2: SDBLPPE2  */
                 { yyval = 7; ajoute_graphie("f.. "); termine_temps(); }
    break;

  case 264: /* elt_ryt_E2: SPAUE2  */
                 { yyval = 64; ajoute_graphie("- "); termine_temps(); }
    break;

  case 265: /* elt_ryt_E2: SDPAE2  */
                 { yyval = 32; ajoute_graphie("= "); termine_temps(); }
    break;

  case 266: /* elt_ryt_E2: SSOUE2  */
                 { yyval = 16; ajoute_graphie("< "); termine_temps(); }
    break;

  case 267: /* elt_ryt_E2: SDSOE2  */
                 { yyval = 8; ajoute_graphie("> "); termine_temps(); }
    break;

  case 268: /* elt_ryt_E2: SQSOE2  */
                 { yyval = 4; ajoute_graphie("k "); termine_temps(); }
    break;

  case 269: /* elt_ryt_E2: SHSOE2  */
                 { yyval = 2; ajoute_graphie("x "); termine_temps(); }
    break;

  case 270: /* elt_ryt_E2: SSSOE2  */
                 { yyval = 1; ajoute_graphie("w "); termine_temps(); }
    break;

  case 271: /* elt_ryt_E2: SPAUPE2  */
                 { yyval = 96; ajoute_graphie("-. "); termine_temps(); }
    break;

  case 272: /* elt_ryt_E2: SDPAPE2  */
                 { yyval = 48; ajoute_graphie("=. "); termine_temps(); }
    break;

  case 273: /* elt_ryt_E2: SSOUPE2  */
                 { yyval = 24; ajoute_graphie("<. "); termine_temps(); }
    break;

  case 274: /* elt_ryt_E2: SDSOPE2  */
                 { yyval = 12; ajoute_graphie(">. "); termine_temps(); }
    break;

  case 275: /* elt_ryt_E2: SQSOPE2  */
                 { yyval = 6; ajoute_graphie("k. "); termine_temps(); }
    break;

  case 276: /* elt_ryt_E2: SHSOPE2  */
                 { yyval = 3; ajoute_graphie("x. "); termine_temps(); }
    break;

  case 277: /* elt_ryt_E2: SPAUPPE2  */
                 { yyval = 112; ajoute_graphie("-.. "); termine_temps(); }
    break;

  case 278: /* elt_ryt_E2: SDPAPPE2  */
                 { yyval = 56; ajoute_graphie("=.. "); termine_temps(); }
    break;

  case 279: /* elt_ryt_E2: SSOUPPE2  */
                 { yyval = 28; ajoute_graphie("<.. "); termine_temps(); }
    break;

  case 280: /* elt_ryt_E2: SDSOPPE2  */
                 { yyval = 14; ajoute_graphie(">.. "); termine_temps(); }
    break;

  case 281: /* elt_ryt_E2: SQSOPPE2  */
                 { yyval = 7; ajoute_graphie("k.. "); termine_temps(); }
    break;



      default: break;
    }
  /* User semantic actions sometimes alter yychar, and that requires
     that yytoken be updated with the new translation.  We take the
     approach of translating immediately before every use of yytoken.
     One alternative is translating here after every semantic action,
     but that translation would be missed if the semantic action invokes
     YYABORT, YYACCEPT, or YYERROR immediately after altering yychar or
     if it invokes YYBACKUP.  In the case of YYABORT or YYACCEPT, an
     incorrect destructor might then be invoked immediately.  In the
     case of YYERROR or YYBACKUP, subsequent parser actions might lead
     to an incorrect destructor call or verbose syntax error message
     before the lookahead is translated.  */
  YY_SYMBOL_PRINT ("-> $$ =", YY_CAST (yysymbol_kind_t, yyr1[yyn]), &yyval, &yyloc);

  YYPOPSTACK (yylen);
  yylen = 0;

  *++yyvsp = yyval;

  /* Now 'shift' the result of the reduction.  Determine what state
     that goes to, based on the state we popped back to and the rule
     number reduced by.  */
  {
    const int yylhs = yyr1[yyn] - YYNTOKENS;
    const int yyi = yypgoto[yylhs] + *yyssp;
    yystate = (0 <= yyi && yyi <= YYLAST && yycheck[yyi] == *yyssp
               ? yytable[yyi]
               : yydefgoto[yylhs]);
  }

  goto yynewstate;


/*--------------------------------------.
| yyerrlab -- here on detecting error.  |
`--------------------------------------*/
yyerrlab:
  /* Make sure we have latest lookahead translation.  See comments at
     user semantic actions for why this is necessary.  */
  yytoken = yychar == YYEMPTY ? YYSYMBOL_YYEMPTY : YYTRANSLATE (yychar);
  /* If not already recovering from an error, report this error.  */
  if (!yyerrstatus)
    {
      ++yynerrs;
      yyerror (YY_("syntax error"));
    }

  if (yyerrstatus == 3)
    {
      /* If just tried and failed to reuse lookahead token after an
         error, discard it.  */

      if (yychar <= YYEOF)
        {
          /* Return failure if at end of input.  */
          if (yychar == YYEOF)
            YYABORT;
        }
      else
        {
          yydestruct ("Error: discarding",
                      yytoken, &yylval);
          yychar = YYEMPTY;
        }
    }

  /* Else will try to reuse lookahead token after shifting the error
     token.  */
  goto yyerrlab1;


/*---------------------------------------------------.
| yyerrorlab -- error raised explicitly by YYERROR.  |
`---------------------------------------------------*/
yyerrorlab:
  /* Pacify compilers when the user code never invokes YYERROR and the
     label yyerrorlab therefore never appears in user code.  */
  if (0)
    YYERROR;
  ++yynerrs;

  /* Do not reclaim the symbols of the rule whose action triggered
     this YYERROR.  */
  YYPOPSTACK (yylen);
  yylen = 0;
  YY_STACK_PRINT (yyss, yyssp);
  yystate = *yyssp;
  goto yyerrlab1;


/*-------------------------------------------------------------.
| yyerrlab1 -- common code for both syntax error and YYERROR.  |
`-------------------------------------------------------------*/
yyerrlab1:
  yyerrstatus = 3;      /* Each real token shifted decrements this.  */

  /* Pop stack until we find a state that shifts the error token.  */
  for (;;)
    {
      yyn = yypact[yystate];
      if (!yypact_value_is_default (yyn))
        {
          yyn += YYSYMBOL_YYerror;
          if (0 <= yyn && yyn <= YYLAST && yycheck[yyn] == YYSYMBOL_YYerror)
            {
              yyn = yytable[yyn];
              if (0 < yyn)
                break;
            }
        }

      /* Pop the current state because it cannot handle the error token.  */
      if (yyssp == yyss)
        YYABORT;


      yydestruct ("Error: popping",
                  YY_ACCESSING_SYMBOL (yystate), yyvsp);
      YYPOPSTACK (1);
      yystate = *yyssp;
      YY_STACK_PRINT (yyss, yyssp);
    }

  YY_IGNORE_MAYBE_UNINITIALIZED_BEGIN
  *++yyvsp = yylval;
  YY_IGNORE_MAYBE_UNINITIALIZED_END


  /* Shift the error token.  */
  YY_SYMBOL_PRINT ("Shifting", YY_ACCESSING_SYMBOL (yyn), yyvsp, yylsp);

  yystate = yyn;
  goto yynewstate;


/*-------------------------------------.
| yyacceptlab -- YYACCEPT comes here.  |
`-------------------------------------*/
yyacceptlab:
  yyresult = 0;
  goto yyreturnlab;


/*-----------------------------------.
| yyabortlab -- YYABORT comes here.  |
`-----------------------------------*/
yyabortlab:
  yyresult = 1;
  goto yyreturnlab;


/*-----------------------------------------------------------.
| yyexhaustedlab -- YYNOMEM (memory exhaustion) comes here.  |
`-----------------------------------------------------------*/
yyexhaustedlab:
  yyerror (YY_("memory exhausted"));
  yyresult = 2;
  goto yyreturnlab;


/*----------------------------------------------------------.
| yyreturnlab -- parsing is finished, clean up and return.  |
`----------------------------------------------------------*/
yyreturnlab:
  if (yychar != YYEMPTY)
    {
      /* Make sure we have latest lookahead translation.  See comments at
         user semantic actions for why this is necessary.  */
      yytoken = YYTRANSLATE (yychar);
      yydestruct ("Cleanup: discarding lookahead",
                  yytoken, &yylval);
    }
  /* Do not reclaim the symbols of the rule whose action triggered
     this YYABORT or YYACCEPT.  */
  YYPOPSTACK (yylen);
  YY_STACK_PRINT (yyss, yyssp);
  while (yyssp != yyss)
    {
      yydestruct ("Cleanup: popping",
                  YY_ACCESSING_SYMBOL (+*yyssp), yyvsp);
      YYPOPSTACK (1);
    }
#ifndef yyoverflow
  if (yyss != yyssa)
    YYSTACK_FREE (yyss);
#endif

  return yyresult;
}



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
