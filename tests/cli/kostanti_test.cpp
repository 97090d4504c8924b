// ruotario-cli kostanti, migliore-ambata, abbinamenti: options, errors and results.

#include <gtest/gtest.h>

#include "support/EseguiCli.h"

namespace {

using nlohmann::json;
using ruotario::prova::EseguiCli;

const std::string kArchivio = ruotario::prova::ArchivioCasiSpiaUno();

json Json(const std::string& argomenti) { return ruotario::prova::JsonCli(argomenti); }

TEST(KostantiCli, StatisticAsJsonTextAndCsv) {
  const std::string comando = "kostanti" + kArchivio + " --colpi 2 --ambate 2,60";
  const json j = Json(comando);
  EXPECT_EQ(j["Riepilogo"],
            "CASI GIOCABILI: 3\r\nCASI VINCENTI: 2 su: 3\r\n%PERC. VINCITA: 66.666%\r\nMEDIA COLPI VINCITA: 1.");
  EXPECT_EQ(j["Vincenti"][0], json({{"Nr", 1}, {"Data", "02/01/2000"}, {"Blocco", "6014151617"}}));
  EXPECT_TRUE(j["Abbinamenti"][59]["Sortite"].is_null());  // 60, marked
  EXPECT_EQ(j["Frequenti"][89]["RitardoRel"], 4);          // 90, never out in 4 watched draws
  auto u = EseguiCli(comando);
  EXPECT_NE(u.testo.find("MEDIA COLPI VINCITA: 1.\n\nDETTAGLIO COLPI\n"), std::string::npos) << u.testo;
  EXPECT_EQ(u.testo.find('\r'), std::string::npos);
  u = EseguiCli(comando + " --formato csv");
  EXPECT_TRUE(u.testo.starts_with("Tabella,Numero,Sortite,% Sortite,Ritar. Rel.\r\n"));
  EXPECT_NE(u.testo.find("\r\nAbbinamenti,60,*,*,*\r\nAbbinamenti,61,0,0.00,2\r\n"), std::string::npos);
}

TEST(KostantiCli, DefaultsAndSpan) {
  // Constant 200: ambate 2 and 20 active, third 1 inactive; 9 colpi swallow the later spies.
  const json j = Json("kostanti" + kArchivio);
  EXPECT_EQ(json({j["Ambate"], j["Attive"], j["CasiGiocabili"]}), json({{2, 20, 1}, {true, true, false}, 1}));
  const json k = Json("kostanti" + kArchivio + " --inizio 5 --fine 8 --kostante 10 --attive 3");
  EXPECT_EQ(json({k["TotaleEstrazioni"], k["Ambate"]}), json({4, {62, 26, 1}}));
  EXPECT_EQ(Json("kostanti" + kArchivio + " --posizione 5")["CasiGiocabili"], 0);
}

TEST(KostantiCli, BestAmbataAndPairings) {
  const std::string migliore = "migliore-ambata" + kArchivio + " --colpi 2";
  EXPECT_EQ(Json(migliore)["Migliore"], 60);
  EXPECT_EQ(Json(migliore + " --senza-veloce --varia terza --attive 3")["CandidatiProvati"], 88);
  const std::string abbinamenti = "abbinamenti" + kArchivio + " --colpi 2 --ambate 2,60";
  EXPECT_EQ(Json(abbinamenti + " --modo manuale --abbinamenti 14,27")["Ricerca"]["CasiAmboSecco"], 2);
  // 14..17 and 27..31 tie at 1: the highest is chosen.
  EXPECT_NE(
      EseguiCli(abbinamenti + " --quanti 1").testo.find("Abbinamenti: 31\n\nCASI VINCENTI TOTALI CON AMBO: 1 SU: 2\n"),
      std::string::npos);
}

TEST(KostantiCli, Errors) {
  const std::pair<std::string, std::string> casi[] = {
      {"kostanti --spia 91", "--spia"},
      {"kostanti --kostante 200 --ambate 2", "--kostante"},
      {"kostanti --inizio 8 --fine 4", "--inizio"},
      {"migliore-ambata --varia quarta", "--varia"},
      {"abbinamenti --modo manuale --quanti 1 --abbinamenti 5,6", "--abbinamenti"}};
  for (const auto& [argomenti, parola] : casi) {
    const auto u = EseguiCli(argomenti + kArchivio);
    EXPECT_EQ(u.stato, 2) << argomenti;
    EXPECT_NE(u.errori.find(parola), std::string::npos) << argomenti << ": " << u.errori;
  }
  EXPECT_NE(EseguiCli("abbinamenti" + kArchivio + " --colpi 2 --ambate 90,90").errori.find("ALMENO UN'ESTRAZIONE"),
            std::string::npos);
  EXPECT_EQ(EseguiCli("kostanti --archivio /nonexistent/estrazioni.txt").stato, 1);
  for (const char* c : {"kostanti", "migliore-ambata", "abbinamenti"})
    EXPECT_NE(EseguiCli(std::string(c) + " --help").testo.find("--archivio"), std::string::npos) << c;
}

}  // namespace
