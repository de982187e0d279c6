#include "web/json.h"

#include <cstdio>

void Json::chaine(std::string_view octets) {
  texte_ += '"';
  for (const char c : octets) {
    const unsigned char o = static_cast<unsigned char>(c);
    if (o == '"' || o == '\\') {
      texte_ += '\\';
      texte_ += c;
    } else if (o < 0x20 || o >= 0x7F) {
      char u[8];
      std::snprintf(u, sizeof u, "\\u%04x", o);
      texte_ += u;
    } else {
      texte_ += c;
    }
  }
  texte_ += '"';
}

void Json::nom(const char* n) {
  texte_ += '"';
  texte_ += n;
  texte_ += "\":";
}

void Json::entier(const char* n, int64_t v) {
  nom(n);
  texte_ += std::to_string(v);
  texte_ += ',';
}

void Json::booleen(const char* n, bool v) {
  nom(n);
  texte_ += v ? "true," : "false,";
}

void Json::champ(const char* n, std::string_view v) {
  nom(n);
  chaine(v);
  texte_ += ',';
}

void Json::nombres(const char* n, const std::vector<int32_t>& v) {
  nom(n);
  texte_ += '[';
  for (const int32_t x : v) texte_ += std::to_string(x) + ',';
  ferme(']');
  texte_ += ',';
}

void Json::ferme(char c) {
  if (texte_.back() == ',') texte_.pop_back();
  texte_ += c;
}
