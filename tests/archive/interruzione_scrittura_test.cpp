// Crash trials: a child process runs one archive writer and is killed with
// SIGKILL at a random moment, from right after its start to the end of the
// write. The archive must then be byte for byte the old file or the new one,
// and after an import that replaced it the backup must hold the old archive.
// RUOTARIO_PROVE_INTERRUZIONE sets the trials per writer (default 200). The
// trials run in memory (/dev/shm) where there is one, so a few hundred take
// seconds; RUOTARIO_PROVE_CARTELLA names another folder, a real disk where
// every fsync waits for the device.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <random>
#include <vector>

#include "archive/ImportaArchivio.h"
#include "archive/ScritturaArchivio.h"
#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;
namespace fs = std::filesystem;

namespace {

using Orologio = std::chrono::steady_clock;

int provePerScrittura() {
  const char* v = std::getenv("RUOTARIO_PROVE_INTERRUZIONE");
  const int n = v ? std::atoi(v) : 0;
  return n > 0 ? n : 200;
}

// Where a writer's trials get their fresh folder.
fs::path baseProve() {
  const char* v = std::getenv("RUOTARIO_PROVE_CARTELLA");
  std::error_code ec;
  return v ? fs::path(v) : fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

// An archive of `n` draws whose numbers depend on `seme`, so two archives differ.
std::string archivioDi(int n, int seme) {
  std::vector<std::string> righe;
  for (int i = 1; i <= n; ++i) {
    std::vector<int> numeri;
    for (int k = 0; k < 50; ++k) numeri.push_back((i * 7 + k * 13 + seme) % 90 + 1);
    righe.push_back(Record(DataProva(i), numeri));
  }
  return Unisci(righe);
}

struct Scenario {
  std::string vecchio;                  // the archive before the write
  std::string nuovo;                    // the archive after it
  std::function<bool()> scrivi;         // runs in the child
  std::string copia;                    // the backup to check, if any
  std::vector<std::string> daTogliere;  // files removed before every trial
};

// Starts the writer in a child; kills it after `attesa` unless negative.
// Returns the child's wait status.
int eseguiFiglio(const Scenario& s, std::chrono::microseconds attesa) {
  const pid_t figlio = ::fork();
  if (figlio == 0) ::_exit(s.scrivi() ? 0 : 3);
  if (figlio < 0) return -1;
  if (attesa.count() >= 0) {
    if (attesa.count() > 0) ::usleep(static_cast<useconds_t>(attesa.count()));
    ::kill(figlio, SIGKILL);
  }
  int stato = 0;
  while (::waitpid(figlio, &stato, 0) < 0 && errno == EINTR) {
  }
  return stato;
}

void preparaProva(const std::string& archivio, const Scenario& s) {
  for (const auto& f : s.daTogliere) fs::remove(f);
  std::ofstream(archivio, std::ios::binary | std::ios::trunc) << s.vecchio;
}

// Every trial must leave the old or the new file (and with the new one the backup, if any).
void provaInterruzioni(const std::string& archivio, const Scenario& s) {
  const int prove = provePerScrittura();
  // How long a whole write takes from fork to exit, to spread the kills over it.
  std::vector<Orologio::duration> durate;
  for (int i = 0; i < 5; ++i) {
    preparaProva(archivio, s);
    const auto inizio = Orologio::now();
    const int stato = eseguiFiglio(s, std::chrono::microseconds(-1));
    durate.push_back(Orologio::now() - inizio);
    EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << "the writer fails when not killed";
    EXPECT_EQ(CartellaTemporanea::Leggi(archivio), s.nuovo);
  }
  std::sort(durate.begin(), durate.end());
  const auto durata = std::chrono::duration_cast<std::chrono::microseconds>(durate[2]).count();

  const unsigned seme = std::random_device{}();
  std::mt19937 caso(seme);
  std::uniform_int_distribution<long> attesa(0, durata + durata / 5);
  int vecchi = 0;
  int nuovi = 0;
  for (int i = 0; i < prove; ++i) {
    preparaProva(archivio, s);
    const long a = attesa(caso);
    const int stato = eseguiFiglio(s, std::chrono::microseconds(a));
    const std::string dopo = CartellaTemporanea::Leggi(archivio);
    const std::string traccia =
        "trial " + std::to_string(i) + ", seed " + std::to_string(seme) + ", kill after " + std::to_string(a) + " us";
    if (WIFEXITED(stato) && WEXITSTATUS(stato) != 0) {
      ADD_FAILURE() << "the writer reported a failure; " << traccia;
      return;
    }
    if (dopo == s.vecchio) {
      ++vecchi;
    } else if (dopo == s.nuovo) {
      ++nuovi;
      if (!s.copia.empty() && CartellaTemporanea::Leggi(s.copia) != s.vecchio) {
        ADD_FAILURE() << "the backup does not hold the old archive; " << traccia;
        return;
      }
    } else {
      ADD_FAILURE() << "archive is neither the old nor the new file (" << dopo.size() << " bytes); " << traccia;
      return;
    }
  }
  EXPECT_EQ(vecchi + nuovi, prove);
  std::cout << prove << " kills: old file " << vecchi << ", new file " << nuovi << " (write takes ~" << durata
            << " us)\n";
}

const int kRecord = 400;

}  // namespace

TEST(InterruzioneScrittura, AppendLeavesTheOldOrTheNewFile) {
  const CartellaTemporanea dir(baseProve());
  const std::string archivio = dir.File("estrazioni.txt");
  const std::string vecchio = archivioDi(kRecord, 0);
  const std::string record = archivioDi(1, 5);
  provaInterruzioni(archivio,
                    {vecchio, vecchio + "\r\n" + record, [&] { return bool(AccodaRecord(archivio, record)); }, {}, {}});
}

TEST(InterruzioneScrittura, RewriteLeavesTheOldOrTheNewFile) {
  const CartellaTemporanea dir(baseProve());
  const std::string archivio = dir.File("estrazioni.txt");
  const std::string vecchio = archivioDi(kRecord, 0);
  const std::string record = archivioDi(1, 9);
  std::string nuovo = vecchio;
  nuovo.replace(123 * 199, 121, record);
  provaInterruzioni(archivio,
                    {vecchio,
                     nuovo,
                     [&] { return bool(RiscriviRecord(archivio, record, 200, vecchio.substr(123 * 199, 121))); },
                     {},
                     {}});
}

TEST(InterruzioneScrittura, ImportLeavesTheOldOrTheNewFileAndABackup) {
  const CartellaTemporanea dir(baseProve());
  fs::create_directories(dir.File("app"));
  const std::string archivio = dir.File("app/estrazioni.txt");
  const std::string scelto = dir.File("estrazioni.txt");
  std::ofstream(scelto, std::ios::binary) << archivioDi(kRecord * 2, 3);
  const std::string copia = dir.File("app/copiaEstrazioni.txt");
  // Leftover temporary files of killed runs stay: the next import must cope.
  provaInterruzioni(archivio, {archivioDi(kRecord * 2, 0),
                               CartellaTemporanea::Leggi(scelto),
                               [&] {
                                 return bool(ImportaArchivio({scelto, archivio, false}));
                               },
                               copia,
                               {copia}});
}
