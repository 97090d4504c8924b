#include "stats/BaseCaso.h"

#include <gtest/gtest.h>

#include <cmath>

#include "spy/RicercaSpia.h"
#include "stats/BaseCasoMiglioreAmbata.h"
#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

ArchivioEstrazioni Archivio(const std::vector<std::string>& estrazioni) {
  return prova::Archivio(prova::Estrazioni(estrazioni));
}

ParametriRicerca Spia(int spia, int colpi, bool uniche = true) {
  ParametriRicerca p;
  p.NumeriSpia = {spia, 0, 0};
  p.Colpi = colpi;
  p.SortiteUniche = uniche;
  return p;
}

constexpr double kNonEsce = 17.0 / 18.0;

TEST(DistribuzioneCaso, ConvolvesGroupsAndGivesTailsAndMaxima) {
  const GruppoProve tre[] = {{0.5, 3}};
  const DistribuzioneCaso b(tre);
  EXPECT_EQ((std::array{b.Probabilita(1), b.Coda(0), b.Coda(2), b.Coda(4), b.Media()}),
            (std::array{3.0 / 8, 1.0, 0.5, 0.0, 1.5}));

  const GruppoProve due[] = {{0.25, 1}, {0.5, 1}, {0.0, 4}};
  const DistribuzioneCaso d(due);
  EXPECT_EQ((std::array{d.Probabilita(0), d.Probabilita(1), d.Probabilita(2)}), (std::array{0.375, 0.5, 0.125}));

  // Best of two fair coins: P(max = 0) = 1/4.
  const GruppoProve moneta[] = {{0.5, 1}};
  const DistribuzioneCaso m(moneta);
  EXPECT_EQ(std::make_pair(m.QuantileMassimo(2, 0.2), m.QuantileMassimo(2, 0.5)), std::make_pair(0, 1));
  EXPECT_DOUBLE_EQ(m.CodaMassimo(2, 1), 0.75);

  const DistribuzioneCaso vuota;
  EXPECT_DOUBLE_EQ(vuota.Coda(1), 0.0);
  EXPECT_EQ(vuota.QuantileMassimo(90, 0.95), 0);
}

TEST(BaseCasoSpia, ClosedFormsForFullShortAndMissingWheels) {
  // One case of three full watched draws.
  const auto pieno = Archivio({"5 1 2 3 4", "10 11 12 13 14", "20 21 22 23 24", "10 31 32 33 34"});
  const auto u = BaseCasoRicerca(RicercaSpia(Spia(5, 3), pieno), true);
  EXPECT_DOUBLE_EQ(u.Atteso, 1 - std::pow(kNonEsce, 3));
  // 10 came out in the only case: P(at least one by chance) is the expectation itself.
  EXPECT_DOUBLE_EQ(u.P[10], u.Atteso);
  EXPECT_DOUBLE_EQ(u.P[77], 1.0);
  const auto t = BaseCasoRicerca(RicercaSpia(Spia(5, 3, false), pieno), false);
  EXPECT_NEAR(t.Atteso, 3.0 / 18, 1e-12);
  EXPECT_NEAR(t.P[10], 1 - std::pow(kNonEsce, 3) - 3 * std::pow(kNonEsce, 2) / 18, 1e-12);  // P(X >= 2)

  // A case cut short by the end of the span (one watched draw), and a case
  // watching a missing wheel and a wheel of three numbers.
  const auto corto =
      Archivio({"5 1 2 3 4", "10 11 12 13 14", "20 21 22 23 24", "30 31 32 33 34", "40 41 42 43 44", "5 6 7 8 9",
                "0 0 0 0 0", "60 61 62 0 0", "70 71 72 73 74", "80 81 82 83 84", "5 1 2 3 4", "10 11 12 13 14"});
  const auto esito = RicercaSpia(Spia(5, 3), corto);
  ASSERT_EQ(esito.CasiGiocabili, 3);
  const double atteso = (1 - std::pow(kNonEsce, 3)) + (1 - kNonEsce * (87.0 / 90)) + (1 - kNonEsce);
  EXPECT_NEAR(BaseCasoRicerca(esito, true).Atteso, atteso, 1e-12);
  const auto ogni = BaseCasoRicerca(RicercaSpia(Spia(5, 3, false), corto), false);
  EXPECT_NEAR(ogni.Atteso, (15 + 0 + 3 + 5 + 5) / 90.0, 1e-12);
  EXPECT_NEAR(ogni.AttesoPercentuale, ogni.Atteso / 3 * 100, 1e-12);

  // No case: nothing expected, nothing to beat.
  const auto nessuno = BaseCasoRicerca(RicercaSpia(Spia(77, 3), pieno), true);
  EXPECT_EQ(nessuno.Casi, 0);
  EXPECT_EQ(TestoBaseCasoSpia(nessuno, ','),
            "Per puro caso: 0,0% per numero; il migliore dei 90 arriverebbe a 0,0% (95%: 0,0%)");
}

TEST(BaseCasoKostanti, ChanceWinsOverTheConcludedCases) {
  ParametriStatistica p;
  p.Ambata = {2, 2, 0};
  p.Attiva = {true, true, true};
  EXPECT_EQ(AmbateDistinte(p), 1);  // a repeated ambata and a "00" add no number
  p.Ambata = {2, 20, 91};           // 91 is compared as 01
  EXPECT_EQ(AmbateDistinte(p), 3);
  p.Attiva = {false, true, false};
  EXPECT_EQ(AmbateDistinte(p), 1);

  // Spy 1, ambata 2 alone, 2 colpi: case one wins at its second colpo; case
  // two watches a missing wheel and a full one without a win; case three is
  // still open at the end and is left out.
  ParametriStatistica s;
  s.Ambata = {2, 20, 1};
  s.Attiva = {true, false, false};
  s.Colpi = 2;
  s.Fine = 100;
  const auto archivio = Archivio({"1 10 11 12 13", "20 21 22 23 24", "2 30 31 32 33", "1 40 41 42 43", "0 0 0 0 0",
                                  "50 51 52 53 54", "60 61 62 63 64", "1 70 71 72 73"});
  const EsitoStatistica e = CalcolaStatisticaCompleta(s, archivio);
  ASSERT_EQ(e.CasiConclusi, 2);
  const BaseCasoKostanti b = BaseCasoStatistica(s, e);
  EXPECT_EQ(std::make_pair(b.Ambate, b.Casi), std::make_pair(1, 2));
  const double p1 = 1 - kNonEsce * kNonEsce;
  const double p2 = 1 - kNonEsce;
  EXPECT_NEAR(b.Atteso, p1 + p2, 1e-12);
  EXPECT_NEAR(b.AttesoPercentuale, (p1 + p2) / 2 * 100, 1e-12);
  EXPECT_NEAR(b.P, 1 - (1 - p1) * (1 - p2), 1e-12);  // one win or more
  EXPECT_EQ(TestoBaseCasoKostanti(b, 50.0, ','),
            "Per puro caso: 8,2% di casi vincenti con 1 ambata; 50,0% o più capita nel 15,8% degli studi");
}

TEST(BaseCasoKostanti, TheBestAmbataIsJudgedAgainstTheBestOfTheCandidatesRun) {
  // Spy 1, one colpo, the principal varied beside a fixed secondary 11: every
  // candidate has the same two cases of one full draw each; 10 wins both. 11
  // wins or loses a case for all candidates at once (1/18); where it loses,
  // each other candidate wins with 5/89.
  ParametriMiglioreAmbata p{.Statistica = {.Colpi = 1, .Fine = 6, .Ambata = {2, 11, 1}},
                            .Varia = AmbataVariata::Principale};
  const auto archivio = Archivio(
      {"1 30 31 32 33", "10 11 12 13 14", "20 21 22 23 24", "1 40 41 42 43", "10 15 16 17 18", "50 51 52 53 54"});
  const EsitoMiglioreAmbata r = CercaMiglioreAmbata(p, archivio);
  ASSERT_EQ(r.Migliore, 10);
  const BaseCasoMiglioreAmbata b = BaseCasoRicercaAmbata(r);
  const double fisso = 1.0 / 18, altro = 5.0 / 89;
  const double alPiuUna =
      std::pow(1 - fisso, 2) * std::pow(1 - altro * altro, 89) + 2 * fisso * (1 - fisso) * std::pow(1 - altro, 89);
  EXPECT_NEAR(b.PMigliore, 1 - alPiuUna, 1e-12);
  // The best stays within 1 of 2 with 0.674: median 50%, 95th percentile 100%.
  EXPECT_EQ(std::make_pair(b.MassimoMedianoPercentuale, b.Massimo95Percentuale), std::make_pair(50.0, 100.0));
}

TEST(BaseCasoZevedive, PoolsItsStudiesOverAllTheirCases) {
  // Two cases watching one full draw each, and one case watching two.
  EsitoZevedive esito;
  esito.Studi.resize(2);
  esito.Studi[0].CasiGiocabili = 2;
  esito.Studi[0].Casi = {{1, {0, 0, 0, 0, 0, 1}}, {3, {0, 0, 0, 0, 0, 1}}};
  esito.Studi[1].CasiGiocabili = 1;
  esito.Studi[1].Casi = {{5, {0, 0, 0, 0, 0, 2}}};
  const BaseCasoZevedive b = BaseCasoStudiZevedive(esito);
  EXPECT_EQ(b.Studi, 2);
  EXPECT_EQ(b.Casi, 3);
  EXPECT_NEAR(b.AttesoPercentuale, (2.0 / 18 + 1 - kNonEsce * kNonEsce) / 3 * 100, 1e-9);
  // The best of 90 by chance: in the first study the median 1 of 2 cases and the
  // 95th percentile 2; in the second 1 of 1 for both.
  EXPECT_NEAR(b.MassimoMedianoPercentuale, 2.0 / 3 * 100, 1e-9);
  EXPECT_NEAR(b.Massimo95Percentuale, 3.0 / 3 * 100, 1e-9);
  EXPECT_EQ(TestoBaseCasoZevedive(b, ','),
            "Per puro caso, nei 2 studi: 7,3% per numero; il migliore dei 90 arriverebbe a 66,7% (95%: 100,0%)");
  esito.Studi.resize(1);
  EXPECT_TRUE(TestoBaseCasoZevedive(BaseCasoStudiZevedive(esito)).starts_with("Per puro caso, nell'unico studio: "));
}

}  // namespace
}  // namespace ruotario
