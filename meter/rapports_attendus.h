// Expected reports for the meter tests: a report made at the start of the text,
// with no beat recorded, as the report routine prints it.
#pragma once

#include <string>
#include <vector>

#include "tests/support/capture.h"

// One report, from its UTF-8 message.
inline std::string rapport(const std::string& message) {
  return latin1("l. 1 (col. 1) m. 1 tps 1 :  " + message + "\n");
}

// A sequence of reports, in order.
inline std::string rapports(const std::vector<std::string>& messages) {
  std::string r;
  for (const std::string& m : messages) r += rapport(m);
  return r;
}
