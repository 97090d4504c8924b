// ruotario-cli ritardi, run as a process over a temporary archive.

#include <gtest/gtest.h>

#include "support/EseguiCli.h"

namespace ruotario {
namespace {

using Json = nlohmann::ordered_json;

// Bari k 1..3: 1 out at k 1 and 2, 2 at k 1 only, 90 never. Every other wheel 81..85.
const std::string kRitardi =
    "ritardi" + prova::OpzioneArchivio(prova::TestoArchivio({{1, 2, 3, 4, 5}, {1, 6, 7, 8, 9}, {10, 11, 12, 13, 14}}));

prova::Uscita Esegui(const std::string& opzioni) { return prova::EseguiCli(kRitardi + " " + opzioni); }
Json JsonDi(const std::string& opzioni) { return prova::JsonCli<Json>(kRitardi + " " + opzioni); }

std::vector<std::string> chiavi(const Json& o) {
  std::vector<std::string> k;
  for (const auto& [chiave, valore] : o.items()) k.push_back(chiave);
  return k;
}

// The figures are the core's; here the keys, their order and the options.
TEST(RitardiCli, JsonKeysAndOptions) {
  const auto j = JsonDi("");
  EXPECT_EQ(j["Ruota"], "Bari");
  EXPECT_EQ(j["Estrazioni"], Json::parse(R"({"Bari":3})"));
  ASSERT_EQ(j["Numeri"].size(), 90u);
  const auto& uno = j["Numeri"][0];
  EXPECT_EQ(chiavi(uno), (std::vector<std::string>{"Numero", "Frequenza", "RitardoAttuale", "RitardoMassimo",
                                                   "Probabilita", "Attesi"}));
  EXPECT_EQ(std::vector<int>({uno["Numero"], uno["Frequenza"], uno["RitardoAttuale"], uno["RitardoMassimo"]}),
            (std::vector<int>{1, 2, 1, 1}));

  // The most overdue first; ties keep the number order.
  const auto top = JsonDi("--top 2 --inizio 2");
  ASSERT_EQ(top["Numeri"].size(), 2u);
  EXPECT_EQ(top["Numeri"][0]["Numero"], 2);  // from record 2: never out, 2 draws

  const auto ambi = JsonDi("--ambi --top 1");
  ASSERT_EQ(ambi["Numeri"].size(), 1u);
  EXPECT_EQ(chiavi(ambi["Numeri"][0])[0], "Ambo");
  EXPECT_EQ(ambi["Numeri"][0]["Ambo"], "01-10");

  const auto tutte = JsonDi("--ruota tutte --top 1");
  EXPECT_EQ(tutte["Ruota"], "Tutte");
  EXPECT_EQ(tutte["Estrazioni"].size(), 10u);
  EXPECT_EQ(tutte["Numeri"][0]["Ruota"], "Bari");
  EXPECT_EQ(JsonDi("--ruota Cagliari")["Numeri"][80]["Frequenza"], 3);
}

TEST(RitardiCli, TextAndCsv) {
  const std::string testo = Esegui("--top 1").testo;
  EXPECT_NE(testo.find("Estrazioni della ruota: 3\n"), std::string::npos) << testo;
  EXPECT_NE(testo.find("Numero  Frequenza  Rit. Attuale  Rit. Massimo  Prob. %  Attesi\n"
                       "    15          0             3             3    84.24   75.82\n"),
            std::string::npos)
      << testo;
  const std::string csv = Esegui("--ambi --ruota 1 --top 2 --formato csv").testo;
  EXPECT_EQ(csv,
            "Ambo,Frequenza,Rit. Attuale,Rit. Massimo,Prob. %,Attesi\r\n01-10,0,3,3,99.25,3975.07\r\n"
            "01-11,0,3,3,99.25,3975.07\r\n");
}

TEST(RitardiCli, BadOptionsExitWithStatusTwo) {
  for (const char* opzioni : {"--ruota 11", "--ruota ogni", "--top 0", "--inizio 4", "--inizio 3 --fine 2", "--ambo"})
    EXPECT_EQ(Esegui(opzioni).stato, 2) << opzioni;
}

}  // namespace
}  // namespace ruotario
