#include "constants/StatisticaKostanti.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

using prova::ArchivioBari;
using Celle = std::array<std::string, 4>;

// Spy 1, ambate 2 and 20 active, third ambata 1 inactive.
ParametriStatistica Parametri(int colpi, int fine) { return {.Colpi = colpi, .Fine = fine}; }

// Four cases of spy 1 with 3 colpi: won at colpo 2, lost, won at colpo 1
// with both ambate in the draw, and one opened at the last record.
const ArchivioEstrazioni& ArchivioQuattroCasi() {
  static const ArchivioEstrazioni a = ArchivioBari({
      {1, 10, 11, 12, 13},   // 1 opens case 1
      {30, 31, 32, 33, 34},  // 2 colpo 1
      {40, 2, 41, 42, 43},   // 3 colpo 2: 02 wins
      {1, 50, 51, 52, 53},   // 4 opens case 2
      {1, 60, 61, 62, 63},   // 5 colpo 1: the spy again is ignored
      {70, 71, 72, 73, 74},  // 6 colpo 2
      {75, 76, 77, 78, 79},  // 7 colpo 3
      {1, 80, 81, 82, 83},   // 8 closes case 2 unwon; its spy opens nothing
      {85, 86, 87, 88, 89},  // 9
      {5, 1, 6, 7, 8},       // 10 opens case 3
      {20, 2, 9, 14, 15},    // 11 colpo 1: both ambate, one win
      {1, 16, 17, 18, 19},   // 12 opens case 4, still in play
  });
  return a;
}

TEST(CalcolaStatistica, CasesReportAndTables) {
  std::vector<int> avanzamenti;
  ParametriStatistica p = Parametri(3, 12);
  EsitoStatistica e = CalcolaStatistica(p, ArchivioQuattroCasi(), [&](int n) { avanzamenti.push_back(n); });
  EXPECT_EQ(avanzamenti, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_DOUBLE_EQ(e.PercentualeVincita, 200.0 / 3.0);
  EXPECT_DOUBLE_EQ(e.MediaColpi, 1.5);
  EXPECT_EQ(e.Vincenti.at(0).Data + " " + e.Vincenti.at(0).Blocco, "03/01/2000 4002414243");
  EXPECT_EQ(e.Riepilogo,
            "CASI GIOCABILI: 4\r\nCASI VINCENTI: 2 su: 3\r\n%PERC. VINCITA: 66.666%\r\n"
            "MEDIA COLPI VINCITA: 1.5\r\n***PREVISIONE IN GIOCO DA COLPI: 0");
  EXPECT_EQ(e.Dettaglio,
            "\r\n\r\nPrevisione in gioco est: 01/01/2000\r\nEsito: VINCENTE COLPI 2"
            "\r\n\r\nPrevisione in gioco est: 04/01/2000\r\nEsito: NON VINCENTE "
            "\r\n\r\nPrevisione in gioco est: 10/01/2000\r\nEsito: VINCENTE COLPI 1"
            "\r\n\r\nPrevisione in gioco est: 12/01/2000\r\n");

  PercentualiAbbinamenti(e);
  PercentualiFrequenti(e);
  // Watched draws: records 2, 3, 5, 6, 7, 11 (30 numbers); the ignored spy of
  // record 5 still counts, record 8 only closed a case.
  EXPECT_EQ(CelleRiga(e.Frequenti, 2), (Celle{"02", "2", "6.67", "0"}));
  EXPECT_EQ(CelleRiga(e.Frequenti, 1), (Celle{"01", "1", "3.33", "3"}));
  EXPECT_EQ(CelleRiga(e.Frequenti, 2, ',')[2], "6,67");
  // Winning draws: records 3 and 11; the active ambate 2 and 20 are marked, the inactive 1 is not.
  EXPECT_EQ(CelleRiga(e.Abbinamenti, 2), (Celle{"02", "*", "*", "*"}));
  EXPECT_EQ(CelleRiga(e.Abbinamenti, 40), (Celle{"40", "1", "50.00", "1"}));
  EXPECT_EQ(CelleRiga(e.Abbinamenti, 1), (Celle{"01", "0", "0.00", "2"}));

  // The principal's row is marked even when inactive; only 20 checked: case 3 wins at record 11.
  p.Attiva = {false, true, false};
  e = CalcolaStatistica(p, ArchivioQuattroCasi());
  EXPECT_EQ(e.CasiVincenti, 1);
  EXPECT_TRUE(e.Abbinamenti[2].Marcato && e.Abbinamenti[20].Marcato);
}

TEST(CalcolaStatistica, ClosingDrawIsNotWatchedAndOpensNothing) {
  // Colpi 2: record 1 opens, 2 and 3 watched, 4 closes; record 5 opens case 2.
  const ArchivioEstrazioni a = ArchivioBari(
      {{1, 3, 4, 5, 6}, {7, 8, 9, 10, 11}, {12, 13, 14, 15, 16}, {2, 1, 17, 18, 19}, {1, 21, 22, 23, 24}, {25, 2}});
  const EsitoStatistica e = CalcolaStatistica(Parametri(2, 6), a);
  EXPECT_EQ(e.Vincenti.at(0).Data, "06/01/2000");
  EXPECT_EQ(e.Riepilogo,
            "CASI GIOCABILI: 2\r\nCASI VINCENTI: 1 su: 2\r\n%PERC. VINCITA: 50%\r\nMEDIA COLPI VINCITA: 1.");
  EXPECT_EQ(e.Frequenti[2].Sortite, 1);
  // Ending at record 3: every colpo watched but the case not yet closed.
  EXPECT_TRUE(CalcolaStatistica(Parametri(2, 3), a).Riepilogo.ends_with("\r\n***PREVISIONE IN GIOCO DA COLPI: 2"));
}

TEST(CalcolaStatistica, PlaceSpanAndOtherWheel) {
  // Spy 1 at place 3 only in record 3.
  const ArchivioEstrazioni a = ArchivioBari(
      {{1, 3, 4, 5, 6}, {7, 2, 9, 10, 11}, {12, 13, 1, 15, 16}, {17, 18, 19, 2, 21}, {1, 22, 23, 24, 25}, {2, 26}});
  ParametriStatistica p = Parametri(3, 6);
  p.Posizione = 3;
  EsitoStatistica e = CalcolaStatistica(p, a);
  EXPECT_EQ(e.Dettaglio, "\r\n\r\nPrevisione in gioco est: 03/01/2000\r\nEsito: VINCENTE COLPI 1");
  p.Posizione = 0;
  p.Inizio = 5;  // the records before the span are not examined
  e = CalcolaStatistica(p, a);
  EXPECT_EQ((std::array{e.TotaleEstrazioni, e.CasiVincenti}), (std::array{2, 1}));
  p.Fine = 2;  // empty span
  e = CalcolaStatistica(p, a);
  EXPECT_EQ(e.TotaleEstrazioni, 0);
  EXPECT_EQ(e.Riepilogo,
            "CASI GIOCABILI: 0\r\nCASI VINCENTI: 0 su: 0\r\n%PERC. VINCITA: 0%\r\nMEDIA COLPI VINCITA: .\r\n"
            "***PREVISIONE IN GIOCO DA COLPI: 0");
  PercentualiFrequenti(e);
  EXPECT_EQ(CelleRiga(e.Frequenti, 5), (Celle{"05", "0", "0.00", ""}));

  // Naples' draws, and a short line that is examined but adds nothing.
  const std::string testo =
      prova::Unisci({prova::Record("01/01/2000", {50, 51, 52, 53, 54, 1, 2, 3, 4, 5}),
                     prova::Record("02/01/2000", {50, 51, 52, 53, 54, 20, 6, 7, 8, 9}), "05/01/2000"});
  p = Parametri(3, 3);
  p.Ruota = 2;
  e = CalcolaStatistica(p, ArchivioEstrazioni::DaTesto(testo));
  EXPECT_EQ(e.TotaleEstrazioni, 3);
  EXPECT_EQ(e.Vincenti.at(0).Blocco, "2006070809");
}

TEST(CalcolaStatistica, AmbateComparedAsTwoDigitTexts) {
  // The spy twice in one draw opens one case.
  const ArchivioEstrazioni a = ArchivioBari({{1, 1, 4, 5, 6}, {7, 2, 0, 10, 11}});
  ParametriStatistica p = Parametri(3, 2);
  EsitoStatistica e = CalcolaStatistica(p, a);
  EXPECT_EQ(e.CasiGiocabili, 1);
  EXPECT_DOUBLE_EQ(e.PercentualeVincita, 100.0);
  p.Ambata = {92, 20, 1};  // above 90: compared as its Fuori90 "02"
  EXPECT_TRUE(CalcolaStatistica(p, a).Abbinamenti[2].Marcato);
  p.Ambata = {2, 2, 2};
  p.Attiva = {true, true, true};
  EXPECT_EQ(CalcolaStatistica(p, a).Vincenti.size(), 1u);
  // An empty box (0) hits a missing number "00" but marks no row.
  p.Ambata = {0, 20, 1};
  p.Attiva = {true, false, false};
  e = CalcolaStatistica(p, a);
  EXPECT_EQ(e.CasiVincenti, 1);
  for (int n = 1; n <= 90; ++n) EXPECT_FALSE(e.Abbinamenti[n].Marcato) << n;
}

}  // namespace
}  // namespace ruotario
