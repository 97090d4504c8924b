#include "constants/Kostante.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace ruotario {
namespace {

TEST(LeggiKostante, ReadsBlanklessOctalDigitsUpToTheFirstOther) {
  const std::pair<const char*, int> casi[] = {{"200", 128}, {"17", 15}, {"777", 511}, {"18", 1},
                                              {"9", 0},     {"800", 0}, {"", 0},      {" 2 0 0", 128}};
  for (const auto& [testo, n] : casi) EXPECT_EQ(LeggiKostante(testo), n) << testo;
  EXPECT_GT(LeggiKostante("77777777777777777777777777"), 0);  // a long text does not overflow
}

TEST(CalcolaConvergenza, MeetingPoints) {
  // {N, meeting point}; 3 is divisible by 3: 147 and 507 meet at the second comparison.
  const int casi[][2] = {{128, 2}, {1, 19},  {5, 5},  {10, 10}, {64, 46}, {511, 79},
                         {8, 62},  {15, 15}, {3, 57}, {0, 0},   {-5, 0}};  // negative N never comes back into 1..90
  for (const auto& [n, punto] : casi) EXPECT_EQ(CalcolaConvergenza(7, 13, n), punto) << n;
  EXPECT_EQ(CalcolaConvergenza(7, 7 + 90, 4000), 70);  // large N: no overflow
  EXPECT_EQ(CalcolaConvergenza(1, 2, 1), 0);           // 1 and 2^k never meet modulo 90
}

TEST(AmbateDaKostante, PrincipalAndItsVertibile) {
  const std::tuple<const char*, int, int> casi[] = {
      {"200", 2, 20}, {"800", 0, 9}, {"95", 0, 9}, {"10", 62, 26}, {"17", 15, 51}};
  for (const auto& [testo, principale, secondaria] : casi) {
    EXPECT_EQ(AmbateDaKostante(testo).Principale, principale) << testo;
    EXPECT_EQ(AmbateDaKostante(testo).Secondaria, secondaria) << testo;
  }
}

}  // namespace
}  // namespace ruotario
