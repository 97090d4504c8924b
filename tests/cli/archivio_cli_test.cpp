// ruotario-cli info, verifica, esempio run as a user would.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>

#include "../archive/TestArchivio.h"

using namespace ruotario::prova;

namespace {

struct Uscita {
  int stato = -1;
  std::string testo;
};

Uscita esegui(const std::string& argomenti) {
  Uscita u;
  const std::string comando = std::string(RUOTARIO_CLI_PATH) + " " + argomenti + " 2>&1";
  FILE* p = ::popen(comando.c_str(), "r");
  if (!p) return u;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) u.testo.append(buf, n);
  const int s = ::pclose(p);
  u.stato = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
  return u;
}

const std::string kR1 = RecordBari("07/01/1939", {58, 22, 47, 49, 69});
const std::string kR2 = RecordBari("14/01/1939", {18, 77, 33, 62, 19});

}  // namespace

TEST(CliArchivio, InfoInJsonAndText) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("estrazioni.txt", Unisci({kR1, kR2}));
  const Uscita j = esegui("info --archivio " + f + " --formato json");
  ASSERT_EQ(j.stato, 0) << j.testo;
  const auto json = nlohmann::json::parse(j.testo);
  EXPECT_EQ(json["Estrazioni"], 2);
  EXPECT_EQ(json["PrimaData"], "07/01/1939");
  EXPECT_EQ(json["UltimaData"], "14/01/1939");
  EXPECT_EQ(json["Byte"], 244);
  EXPECT_EQ(json["Valido"], true);
  const Uscita t = esegui("info --archivio=" + f);
  EXPECT_EQ(t.stato, 0);
  EXPECT_NE(t.testo.find("Estrazioni         2"), std::string::npos) << t.testo;
}

TEST(CliArchivio, VerificaExitStatusFollowsTheValidityCheck) {
  CartellaTemporanea dir;
  const Uscita buono = esegui("verifica --archivio " + dir.Scrivi("a.txt", Unisci({kR1, kR2})));
  EXPECT_EQ(buono.stato, 0);
  EXPECT_NE(buono.testo.find("Nessun problema trovato."), std::string::npos);

  const Uscita corto =
      esegui("verifica --formato csv --archivio " + dir.Scrivi("b.txt", Unisci({kR2, kR1.substr(0, 100)})));
  EXPECT_EQ(corto.stato, 1);
  EXPECT_EQ(corto.testo,
            "Riga,Tipo,Problema\r\n2,lunghezza,lunghezza 100 invece di 121\r\n"
            "2,ordine,data 07/01/1939 precedente alla riga prima\r\n");

  EXPECT_EQ(esegui("verifica --archivio " + dir.File("manca.txt")).stato, 1);
}

TEST(CliArchivio, EsempioAndUsageErrors) {
  const Uscita e = esegui("esempio --estrazioni 3 --seme 5");
  ASSERT_EQ(e.stato, 0);
  EXPECT_EQ(e.testo.size(), 123u * 3 - 2);
  EXPECT_EQ(e.testo.substr(0, 11), "07/01/1939|");
  EXPECT_EQ(esegui("esempio --estrazioni 3 --seme 5").testo, e.testo);

  const Uscita zero = esegui("esempio --estrazioni 0");
  EXPECT_EQ(zero.stato, 2);
  EXPECT_NE(zero.testo.find("fuori intervallo per --estrazioni"), std::string::npos);
  EXPECT_EQ(esegui("esempio --seme abc").stato, 2);
  EXPECT_EQ(esegui("info --formato xml").stato, 2);
  EXPECT_EQ(esegui("info --sconosciuta").stato, 2);
  EXPECT_EQ(esegui("comando-inesistente").stato, 2);
  EXPECT_EQ(esegui("").stato, 2);
  EXPECT_EQ(esegui("--help").stato, 0);
  EXPECT_EQ(esegui("info --help").stato, 0);
}
