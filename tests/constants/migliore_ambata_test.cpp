#include "constants/MiglioreAmbata.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

// Spy 1, 2 colpi, three cases opened at records 1, 5 and 9. Candidate 45 wins
// cases 1 and 2 at colpo 2, candidate 60 at colpo 1; every other number wins at most once.
const ArchivioEstrazioni& ArchivioTreCasi() {
  static const std::vector<std::vector<int>> bari = {{1, 10, 11, 12, 13},  {60, 14, 15, 16, 17}, {45, 18, 19, 21, 22},
                                                     {80, 81, 82, 83, 84}, {1, 23, 24, 25, 26},  {60, 27, 28, 29, 31},
                                                     {45, 32, 33, 34, 35}, {85, 86, 87, 88, 89}, {1, 36, 37, 38, 39},
                                                     {46, 47, 48, 49, 50}, {51, 52, 53, 54, 55}, {56, 57, 58, 59, 61}};
  static const ArchivioEstrazioni a = prova::ArchivioBari(bari);
  return a;
}

// Ambate 2, 20 (active) and 1.
ParametriMiglioreAmbata Ricerca(AmbataVariata varia, bool veloce) {
  return {.Statistica = {.Colpi = 2, .Fine = 12}, .Varia = varia, .ScegliVeloce = veloce};
}

TEST(CercaMiglioreAmbata, EqualPercentageGoesToLowerMeanOnlyWithTheQuickChoice) {
  EsitoMiglioreAmbata r = CercaMiglioreAmbata(Ricerca(AmbataVariata::Secondaria, false), ArchivioTreCasi());
  EXPECT_EQ(r.Migliore, 45);
  EXPECT_DOUBLE_EQ(r.MigliorePercentuale, 200.0 / 3.0);
  EXPECT_EQ(r.CandidatiProvati, 89);  // candidate 2, the principal, is skipped
  EXPECT_EQ(r.Parametri.Ambata, (std::array<int, 3>{2, 45, 1}));
  EXPECT_EQ(r.Esito.CasiVincenti, 2);
  r = CercaMiglioreAmbata(Ricerca(AmbataVariata::Secondaria, true), ArchivioTreCasi());
  EXPECT_EQ(r.Migliore, 60);
  EXPECT_DOUBLE_EQ(r.MiglioreMedia, 1.0);
  // The final run is the full statistic of the winner, percentages filled.
  EXPECT_EQ(CelleRiga(r.Esito.Abbinamenti, 14)[2], "50.00");
  EXPECT_TRUE(r.Esito.Abbinamenti[60].Marcato);
}

TEST(CercaMiglioreAmbata, SkipsTheAmbateThatMustStayDifferent) {
  ParametriMiglioreAmbata p = Ricerca(AmbataVariata::Terza, false);
  p.Statistica.Attiva = {true, true, true};
  std::vector<int> visti;
  const EsitoMiglioreAmbata r = CercaMiglioreAmbata(p, ArchivioTreCasi(), {}, [&](int c) { visti.push_back(c); });
  EXPECT_EQ(r.CandidatiProvati, 88);  // 2 and 20 skipped
  EXPECT_EQ(visti.size(), 90u);
  EXPECT_EQ(r.Parametri.Ambata, (std::array<int, 3>{2, 20, 45}));
  p.Varia = AmbataVariata::Principale;
  p.Statistica.Attiva = {true, false, false};
  EXPECT_EQ(CercaMiglioreAmbata(p, ArchivioTreCasi()).CandidatiProvati, 90);
  p.Statistica.Attiva = {false, false, false};
  EXPECT_EQ(CercaMiglioreAmbata(p, ArchivioTreCasi()).Errore, ErroreMiglioreAmbata::NessunaAmbataAttiva);
}

TEST(CercaMiglioreAmbata, StopAndNoWinStillRunOneCandidate) {
  const RichiestaStop subito = [] { return true; };
  EsitoMiglioreAmbata r = CercaMiglioreAmbata(Ricerca(AmbataVariata::Principale, true), ArchivioTreCasi(), subito);
  EXPECT_TRUE(r.Fermata);
  // One candidate run, and its statistic is shown.
  EXPECT_EQ((std::array{r.CandidatiProvati, r.Parametri.Ambata[0], r.Esito.CasiConclusi}), (std::array{1, 1, 3}));
  // Varying the secondary with principal 1: candidate 1 is skipped, so a stop
  // asked before any run takes effect after candidate 2.
  ParametriMiglioreAmbata p = Ricerca(AmbataVariata::Secondaria, true);
  p.Statistica.Ambata[0] = 1;
  r = CercaMiglioreAmbata(p, ArchivioTreCasi(), subito);
  EXPECT_EQ((std::array{r.CandidatiProvati, r.Migliore}), (std::array{1, 2}));
  // No case at all: every percentage is 0 and the first candidate run stays the best.
  p.Statistica.NumeroSpia = 90;
  r = CercaMiglioreAmbata(p, ArchivioTreCasi());
  EXPECT_EQ(r.Migliore, 2);
  EXPECT_DOUBLE_EQ(r.MigliorePercentuale, 0.0);
}

}  // namespace
}  // namespace ruotario
