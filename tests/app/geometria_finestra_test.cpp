#include "app/GeometriaFinestra.h"

#include <gtest/gtest.h>

#include <vector>

namespace ruotario {
namespace {

TEST(RiportaSulloSchermo, OnlyAWindowNoScreenShowsIsMoved) {
  // Two monitors side by side; the left one comes first.
  const std::vector<Rettangolo> due{{0, 0, 1600, 900}, {1600, 0, 1280, 1024}};
  const std::vector<Rettangolo> uno{due.front()};
  const Rettangolo aDestra{2000, 100, 800, 600};
  EXPECT_EQ(RiportaSulloSchermo(aDestra, due), aDestra);
  // The right monitor was removed: onto the left one, at its nearest edge.
  EXPECT_EQ(RiportaSulloSchermo(aDestra, uno), (Rettangolo{800, 100, 800, 600}));
  // Above or left of every screen, and larger than the screen.
  EXPECT_EQ(RiportaSulloSchermo({-5000, -3000, 2000, 1200}, uno), (Rettangolo{0, 0, 1600, 900}));
  // Only the title strip must be reachable: a window hanging off the bottom
  // right with its top-left corner visible stays; one showing just its
  // bottom edge, or a sliver narrower than a hand hold, does not.
  EXPECT_EQ(RiportaSulloSchermo({1500, 850, 800, 600}, uno), (Rettangolo{1500, 850, 800, 600}));
  EXPECT_EQ(RiportaSulloSchermo({100, -590, 800, 600}, uno), (Rettangolo{100, 0, 800, 600}));
  EXPECT_EQ(RiportaSulloSchermo({1580, 100, 800, 600}, uno), (Rettangolo{800, 100, 800, 600}));
  EXPECT_EQ(RiportaSulloSchermo(aDestra, {}), aDestra);
}

TEST(PrimaApertura, WideEnoughForTheMenusYetWithinTheScreen) {
  const Rettangolo schermo{0, 0, 1024, 768}, finestra{67, 67, 433, 433};
  EXPECT_EQ(PrimaApertura(finestra, 1000, schermo), (Rettangolo{24, 67, 1000, 433}));  // moved left
  EXPECT_EQ(PrimaApertura(finestra, 1200, schermo), (Rettangolo{0, 67, 1024, 433}));   // the screen's width at most
}

TEST(Twips, RoundedToTheNearestPixelAndBack) {
  EXPECT_EQ(TwipsInPixel(1000, 96), 67);  // 1440 twips an inch: 66.7 pixels
  EXPECT_EQ(PixelInTwips(433, 96), 6495.0);
}

}  // namespace
}  // namespace ruotario
