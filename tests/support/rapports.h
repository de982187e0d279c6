// Expected reports, as the report routine prints them for a report made at
// the start of the text (no stretch covered).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "state/etat.h"
#include "tests/support/capture.h"

// A report in measure m while beat b is being read, from its UTF-8 message; a
// beat beyond the meter is in parentheses.
inline std::string rapport(int32_t m, int32_t b, const std::string& utf8) {
  const std::string tps = b > etat.metre.nbrTps ? "tps(" + std::to_string(b) + "):" : "tps " + std::to_string(b) + " :";
  return latin1("l. 1 (col. 1) m. " + std::to_string(m) + " " + tps + "  " + utf8 + "\n");
}

// A report before any beat is recorded, in the first measure.
inline std::string rapport(const std::string& utf8) { return rapport(1, 1, utf8); }

// A sequence of such reports, in order.
inline std::string rapports(const std::vector<std::string>& messages) {
  std::string r;
  for (const std::string& m : messages) r += rapport(m);
  return r;
}
