#include "print/ImpaginaGriglia.h"

#include <gtest/gtest.h>

#include <string>

namespace ruotario {
namespace {

using Riga = RigaStampa;

// A table like the spy windows': number, cases, percentage, delay.
GrigliaTesto tabella(int righeDati) {
  GrigliaTesto g{{"Num", "Casi", "Perc", "Rit"}, {}};
  for (int i = 1; i <= righeDati; ++i)
    g.righe.push_back({(i < 10 ? "0" : "") + std::to_string(i), std::to_string(i % 7), "1.000", std::to_string(i % 5)});
  return g;
}

Riga riga(const std::string& a, const std::string& b, const std::string& c, const std::string& d) {
  return {{1, "   "}, {14, a + "   "}, {28, b + "   "}, {42, c + "   "}, {56, d + "   "}};
}

const Riga kTre{{1, "   "}}, kVuota{}, kPiede{{1, "   by Ruotario "}};

TEST(ImpaginaGriglia, ElevenRowsFitOnePageWithFooter) {
  const auto doc = ImpaginaGriglia(tabella(10), "Ruota di BARI", "", 0);
  ASSERT_EQ(doc.pagine.size(), 1u);
  const auto& r = doc.pagine[0].righe;
  ASSERT_EQ(r.size(), 3u + 11u + 2u);
  EXPECT_EQ(std::vector<Riga>(r.begin(), r.begin() + 4),
            (std::vector<Riga>{kTre, {{1, "Ruota di BARI"}}, kTre, riga("Num", "Casi", "Perc", "Rit")}));
  EXPECT_EQ(std::vector<Riga>(r.end() - 3, r.end()),
            (std::vector<Riga>{riga("10", "3", "1.000", "0"), kVuota, kPiede}));
  EXPECT_EQ(TestoRiga(r[4]), "             01            1             1.000         1   ");
}

TEST(ImpaginaGriglia, RowsBreakOnceAfterRow45AndRigheMaxEndsTheTable) {
  const auto doc = ImpaginaGriglia(tabella(90), "Titolo", "Spia 5 su BARI", 0);
  ASSERT_EQ(doc.pagine.size(), 2u);
  const auto& p1 = doc.pagine[0].righe;
  ASSERT_EQ(p1.size(), 5u + 46u);  // heading of five lines, grid rows 0..45
  EXPECT_EQ(p1[3], (Riga{{1, "Spia 5 su BARI"}}));
  EXPECT_EQ(p1[4], kTre);
  EXPECT_EQ(p1[50], riga("45", "3", "1.000", "0"));
  const auto& p2 = doc.pagine[1].righe;
  const std::vector<Riga> testa{kVuota, {{1, "Titolo"}}, kVuota, {{1, "Spia 5 su BARI"}}, {{1, "  (pag. 2)"}},
                                kTre,   kVuota};  // the last: the end of row 45's line
  ASSERT_EQ(p2.size(), 7u + 45u + 2u);
  EXPECT_EQ(std::vector<Riga>(p2.begin(), p2.begin() + 7), testa);
  EXPECT_EQ(p2[7], riga("46", "4", "1.000", "1"));
  EXPECT_EQ(p2[51], riga("90", "6", "1.000", "0"));
  EXPECT_EQ(p2[53], kPiede);

  // Without a subtitle page 2 has no marker; an empty title still takes its line.
  const auto senza = ImpaginaGriglia(tabella(90), "", "", 0);
  EXPECT_EQ(senza.pagine[0].righe[1], kVuota);
  EXPECT_EQ(senza.pagine[1].righe[3], kVuota);
  EXPECT_EQ(senza.pagine[1].righe[4], riga("46", "4", "1.000", "1"));

  // RigheMax ends the table early; past the last row or past 90 it changes nothing.
  EXPECT_EQ(ImpaginaGriglia(tabella(90), "T", "", 10).pagine.at(0).righe.size(), 3u + 11u + 2u);  // rows 0..10
  EXPECT_EQ(ImpaginaGriglia(tabella(5), "T", "", 8).pagine.at(0).righe.size(), 3u + 6u + 2u);     // past the last row
  EXPECT_EQ(ImpaginaGriglia(tabella(90), "T", "", 95).pagine.size(), 2u);
  EXPECT_EQ(ImpaginaGriglia(tabella(46), "T", "", 0).pagine.size(), 2u);  // a row past 45 needs page 2
  EXPECT_EQ(ImpaginaGriglia(tabella(45), "T", "", 0).pagine.size(), 1u);  // no page of just a heading
  EXPECT_EQ(SottotitoloPrimeRighe("S", 91, 90), "S  (stampate le prime 90 di 91 righe)");
  EXPECT_EQ(SottotitoloPrimeRighe("S", 90, 90), "S");
}

TEST(ImpaginaGriglia, ALongCellWidensItsColumnInsteadOfBreakingTheLine) {
  const GrigliaTesto g{{"ABCDEFGHIJKL", "x", "z"}, {{"ABCDEFGHIJK", "y"}, {"Città"}}};  // 12 + 3 blanks pass 28
  const auto doc = ImpaginaGriglia(g, "T", "", 0);
  const auto& r = doc.pagine[0].righe;
  EXPECT_EQ(r[3], (Riga{{1, "   "}, {14, "ABCDEFGHIJKL   "}, {29, "x   "}, {43, "z   "}}));
  EXPECT_EQ(r[4], (Riga{{1, "   "}, {14, "ABCDEFGHIJK   "}, {29, "y   "}, {43, "   "}}));
  EXPECT_EQ(TestoRiga(r[5]), std::string(13, ' ') + "Città" + std::string(27, ' '));  // accented text
}

TEST(ImpaginaGriglia, ColumnFormatHeadingsStandOnOneLineInTheirColumns) {
  // The spy table's headings, padded with the blanks that size their columns on screen.
  GrigliaTesto g{{"    Numero    ", "    Sortite    ", "  %Esiti Vin.   ", "   Ritar. Rel.    "}, {{"01", "0"}}};
  const auto doc = ImpaginaGriglia(g, "T", "", 0);
  const auto& r = doc.pagine.at(0).righe;
  ASSERT_EQ(r.size(), 3u + 2u + 2u);
  EXPECT_EQ(r[3], riga("Numero", "Sortite", "%Esiti Vin.", "Ritar. Rel."));
  EXPECT_EQ(r[4], (Riga{{1, "   "}, {14, "01   "}, {28, "0   "}, {42, "   "}, {56, "   "}}));
}

TEST(ImpaginaGriglia, ShortPapersTakeEveryLineOnFurtherPages) {
  const auto doc = ImpaginaGriglia(tabella(90), "Titolo", "Sotto", 0);  // pages of 51 and 54 lines
  const auto adattato = AdattaPagine(doc, 20);
  ASSERT_EQ(adattato.pagine.size(), 3u + 3u);  // 20 + 20 + 11, then 20 + 20 + 14
  std::vector<Riga> prima, dopo;
  for (const auto& p : doc.pagine) prima.insert(prima.end(), p.righe.begin(), p.righe.end());
  for (const auto& p : adattato.pagine) {
    EXPECT_LE(p.righe.size(), 20u);
    dopo.insert(dopo.end(), p.righe.begin(), p.righe.end());
  }
  EXPECT_EQ(dopo, prima);
  EXPECT_EQ(adattato.pagine[3].righe[1], (Riga{{1, "Titolo"}}));  // the layout's own break is kept
  EXPECT_EQ(AdattaPagine(doc, 100).pagine.size(), 2u);
  EXPECT_EQ(AdattaPagine(doc, 0).pagine.size(), prima.size());  // one line a page at worst
}

}  // namespace
}  // namespace ruotario
