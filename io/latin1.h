// Texts of the checker, written readable (UTF-8) in the source and turned into
// ISO-8859-1 bytes at compile time: "début"_l1 is the bytes 64 E9 62 75 74 00.
// Every message the program prints is such a literal, so both streams carry
// Latin-1 and a character outside Latin-1 is a compile-time error.
#pragma once

#include <array>
#include <cstddef>

namespace l1 {

template <std::size_t N>
struct Utf8 {
  char octets[N]{};  // the literal as the compiler stored it, UTF-8
  consteval Utf8(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) octets[i] = s[i];
  }
  // Number of characters, that is of Latin-1 bytes, without the final NUL.
  consteval std::size_t longueur() const {
    std::size_t n = 0;
    for (std::size_t i = 0; i + 1 < N; ++i)
      if ((static_cast<unsigned char>(octets[i]) & 0xC0) != 0x80) ++n;
    return n;
  }
};

template <Utf8 S>
struct Texte {
  static constexpr std::array<char, S.longueur() + 1> octets = [] {
    std::array<char, S.longueur() + 1> r{};
    std::size_t j = 0;
    for (std::size_t i = 0; i + 1 < sizeof(S.octets); ++i) {
      const auto c = static_cast<unsigned char>(S.octets[i]);
      if (c < 0x80) {
        r[j++] = static_cast<char>(c);
      } else if ((c == 0xC2 || c == 0xC3) && i + 2 < sizeof(S.octets)) {
        r[j++] = static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(S.octets[i + 1]) & 0x3F));
        ++i;
      } else {
        throw "caractère hors de Latin-1";  // not a constant expression: the build stops
      }
    }
    return r;
  }();
};

}  // namespace l1

// "texte"_l1: a pointer to the NUL-terminated Latin-1 bytes of the text.
template <l1::Utf8 S>
constexpr const char* operator""_l1() {
  return l1::Texte<S>::octets.data();
}
