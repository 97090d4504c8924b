// ruotario-cli spia and zevedive, run as a process over a temporary archive.

#include <gtest/gtest.h>

#include "support/EseguiCli.h"

namespace ruotario {
namespace {

using nlohmann::json;
using prova::Uscita;

// Bari: 5 at r1 and r4 (place 3), followed by 17; r3 closes the first case.
const std::string kArchivio = prova::OpzioneArchivio(prova::TestoArchivio(
    {{1, 2, 5, 3, 4}, {17, 20, 21, 22, 23}, {5, 30, 31, 32, 33}, {5, 40, 41, 42, 43}, {17, 50, 51, 52, 53}}));

Uscita Esegui(const std::string& comando, const std::string& opzioni) {
  return prova::EseguiCli(comando + kArchivio + " " + opzioni);
}
json Json(const std::string& comando, const std::string& opzioni) {
  return prova::JsonCli(comando + kArchivio + " " + opzioni);
}

TEST(SpiaCli, JsonTextAndCsvCarryTheStudy) {
  const auto j = Json("spia", "--spia 5 --colpi 1");
  // A short archive: the span starts at record 1.
  EXPECT_EQ(json({j["TotaleEstrazioni"], j["CasiGiocabili"], j["Numeri"].size()}), json({5, 2, 90}));
  EXPECT_EQ(j["Numeri"][16], nlohmann::json::parse(R"({"Numero":17,"Sortite":2,"Percentuale":100.0,"RitardoRel":0})"));

  const std::string testo = Esegui("spia", "--spia 5 --colpi 1 --inizio 2 --fine 5").testo;
  EXPECT_NE(testo.find("Totale Estrazioni: 4\n"), std::string::npos) << testo;
  EXPECT_NE(testo.find("Casi Giocabili: 1\n"), std::string::npos);  // r3 now opens the case
  EXPECT_NE(testo.find("Numero  Sortite  %Esiti Vin.  Ritar. Rel.\n"), std::string::npos);
  EXPECT_NE(testo.find("\n    40        1      100.000            0\n"), std::string::npos);

  const std::string csv = Esegui("spia", "--spia 5 --colpi 1 --formato csv").testo;
  EXPECT_EQ(csv.substr(0, 42), "Numero,Sortite,%Esiti Vin.,Ritar. Rel.\r\n01");
  EXPECT_NE(csv.find("17,2,100.000,0\r\n"), std::string::npos);
}

TEST(SpiaCli, KindsPositionsAndCombinations) {
  const std::pair<const char*, int> casi[] = {
      {"--spia 5 --posizione 1", 1},  // r3 opens the case, r4 is watched
      {"--tipo ambo --spia 1,17 --combinazione xor", 2},
      {"--tipo ciclometrica --spia 1", 2},
      {"--ruota Cagliari --spia 5", 0},
  };
  for (const auto& [opzioni, attesi] : casi)
    EXPECT_EQ(Json("spia", "--colpi 1 " + std::string(opzioni))["CasiGiocabili"], attesi) << opzioni;
}

TEST(SpiaCli, BadOptionsExitWithStatusTwo) {
  const char* errati[] = {"--tipo quaterna",
                          "--tipo cadenza --spia 10",
                          "--spia 5,6",
                          "--colpi 21",
                          "--tipo somma --posizione 3-2",
                          "--combinazione xor",
                          "--formato xml",
                          "--sconosciuta 1"};
  for (const char* opzioni : errati) {
    const Uscita u = Esegui("spia", opzioni);
    EXPECT_EQ(u.stato, 2) << opzioni;
    EXPECT_NE(u.errori.find("ruotario-cli spia: "), std::string::npos) << opzioni;
  }
  EXPECT_EQ(prova::EseguiCli("spia --archivio /nonexistent/estrazioni.txt").stato, 1);
}

TEST(SpiaCli, ZevediveOverTheArchive) {
  const auto j = Json("zevedive", "--colpi 1");
  EXPECT_EQ(json({j["EstrazioneSpia"], j["Fine"]}), json({5, 4}));
  // Of the fifteen spies only 17 occurs before record 5 (at r2, watched r3):
  // its two best are 05 and 30; the other studies give 01 and 02 with 0.
  EXPECT_EQ(j["Spie"][0], 17);
  EXPECT_EQ(j["Numeri"][0]["SommaSortite"], 0);
  EXPECT_TRUE(j["Numeri"][2]["SommaSortite"].is_null());
  EXPECT_EQ(j["Numeri"][29]["SommaSortite"], 1);

  for (const char* opzioni : {"--top 91", "--top 3 --tutti", "--velocita 3", "--estrazione 6"})
    EXPECT_EQ(Esegui("zevedive", opzioni).stato, 2) << opzioni;
}

}  // namespace
}  // namespace ruotario
