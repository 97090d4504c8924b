// Several programs writing the archive at once: appends and corrections from
// separate processes, and writers that find the archive locked by another.
#include "archive/BloccoArchivio.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>

#include "archive/EsportaArchivio.h"
#include "archive/ImportaArchivio.h"
#include "archive/ScritturaArchivio.h"
#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

// A record no other writer makes: the year names the writer, Bari its step.
std::string recordDi(int scrittore, int passo) {
  return Record(DataProva(passo + 1, 1900 + 10 * scrittore), {scrittore + 1, passo / 90 + 1, passo % 90 + 1});
}

// Runs `lavoro` in a child once the gate opens (its write end is closed);
// what the child reports comes back, one record per line.
struct Figlio {
  pid_t pid = -1;
  int lettura = -1;
};
template <typename F>
Figlio avvia(const int cancello[2], F lavoro) {
  int tubo[2];
  if (::pipe(tubo) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(tubo[0]);
    ::close(cancello[1]);
    char c;
    while (::read(cancello[0], &c, 1) > 0) {
    }
    const std::string riuscite = lavoro();
    ::_exit(::write(tubo[1], riuscite.data(), riuscite.size()) == static_cast<ssize_t>(riuscite.size()) ? 0 : 1);
  }
  ::close(tubo[1]);
  return {pid, tubo[0]};
}
std::vector<std::string> attendi(const Figlio& f) {
  std::string testo;
  char buf[4096];
  for (ssize_t n; (n = ::read(f.lettura, buf, sizeof buf)) > 0;) testo.append(buf, static_cast<std::size_t>(n));
  ::close(f.lettura);
  int stato = 0;
  ::waitpid(f.pid, &stato, 0);
  EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
  std::vector<std::string> righe;
  for (const auto& e : ArchivioEstrazioni::DaTesto(testo)) righe.emplace_back(e.Riga.vista());
  return righe;
}

}  // namespace

TEST(BloccoArchivio, WritersInSeveralProcessesLoseNothing) {
  const CartellaTemporanea dir(BaseInMemoria());
  const std::vector<std::string> iniziali = {recordDi(8, 0), recordDi(8, 1), recordDi(8, 2)};
  const std::string archivio = dir.Scrivi("estrazioni.txt", Unisci(iniziali));
  constexpr int kAccodatori = 3, kAccodamenti = 1000, kCorrettori = 2, kCorrezioni = 200;
  const std::chrono::seconds attesa(20);  // a loaded machine must not time out here

  int cancello[2];
  ASSERT_EQ(::pipe(cancello), 0);
  std::vector<Figlio> figli;
  for (int a = 0; a < kAccodatori; ++a)
    figli.push_back(avvia(cancello, [&, a] {
      std::string riuscite;
      for (int p = 0; p < kAccodamenti; ++p)
        if (AccodaRecord(archivio, recordDi(a, p), {}, attesa)) riuscite += recordDi(a, p) + "\n";
      return riuscite;
    }));
  // Corrector c owns record c + 1: what it last saved there must be there at the end.
  for (int c = 0; c < kCorrettori; ++c)
    figli.push_back(avvia(cancello, [&, c] {
      std::string riuscite;
      for (int p = 0; p < kCorrezioni; ++p) {
        const std::string mostrato = LeggiRecord(archivio, c + 1).value_or("");
        const std::string nuovo = recordDi(kAccodatori + c, p);
        if (RiscriviRecord(archivio, nuovo, c + 1, mostrato, attesa)) riuscite += nuovo + "\n";
      }
      return riuscite;
    }));

  ::close(cancello[0]);
  ::close(cancello[1]);  // all start together
  std::vector<std::vector<std::string>> riuscite;
  for (const Figlio& f : figli) riuscite.push_back(attendi(f));
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

TEST(BloccoArchivio, AWriterFindingTheArchiveInUseWritesNothing) {
  const CartellaTemporanea dir;
  const std::string testo = Unisci({kR1, kR2});
  const std::string archivio = dir.Scrivi("estrazioni.txt", testo);
  const std::string scelto = dir.Scrivi("nuovo-estrazioni.txt", kR3);
  std::filesystem::create_directory(dir.File("penna"));
  const std::chrono::milliseconds breve(30);
  const BloccoArchivio altro(archivio);  // another program's lock
  ASSERT_TRUE(altro);
  const std::vector<std::pair<const char*, std::string>> esiti = {
      {"append", AccodaRecord(archivio, kR3, {}, breve).Messaggio},
      {"correction", RiscriviRecord(archivio, kR3, 2, kR2, breve).Messaggio},
      {"import", ImportaArchivio({scelto, archivio, false, breve}).Messaggio},
      {"export", EsportaArchivio(archivio, dir.File("penna"), breve).Messaggio},
      {"lock", BloccoArchivio(archivio, breve).Errore()},
  };
  for (const auto& [chi, messaggio] : esiti)
    EXPECT_NE(messaggio.find(kArchivioInUso), std::string::npos) << chi << ": " << messaggio;
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), testo);
  EXPECT_EQ(dir.ContaFile("") + dir.ContaFile("penna"), 3);  // no backup, temporary file or copy
}
