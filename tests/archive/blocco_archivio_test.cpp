// Several programs writing the archive at once: appends and corrections from
// separate processes. (A writer that finds the archive locked is in the
// writers' fault table.)
#include "archive/BloccoArchivio.h"

#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <map>

#include "archive/ScritturaArchivio.h"
#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

// A record no other writer makes: the year names the writer, Bari its step.
std::string recordDi(int scrittore, int passo) {
  return Record(DataProva(passo + 1, 1900 + 10 * scrittore), {scrittore + 1, passo / 90 + 1, passo % 90 + 1});
}

std::string gIntruso;  // a file another writer appends to right before the next lock is taken

}  // namespace

extern "C" int flock(int fd, int operazione) noexcept {
  if (!gIntruso.empty()) std::ofstream(gIntruso, std::ios::app) << recordDi(9, 0);
  gIntruso.clear();
  return static_cast<int>(::syscall(SYS_flock, fd, operazione));
}

TEST(BloccoArchivio, AnArchiveAnotherWriterFilledIsNotRemovedAsOneCreatedEmpty) {
  const CartellaTemporanea dir;
  const std::string archivio = gIntruso = dir.File("estrazioni.txt");
  EXPECT_FALSE(AccodaRecord(archivio, recordDi(1, 0), [](const ArchivioEstrazioni&) { return "no"; }));
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), recordDi(9, 0));
}

TEST(BloccoArchivio, WritersInSeveralProcessesLoseNothing) {
  const CartellaTemporanea dir(BaseInMemoria());
  const std::vector<std::string> iniziali = {recordDi(8, 0), recordDi(8, 1), recordDi(8, 2)};
  const std::string archivio = dir.Scrivi("estrazioni.txt", Unisci(iniziali));
  constexpr int kAccodatori = 3, kAccodamenti = 1000, kCorrettori = 2, kCorrezioni = 200;
  const std::chrono::seconds attesa(20);  // a loaded machine must not time out here

  // Each writer is a child that starts when the gate opens (its write end
  // closed) and writes the records it reported as written to its report.
  int cancello[2];
  ASSERT_EQ(::pipe(cancello), 0);
  std::vector<pid_t> figli(kAccodatori + kCorrettori);
  const auto rapporto = [&](int w) { return dir.File("rapporto-" + std::to_string(w)); };
  for (int w = 0; w < kAccodatori + kCorrettori; ++w) {
    if ((figli[w] = ::fork()) != 0) continue;
    ::close(cancello[1]);
    char c;
    while (::read(cancello[0], &c, 1) > 0) {
    }
    std::string riuscite;
    for (int p = 0; p < (w < kAccodatori ? kAccodamenti : kCorrezioni); ++p) {
      const std::string nuovo = recordDi(w, p);
      // Corrector w owns record w - kAccodatori + 1: what it last saved there must be there at the end.
      const int i = w - kAccodatori + 1;
      const bool fatto = w < kAccodatori
                             ? bool(AccodaRecord(archivio, nuovo, {}, attesa))
                             : bool(RiscriviRecord(archivio, nuovo, i, LeggiRecord(archivio, i).value_or(""), attesa));
      if (fatto) riuscite += nuovo + "\n";
    }
    std::ofstream(rapporto(w), std::ios::binary) << riuscite;
    ::_exit(0);
  }
  ::close(cancello[0]);
  ::close(cancello[1]);  // all start together
  std::vector<std::vector<std::string>> riuscite;
  for (int f = 0; f < kAccodatori + kCorrettori; ++f) {
    int stato = 0;
    ::waitpid(figli[f], &stato, 0);
    EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
    riuscite.emplace_back();
    for (const auto& e : ArchivioEstrazioni::DaTesto(CartellaTemporanea::Leggi(rapporto(f))))
      riuscite.back().emplace_back(e.Riga.vista());
  }
  const std::string testo = CartellaTemporanea::Leggi(archivio);
  std::map<std::string, int> volte;
  int righe = 0;
  int rotte = 0;
  for (const auto& e : ArchivioEstrazioni::DaTesto(testo)) {
    ++righe;
    rotte += e.Riga.size() != 121;
    ++volte[std::string(e.Riga.vista())];
  }
  EXPECT_EQ(rotte, 0) << "torn lines";
  int accodate = 0;
  int perse = 0;  // reported as appended, but not in the file exactly once
  for (int a = 0; a < kAccodatori; ++a) {
    EXPECT_EQ(riuscite[a].size(), std::size_t{kAccodamenti}) << "appender " << a;
    for (const auto& r : riuscite[a]) perse += volte[r] != 1;
    accodate += static_cast<int>(riuscite[a].size());
  }
  EXPECT_EQ(perse, 0);
  EXPECT_EQ(righe, static_cast<int>(iniziali.size()) + accodate);
  for (int c = 0; c < kCorrettori; ++c) {
    const auto& sue = riuscite[kAccodatori + c];
    ASSERT_EQ(sue.size(), std::size_t{kCorrezioni}) << "corrector " << c;
    EXPECT_EQ(LeggiRecord(archivio, c + 1), sue.back());
  }
  EXPECT_EQ(testo.size(), 123u * righe - 2);  // CR LF between records, none after the last
}
