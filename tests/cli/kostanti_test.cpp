// ruotario-cli kostanti, migliore-ambata, abbinamenti: options, errors and results.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/ArchivioProva.h"

namespace {

namespace fs = std::filesystem;

struct Uscita {
  int stato = -1;
  std::string testo;   // stdout
  std::string errori;  // stderr
};

class KostantiCli : public ::testing::Test {
 protected:
  void SetUp() override {
    cartella_ =
        fs::temp_directory_path() /
        ("ruotario-kostanti-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(cartella_);
    // Spy 1, 2 colpi: 45 wins two cases at colpo 2, 60 two at colpo 1.
    Scrivi("estrazioni.txt", ruotario::prova::TestoBari({{1, 10, 11, 12, 13},
                                                         {60, 14, 15, 16, 17},
                                                         {45, 18, 19, 21, 22},
                                                         {80, 81, 82, 83, 84},
                                                         {1, 23, 24, 25, 26},
                                                         {60, 27, 28, 29, 31},
                                                         {45, 32, 33, 34, 35},
                                                         {85, 86, 87, 88, 89},
                                                         {1, 36, 37, 38, 39},
                                                         {46, 47, 48, 49, 50},
                                                         {51, 52, 53, 54, 55},
                                                         {56, 57, 58, 59, 61}}));
  }
  void TearDown() override { fs::remove_all(cartella_); }

  std::string Scrivi(const std::string& nome, const std::string& testo) {
    const fs::path p = cartella_ / nome;
    std::ofstream(p, std::ios::binary) << testo;
    return p.string();
  }

  std::string Archivio() const { return (cartella_ / "estrazioni.txt").string(); }

  Uscita Esegui(const std::string& argomenti) {
    const std::string errori = (cartella_ / "stderr.txt").string();
    const std::string comando = std::string(RUOTARIO_CLI_PATH) + " " + argomenti + " 2>" + errori;
    Uscita u;
    FILE* f = popen(comando.c_str(), "r");
    if (!f) return u;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) u.testo.append(buf, n);
    const int s = pclose(f);
    u.stato = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    std::ifstream in(errori);
    u.errori.assign(std::istreambuf_iterator<char>(in), {});
    return u;
  }

  nlohmann::json Json(const std::string& argomenti) {
    const Uscita u = Esegui(argomenti + " --formato json");
    EXPECT_EQ(u.stato, 0) << u.errori;
    return nlohmann::json::parse(u.testo);
  }

  fs::path cartella_;
};

TEST_F(KostantiCli, StatisticAsJson) {
  const auto j = Json("kostanti --archivio " + Archivio() + " --colpi 2 --ambate 2,60");
  EXPECT_EQ(j["TotaleEstrazioni"], 12);
  EXPECT_EQ(j["CasiGiocabili"], 3);
  EXPECT_EQ(j["CasiVincenti"], 2);
  EXPECT_EQ(j["CasiConclusi"], 3);
  EXPECT_DOUBLE_EQ(j["PercentualeVincita"].get<double>(), 200.0 / 3.0);
  EXPECT_DOUBLE_EQ(j["MediaColpi"].get<double>(), 1.0);
  EXPECT_EQ(j["InGioco"], false);
  EXPECT_EQ(j["Riepilogo"],
            "CASI GIOCABILI: 3\r\nCASI VINCENTI: 2 su: 3\r\n%PERC. VINCITA: 66.666%\r\nMEDIA COLPI VINCITA: 1.");
  ASSERT_EQ(j["Vincenti"].size(), 2u);
  EXPECT_EQ(j["Vincenti"][0]["Nr"], 1);
  EXPECT_EQ(j["Vincenti"][0]["Data"], "02/01/2000");
  EXPECT_EQ(j["Vincenti"][0]["Blocco"], "6014151617");
  EXPECT_EQ(j["Ambate"], nlohmann::json::array({2, 60, 1}));
  // Rows in number order; marked rows have no counts.
  ASSERT_EQ(j["Abbinamenti"].size(), 90u);
  for (int n = 1; n <= 90; ++n) EXPECT_EQ(j["Abbinamenti"][n - 1]["Numero"], n);
  EXPECT_EQ(j["Abbinamenti"][59]["Marcato"], true);
  EXPECT_TRUE(j["Abbinamenti"][59]["Sortite"].is_null());
  EXPECT_EQ(j["Abbinamenti"][13]["Sortite"], 1);  // 14
  EXPECT_DOUBLE_EQ(j["Abbinamenti"][13]["Percentuale"].get<double>(), 50.0);
  EXPECT_EQ(j["Abbinamenti"][13]["RitardoRel"], 1);
  EXPECT_EQ(j["Frequenti"][45]["Sortite"], 1);     // 46, watched in case 3
  EXPECT_EQ(j["Frequenti"][89]["RitardoRel"], 4);  // 90, never out in 4 watched draws
}

TEST_F(KostantiCli, DefaultsAndSpan) {
  // Default constant 200: ambate 2 and 20 active, third 1 inactive; the whole short archive.
  auto j = Json("kostanti --archivio " + Archivio());
  EXPECT_EQ(j["Ambate"], nlohmann::json::array({2, 20, 1}));
  EXPECT_EQ(j["Attive"], nlohmann::json::array({true, true, false}));
  EXPECT_EQ(j["TotaleEstrazioni"], 12);
  EXPECT_EQ(j["CasiGiocabili"], 1);  // 9 colpi: case 1 swallows the next two spies
  j = Json("kostanti --archivio " + Archivio() + " --inizio 5 --fine 8 --kostante 10 --attive 3");
  EXPECT_EQ(j["TotaleEstrazioni"], 4);
  EXPECT_EQ(j["Ambate"], nlohmann::json::array({62, 26, 1}));
  EXPECT_EQ(j["Attive"], nlohmann::json::array({false, false, true}));
  j = Json("kostanti --archivio " + Archivio() + " --ambate 5");
  EXPECT_EQ(j["Ambate"], nlohmann::json::array({5, 50, 1}));

  // At least 3594 records: the span starts at record 3594.
  std::vector<std::vector<int>> molte(3600, std::vector<int>{3, 4, 5, 6, 7});
  const std::string lungo = Scrivi("lungo.txt", ruotario::prova::TestoBari(molte));
  EXPECT_EQ(Json("kostanti --archivio " + lungo)["TotaleEstrazioni"], 7);
}

TEST_F(KostantiCli, TextAndCsv) {
  Uscita u = Esegui("kostanti --archivio " + Archivio() + " --colpi 2 --ambate 2,60 --ruota bari");
  ASSERT_EQ(u.stato, 0) << u.errori;
  EXPECT_NE(u.testo.find("%PERC. VINCITA: 66.666%\nMEDIA COLPI VINCITA: 1.\n\nDETTAGLIO COLPI\n\n"
                         "Previsione in gioco est: 01/01/2000\nEsito: VINCENTE COLPI 1"),
            std::string::npos)
      << u.testo;
  EXPECT_EQ(u.testo.find('\r'), std::string::npos);
  u = Esegui("kostanti --archivio " + Archivio() + " --colpi 2 --ambate 2,60 --formato csv");
  ASSERT_EQ(u.stato, 0) << u.errori;
  EXPECT_EQ(u.testo.substr(0, u.testo.find('\n')), "Tabella,Numero,Sortite,% Sortite,Ritar. Rel.\r");
  EXPECT_NE(u.testo.find("Abbinamenti,60,*,*,*\r\n"), std::string::npos);
  EXPECT_NE(u.testo.find("Abbinamenti,14,1,50.00,1\r\n"), std::string::npos);
}

TEST_F(KostantiCli, BestAmbata) {
  auto j = Json("migliore-ambata --archivio " + Archivio() + " --colpi 2");
  EXPECT_EQ(j["Migliore"], 60);
  EXPECT_EQ(j["Varia"], "secondaria");
  EXPECT_EQ(j["CandidatiProvati"], 89);
  EXPECT_EQ(j["Ambate"], nlohmann::json::array({2, 60, 1}));
  EXPECT_EQ(j["CasiVincenti"], 2);
  j = Json("migliore-ambata --archivio " + Archivio() + " --colpi 2 --senza-veloce");
  EXPECT_EQ(j["Migliore"], 45);
  j = Json("migliore-ambata --archivio " + Archivio() + " --colpi 2 --varia terza --attive 3");
  EXPECT_EQ(j["Migliore"], 60);
  EXPECT_EQ(j["CandidatiProvati"], 88);
}

TEST_F(KostantiCli, Pairings) {
  auto j = Json("abbinamenti --archivio " + Archivio() + " --colpi 2 --ambate 2,60 --quanti 1");
  EXPECT_EQ(j["Ricerca"]["Abbinamenti"], nlohmann::json::array({31}));  // 14..17 and 27..31 tie at 1: highest
  EXPECT_EQ(j["Ricerca"]["CasiVincenti"], 2);
  EXPECT_EQ(j["Ricerca"]["CasiAmboSecco"], 1);
  j = Json("abbinamenti --archivio " + Archivio() + " --colpi 2 --ambate 2,60 --modo manuale --abbinamenti 14,27");
  EXPECT_EQ(j["Ricerca"]["Abbinamenti"], nlohmann::json::array({14, 27}));
  EXPECT_EQ(j["Ricerca"]["CasiAmboSecco"], 2);
  const std::string probabili =
      "abbinamenti --archivio " + Archivio() + " --colpi 2 --ambate 2,60 --modo probabili --seme 11";
  EXPECT_EQ(Json(probabili)["Ricerca"], Json(probabili)["Ricerca"]);
  const Uscita u = Esegui("abbinamenti --archivio " + Archivio() + " --colpi 2 --ambate 2,60 --quanti 1");
  EXPECT_NE(u.testo.find("Abbinamenti: 31\n\nCASI VINCENTI TOTALI CON AMBO: 1 SU: 2\n"), std::string::npos) << u.testo;
}

TEST_F(KostantiCli, NoWinningDrawIsAnError) {
  const Uscita u = Esegui("abbinamenti --archivio " + Archivio() + " --colpi 2 --ambate 90,90");
  EXPECT_EQ(u.stato, 1);
  EXPECT_NE(u.errori.find("ALMENO UN'ESTRAZIONE VINCENTE"), std::string::npos);
}

TEST_F(KostantiCli, UsageErrors) {
  const std::string a = " --archivio " + Archivio();
  const std::pair<std::string, std::string> casi[] = {
      {"kostanti" + a + " --spia 91", "--spia"},
      {"kostanti" + a + " --spia uno", "--spia"},
      {"kostanti" + a + " --posizione 6", "--posizione"},
      {"kostanti" + a + " --colpi 0", "--colpi"},
      {"kostanti" + a + " --colpi 100", "--colpi"},
      {"kostanti" + a + " --ruota Nazionale", "--ruota"},
      {"kostanti" + a + " --kostante 801", "--kostante"},
      {"kostanti" + a + " --kostante 200 --ambate 2", "--kostante"},
      {"kostanti" + a + " --ambate 1,2,3,4", "--ambate"},
      {"kostanti" + a + " --ambate 91", "--ambate"},
      {"kostanti" + a + " --attive 4", "--attive"},
      {"kostanti" + a + " --inizio 13", "--inizio"},
      {"kostanti" + a + " --inizio 8 --fine 4", "--inizio"},
      {"kostanti" + a + " --formato xml", "formato"},
      {"kostanti" + a + " --boh", "--boh"},
      {"migliore-ambata" + a + " --varia quarta", "--varia"},
      {"abbinamenti" + a + " --modo tutto", "--modo"},
      {"abbinamenti" + a + " --quanti 6", "--quanti"},
      {"abbinamenti" + a + " --abbinamenti 5", "--abbinamenti"},
      {"abbinamenti" + a + " --modo manuale", "--abbinamenti"},
      {"abbinamenti" + a + " --modo manuale --quanti 1 --abbinamenti 5,6", "--abbinamenti"},
      {"abbinamenti" + a + " --seme 4", "--seme"},
  };
  for (const auto& [argomenti, parola] : casi) {
    const Uscita u = Esegui(argomenti);
    EXPECT_EQ(u.stato, 2) << argomenti;
    EXPECT_NE(u.errori.find(parola), std::string::npos) << argomenti << ": " << u.errori;
    EXPECT_TRUE(u.testo.empty()) << argomenti;
  }
}

TEST_F(KostantiCli, MissingArchiveAndHelp) {
  const Uscita u = Esegui("kostanti --archivio " + (cartella_ / "manca.txt").string());
  EXPECT_EQ(u.stato, 1);
  EXPECT_NE(u.errori.find("Archivio non trovato"), std::string::npos);
  for (const char* c : {"kostanti", "migliore-ambata", "abbinamenti"}) {
    const Uscita h = Esegui(std::string(c) + " --help");
    EXPECT_EQ(h.stato, 0);
    EXPECT_NE(h.testo.find("--archivio"), std::string::npos) << c;
  }
  EXPECT_NE(Esegui("--help").testo.find("migliore-ambata"), std::string::npos);
}

}  // namespace
