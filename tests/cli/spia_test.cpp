// ruotario-cli spia and zevedive, run as a process over a temporary archive.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

struct Uscita {
  int stato = -1;
  std::string testo;  // stdout and stderr together
};

Uscita Esegui(const std::string& argomenti) {
  const std::string comando = std::string(RUOTARIO_CLI_PATH) + " " + argomenti + " 2>&1";
  Uscita u;
  FILE* p = popen(comando.c_str(), "r");
  if (!p) return u;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) u.testo.append(buf, n);
  const int s = pclose(p);
  u.stato = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
  return u;
}

class SpiaCli : public ::testing::Test {
 protected:
  void SetUp() override {
    percorso_ = std::filesystem::temp_directory_path() / "ruotario-cli-spia-test.txt";
    // Bari: 5 at r1 and r4 (place 3), followed by 17; r3 closes the first case.
    std::ofstream(percorso_, std::ios::binary) << prova::TestoArchivio(
        {{1, 2, 5, 3, 4}, {17, 20, 21, 22, 23}, {5, 30, 31, 32, 33}, {5, 40, 41, 42, 43}, {17, 50, 51, 52, 53}});
  }
  void TearDown() override { std::filesystem::remove(percorso_); }
  std::string Archivio() const { return "--archivio " + percorso_.string(); }
  std::filesystem::path percorso_;
};

TEST_F(SpiaCli, JsonCarriesTotalsAndRowsInNumberOrder) {
  const Uscita u = Esegui("spia " + Archivio() + " --spia 5 --colpi 1 --formato json");
  ASSERT_EQ(u.stato, 0) << u.testo;
  const auto j = nlohmann::json::parse(u.testo);
  EXPECT_EQ(j["TotaleEstrazioni"], 5);  // short archive: the span starts at record 1
  EXPECT_EQ(j["CasiGiocabili"], 2);
  ASSERT_EQ(j["Numeri"].size(), 90u);
  EXPECT_EQ(j["Numeri"][16]["Numero"], 17);
  EXPECT_EQ(j["Numeri"][16]["Sortite"], 2);
  EXPECT_DOUBLE_EQ(j["Numeri"][16]["Percentuale"].get<double>(), 100.0);
  EXPECT_EQ(j["Numeri"][16]["RitardoRel"], 0);
  EXPECT_EQ(j["Numeri"][19]["RitardoRel"], 1);
  EXPECT_EQ(j["Numeri"][0]["Numero"], 1);
  EXPECT_EQ(j["Numeri"][89]["Numero"], 90);
}

TEST_F(SpiaCli, TextAndCsvShowTheGridColumns) {
  Uscita u = Esegui("spia " + Archivio() + " --spia 5 --colpi 1 --inizio 2 --fine 5");
  ASSERT_EQ(u.stato, 0) << u.testo;
  EXPECT_NE(u.testo.find("Totale Estrazioni: 4\n"), std::string::npos) << u.testo;
  EXPECT_NE(u.testo.find("Casi Giocabili: 1\n"), std::string::npos);  // r3 now opens the case
  EXPECT_NE(u.testo.find("Numero  Sortite  %Esiti Vin.  Ritar. Rel."), std::string::npos);
  EXPECT_NE(u.testo.find("    40        1      100.000            0"), std::string::npos) << u.testo;

  u = Esegui("spia " + Archivio() + " --spia 5 --colpi 1 --formato csv");
  ASSERT_EQ(u.stato, 0);
  EXPECT_EQ(u.testo.substr(0, 42), "Numero,Sortite,%Esiti Vin.,Ritar. Rel.\r\n01");
  EXPECT_NE(u.testo.find("17,2,100.000,0\r\n"), std::string::npos);
}

TEST_F(SpiaCli, KindsPositionsAndCombinations) {
  auto casi = [&](const std::string& opzioni) {
    const Uscita u = Esegui("spia " + Archivio() + " --colpi 1 --formato json " + opzioni);
    EXPECT_EQ(u.stato, 0) << opzioni << "\n" << u.testo;
    return u.stato == 0 ? nlohmann::json::parse(u.testo)["CasiGiocabili"].get<int>() : -1;
  };
  EXPECT_EQ(casi("--spia 5 --posizione 3"), 1);
  EXPECT_EQ(casi("--spia 5 --posizione 1"), 1);  // r3 opens the case, r4 is watched
  EXPECT_EQ(casi("--tipo ambo --spia 1,2"), 1);
  EXPECT_EQ(casi("--tipo ambo --spia 1,17 --combinazione xor"), 2);
  EXPECT_EQ(casi("--tipo terno --spia 1,2,3 --combinazione and"), 1);
  EXPECT_EQ(casi("--tipo terno --spia 1,2,90 --combinazione or"), 1);
  EXPECT_EQ(casi("--tipo cadenza --spia 3 --posizione 4"), 1);
  EXPECT_EQ(casi("--tipo somma --spia 3 --posizione 1-2"), 1);
  EXPECT_EQ(casi("--tipo distanza --spia 89 --posizione 2-5"), 0);
  EXPECT_EQ(casi("--tipo ciclometrica --spia 1"), 2);
  EXPECT_EQ(casi("--ruota Cagliari --spia 5"), 0);
}

TEST_F(SpiaCli, BadOptionsExitWithStatusTwo) {
  const char* errati[] = {
      "--tipo quaterna",
      "--spia 91",
      "--tipo cadenza --spia 10",
      "--tipo ambo --spia 5",
      "--spia 5,6",
      "--colpi 21",
      "--colpi 0",
      "--inizio 6",
      "--fine 0",
      "--posizione 6",
      "--tipo somma --posizione 3",
      "--tipo somma --posizione 3-2",
      "--tipo ambo --spia 1,2 --posizione 1",
      "--combinazione xor",
      "--tipo ambo --spia 1,2 --combinazione nand",
      "--ruota Atlantide",
      "--formato xml",
      "--sconosciuta",
  };
  for (const char* opzioni : errati) {
    const Uscita u = Esegui("spia " + Archivio() + " " + opzioni);
    EXPECT_EQ(u.stato, 2) << opzioni << "\n" << u.testo;
    EXPECT_NE(u.testo.find("ruotario-cli spia: "), std::string::npos) << opzioni;
  }
  const Uscita mancante = Esegui("spia --archivio /nonexistent/estrazioni.txt");
  EXPECT_EQ(mancante.stato, 1);
  EXPECT_NE(mancante.testo.find("Archivio non trovato"), std::string::npos);
}

TEST_F(SpiaCli, ZevediveOverTheArchive) {
  const Uscita u = Esegui("zevedive " + Archivio() + " --colpi 1 --formato json");
  ASSERT_EQ(u.stato, 0) << u.testo;
  const auto j = nlohmann::json::parse(u.testo);
  EXPECT_EQ(j["EstrazioneSpia"], 5);
  EXPECT_EQ(j["Inizio"], 1);
  EXPECT_EQ(j["Fine"], 4);
  // Of the fifteen spies only 17 occurs before record 5 (at r2, watched r3):
  // its two best are 05 and 30; the other studies give 01 and 02 with 0.
  EXPECT_EQ(j["Spie"][0], 17);
  ASSERT_EQ(j["Numeri"].size(), 90u);
  EXPECT_EQ(j["Numeri"][0]["SommaSortite"], 0);
  EXPECT_TRUE(j["Numeri"][2]["SommaSortite"].is_null());
  EXPECT_EQ(j["Numeri"][4]["SommaSortite"], 1);
  EXPECT_EQ(j["Numeri"][29]["SommaSortite"], 1);
  EXPECT_TRUE(j["Numeri"][30]["SommaSortite"].is_null());
  EXPECT_EQ(j["MiglioriConvergenze"].size(), 3u);

  const char* errati[] = {"--top 0", "--top 91", "--top 3 --tutti", "--velocita 3", "--estrazione 6", "--colpi 21"};
  for (const char* opzioni : errati) {
    const Uscita e = Esegui("zevedive " + Archivio() + " " + opzioni);
    EXPECT_EQ(e.stato, 2) << opzioni << "\n" << e.testo;
  }
}

}  // namespace
}  // namespace ruotario
