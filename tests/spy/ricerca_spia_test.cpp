#include "spy/RicercaSpia.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

using prova::Archivio;

ParametriRicerca Numero(int spia, int colpi, int posizione = 0) {
  ParametriRicerca p;
  p.NumeriSpia = {spia, 0, 0};
  p.Colpi = colpi;
  p.Posizione = posizione;
  return p;
}

TEST(RicercaSpia, ClosingDrawIsSkippedAndCasesDoNotOverlap) {
  // t: 5 at place 3; t+1 watched; t+2 closes (its 5 is no case); t+3 case; t+4 watched.
  const auto archivio =
      Archivio({{1, 2, 5, 3, 4}, {17, 20, 21, 22, 23}, {5, 30, 31, 32, 33}, {5, 40, 41, 42, 43}, {17, 50, 51, 52, 53}});
  const EsitoRicerca e = RicercaSpia(Numero(5, 1), archivio);
  EXPECT_EQ(e.TotaleEstrazioni, 5);
  EXPECT_EQ(e.CasiGiocabili, 2);
  EXPECT_EQ(e.Sortite[17], 2);
  EXPECT_EQ(e.Sortite[20], 1);
  EXPECT_EQ(e.Sortite[50], 1);
  EXPECT_EQ(e.Sortite[5], 0);  // the closing draw counts for nothing
  EXPECT_EQ(e.Sortite[30], 0);
  EXPECT_EQ(e.Sortite[40], 0);  // the case draw itself is not watched
  EXPECT_DOUBLE_EQ(e.Percentuale[17], 100.0);
  EXPECT_DOUBLE_EQ(e.Percentuale[20], 50.0);
  EXPECT_EQ(e.RitardoRel[17], 0);
  EXPECT_EQ(e.RitardoRel[20], 1);
  EXPECT_EQ(e.RitardoRel[1], 2);
}

TEST(RicercaSpia, SpyLookedForAgainOnlyAfterTheClosingDraw) {
  // Colpi 2: t case, t+1 and t+2 watched (t+1 holds the spy), t+3 closes
  // (holds the spy too), t+4 is the next case.
  const auto archivio = Archivio({{5, 1, 2, 3, 4},
                                  {5, 11, 12, 13, 14},
                                  {21, 22, 23, 24, 25},
                                  {5, 31, 32, 33, 34},
                                  {5, 41, 42, 43, 44},
                                  {51, 52, 53, 54, 55}});
  const EsitoRicerca e = RicercaSpia(Numero(5, 2), archivio);
  EXPECT_EQ(e.CasiGiocabili, 2);
  EXPECT_EQ(e.Sortite[5], 1);
  EXPECT_EQ(e.Sortite[11], 1);
  EXPECT_EQ(e.Sortite[21], 1);
  EXPECT_EQ(e.Sortite[31], 0);
  EXPECT_EQ(e.Sortite[51], 1);
  EXPECT_EQ(e.Sortite[41], 0);
}

TEST(RicercaSpia, PositionRestrictsThePlaceOfTheSpy) {
  const auto archivio =
      Archivio({{1, 2, 3, 5, 4}, {10, 11, 12, 13, 14}, {30, 31, 32, 33, 34}, {6, 5, 7, 8, 9}, {20, 21, 22, 23, 24}});
  const EsitoRicerca e = RicercaSpia(Numero(5, 1, 2), archivio);
  EXPECT_EQ(e.CasiGiocabili, 1);
  EXPECT_EQ(e.Sortite[10], 0);
  EXPECT_EQ(e.Sortite[20], 1);
  EXPECT_EQ(RicercaSpia(Numero(5, 1, 4), archivio).CasiGiocabili, 1);
  EXPECT_EQ(RicercaSpia(Numero(5, 1), archivio).CasiGiocabili, 2);
}

TEST(RicercaSpia, UniqueAppearancesCountOncePerCase) {
  const auto archivio = Archivio({{5, 1, 2, 3, 4}, {60, 11, 12, 13, 14}, {60, 21, 22, 23, 24}, {60, 31, 32, 33, 34}});
  ParametriRicerca p = Numero(5, 3);
  EXPECT_EQ(RicercaSpia(p, archivio).Sortite[60], 1);
  p.SortiteUniche = false;
  const EsitoRicerca e = RicercaSpia(p, archivio);
  EXPECT_EQ(e.Sortite[60], 3);
  EXPECT_DOUBLE_EQ(e.Percentuale[60], 300.0);
  EXPECT_EQ(RigaEsito(e, 60)[2], "300.000");
}

TEST(RicercaSpia, DelayCountsCasesSinceTheLastAppearance) {
  // Three cases with one watched draw each; 60 only after the first.
  const auto archivio = Archivio({{5, 1, 2, 3, 4},
                                  {60, 11, 12, 13, 14},
                                  {70, 71, 72, 73, 74},
                                  {5, 1, 2, 3, 4},
                                  {61, 11, 12, 13, 14},
                                  {70, 71, 72, 73, 74},
                                  {5, 1, 2, 3, 4},
                                  {62, 11, 12, 13, 14}});
  const EsitoRicerca e = RicercaSpia(Numero(5, 1), archivio);
  EXPECT_EQ(e.CasiGiocabili, 3);
  EXPECT_EQ(e.RitardoRel[60], 2);
  EXPECT_EQ(e.RitardoRel[61], 1);
  EXPECT_EQ(e.RitardoRel[62], 0);
  EXPECT_EQ(e.RitardoRel[11], 0);
  EXPECT_EQ(e.RitardoRel[90], 3);
}

TEST(RicercaSpia, CaseInTheLastDrawCountsButAdvancesNothing) {
  const auto archivio = Archivio({{1, 2, 3, 4, 6}, {7, 8, 9, 10, 11}, {5, 20, 21, 22, 23}});
  const EsitoRicerca e = RicercaSpia(Numero(5, 9), archivio);
  EXPECT_EQ(e.TotaleEstrazioni, 3);
  EXPECT_EQ(e.CasiGiocabili, 1);
  for (int n = 1; n <= 90; ++n) {
    EXPECT_EQ(e.Sortite[n], 0);
    EXPECT_FALSE(e.RitardoRel[n].has_value());
  }
  const RigaGriglia riga = RigaEsito(e, 5);
  EXPECT_EQ(riga, (RigaGriglia{"05", "0", "0.000", ""}));
}

TEST(RicercaSpia, SpanLimitsTheExaminedDraws) {
  const auto archivio = Archivio({{5, 1, 2, 3, 4},
                                  {60, 11, 12, 13, 14},
                                  {5, 21, 22, 23, 24},
                                  {61, 31, 32, 33, 34},
                                  {5, 41, 42, 43, 44},
                                  {62, 51, 52, 53, 54}});
  ParametriRicerca p = Numero(5, 1);
  p.Inizio = 2;
  p.Fine = 4;
  std::vector<int> avanzamenti;
  const EsitoRicerca e = RicercaSpia(p, archivio, [&](int n) { avanzamenti.push_back(n); });
  EXPECT_EQ(e.TotaleEstrazioni, 3);
  EXPECT_EQ(avanzamenti, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(e.CasiGiocabili, 1);
  EXPECT_EQ(e.Sortite[61], 1);
  EXPECT_EQ(e.Sortite[60], 0);
  EXPECT_EQ(e.Sortite[62], 0);

  p.Inizio = 5;
  p.Fine = 4;
  const EsitoRicerca vuoto = RicercaSpia(p, archivio);
  EXPECT_EQ(vuoto.TotaleEstrazioni, 0);
  EXPECT_EQ(vuoto.CasiGiocabili, 0);
  EXPECT_FALSE(vuoto.RitardoRel[1].has_value());
}

TEST(RicercaSpia, WatchedDrawsIgnoreValuesOutsideOneToNinety) {
  const auto archivio = Archivio({{5, 1, 2, 3, 4}, {0, 95, 99, 12, 90}});
  const EsitoRicerca e = RicercaSpia(Numero(5, 1), archivio);
  int totale = 0;
  for (int n = 1; n <= 90; ++n) totale += e.Sortite[n];
  EXPECT_EQ(totale, 2);
  EXPECT_EQ(e.Sortite[12], 1);
  EXPECT_EQ(e.Sortite[90], 1);
}

TEST(RicercaSpia, StudiesOnlyTheChosenWheel) {
  const auto archivio = Archivio({{5, 1, 2, 3, 4}, {60, 11, 12, 13, 14}}, 4);
  ParametriRicerca p = Numero(5, 1);
  EXPECT_EQ(RicercaSpia(p, archivio).CasiGiocabili, 0);
  p.Ruota = 4;
  const EsitoRicerca e = RicercaSpia(p, archivio);
  EXPECT_EQ(e.CasiGiocabili, 1);
  EXPECT_EQ(e.Sortite[60], 1);
  EXPECT_EQ(e.Sortite[81], 0);
}

TEST(RicercaSpia, PercentagesAndGridRows) {
  // Four cases; 60 follows three of them.
  const auto archivio = Archivio({{5, 1, 2, 3, 4},
                                  {60, 11, 12, 13, 14},
                                  {70, 71, 72, 73, 74},
                                  {5, 1, 2, 3, 4},
                                  {60, 11, 12, 13, 14},
                                  {70, 71, 72, 73, 74},
                                  {5, 1, 2, 3, 4},
                                  {60, 11, 12, 13, 15},
                                  {70, 71, 72, 73, 74},
                                  {5, 1, 2, 3, 4},
                                  {61, 11, 12, 13, 14}});
  const EsitoRicerca e = RicercaSpia(Numero(5, 1), archivio);
  EXPECT_EQ(e.CasiGiocabili, 4);
  EXPECT_EQ(RigaEsito(e, 60), (RigaGriglia{"60", "3", "75.000", "1"}));
  EXPECT_EQ(RigaEsito(e, 60, ',')[2], "75,000");
  EXPECT_EQ(RigaEsito(e, 15), (RigaGriglia{"15", "1", "25.000", "1"}));
  EXPECT_EQ(RigaEsito(e, 1), (RigaGriglia{"01", "0", "0.000", "4"}));
  const auto righe = RigheEsito(e);
  ASSERT_EQ(righe.size(), 90u);
  EXPECT_EQ(righe.front()[0], "01");
  EXPECT_EQ(righe.back()[0], "90");

  const auto ordine = OrdinePerSortite(e);
  EXPECT_EQ(ordine[0], 11);  // 11, 12, 13 came out four times: number order among equals
  EXPECT_EQ(ordine[1], 12);
  EXPECT_EQ(ordine[2], 13);
  EXPECT_EQ(ordine[3], 14);  // 14 and 60 came out three times
  EXPECT_EQ(ordine[4], 60);
}

TEST(CalcolaPercentuali, NoCaseGivesZero) {
  EsitoRicerca e;
  e.Sortite[7] = 3;
  CalcolaPercentuali(e);
  EXPECT_DOUBLE_EQ(e.Percentuale[7], 0.0);
  e.CasiGiocabili = 3;
  CalcolaPercentuali(e);
  EXPECT_DOUBLE_EQ(e.Percentuale[7], 100.0);
}

TEST(RicercaSpia, ReadsTheArchiveFromAPath) {
  const auto percorso = std::filesystem::temp_directory_path() / "ruotario-ricerca-spia-test.txt";
  std::ofstream(percorso, std::ios::binary) << prova::TestoArchivio({{5, 1, 2, 3, 4}, {60, 11, 12, 13, 14}});
  const EsitoRicerca e = RicercaSpia(Numero(5, 1), percorso.string());
  std::filesystem::remove(percorso);
  EXPECT_EQ(e.TotaleEstrazioni, 2);
  EXPECT_EQ(e.Sortite[60], 1);
  EXPECT_EQ(RicercaSpia(Numero(5, 1), percorso.string()).TotaleEstrazioni, 0);
}

TEST(ParametriRicerca, DefaultStartAndPairList) {
  EXPECT_EQ(InizioPredefinito(2722), 1);
  EXPECT_EQ(InizioPredefinito(2723), 2723);
  EXPECT_EQ(InizioPredefinito(0), 1);
  EXPECT_EQ(CoppiaDaElenco(1), (CoppiaPosizioni{1, 2}));
  EXPECT_EQ(CoppiaDaElenco(4), (CoppiaPosizioni{1, 5}));
  EXPECT_EQ(CoppiaDaElenco(5), (CoppiaPosizioni{2, 3}));
  EXPECT_EQ(CoppiaDaElenco(10), (CoppiaPosizioni{4, 5}));
  EXPECT_TRUE(CoppiaDaElenco(0).Tutte());
  EXPECT_TRUE(CoppiaDaElenco(11).Tutte());
  EXPECT_EQ(TestoCoppia({2, 4}), "2 - 4");
  EXPECT_EQ(TestoCoppia({}), "TUTTE");
}

}  // namespace
}  // namespace ruotario
