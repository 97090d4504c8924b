#include "archive/FileArchivio.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;

TEST(calctotest, FactsOfAFile) {
  CartellaTemporanea dir;
  const DatiFileArchivio d = calctotest(dir.Scrivi("estrazioni.txt", Unisci({kR1, kR2, kR3})));
  EXPECT_TRUE(d.Esiste && d.Valido && d.Errore.empty());
  EXPECT_EQ(d.Byte, 123 * 3 - 2);
  EXPECT_EQ(d.DimensioneKB, 0);
  EXPECT_EQ(d.TotaleEstrazioni, 3);
  EXPECT_EQ(d.DataUltima, "21/01/1939");

  // Whole kilobytes only: 2,047 bytes are 1, 1,023 are 0.
  EXPECT_EQ(calctotest(dir.Scrivi("a.txt", std::string(2047, 'x'))).DimensioneKB, 1);
  EXPECT_EQ(calctotest(dir.Scrivi("b.txt", std::string(1023, 'x'))).DimensioneKB, 0);
}

TEST(calctotest, ValidityAndUnreadableFiles) {
  CartellaTemporanea dir;
  // The validity rule is the check's own; here only that a failing file is flagged.
  EXPECT_FALSE(calctotest(dir.Scrivi("119.txt", Unisci({kR1, kR2.substr(0, 119), kR3}))).Valido);
  EXPECT_TRUE(ContaEstrazioni(dir.File("119.txt")).Valido);  // the count alone does not judge the file

  const DatiFileArchivio manca = calctotest(dir.File("manca.txt"));
  EXPECT_FALSE(manca.Esiste);
  EXPECT_NE(manca.Errore.find("(errore 2)"), std::string::npos) << manca.Errore;
  EXPECT_FALSE(calctotest(dir.File("")).Errore.empty());  // the folder itself
}

TEST(FileArchivio, NamesAndSameFile) {
  for (const char* si : {"estrazioni.txt", "/a/ESTRAZIONI.TXT", "x/Estrazioni.Txt", "/a/copiaEstrazioni.txt"})
    EXPECT_TRUE(NomeImportabile(si)) << si;
  for (const char* no : {"estrazioni.txt.bak", "/a/archivio.txt", "/estrazioni.txt/x", "", "strazioni.txt"})
    EXPECT_FALSE(NomeImportabile(no)) << no;

  CartellaTemporanea dir;
  const std::string a = dir.Scrivi("estrazioni.txt", kR1);
  std::filesystem::create_directory(dir.File("sotto"));
  std::filesystem::create_symlink(a, dir.File("sotto/estrazioni.txt"));
  EXPECT_TRUE(StessoFile(a, dir.File("sotto/../estrazioni.txt")));
  EXPECT_TRUE(StessoFile(a, dir.File("./sotto/estrazioni.txt")));  // through the link
  EXPECT_FALSE(StessoFile(a, dir.Scrivi("ESTRAZIONI.TXT", kR1)));  // same bytes, another file
  EXPECT_EQ(CartellaDi(a) + "/estrazioni.txt", a);
  EXPECT_EQ(CartellaDi("estrazioni.txt"), ".");
}
