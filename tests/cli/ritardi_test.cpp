// ruotario-cli ritardi, run as a process over a temporary archive: the keys,
// the options and their refusals (the figures are the core's).

#include <gtest/gtest.h>

#include "support/EseguiCli.h"

namespace ruotario {
namespace {

using Json = nlohmann::ordered_json;

// Bari k 1..3: 1 out at k 1 and 2, 2 at k 1 only, 90 never. Every other wheel
// 81..85. Beside it a nazionale.txt whose last draw has 7.
const std::string& Archivio() {
  static const prova::CartellaTemporanea cartella;
  static const std::string opzione = [] {
    cartella.Scrivi("nazionale.txt", "01/01/1939|0102030405|\r\n03/01/1939|0607080910|");
    return " --archivio " +
           cartella.Scrivi("estrazioni.txt",
                           prova::TestoArchivio({{1, 2, 3, 4, 5}, {1, 6, 7, 8, 9}, {10, 11, 12, 13, 14}}));
  }();
  return opzione;
}

prova::Uscita Esegui(const std::string& opzioni) { return prova::EseguiCli("ritardi" + Archivio() + " " + opzioni); }
Json JsonDi(const std::string& opzioni) { return prova::JsonCli<Json>("ritardi" + Archivio() + " " + opzioni); }

std::vector<std::string> chiavi(const Json& o) {
  std::vector<std::string> k;
  for (const auto& [chiave, valore] : o.items()) k.push_back(chiave);
  return k;
}

TEST(RitardiCli, JsonKeysOfEveryKind) {
  const auto j = JsonDi("");
  EXPECT_EQ(chiavi(j), (std::vector<std::string>{"Ruota", "Inizio", "Fine", "Ambi", "Tipo", "Estrazioni", "Numeri"}));
  ASSERT_EQ(j["Numeri"].size(), 90u);
  EXPECT_EQ(chiavi(j["Numeri"][0]), (std::vector<std::string>{"Numero", "Frequenza", "RitardoAttuale", "RitardoMassimo",
                                                              "DataUltima", "DataRecord", "Probabilita", "Attesi"}));
  EXPECT_EQ(j["Numeri"][1]["DataUltima"], "01/01/1939");
  EXPECT_EQ(j["Numeri"][89]["DataUltima"], nullptr);

  const auto posto = JsonDi("--posizione 2 --top 1");  // at place 2: 2 at k 1, 6 at k 2, 11 at k 3
  EXPECT_EQ(posto["Numeri"][0]["Posizione"], 2);
  EXPECT_EQ(posto["Numeri"][0]["Numero"], 1);  // never at place 2: 3 draws, ties in number order
  EXPECT_EQ(JsonDi("--ambi --top 1")["Numeri"][0]["Ambo"], "01-10");
  EXPECT_EQ(JsonDi("--terni --top 1")["Numeri"][0]["Terno"], "01-02-06");
  const auto gruppo = JsonDi("--gruppo 2,90 --ruota tutte --top 1");
  EXPECT_EQ(gruppo["Numeri"][0]["Gruppo"], "02,90");
  EXPECT_EQ(gruppo["Numeri"][0]["Ruota"], "Cagliari");  // never out there: 3 draws
  const auto insieme = JsonDi("--ruote-insieme");
  EXPECT_EQ(insieme["Ruota"], "Tutte insieme");
  EXPECT_EQ(insieme["Numeri"][80]["Frequenza"], 3);

  // The last two draws; the Nazionale's draws of 01..03/01/1939.
  EXPECT_EQ(JsonDi("--ultime 2")["Inizio"], 2);
  EXPECT_EQ(JsonDi("--ruota nazionale")["Numeri"][6]["RitardoAttuale"], 0);
  const auto tabellone = JsonDi("--tabellone");
  EXPECT_EQ(tabellone["Estrazioni"].size(), 11u);
  EXPECT_EQ(tabellone["Numeri"].size(), 990u);
}

TEST(RitardiCli, TextTabelloneAndCsv) {
  const std::string testo = Esegui("--tabellone").testo;
  // "*": at its own record. 81 is on the nine other wheels every time, never on Bari or the Nazionale.
  EXPECT_NE(testo.find("  VE    NZ\n  01     1*    3*"), std::string::npos) << testo;
  EXPECT_NE(testo.find("\n  81     3*    0     0 "), std::string::npos) << testo;
  EXPECT_NE(testo.find("0     2*\n  82 "), std::string::npos) << testo;
  EXPECT_EQ(Esegui("--ambi --top 1 --formato csv").testo,
            "Ambo,Frequenza,Rit. Attuale,Rit. Massimo,Ultima uscita,Data record,Probabilità %,Attesi\r\n"
            "01-10,0,3,3,,03/01/1939,99.25,3975.07\r\n");
}

TEST(RitardiCli, RefusedOptions) {
  for (const char* opzioni :
       {"--ruota 11", "--top 0", "--inizio 4", "--ambi --terni", "--posizione 2 --ambi", "--ruota 1 --ruote-insieme",
        "--tabellone --top 3", "--ultime 2 --inizio 1", "--gruppo decina:9", "--posizione 6"})
    EXPECT_EQ(Esegui(opzioni).stato, 2) << opzioni;
  const auto invertito = Esegui("--inizio 3 --fine 2");
  EXPECT_EQ(invertito.stato, 2);
  EXPECT_NE(invertito.errori.find("L'estrazione di inizio (3) è successiva all'estrazione di fine (2)"),
            std::string::npos);
  const auto senza =
      prova::EseguiCli("ritardi --ruota nazionale" + prova::OpzioneArchivio(prova::TestoArchivio({{1, 2, 3, 4, 5}})));
  EXPECT_EQ(senza.stato, 1);
  EXPECT_NE(senza.errori.find("nazionale.txt"), std::string::npos);
}

}  // namespace
}  // namespace ruotario
