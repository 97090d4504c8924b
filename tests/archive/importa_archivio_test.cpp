#include "archive/ImportaArchivio.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "archive/FileArchivio.h"
#include "support/ArchivioProva.h"
#include "support/SenzaPrivilegi.h"

using namespace ruotario;
using namespace ruotario::prova;
namespace fs = std::filesystem;

namespace {

const std::string kVecchio = Unisci({kR1, kR2});
const std::string kNuovo = Unisci({kR1, kR2, kR3});

// The program folder with its archive, and a file to import in another folder.
struct Scena {
  CartellaTemporanea dir;
  std::string archivio;
  std::string scelto;
  explicit Scena(bool conArchivio = true) {
    fs::create_directories(dir.File("app"));
    fs::create_directories(dir.File("chiavetta"));
    archivio = dir.File("app/estrazioni.txt");
    if (conArchivio) dir.Scrivi("app/estrazioni.txt", kVecchio);
    scelto = dir.Scrivi("chiavetta/ESTRAZIONI.TXT", kNuovo);
  }
  std::string app(const std::string& nome) const { return dir.File("app/" + nome); }
  EsitoImportazione importa(const std::string& file, bool consenti = false) const {
    return ImportaArchivio({file, archivio, consenti});
  }
};

bool contiene(const std::string& testo, const std::string& pezzo) { return testo.find(pezzo) != std::string::npos; }

}  // namespace

TEST(ImportaArchivio, ReplacesByteForByteAndKeepsTheBackup) {
  Scena s;
  ::chmod(s.archivio.c_str(), 0444);
  const EsitoImportazione e = s.importa(s.scelto);
  ASSERT_TRUE(e) << e.Messaggio;
  EXPECT_EQ(CartellaTemporanea::Leggi(s.archivio), kNuovo);
  EXPECT_EQ(CartellaTemporanea::Leggi(s.app("copiaEstrazioni.txt")), kVecchio);
  EXPECT_EQ(s.dir.ContaFile("app"), 2);
  EXPECT_TRUE(
      contiene(e.Messaggio, "copia di riserva del vecchio archivio dati nel file: " + s.app("copiaEstrazioni.txt")));
  EXPECT_NE(fs::status(s.archivio).permissions() & fs::perms::owner_write, fs::perms::none);

  // Importing the backup swaps the two files back; a leftover temporary file goes too.
  s.dir.Scrivi("app/TempEstrazioni.txt", "resto di un'importazione interrotta");
  ASSERT_TRUE(s.importa(s.app("copiaEstrazioni.txt")));
  EXPECT_EQ(CartellaTemporanea::Leggi(s.archivio), kVecchio);
  EXPECT_EQ(CartellaTemporanea::Leggi(s.app("copiaEstrazioni.txt")), kNuovo);
  EXPECT_FALSE(fs::exists(s.app("TempEstrazioni.txt")));
}

TEST(ImportaArchivio, CreatesTheArchiveWhenNoneExisted) {
  Scena s(false);
  s.dir.Scrivi("app/copiaEstrazioni.txt", kVecchio);  // the only copy left: not thrown away
  const EsitoImportazione e = s.importa(s.scelto);
  ASSERT_TRUE(e) << e.Messaggio;
  EXPECT_FALSE(e.CopiaCreata);
  EXPECT_TRUE(contiene(e.Messaggio, "nessuna copia di riserva"));
  EXPECT_EQ(CartellaTemporanea::Leggi(s.archivio), kNuovo);
  EXPECT_EQ(CartellaTemporanea::Leggi(s.app("copiaEstrazioni.txt")), kVecchio);
  EXPECT_FALSE(fs::exists(s.app("TempEstrazioni.txt")));
}

TEST(ImportaArchivio, RefusesTheArchiveItselfNoChoiceEmptyFilesAndWithoutConsentBrokenOnes) {
  Scena s;
  fs::create_symlink(s.archivio, s.dir.File("chiavetta/link-estrazioni.txt"));
  const EsitoImportazione stesso = s.importa(s.dir.File("chiavetta/link-estrazioni.txt"), true);
  EXPECT_EQ(stesso.Stato, StatoImportazione::Rifiutata);
  EXPECT_TRUE(contiene(stesso.Messaggio, "è lo stesso del file attualmente in uso"));
  EXPECT_EQ(s.importa("").Messaggio, "Scegliere prima il file da importare");
  const EsitoImportazione vuoto = s.importa(s.dir.Scrivi("chiavetta/estrazioni.txt", ""), true);
  EXPECT_EQ(vuoto.Stato, StatoImportazione::Rifiutata);
  EXPECT_TRUE(contiene(vuoto.Messaggio, "è vuoto"));
  EXPECT_EQ(CartellaTemporanea::Leggi(s.archivio), kVecchio);
  EXPECT_FALSE(fs::exists(s.app("copiaEstrazioni.txt")));
  // A file failing the check needs consent.
  const std::string rotto = Unisci({kR1, kR2.substr(0, 119)});
  const std::string f = s.dir.Scrivi("chiavetta/estrazioni.txt", rotto);
  const EsitoImportazione chiesto = s.importa(f);
  EXPECT_EQ(chiesto.Stato, StatoImportazione::NonValido);
  EXPECT_EQ(chiesto.Messaggio, kAvvisoFileNonCorretto);
  EXPECT_EQ(CartellaTemporanea::Leggi(s.archivio), kVecchio);
  ASSERT_TRUE(s.importa(f, true));
  EXPECT_EQ(CartellaTemporanea::Leggi(s.archivio), rotto);
}

TEST(ImportaArchivio, ASymbolicLinkStaysALinkAHardLinkIsRefused) {
  Scena s(false);
  fs::create_directories(s.dir.File("dati"));
  const std::string vero = s.dir.Scrivi("dati/estrazioni.txt", kVecchio);
  fs::create_symlink(vero, s.archivio);
  ASSERT_TRUE(s.importa(s.scelto));
  EXPECT_TRUE(fs::is_symlink(s.archivio));
  EXPECT_EQ(CartellaTemporanea::Leggi(vero), kNuovo);
  EXPECT_EQ(CartellaTemporanea::Leggi(s.app("copiaEstrazioni.txt")), kVecchio);
  EXPECT_EQ(s.dir.ContaFile("dati") + s.dir.ContaFile("app"), 3);  // no temporary file left

  fs::remove(s.archivio);
  fs::create_hard_link(vero, s.archivio);
  const EsitoImportazione e = s.importa(s.dir.Scrivi("chiavetta/estrazioni.txt", kVecchio));
  EXPECT_EQ(e.Stato, StatoImportazione::Rifiutata);
  EXPECT_TRUE(contiene(e.Messaggio, "collegamenti fisici")) << e.Messaggio;
  EXPECT_EQ(CartellaTemporanea::Leggi(vero), kNuovo);

  // A link to a file that is not there (a disk not plugged in) is refused, not looped over nor written through.
  fs::remove(s.archivio);
  fs::create_symlink(s.dir.File("dati/assente.txt"), s.archivio);
  EXPECT_TRUE(contiene(s.importa(s.scelto).Messaggio, "collegamento simbolico a un file che non esiste"));
  EXPECT_FALSE(fs::exists(s.dir.File("dati/assente.txt")));
}

TEST(ImportaArchivio, FailuresLeaveTheArchiveAsItWasAndSaySo) {
  const std::string invariato = "L'ARCHIVIO DATI NON È STATO MODIFICATO";
  const std::string cancellato = "L'ARCHIVIO DATI POTREBBE ESSERE STATO CANCELLATO";
  {  // an unreadable file to import
    Scena s;
    ::chmod(s.scelto.c_str(), 0);
    const std::string m = SenzaPrivilegi([&] { return s.importa(s.scelto).Messaggio; });
    EXPECT_TRUE(contiene(m,
                         "ATTENZIONE SI E' VERIFICATO UN ERRORE NELL'IMPORTAZIONE DEL FILE (cmdimporta). "
                         "Impossibile leggere il file da importare"))
        << m;
    EXPECT_TRUE(contiene(m, invariato + ": il file " + s.archivio) && !contiene(m, cancellato)) << m;
    EXPECT_EQ(CartellaTemporanea::Leggi(s.archivio), kVecchio);
  }
  {  // a disk that fills up while the new archive is written
    Scena s;
    const std::string grande = Unisci(std::vector<std::string>(20, kR3));
    s.dir.Scrivi("chiavetta/ESTRAZIONI.TXT", grande);
    const EsitoImportazione e = ConDiscoPieno(grande.size() / 2, [&] { return s.importa(s.scelto); });
    EXPECT_EQ(e.Stato, StatoImportazione::Fallita);
    EXPECT_TRUE(e.ArchivioInvariato);
    EXPECT_TRUE(contiene(e.Messaggio, "Impossibile scrivere il nuovo archivio") && contiene(e.Messaggio, invariato))
        << e.Messaggio;
    EXPECT_EQ(CartellaTemporanea::Leggi(s.archivio), kVecchio);
    EXPECT_EQ(CartellaTemporanea::Leggi(s.app("copiaEstrazioni.txt")), kVecchio);
    EXPECT_FALSE(fs::exists(s.app("TempEstrazioni.txt")));
  }
}
