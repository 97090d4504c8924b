#include "app/Ambiente.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

using namespace ruotario;
namespace fs = std::filesystem;

TEST(Ambiente, ArchivePathHasExactlyOneSeparator) {
  EXPECT_EQ(ComponiPercorso("/opt/ruotario", kNomeArchivio), "/opt/ruotario/estrazioni.txt");
  EXPECT_EQ(ComponiPercorso("/", kNomeArchivio), "/estrazioni.txt");
  EXPECT_EQ(ComponiPercorso("/opt/ruotario/", kNomeArchivio), "/opt/ruotario/estrazioni.txt");
}

TEST(Ambiente, ShippedFilePrefersTheDataFolder) {
  const fs::path dir = fs::temp_directory_path() / ("ruotario-cond-" + std::to_string(::getpid()));
  fs::create_directories(dir / "dati");
  fs::create_directories(dir / "share");
  StatoProgramma s;
  s.AppDir = (dir / "dati").string();
  s.CartellaCondivisa = (dir / "share").string();
  const std::string proprio = (dir / "dati" / kNomeGlossario).string();
  const std::string condiviso = (dir / "share" / kNomeGlossario).string();
  EXPECT_EQ(PercorsoFileProgramma(s, kNomeGlossario), proprio);  // neither: the data folder's path
  std::ofstream(condiviso) << "x";
  EXPECT_EQ(PercorsoFileProgramma(s, kNomeGlossario), condiviso);
  std::ofstream(proprio) << "y";
  EXPECT_EQ(PercorsoFileProgramma(s, kNomeGlossario), proprio);
  fs::remove(proprio);
  s.CartellaCondivisa.clear();  // state set by hand, as window tests do
  EXPECT_EQ(PercorsoFileProgramma(s, kNomeGlossario), proprio);
  fs::remove_all(dir);
}

TEST(Ambiente, FileChecksAndUnlock) {
  const fs::path dir = fs::temp_directory_path() / ("ruotario-amb-" + std::to_string(::getpid()));
  fs::create_directories(dir / "estrazioni.txt.d");
  const std::string file = (dir / "estrazioni.txt").string();
  EXPECT_FALSE(EsisteFile(file));
  EXPECT_FALSE(EsisteFile((dir / "estrazioni.txt.d").string()));  // a folder is not an archive
  SbloccaArchivio(file);                                          // missing file: nothing happens
  std::ofstream(file) << "x";
  fs::permissions(file, fs::perms::owner_read);
  SbloccaArchivio(file);
  EXPECT_TRUE(EsisteFile(file));
  EXPECT_TRUE((fs::status(file).permissions() & fs::perms::owner_write) != fs::perms::none);
  fs::remove_all(dir);
}
