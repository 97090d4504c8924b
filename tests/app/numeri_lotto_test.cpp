#include "app/NumeriLotto.h"

#include <gtest/gtest.h>

using namespace ruotario;

TEST(NumeriLotto, ReductionAndTwoDigitText) {
  for (const auto& [n, atteso] :
       {std::pair{90, 90}, {91, 1}, {120, 30}, {180, 90}, {181, 1}, {32767, 7}, {0, 0}, {-5, -5}})
    EXPECT_EQ(Fuori90(n), atteso) << n;
  // DueCifre changes the caller's variable: reduced above 90, 1 when negative.
  for (const auto& [n, testo, dopo] :
       {std::tuple{95, "05", 5}, {-3, "01", 1}, {0, "00", 0}, {10, "10", 10}, {90, "90", 90}, {7, "07", 7}}) {
    int v = n;
    EXPECT_EQ(DueCifre(v), testo) << n;
    EXPECT_EQ(v, dopo) << n;
  }
}

TEST(NumeriLotto, VertibilePairsEveryNumberSymmetrically) {
  for (const auto& [n, atteso] : {std::pair{9, 90}, {11, 19}, {88, 89}, {10, 1}, {45, 54}, {91, 10}, {0, 9}})
    EXPECT_EQ(Vertibile(n), atteso) << n;
  for (int n = 1; n <= 90; ++n) {
    const int v = Vertibile(n);
    ASSERT_TRUE(v >= 1 && v <= 90 && v != n) << n;
    EXPECT_EQ(Vertibile(v), n) << n;
  }
}

TEST(NumeriLotto, ClassifiersIncludingOutOfRange) {
  // n, Decina, Figura, Cadenza
  const int righe[][4] = {{1, 0, 1, 1},  {9, 0, 9, 9},  {10, 1, 1, 0}, {18, 1, 9, 8}, {19, 1, 1, 9},
                          {89, 8, 8, 9}, {90, 0, 9, 0}, {0, 0, 0, 0},  {91, 0, 0, 0}, {-4, 0, 0, 0}};
  for (const auto& r : righe) {
    EXPECT_EQ(Decina(r[0]), r[1]) << r[0];
    EXPECT_EQ(Figura(r[0]), r[2]) << r[0];
    EXPECT_EQ(Cadenza(r[0]), r[3]) << r[0];
  }
}

TEST(NumeriLotto, ValoreTestoReadsLeadingDigitsOnly) {
  for (const auto& [testo, atteso] :
       {std::pair{"00", 0}, {"  ", 0}, {"", 0}, {"x5", 0}, {"07", 7}, {" 7", 7}, {"4|", 4}})
    EXPECT_EQ(ValoreTesto(testo), atteso) << testo;
}
