#include "constants/MiglioreAmbata.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"
#include "constants/VistaRuota.h"

namespace ruotario {
namespace {

// Spy 1, 2 colpi, three cases. Candidate 45 wins cases 1 and 2 at colpo 2,
// candidate 60 wins them at colpo 1; every other number wins at most once.
const ArchivioEstrazioni& ArchivioTreCasi() {
  static const ArchivioEstrazioni a = prova::ArchivioBari({
      {1, 10, 11, 12, 13},   // case 1
      {60, 14, 15, 16, 17},  // colpo 1
      {45, 18, 19, 21, 22},  // colpo 2
      {80, 81, 82, 83, 84},  // closes case 1 when not won
      {1, 23, 24, 25, 26},   // case 2
      {60, 27, 28, 29, 31},
      {45, 32, 33, 34, 35},
      {85, 86, 87, 88, 89},
      {1, 36, 37, 38, 39},  // case 3
      {46, 47, 48, 49, 50},
      {51, 52, 53, 54, 55},
      {56, 57, 58, 59, 61},  // closes case 3
  });
  return a;
}

ParametriMiglioreAmbata Ricerca(AmbataVariata varia, bool veloce) {
  ParametriMiglioreAmbata p;
  p.Statistica.NumeroSpia = 1;
  p.Statistica.Colpi = 2;
  p.Statistica.Inizio = 1;
  p.Statistica.Fine = 12;
  p.Statistica.Ambata = {2, 20, 1};
  p.Statistica.Attiva = {true, true, false};
  p.Varia = varia;
  p.ScegliVeloce = veloce;
  return p;
}

TEST(CercaMiglioreAmbata, EqualPercentageLowerNumberWithoutTheQuickChoice) {
  const EsitoMiglioreAmbata r = CercaMiglioreAmbata(Ricerca(AmbataVariata::Secondaria, false), ArchivioTreCasi());
  EXPECT_EQ(r.Errore, ErroreMiglioreAmbata::Nessuno);
  EXPECT_EQ(r.Migliore, 45);
  EXPECT_DOUBLE_EQ(r.MigliorePercentuale, 200.0 / 3.0);
  EXPECT_DOUBLE_EQ(r.MiglioreMedia, 2.0);
  EXPECT_EQ(r.CandidatiProvati, 89);  // candidate 2, the principal, is skipped
  EXPECT_FALSE(r.Fermata);
  EXPECT_EQ(r.Parametri.Ambata, (std::array<int, 3>{2, 45, 1}));
  EXPECT_EQ(r.Esito.CasiVincenti, 2);
  EXPECT_EQ(r.Esito.Riepilogo,
            "CASI GIOCABILI: 3\r\nCASI VINCENTI: 2 su: 3\r\n%PERC. VINCITA: 66.666%\r\nMEDIA COLPI VINCITA: 2.");
}

TEST(CercaMiglioreAmbata, QuickChoicePrefersLowerMeanColpo) {
  const EsitoMiglioreAmbata r = CercaMiglioreAmbata(Ricerca(AmbataVariata::Secondaria, true), ArchivioTreCasi());
  EXPECT_EQ(r.Migliore, 60);
  EXPECT_DOUBLE_EQ(r.MiglioreMedia, 1.0);
  // The final run is the full statistic of the winner, percentages filled.
  EXPECT_EQ(CelleRiga(r.Esito.Abbinamenti, 14)[2], "50.00");
  EXPECT_TRUE(r.Esito.Abbinamenti[60].Marcato);
}

TEST(CercaMiglioreAmbata, EqualMeanKeepsTheLowerNumber) {
  // Both 60 and 70 win cases 1 and 2 at colpo 1.
  const ArchivioEstrazioni a = prova::ArchivioBari({{1, 10, 11, 12, 13},
                                                    {60, 70, 15, 16, 17},
                                                    {1, 23, 24, 25, 26},
                                                    {60, 70, 28, 29, 31},
                                                    {1, 36, 37, 38, 39},
                                                    {46, 47, 48, 49, 50},
                                                    {51, 52, 53, 54, 55},
                                                    {56, 57, 58, 59, 61}});
  ParametriMiglioreAmbata p = Ricerca(AmbataVariata::Secondaria, true);
  p.Statistica.Fine = 8;
  EXPECT_EQ(CercaMiglioreAmbata(p, a).Migliore, 60);
}

TEST(CercaMiglioreAmbata, SkipsTheAmbateThatMustStayDifferent) {
  ParametriMiglioreAmbata p = Ricerca(AmbataVariata::Terza, false);
  p.Statistica.Attiva = {true, true, true};
  std::vector<int> visti;
  const EsitoMiglioreAmbata r = CercaMiglioreAmbata(p, ArchivioTreCasi(), {}, [&](int c) { visti.push_back(c); });
  EXPECT_EQ(r.CandidatiProvati, 88);  // 2 and 20 skipped
  EXPECT_EQ(visti.size(), 90u);
  EXPECT_EQ(r.Migliore, 45);
  EXPECT_EQ(r.Parametri.Ambata, (std::array<int, 3>{2, 20, 45}));

  p.Varia = AmbataVariata::Principale;
  p.Statistica.Attiva = {true, false, false};
  EXPECT_EQ(CercaMiglioreAmbata(p, ArchivioTreCasi()).CandidatiProvati, 90);
}

TEST(CercaMiglioreAmbata, StopAfterTheFirstCandidate) {
  ParametriMiglioreAmbata p = Ricerca(AmbataVariata::Principale, true);
  int domande = 0;
  const EsitoMiglioreAmbata r = CercaMiglioreAmbata(p, ArchivioTreCasi(), [&] { return ++domande >= 1; });
  EXPECT_EQ(domande, 1);
  EXPECT_TRUE(r.Fermata);
  EXPECT_EQ(r.CandidatiProvati, 1);
  EXPECT_EQ(r.Migliore, 1);
  EXPECT_EQ(r.Parametri.Ambata[0], 1);
  // Candidate 1 with 20: no case wins.
  EXPECT_EQ(r.Esito.CasiVincenti, 0);
  EXPECT_EQ(r.Esito.CasiConclusi, 3);
}

TEST(CercaMiglioreAmbata, StopBeforeAnyRunStillTriesOneCandidate) {
  // Varying the secondary with principal 1: candidate 1 is skipped, so the
  // stop takes effect after candidate 2 has been run.
  ParametriMiglioreAmbata p = Ricerca(AmbataVariata::Secondaria, true);
  p.Statistica.Ambata[0] = 1;
  const EsitoMiglioreAmbata r = CercaMiglioreAmbata(p, ArchivioTreCasi(), [] { return true; });
  EXPECT_EQ(r.CandidatiProvati, 1);
  EXPECT_EQ(r.UltimoCandidato, 2);
  EXPECT_EQ(r.Migliore, 2);
}

TEST(CercaMiglioreAmbata, NoWinAnywhereKeepsTheFirstCandidateRun) {
  const ArchivioEstrazioni a = prova::ArchivioBari({{5, 6, 7, 8, 9}, {10, 11, 12, 13, 14}});
  ParametriMiglioreAmbata p = Ricerca(AmbataVariata::Secondaria, true);
  p.Statistica.Ambata[0] = 1;
  p.Statistica.Fine = 2;
  const EsitoMiglioreAmbata r = CercaMiglioreAmbata(p, a);
  EXPECT_EQ(r.Migliore, 2);
  EXPECT_DOUBLE_EQ(r.MigliorePercentuale, 0.0);
}

TEST(CercaMiglioreAmbata, CandidateRunsCountLikeFullRuns) {
  // The search's counting-only runs must agree with the full statistic.
  const ArchivioEstrazioni& a = ArchivioTreCasi();
  ParametriStatistica p = Ricerca(AmbataVariata::Secondaria, true).Statistica;
  const VistaRuota vista(a, p.Ruota, p.Inizio, p.Fine);
  for (int c : {1, 14, 45, 60, 80, 90}) {
    p.Ambata[1] = c;
    const EsitoStatistica veloce = CalcolaSuVista(p, vista, {}, false);
    const EsitoStatistica piena = CalcolaStatistica(p, a);
    EXPECT_EQ(veloce.CasiGiocabili, piena.CasiGiocabili) << c;
    EXPECT_EQ(veloce.CasiVincenti, piena.CasiVincenti) << c;
    EXPECT_EQ(veloce.CasiConclusi, piena.CasiConclusi) << c;
    EXPECT_EQ(veloce.PercentualeVincita, piena.PercentualeVincita) << c;
    EXPECT_EQ(veloce.MediaColpi, piena.MediaColpi) << c;
    EXPECT_EQ(veloce.Riepilogo, piena.Riepilogo) << c;
  }
}

TEST(CercaMiglioreAmbata, NeedsAnActiveAmbata) {
  ParametriMiglioreAmbata p = Ricerca(AmbataVariata::Secondaria, true);
  p.Statistica.Attiva = {false, false, false};
  int domande = 0;
  const EsitoMiglioreAmbata r = CercaMiglioreAmbata(p, ArchivioTreCasi(), [&] { return ++domande > 0; });
  EXPECT_EQ(r.Errore, ErroreMiglioreAmbata::NessunaAmbataAttiva);
  EXPECT_EQ(domande, 0);
  EXPECT_EQ(r.CandidatiProvati, 0);
}

}  // namespace
}  // namespace ruotario
