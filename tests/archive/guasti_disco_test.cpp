// Disk faults for the writers the other tests leave out: a full disk (a file
// size limit makes writes fail with EFBIG) and a read-only file or folder.
// Every case must fail with an Italian message and leave the archive as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "archive/ScritturaArchivio.h"
#include "support/ArchivioProva.h"
#include "support/SenzaPrivilegi.h"

using namespace ruotario;
using namespace ruotario::prova;
namespace fs = std::filesystem;

namespace {

const std::string kTesto = Unisci({kR1, kR2, kR3});
const std::string kNuovo = RecordBari("28/01/1939", {1, 2, 3, 4, 5});

// The message of a writer run without privileges, "OK" when it reported success.
std::string senzaPermessi(const std::function<EsitoScrittura()>& fn) {
  return SenzaPrivilegi([&] {
    const EsitoScrittura e = fn();
    return e ? std::string("OK") : e.Messaggio;
  });
}

bool italiano(const std::string& m) { return m.rfind("Impossibile ", 0) == 0 || m.rfind("L'archivio ", 0) == 0; }

}  // namespace

TEST(GuastiDisco, AppendToAReadOnlyFileOrFolder) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("estrazioni.txt", kTesto);
  ::chmod(f.c_str(), 0444);
  std::string m = senzaPermessi([&] { return AccodaRecord(f, kNuovo); });
  EXPECT_TRUE(italiano(m) && m.find("(errore 13)") != std::string::npos) << m;
  EXPECT_EQ(CartellaTemporanea::Leggi(f), kTesto);

  // No archive yet, in a folder that cannot be written: nothing is created.
  fs::create_directory(dir.File("chiusa"));
  ::chmod(dir.File("chiusa").c_str(), 0555);
  m = senzaPermessi([&] { return AccodaRecord(dir.File("chiusa/estrazioni.txt"), kNuovo); });
  ::chmod(dir.File("chiusa").c_str(), 0755);
  EXPECT_TRUE(italiano(m)) << m;
  EXPECT_EQ(dir.ContaFile("chiusa"), 0);
}

TEST(GuastiDisco, RewriteOnAFullDiskOrAReadOnlyFile) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("estrazioni.txt", kTesto);
  // The limit falls inside the record being rewritten: part of it could go through.
  EsitoScrittura e = ConDiscoPieno(123 * 2 + 60, [&] { return RiscriviRecord(f, kNuovo, 3, true); });
  EXPECT_FALSE(e);
  EXPECT_TRUE(italiano(e.Messaggio) && e.Messaggio.find("(errore 27)") != std::string::npos) << e.Messaggio;
  EXPECT_EQ(CartellaTemporanea::Leggi(f), kTesto);
  e = ConDiscoPieno(123 + 60, [&] { return RiscriviRecord(f, kNuovo, 2, false); });
  EXPECT_FALSE(e);
  EXPECT_EQ(CartellaTemporanea::Leggi(f), kTesto);

  ::chmod(f.c_str(), 0444);
  const std::string m = senzaPermessi([&] { return RiscriviRecord(f, kNuovo, 2, false); });
  EXPECT_TRUE(italiano(m) && m.find("(errore 13)") != std::string::npos) << m;
  EXPECT_EQ(CartellaTemporanea::Leggi(f), kTesto);
}

TEST(GuastiDisco, ReplaceOnAFullDiskOrInAReadOnlyFolder) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("estrazioni.txt", kTesto);
  const std::string grande = Unisci(std::vector<std::string>(10, kNuovo));
  const EsitoScrittura e = ConDiscoPieno(grande.size() / 2, [&] { return SostituisciFile(f, grande); });
  EXPECT_FALSE(e);
  EXPECT_TRUE(italiano(e.Messaggio) && e.Messaggio.find("(errore 27)") != std::string::npos) << e.Messaggio;
  EXPECT_EQ(CartellaTemporanea::Leggi(f), kTesto);
  EXPECT_EQ(dir.ContaFile(""), 1);  // no temporary file left

  ::chmod(dir.File("").c_str(), 0555);
  const std::string m = senzaPermessi([&] { return SostituisciFile(f, grande); });
  ::chmod(dir.File("").c_str(), 0755);
  EXPECT_TRUE(italiano(m) && m.find("(errore 13)") != std::string::npos) << m;
  EXPECT_EQ(CartellaTemporanea::Leggi(f), kTesto);
  EXPECT_EQ(dir.ContaFile(""), 1);
}
