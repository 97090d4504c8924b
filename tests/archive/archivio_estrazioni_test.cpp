#include "archive/ArchivioEstrazioni.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

std::vector<std::string> righe(std::string_view testo) {
  std::vector<std::string> v;
  for (const auto& e : ArchivioEstrazioni::DaTesto(testo)) v.push_back(e.Riga);
  return v;
}
}  // namespace

TEST(ArchivioEstrazioni, LineBreakRules) {
  using V = std::vector<std::string>;
  EXPECT_EQ(righe(""), V{});
  EXPECT_EQ(righe("a"), V{"a"});
  EXPECT_EQ(righe("a\r\nb"), (V{"a", "b"}));
  EXPECT_EQ(righe("a\r\nb\r\n"), (V{"a", "b"}));      // a break at the very end makes no record
  EXPECT_EQ(righe("a\r\n\r\nb"), (V{"a", "", "b"}));  // an empty line inside is a record
  EXPECT_EQ(righe("a\rb"), (V{"a", "b"}));            // CR alone
  EXPECT_EQ(righe("a\nb\n"), (V{"a", "b"}));          // LF alone (Linux line ends)
  EXPECT_EQ(righe("a\n\nb"), (V{"a", "", "b"}));
  EXPECT_EQ(righe("a\r\rb"), (V{"a", "", "b"}));
  EXPECT_EQ(righe("\r\n"), V{""});
  EXPECT_EQ(righe("a\n\r\nb"), (V{"a", "", "b"}));  // LF ends "a", CR LF ends an empty line
}

TEST(ArchivioEstrazioni, FieldsByPositionAndCounting) {
  const auto a = ArchivioEstrazioni::DaTesto(Unisci({kR1, kR2, kR3}));
  ASSERT_EQ(a.Conta(), 3);
  EXPECT_EQ(a[1].Numero, 1);
  EXPECT_EQ(a[3].Numero, 3);
  EXPECT_EQ(a.Ultima().Data(), "21/01/1939");
  EXPECT_EQ(a[1].Blocco(1), "5822474969");
  EXPECT_EQ(a[1].Blocco(10), "0102030405");
  EXPECT_EQ(a[2].TestoNumero(1, 5), "19");
  EXPECT_EQ(a[2].Valore(1, 2), 77);
  EXPECT_EQ(a[3].Valore(10, 5), 5);
  EXPECT_EQ(a.EtichettaData(2), "2: 14/01/1939");
  EXPECT_EQ(a[1].Riga.size(), 121u);
}

TEST(ArchivioEstrazioni, ShortAndOddLinesNeverFail) {
  const auto a = ArchivioEstrazioni::DaTesto("07/01/1939|58 7x4\r\n\r\n05/0");
  ASSERT_EQ(a.Conta(), 3);
  EXPECT_EQ(a[1].Valore(1, 1), 58);
  EXPECT_EQ(a[1].TestoNumero(1, 2), " 7");
  EXPECT_EQ(a[1].Valore(1, 2), 7);
  EXPECT_EQ(a[1].Valore(1, 3), 0);  // "x4"
  EXPECT_EQ(a[1].TestoNumero(1, 4), "");
  EXPECT_EQ(a[1].Valore(10, 5), 0);
  EXPECT_EQ(a[2].Data(), "");
  EXPECT_EQ(a[2].Valore(3, 3), 0);
  EXPECT_EQ(a[3].Data(), "05/0");
  EXPECT_EQ(a.EtichettaData(2), "2: ");
}

TEST(ArchivioEstrazioni, FilesOnDisk) {
  CartellaTemporanea dir;
  EXPECT_EQ(ArchivioEstrazioni::CaricaArchivio(dir.File("manca.txt")).Conta(), 0);
  const auto uno = ArchivioEstrazioni::CaricaArchivio(dir.Scrivi("uno.txt", kR1));
  ASSERT_EQ(uno.Conta(), 1);
  EXPECT_EQ(uno.EtichettaData(1), "1: 07/01/1939");
  const auto linux = ArchivioEstrazioni::CaricaArchivio(dir.Scrivi("lf.txt", Unisci({kR1, kR2, kR3}, "\n") + "\n"));
  ASSERT_EQ(linux.Conta(), 3);
  EXPECT_EQ(linux[3].Riga, kR3);
}

TEST(ArchivioEstrazioni, CountsPastSixteenBits) {
  std::string testo;
  for (int i = 0; i < 40000; ++i) testo += (i ? "\r\n" : "") + kR1;
  const auto a = ArchivioEstrazioni::DaTesto(testo);
  EXPECT_EQ(a.Conta(), 40000);
  EXPECT_EQ(a.Ultima().Numero, 40000);
  EXPECT_EQ(a.EtichettaData(40000), "40000: 07/01/1939");
}

TEST(ArchivioEstrazioni, LargeFilesWithEitherLineBreak) {
  CartellaTemporanea dir;
  std::vector<std::string> righe;
  for (int i = 0; i < 5000; ++i) righe.push_back(i % 2 ? kR2 : kR1);  // about 600 KB
  for (const std::string separatore : {"\r\n", "\n"}) {
    const std::string testo = Unisci(righe, separatore);
    const auto a = ArchivioEstrazioni::CaricaArchivio(dir.Scrivi("grande.txt", testo));
    ASSERT_EQ(a.Conta(), 5000);
    EXPECT_EQ(a.Testo(), testo);
    EXPECT_EQ(a[4999].Riga, kR1);
    EXPECT_EQ(a.Ultima().Riga, kR2);
    EXPECT_EQ(a.Ultima().Numero, 5000);
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
