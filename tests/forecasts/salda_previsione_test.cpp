// Settling on a hand-made archive: the draws played are the ones dated after
// the forecast's key, whatever is inserted or corrected around them.

#include <gtest/gtest.h>

#include "forecasts/SaldaPrevisione.h"
#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

// Bari then Cagliari, the other wheels empty.
std::string draw(const std::string& data, std::vector<int> bari, std::vector<int> cagliari = {6, 7, 8, 9, 10}) {
  bari.insert(bari.end(), cagliari.begin(), cagliari.end());
  return Record(data, bari);
}

const std::vector<std::string> kDraws = {
    draw("01/01/2020", {1, 2, 3, 4, 5}),                             // the last draw when the forecasts are saved
    draw("02/01/2020", {1, 2, 11, 12, 13}),                          // colpo 1
    draw("03/01/2020", {14, 15, 16, 19, 21}, {16, 17, 18, 20, 22}),  // colpo 2
    draw("04/01/2020", {33, 34, 35, 36, 37}),                        // colpo 3
};

Previsione previsione(std::vector<int> numeri, std::vector<int> ruote, int sorte, int colpi) {
  Previsione p;
  p.Numeri = std::move(numeri);
  p.Ruote = std::move(ruote);
  p.Sorte = sorte;
  p.Colpi = colpi;
  p.DataChiave = "01/01/2020";
  return p;
}

StatoPrevisione salda(const Previsione& p, const std::vector<std::string>& righe) {
  return SaldaPrevisione(p, ArchivioEstrazioni::DaTesto(Unisci(righe)));
}

TEST(SaldaPrevisione, WinsExpiresOrStaysInPlay) {
  const StatoPrevisione ultimo = salda(previsione({33}, {1}, 1, 3), kDraws);
  EXPECT_EQ(ultimo.Esito, EsitoPrevisione::Vinta);
  EXPECT_EQ(ultimo.Colpo, 3);
  EXPECT_EQ(ultimo.RuotaVinta, 1);
  EXPECT_EQ(ultimo.DataEsito, "04/01/2020");
  EXPECT_EQ(ultimo.RecordEsito, 4);

  // An ambo on Bari and Cagliari, won on the second wheel.
  const StatoPrevisione seconda = salda(previsione({17, 18, 50}, {1, 2}, 2, 3), kDraws);
  EXPECT_EQ(seconda.Esito, EsitoPrevisione::Vinta);
  EXPECT_EQ(seconda.Colpo, 2);
  EXPECT_EQ(seconda.RuotaVinta, 2);
  EXPECT_EQ(seconda.SorteVinta, 2);

  // The key draw itself is not played: 1 and 2 come out there and at colpo 1,
  // where the win tells the best sorte made.
  const StatoPrevisione ambo = salda(previsione({1, 2}, {1}, 1, 3), kDraws);
  EXPECT_EQ(ambo.Colpo, 1);
  EXPECT_EQ(ambo.SorteVinta, 2);

  const StatoPrevisione scaduta = salda(previsione({90}, {1, 2}, 1, 2), kDraws);
  EXPECT_EQ(scaduta.Esito, EsitoPrevisione::Scaduta);
  EXPECT_EQ(scaduta.Colpo, 2);
  EXPECT_EQ(scaduta.DataEsito, "03/01/2020");

  const StatoPrevisione inGioco = salda(previsione({90}, {1}, 1, 5), kDraws);
  EXPECT_EQ(inGioco.Esito, EsitoPrevisione::InGioco);
  EXPECT_EQ(inGioco.Colpo, 3);
  EXPECT_EQ(inGioco.DataEsito, "");
}

TEST(SaldaPrevisione, FollowsCorrectionsAndIgnoresDrawsInsertedBeforeItsKey) {
  const Previsione p = previsione({33}, {1}, 1, 3);
  std::vector<std::string> corretto = kDraws;
  corretto[3] = draw("04/01/2020", {38, 34, 35, 36, 37});  // 33 was a typing error
  EXPECT_EQ(salda(p, corretto).Esito, EsitoPrevisione::Scaduta);

  // A forgotten older draw put in front, and a draw on the key's date added
  // after it: the same three draws are played.
  std::vector<std::string> inseriti = kDraws;
  inseriti.insert(inseriti.begin(), draw("28/12/2019", {33, 44, 55, 66, 77}));
  inseriti.insert(inseriti.begin() + 2, draw("01/01/2020", {33, 44, 55, 66, 77}));
  const StatoPrevisione s = salda(p, inseriti);
  EXPECT_EQ(s.Esito, EsitoPrevisione::Vinta);
  EXPECT_EQ(s.Colpo, 3);
  EXPECT_EQ(s.RecordEsito, 6);

  // A draw whose date cannot be read is played by no forecast.
  std::vector<std::string> rovinato = kDraws;
  rovinato[1].replace(0, 2, "3x");
  EXPECT_EQ(salda(previsione({90}, {1}, 1, 3), rovinato).Colpo, 2);
}

TEST(SaldaPrevisione, KeyIsTheLastReadableDate) {
  std::vector<std::string> righe = kDraws;
  EXPECT_EQ(DataChiaveArchivio(ArchivioEstrazioni::DaTesto(Unisci(righe))), "04/01/2020");
  righe.push_back("garbage");
  EXPECT_EQ(DataChiaveArchivio(ArchivioEstrazioni::DaTesto(Unisci(righe))), "04/01/2020");
  EXPECT_EQ(DataChiaveArchivio(ArchivioEstrazioni()), "");
}

}  // namespace
