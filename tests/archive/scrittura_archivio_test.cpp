#include "archive/ScritturaArchivio.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "archive/ArchivioEstrazioni.h"
#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {
const std::string kNuovo = RecordBari("28/01/1939", {1, 2, 3, 4, 5});

CelleRuote celleComplete() {
  CelleRuote c;
  for (auto& ruota : c)
    for (int k = 0; k < 5; ++k) ruota[static_cast<std::size_t>(k)] = std::to_string(10 + k);
  return c;
}
}  // namespace

TEST(ComponiRecord, NormalisesCellsAndFlagsErrors) {
  CelleRuote c = celleComplete();
  c[0] = {"5", "12", "", "91", "90"};
  const RecordComposto r = ComponiRecord({5, 1, 1999}, c);
  EXPECT_TRUE(r.Errore);
  ASSERT_EQ(r.Record.size(), 121u);
  EXPECT_EQ(r.Record.substr(0, 11), "05/01/1999|");
  EXPECT_EQ(r.Record.substr(11, 10), "0512000090");
  EXPECT_EQ(r.Record.substr(21, 12), "|1011121314|");
  EXPECT_EQ(r.Record.back(), '|');
  EXPECT_EQ(c[0], (std::array<std::string, 5>{"05", "12", "00", "00", "90"}));
}

TEST(ComponiRecord, CleanGridAndOverlongTexts) {
  CelleRuote c = celleComplete();
  EXPECT_FALSE(ComponiRecord({31, 12, 2025}, c).Errore);
  c[9][4] = "0";
  EXPECT_TRUE(ComponiRecord({31, 12, 2025}, c).Errore);
  EXPECT_EQ(c[9][4], "00");
  c[9][4] = "050";  // keeps the fixed layout
  const RecordComposto r = ComponiRecord({31, 12, 2025}, c);
  EXPECT_FALSE(r.Errore);
  EXPECT_EQ(r.Record.size(), 121u);
  EXPECT_EQ(r.Record.substr(110, 11),
            "101112135"
            "0|");
  c[9][4] = "100";
  EXPECT_TRUE(ComponiRecord({31, 12, 2025}, c).Errore);
  EXPECT_EQ(c[9][4], "00");
}

TEST(AccodaRecord, AppendsWithoutEverMakingAnEmptyRecord) {
  CartellaTemporanea dir;
  const std::string tre = dir.Scrivi("tre.txt", Unisci({kR1, kR2, kR3}));
  ASSERT_TRUE(AccodaRecord(tre, kNuovo));
  EXPECT_EQ(CartellaTemporanea::Leggi(tre), Unisci({kR1, kR2, kR3, kNuovo}));
  EXPECT_EQ(CartellaTemporanea::Leggi(tre).size(), 123u * 4 - 2);

  const std::string vuoto = dir.Scrivi("vuoto.txt", "");
  ASSERT_TRUE(AccodaRecord(vuoto, kNuovo));
  EXPECT_EQ(CartellaTemporanea::Leggi(vuoto), kNuovo);

  const std::string conAcapo = dir.Scrivi("acapo.txt", kR1 + "\r\n");
  ASSERT_TRUE(AccodaRecord(conAcapo, kNuovo));
  EXPECT_EQ(CartellaTemporanea::Leggi(conAcapo), kR1 + "\r\n" + kNuovo);
  EXPECT_EQ(ArchivioEstrazioni::CaricaArchivio(conAcapo).Conta(), 2);

  const std::string manca = dir.File("nuovo.txt");
  ASSERT_TRUE(AccodaRecord(manca, kNuovo));
  EXPECT_EQ(CartellaTemporanea::Leggi(manca), kNuovo);
}

TEST(AccodaRecord, FailuresAreReportedAndLeaveTheFileAsItWas) {
  CartellaTemporanea dir;
  EXPECT_FALSE(AccodaRecord(dir.File("no/such/folder.txt"), kNuovo).Messaggio.empty());
  const std::string testo = Unisci({kR1, kR2});
  const std::string f = dir.Scrivi("pieno.txt", testo);
  // A file size limit lets part of the record through, then fails the write.
  rlimit vecchio{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &vecchio), 0);
  auto* const gestore = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limite = vecchio;
  limite.rlim_cur = testo.size() + 50;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
  const EsitoScrittura e = AccodaRecord(f, kNuovo);
  ::setrlimit(RLIMIT_FSIZE, &vecchio);
  std::signal(SIGXFSZ, gestore);
  EXPECT_FALSE(e);
  EXPECT_EQ(CartellaTemporanea::Leggi(f), testo);
}

TEST(LeggiRecord, ReadsAtTheRecordOffset) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("tre.txt", Unisci({kR1, kR2, kR3}));
  EXPECT_EQ(LeggiRecord(f, 1), kR1);
  EXPECT_EQ(LeggiRecord(f, 2), kR2);
  EXPECT_EQ(LeggiRecord(f, 3), kR3);
  EXPECT_EQ(LeggiRecord(f, 4), std::nullopt);
  EXPECT_EQ(LeggiRecord(f, 0), std::nullopt);
  EXPECT_EQ(LeggiRecord(dir.File("manca.txt"), 1), std::nullopt);
}

TEST(RiscriviRecord, ChangesOnlyTheRecordsBytes) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("tre.txt", Unisci({kR1, kR2, kR3}));
  ASSERT_TRUE(RiscriviRecord(f, kNuovo, 1, false));
  EXPECT_EQ(CartellaTemporanea::Leggi(f), Unisci({kNuovo, kR2, kR3}));
  ASSERT_TRUE(RiscriviRecord(f, kNuovo, 3, true));
  EXPECT_EQ(CartellaTemporanea::Leggi(f), Unisci({kNuovo, kR2, kNuovo}));

  ASSERT_TRUE(RiscriviRecord(f, kR1.substr(0, 100), 2, false));  // padded with 21 blanks
  EXPECT_EQ(CartellaTemporanea::Leggi(f), Unisci({kNuovo, kR1.substr(0, 100) + std::string(21, ' '), kNuovo}));
  ASSERT_TRUE(RiscriviRecord(f, kR3 + "123456789", 2, false));  // cut to 121
  EXPECT_EQ(CartellaTemporanea::Leggi(f), Unisci({kNuovo, kR3, kNuovo}));
}

TEST(RiscriviRecord, RefusesFilesWithoutTheFixedLayout) {
  CartellaTemporanea dir;
  const std::vector<std::pair<std::string, std::string>> rotti = {
      {"acapo.txt", Unisci({kR1, kR2}) + "\r\n"},                         // break after the last record
      {"lf.txt", Unisci({kR1, kR2, kR3}, "\n")},                          // wrong line ends
      {"corta.txt", Unisci({kR1, kR2.substr(0, 119) + "|", kR3}) + "X"},  // right length, misplaced break
      {"vuoto.txt", ""},
  };
  for (const auto& [nome, testo] : rotti) {
    const std::string f = dir.Scrivi(nome, testo);
    const EsitoScrittura e = RiscriviRecord(f, kNuovo, 2, false);
    EXPECT_FALSE(e) << nome;
    EXPECT_FALSE(e.Messaggio.empty()) << nome;
    EXPECT_EQ(CartellaTemporanea::Leggi(f), testo) << nome;
  }
  const std::string spostata = kR1.substr(0, 120) + "\r\n" + kR2 + "X";  // right length, last not after CR LF
  const std::string ultima = dir.Scrivi("ultima.txt", spostata);
  EXPECT_FALSE(RiscriviRecord(ultima, kNuovo, 2, true));
  EXPECT_EQ(CartellaTemporanea::Leggi(ultima), spostata);

  const std::string buono = dir.Scrivi("buono.txt", Unisci({kR1, kR2}));
  EXPECT_FALSE(RiscriviRecord(buono, kNuovo, 3, true));  // past the end
  EXPECT_FALSE(RiscriviRecord(buono, kNuovo, 1, true));  // not the last record
  EXPECT_FALSE(RiscriviRecord(buono, kNuovo, 0, false));
  EXPECT_EQ(CartellaTemporanea::Leggi(buono), Unisci({kR1, kR2}));
}

TEST(SostituisciFile, ReplacesWholeAndLeavesNoTemporary) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("estrazioni.txt", kR1);
  ASSERT_TRUE(SostituisciFile(f, Unisci({kR2, kR3})));
  EXPECT_EQ(CartellaTemporanea::Leggi(f), Unisci({kR2, kR3}));
  EXPECT_FALSE(std::filesystem::exists(f + ".tmp"));
  EXPECT_FALSE(SostituisciFile(dir.File("no/folder/x.txt"), kR1));
}
