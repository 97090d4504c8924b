#include "stats/FuoriCampione.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

TEST(FuoriCampione, SplitsTheSpanAtTheQuota) {
  auto d = DividiPeriodo(1, 10, 10, 0.7);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->InizioCampione, 1);
  EXPECT_EQ(d->FineCampione, 7);
  EXPECT_EQ(d->InizioVerifica, 8);
  EXPECT_EQ(d->FineVerifica, 10);

  // The span is clipped to the archive; each part keeps a record.
  d = DividiPeriodo(4, 500, 6, 0.7);  // records 4..6: floor(2.1) = 2
  ASSERT_TRUE(d);
  EXPECT_EQ(d->FineCampione, 5);
  EXPECT_EQ(d->InizioVerifica, 6);
  d = DividiPeriodo(1, 2, 2, 0.1);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->FineCampione, 1);
  d = DividiPeriodo(1, 3, 3, 0.99);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->FineCampione, 2);

  EXPECT_FALSE(DividiPeriodo(5, 5, 10, 0.7));
  EXPECT_FALSE(DividiPeriodo(6, 5, 10, 0.7));
  EXPECT_FALSE(DividiPeriodo(1, 10, 10, 1.0));
  EXPECT_FALSE(DividiPeriodo(1, 10, 10, 0.0));
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
  EXPECT_EQ(e.Verifica.TotaleEstrazioni, 3);
  EXPECT_EQ(e.Verifica.CasiConclusi, 1);
  EXPECT_EQ(e.Verifica.CasiVincenti, 0);
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
