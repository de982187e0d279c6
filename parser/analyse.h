// The parser's entry: parses one piece of staff (one measure, one bar line,
// one meter change, or nothing). Returns 0 when the piece is accepted, 1 when
// the parse failed.
#pragma once

int analyse();

// The analysis stops after the current piece: at the final double bar, or
// after a failed parse that the run does not go on from.
void arrete_analyse();
