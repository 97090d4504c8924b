// The pasted-draw filter over a 10 MB text: the cost must stay linear and
// far below a second, whatever the user pastes.
#include <benchmark/benchmark.h>

#include <string>

#include "archive/FiltroEstrazione.h"

namespace ruotario::bench {

namespace {

constexpr std::size_t kDieciMega = 10u << 20;

std::string ripeti(const std::string& pezzo, std::size_t lunghezza) {
  std::string t;
  t.reserve(lunghezza + pezzo.size());
  while (t.size() < lunghezza) t += pezzo;
  return t;
}

// A long page of prose and numbers, the draw at its end.
void BM_FiltroPaginaLunga(benchmark::State& state) {
  const std::string testo =
      ripeti("Le estrazioni del 12-13 del mese 2026, ore 20:00, premi 1.234,56 euro; 591 televideo.\r\n", kDieciMega) +
      IstruzioniFiltro();
  for (auto _ : state) {
    const EsitoFiltro f = FiltraEstrazione(testo);
    if (!f.Completo()) state.SkipWithError("draw not found");
    benchmark::DoNotOptimize(f.Testo.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * testo.size()));
}
BENCHMARK(BM_FiltroPaginaLunga)->Unit(benchmark::kMillisecond);

// Every wheel named at the start and no acceptable number after it: each of
// the eleven scans runs to the end of the text.
void BM_FiltroCasoPeggiore(benchmark::State& state) {
  std::string testo;
  for (const auto nome : kNomiRuoteFiltro) testo += nome;
  testo += ripeti(" 0 91 123 00/00/0000", kDieciMega);
  for (auto _ : state) {
    const EsitoFiltro f = FiltraEstrazione(testo);
    benchmark::DoNotOptimize(f.Testo.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * testo.size()));
}
BENCHMARK(BM_FiltroCasoPeggiore)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruotario::bench
