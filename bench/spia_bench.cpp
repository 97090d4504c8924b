// One spy study and one ZevedIVE run over the 32,767-record archive, each
// including the read of the file; compare with BM_LetturaNuda.

#include <benchmark/benchmark.h>

#include "ArchivioBench.h"
#include "archive/ArchivioEstrazioni.h"
#include "spy/RicercaSpia.h"
#include "spy/Zevedive.h"

namespace ruotario::bench {
namespace {

void BM_RicercaSpia(benchmark::State& state) {
  const std::string& percorso = PercorsoArchivioBench();
  ParametriRicerca p;
  p.NumeriSpia = {17, 0, 0};
  p.Inizio = 1;
  int esaminate = 0;
  for (auto _ : state) {
    const EsitoRicerca e = RicercaSpia(p, percorso, [&](int n) { esaminate = n; });
    if (e.TotaleEstrazioni != kRecordBench) state.SkipWithError("wrong record count");
    benchmark::DoNotOptimize(e.CasiGiocabili);
  }
  benchmark::DoNotOptimize(esaminate);
}
BENCHMARK(BM_RicercaSpia)->Unit(benchmark::kMillisecond);

void BM_RicercaSpiaSommaTutteLeCoppie(benchmark::State& state) {
  const std::string& percorso = PercorsoArchivioBench();
  ParametriRicerca p;
  p.Tipo = TipoSpia::Somma;
  p.NumeriSpia = {45, 0, 0};
  for (auto _ : state) benchmark::DoNotOptimize(RicercaSpia(p, percorso).CasiGiocabili);
}
BENCHMARK(BM_RicercaSpiaSommaTutteLeCoppie)->Unit(benchmark::kMillisecond);

void BM_Zevedive(benchmark::State& state) {
  const std::string& percorso = PercorsoArchivioBench();
  ParametriZevedive p;  // slider 0: the whole archive before the last draw
  for (auto _ : state) {
    const auto archivio = ArchivioEstrazioni::CaricaArchivio(percorso);
    SommeZevedive somme;
    const EsitoZevedive e = Zevedive(p, archivio, somme, [](int) {});
    if (e.Fine != kRecordBench - 1) state.SkipWithError("wrong span");
    benchmark::DoNotOptimize(e.MiglioriSomme[0].Numero);
  }
}
BENCHMARK(BM_Zevedive)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruotario::bench
