#include "app/NumeriLotto.h"

#include <gtest/gtest.h>

using namespace ruotario;

TEST(Fuori90, ReducesOnlyAbove90) {
  EXPECT_EQ(Fuori90(90), 90);
  EXPECT_EQ(Fuori90(91), 1);
  EXPECT_EQ(Fuori90(120), 30);
  EXPECT_EQ(Fuori90(180), 90);
  EXPECT_EQ(Fuori90(181), 1);
  EXPECT_EQ(Fuori90(32767), 7);
  EXPECT_EQ(Fuori90(0), 0);
  EXPECT_EQ(Fuori90(-5), -5);
}

TEST(DueCifre, FormatsAndChangesTheCallersVariable) {
  int n = 95;
  EXPECT_EQ(DueCifre(n), "05");
  EXPECT_EQ(n, 5);
  n = -3;
  EXPECT_EQ(DueCifre(n), "01");
  EXPECT_EQ(n, 1);
  n = 0;
  EXPECT_EQ(DueCifre(n), "00");
  EXPECT_EQ(n, 0);
  n = 10;
  EXPECT_EQ(DueCifre(n), "10");
  EXPECT_EQ(n, 10);
  EXPECT_EQ(DueCifre(90), "90");
  EXPECT_EQ(DueCifre(5), "05");
}

TEST(Vertibile, PairsEveryNumberSymmetrically) {
  const std::pair<int, int> coppie[] = {{9, 90}, {90, 9}, {11, 19}, {19, 11}, {88, 89}, {89, 88},
                                        {10, 1}, {1, 10}, {45, 54}, {70, 7},  {91, 10}, {0, 9}};
  for (const auto& [n, atteso] : coppie) EXPECT_EQ(Vertibile(n), atteso) << n;
  for (int n = 1; n <= 90; ++n) {
    const int v = Vertibile(n);
    ASSERT_GE(v, 1) << n;
    ASSERT_LE(v, 90) << n;
    EXPECT_EQ(Vertibile(v), n) << n;
    EXPECT_NE(v, n) << n;
  }
}

TEST(Classifiers, DecinaFiguraCadenzaIncludingOutOfRange) {
  EXPECT_EQ(Decina(1), 0);
  EXPECT_EQ(Decina(9), 0);
  EXPECT_EQ(Decina(10), 1);
  EXPECT_EQ(Decina(89), 8);
  EXPECT_EQ(Decina(90), 0);
  EXPECT_EQ(Decina(0), 0);

  EXPECT_EQ(Figura(90), 9);
  EXPECT_EQ(Figura(18), 9);
  EXPECT_EQ(Figura(19), 1);
  EXPECT_EQ(Figura(89), 8);
  EXPECT_EQ(Figura(9), 9);
  EXPECT_EQ(Figura(0), 0);
  EXPECT_EQ(Figura(91), 0);

  EXPECT_EQ(Cadenza(90), 0);
  EXPECT_EQ(Cadenza(1), 1);
  EXPECT_EQ(Cadenza(47), 7);
  EXPECT_EQ(Cadenza(91), 0);
  EXPECT_EQ(Cadenza(-4), 0);
}

TEST(ValoreTesto, ReadsLeadingDigitsOnly) {
  EXPECT_EQ(ValoreTesto("00"), 0);
  EXPECT_EQ(ValoreTesto("  "), 0);
  EXPECT_EQ(ValoreTesto(""), 0);
  EXPECT_EQ(ValoreTesto("x5"), 0);
  EXPECT_EQ(ValoreTesto("07"), 7);
  EXPECT_EQ(ValoreTesto(" 7"), 7);
  EXPECT_EQ(ValoreTesto("4|"), 4);
  EXPECT_EQ(ValoreTesto("99"), 99);
}
