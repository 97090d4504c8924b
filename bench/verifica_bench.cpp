// The walk-forward replay of each method against one study of the same kind
// over the same archive: the generated sample of the real calendar (about
// 7,370 draws since 1939), in memory, so the file read counts in neither.
// The replay keeps its statistics draw by draw; what it costs over one study
// is the multiple asked of it. Measured (CPU time, 2 shared cores): the spy
// replay 1.8x a spy study, kostanti 1.6x a constants statistic, ritardatario
// 1.6x a delays study of the wheel, zevedive 4.1x one ZevedIVE run (fifteen
// studies); on the real archive (by hand) 1.3x, 2.5x, 1.7x and 4.4x.

#include <benchmark/benchmark.h>

#include "archive/ArchivioEsempio.h"
#include "constants/StatisticaKostanti.h"
#include "forecasts/VerificaMetodo.h"
#include "ritardi/Ritardi.h"
#include "spy/RicercaSpia.h"
#include "spy/Zevedive.h"

namespace ruotario::bench {
namespace {

const ArchivioEstrazioni& archivio() {
  static const ArchivioEstrazioni a = ArchivioEstrazioni::DaTesto(GeneraArchivioEsempio());
  return a;
}

void replay(benchmark::State& state, MetodoVerifica metodo) {
  ParametriVerifica p;
  p.Metodo = metodo;
  p.Colpi = metodo == MetodoVerifica::Zevedive ? 2 : 9;
  for (auto _ : state) benchmark::DoNotOptimize(VerificaMetodo(p, archivio()).Caso.Vinte);
}

void BM_VerificaSpia(benchmark::State& s) { replay(s, MetodoVerifica::Spia); }
void BM_VerificaKostanti(benchmark::State& s) { replay(s, MetodoVerifica::Kostanti); }
void BM_VerificaRitardatario(benchmark::State& s) { replay(s, MetodoVerifica::Ritardatario); }
void BM_VerificaZevedive(benchmark::State& s) { replay(s, MetodoVerifica::Zevedive); }

void BM_StudioSpia(benchmark::State& state) {
  ParametriRicerca p;
  for (auto _ : state) benchmark::DoNotOptimize(RicercaSpia(p, archivio()).CasiGiocabili);
}
void BM_StudioKostanti(benchmark::State& state) {
  ParametriStatistica p;
  p.Fine = archivio().Conta();
  for (auto _ : state) benchmark::DoNotOptimize(CalcolaStatistica(p, archivio()).CasiVincenti);
}
void BM_StudioRitardi(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(CalcolaRitardi(ParametriRitardi{}, archivio()).Fine);
}
void BM_StudioZevedive(benchmark::State& state) {
  ParametriZevedive p;
  for (auto _ : state) {
    SommeZevedive somme;
    benchmark::DoNotOptimize(Zevedive(p, archivio(), somme).MiglioriSomme[0].Numero);
  }
}

BENCHMARK(BM_StudioSpia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerificaSpia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StudioKostanti)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerificaKostanti)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StudioRitardi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerificaRitardatario)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StudioZevedive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerificaZevedive)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruotario::bench
