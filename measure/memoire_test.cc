// Memory exhaustion while a beat is recorded. The allocation functions of this
// test program are replaced so that a test can make them fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "tests/support/mesures.h"

namespace {
bool allocationRefusee = false;  // the next allocation fails, and only that one
}

// GCC sees malloc and free paired across a replaced new and delete.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t n) {
  if (allocationRefusee) {
    allocationRefusee = false;
    throw std::bad_alloc();
  }
  if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

class Memoire : public AvecEtatPropre {
 protected:
  // Runs f with its first allocation refused; returns the exit status it ends with.
  template <class F>
  int sans_memoire(F f) {
    allocationRefusee = true;
    const int statut = statut_fatal(f);
    allocationRefusee = false;
    return statut;
  }
};

TEST_F(Memoire, ABeatThatCannotBeRecordedEndsTheRun) {
  etat.mesure.graphieTps = "! ";
  EXPECT_EQ(sans_memoire([] { ajoute_temps(0); }), 1);
  EXPECT_EQ(erreur, latin1("ajoute_temps : il n'y a plus assez de mémoire\n"));
}

TEST_F(Memoire, AWideMeasureThatCannotGrowEndsTheRun) {
  enregistre_temps(std::vector<std::string>(99, "! "));
  EXPECT_EQ(sans_memoire([] { ajoute_temps(0); }), 1);
  EXPECT_EQ(erreur, latin1("ajoute_temps : il n'y a plus assez de mémoire\n"));
}

TEST_F(Memoire, AWrittenOutValueThatCannotBeHeldEndsTheRun) {
  EXPECT_EQ(sans_memoire([] { ajoute_temps_serie(100000); }), 1);
  EXPECT_EQ(erreur, latin1("ajoute_temps : il n'y a plus assez de mémoire\n"));
}

}  // namespace
