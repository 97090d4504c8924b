// ruotario-cli ritardi, run as a process over a temporary archive.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

#include "support/EseguiCli.h"

namespace ruotario {
namespace {

using prova::EseguiCli;
using prova::Uscita;

// Bari k 1..3: 1 out at k 1 and 2, 2 at k 1 only, 90 never. Every other wheel 81..85.
Uscita Esegui(const std::string& opzioni) {
  static const prova::CartellaTemporanea cartella;
  static const std::string archivio =
      cartella.Scrivi("estrazioni.txt", prova::TestoArchivio({{1, 2, 3, 4, 5}, {1, 6, 7, 8, 9}, {10, 11, 12, 13, 14}}));
  return EseguiCli("ritardi --archivio " + archivio + " " + opzioni);
}

nlohmann::ordered_json Json(const std::string& opzioni) {
  const Uscita u = Esegui("--formato json " + opzioni);
  EXPECT_EQ(u.stato, 0) << opzioni << "\n" << u.errori;
  return u.stato == 0 ? nlohmann::ordered_json::parse(u.testo) : nlohmann::ordered_json{};
}

std::vector<std::string> chiavi(const nlohmann::ordered_json& o) {
  std::vector<std::string> k;
  for (const auto& [chiave, valore] : o.items()) k.push_back(chiave);
  return k;
}

TEST(RitardiCli, JsonKeysAndFigures) {
  const auto j = Json("");
  EXPECT_EQ(j["Ruota"], "Bari");
  EXPECT_EQ(j["Estrazioni"], nlohmann::ordered_json::parse(R"({"Bari":3})"));
  ASSERT_EQ(j["Numeri"].size(), 90u);
  const auto& uno = j["Numeri"][0];
  EXPECT_EQ(chiavi(uno), (std::vector<std::string>{"Numero", "Frequenza", "RitardoAttuale", "RitardoMassimo",
                                                   "Probabilita", "Attesi"}));
  EXPECT_EQ(uno["Numero"], 1);
  EXPECT_EQ(uno["Frequenza"], 2);
  EXPECT_EQ(uno["RitardoAttuale"], 1);
  EXPECT_EQ(uno["RitardoMassimo"], 1);
  EXPECT_DOUBLE_EQ(uno["Probabilita"].get<double>(), 17.0 / 18.0);
  EXPECT_DOUBLE_EQ(j["Numeri"][89]["Attesi"].get<double>(), 90 * std::pow(17.0 / 18.0, 3));

  // The most overdue first; ties keep the number order.
  const auto top = Json("--top 2 --inizio 2");
  EXPECT_EQ(top["Numeri"][0]["Numero"], 2);  // from record 2: never out, 2 draws
  EXPECT_EQ(top["Numeri"].size(), 2u);

  const auto ambi = Json("--ambi --top 1");
  ASSERT_EQ(ambi["Numeri"].size(), 1u);
  EXPECT_EQ(chiavi(ambi["Numeri"][0]), (std::vector<std::string>{"Ambo", "Frequenza", "RitardoAttuale",
                                                                 "RitardoMassimo", "Probabilita", "Attesi"}));
  EXPECT_EQ(ambi["Numeri"][0]["Ambo"], "01-10");
  EXPECT_DOUBLE_EQ(ambi["Numeri"][0]["Probabilita"].get<double>(), std::pow(1 - 2.0 / 801, 3));

  const auto tutte = Json("--ruota tutte --top 1");
  EXPECT_EQ(tutte["Ruota"], "Tutte");
  EXPECT_EQ(tutte["Estrazioni"].size(), 10u);
  EXPECT_EQ(tutte["Numeri"][0]["Ruota"], "Bari");
  EXPECT_DOUBLE_EQ(tutte["Numeri"][0]["Attesi"].get<double>(), 900 * std::pow(17.0 / 18.0, 3));
  EXPECT_EQ(Json("--ruota Cagliari")["Numeri"][80]["Frequenza"], 3);
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
