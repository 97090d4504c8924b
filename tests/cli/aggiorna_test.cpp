// ruotario-cli aggiorna: several sources, the JSON summary, a trial, the same
// update twice, the export of nazionale.txt, conflicts and their exit status, errors.
#include <gtest/gtest.h>

#include "support/EseguiCli.h"
#include "support/FontiProva.h"

using namespace ruotario::prova;

TEST(AggiornaCli, MergesSeveralSourcesAndSaysWhatItDid) {
  CartellaTemporanea dir;
  const std::string archivio = dir.Scrivi("estrazioni.txt", kRecA);
  std::filesystem::create_directory(dir.File("fonti"));
  for (const auto& [nome, dati] : kPerRuota) dir.Scrivi("fonti/" + nome, dati);
  const std::string fonti = " --archivio " + archivio + " --da " + dir.File("fonti/BARI.txt") + " --da " +
                            dir.File("fonti/CAGLIARI.txt") + " --da " + dir.File("fonti/NAZIONALE.txt") + " --da " +
                            dir.File("fonti/FIRENZE.txt");
  nlohmann::json j = JsonCli("aggiorna --prova" + fonti);
  EXPECT_EQ(j["Aggiunte"], 2);
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), kRecA);

  j = JsonCli("aggiorna" + fonti);
  EXPECT_EQ(j["Aggiunte"], 2);
  EXPECT_EQ(j["PrimaData"], "14/01/1939");
  EXPECT_EQ(j["UltimaData"], "04/05/2005");
  EXPECT_EQ(j["Conflitti"], 0);
  EXPECT_EQ(j["Scartate"], 0);
  EXPECT_EQ(j["Copia"], dir.File("copiaEstrazioni.txt"));
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), Unisci({kRecA, kRecB, kRecC}));

  const Uscita u = EseguiCli("aggiorna --archivio " + archivio + " --da " + dir.File("fonti"));
  EXPECT_EQ(u.stato, 0) << u.errori;
  EXPECT_NE(u.testo.find("l'archivio è già aggiornato"), std::string::npos) << u.testo;

  // The Nazionale wheel goes with the archive when it is exported.
  std::filesystem::create_directory(dir.File("chiavetta"));
  EXPECT_EQ(EseguiCli("esporta " + dir.File("chiavetta") + " --archivio " + archivio).stato, 0);
  EXPECT_EQ(CartellaTemporanea::Leggi(dir.File("chiavetta/nazionale.txt")), kNazC);
}

TEST(AggiornaCli, ConflictsErrorsAndUsageHaveTheirOwnExitStatus) {
  CartellaTemporanea dir;
  const std::string vecchio = Record("07/01/1939", {1, 2, 3, 4, 5});
  const std::string archivio = dir.Scrivi("estrazioni.txt", vecchio);
  const std::string fonte = " --archivio " + archivio + " --da " + dir.Scrivi("s.csv", kCsv);
  Uscita u = EseguiCli("aggiorna" + fonte);
  EXPECT_EQ(u.stato, 3);
  EXPECT_NE(u.testo.find("nelle fonti: " + kRecA), std::string::npos) << u.testo;
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), vecchio);
  EXPECT_EQ(EseguiCli("aggiorna --sostituisci" + fonte).stato, 0);
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), Unisci({kRecA, kRecB, kRecC}));

  u = EseguiCli("aggiorna --archivio " + archivio + " --da " + dir.Scrivi("p.html", "<html></html>"));
  EXPECT_EQ(u.stato, 1);
  EXPECT_NE(u.testo.find("pagina web"), std::string::npos);
  EXPECT_EQ(EseguiCli("aggiorna --da").stato, 2);
  EXPECT_EQ(EseguiCli("aggiorna --formato csv").stato, 2);
}
