// Helpers shared by the unit tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "io/latin1.h"

// The Latin-1 bytes of a UTF-8 text, for building expected outputs at run time.
std::string latin1(std::string_view utf8);

// A test whose shared state starts afresh and whose two output streams are
// captured in memory; a fatal internal error throws ArretProcessus.
class AvecEtatPropre : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::string sortie;  // what was written on standard output
  std::string erreur;  // what was written on standard error
};
