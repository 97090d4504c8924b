// ruotario-cli info, verifica, esempio run as a user would.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "app/Versione.h"
#include "support/EseguiCli.h"

using namespace ruotario::prova;

TEST(CliArchivio, InfoInJsonAndText) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("estrazioni.txt", Unisci({kR1, kR2}));
  const Uscita j = EseguiCli("info --archivio " + f + " --formato json");
  ASSERT_EQ(j.stato, 0) << j.testo;
  const auto json = nlohmann::json::parse(j.testo);
  EXPECT_EQ(json["Estrazioni"], 2);
  EXPECT_EQ(json["PrimaData"], "07/01/1939");
  EXPECT_EQ(json["UltimaData"], "14/01/1939");
  EXPECT_EQ(json["Byte"], 244);
  EXPECT_EQ(json["Valido"], true);
  EXPECT_NE(EseguiCli("info --archivio=" + f).testo.find("Estrazioni         2"), std::string::npos);
  // A file that exists but cannot be read is an error, not an empty archive.
  const Uscita illeggibile = EseguiCli("info --archivio /proc/self/mem");
  EXPECT_EQ(illeggibile.stato, 1);
  EXPECT_NE(illeggibile.errori.find("Impossibile leggere l'archivio"), std::string::npos) << illeggibile.errori;
}

TEST(CliArchivio, VerificaExitStatusFollowsTheValidityCheck) {
  CartellaTemporanea dir;
  const Uscita buono = EseguiCli("verifica --archivio " + dir.Scrivi("a.txt", Unisci({kR1, kR2})));
  EXPECT_EQ(buono.stato, 0);
  EXPECT_NE(buono.testo.find("Nessun problema trovato."), std::string::npos);

  const Uscita corto =
      EseguiCli("verifica --formato csv --archivio " + dir.Scrivi("b.txt", Unisci({kR2, kR1.substr(0, 100)})));
  EXPECT_EQ(corto.stato, 1);
  EXPECT_EQ(corto.testo,
            "Riga,Tipo,Problema\r\n2,lunghezza,lunghezza 100 invece di 121\r\n"
            "2,ordine,data 07/01/1939 precedente alla riga prima\r\n");

  // A file in pieces: the first problems, then the totals by kind; stray bytes escaped.
  const Uscita rotto = EseguiCli(
      "verifica --archivio " + dir.Scrivi("c.txt", Unisci(std::vector<std::string>(300, "\x01" + kR1.substr(1, 49)))));
  EXPECT_NE(rotto.testo.find("\nElencati i primi 200 problemi su 600.\n\nTipo       Problemi\nlunghezza       300\n"
                             "data            300\n"),
            std::string::npos)
      << rotto.testo;
  EXPECT_NE(rotto.testo.find("data non valida \"\\x017/01/1939\""), std::string::npos);
  EXPECT_EQ(EseguiCli("verifica --formato csv --archivio " + dir.File("c.txt")).errori,
            "Elencati i primi 200 problemi su 600.\n");
  EXPECT_EQ(EseguiCli("verifica --archivio " + dir.File("manca.txt")).stato, 1);
}

TEST(CliArchivio, EsempioAndUsageErrors) {
  const Uscita e = EseguiCli("esempio --estrazioni 3 --seme 5");
  ASSERT_EQ(e.stato, 0);
  EXPECT_EQ(e.testo.size(), 123u * 3 - 2);
  EXPECT_EQ(e.testo.substr(0, 11), "07/01/1939|");

  const Uscita zero = EseguiCli("esempio --estrazioni 0");
  EXPECT_EQ(zero.stato, 2);
  EXPECT_NE(zero.errori.find("fuori intervallo per --estrazioni"), std::string::npos);
  EXPECT_EQ(EseguiCli("esempio --seme abc").stato, 2);
  EXPECT_EQ(EseguiCli("info --formato xml").stato, 2);
  EXPECT_EQ(EseguiCli("info --sconosciuta").stato, 2);
  EXPECT_EQ(EseguiCli("comando-inesistente").stato, 2);
  EXPECT_EQ(EseguiCli("").stato, 2);
  EXPECT_EQ(EseguiCli("--help").stato, 0);
  EXPECT_EQ(EseguiCli("info --help").stato, 0);
}

TEST(CliArchivio, VersionIsTheOneOfTheAboutWindow) {
  const Uscita v = EseguiCli("--version");
  EXPECT_EQ(v.stato, 0);
  EXPECT_EQ(v.testo, "ruotario-cli " + std::string(ruotario::kVersione) + "\n");
  EXPECT_EQ(ruotario::EtichettaVersione(), "Versione " + v.testo.substr(13, v.testo.size() - 14));
}
