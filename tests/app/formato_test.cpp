#include "app/Formato.h"

#include <gtest/gtest.h>

using namespace ruotario;

TEST(FormattaNumero, ThreeFixedDecimals) {
  EXPECT_EQ(FormattaNumero(0, "##0.000"), "0.000");
  EXPECT_EQ(FormattaNumero(75, "##0.000"), "75.000");
  EXPECT_EQ(FormattaNumero(400.0 / 3.0, "##0.000"), "133.333");
  EXPECT_EQ(FormattaNumero(200.0 / 3.0, "##0.000", ','), "66,667");
  EXPECT_EQ(FormattaNumero(0.0005, "##0.000"), "0.001");  // half away from zero
  EXPECT_EQ(FormattaNumero(99.9996, "##0.000"), "100.000");
  EXPECT_EQ(FormattaNumero(1234.5, "##0.000"), "1234.500");
}

TEST(FormattaNumero, TwoFixedDecimalsRoundLikeTheDecimalValue) {
  EXPECT_EQ(FormattaNumero(12.5, "##0.00"), "12.50");
  EXPECT_EQ(FormattaNumero(1.005, "##0.00"), "1.01");  // 1.005 held as 1.00499999...
  EXPECT_EQ(FormattaNumero(2.125, "##0.00"), "2.13");
  EXPECT_EQ(FormattaNumero(0.004, "##0.00"), "0.00");
}

TEST(FormattaNumero, OptionalDigitsDropZeros) {
  EXPECT_EQ(FormattaNumero(2.5, "##.##"), "2.5");
  EXPECT_EQ(FormattaNumero(4, "##.##"), "4.");
  EXPECT_EQ(FormattaNumero(0, "##.##"), ".");
  EXPECT_EQ(FormattaNumero(0.25, "##.##", ','), ",25");
  EXPECT_EQ(FormattaNumero(17.0 / 8.0, "##.##"), "2.13");
  EXPECT_EQ(FormattaNumero(10.0 / 3.0, "##.##"), "3.33");
}

TEST(TestoGenerale, FifteenSignificantDigits) {
  EXPECT_EQ(TestoGenerale(100.0 / 3.0), "33.3333333333333");
  EXPECT_EQ(TestoGenerale(200.0 / 3.0), "66.6666666666667");
  EXPECT_EQ(TestoGenerale(100), "100");
  EXPECT_EQ(TestoGenerale(0), "0");
  EXPECT_EQ(TestoGenerale(0.5, ','), "0,5");
  EXPECT_EQ(TestoGenerale(200.0 / 3.0).substr(0, 6), "66.666");  // truncated, not rounded
}
