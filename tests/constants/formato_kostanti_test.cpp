// The number texts of the constants method reports.

#include <gtest/gtest.h>

#include "app/Formato.h"

namespace ruotario {
namespace {

TEST(FormatoKostanti, MeanColpoPattern) {
  EXPECT_EQ(FormattaNumero(2.5, "##.##", '.'), "2.5");
  EXPECT_EQ(FormattaNumero(4.0, "##.##", '.'), "4.");
  EXPECT_EQ(FormattaNumero(0.0, "##.##", '.'), ".");
  EXPECT_EQ(FormattaNumero(0.5, "##.##", '.'), ".5");
  EXPECT_EQ(FormattaNumero(14.0 / 3.0, "##.##", '.'), "4.67");
  EXPECT_EQ(FormattaNumero(3.004, "##.##", '.'), "3.");
  EXPECT_EQ(FormattaNumero(12.345, "##.##", ','), "12,35");
}

TEST(FormatoKostanti, PercentagePattern) {
  EXPECT_EQ(FormattaNumero(0.0, "##0.00", '.'), "0.00");
  EXPECT_EQ(FormattaNumero(12.5, "##0.00", '.'), "12.50");
  EXPECT_EQ(FormattaNumero(100.0, "##0.00", '.'), "100.00");
  EXPECT_EQ(FormattaNumero(200.0 / 3.0, "##0.00", '.'), "66.67");
  EXPECT_EQ(FormattaNumero(0.125, "##0.00", ','), "0,13");
}

TEST(FormatoKostanti, WinPercentageCutToSixCharacters) {
  const auto taglia = [](double v, char sep) { return TestoGenerale(v, sep).substr(0, 6); };
  EXPECT_EQ(taglia(100.0 / 3.0, '.'), "33.333");
  EXPECT_EQ(taglia(200.0 / 3.0, '.'), "66.666");  // truncated, not rounded
  EXPECT_EQ(taglia(100.0 / 7.0, ','), "14,285");
  EXPECT_EQ(taglia(100.0, '.'), "100");
  EXPECT_EQ(taglia(0.0, '.'), "0");
  EXPECT_EQ(taglia(12.5, '.'), "12.5");
  EXPECT_EQ(taglia(100.0 / 32767.0, '.'), "0.0030");
}

}  // namespace
}  // namespace ruotario
