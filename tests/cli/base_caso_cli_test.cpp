// ruotario-cli --caso and migliore-ambata --fuori-campione.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

#include "support/EseguiCli.h"

namespace {

using nlohmann::json;
using ruotario::prova::EseguiCli;

// Spy 1, 2 colpi: cases at r1, r5 and r9; 60 wins the first two at colpo 1.
std::string Archivio() {
  static const ruotario::prova::CartellaTemporanea cartella;
  static const std::vector<std::vector<int>> bari = {{1, 10, 11, 12, 13},  {60, 14, 15, 16, 17}, {45, 18, 19, 21, 22},
                                                     {80, 81, 82, 83, 84}, {1, 23, 24, 25, 26},  {60, 27, 28, 29, 31},
                                                     {45, 32, 33, 34, 35}, {85, 86, 87, 88, 89}, {1, 36, 37, 38, 39},
                                                     {46, 47, 48, 49, 50}, {51, 52, 53, 54, 55}, {56, 57, 58, 59, 61}};
  static const std::string percorso = cartella.Scrivi("estrazioni.txt", ruotario::prova::TestoBari(bari));
  return " --archivio " + percorso;
}

json Json(const std::string& argomenti) {
  const auto u = EseguiCli(argomenti + " --formato json");
  EXPECT_EQ(u.stato, 0) << u.errori;
  return u.stato == 0 ? json::parse(u.testo) : json{};
}

constexpr double kNonEsce = 17.0 / 18.0;

TEST(BaseCasoCli, SpyStudyCarriesTheChanceFigures) {
  // Three cases of two full watched draws each.
  const json j = Json("spia" + Archivio() + " --spia 1 --colpi 2 --caso");
  const json& c = j["Caso"];
  const double uno = 1 - kNonEsce * kNonEsce;
  EXPECT_NEAR(c["atteso"].get<double>(), 3 * uno, 1e-9);
  EXPECT_NEAR(c["atteso_percentuale"].get<double>(), uno * 100, 1e-9);
  for (const char* chiave : {"massimo_atteso", "massimo_atteso_percentuale", "massimo_95", "massimo_95_percentuale",
                             "migliore", "p_migliore", "testo"})
    EXPECT_TRUE(c.contains(chiave)) << chiave;
  EXPECT_EQ(c["migliore"], 2);  // 60 and 45
  EXPECT_NEAR(j["Numeri"][59]["p"].get<double>(), 1 - std::pow(1 - uno, 3) - 3 * uno * std::pow(1 - uno, 2), 1e-9);
  EXPECT_EQ(j["Numeri"][0]["p"], 1.0);
  EXPECT_FALSE(Json("spia" + Archivio() + " --spia 1")["Numeri"][0].contains("p"));

  const auto testo = EseguiCli("spia" + Archivio() + " --spia 1 --colpi 2 --caso").testo;
  EXPECT_NE(testo.find("Per puro caso: 10.8% per numero; il migliore dei 90 arriverebbe a "), std::string::npos)
      << testo;
  EXPECT_NE(testo.find("Ritar. Rel.  Atteso"), std::string::npos);
  const auto csv = EseguiCli("spia" + Archivio() + " --spia 1 --colpi 2 --caso --formato csv").testo;
  EXPECT_EQ(csv.substr(0, csv.find('\r')), "Numero,Sortite,%Esiti Vin.,Ritar. Rel.,Atteso,p");
  EXPECT_NE(csv.find("\r\n01,0,0.000,3,0.324,1\r\n"), std::string::npos) << csv.substr(0, 200);

  // ZevedIVE: one entry per study summed.
  const json z = Json("zevedive" + Archivio() + " --caso");
  std::size_t spie = 0;
  for (const auto& s : z["Spie"]) spie += s.is_null() ? 0 : 1;
  ASSERT_EQ(z["Caso"].size(), spie);
  EXPECT_EQ(z["Caso"][0]["spia"], z["Spie"][0]);
  EXPECT_EQ(z["Caso"][0]["tipo"], "numero");
  EXPECT_TRUE(z["Caso"][0].contains("massimo_atteso"));
  const json& tutti = z["CasoComplessivo"];
  EXPECT_EQ(tutti["studi"], spie);
  EXPECT_EQ(tutti["testo"].get<std::string>().rfind("Per puro caso, nei " + std::to_string(spie) + " studi: ", 0), 0u);
}

TEST(BaseCasoCli, ConstantsStatisticAndTheOutOfSampleCheck) {
  const double q = 85.0 * 84 / (90.0 * 89);  // a draw misses two ambate
  const json j = Json("kostanti" + Archivio() + " --colpi 2 --ambate 2,60 --caso");
  const json& c = j["Caso"];
  EXPECT_EQ(c["ambate"], 2);
  EXPECT_EQ(c["casi"], 3);
  EXPECT_EQ(c["vincenti"], 2);
  EXPECT_NEAR(c["atteso_percentuale"].get<double>(), (1 - q * q) * 100, 1e-9);
  EXPECT_NEAR(c["osservato_percentuale"].get<double>(), 200.0 / 3, 1e-9);
  EXPECT_TRUE(c.contains("p"));
  EXPECT_EQ(EseguiCli("kostanti" + Archivio() + " --caso --formato csv").stato, 2);

  // Records 1..6 for the search, 7..12 for the check.
  const json f = Json("migliore-ambata" + Archivio() + " --colpi 2 --ambate 2,60 --inizio 1 --fuori-campione 0.5");
  EXPECT_EQ(f["campione"]["inizio"], 1);
  EXPECT_EQ(f["campione"]["fine"], 6);
  EXPECT_EQ(f["fuori_campione"]["inizio"], 7);
  EXPECT_EQ(f["fuori_campione"]["fine"], 12);
  EXPECT_EQ(f["migliore"], 14);  // the lowest number winning the one concluded case at colpo 1
  EXPECT_EQ(f["campione"]["percentuale"], 100.0);
  EXPECT_EQ(f["fuori_campione"]["casi_conclusi"], 1);
  EXPECT_EQ(f["fuori_campione"]["percentuale"], 0.0);
  EXPECT_EQ(Json("migliore-ambata" + Archivio() + " --inizio 1 --fuori-campione 50% --colpi 2")["campione"]["fine"], 6);
  EXPECT_EQ(Json("migliore-ambata" + Archivio() + " --inizio 1 --fuori-campione --colpi 2")["quota"], 0.7);

  for (const char* sbagliata : {"0", "100", "abc", "150", "-0.5"})
    EXPECT_EQ(EseguiCli("migliore-ambata" + Archivio() + " --fuori-campione " + sbagliata).stato, 2) << sbagliata;
  const auto corto = EseguiCli("migliore-ambata" + Archivio() + " --inizio 12 --fuori-campione");
  EXPECT_EQ(corto.stato, 1);
  EXPECT_NE(corto.errori.find("meno di due estrazioni"), std::string::npos);
}

}  // namespace
