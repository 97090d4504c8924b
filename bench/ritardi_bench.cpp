// The delays study as the window runs it at every choice: read the file,
// count numbers and pairs, order them and lay out the table texts. One wheel
// and all ten over the 32,767-record archive; compare with BM_LetturaNuda.

#include <benchmark/benchmark.h>

#include "ArchivioBench.h"
#include "ritardi/Ritardi.h"
#include "ritardi/VociRitardi.h"

namespace ruotario::bench {
namespace {

void BM_Ritardi(benchmark::State& state) {
  const std::string& percorso = PercorsoArchivioBench();
  ParametriRitardi p;
  p.Ruota = static_cast<int>(state.range(0));
  const bool tutte = p.Ruota == kTutteLeRuote;
  for (auto _ : state) {
    const EsitoRitardi e = CalcolaRitardi(p, percorso);
    const auto numeri = RigheRitardi(PiuRitardatari(VociNumeri(e), 0), tutte, '.');
    const auto ambi = RigheRitardi(PiuRitardatari(VociAmbi(e), 100), tutte, '.');
    benchmark::DoNotOptimize(numeri.size() + ambi.size());
  }
}
BENCHMARK(BM_Ritardi)->Arg(1)->Arg(kTutteLeRuote)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruotario::bench
