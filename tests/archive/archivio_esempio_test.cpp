#include "archive/ArchivioEsempio.h"

#include <gtest/gtest.h>

#include <set>

#include "archive/ArchivioEstrazioni.h"
#include "archive/VerificaArchivio.h"

using namespace ruotario;

TEST(ArchivioEsempio, RealisticCalendarAndCleanRecords) {
  const std::string testo = GeneraArchivioEsempio();
  EXPECT_EQ(testo, GeneraArchivioEsempio());  // deterministic
  const auto a = ArchivioEstrazioni::DaTesto(testo);
  EXPECT_GT(a.Conta(), 7200);
  EXPECT_LT(a.Conta(), 7600);
  EXPECT_EQ(testo.size(), 123u * static_cast<std::size_t>(a.Conta()) - 2);
  EXPECT_EQ(a[1].Data(), "07/01/1939");  // a Saturday
  EXPECT_EQ(a[2].Data(), "14/01/1939");
  EXPECT_EQ(a.Ultima().Data(), "22/08/2026");
  EXPECT_TRUE(ElencaProblemi(testo).Nessuno());
  for (const auto& e : a) {
    for (int r = 1; r <= 10; ++r)
      for (int k = 1; k <= 5; ++k) ASSERT_GE(e.Valore(r, k), 1);
  }
}

TEST(ArchivioEsempio, CountAndSeedOptions) {
  const auto a = ArchivioEstrazioni::DaTesto(GeneraArchivioEsempio({40000, 7}));
  EXPECT_EQ(a.Conta(), 40000);
  EXPECT_NE(GeneraArchivioEsempio({10, 7}), GeneraArchivioEsempio({10, 8}));
  // 1997 brings Wednesdays: 01/01/1997 is a Wednesday.
  const std::string testo = GeneraArchivioEsempio();
  EXPECT_NE(testo.find("01/01/1997|"), std::string::npos);
  EXPECT_EQ(testo.find("02/01/1997|"), std::string::npos);
  EXPECT_NE(testo.find("04/08/2023|"), std::string::npos);  // a Friday after mid-2023
}
