#include "spy/RicercaSpia.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

ArchivioEstrazioni Archivio(const std::vector<std::string>& estrazioni, int ruota = 1) {
  return prova::Archivio(prova::Estrazioni(estrazioni), ruota);
}

ParametriRicerca Numero(int spia, int colpi, int posizione = 0) {
  ParametriRicerca p;
  p.NumeriSpia = {spia, 0, 0};
  p.Colpi = colpi;
  p.Posizione = posizione;
  return p;
}

// The grid rows of the given numbers, "Numero Sortite % Ritardo", joined by " | ".
std::string Righe(const EsitoRicerca& e, std::initializer_list<int> numeri, char separatore = '.') {
  std::string t;
  for (const int n : numeri) {
    const RigaGriglia r = RigaEsito(e, n, separatore);
    t += (t.empty() ? "" : " | ") + r[0] + " " + r[1] + " " + r[2] + " " + r[3];
  }
  return t;
}

TEST(RicercaSpia, ClosingDrawIsSkippedAndCasesDoNotOverlap) {
  // t: 5 at place 3; t+1 watched; t+2 closes (its 5 is no case); t+3 case
  // (not watched itself); t+4 watched.
  const auto e = RicercaSpia(
      Numero(5, 1), Archivio({"1 2 5 3 4", "17 20 21 22 23", "5 30 31 32 33", "5 40 41 42 43", "17 50 51 52 53"}));
  EXPECT_EQ(e.TotaleEstrazioni, 5);
  EXPECT_EQ(e.CasiGiocabili, 2);
  EXPECT_EQ(Righe(e, {17, 20, 5, 40, 1}),
            "17 2 100.000 0 | 20 1 50.000 1 | 05 0 0.000 2 | 40 0 0.000 2 | 01 0 0.000 2");

  // Colpi 2: t case, t+1 (holds the spy) and t+2 watched, t+3 closes (holds
  // the spy too), t+4 is the next case.
  const auto due = RicercaSpia(Numero(5, 2), Archivio({"5 1 2 3 4", "5 11 12 13 14", "21 22 23 24 25", "5 31 32 33 34",
                                                       "5 41 42 43 44", "51 52 53 54 55"}));
  EXPECT_EQ(due.CasiGiocabili, 2);
  EXPECT_EQ(Righe(due, {5, 21, 31, 51}), "05 1 50.000 1 | 21 1 50.000 1 | 31 0 0.000 2 | 51 1 50.000 0");
}

TEST(RicercaSpia, PositionAndWheelRestrictTheSpy) {
  const auto archivio = Archivio({"1 2 3 5 4", "10 11 12 13 14", "30 31 32 33 34", "6 5 7 8 9", "20 21 22 23 24"});
  const auto e = RicercaSpia(Numero(5, 1, 2), archivio);
  EXPECT_EQ(e.CasiGiocabili, 1);
  EXPECT_EQ(Righe(e, {10, 20}), "10 0 0.000 1 | 20 1 100.000 0");
  EXPECT_EQ(RicercaSpia(Numero(5, 1), archivio).CasiGiocabili, 2);

  // Only Naples (wheel 4) holds the draws; every other wheel the filler 81..85.
  const auto napoli = Archivio({"5 1 2 3 4", "60 11 12 13 14"}, 4);
  ParametriRicerca p = Numero(5, 1);
  EXPECT_EQ(RicercaSpia(p, napoli).CasiGiocabili, 0);
  p.Ruota = 4;
  EXPECT_EQ(Righe(RicercaSpia(p, napoli), {60, 81}), "60 1 100.000 0 | 81 0 0.000 1");
}

TEST(RicercaSpia, UniqueAppearancesCountOncePerCase) {
  const auto archivio = Archivio({"5 1 2 3 4", "60 11 12 13 14", "60 21 22 23 24", "60 31 32 33 34"});
  ParametriRicerca p = Numero(5, 3);
  EXPECT_EQ(Righe(RicercaSpia(p, archivio), {60}), "60 1 100.000 0");
  p.SortiteUniche = false;
  EXPECT_EQ(Righe(RicercaSpia(p, archivio), {60}), "60 3 300.000 0");
}

TEST(RicercaSpia, PercentagesDelaysAndOrder) {
  // Four cases, one watched draw each: 60 follows three, 62 only the first.
  const auto e = RicercaSpia(Numero(5, 1), Archivio({"5 1 2 3 4", "60 62 11 12 13", "70 71 72 73 74", "5 1 2 3 4",
                                                     "60 11 12 13 14", "70 71 72 73 74", "5 1 2 3 4", "60 11 12 13 15",
                                                     "70 71 72 73 74", "5 1 2 3 4", "61 11 12 13 14"}));
  EXPECT_EQ(e.CasiGiocabili, 4);
  EXPECT_EQ(Righe(e, {60, 15, 62, 61, 1, 90}),
            "60 3 75.000 1 | 15 1 25.000 1 | 62 1 25.000 3 | 61 1 25.000 0 | 01 0 0.000 4 | 90 0 0.000 4");
  EXPECT_EQ(Righe(e, {60}, ','), "60 3 75,000 1");
}

TEST(RicercaSpia, CaseInTheLastDrawCountsButAdvancesNothing) {
  const auto e = RicercaSpia(Numero(5, 9), Archivio({"1 2 3 4 6", "7 8 9 10 11", "5 20 21 22 23"}));
  EXPECT_EQ(e.CasiGiocabili, 1);
  for (int n = 1; n <= 90; ++n) EXPECT_EQ(RigaEsito(e, n)[1] + RigaEsito(e, n)[3], "0") << n;
}

TEST(RicercaSpia, SpanLimitsTheExaminedDraws) {
  const auto archivio =
      Archivio({"5 1 2 3 4", "60 11 12 13 14", "5 21 22 23 24", "61 31 32 33 34", "5 41 42 43 44", "62 51 52 53 54"});
  ParametriRicerca p = Numero(5, 1);
  p.Inizio = 2;
  p.Fine = 4;
  std::vector<int> avanzamenti;
  const auto e = RicercaSpia(p, archivio, [&](int n) { avanzamenti.push_back(n); });
  EXPECT_EQ(avanzamenti, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(e.TotaleEstrazioni, 3);
  EXPECT_EQ(Righe(e, {60, 61, 62}), "60 0 0.000 1 | 61 1 100.000 0 | 62 0 0.000 1");

  // No draw in the span: no case, empty delays, and no division by zero.
  p.Inizio = 5;
  p.Fine = 4;
  const auto vuoto = RicercaSpia(p, archivio);
  EXPECT_EQ(std::make_pair(vuoto.TotaleEstrazioni, Righe(vuoto, {1})), std::make_pair(0, std::string("01 0 0.000 ")));
}

TEST(RicercaSpia, ReadsTheArchiveFromAPathAndIgnoresValuesOutsideOneToNinety) {
  const prova::CartellaTemporanea cartella;
  const std::string percorso =
      cartella.Scrivi("estrazioni.txt", prova::TestoArchivio(prova::Estrazioni({"5 1 2 3 4", "0 95 99 12 90"})));
  const auto e = RicercaSpia(Numero(5, 1), percorso);
  int totale = 0;
  for (int n = 1; n <= 90; ++n) totale += e.Sortite[n];
  EXPECT_EQ(totale, 2);
  EXPECT_EQ(Righe(e, {90}), "90 1 100.000 0");
  EXPECT_EQ(RicercaSpia(Numero(5, 1), cartella.File("manca.txt")).TotaleEstrazioni, 0);
}

}  // namespace
}  // namespace ruotario
