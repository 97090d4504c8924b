#include "stats/ProbabilitaEstrazione.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace ruotario {
namespace {

constexpr double kCombinazioni = 43949268.0;  // C(90, 5)

TEST(ProbabilitaEstrazione, ClosedFormsOfOneWheel) {
  EXPECT_EQ(Binomiale(90, 5), 43949268u);
  EXPECT_EQ(Binomiale(90, 0), 1u);
  EXPECT_EQ(Binomiale(5, 6), 0u);
  EXPECT_EQ(Binomiale(91, 1), 0u);
  EXPECT_EQ(Binomiale(90, 45), std::numeric_limits<std::uint64_t>::max());

  double somma = 0;
  for (int j = 0; j <= 5; ++j) somma += ProbabilitaEsatta(10, j);
  EXPECT_NEAR(somma, 1.0, 1e-12);
  EXPECT_NEAR(ProbabilitaSorte(1, 1), 5.0 / 90, 1e-15);
  EXPECT_NEAR(ProbabilitaSorte(3, 1), 1 - 85.0 * 84 * 83 / (90.0 * 89 * 88), 1e-15);
  EXPECT_NEAR(ProbabilitaSorte(2, 2), 2.0 / 801, 1e-17);
  EXPECT_NEAR(ProbabilitaSorte(3, 3), 1.0 / 11748, 1e-18);
  EXPECT_NEAR(ProbabilitaSorte(5, 5), 1 / kCombinazioni, 1e-22);
  // Terno with four numbers: three of them and two others, or all four and one other.
  EXPECT_NEAR(ProbabilitaSorte(4, 3), (4 * 3655.0 + 86) / kCombinazioni, 1e-18);
  EXPECT_NEAR(ProbabilitaSorte(90, 3), 1.0, 1e-12);
  EXPECT_EQ(ProbabilitaSorte(2, 3), 0.0);

  // A wheel with fewer numbers drawn.
  EXPECT_NEAR(ProbabilitaSorte(1, 1, 3), 3.0 / 90, 1e-16);
  EXPECT_EQ(ProbabilitaSorte(1, 1, 0), 0.0);

  EXPECT_DOUBLE_EQ(ProbabilitaMancata(2, 5), 85.0 * 84 / (90.0 * 89));
  EXPECT_DOUBLE_EQ(ProbabilitaMancata(3, 0), 1.0);
  EXPECT_NEAR(ProbabilitaMancata(1, 5) + ProbabilitaSorte(1, 1), 1.0, 1e-15);
}

}  // namespace
}  // namespace ruotario
