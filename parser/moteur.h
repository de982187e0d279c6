// What the generated parser needs around it: where its tokens come from, and
// where its two failure reports go.
#pragma once

// A token source: returns the next token code, 0 at the end of the piece.
using SourceJetons = int (*)();

// Replaces the scanner as the parser's token source; nullptr gives it back.
// Tests use it to feed the parser a scripted piece.
void installe_source_jetons(SourceJetons source);

// The next token for the parser, from the installed source or the scanner.
int jeton_suivant();

// The parser's failure report: a syntax error, or the stack overflow.
void yyerror(const char* message);
