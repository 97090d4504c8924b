#include "stats/FuoriCampione.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

TEST(FuoriCampione, SplitsTheSpanAtTheQuota) {
  // {start, end, records, quota, the four bounds}: the span is clipped to the
  // archive (records 4..6: floor(2.1) = 2), and each part keeps a record.
  const std::tuple<int, int, int, double, std::array<int, 4>> casi[] = {{1, 10, 10, 0.7, {1, 7, 8, 10}},
                                                                        {4, 500, 6, 0.7, {4, 5, 6, 6}},
                                                                        {1, 2, 2, 0.1, {1, 1, 2, 2}},
                                                                        {1, 3, 3, 0.99, {1, 2, 3, 3}},
                                                                        // 0.7 * 90 is 62.999... in binary
                                                                        {1, 90, 90, 0.7, {1, 63, 64, 90}},
                                                                        {1, 170, 170, 0.7, {1, 119, 120, 170}},
                                                                        {1, 180, 180, 0.7, {1, 126, 127, 180}}};
  for (const auto& [inizio, fine, conta, quota, attese] : casi) {
    const auto d = DividiPeriodo(inizio, fine, conta, quota);
    ASSERT_TRUE(d) << inizio << ".." << fine;
    EXPECT_EQ((std::array{d->InizioCampione, d->FineCampione, d->InizioVerifica, d->FineVerifica}), attese);
  }
  // Too short to split, or a quota leaving a part empty.
  for (const auto& [inizio, fine, quota] : {std::tuple{5, 5, 0.7}, {6, 5, 0.7}, {1, 10, 1.0}, {1, 10, 0.0}})
    EXPECT_FALSE(DividiPeriodo(inizio, fine, 10, quota)) << inizio << ".." << fine << " " << quota;
}

TEST(FuoriCampione, SearchesTheFirstPartAndChecksTheWinnerOnTheRest) {
  // Spy 1, 1 colpo. In records 1..7 the draw after the spy always holds 44;
  // in 8..10 it holds 55, so 44 wins in sample and loses out of sample.
  const auto archivio =
      prova::Archivio(prova::Estrazioni({"1 2 3 4 5", "44 10 11 12 13", "1 2 3 4 5", "44 20 21 22 23", "1 2 3 4 5",
                                         "44 30 31 32 33", "9 8 7 6 5", "1 2 3 4 5", "55 40 41 42 43", "9 8 7 6 5"}));
  ParametriMiglioreAmbata p;
  p.Statistica.Colpi = 1;
  p.Statistica.Fine = 10;
  p.Statistica.Ambata = {2, 20, 1};
  p.Statistica.Attiva = {true, true, false};
  const auto r = CercaFuoriCampione(p, archivio, 0.7);
  ASSERT_EQ(r.Errore, ErroreFuoriCampione::Nessuno);
  const auto& e = r.Esito;
  EXPECT_EQ(e.Ricerca.Migliore, 44);
  EXPECT_EQ(e.Ricerca.Esito.CasiVincenti, 3);
  EXPECT_DOUBLE_EQ(e.Ricerca.Esito.PercentualeVincita, 100.0);
  EXPECT_EQ((std::array{e.Verifica.TotaleEstrazioni, e.Verifica.CasiConclusi, e.Verifica.CasiVincenti}),
            (std::array{3, 1, 0}));
  EXPECT_EQ(e.CasoVerifica.Ambate, 2);
  EXPECT_NEAR(e.CasoVerifica.AttesoPercentuale, (1 - ProbabilitaMancata(2, 5)) * 100, 1e-9);
  EXPECT_DOUBLE_EQ(e.CasoVerifica.P, 1.0);
  // One watched draw misses both ambate with C(88,5)/C(90,5): 10,9% by chance.
  EXPECT_EQ(TestoRigaFuoriCampione(e, 0.7, ','),
            "Fuori campione: cercata sul primo 70% del periodo, l'ambata 44 vince il 100,0%; sul restante 30% vince "
            "il 0,0% (per puro caso 10,9%)");

  p.Statistica.Attiva = {false, false, false};
  EXPECT_EQ(CercaFuoriCampione(p, archivio).Errore, ErroreFuoriCampione::NessunaAmbataAttiva);
  p.Statistica.Attiva = {true, true, false};
  p.Statistica.Inizio = 10;
  EXPECT_EQ(CercaFuoriCampione(p, archivio).Errore, ErroreFuoriCampione::PeriodoTroppoCorto);
}

}  // namespace
}  // namespace ruotario
