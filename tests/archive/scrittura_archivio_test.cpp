#include "archive/ScritturaArchivio.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "archive/ArchivioEstrazioni.h"
#include "archive/EsportaArchivio.h"
#include "archive/ImportaArchivio.h"
#include "archive/Sincronizza.h"
#include "support/ArchivioProva.h"
#include "support/SenzaPrivilegi.h"

using namespace ruotario;
using namespace ruotario::prova;
namespace fs = std::filesystem;

namespace {

const std::string kNuovo = RecordBari("28/01/1939", {1, 2, 3, 4, 5});
const std::string kTre = Unisci({kR1, kR2, kR3});

// Puts a recorder (or a failing disk) in the place of fsync for one test.
struct SincronizzaProva {
  static inline std::vector<std::string> sincronizzati;  // the files synced, in order, by name
  static inline bool fallisce = false;
  static int registra(int fd) {
    std::error_code ec;
    sincronizzati.push_back(fs::read_symlink("/proc/self/fd/" + std::to_string(fd), ec).filename().string());
    if (!fallisce) return 0;
    errno = EIO;
    return -1;
  }
  explicit SincronizzaProva(bool fallire = false) {
    sincronizzati.clear();
    fallisce = fallire;
    ImpostaSincronizza(&registra);
  }
  ~SincronizzaProva() { ImpostaSincronizza(nullptr); }
};

}  // namespace

TEST(ComponiRecord, NormalisesCellsAndFlagsErrors) {
  CelleRuote c;
  for (auto& ruota : c) ruota = {"10", "11", "12", "13", "14"};
  c[5] = {"90", "1", "45", "89", "2"};  // 1 and 90 are the bounds
  EXPECT_FALSE(ComponiRecord({31, 12, 2025}, c).Errore);
  c[9][4] = "050";  // a leading zero too many keeps the fixed layout
  EXPECT_FALSE(ComponiRecord({31, 12, 2025}, c).Errore);
  EXPECT_EQ(ComponiRecord({31, 12, 2025}, c).Record.substr(110), "1011121350|");
  c[9][4] = "100";
  EXPECT_TRUE(ComponiRecord({31, 12, 2025}, c).Errore);
  EXPECT_EQ(c[9][4], "00");

  c[0] = {"5", "12", "", "91", "90"};  // 90 is a number, 91 is not
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
      {kTre, Unisci({kR1, kR2, kR3, kNuovo})}, {"", kNuovo}, {kR1 + "\r\n", kR1 + "\r\n" + kNuovo}};
  for (const auto& [prima, dopo] : casi) {
    const std::string f = dir.Scrivi("a.txt", prima);
    ASSERT_TRUE(AccodaRecord(f, kNuovo));
    EXPECT_EQ(CartellaTemporanea::Leggi(f), dopo);
  }
  ASSERT_TRUE(AccodaRecord(dir.File("nuovo.txt"), kNuovo));
  EXPECT_EQ(CartellaTemporanea::Leggi(dir.File("nuovo.txt")), kNuovo);
  // A check made under the lock may refuse: nothing is written, not even a new file.
  const auto rifiuta = [](const ArchivioEstrazioni& a) { return a.Conta() == 1 ? "no" : ""; };
  EXPECT_EQ(AccodaRecord(dir.File("nuovo.txt"), kR1, rifiuta).Messaggio, "no");
  EXPECT_EQ(CartellaTemporanea::Leggi(dir.File("nuovo.txt")), kNuovo);
  EXPECT_FALSE(AccodaRecord(dir.File("vuoto.txt"), kR1, [](auto&) { return "no"; }));
  EXPECT_FALSE(fs::exists(dir.File("vuoto.txt")));
  EXPECT_FALSE(AccodaRecord(dir.File("no/such/folder.txt"), kNuovo).Messaggio.empty());
}

TEST(LeggiRecord, ReadsAtTheRecordOffset) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("tre.txt", kTre);
  EXPECT_EQ(LeggiRecord(f, 1), kR1);
  EXPECT_EQ(LeggiRecord(f, 3), kR3);
  for (int fuori : {0, 4}) EXPECT_EQ(LeggiRecord(f, fuori), std::nullopt) << fuori;
  EXPECT_EQ(LeggiRecord(dir.File("manca.txt"), 1), std::nullopt);
}

// The archive as the user's disk may hold it, corrected: by the check made when
// MODIFICA is pressed, then by the correction itself.
TEST(RiscriviRecord, ArchiveShapes) {
  enum class Luogo { File, LinkSimbolico, LinkFisico, CartellaChiusa, FileChiuso };
  struct Forma {
    const char* nome;
    std::string testo;
    int i;
    std::string mostrato;  // what the window showed
    std::string dopo;      // the file afterwards; empty: unchanged
    const char* rifiutoControllo;
    const char* rifiutoCorrezione;
    Luogo luogo = Luogo::File;
  };
  const std::string lf = Unisci({kR1, kR2, kR3}, "\n");
  const std::string corta = Unisci({kR1, kR2.substr(0, 119), kR3});
  const std::string perMezzo = Unisci({kR1, kNuovo, kR3});
  const Forma forme[] = {
      {"CR LF", kTre, 2, kR2, perMezzo, "", ""},
      {"first record", kTre, 1, kR1, Unisci({kNuovo, kR2, kR3}), "", ""},
      {"CR LF at the end", kTre + "\r\n", 3, kR3, Unisci({kR1, kR2, kNuovo}) + "\r\n", "", ""},
      {"LF", lf, 2, kR2, Unisci({kR1, kNuovo, kR3}, "\n"), "", ""},
      {"CR only", Unisci({kR1, kR2}, "\r"), 1, kR1, Unisci({kNuovo, kR2}, "\r"), "", ""},
      {"another line damaged", corta, 3, kR3, Unisci({kR1, kR2.substr(0, 119), kNuovo}), "", ""},
      {"record damaged", corta, 2, kR2.substr(0, 119), "", "formato a record fissi", "formato a record fissi"},
      {"changed since shown", kTre, 2, kR1, "", "", "in uso da un altro programma"},
      {"no such record", kTre, 4, kR3, "", "non ha un'estrazione num. 4", "in uso da un altro programma"},
      {"symbolic link", kTre, 2, kR2, perMezzo, "", "", Luogo::LinkSimbolico},
      {"hard link", kTre, 2, kR2, "", "collegamenti fisici", "collegamenti fisici", Luogo::LinkFisico},
      {"read-only folder", kTre, 2, kR2, "", "la cartella", "Permesso negato (errore 13)", Luogo::CartellaChiusa},
      {"read-only file", kTre, 2, kR2, "", "non si può scrivere", "Permesso negato (errore 13)", Luogo::FileChiuso},
  };
  for (const Forma& f : forme) {
    SCOPED_TRACE(f.nome);
    const CartellaTemporanea dir;
    fs::create_directories(dir.File("dati"));
    fs::create_directories(dir.File("app"));
    const std::string bersaglio = dir.Scrivi("dati/estrazioni.txt", f.testo);
    std::string percorso = bersaglio;
    if (f.luogo == Luogo::LinkSimbolico) fs::create_symlink(bersaglio, percorso = dir.File("app/estrazioni.txt"));
    if (f.luogo == Luogo::LinkFisico) fs::create_hard_link(bersaglio, dir.File("app/estrazioni.txt"));
    const bool chiusa = f.luogo == Luogo::CartellaChiusa;
    if (chiusa || f.luogo == Luogo::FileChiuso) {
      ::chmod(bersaglio.c_str(), chiusa ? 0666 : 0444);
      ::chmod(dir.File("dati").c_str(), chiusa ? 0555 : 0777);
    }
    const auto correggi = [&] {
      return ControllaCorrezione(percorso, f.i).Messaggio + "|" +
             RiscriviRecord(percorso, kNuovo, f.i, f.mostrato, std::chrono::milliseconds(100)).Messaggio;
    };
    const std::string messaggi = f.luogo >= Luogo::CartellaChiusa ? SenzaPrivilegi(correggi) : correggi();
    ::chmod(dir.File("dati").c_str(), 0755);
    const std::string controllo = messaggi.substr(0, messaggi.find('|'));
    const std::string correzione = messaggi.substr(messaggi.find('|') + 1);
    for (const auto& [messaggio, rifiuto] :
         {std::pair{controllo, f.rifiutoControllo}, {correzione, f.rifiutoCorrezione}})
      EXPECT_TRUE(messaggio.empty() == !*rifiuto && messaggio.find(rifiuto) != std::string::npos) << messaggio;
    EXPECT_EQ(CartellaTemporanea::Leggi(bersaglio), f.dopo.empty() ? f.testo : f.dopo);
    EXPECT_EQ(dir.ContaFile("dati"), 1);  // no temporary file left
    EXPECT_EQ(fs::is_symlink(percorso), f.luogo == Luogo::LinkSimbolico);
  }
}

TEST(RiscriviRecord, PadsOrCutsAndKeepsPermissions) {
  CartellaTemporanea dir;
  const std::string f = dir.Scrivi("tre.txt", kTre);
  ASSERT_TRUE(RiscriviRecord(f, kR1.substr(0, 100), 2, kR2));  // padded with 21 blanks
  const std::string corto = kR1.substr(0, 100) + std::string(21, ' ');
  EXPECT_EQ(CartellaTemporanea::Leggi(f), Unisci({kR1, corto, kR3}));
  fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(RiscriviRecord(f, kR3 + "123456789", 2, corto));  // cut to 121
  EXPECT_EQ(CartellaTemporanea::Leggi(f), Unisci({kR1, kR3, kR3}));
  EXPECT_EQ(fs::status(f).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

// Every writer syncs what it wrote before it counts as written (the file, then
// the folder that holds a renamed one). On a full disk, a disk that fails to
// sync, files and folders that may not be written, or an archive another
// program holds, it says why and leaves the file it would have changed as it was.
TEST(Scrittori, SyncWhatTheyWriteAndFailCleanly) {
  enum class Guasto { Nessuno, DiscoPieno, SincronizzaFallisce, SolaLettura, InUso };
  const std::pair<Guasto, const char*> guasti[] = {{Guasto::Nessuno, ""},
                                                   {Guasto::DiscoPieno, "(errore 27)"},
                                                   {Guasto::SincronizzaFallisce, "(errore 5)"},
                                                   {Guasto::SolaLettura, "(errore 13)"},
                                                   {Guasto::InUso, kArchivioInUso}};
  using Attesa = std::chrono::milliseconds;
  const auto fallimento = [](const auto& esito) { return esito ? std::string() : esito.Messaggio; };
  struct Scrittore {
    const char* cambiato;  // the file it changes
    std::size_t limite;    // the file size limit of the full disk
    std::vector<std::string> sincronizzati;
    std::function<std::string(const std::string& app, Attesa)> scrivi;  // why it failed, "" on success
  };
  const Scrittore scrittori[] = {
      {"app/estrazioni.txt",
       kTre.size() + 50,
       {"estrazioni.txt"},
       [&](const std::string& a, Attesa t) { return fallimento(AccodaRecord(a + "/estrazioni.txt", kNuovo, {}, t)); }},
      {"app/estrazioni.txt",
       50,
       {"estrazioni.txt.tmp", "app"},
       [&](const std::string& a, Attesa t) {
         return fallimento(RiscriviRecord(a + "/estrazioni.txt", kNuovo, 2, kR2, t));
       }},
      {"app/estrazioni.txt",
       50,
       {"copiaEstrazioni.txt.tmp", "app", "TempEstrazioni.txt", "app"},
       [&](const std::string& a, Attesa t) {
         return fallimento(ImportaArchivio({a + "/../estrazioni.txt", a + "/estrazioni.txt", false, t}));
       }},
      {"penna/estrazioni.txt",
       50,
       {"estrazioni.txt.tmp", "penna"},
       [&](const std::string& a, Attesa t) {
         return fallimento(EsportaArchivio(a + "/estrazioni.txt", a + "/../penna", t));
       }},
  };
  for (const auto& [guasto, errore] : guasti)
    for (const Scrittore& s : scrittori) {
      SCOPED_TRACE(std::string(s.cambiato) + " " + s.sincronizzati[0] + " " + errore);
      const CartellaTemporanea dir;
      for (const char* c : {"app", "penna"}) fs::create_directories(dir.File(c));
      dir.Scrivi("app/estrazioni.txt", kTre);
      dir.Scrivi("penna/estrazioni.txt", "copia vecchia");
      dir.Scrivi("estrazioni.txt", Unisci(std::vector<std::string>(4, kNuovo)));
      const std::string prima = CartellaTemporanea::Leggi(dir.File(s.cambiato));
      const auto scrivi = [&] { return s.scrivi(dir.File("app"), Attesa(30)); };
      std::string messaggio;
      if (guasto == Guasto::DiscoPieno) {
        messaggio = ConDiscoPieno(s.limite, scrivi);
      } else if (guasto == Guasto::SolaLettura) {
        for (const char* f : {"app/estrazioni.txt", "penna/estrazioni.txt"}) ::chmod(dir.File(f).c_str(), 0444);
        for (const char* c : {"app", "penna"}) ::chmod(dir.File(c).c_str(), 0555);
        messaggio = SenzaPrivilegi(scrivi);
        for (const char* c : {"app", "penna"}) ::chmod(dir.File(c).c_str(), 0755);
      } else if (guasto == Guasto::InUso) {
        const BloccoArchivio altro(dir.File("app/estrazioni.txt"));
        messaggio = scrivi();
      } else {
        const SincronizzaProva prova(guasto == Guasto::SincronizzaFallisce);
        messaggio = scrivi();
        EXPECT_TRUE(guasto != Guasto::Nessuno || SincronizzaProva::sincronizzati == s.sincronizzati);
      }
      EXPECT_EQ(messaggio.empty(), !*errore) << messaggio;
      EXPECT_NE(messaggio.find(errore), std::string::npos) << messaggio;
      EXPECT_EQ(CartellaTemporanea::Leggi(dir.File(s.cambiato)) == prima, *errore != 0);
      EXPECT_EQ(dir.ContaFile("penna"), 1);
      EXPECT_LE(dir.ContaFile("app"), 2);  // the archive, and the backup of an import
    }
}
