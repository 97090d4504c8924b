// ruotario-cli --caso and migliore-ambata --fuori-campione: the options and
// where the chance figures appear; the figures themselves are the core's.

#include <gtest/gtest.h>

#include "support/EseguiCli.h"

namespace {

using nlohmann::json;
using ruotario::prova::EseguiCli;

const std::string kArchivio = ruotario::prova::ArchivioCasiSpiaUno();

json Json(const std::string& argomenti) { return ruotario::prova::JsonCli(argomenti); }

TEST(BaseCasoCli, SpyStudyCarriesTheChanceFigures) {
  const json j = Json("spia" + kArchivio + " --spia 1 --colpi 2 --caso");
  const json& c = j["Caso"];
  EXPECT_NEAR(c["atteso"].get<double>(), 3 * (1 - 17.0 / 18 * 17.0 / 18), 1e-9);  // three cases of two draws
  for (const char* chiave : {"atteso_percentuale", "massimo_atteso", "massimo_atteso_percentuale", "massimo_95",
                             "massimo_95_percentuale", "migliore", "p_migliore", "testo"})
    EXPECT_TRUE(c.contains(chiave)) << chiave;
  EXPECT_EQ(c["migliore"], 2);  // 60 and 45
  EXPECT_EQ(j["Numeri"][0]["p"], 1.0);
  EXPECT_FALSE(Json("spia" + kArchivio + " --spia 1")["Numeri"][0].contains("p"));

  const auto testo = EseguiCli("spia" + kArchivio + " --spia 1 --colpi 2 --caso").testo;
  EXPECT_NE(testo.find("Per puro caso: 10.8% per numero; il migliore dei 90 arriverebbe a "), std::string::npos)
      << testo;
  EXPECT_NE(testo.find("Ritar. Rel.  Atteso"), std::string::npos);
  const auto csv = EseguiCli("spia" + kArchivio + " --spia 1 --colpi 2 --caso --formato csv").testo;
  EXPECT_EQ(csv.substr(0, csv.find('\r')), "Numero,Sortite,%Esiti Vin.,Ritar. Rel.,Atteso,p");
  EXPECT_NE(csv.find("\r\n01,0,0.000,3,0.324,1\r\n"), std::string::npos) << csv.substr(0, 200);

  // ZevedIVE: one entry per study summed.
  const json z = Json("zevedive" + kArchivio + " --caso");
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
  const json c = Json("kostanti" + kArchivio + " --colpi 2 --ambate 2,60 --caso")["Caso"];
  EXPECT_EQ(json({c["ambate"], c["casi"], c["vincenti"]}), json({2, 3, 2}));
  EXPECT_NEAR(c["osservato_percentuale"].get<double>(), 200.0 / 3, 1e-9);
  EXPECT_TRUE(c.contains("atteso_percentuale") && c.contains("p"));
  EXPECT_EQ(EseguiCli("kostanti" + kArchivio + " --caso --formato csv").stato, 2);
  // The best ambata is judged against the best of the 89 candidates run, not alone.
  const std::string cerca = "migliore-ambata" + kArchivio + " --colpi 2 --caso";
  const json m = Json(cerca)["Caso"];
  EXPECT_GT(m["p_migliore"].get<double>(), m["p"].get<double>());
  EXPECT_NE(EseguiCli(cerca).testo.find("; il migliore di 89 candidati arriverebbe a "), std::string::npos);

  // Records 1..6 for the search, 7..12 for the check.
  const std::string migliore = "migliore-ambata" + kArchivio + " --colpi 2 --inizio 1 --fuori-campione";
  const json f = Json(migliore + " 0.5 --ambate 2,60");
  EXPECT_EQ(json({f["campione"]["inizio"], f["campione"]["fine"], f["fuori_campione"]["inizio"],
                  f["fuori_campione"]["fine"]}),
            json({1, 6, 7, 12}));
  EXPECT_EQ(f["migliore"], 14);  // the lowest number winning the one concluded case at colpo 1
  EXPECT_EQ(f["campione"]["percentuale"], 100.0);
  EXPECT_EQ(f["fuori_campione"]["casi_conclusi"], 1);
  EXPECT_EQ(f["fuori_campione"]["percentuale"], 0.0);
  EXPECT_EQ(Json(migliore + " 50%")["campione"]["fine"], 6);
  EXPECT_EQ(Json(migliore)["quota"], 0.7);

  for (const char* sbagliata : {"0", "100", "abc", "150", "-0.5"})
    EXPECT_EQ(EseguiCli("migliore-ambata" + kArchivio + " --fuori-campione " + sbagliata).stato, 2) << sbagliata;
  const auto corto = EseguiCli("migliore-ambata" + kArchivio + " --inizio 12 --fuori-campione");
  EXPECT_EQ(corto.stato, 1);
  EXPECT_NE(corto.errori.find("meno di due estrazioni"), std::string::npos);
}

}  // namespace
