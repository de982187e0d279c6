// A small loop standing in for the parser: it asks the scanner for tokens
// over a text held in memory and notes where each one starts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Lu {
  int jeton;        // the token handed out
  int64_t ligne;    // line of its first character
  int64_t colonne;  // column of its first character
  bool operator==(const Lu&) const = default;
};

// The scanner reads this text, held in memory: it must outlive the reads.
void lit(std::string_view texte);

// Tokens until the double bar and the end after it (or at most `plus` tokens).
// Every full beat is ended at once, as the parser would.
std::vector<Lu> lis_jetons(std::string_view texte, int plus = 40);
// The token codes alone.
std::vector<int> codes(const std::vector<Lu>& lus);
std::vector<int> jetons_de(std::string_view texte, int plus = 40);
// Token names, for readable comparisons.
std::string nom_jeton(int code);
std::string nom_jetons(const std::vector<int>& codes);
// Each token with where it starts: "SNORE@1:1 '|'@1:3 0@1:4".
std::string trace(const std::vector<Lu>& lus);
