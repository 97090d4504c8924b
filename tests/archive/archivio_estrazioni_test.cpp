#include "archive/ArchivioEstrazioni.h"

#include <gtest/gtest.h>

#include <set>

#include "support/ArchiviDifettosi.h"
#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;

TEST(ArchivioEstrazioni, LineBreakRules) {
  // text, its records joined by '|'
  const std::pair<const char*, const char*> casi[] = {
      {"", ""},
      {"a", "a"},
      {"a\r\nb", "a|b"},
      {"a\r\nb\r\n", "a|b"},   // a break at the very end makes no record
      {"a\r\n\r\nb", "a||b"},  // an empty line inside is a record
      {"a\rb", "a|b"},
      {"a\nb\n", "a|b"},
      {"a\n\nb", "a||b"},
      {"a\r\rb", "a||b"},
      {"\r\n", ""},
      {"a\n\r\nb", "a||b"},  // LF ends "a", CR LF an empty line
  };
  for (const auto& [testo, attese] : casi) {
    std::vector<std::string> righe;
    for (const auto& e : ArchivioEstrazioni::DaTesto(testo)) righe.push_back(std::string(e.Riga));
    EXPECT_EQ(Unisci(righe, "|"), attese) << testo;
  }
  EXPECT_EQ(ArchivioEstrazioni::DaTesto("").Conta(), 0);
  EXPECT_EQ(ArchivioEstrazioni::DaTesto("\r\n").Conta(), 1);
}

TEST(ArchivioEstrazioni, FieldsByPositionAndOddLines) {
  const auto a = ArchivioEstrazioni::DaTesto(Unisci({kR1, kR2, kR3}));
  ASSERT_EQ(a.Conta(), 3);
  EXPECT_EQ(a.Ultima().Data(), "21/01/1939");
  EXPECT_EQ(std::string(a[1].Blocco(1)) + std::string(a[1].Blocco(10)), "58224749690102030405");
  EXPECT_EQ(a[2].TestoNumero(1, 5), "19");
  EXPECT_EQ(a[2].Valore(1, 2) * 100 + a[3].Valore(10, 5), 7705);
  EXPECT_EQ(a.EtichettaData(2), "2: 14/01/1939");

  // Short and odd lines never fail.
  const auto b = ArchivioEstrazioni::DaTesto("07/01/1939|58 7x4\r\n\r\n05/0");
  ASSERT_EQ(b.Conta(), 3);
  EXPECT_EQ(b[1].TestoNumero(1, 2), " 7");
  EXPECT_EQ(b[1].Valore(1, 2), 7);
  EXPECT_EQ(b[1].Valore(1, 3), 0);  // "x4"
  EXPECT_EQ(b[1].TestoNumero(1, 4), "");
  EXPECT_EQ(b[1].Valore(10, 5) + b[2].Valore(3, 3), 0);
  EXPECT_EQ(b[3].Data(), "05/0");
  EXPECT_EQ(b.EtichettaData(2), "2: ");
}

TEST(ArchivioEstrazioni, LargeFilesWithEitherLineBreak) {
  CartellaTemporanea dir;
  EXPECT_EQ(ArchivioEstrazioni::CaricaArchivio(dir.File("manca.txt")).Conta(), 0);
  // 40,000 records (about 5 MB): the count passes sixteen bits.
  const std::vector<std::string> righe(40000, kR1);
  for (const std::string separatore : {"\r\n", "\n"}) {
    const std::string testo = Unisci(righe, separatore) + separatore;
    const auto a = ArchivioEstrazioni::CaricaArchivio(dir.Scrivi("grande.txt", testo));
    ASSERT_EQ(a.Conta(), 40000);
    EXPECT_EQ(a.Testo(), testo);
    EXPECT_EQ(a.EtichettaData(40000), "40000: 07/01/1939");
  }
}

TEST(ArchivioEstrazioni, KeepsItsOwnCopyOfTheText) {
  std::string testo = Unisci({kR1, kR2});
  const auto a = ArchivioEstrazioni::DaTesto(testo);
  testo.assign(testo.size(), 'x');
  EXPECT_EQ(a[2].Riga, kR2);
  EXPECT_EQ(a.Testo(), Unisci({kR1, kR2}));
  const ArchivioEstrazioni vuoto;
  EXPECT_EQ(vuoto.Testo(), "");
  EXPECT_EQ(vuoto.begin(), vuoto.end());
}

TEST(ArchivioEstrazioni, FixedLayoutOnlyWhenEveryRecordStandsAtItsOffset) {
  const std::set<std::string> spostati = {"LF breaks", "CR-only breaks", "line of 119", "line of 200"};
  for (const auto& a : ArchiviDifettosi())
    EXPECT_EQ(ArchivioEstrazioni::DaTesto(a.testo).FormaFissa(), !spostati.contains(a.nome)) << a.nome;
  // Built from records, not read from a file: nothing to read at an offset.
  EXPECT_FALSE(ArchivioEstrazioni({Estrazione{1, kR1}}).FormaFissa());
}
