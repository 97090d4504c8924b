// Reading and merging a whole official archive (about 80,000 wheel lines,
// the Nazionale included) into an archive that holds its first half: the
// update's cost must be the download, never this.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "archive/ArchivioEsempio.h"
#include "archive/ArchivioEstrazioni.h"
#include "update/FontiPubblicate.h"
#include "update/UnioneArchivio.h"

namespace ruotario::bench {

namespace {

constexpr const char* kCodici[] = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RM", "TO", "VE"};

// The sample archive written as the concessionaire publishes it: one TAB line
// per wheel, numbers without leading zeros, and from May 2005 a Nazionale line.
std::string storicoDa(const ArchivioEstrazioni& archivio) {
  std::string t;
  char riga[64];
  for (const Estrazione& e : archivio) {
    const std::string_view d = e.Data();
    const std::string data =
        std::string(d.substr(6, 4)) + "/" + std::string(d.substr(3, 2)) + "/" + std::string(d.substr(0, 2));
    for (int r = 1; r <= kNumeroRuote; ++r) {
      if (e.Valore(r, 1) == 0) continue;
      std::snprintf(riga, sizeof riga, "%s\t%s\t%d\t%d\t%d\t%d\t%d\r\n", data.c_str(), kCodici[r - 1], e.Valore(r, 1),
                    e.Valore(r, 2), e.Valore(r, 3), e.Valore(r, 4), e.Valore(r, 5));
      t += riga;
    }
    if (data >= "2005/05/04") {
      std::snprintf(riga, sizeof riga, "%s\tRN\t%d\t%d\t%d\t%d\t%d\r\n", data.c_str(), e.Valore(10, 5), e.Valore(10, 4),
                    e.Valore(10, 3), e.Valore(10, 2), e.Valore(10, 1));
      t += riga;
    }
  }
  return t;
}

void BM_AggiornamentoStoricoCompleto(benchmark::State& state) {
  const std::string intero = GeneraArchivioEsempio();
  const ArchivioEstrazioni archivio = ArchivioEstrazioni::DaTesto(intero);
  const std::string storico = storicoDa(archivio);
  const std::string meta(intero.substr(0, static_cast<std::size_t>(archivio.Conta() / 2) * kLunghezzaRiga - 2));
  std::int64_t righe = 0;
  for (const char c : storico) righe += c == '\n';
  for (auto _ : state) {
    LetturaFonti l;
    if (!LeggiFonte("storico.txt", storico, l)) state.SkipWithError(l.Errore.c_str());
    ConcludiLettura(l);
    const EsitoUnione u = UnisciArchivio(meta, RecordArchivio(l), {}, l.DateScartate);
    const EsitoUnione n = UnisciNazionale({}, RecordNazionale(l), false);
    if (u.Testo != intero || n.Aggiunte == 0) state.SkipWithError("the merge does not give back the whole archive");
    benchmark::DoNotOptimize(u.Testo.data());
  }
  state.counters["righe"] = static_cast<double>(righe);
}
BENCHMARK(BM_AggiornamentoStoricoCompleto)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace ruotario::bench
