// ruotario-cli filtra: pasted pages filtered, shown and appended as a user would.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "app/NumeriLotto.h"
#include "support/EseguiCli.h"
#include "support/PagineProva.h"

using namespace ruotario::prova;

TEST(CliFiltra, PageFromFileOrStandardInput) {
  // Every page's draw is the filter's own test; here the three outputs.
  const Uscita t = EseguiCli("filtra " + PercorsoPagina("televideo.txt"));
  ASSERT_EQ(t.stato, 0) << t.errori;
  EXPECT_TRUE(t.testo.starts_with("Data: 10/01/2026\nRuota       1   2   3   4   5\n")) << t.testo;
  EXPECT_NE(t.testo.find("\nBari       23  45  08  67  11\n"), std::string::npos) << t.testo;

  const Uscita j = EseguiCli("filtra --formato json < " + PercorsoPagina("agenzia.txt"));
  ASSERT_EQ(j.stato, 0);
  const auto json = nlohmann::json::parse(j.testo);
  EXPECT_EQ(json["Data"], "10/01/2026");
  EXPECT_EQ(json["Completa"], true);
  EXPECT_EQ(json["Ruote"]["Torino"], nlohmann::json({57, 24, 69, 15, 40}));
  EXPECT_TRUE(json["Mancanze"].empty());

  const Uscita csv = EseguiCli("filtra --formato csv - < " + PercorsoPagina("messaggio.txt"));
  EXPECT_TRUE(
      csv.testo.starts_with("Data,Ruota,1,2,3,4,5\r\n10/01/2026,Nazionale,,,,,\r\n"
                            "10/01/2026,Bari,23,45,08,67,11\r\n"))
      << csv.testo;
}

TEST(CliFiltra, IncompleteDrawNamesWhatIsMissing) {
  CartellaTemporanea dir;
  const Uscita u = EseguiCli("filtra " + dir.Scrivi("p.txt", "Bari 1 2 3\nNazionale 4\n"));
  EXPECT_EQ(u.stato, 1);
  EXPECT_TRUE(
      u.errori.starts_with("Estrazione incompleta: manca la data; ruota di Bari incompleta (4 numeri su "
                           "5); manca la ruota di Cagliari; manca la ruota di Firenze;"))
      << u.errori;
  EXPECT_TRUE(u.errori.ends_with("; manca la ruota di Torino; manca la ruota di Venezia.\n")) << u.errori;
  EXPECT_NE(u.testo.find("Data: non trovata\n"), std::string::npos) << u.testo;
  EXPECT_NE(u.testo.find("\nBari       01  02  03  04\n"), std::string::npos) << u.testo;

  EXPECT_EQ(EseguiCli("filtra " + dir.File("manca.txt")).stato, 1);
  EXPECT_EQ(EseguiCli("filtra --forza < /dev/null").stato, 2);
  EXPECT_EQ(EseguiCli("filtra < /dev/null").stato, 1);
}

TEST(CliFiltra, AccodaAppendsOnlyALaterCompleteDraw) {
  CartellaTemporanea dir;
  const std::string archivio = dir.Scrivi("estrazioni.txt", Unisci({kR1, kR2, kR3}));
  const std::string opzioni = " --archivio " + archivio;

  const Uscita u = EseguiCli("filtra --accoda" + opzioni + " " + PercorsoPagina("televideo.txt"));
  ASSERT_EQ(u.stato, 0) << u.errori;
  EXPECT_NE(u.testo.find("\nAccodata come estrazione num. 4:\n" + kRecordPagine + "\n"), std::string::npos) << u.testo;
  const std::string dopo = Unisci({kR1, kR2, kR3, kRecordPagine});
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), dopo);

  // The same draw again is not later than the last one.
  const Uscita ancora = EseguiCli("filtra --accoda" + opzioni + " " + PercorsoPagina("agenzia.txt"));
  EXPECT_EQ(ancora.stato, 1);
  EXPECT_NE(ancora.errori.find("la data 10/01/2026 non è successiva"), std::string::npos) << ancora.errori;
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), dopo);

  // Incomplete, forced: 00 in the missing places.
  const std::string corta = dir.Scrivi("corta.txt", "13/01/2026\nBari 1 2 3\n");
  const Uscita forzata = EseguiCli("filtra --accoda --forza --formato json" + opzioni + " " + corta);
  ASSERT_EQ(forzata.stato, 0) << forzata.errori;
  EXPECT_EQ(nlohmann::json::parse(forzata.testo)["Accodata"]["Numero"], 5);
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), Unisci({dopo, Record("13/01/2026", {1, 2, 3})}));

  // A text without a date is never appended; neither is anything to a missing archive.
  const std::string senzaData = dir.Scrivi("senza.txt", "Bari 1 2 3 4 5\n");
  EXPECT_EQ(EseguiCli("filtra --accoda --forza" + opzioni + " " + senzaData).stato, 1);
  const Uscita manca =
      EseguiCli("filtra --accoda --archivio " + dir.File("nuovo.txt") + " " + PercorsoPagina("agenzia.txt"));
  EXPECT_EQ(manca.stato, 1);
  EXPECT_NE(manca.errori.find("Archivio non trovato"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.File("nuovo.txt")));
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio).size(), 123u * 5 - 2);
}

TEST(CliFiltra, AccodaRefusesDrawsThatCannotBeReal) {
  CartellaTemporanea dir;
  const std::string archivio = dir.Scrivi("estrazioni.txt", Unisci({kR1, kR2, kR3}));
  std::string ruote;  // ten distinct wheels
  for (int r = 0; r < 10; ++r)
    ruote += std::string(ruotario::kNomiRuote[r]) + " " + std::to_string(r * 5 + 1) + " 81 82 83 84\n";
  // page, what the refusal names ("" when appended)
  const std::pair<std::string, std::string> casi[] = {
      {"Menu: Bari Cagliari Firenze Genova Milano Napoli Palermo Roma Torino Venezia\n" + ruote,
       "le ruote di Bari, Cagliari, Firenze, Genova, Milano, Napoli, Palermo, Roma, Torino e Venezia hanno gli "
       "stessi cinque numeri"},
      {ruote.substr(0, ruote.find("Venezia")), "incompleta"},
      {ruote, ""},
  };
  int data = 1;
  for (const auto& [testo, rifiuto] : casi) {
    const std::string prima = CartellaTemporanea::Leggi(archivio);
    const std::string pagina = dir.Scrivi("p.txt", DataProva(data++, 2030) + "\n" + testo);
    const Uscita u = EseguiCli("filtra --accoda --archivio " + archivio + " " + pagina);
    EXPECT_EQ(u.stato, rifiuto.empty() ? 0 : 1) << u.errori;
    EXPECT_NE(u.errori.find(rifiuto), std::string::npos) << u.errori;
    EXPECT_EQ(CartellaTemporanea::Leggi(archivio).size(), prima.size() + (rifiuto.empty() ? 123 : 0)) << testo;
  }
  const std::string menu = dir.Scrivi("menu.txt", "10/01/2031\nBari Roma\n" + ruote);
  EXPECT_EQ(EseguiCli("filtra --accoda --forza --archivio " + archivio + " " + menu).stato, 0);  // forced
}
