// Reading the published archives: every format gives the same records, every
// faulty line is rejected and its date left out, and what is not an archive
// of the draws is told apart.
#include "update/FontiPubblicate.h"

#include <gtest/gtest.h>

#include "support/FontiProva.h"
#include "update/UnioneArchivio.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

std::vector<std::string> record(const std::vector<RecordFonte>& r) {
  std::vector<std::string> t;
  for (const auto& x : r) t.push_back(x.Record);
  return t;
}

LetturaFonti leggi(const std::vector<std::pair<std::string, std::string>>& file) {
  LetturaFonti l;
  for (const auto& [nome, dati] : file) EXPECT_TRUE(LeggiFonte(nome, dati, l)) << nome << ": " << l.Errore;
  ConcludiLettura(l);
  return l;
}

}  // namespace

TEST(FontiPubblicate, EveryFormatGivesTheSameRecords) {
  auto conLeggimi = kPerRuota;
  conLeggimi.push_back({"LEGGIMI.txt", "Archivio delle estrazioni del Lotto.\n"});
  const std::vector<std::vector<std::pair<std::string, std::string>>> fonti = {
      {{"storico.txt", kStorico}}, kPerRuota, {{"estrazioni.csv", kCsv}}, {{"storico.zip", Zip(conLeggimi)}}};
  for (const auto& f : fonti) {
    const LetturaFonti l = leggi(f);
    EXPECT_EQ(record(RecordArchivio(l)), (std::vector<std::string>{kRecA, kRecB, kRecC})) << f.front().first;
    EXPECT_EQ(record(RecordNazionale(l)), std::vector<std::string>{kNazC}) << f.front().first;
    EXPECT_EQ(l.Scartate + l.Ripetute + l.ContaSospette, 0);
  }
  // Ruotario's own layout, with a wheel typed with a number left empty ("00").
  const std::string conVuoto = Record("21/01/1939", {7, 0, 9, 10, 11});
  const LetturaFonti l = leggi({{"estrazioni.txt", Unisci({kRecA, kRecB, kRecC, conVuoto})}});
  EXPECT_EQ(record(RecordArchivio(l)), (std::vector<std::string>{kRecA, kRecB, conVuoto, kRecC}));
  EXPECT_EQ(RiconosciFormato(kCsv), FormatoFonte::Csv);
}

TEST(FontiPubblicate, RejectsEveryFaultyLineAndLeavesItsDateOut) {
  const LetturaFonti l = leggi({{"storico.txt",
                                 "1939/01/07\tBA\t58\t22\t47\t49\t69\n"
                                 "1939/01/07\tBA\t58\t22\t47\t49\t69\n"  // exact repeat: skipped
                                 "1939/01/14\tBA\t18\t77\t33\t62\n"      // four numbers
                                 "1939/02/30\tBA\t1\t2\t3\t4\t5\n"       // no such day
                                 "1939/01/21\tBA\t91\t2\t3\t4\t5\n"      // above 90
                                 "1939/01/28\tBA\t5\t5\t3\t4\t6\n"       // repeated on the wheel
                                 "1939/02/04\tBA\t1\t2\t3\t4\t5\n"       // twice, different numbers
                                 "1939/02/04\tBA\t1\t2\t3\t4\t6\n"
                                 "1939/01/28\tCA\t1\t2\t3\t4\t5\n"      // out of order, and its date had a fault
                                 "1939/01/10\tCA\t1\t2\t3\t4\t5\n"}});  // out of order: merged
  EXPECT_EQ(l.ScartiPerTipo, (std::array<int, kTipiScarto>{1, 1, 1, 1, 2}));
  EXPECT_EQ(l.Scartate, 6);
  EXPECT_EQ(l.Ripetute, 1);
  EXPECT_EQ(l.ContaSospette, 2);
  ASSERT_EQ(l.Scarti.size(), 6u);
  EXPECT_EQ(l.Scarti[0].Riga, 3);
  EXPECT_EQ(l.Scarti[0].Testo, "1939/01/14\\tBA\\t18\\t77\\t33\\t62");
  std::vector<std::string> date;
  for (const auto& r : RecordArchivio(l)) date.push_back(r.Record.substr(0, 10));
  EXPECT_EQ(date, (std::vector<std::string>{"07/01/1939", "10/01/1939"}));
}

TEST(FontiPubblicate, TellsWhatIsNotAnArchive) {
  const std::string zip = Zip(kPerRuota);
  const std::pair<std::string, std::string> casi[] = {
      {"<!DOCTYPE html>\n<html><body>Pagina non trovata</body></html>", "pagina web (HTML)"},
      {"", "è vuoto"},
      {" \r\n\r\n", "è vuoto"},
      {"Elenco della spesa\npane\n", "formato conosciuto"},
      {Zip({{"LEGGIMI.txt", "niente"}}), "non contiene un file di estrazioni"},
      {zip.substr(0, zip.size() / 2), "danneggiato o incompleto"},
      {"2024/01/02\tSE\t1\t2\t3\t4\t5\t6\n2024/01/04\tSE\t7\t8\t9\t10\t11\t12\n", "un altro gioco"},
  };
  for (const auto& [dati, messaggio] : casi) {
    LetturaFonti l;
    EXPECT_FALSE(LeggiFonte("fonte", dati, l));
    EXPECT_NE(l.Errore.find(messaggio), std::string::npos) << l.Errore;
  }
}
