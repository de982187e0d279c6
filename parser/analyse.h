// The parser's entry: parses one piece of staff (one measure, one bar line,
// one meter change, or nothing). Returns 0 when the piece is accepted, 1 when
// the parse failed.
#pragma once

int analyse();
