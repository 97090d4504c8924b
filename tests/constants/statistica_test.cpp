#include "constants/StatisticaKostanti.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

using prova::ArchivioBari;

ParametriStatistica Parametri(int colpi, int fine) {
  ParametriStatistica p;
  p.NumeroSpia = 1;
  p.Colpi = colpi;
  p.Inizio = 1;
  p.Fine = fine;
  p.Ambata = {2, 20, 1};
  p.Attiva = {true, true, false};
  return p;
}

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

TEST(CalcolaStatistica, CasesOpenWinCloseAndStayInPlay) {
  std::vector<int> avanzamenti;
  const EsitoStatistica e =
      CalcolaStatistica(Parametri(3, 12), ArchivioQuattroCasi(), [&](int n) { avanzamenti.push_back(n); });
  EXPECT_EQ(e.TotaleEstrazioni, 12);
  EXPECT_EQ(avanzamenti.size(), 12u);
  EXPECT_EQ(avanzamenti.back(), 12);
  EXPECT_EQ(e.CasiGiocabili, 4);
  EXPECT_EQ(e.CasiVincenti, 2);
  EXPECT_EQ(e.CasiConclusi, 3);
  EXPECT_DOUBLE_EQ(e.PercentualeVincita, 200.0 / 3.0);
  EXPECT_DOUBLE_EQ(e.MediaColpi, 1.5);
  EXPECT_TRUE(e.InGioco);
  EXPECT_EQ(e.Colpo, 0);

  ASSERT_EQ(e.Vincenti.size(), 2u);
  EXPECT_EQ(e.Vincenti[0].Nr, 1);
  EXPECT_EQ(e.Vincenti[0].Data, "03/01/2000");
  EXPECT_EQ(e.Vincenti[0].Blocco, "4002414243");
  EXPECT_EQ(e.Vincenti[1].Nr, 2);
  EXPECT_EQ(e.Vincenti[1].Data, "11/01/2000");
  EXPECT_EQ(e.Vincenti[1].Blocco, "2002091415");

  EXPECT_EQ(e.Riepilogo,
            "CASI GIOCABILI: 4\r\nCASI VINCENTI: 2 su: 3\r\n%PERC. VINCITA: 66.666%\r\n"
            "MEDIA COLPI VINCITA: 1.5\r\n***PREVISIONE IN GIOCO DA COLPI: 0");
  EXPECT_EQ(e.Dettaglio,
            "\r\n\r\nPrevisione in gioco est: 01/01/2000\r\nEsito: VINCENTE COLPI 2"
            "\r\n\r\nPrevisione in gioco est: 04/01/2000\r\nEsito: NON VINCENTE "
            "\r\n\r\nPrevisione in gioco est: 10/01/2000\r\nEsito: VINCENTE COLPI 1"
            "\r\n\r\nPrevisione in gioco est: 12/01/2000\r\n");
  EXPECT_EQ(TestoDettaglioRicerca(e), e.Riepilogo + "\r\n\r\nDETTAGLIO COLPI" + e.Dettaglio);
  EXPECT_EQ(TestoRiepilogoVincite(e), e.Riepilogo + "\r\n\r\n");
}

TEST(CalcolaStatistica, WatchedDrawTableCountsEveryColpo) {
  EsitoStatistica e = CalcolaStatistica(Parametri(3, 12), ArchivioQuattroCasi());
  // Before the percentages an uncounted number is empty; delays cover the 6 watched draws.
  EXPECT_FALSE(e.Frequenti[90].Sortite.has_value());
  EXPECT_EQ(e.Frequenti[90].RitardoRel, 6);
  PercentualiAbbinamenti(e);
  PercentualiFrequenti(e);
  // Watched: records 2, 3, 5, 6, 7, 11; 30 numbers in all.
  EXPECT_EQ(e.Frequenti[2].Sortite, 2);
  EXPECT_EQ(e.Frequenti[2].RitardoRel, 0);
  EXPECT_EQ(e.Frequenti[30].Sortite, 1);
  EXPECT_EQ(e.Frequenti[30].RitardoRel, 5);
  EXPECT_EQ(e.Frequenti[1].Sortite, 1);  // the ignored spy of record 5 is still a drawn number
  EXPECT_EQ(e.Frequenti[1].RitardoRel, 3);
  EXPECT_EQ(e.Frequenti[80].Sortite, 0);  // record 8 only closed a case
  EXPECT_EQ(e.Frequenti[90].Sortite, 0);
  EXPECT_FALSE(e.Frequenti[2].Marcato);
  EXPECT_EQ(CelleRiga(e.Frequenti, 2), (std::array<std::string, 4>{"02", "2", "6.67", "0"}));
  EXPECT_EQ(CelleRiga(e.Frequenti, 30), (std::array<std::string, 4>{"30", "1", "3.33", "5"}));
  EXPECT_EQ(CelleRiga(e.Frequenti, 90), (std::array<std::string, 4>{"90", "0", "0.00", "6"}));
  EXPECT_EQ(CelleRiga(e.Frequenti, 2, ',')[2], "6,67");
}

TEST(CalcolaStatistica, WinningDrawTableAndMarks) {
  EsitoStatistica e = CalcolaStatistica(Parametri(3, 12), ArchivioQuattroCasi());
  PercentualiAbbinamenti(e);
  // Winning draws: records 3 and 11. Rows 2 and 20 (the active ambate) are marked.
  EXPECT_TRUE(e.Abbinamenti[2].Marcato);
  EXPECT_TRUE(e.Abbinamenti[20].Marcato);
  EXPECT_FALSE(e.Abbinamenti[1].Marcato);  // the inactive third ambata marks nothing
  EXPECT_EQ(CelleRiga(e.Abbinamenti, 2), (std::array<std::string, 4>{"02", "*", "*", "*"}));
  EXPECT_EQ(CelleRiga(e.Abbinamenti, 40), (std::array<std::string, 4>{"40", "1", "50.00", "1"}));
  EXPECT_EQ(CelleRiga(e.Abbinamenti, 9), (std::array<std::string, 4>{"09", "1", "50.00", "0"}));
  EXPECT_EQ(CelleRiga(e.Abbinamenti, 1), (std::array<std::string, 4>{"01", "0", "0.00", "2"}));
  EXPECT_DOUBLE_EQ(e.Abbinamenti[2].Percentuale, 0.0);
}

TEST(CalcolaStatistica, PrincipalRowMarkedEvenWhenInactive) {
  ParametriStatistica p = Parametri(3, 12);
  p.Attiva = {false, true, false};  // only 20 checked: case 3 wins at record 11
  EsitoStatistica e = CalcolaStatistica(p, ArchivioQuattroCasi());
  EXPECT_EQ(e.CasiVincenti, 1);
  EXPECT_TRUE(e.Abbinamenti[2].Marcato);
  EXPECT_TRUE(e.Abbinamenti[20].Marcato);
  // Without any win nothing is marked.
  p.Ambata[2] = 90;
  p.Attiva = {false, false, true};
  e = CalcolaStatistica(p, ArchivioQuattroCasi());
  EXPECT_EQ(e.CasiVincenti, 0);
  EXPECT_FALSE(e.Abbinamenti[2].Marcato);
}

TEST(CalcolaStatistica, CaseClosesAfterItsColpi) {
  // Colpi 2: record 1 opens, 2 and 3 watched, 4 closes without being watched.
  const ArchivioEstrazioni a = ArchivioBari({{1, 3, 4, 5, 6},
                                             {7, 8, 9, 10, 11},
                                             {12, 13, 14, 15, 16},
                                             {2, 1, 17, 18, 19},
                                             {1, 21, 22, 23, 24},
                                             {25, 2, 26, 27, 28}});
  const EsitoStatistica e = CalcolaStatistica(Parametri(2, 6), a);
  EXPECT_EQ(e.CasiGiocabili, 2);  // record 4's spy opens nothing; record 5 opens case 2
  EXPECT_EQ(e.CasiVincenti, 1);
  EXPECT_EQ(e.CasiConclusi, 2);
  EXPECT_FALSE(e.InGioco);
  EXPECT_EQ(e.Vincenti.at(0).Data, "06/01/2000");
  EXPECT_EQ(e.Riepilogo,
            "CASI GIOCABILI: 2\r\nCASI VINCENTI: 1 su: 2\r\n%PERC. VINCITA: 50%\r\nMEDIA COLPI VINCITA: 1.");
  EXPECT_EQ(e.Frequenti[2].Sortite, 1);  // record 4 was not watched
}

TEST(CalcolaStatistica, AllColpiWatchedButNotYetClosedStaysInPlay) {
  const ArchivioEstrazioni a = ArchivioBari({{1, 3, 4, 5, 6}, {7, 8, 9, 10, 11}, {12, 13, 14, 15, 16}});
  const EsitoStatistica e = CalcolaStatistica(Parametri(2, 3), a);
  EXPECT_TRUE(e.InGioco);
  EXPECT_EQ(e.Colpo, 2);
  EXPECT_EQ(e.CasiConclusi, 0);
  EXPECT_EQ(e.Riepilogo,
            "CASI GIOCABILI: 1\r\nCASI VINCENTI: 0 su: 0\r\n%PERC. VINCITA: 0%\r\nMEDIA COLPI VINCITA: .\r\n"
            "***PREVISIONE IN GIOCO DA COLPI: 2");
}

TEST(CalcolaStatistica, PlaceAndSpan) {
  // Spy 1 at place 3 only in record 3.
  const ArchivioEstrazioni a = ArchivioBari({{1, 3, 4, 5, 6},
                                             {7, 2, 9, 10, 11},
                                             {12, 13, 1, 15, 16},
                                             {17, 18, 19, 2, 21},
                                             {1, 22, 23, 24, 25},
                                             {2, 26, 27, 28, 29}});
  ParametriStatistica p = Parametri(3, 6);
  p.Posizione = 3;
  EsitoStatistica e = CalcolaStatistica(p, a);
  EXPECT_EQ(e.CasiGiocabili, 1);
  EXPECT_EQ(e.Vincenti.at(0).Data, "04/01/2000");
  EXPECT_EQ(e.Dettaglio, "\r\n\r\nPrevisione in gioco est: 03/01/2000\r\nEsito: VINCENTE COLPI 1");
  // Span 5..6: one case, won at once; the records before are not examined.
  p.Posizione = 0;
  p.Inizio = 5;
  e = CalcolaStatistica(p, a);
  EXPECT_EQ(e.TotaleEstrazioni, 2);
  EXPECT_EQ(e.CasiGiocabili, 1);
  EXPECT_EQ(e.CasiVincenti, 1);
  EXPECT_EQ(e.Riepilogo,
            "CASI GIOCABILI: 1\r\nCASI VINCENTI: 1 su: 1\r\n%PERC. VINCITA: 100%\r\nMEDIA COLPI VINCITA: 1.");
}

TEST(CalcolaStatistica, EmptySpanGivesZeros) {
  ParametriStatistica p = Parametri(9, 2);
  p.Inizio = 5;
  EsitoStatistica e = CalcolaStatistica(p, ArchivioQuattroCasi());
  EXPECT_EQ(e.TotaleEstrazioni, 0);
  EXPECT_EQ(e.Riepilogo,
            "CASI GIOCABILI: 0\r\nCASI VINCENTI: 0 su: 0\r\n%PERC. VINCITA: 0%\r\nMEDIA COLPI VINCITA: .\r\n"
            "***PREVISIONE IN GIOCO DA COLPI: 0");
  PercentualiAbbinamenti(e);
  PercentualiFrequenti(e);
  EXPECT_EQ(CelleRiga(e.Frequenti, 5), (std::array<std::string, 4>{"05", "0", "0.00", ""}));
  EXPECT_EQ(CalcolaStatistica(Parametri(9, 10), ArchivioEstrazioni()).TotaleEstrazioni, 0);
  EXPECT_EQ(CalcolaStatistica(Parametri(9, 10), std::string("/nonexistent/estrazioni.txt")).TotaleEstrazioni, 0);
}

TEST(CalcolaStatistica, PercentageCutToSixCharactersAndMeanPattern) {
  // Three cases, one won at colpo 2: 33.333..., mean 2.
  const ArchivioEstrazioni a = ArchivioBari({{1, 3, 4, 5, 6},
                                             {7, 8, 9, 10, 11},
                                             {2, 8, 9, 10, 11},
                                             {1, 3, 4, 5, 6},
                                             {7, 8, 9, 10, 11},
                                             {12, 8, 9, 10, 11},
                                             {13, 8, 9, 10, 11},
                                             {1, 3, 4, 5, 6},
                                             {7, 8, 9, 10, 11},
                                             {12, 8, 9, 10, 11},
                                             {13, 8, 9, 10, 11}});
  ParametriStatistica p = Parametri(2, 11);
  p.Separatore = ',';
  const EsitoStatistica e = CalcolaStatistica(p, a);
  EXPECT_EQ(e.CasiConclusi, 3);
  EXPECT_EQ(e.Riepilogo,
            "CASI GIOCABILI: 3\r\nCASI VINCENTI: 1 su: 3\r\n%PERC. VINCITA: 33,333%\r\nMEDIA COLPI VINCITA: 2,");
}

TEST(CalcolaStatistica, AmbataComparedAsTwoDigitText) {
  // A missing number "00" is a hit for an ambata of 0 (an empty box) but marks no row;
  // a box value above 90 is compared as its Fuori90 ("92" -> "02").
  const ArchivioEstrazioni a = ArchivioBari({{1, 3, 4, 5, 6}, {7, 0, 9, 10, 11}});
  ParametriStatistica p = Parametri(3, 2);
  p.Ambata = {0, 20, 1};
  p.Attiva = {true, false, false};
  EsitoStatistica e = CalcolaStatistica(p, a);
  EXPECT_EQ(e.CasiVincenti, 1);
  for (int n = 1; n <= 90; ++n) EXPECT_FALSE(e.Abbinamenti[n].Marcato) << n;
  EXPECT_EQ(e.Frequenti[7].Sortite, 1);

  const ArchivioEstrazioni b = ArchivioBari({{1, 3, 4, 5, 6}, {7, 2, 9, 10, 11}});
  p.Ambata = {92, 20, 1};
  EXPECT_EQ(TestoAmbata(92), "02");
  e = CalcolaStatistica(p, b);
  EXPECT_EQ(e.CasiVincenti, 1);
  EXPECT_TRUE(e.Abbinamenti[2].Marcato);
}

TEST(CalcolaStatistica, SameAmbataTwiceWinsOnce) {
  const ArchivioEstrazioni a = ArchivioBari({{1, 3, 4, 5, 6}, {7, 2, 9, 10, 11}});
  ParametriStatistica p = Parametri(3, 2);
  p.Ambata = {2, 2, 2};
  p.Attiva = {true, true, true};
  const EsitoStatistica e = CalcolaStatistica(p, a);
  EXPECT_EQ(e.CasiVincenti, 1);
  EXPECT_EQ(e.Vincenti.size(), 1u);
}

TEST(CalcolaStatistica, OtherWheelAndShortRecord) {
  std::string testo = prova::Record("01/01/2000", {50, 51, 52, 53, 54, 1, 2, 3, 4, 5});
  testo += "\r\n" + prova::Record("02/01/2000", {50, 51, 52, 53, 54, 20, 6, 7, 8, 9});
  testo += "\r\n05/01/2000";  // short line: contributes nothing but is examined
  const ArchivioEstrazioni a = ArchivioEstrazioni::DaTesto(testo);
  ParametriStatistica p = Parametri(3, 3);
  p.Ruota = 2;
  const EsitoStatistica e = CalcolaStatistica(p, a);
  EXPECT_EQ(e.TotaleEstrazioni, 3);
  EXPECT_EQ(e.CasiGiocabili, 1);
  EXPECT_EQ(e.CasiVincenti, 1);
  EXPECT_EQ(e.Vincenti.at(0).Blocco, "2006070809");
}

TEST(CalcolaStatistica, MalformedDrawWithTheSpyTwiceOpensOneCase) {
  const ArchivioEstrazioni a = ArchivioBari({{1, 1, 4, 5, 6}, {7, 2, 9, 10, 11}});
  const EsitoStatistica e = CalcolaStatistica(Parametri(3, 2), a);
  EXPECT_EQ(e.CasiGiocabili, 1);
  EXPECT_EQ(e.CasiConclusi, 1);
  EXPECT_DOUBLE_EQ(e.PercentualeVincita, 100.0);
}

}  // namespace
}  // namespace ruotario
