#include "print/ImpaginaGriglia.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ruotario {
namespace {

using Riga = RigaStampa;

// A 90-number table like the spy windows': number, cases, percentage, delay.
GrigliaTesto tabella(int righeDati) {
  GrigliaTesto g;
  g.intestazioni = {"Num", "Casi", "Perc", "Rit"};
  for (int i = 1; i <= righeDati; ++i) {
    const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
    g.righe.push_back({n, std::to_string(i % 7), "1.000", std::to_string(i % 5)});
  }
  return g;
}

Riga rigaTabella(const std::string& a, const std::string& b, const std::string& c, const std::string& d) {
  return {{1, "   "}, {14, a + "   "}, {28, b + "   "}, {42, c + "   "}, {56, d + "   "}};
}

const Riga kTre{{1, "   "}};
const Riga kVuota{};
const Riga kPiede{{1, "   by Ruotario "}};

TEST(ImpaginaGriglia, TenBestTableFitsOnePageWithFooter) {
  const auto doc = ImpaginaGriglia(tabella(10), "Ruota di BARI", "", 0);
  ASSERT_EQ(doc.pagine.size(), 1u);
  const auto& r = doc.pagine[0].righe;
  ASSERT_EQ(r.size(), 3u + 11u + 2u);
  EXPECT_EQ(r[0], kTre);
  EXPECT_EQ(r[1], (Riga{{1, "Ruota di BARI"}}));
  EXPECT_EQ(r[2], kTre);
  EXPECT_EQ(r[3], rigaTabella("Num", "Casi", "Perc", "Rit"));
  EXPECT_EQ(r[4], rigaTabella("01", "1", "1.000", "1"));
  EXPECT_EQ(r[13], rigaTabella("10", "3", "1.000", "0"));
  EXPECT_EQ(r[14], kVuota);
  EXPECT_EQ(r[15], kPiede);
  // Cells start at character columns 14, 28, 42, 56.
  EXPECT_EQ(TestoRiga(r[4]), "             01            1             1.000         1   ");
}

TEST(ImpaginaGriglia, FullTableBreaksOnceAfterRow45) {
  const auto doc = ImpaginaGriglia(tabella(90), "Titolo", "Spia 5 su BARI", 0);
  ASSERT_EQ(doc.pagine.size(), 2u);
  const auto& p1 = doc.pagine[0].righe;
  ASSERT_EQ(p1.size(), 5u + 46u);  // heading of five lines, grid rows 0..45
  EXPECT_EQ(p1[3], (Riga{{1, "Spia 5 su BARI"}}));
  EXPECT_EQ(p1[4], kTre);
  EXPECT_EQ(p1[5], rigaTabella("Num", "Casi", "Perc", "Rit"));
  EXPECT_EQ(p1[50], rigaTabella("45", "3", "1.000", "0"));

  const auto& p2 = doc.pagine[1].righe;
  ASSERT_EQ(p2.size(), 7u + 45u + 2u);
  EXPECT_EQ(p2[0], kVuota);
  EXPECT_EQ(p2[1], (Riga{{1, "Titolo"}}));
  EXPECT_EQ(p2[2], kVuota);
  EXPECT_EQ(p2[3], (Riga{{1, "Spia 5 su BARI"}}));
  EXPECT_EQ(p2[4], (Riga{{1, "  (pag. 2)"}}));
  EXPECT_EQ(p2[5], kTre);
  EXPECT_EQ(p2[6], kVuota);  // the end of row 45's line, on the new page
  EXPECT_EQ(p2[7], rigaTabella("46", "4", "1.000", "1"));
  EXPECT_EQ(p2[51], rigaTabella("90", "6", "1.000", "0"));
  EXPECT_EQ(p2[52], kVuota);
  EXPECT_EQ(p2[53], kPiede);
}

TEST(ImpaginaGriglia, PageTwoWithoutSubtitleHasNoMarker) {
  const auto doc = ImpaginaGriglia(tabella(90), "", "", 0);
  ASSERT_EQ(doc.pagine.size(), 2u);
  EXPECT_EQ(doc.pagine[0].righe[1], kVuota);  // empty title still takes its line
  const auto& p2 = doc.pagine[1].righe;
  EXPECT_EQ(p2[0], kVuota);
  EXPECT_EQ(p2[1], kVuota);
  EXPECT_EQ(p2[2], kVuota);
  EXPECT_EQ(p2[3], kVuota);
  EXPECT_EQ(p2[4], rigaTabella("46", "4", "1.000", "1"));
}

TEST(ImpaginaGriglia, RigheMaxLimitsRowsOnlyWithinRange) {
  auto righeStampate = [](int righeMax) {
    const auto doc = ImpaginaGriglia(tabella(90), "T", "", righeMax);
    int n = 0;
    for (const auto& p : doc.pagine)
      for (const auto& r : p.righe)
        if (r.size() == 5) ++n;
    return n;
  };
  EXPECT_EQ(righeStampate(10), 11);  // rows 0..10
  EXPECT_EQ(righeStampate(0), 91);
  EXPECT_EQ(righeStampate(95), 91);
  EXPECT_EQ(righeStampate(-3), 91);
  EXPECT_EQ(ImpaginaGriglia(tabella(5), "T", "", 8).pagine[0].righe.size(), 3u + 6u + 2u);  // past the last row
}

TEST(ImpaginaGriglia, TableEndingAtRow45StaysOnOnePage) {
  EXPECT_EQ(ImpaginaGriglia(tabella(45), "T", "S", 0).pagine.size(), 1u);
  EXPECT_EQ(ImpaginaGriglia(tabella(90), "T", "S", 45).pagine.size(), 1u);
  EXPECT_EQ(ImpaginaGriglia(tabella(46), "T", "S", 0).pagine.size(), 2u);
}

TEST(ImpaginaGriglia, LongCellPushesNextCellToItsColumnOnNextLine) {
  GrigliaTesto g;
  g.intestazioni = {"ABCDEFGHIJKL", "x"};  // 12 + 3 blanks reach past column 28
  g.righe = {{"ABCDEFGHIJK", "y"}};        // 11 + 3 blanks end exactly at column 28
  const auto doc = ImpaginaGriglia(g, "T", "", 0);
  const auto& r = doc.pagine[0].righe;
  ASSERT_EQ(r.size(), 3u + 3u + 2u);
  EXPECT_EQ(r[3], (Riga{{1, "   "}, {14, "ABCDEFGHIJKL   "}}));
  EXPECT_EQ(r[4], (Riga{{28, "x   "}}));
  EXPECT_EQ(r[5], (Riga{{1, "   "}, {14, "ABCDEFGHIJK   "}, {28, "y   "}}));
}

TEST(ImpaginaGriglia, ShortRowsAndAccentedTextKeepColumns) {
  GrigliaTesto g;
  g.intestazioni = {"Città", "N"};
  g.righe = {{"Bari"}};
  EXPECT_EQ(g.Colonne(), 2);
  EXPECT_EQ(g.Cella(1, 1), "");
  EXPECT_EQ(g.Cella(2, 0), "");
  const auto doc = ImpaginaGriglia(g, "T", "", 0);
  const auto& r = doc.pagine[0].righe;
  EXPECT_EQ(r[4], (Riga{{1, "   "}, {14, "Bari   "}, {28, "   "}}));
  EXPECT_EQ(TestoRiga(r[3]), "             Città         N   ");
}

}  // namespace
}  // namespace ruotario
