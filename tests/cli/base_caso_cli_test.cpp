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
  EXPECT_TRUE(j["Caso"]["testo"].get<std::string>().starts_with("Per puro caso: "));
  EXPECT_EQ(j["Numeri"][0]["p"], 1.0);
  EXPECT_FALSE(Json("spia" + kArchivio + " --spia 1")["Numeri"][0].contains("p"));

  EXPECT_NE(EseguiCli("spia" + kArchivio + " --spia 1 --colpi 2 --caso").testo.find("Ritar. Rel.  Atteso"),
            std::string::npos);
  const auto csv = EseguiCli("spia" + kArchivio + " --spia 1 --colpi 2 --caso --formato csv").testo;
  EXPECT_EQ(csv.substr(0, csv.find('\r')), "Numero,Sortite,%Esiti Vin.,Ritar. Rel.,Atteso,p");
  EXPECT_NE(csv.find("\r\n60,2,66.667,1,0.324,0.0325\r\n"), std::string::npos) << csv;  // p to three digits

  // ZevedIVE: one entry per study summed.
  const json z = Json("zevedive" + kArchivio + " --caso");
  std::size_t spie = 0;
  for (const auto& s : z["Spie"]) spie += s.is_null() ? 0 : 1;
  ASSERT_EQ(z["Caso"].size(), spie);
  EXPECT_EQ(json({z["Caso"][0]["spia"], z["Caso"][0]["tipo"]}), json({z["Spie"][0], "numero"}));
  EXPECT_EQ(z["CasoComplessivo"]["studi"], spie);
}

TEST(BaseCasoCli, ConstantsStatisticAndTheOutOfSampleCheck) {
  const json c = Json("kostanti" + kArchivio + " --colpi 2 --ambate 2,60 --caso")["Caso"];
  EXPECT_EQ(json({c["ambate"], c["casi"], c["vincenti"]}), json({2, 3, 2}));
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
  EXPECT_EQ(json({f["migliore"], f["fuori_campione"]["casi_conclusi"]}), json({14, 1}));
  EXPECT_EQ(Json(migliore + " 50%")["campione"]["fine"], 6);
  EXPECT_EQ(Json(migliore)["quota"], 0.7);

  for (const char* sbagliata : {"0", "100", "abc", "150", "-0.5"})
    EXPECT_EQ(EseguiCli("migliore-ambata" + kArchivio + " --fuori-campione " + sbagliata).stato, 2) << sbagliata;
  const auto corto = EseguiCli("migliore-ambata" + kArchivio + " --inizio 12 --fuori-campione");
  EXPECT_EQ(corto.stato, 1);
  EXPECT_NE(corto.errori.find("meno di due estrazioni"), std::string::npos);
}

}  // namespace
