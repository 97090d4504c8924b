// ruotario-cli importa and esporta run as a user would.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/EseguiCli.h"

using namespace ruotario::prova;
namespace fs = std::filesystem;

TEST(CliTrasferimento, ImportaWithBackupAndConsentForBrokenFiles) {
  CartellaTemporanea dir;
  fs::create_directories(dir.File("app"));
  const std::string archivio = dir.Scrivi("app/estrazioni.txt", Unisci({kR1, kR2}));
  const std::string nuovo = dir.Scrivi("estrazioni-nuove.txt", Unisci({kR1, kR2, kR3}));
  const Uscita u = EseguiCli("importa " + nuovo + " --archivio " + archivio);
  ASSERT_EQ(u.stato, 0) << u.errori;
  EXPECT_EQ(u.testo,
            "Importazione avvenuta con successo. E' stata creata una copia di riserva del vecchio archivio dati nel "
            "file: " +
                dir.File("app/copiaEstrazioni.txt") + "\nEstrazioni: 3, ultima del 21/01/1939\n");
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), Unisci({kR1, kR2, kR3}));
  EXPECT_EQ(CartellaTemporanea::Leggi(dir.File("app/copiaEstrazioni.txt")), Unisci({kR1, kR2}));

  const std::string rotto = dir.Scrivi("rotto.txt", kR1.substr(0, 50));
  const Uscita rifiutato = EseguiCli("importa --archivio " + archivio + " " + rotto);
  EXPECT_EQ(rifiutato.stato, 1);
  EXPECT_NE(rifiutato.errori.find("usare --forza"), std::string::npos);
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), Unisci({kR1, kR2, kR3}));
  EXPECT_EQ(EseguiCli("importa --forza --archivio " + archivio + " " + rotto).stato, 0);
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), kR1.substr(0, 50));

  EXPECT_EQ(EseguiCli("importa " + archivio + " --archivio " + archivio).stato, 1);
  EXPECT_EQ(EseguiCli("importa --archivio " + archivio).stato, 2);
}

TEST(CliTrasferimento, EsportaAsksForOverwriteByFlag) {
  CartellaTemporanea dir;
  const std::string archivio = dir.Scrivi("estrazioni.txt", Unisci({kR1, kR2}));
  fs::create_directories(dir.File("penna"));
  const std::string copia = dir.File("penna/estrazioni.txt");
  const Uscita u = EseguiCli("esporta " + dir.File("penna") + " --archivio " + archivio);
  ASSERT_EQ(u.stato, 0) << u.errori;
  EXPECT_EQ(u.testo, "File estrazioni copiato con successo in: " + copia + "\n");
  EXPECT_EQ(CartellaTemporanea::Leggi(copia), Unisci({kR1, kR2}));

  dir.Scrivi("penna/estrazioni.txt", "vecchia");
  const Uscita gia = EseguiCli("esporta " + dir.File("penna") + " --archivio " + archivio);
  EXPECT_EQ(gia.stato, 1);
  EXPECT_NE(gia.errori.find("usare --sovrascrivi"), std::string::npos);
  EXPECT_EQ(CartellaTemporanea::Leggi(copia), "vecchia");
  EXPECT_EQ(EseguiCli("esporta --sovrascrivi " + dir.File("penna") + " --archivio " + archivio).stato, 0);
  EXPECT_EQ(CartellaTemporanea::Leggi(copia), Unisci({kR1, kR2}));

  EXPECT_EQ(EseguiCli("esporta " + dir.File("manca") + " --archivio " + archivio).stato, 1);
  EXPECT_EQ(EseguiCli("esporta --archivio " + archivio).stato, 2);
}
