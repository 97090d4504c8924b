#include "archive/EsportaArchivio.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;
namespace fs = std::filesystem;

namespace {
const std::string kArchivio = Unisci({kR1, kR2, kR3});
const std::string kErrore = "Si è verificato il seguente errore nella copia del file (cmdesporta): ";
}  // namespace

TEST(EsportaArchivio, CopiesAndReplacesWholeFiles) {
  CartellaTemporanea dir;
  const std::string archivio = dir.Scrivi("estrazioni.txt", kArchivio);
  fs::create_directory(dir.File("penna"));
  const EsitoEsportazione e = EsportaArchivio(archivio, dir.File("penna"));
  ASSERT_TRUE(e) << e.Messaggio;
  EXPECT_EQ(e.Messaggio, "File estrazioni copiato con successo in: " + dir.File("penna/estrazioni.txt"));
  EXPECT_EQ(CartellaTemporanea::Leggi(e.Destinazione), kArchivio);
  EXPECT_EQ(EsportaArchivio(archivio, dir.File("penna") + "/").Destinazione, e.Destinazione);
}

// A full disk and read-only folders are in the writers' fault table.
TEST(EsportaArchivio, RefusesAMissingFolderAndTheArchivesOwn) {
  CartellaTemporanea dir;
  const std::string archivio = dir.Scrivi("estrazioni.txt", kArchivio);
  fs::create_directory(dir.File("penna"));
  const EsitoEsportazione sparita = EsportaArchivio(archivio, dir.File("sparita"));
  EXPECT_EQ(sparita.Messaggio, kErrore + "la cartella " + dir.File("sparita") + " non esiste o non è raggiungibile.");
  const EsitoEsportazione stessa = EsportaArchivio(archivio, dir.File("penna/.."));
  EXPECT_FALSE(stessa);
  EXPECT_NE(stessa.Messaggio.find("è quella dell'archivio in uso"), std::string::npos);
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), kArchivio);
  EXPECT_FALSE(EsportaArchivio(dir.File("penna/manca.txt"), dir.File("penna")));
  EXPECT_EQ(dir.ContaFile("penna"), 0);
}

TEST(CartelleDestinazione, HomeThenMountedMediaByName) {
  CartellaTemporanea dir;
  for (const char* c : {"media/anna/PENNA", "media/anna/CD", "run/media/anna/DISCO", "media/bruno/ALTRO"})
    fs::create_directories(dir.File(c));
  dir.Scrivi("media/anna/file.txt", "non una cartella");
  const auto cartelle =
      CartelleDestinazione("/home/anna", "anna", {dir.File("media"), dir.File("run/media"), dir.File("manca")});
  std::vector<std::string> nomi;
  for (const auto& c : cartelle) nomi.push_back(c.Nome);
  EXPECT_EQ(nomi, (std::vector<std::string>{"Cartella personale (/home/anna)", "CD (" + dir.File("media/anna/CD") + ")",
                                            "PENNA (" + dir.File("media/anna/PENNA") + ")",
                                            "DISCO (" + dir.File("run/media/anna/DISCO") + ")"}));
  EXPECT_EQ(cartelle[2].Percorso, dir.File("media/anna/PENNA"));
  EXPECT_EQ(CartelleDestinazione("/home/x", "").size(), 1u);
}
