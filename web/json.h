// JSON written for the page, into a string the module hands over: members
// one after the other, each followed by a comma that closing its object or
// array takes back. Strings are of Latin-1 bytes, written in plain ASCII.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Json {
 public:
  explicit Json(std::string& texte) : texte_(texte) {}

  // A string whose characters are the bytes given: bytes above 127 and
  // control characters are written \u00XX.
  void chaine(std::string_view octets);
  // A member's name and its colon.
  void nom(const char* n);
  // Whole members: a number, a boolean, a string, a list of numbers.
  void entier(const char* n, int64_t v);
  void booleen(const char* n, bool v);
  void champ(const char* n, std::string_view v);
  void nombres(const char* n, const std::vector<int32_t>& v);
  // Closes an object or array ('}' or ']') whose last member left a comma.
  void ferme(char c);

 private:
  std::string& texte_;
};
