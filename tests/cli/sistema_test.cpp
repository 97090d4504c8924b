// ruotario-cli sistema, run as a process: the options, the formats, and the
// output of one subcommand read back by the next.

#include <gtest/gtest.h>

#include "support/EseguiCli.h"

namespace ruotario {
namespace {

using Json = nlohmann::ordered_json;

TEST(SistemaCli, ReduceDevelopAndReadBack) {
  const Json r = prova::JsonCli<Json>("sistema riduci --numeri 11-17 --per 3");
  EXPECT_EQ(r["Conta"], 7);
  EXPECT_EQ(r["Verificata"], true);
  EXPECT_EQ(r["Combinazioni"], 21);
  EXPECT_EQ(r["LimiteInferiore"], 7);
  EXPECT_EQ(r["Ottimo"], true);
  ASSERT_EQ(r["Colonne"].size(), 7u);
  EXPECT_EQ(r["Colonne"][0].size(), 3u);

  // The text is the tickets one a line under '#' notes: it reads back as a system.
  const std::string cli = RUOTARIO_CLI_PATH;
  const Json g = prova::JsonCli<Json>("sistema sviluppa --numeri 1-6 --per 4 | " + cli + " sistema garanzia -");
  ASSERT_EQ(g["Garanzie"].size(), 5u);
  EXPECT_EQ(g["Garanzie"][3]["Sorte"], 4);
  EXPECT_EQ(g["Colonne"].size(), 15u);

  const prova::Uscita testo = prova::EseguiCli("sistema sviluppa --numeri 1-4 --per 3 --posta 0,50");
  EXPECT_EQ(testo.testo,
            "# Sviluppo integrale di 4 numeri in colonne da 3: 4 colonne, costo 2.00 (posta 0.50 per colonna)\n"
            "# Garanzia terno se escono 3 numeri: garanzia verificata su tutte le 4 combinazioni\n"
            "1 2 3\n1 2 4\n1 3 4\n2 3 4\n");
  EXPECT_EQ(prova::EseguiCli("sistema sviluppa --numeri 1-4 --per 3 --formato csv").testo,
            "Colonna,N1,N2,N3\r\n1,1,2,3\r\n2,1,2,4\r\n3,1,3,4\r\n4,2,3,4\r\n");

  // One guarantee asked for: exit status 1 with the case that denies it.
  const prova::Uscita no =
      prova::EseguiCli("sistema sviluppa --numeri 1-5 --per 3 | " + cli + " sistema garanzia --garanzia 3 --se 3");
  EXPECT_EQ(no.stato, 0);
  const prova::Uscita si = prova::EseguiCli("sistema riduci --numeri 1-7 --per 3 | " + cli +
                                            " sistema garanzia --garanzia 3 --se 3 --numeri 1-7");
  EXPECT_EQ(si.stato, 1);
  EXPECT_EQ(si.testo.rfind("Garanzia terno se escono 3 numeri: garanzia non rispettata: nessuna colonna copre ", 0),
            0u);
  EXPECT_EQ(prova::EseguiCli("sistema garanzia --garanzia 2 < /dev/null").stato, 1);
  EXPECT_EQ(prova::EseguiCli("sistema riduci --numeri 1-45 --per 5").stato, 2);
  EXPECT_EQ(prova::EseguiCli("sistema scomponi").stato, 2);
}

TEST(SistemaCli, SpoglioOnAnArchive) {
  // Bari 1 2 in the first draw, 1 2 3 in the second; the other wheels 81..85.
  const std::string archivio =
      prova::OpzioneArchivio(prova::TestoArchivio({{1, 2, 10, 11, 12}, {1, 2, 3, 40, 41}, {30, 31, 32, 33, 34}}));
  const std::string cli = RUOTARIO_CLI_PATH;
  const Json j = prova::JsonCli<Json>("sistema sviluppa --numeri 1-3 --per 3 | " + cli + " sistema spoglio" + archivio +
                                      " --colpi 2 --sorti 2");
  EXPECT_EQ(j["Colpi"], 3);
  EXPECT_EQ(j["Giocate"].size(), 2u);
  EXPECT_EQ(j["Premi"]["Ritenuta"], 0.08);
  // Ambo of {1 2 3} on Bari: 250 / 3, then 250 for the terno's three ambi.
  EXPECT_DOUBLE_EQ(j["Totale"]["Lordo"].get<double>(), 250.0 / 3 + 250);
  EXPECT_EQ(j["PerColonna"][0]["Sorti"][0]["Vincite"], 2);
  EXPECT_EQ(j["Colonne"], Json::parse("[[1,2,3]]"));

  const prova::Uscita senza = prova::EseguiCli("sistema sviluppa --numeri 1-3 --per 3 | " + cli +
                                               " sistema spoglio --premi /non/esiste" + archivio);
  EXPECT_EQ(senza.stato, 1);
  EXPECT_NE(senza.errori.find("Premi non disponibili"), std::string::npos);
}

}  // namespace
}  // namespace ruotario
