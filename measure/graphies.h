// The 24 values a beat may have and how each is written in the notation. The
// forms value, dot, value ("t.t" ... "o.o") are a dotted value followed by the
// same value undotted: two and a half times the value.
#pragma once

#include <cstdint>

struct GraphieValeur {
  int32_t valeur;       // a beat value in quads
  const char* graphie;  // its spelling, one to three characters
};

inline constexpr GraphieValeur graphiesValeurs[] = {
    {1, "q"},    {2, "t"},     {3, "t."},    {4, "f"},    {5, "t.t"},   {6, "f."},
    {7, "f.."},  {8, "["},     {10, "f.f"},  {12, "[."},  {14, "[.."},  {16, "!"},
    {20, "[.["}, {24, "!."},   {28, "!.."},  {32, "d"},   {40, "!.!"},  {48, "d."},
    {56, "d.."}, {64, "o"},    {80, "d.d"},  {96, "o."},  {112, "o.."}, {160, "o.o"},
};

// The spelling of a beat value, or nullptr when v is not one of the 24.
constexpr const char* graphie_de_valeur(int32_t v) {
  for (const GraphieValeur& g : graphiesValeurs)
    if (g.valeur == v) return g.graphie;
  return nullptr;
}
