// The spoglio of a 100-ticket system (tickets of 5) on all ten wheels over an
// archive as long as the real one (the sample calendar, 1939 to 2026), and
// the search of a reduced system. Run by hand; for the real archive:
//   RUOTARIO_BENCH_ARCHIVIO=/path/estrazioni.txt ruotario_bench --benchmark_filter=Spoglio

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "archive/ArchivioEsempio.h"
#include "systems/SistemaRidotto.h"
#include "systems/Spoglio.h"
#include "systems/Sviluppo.h"

namespace ruotario::bench {
namespace {

const ArchivioEstrazioni& ArchivioSpoglio() {
  static const ArchivioEstrazioni a = [] {
    if (const char* percorso = std::getenv("RUOTARIO_BENCH_ARCHIVIO"))
      return ArchivioEstrazioni::CaricaArchivio(percorso);
    return ArchivioEstrazioni::DaTesto(GeneraArchivioEsempio());
  }();
  return a;
}

void BM_Spoglio(benchmark::State& state) {
  const ArchivioEstrazioni& archivio = ArchivioSpoglio();
  TabellaPremi premi;
  premi.Moltiplicatore = {0, 11.23, 250, 4500, 120000, 6000000};
  premi.Ritenuta = 0.08;
  ParametriSpoglio p;
  Sistema tutte = SviluppoIntegrale(std::vector<int>{3, 8, 15, 22, 27, 34, 41, 56, 63, 77, 85, 90}, 5).Colonne;
  p.Colonne.assign(tutte.begin(), tutte.begin() + 100);
  p.Ruote = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  p.Colpi = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const EsitoSpoglio e = Spoglio(p, premi, archivio);
    benchmark::DoNotOptimize(e.Netto);
  }
  state.counters["estrazioni"] = archivio.Conta();
}
BENCHMARK(BM_Spoglio)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);

void BM_SistemaRidotto(benchmark::State& state) {
  ParametriRiduzione p;
  for (int n = 1; n <= state.range(0); ++n) p.Numeri.push_back(n);
  p.PerColonna = 5;
  p.Sorte = 2;
  p.Se = static_cast<int>(state.range(1));
  for (auto _ : state) {
    const EsitoRiduzione e = RiduciSistema(p);
    state.counters["colonne"] = static_cast<double>(e.Colonne.size());
  }
}
BENCHMARK(BM_SistemaRidotto)->Args({20, 2})->Args({20, 3})->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace ruotario::bench
