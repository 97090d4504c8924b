// The ledger: what is saved comes back, a missing file is an empty ledger, a
// later layout is left alone, and a writer killed at any moment leaves every
// forecast whole or absent.

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <random>

#include "forecasts/RegistroPrevisioni.h"
#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

Previsione previsione(std::vector<int> numeri, int colpi, const std::string& chiave = "01/01/2020") {
  Previsione p;
  p.Numeri = std::move(numeri);
  p.Ruote = {6, 1};
  p.Colpi = colpi;
  p.DataChiave = chiave;
  p.Origine = "Numero Spia - Numeretto: 1";
  p.Nota = "«prova»";
  return p;
}

TEST(RegistroPrevisioni, KeepsWhatIsSavedAndSettlesOnTheArchive) {
  const CartellaTemporanea dir;
  const std::string registro = dir.File(kNomeRegistro);
  EXPECT_EQ(PercorsoRegistro(dir.File("estrazioni.txt")), registro);
  const LetturaRegistro vuoto = LeggiRegistro(registro);
  EXPECT_TRUE(vuoto.Voci.empty() && vuoto.Errore.empty());
  EXPECT_FALSE(std::filesystem::exists(registro)) << "reading creates no ledger";

  const long long a = AggiungiPrevisione(registro, previsione({17, 5}, 2)).Id;
  const long long b = AggiungiPrevisione(registro, previsione({90}, 5)).Id;
  EXPECT_NE(AggiungiPrevisione(registro, previsione({91}, 5)).Errore, "");
  const LetturaRegistro letto = LeggiRegistro(registro);
  ASSERT_EQ(letto.Voci.size(), 2u);
  const Previsione& p = letto.Voci[0].Dati;
  EXPECT_EQ(p.Id, a);
  EXPECT_EQ(p.Numeri, (std::vector<int>{5, 17}));
  EXPECT_EQ(p.Ruote, (std::vector<int>{1, 6}));
  EXPECT_EQ(p.Nota, "«prova»");
  EXPECT_EQ(p.DataChiave, "01/01/2020");
  EXPECT_FALSE(p.Salvata.empty());

  // 5 comes out at the second draw after the key; 90 never does.
  const auto archivio = ArchivioEstrazioni::DaTesto(
      Unisci({RecordBari("01/01/2020", {1, 2, 3, 4, 6}), RecordBari("02/01/2020", {10, 11, 12, 13, 14}),
              RecordBari("03/01/2020", {5, 11, 12, 13, 14})}));
  const RegistroSaldato saldato = SaldaRegistro(registro, archivio);
  EXPECT_EQ(saldato.NuoveSaldate, 1);
  EXPECT_EQ(saldato.Voci[0].Stato.Esito, EsitoPrevisione::Vinta);
  EXPECT_EQ(saldato.Voci[1].Stato.Colpo, 2);
  EXPECT_EQ(LeggiRegistro(registro).Voci[0].Stato, saldato.Voci[0].Stato) << "the cache is stored";
  EXPECT_EQ(SaldaRegistro(registro, archivio).NuoveSaldate, 0);

  EXPECT_EQ(EliminaPrevisione(registro, a), "");
  EXPECT_NE(EliminaPrevisione(registro, a), "");
  ASSERT_EQ(LeggiRegistro(registro).Voci.size(), 1u);
  EXPECT_EQ(LeggiRegistro(registro).Voci[0].Dati.Id, b);
}

TEST(RegistroPrevisioni, RefusesALaterLayoutAndAFileThatIsNoDatabase) {
  const CartellaTemporanea dir;
  const std::string registro = dir.File(kNomeRegistro);
  ASSERT_EQ(AggiungiPrevisione(registro, previsione({1}, 1)).Errore, "");
  sqlite3* db = nullptr;
  sqlite3_open(registro.c_str(), &db);
  sqlite3_exec(db, "PRAGMA user_version=2;", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  EXPECT_NE(LeggiRegistro(registro).Errore, "");
  EXPECT_NE(AggiungiPrevisione(registro, previsione({2}, 1)).Errore, "");

  const std::string testo = dir.Scrivi("altro.sqlite", "not a database at all, but long enough to look like one...");
  EXPECT_NE(LeggiRegistro(testo).Errore, "");
  EXPECT_NE(AggiungiPrevisione(testo, previsione({2}, 1)).Errore, "");
  EXPECT_EQ(CartellaTemporanea::Leggi(testo), "not a database at all, but long enough to look like one...");
}

// Runs `scrivi` in a child killed after `attesa` microseconds (never when negative).
int figlio(const std::function<bool()>& scrivi, long attesa) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(scrivi() ? 0 : 3);
  if (attesa >= 0) {
    ::usleep(static_cast<useconds_t>(attesa));
    ::kill(pid, SIGKILL);
  }
  int stato = 0;
  while (::waitpid(pid, &stato, 0) < 0 && errno == EINTR) {
  }
  return stato;
}

TEST(RegistroPrevisioni, AKilledWriterLeavesEveryForecastWholeOrAbsent) {
  std::error_code ec;
  const CartellaTemporanea dir(std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm"
                                                                             : std::filesystem::temp_directory_path());
  const std::string registro = dir.File(kNomeRegistro);
  std::mt19937 caso(26);
  std::uniform_int_distribution<int> numero(1, 90);
  constexpr int kPrevisioni = 3000;
  // The write killed: a new forecast, then every state changed in one transaction.
  const Previsione nuova = previsione({3, 44}, 7);
  std::vector<std::pair<long long, StatoPrevisione>> stati;
  auto scrivi = [&] {
    if (!AggiungiPrevisione(registro, nuova).Errore.empty()) return false;
    return SalvaStati(registro, stati).empty();
  };
  // Every trial starts from a copy of the same ledger.
  const std::string modello = dir.File("modello.sqlite");
  ASSERT_EQ(AggiungiPrevisione(modello, previsione({numero(caso)}, 1)).Errore, "");
  sqlite3* db = nullptr;
  sqlite3_open(modello.c_str(), &db);
  const std::string righe = "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                            std::to_string(kPrevisioni) +
                            ") INSERT INTO previsioni (salvata, data_chiave, numeri, ruote, sorte, colpi)"
                            " SELECT '2020-01-01 10:00', '01/01/2020', i % 90 + 1, '1', 1, 1 + i % 9 FROM n;";
  ASSERT_EQ(sqlite3_exec(db, righe.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  auto prepara = [&] {
    std::filesystem::remove(registro + "-journal");
    std::filesystem::copy_file(modello, registro, std::filesystem::copy_options::overwrite_existing);
  };
  for (long long id = 1; id <= kPrevisioni; ++id) {
    StatoPrevisione s;
    s.Esito = EsitoPrevisione::Scaduta;
    stati.emplace_back(id, s);
  }

  using Orologio = std::chrono::steady_clock;
  prepara();
  const auto t0 = Orologio::now();
  ASSERT_EQ(figlio(scrivi, -1), 0);
  const long durata = std::chrono::duration_cast<std::chrono::microseconds>(Orologio::now() - t0).count();

  constexpr int kProve = 60;
  int nessuna = 0, senzaStati = 0, intere = 0;
  for (int prova = 0; prova < kProve; ++prova) {
    prepara();
    const long attesa = durata * 6 / 5 * prova / kProve;  // evenly over the write and a little after
    figlio(scrivi, attesa);
    const LetturaRegistro r = LeggiRegistro(registro);
    ASSERT_EQ(r.Errore, "") << "kill after " << attesa << " us";
    const auto n = r.Voci.size();
    ASSERT_TRUE(n == kPrevisioni || n == kPrevisioni + 1) << n << " forecasts, kill after " << attesa << " us";
    if (n == kPrevisioni + 1) {
      EXPECT_EQ(r.Voci.back().Dati.Numeri, nuova.Numeri);
    }
    const auto scadute = std::count_if(r.Voci.begin(), r.Voci.end(), [](const VocePrevisione& v) {
      return v.Stato.Esito == EsitoPrevisione::Scaduta;
    });
    ASSERT_TRUE(scadute == 0 || scadute == kPrevisioni) << scadute << " states changed, kill after " << attesa;
    (n == kPrevisioni ? nessuna : scadute ? intere : senzaStati)++;
  }
  std::cout << kProve << " kills over ~" << durata << " us: " << nessuna << " before the forecast, " << senzaStati
            << " between the two writes, " << intere << " after both\n";
}

}  // namespace
