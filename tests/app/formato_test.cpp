#include "app/Formato.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace ruotario;

TEST(FormattaNumero, FixedAndOptionalDecimals) {
  const std::tuple<double, const char*, char, const char*> casi[] = {
      {200.0 / 3.0, "##0.000", ',', "66,667"},
      {0.0005, "##0.000", '.', "0.001"},  // half away from zero
      {99.9996, "##0.000", '.', "100.000"},
      {1.005, "##0.00", '.', "1.01"},  // rounded as the decimal value, not as 1.00499999...
      {0.004, "##0.00", '.', "0.00"},
      // Optional digits drop zeros, down to the bare point.
      {2.5, "##.##", '.', "2.5"},
      {4, "##.##", '.', "4."},
      {0, "##.##", '.', "."},
      {0.25, "##.##", ',', ",25"},
      {17.0 / 8.0, "##.##", '.', "2.13"},
  };
  for (const auto& [v, formato, separatore, testo] : casi)
    EXPECT_EQ(FormattaNumero(v, formato, separatore), testo) << v << " " << formato;
}

TEST(TestoGenerale, FifteenSignificantDigits) {
  EXPECT_EQ(TestoGenerale(100.0 / 3.0), "33.3333333333333");
  EXPECT_EQ(TestoGenerale(200.0 / 3.0), "66.6666666666667");
  EXPECT_EQ(TestoGenerale(100) + " " + TestoGenerale(0), "100 0");
  EXPECT_EQ(TestoGenerale(0.5, ','), "0,5");
}
