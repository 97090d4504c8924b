// ruotario-cli previsioni and verifica-metodo: a forecast saved on an archive
// is settled once draws are appended, and the replay's JSON carries its figures.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "support/EseguiCli.h"

using namespace ruotario::prova;

namespace {

TEST(PrevisioniCli, SavedForecastIsSettledByTheDrawsAppendedLater) {
  const CartellaTemporanea dir;
  const std::string archivio = dir.Scrivi("estrazioni.txt", TestoBari({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}));
  const std::string opzioni = " --archivio " + archivio;
  const auto aggiunta = JsonCli("previsioni aggiungi --numeri 33,44 --colpi 2" + opzioni);
  EXPECT_EQ(aggiunta["DataChiave"], DataProva(2));
  EXPECT_EQ(EseguiCli("previsioni aggiungi --numeri 91" + opzioni).stato, 2);

  std::ofstream(archivio, std::ios::binary | std::ios::app)
      << "\r\n" + Record(DataProva(3), {11, 12, 13, 14, 15}) + "\r\n" + Record(DataProva(4), {44, 16, 17, 18, 19});
  const auto elenco = JsonCli("previsioni elenco" + opzioni);
  ASSERT_EQ(elenco["Previsioni"].size(), 1u);
  EXPECT_EQ(elenco["Previsioni"][0]["Stato"], "vinta");
  EXPECT_EQ(elenco["Previsioni"][0]["Colpo"], 2);
  EXPECT_EQ(elenco["Previsioni"][0]["RuotaVinta"], "Bari");
  const double p = 1 - std::pow(1 - 10.0 / 90 + 2.0 / 801, 2);  // 33 or 44 in a draw: 1 - C(88,5)/C(90,5)
  EXPECT_NEAR(elenco["AtteseCaso"].get<double>(), p, 1e-12);
  EXPECT_NEAR(elenco["ProbabilitaCoda"].get<double>(), p, 1e-12);
  EXPECT_EQ(JsonCli("previsioni salda" + opzioni)["NuoveSaldate"], 0) << "elenco stored the state already";

  EXPECT_EQ(EseguiCli("previsioni elimina 1" + opzioni).stato, 0);
  EXPECT_EQ(EseguiCli("previsioni elimina 1" + opzioni).stato, 1);
  EXPECT_EQ(EseguiCli("previsioni annulla" + opzioni).stato, 2);
}

TEST(PrevisioniCli, ReplayReportsItsFiguresAndEveryForecast) {
  const auto j = JsonCli("verifica-metodo --metodo spia --spia 1 --colpi 2" + ArchivioCasiSpiaUno());
  // Spy 1 at records 1, 5 and 9. At 1 the study has counted nothing; at 5 every
  // successor of the first case once (14 the smallest); at 9 60 and 45 twice.
  ASSERT_EQ(j["Previsioni"], 2);
  EXPECT_EQ(j["Elenco"][0]["Record"], 5);
  EXPECT_EQ(j["Elenco"][0]["Numeri"], nlohmann::json::array({14}));
  EXPECT_EQ(j["Elenco"][1]["Numeri"], nlohmann::json::array({45}));
  EXPECT_EQ(j["Vinte"], 0);
  EXPECT_NEAR(j["AtteseCaso"].get<double>(), 2 * (1 - std::pow(17.0 / 18.0, 2)), 1e-12);
  EXPECT_EQ(j["ProbabilitaCoda"], 1.0);
  EXPECT_EQ(EseguiCli("verifica-metodo --metodo lotto" + ArchivioCasiSpiaUno()).stato, 2);
}

}  // namespace
