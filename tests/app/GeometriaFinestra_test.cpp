#include "app/GeometriaFinestra.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/Glossario.h"
#include "app/Versione.h"

namespace ruotario {
namespace {

TEST(GeometriaFinestra, KeysAndDefaultsInOrder) {
  ASSERT_EQ(kChiaviGeometria.size(), 4u);
  EXPECT_STREQ(kChiaviGeometria[0].chiave, "MainLeft");
  EXPECT_STREQ(kChiaviGeometria[1].chiave, "MainTop");
  EXPECT_STREQ(kChiaviGeometria[2].chiave, "MainWidth");
  EXPECT_STREQ(kChiaviGeometria[3].chiave, "MainHeight");
  EXPECT_EQ(kChiaviGeometria[0].predefinito, 1000);
  EXPECT_EQ(kChiaviGeometria[3].predefinito, 6500);
}

TEST(GeometriaFinestra, StoredTextReadBackOrDefault) {
  EXPECT_EQ(LeggiValoreImpostazione("1000", 5), 1000);
  EXPECT_EQ(LeggiValoreImpostazione(" 2880 ", 5), 2880);
  EXPECT_EQ(LeggiValoreImpostazione("-150", 5), -150);
  EXPECT_EQ(LeggiValoreImpostazione("12.5", 5), 12.5);
  EXPECT_EQ(LeggiValoreImpostazione("", 6500), 6500);
  EXPECT_EQ(LeggiValoreImpostazione("largo", 6500), 6500);
  EXPECT_EQ(LeggiValoreImpostazione("100px", 6500), 6500);
  EXPECT_EQ(LeggiValoreImpostazione("nan", 6500), 6500);
}

TEST(GeometriaFinestra, NumbersStoredAsPlainDecimalText) {
  EXPECT_EQ(TestoValoreImpostazione(1000), "1000");
  EXPECT_EQ(TestoValoreImpostazione(-15), "-15");
  EXPECT_EQ(TestoValoreImpostazione(0), "0");
  EXPECT_EQ(TestoValoreImpostazione(12.5), "12.5");
}

TEST(GeometriaFinestra, TwipsAndPixels) {
  EXPECT_EQ(TwipsInPixel(1440, 96), 96);
  EXPECT_EQ(TwipsInPixel(6500, 96), 433);
  EXPECT_EQ(TwipsInPixel(1000, 120), 83);
  EXPECT_EQ(PixelInTwips(96, 96), 1440);
  EXPECT_EQ(PixelInTwips(433, 96), 6495);
  EXPECT_EQ(TwipsInPixel(PixelInTwips(67, 96), 96), 67);
}

TEST(Versione, LabelJoinsNumbersWithDots) { EXPECT_EQ(EtichettaVersione(), "Versione 1.0.0"); }

class GlossarioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cartella_ = std::filesystem::temp_directory_path() /
                ("ruotario_glossario_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(cartella_);
  }
  void TearDown() override { std::filesystem::remove_all(cartella_); }
  std::string scrivi(const std::string& contenuto) {
    const auto p = cartella_ / "termini.txt";
    std::ofstream(p, std::ios::binary) << contenuto;
    return p.string();
  }
  std::filesystem::path cartella_;
};

TEST_F(GlossarioTest, EveryLineFollowedByLineBreak) {
  EXPECT_EQ(LeggiGlossario(scrivi("ambo: due numeri\r\nterno: tre numeri\r\ncolpi")),
            "ambo: due numeri\nterno: tre numeri\ncolpi\n");
  EXPECT_EQ(LeggiGlossario(scrivi("uno\n\ndue\n")), "uno\n\ndue\n");
  EXPECT_EQ(LeggiGlossario(scrivi("")), "");
}

TEST_F(GlossarioTest, MissingOrFolderGivesNothing) {
  EXPECT_EQ(LeggiGlossario((cartella_ / "manca.txt").string()), std::nullopt);
  EXPECT_EQ(LeggiGlossario(cartella_.string()), std::nullopt);
}

}  // namespace
}  // namespace ruotario
