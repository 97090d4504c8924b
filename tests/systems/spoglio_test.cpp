// The spoglio on a hand-made archive, every win and euro counted by hand; the
// chance figures against their closed forms; the prize file.

#include "systems/Spoglio.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/ArchivioProva.h"
#include "systems/ProbabilitaSistema.h"

namespace ruotario {
namespace {

constexpr const char* kPremi =
    "# prova\nFonte: prova\nValido dal: 01/10/2017\nEstratto: 11,23\nAmbo: 250\nTerno: 4500\n"
    "Quaterna: 120000\nCinquina: 6000000\nRitenuta: 8%\n";

// Bari (wheel 1) and Napoli (wheel 6); "00" everywhere else.
std::string Record(int i, std::vector<int> bari, std::vector<int> napoli) {
  std::vector<int> tutti(50, 0);
  for (std::size_t k = 0; k < bari.size(); ++k) tutti[k] = bari[k];
  for (std::size_t k = 0; k < napoli.size(); ++k) tutti[25 + k] = napoli[k];
  return prova::Record(prova::DataProva(i), tutti);
}

// Tickets {1 2 3} (ambo and terno) and {4 5} (ambo) on Bari and Napoli, 1 euro each:
//  record 1: Bari 1 2 -> ambo of {1 2 3}: 250 * C(2,2) / (C(3,2) * 2 wheels) = 41.67;
//            Napoli 4 5 -> ambo of {4 5}: 250 / 2 = 125; the 3 on Napoli alone wins nothing;
//  record 2: Napoli not drawn, so one wheel: Bari 1 2 3 -> ambo 250 * 3 / 3 = 250, terno 4500;
//  record 3: neither wheel drawn: no colpo, nothing paid;
//  record 4: nothing.
// Three colpi at 3 euro: 9; gross 4916.67, net 92%: 4523.33.
const ArchivioEstrazioni& Archivio() {
  static const ArchivioEstrazioni a = ArchivioEstrazioni::DaTesto(prova::Unisci({
      Record(1, {1, 2, 10, 11, 12}, {4, 5, 3, 20, 21}),
      Record(2, {1, 2, 3, 40, 41}, {}),
      Record(3, {}, {}),
      Record(4, {30, 31, 32, 33, 34}, {35, 36, 37, 38, 39}),
  }));
  return a;
}

TEST(Spoglio, EveryWinAndEveryEuroOfAHandMadeArchive) {
  const TabellaPremi premi = *PremiDaTesto(kPremi, "premi.txt").Premi;
  ParametriSpoglio p;
  p.Colonne = {{1, 2, 3}, {4, 5}};
  p.Ruote = {6, 1};
  p.Colpi = 2;
  const EsitoSpoglio e = Spoglio(p, premi, Archivio());
  ASSERT_TRUE(e.Errore.empty()) << e.Errore;
  EXPECT_EQ(e.Colpi, 3);
  ASSERT_EQ(e.Colonne.size(), 2u);
  const auto& ambo = e.Colonne[0].Sorti[0];
  const auto& terno = e.Colonne[0].Sorti[1];
  const auto& amboDue = e.Colonne[1].Sorti[0];
  EXPECT_EQ(std::vector<std::int64_t>({ambo.Vincite, terno.Vincite, amboDue.Vincite, ambo.Prove}),
            (std::vector<std::int64_t>{2, 1, 1, 5}));
  EXPECT_NEAR(ambo.Lordo, 250.0 / 6 + 250, 1e-9);
  EXPECT_NEAR(terno.Lordo, 4500, 1e-9);
  EXPECT_NEAR(amboDue.Lordo, 125, 1e-9);
  EXPECT_NEAR(ambo.Costo, 3, 1e-12);
  EXPECT_NEAR(e.Costo, 9, 1e-12);
  EXPECT_NEAR(e.Lordo, 4916.0 + 2.0 / 3, 1e-9);
  EXPECT_NEAR(e.Netto, (4916.0 + 2.0 / 3) * 0.92, 1e-9);
  // Plays of two colpi: records 1-2 and record 4.
  ASSERT_EQ(e.Giocate.size(), 2u);
  EXPECT_EQ(std::vector<int>({e.Giocate[0].Primo, e.Giocate[0].Ultimo, e.Giocate[1].Primo, e.Giocate[1].Colpi}),
            (std::vector<int>{1, 2, 4, 1}));
  EXPECT_NEAR(e.Giocate[0].Costo, 6, 1e-12);
  EXPECT_NEAR(e.Giocate[1].Lordo, 0, 1e-12);
  ASSERT_EQ(e.Andamento.size(), 3u);
  EXPECT_NEAR(e.Andamento[0].Saldo, (250.0 / 6 + 125) * 0.92 - 3, 1e-9);
  EXPECT_NEAR(e.Andamento[2].Saldo, e.Saldo(), 1e-9);
  // Chance: each colpo returns 250 C(5,2)/C(90,2) per euro on ambo, 4500 C(5,3)/C(90,3) on terno.
  const double resa = (2 * 250.0 * 10 / 4005 + 4500.0 * 10 / 117480) * 0.92;
  EXPECT_NEAR(e.NettoAtteso, 3 * resa, 1e-9);
  EXPECT_NEAR(e.Andamento[2].SaldoAtteso, 3 * resa - 9, 1e-9);
  EXPECT_NEAR(terno.VinciteAttese, 5 * 3741.0 / 43949268, 1e-12);
  EXPECT_NEAR(terno.Coda, 1 - std::pow(1 - 3741.0 / 43949268, 5), 1e-12);
  // The first play on Bari only: its wins are those of Bari.
  p.Ruote = {1};
  EXPECT_NEAR(Spoglio(p, premi, Archivio()).Lordo, 250.0 / 3 + 250 + 4500, 1e-9);
  p.Ruote = {2};
  EXPECT_FALSE(Spoglio(p, premi, Archivio()).Errore.empty());  // Cagliari never drawn
}

TEST(ProbabilitaSistema, ClosedForms) {
  EXPECT_NEAR(ResaAttesa(2, 250), 250.0 * 10 / 4005, 1e-12);  // the house keeps 37.6%
  EXPECT_NEAR(ResaAttesa(1, 11.23), 11.23 / 18, 1e-12);
  const CodaBinomiale coda(4, 0.3);
  EXPECT_NEAR(coda(0), 1.0, 1e-15);
  EXPECT_NEAR(coda(3), 4 * 0.027 * 0.7 + 0.0081, 1e-12);
  EXPECT_EQ(coda(5), 0.0);
}

TEST(Premi, TheFileAndItsMistakes) {
  const PremiLetti letti = LeggiPremi(std::string(RUOTARIO_TEST_DATA) + "/../../data/premi.txt");
  ASSERT_TRUE(letti.Premi) << letti.Errore;
  EXPECT_EQ(letti.Premi->Moltiplicatore, (std::array<double, 6>{0, 11.23, 250, 4500, 120000, 6000000}));
  EXPECT_DOUBLE_EQ(letti.Premi->Ritenuta, 0.08);
  EXPECT_EQ(letti.Premi->ValidoDal, "01/10/2017");
  EXPECT_EQ(PremiDaTesto("Fonte: x\nValido dal: 1\nAmbo: 250\n", "p.txt").Errore,
            "p.txt: manca la voce del premio \"estratto\"");
  EXPECT_EQ(PremiDaTesto("Ambo 250\n", "p.txt").Errore, "p.txt, riga 1: manca \":\" fra voce e valore");
  EXPECT_EQ(PremiDaTesto("Terno: -3\n", "p.txt").Errore, "p.txt, riga 1: il premio è un numero maggiore di zero");
  EXPECT_FALSE(LeggiPremi("/non/esiste/premi.txt").Premi);
}

}  // namespace
}  // namespace ruotario
