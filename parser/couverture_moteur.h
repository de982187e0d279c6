// The coverage build's hooks into the parser engine, included by the grammar
// at the start of yyparse (its initial action), after bison has defined its
// own macros; nothing outside the coverage build (RYTHME_COUVERTURE).
//
// Four of the engine's macros are swapped for the rest of yyparse: its test of
// a state that needs no lookahead, and its reading of a token, then also mark
// the (state, lookahead) pair being consulted, behind one null check; its
// reduction (of the engine's rule number, one above the production's) and its
// acceptance (the augmenting production 0, which it never reduces) mark the
// production. Error recovery (yyerrstatus set) consults no pair: it only
// unwinds. The marking routines are in the grammar's epilogue, where bison's
// tables are visible (parser/couverture.h).
#ifdef RYTHME_COUVERTURE

#define CONSULTE_ETAT(Yyn) \
  (tableCouverture && yyerrstatus == 0 ? note_etat_consulte(yystate, Yyn) : void())
#define LIT_JETON() (tableCouverture ? note_jeton_lu(yystate, jeton_suivant()) : jeton_suivant())

#undef yypact_value_is_default
#define yypact_value_is_default(Yyn) (CONSULTE_ETAT(Yyn), (Yyn) == YYPACT_NINF)
#undef yylex
#define yylex LIT_JETON
#undef YY_REDUCE_PRINT
#define YY_REDUCE_PRINT(Rule) note_reduction((Rule) - 1)
#undef YYACCEPT
#define YYACCEPT do { note_reduction(0); goto yyacceptlab; } while (0)

#endif
