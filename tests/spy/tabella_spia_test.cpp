#include <gtest/gtest.h>

#include "spy/RigheTabella.h"
#include "spy/VariantiSpia.h"

using namespace ruotario;

namespace {

// The number column, blank-separated.
std::string Numeri(const RigheTabella& righe) {
  std::string t;
  for (const auto& r : righe) t += (t.empty() ? "" : " ") + r[0];
  return t;
}

}  // namespace

TEST(RigheTabella, SortsNumbersAsNumbersAndKeepsEqualKeysInOrder) {
  // Number, Sortite, percentage with a comma, delay.
  RigheTabella righe = {{"01", "9", "75,000", "2"},
                        {"02", "12", "8,500", ""},
                        {"03", "0", "0,000", ""},
                        {"04", "12", "100,000", "0"},
                        {"05", "3", "133,333", "1"}};
  OrdinaRighe(righe, 1, Verso::Decrescente, ',');
  EXPECT_EQ(Numeri(righe), "02 04 01 05 03");  // 12 above 9; the two 12s keep their order
  OrdinaRighe(righe, 2, Verso::Decrescente, ',');
  EXPECT_EQ(Numeri(righe), "05 04 01 02 03");
  OrdinaRighe(righe, 3, Verso::Crescente, ',');
  EXPECT_EQ(Numeri(righe), "04 02 03 05 01");  // empty delays sort with the zeros, in their order
  OrdinaRighe(righe, 0, Verso::Crescente, ',');
  EXPECT_EQ(righe[4], (RigaTabella{"05", "3", "133,333", "1"}));  // whole rows move together

  EXPECT_DOUBLE_EQ(ChiaveNumerica(" 12 ", '.'), 12.0);
  EXPECT_DOUBLE_EQ(ChiaveNumerica("8.500", ','), 0.0);  // not a decimal point in this locale
}

TEST(RigheTabella, TopTenKeepsTheTenLargestAndSortsThemAfterwards) {
  RigheTabella righe = RigheNumeri(4);
  ASSERT_EQ(righe.size(), 90u);
  for (std::size_t i = 0; i < righe.size(); ++i) righe[i][1] = std::to_string((i * 37) % 90);  // all distinct
  TieniMigliori(righe, 1, 10, '.');
  ASSERT_EQ(righe.size(), 10u);
  EXPECT_EQ(righe[0][1] + " " + righe[9][1], "89 80");
  OrdinaRighe(righe, 0, Verso::Crescente, '.');
  // Number n has count (n-1)*37 mod 90; the counts 80..89 belong to these numbers.
  EXPECT_EQ(Numeri(righe), "13 18 30 35 47 52 64 69 81 86");

  RigheTabella poche = {{"01", "1"}, {"02", "2"}};
  TieniMigliori(poche, 1, 10, '.');
  EXPECT_EQ(poche.size(), 2u);
}

TEST(VariantiSpia, PairListItemsMeanTheEnginePairs) {
  EXPECT_EQ(VariantePerNome("nessuna"), nullptr);
  EXPECT_EQ((std::array{InizioPredefinito(2722), InizioPredefinito(2723)}), (std::array{1, 2723}));
  // Any item outside the list means every pair.
  EXPECT_TRUE(CoppiaDaElenco(0).Tutte() && CoppiaDaElenco(11).Tutte());
  EXPECT_EQ(TestoCoppia({}), "TUTTE");
  EXPECT_EQ(CoppiaDaElenco(4), (CoppiaPosizioni{1, 5}));
  const auto coppie = VociPosizione(ElencoPosizioni::Coppie);
  ASSERT_EQ(coppie.size(), 11u);
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(TestoCoppia(CoppiaDaElenco(i)), coppie[static_cast<std::size_t>(i)]);
}
