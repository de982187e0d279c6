// The parser's entry and its ties to the scanner and the report routine. The
// engine itself is generated from grammaire.y.
#include "parser/analyse.h"

#include <cstring>

#include "diagnostics/signale.h"
#include "parser/grammaire.h"
#include "parser/moteur.h"
#include "scanner/jetons.h"
#include "state/etat.h"

namespace {

SourceJetons sourceInstallee = nullptr;  // a scripted source, or nullptr for the scanner

}  // namespace

void installe_source_jetons(SourceJetons source) { sourceInstallee = source; }

// -2 abandons the parse at once, without a report: handed to the engine as
// the error token, it unwinds the whole stack and fails. The error token's
// own code, 256, stands in no production: it is a token like any other that
// no state shifts, and is reported as a syntax error where it is met (the
// engine would otherwise take it for -2 and fail in silence).
int jeton_suivant() {
  const int jeton = sourceInstallee ? sourceInstallee() : yylex();
  if (jeton == YYEMPTY) return YYerror;
  if (jeton == YYerror) return YYUNDEF;
  return jeton;
}

// The engine says "memory exhausted" when its stack is full, and "syntax
// error" otherwise; the report routine rewrites the latter in its own words.
void yyerror(const char* message) {
  signale_erreur(std::strcmp(message, "memory exhausted") == 0 ? "Parser stack overflow" : "Syntax error");
}

int analyse() { return yyparse() == 0 ? 0 : 1; }

void arrete_analyse() { etat.analyseur.finAnalyse = 1; }
