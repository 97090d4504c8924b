#include "archive/ScritturaArchivio.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "archive/ArchivioEstrazioni.h"
#include "support/ArchivioProva.h"
#include "support/SenzaPrivilegi.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {
const std::string kNuovo = RecordBari("28/01/1939", {1, 2, 3, 4, 5});
}  // namespace

TEST(ComponiRecord, NormalisesCellsAndFlagsErrors) {
  CelleRuote c;
  for (auto& ruota : c) ruota = {"10", "11", "12", "13", "14"};
  EXPECT_FALSE(ComponiRecord({31, 12, 2025}, c).Errore);
  c[9][4] = "050";  // a leading zero too many keeps the fixed layout
  EXPECT_FALSE(ComponiRecord({31, 12, 2025}, c).Errore);
  EXPECT_EQ(ComponiRecord({31, 12, 2025}, c).Record.substr(110), "1011121350|");
  c[9][4] = "100";
  EXPECT_TRUE(ComponiRecord({31, 12, 2025}, c).Errore);
  EXPECT_EQ(c[9][4], "00");

  c[0] = {"5", "12", "", "91", "90"};
  const RecordComposto r = ComponiRecord({5, 1, 1999}, c);
  EXPECT_TRUE(r.Errore);
  ASSERT_EQ(r.Record.size(), 121u);
  EXPECT_EQ(r.Record.substr(0, 33), "05/01/1999|0512000090|1011121314|");
  EXPECT_EQ(c[0], (std::array<std::string, 5>{"05", "12", "00", "00", "90"}));
}

TEST(AccodaRecord, AppendsWithoutEverMakingAnEmptyRecord) {
  CartellaTemporanea dir;
  // starting text, expected text after appending
  const std::pair<std::string, std::string> casi[] = {
      {Unisci({kR1, kR2, kR3}), Unisci({kR1, kR2, kR3, kNuovo})}, {"", kNuovo}, {kR1 + "\r\n", kR1 + "\r\n" + kNuovo}};
  for (const auto& [prima, dopo] : casi) {
    const std::string f = dir.Scrivi("a.txt", prima);
    ASSERT_TRUE(AccodaRecord(f, kNuovo));
    EXPECT_EQ(CartellaTemporanea::Leggi(f), dopo);
  }
  ASSERT_TRUE(AccodaRecord(dir.File("nuovo.txt"), kNuovo));
  EXPECT_EQ(CartellaTemporanea::Leggi(dir.File("nuovo.txt")), kNuovo);
}

TEST(AccodaRecord, FailuresAreReportedAndLeaveTheFileAsItWas) {
  CartellaTemporanea dir;
  EXPECT_FALSE(AccodaRecord(dir.File("no/such/folder.txt"), kNuovo).Messaggio.empty());
  const std::string testo = Unisci({kR1, kR2});
  const std::string f = dir.Scrivi("pieno.txt", testo);
  // A file size limit lets part of the record through, then fails the write.
  EXPECT_FALSE(ConDiscoPieno(testo.size() + 50, [&] { return AccodaRecord(f, kNuovo); }));
  EXPECT_EQ(CartellaTemporanea::Leggi(f), testo);
}

TEST(LeggiRecord, ReadsAtTheRecordOffset) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("tre.txt", Unisci({kR1, kR2, kR3}));
  EXPECT_EQ(LeggiRecord(f, 1), kR1);
  EXPECT_EQ(LeggiRecord(f, 3), kR3);
  for (int fuori : {0, 4}) EXPECT_EQ(LeggiRecord(f, fuori), std::nullopt) << fuori;
  EXPECT_EQ(LeggiRecord(dir.File("manca.txt"), 1), std::nullopt);
}

TEST(RiscriviRecord, ChangesOnlyTheRecordsBytes) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("tre.txt", Unisci({kR1, kR2, kR3}));
  ASSERT_TRUE(RiscriviRecord(f, kNuovo, 1, false));
  ASSERT_TRUE(RiscriviRecord(f, kNuovo, 3, true));
  EXPECT_EQ(CartellaTemporanea::Leggi(f), Unisci({kNuovo, kR2, kNuovo}));
  ASSERT_TRUE(RiscriviRecord(f, kR1.substr(0, 100), 2, false));  // padded with 21 blanks
  EXPECT_EQ(CartellaTemporanea::Leggi(f), Unisci({kNuovo, kR1.substr(0, 100) + std::string(21, ' '), kNuovo}));
  ASSERT_TRUE(RiscriviRecord(f, kR3 + "123456789", 2, false));  // cut to 121
  EXPECT_EQ(CartellaTemporanea::Leggi(f), Unisci({kNuovo, kR3, kNuovo}));
  // The corrected file is a new one put in place: it keeps the archive's permissions.
  std::filesystem::permissions(f, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  ASSERT_TRUE(RiscriviRecord(f, kNuovo, 2, false));
  EXPECT_EQ(std::filesystem::status(f).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(RiscriviRecord, RefusesFilesWithoutTheFixedLayout) {
  CartellaTemporanea dir;
  const std::string buono = Unisci({kR1, kR2});
  // text, record, whether it is the last
  const std::tuple<std::string, int, bool> rotti[] = {
      {buono + "\r\n", 2, false},                                      // break after the last record
      {Unisci({kR1, kR2, kR3}, "\n"), 2, false},                       // wrong line ends
      {Unisci({kR1, kR2.substr(0, 119) + "|", kR3}) + "X", 2, false},  // right length, misplaced break
      {"", 2, false},
      {kR1.substr(0, 120) + "\r\n" + kR2 + "X", 2, true},  // right length, last not after CR LF
      {buono, 3, true},                                    // past the end
      {buono, 1, true},                                    // not the last record
      {buono, 0, false},
  };
  for (const auto& [testo, numero, ultimo] : rotti) {
    const std::string f = dir.Scrivi("rotto.txt", testo);
    const EsitoScrittura e = RiscriviRecord(f, kNuovo, numero, ultimo);
    EXPECT_FALSE(e) << testo.size() << ' ' << numero;
    EXPECT_FALSE(e.Messaggio.empty()) << testo.size() << ' ' << numero;
    EXPECT_EQ(CartellaTemporanea::Leggi(f), testo) << testo.size() << ' ' << numero;
  }
}

TEST(SostituisciFile, ReplacesWholeAndLeavesNoTemporary) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("estrazioni.txt", kR1);
  ASSERT_TRUE(SostituisciFile(f, Unisci({kR2, kR3})));
  EXPECT_EQ(CartellaTemporanea::Leggi(f), Unisci({kR2, kR3}));
  EXPECT_FALSE(std::filesystem::exists(f + ".tmp"));
  EXPECT_FALSE(SostituisciFile(dir.File("no/folder/x.txt"), kR1));
}
