#include "app/GeometriaFinestra.h"

#include <gtest/gtest.h>

namespace ruotario {
namespace {

TEST(GeometriaFinestra, StoredTextReadBackOrDefault) {
  EXPECT_EQ(LeggiValoreImpostazione(" 2880 ", 5), 2880);
  EXPECT_EQ(LeggiValoreImpostazione("-150", 5), -150);
  EXPECT_EQ(LeggiValoreImpostazione("12.5", 5), 12.5);
  for (const char* testo : {"", "largo", "100px", "nan"}) EXPECT_EQ(LeggiValoreImpostazione(testo, 6500), 6500);
  EXPECT_EQ(TestoValoreImpostazione(1000), "1000");
  EXPECT_EQ(TestoValoreImpostazione(-15), "-15");
  EXPECT_EQ(TestoValoreImpostazione(12.5), "12.5");
}

TEST(GeometriaFinestra, TwipsAndPixels) {
  EXPECT_EQ(TwipsInPixel(1440, 96), 96);
  EXPECT_EQ(TwipsInPixel(6500, 96), 433);
  EXPECT_EQ(TwipsInPixel(1000, 120), 83);
  EXPECT_EQ(PixelInTwips(433, 96), 6495);
  EXPECT_EQ(TwipsInPixel(PixelInTwips(67, 96), 96), 67);
}

}  // namespace
}  // namespace ruotario
