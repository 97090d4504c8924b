// ruotario-cli importa and esporta run as a user would: the core's import and
// export behind them, here their flags, messages and exit statuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/EseguiCli.h"

using namespace ruotario::prova;
namespace fs = std::filesystem;

TEST(CliTrasferimento, ImportaWithBackupAndConsentForBrokenFiles) {
  CartellaTemporanea dir;
  fs::create_directories(dir.File("app"));
  const std::string archivio = dir.Scrivi("app/estrazioni.txt", Unisci({kR1, kR2}));
  const std::string opzione = " --archivio " + archivio;
  const Uscita u = EseguiCli("importa " + dir.Scrivi("nuove.txt", Unisci({kR1, kR2, kR3})) + opzione);
  ASSERT_EQ(u.stato, 0) << u.errori;
  EXPECT_TRUE(u.testo.ends_with(dir.File("app/copiaEstrazioni.txt") + "\nEstrazioni: 3, ultima del 21/01/1939\n"));

  const std::string rotto = dir.Scrivi("rotto.txt", kR1.substr(0, 50));
  const Uscita rifiutato = EseguiCli("importa" + opzione + " " + rotto);
  EXPECT_EQ(rifiutato.stato, 1);
  EXPECT_NE(rifiutato.errori.find("usare --forza"), std::string::npos);
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), Unisci({kR1, kR2, kR3}));
  EXPECT_EQ(EseguiCli("importa --forza" + opzione + " " + rotto).stato, 0);
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), kR1.substr(0, 50));
  EXPECT_EQ(EseguiCli("importa " + archivio + opzione).stato, 1);
  EXPECT_EQ(EseguiCli("importa" + opzione).stato, 2);
}

TEST(CliTrasferimento, EsportaAsksForOverwriteByFlag) {
  CartellaTemporanea dir;
  const std::string archivio = dir.Scrivi("estrazioni.txt", Unisci({kR1, kR2}));
  fs::create_directories(dir.File("penna"));
  const std::string copia = dir.Scrivi("penna/estrazioni.txt", "vecchia");
  const std::string esporta = "esporta " + dir.File("penna") + " --archivio " + archivio;
  const Uscita gia = EseguiCli(esporta);
  EXPECT_EQ(gia.stato, 1);
  EXPECT_NE(gia.errori.find("usare --sovrascrivi"), std::string::npos);
  EXPECT_EQ(CartellaTemporanea::Leggi(copia), "vecchia");
  EXPECT_EQ(EseguiCli(esporta + " --sovrascrivi").stato, 0);
  EXPECT_EQ(CartellaTemporanea::Leggi(copia), Unisci({kR1, kR2}));
  EXPECT_EQ(EseguiCli("esporta " + dir.File("manca") + " --archivio " + archivio).stato, 1);
  EXPECT_EQ(EseguiCli("esporta --archivio " + archivio).stato, 2);
}
