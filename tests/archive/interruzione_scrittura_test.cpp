// Crash trials: a child process runs one archive writer and is killed with
// SIGKILL at planned moments spread evenly from right after its start to past
// the end of the write (the child arms a timer that sends it SIGKILL, so no
// one waits for it). The archive must then be byte for byte the old file or
// the new one, and after an import that replaced it the backup must hold the
// old archive. RUOTARIO_PROVE_INTERRUZIONE sets the trials per writer
// (default 200). The trials run in memory (/dev/shm) where there is one. A kill
// keeps what the system already holds, so a sync left out is invisible here:
// the writers' tests check the syncs.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <vector>

#include "archive/ImportaArchivio.h"
#include "archive/ScritturaArchivio.h"
#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;
namespace fs = std::filesystem;

namespace {

using Orologio = std::chrono::steady_clock;

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
  std::string archivio, vecchio, nuovo;  // its path, the archive before the write and after it
  std::function<bool()> scrivi;          // runs in the child
  std::string copia;                     // the backup to check, if any; removed before every trial
};

// Runs the writer in a child that SIGKILLs itself after `attesa` (never when
// zero); returns the child's wait status.
int eseguiFiglio(const Scenario& s, std::chrono::nanoseconds attesa) {
  if (!s.copia.empty()) fs::remove(s.copia);
  std::ofstream(s.archivio, std::ios::binary | std::ios::trunc) << s.vecchio;
  const pid_t figlio = ::fork();
  if (figlio == 0) {
    sigevent evento{};
    evento.sigev_notify = SIGEV_SIGNAL;
    evento.sigev_signo = SIGKILL;
    timer_t timer;
    const itimerspec quando{{}, {static_cast<time_t>(attesa.count() / 1000000000), attesa.count() % 1000000000}};
    if (attesa.count() > 0 &&
        (::timer_create(CLOCK_MONOTONIC, &evento, &timer) != 0 || ::timer_settime(timer, 0, &quando, nullptr) != 0))
      ::_exit(4);
    ::_exit(s.scrivi() ? 0 : 3);
  }
  int stato = -1;
  if (figlio > 0) ::waitpid(figlio, &stato, 0);
  return stato;
}

// Every trial must leave the old or the new file (and with the new one the backup, if any).
void provaInterruzioni(const Scenario& s) {
  // How long a whole write takes from fork to exit, to spread the kills over it.
  std::vector<Orologio::duration> durate;
  for (int i = 0; i < 3; ++i) {
    const auto inizio = Orologio::now();
    const int stato = eseguiFiglio(s, {});
    durate.push_back(Orologio::now() - inizio);
    ASSERT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << "the writer fails when not killed";
    ASSERT_EQ(CartellaTemporanea::Leggi(s.archivio), s.nuovo);
  }
  std::sort(durate.begin(), durate.end());
  const auto durata = std::chrono::duration_cast<std::chrono::nanoseconds>(durate[1]);
  const char* quante = std::getenv("RUOTARIO_PROVE_INTERRUZIONE");
  const int prove = quante && std::atoi(quante) > 0 ? std::atoi(quante) : 200;
  int vecchi = 0;
  for (int i = 1; i <= prove; ++i) {
    const auto attesa = durata * 6 / 5 * i / prove;  // evenly spaced, up to past the end
    const int stato = eseguiFiglio(s, attesa);
    const std::string dopo = CartellaTemporanea::Leggi(s.archivio);
    const std::string traccia = "kill after " + std::to_string(attesa.count()) + " ns";
    ASSERT_FALSE(WIFEXITED(stato) && WEXITSTATUS(stato) != 0) << "the writer reported a failure; " << traccia;
    if (dopo == s.vecchio) {
      ++vecchi;
      continue;
    }
    ASSERT_EQ(dopo, s.nuovo) << "neither the old nor the new file; " << traccia;
    if (!s.copia.empty()) {
      ASSERT_EQ(CartellaTemporanea::Leggi(s.copia), s.vecchio) << "backup; " << traccia;
    }
  }
  std::cout << prove << " kills: old file " << vecchi << ", new file " << prove - vecchi << " (write takes ~"
            << durata.count() / 1000 << " us)\n";
}

}  // namespace

TEST(InterruzioneScrittura, EveryWriterLeavesTheOldOrTheNewFile) {
  const CartellaTemporanea dir(BaseInMemoria());
  fs::create_directories(dir.File("app"));
  const std::string archivio = dir.File("app/estrazioni.txt");
  const std::string vecchio = archivioDi(400, 0);
  const std::string record = archivioDi(1, 5);
  std::string corretto = vecchio;
  corretto.replace(123 * 199, 121, record);
  const std::string scelto = dir.Scrivi("estrazioni.txt", archivioDi(800, 3));
  const std::string copia = dir.File("app/copiaEstrazioni.txt");
  const auto importa = [&] { return bool(ImportaArchivio({scelto, archivio, false})); };
  const Scenario scenari[] = {
      {archivio, vecchio, vecchio + "\r\n" + record, [&] { return bool(AccodaRecord(archivio, record)); }, {}},
      {archivio,
       vecchio,
       corretto,
       [&] { return bool(RiscriviRecord(archivio, record, 200, vecchio.substr(123 * 199, 121))); },
       {}},
      // Leftover temporary files of killed imports stay: the next import must cope.
      {archivio, vecchio, archivioDi(800, 3), importa, copia},
  };
  for (const Scenario& s : scenari) provaInterruzioni(s);
}
