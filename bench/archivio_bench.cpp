#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "ArchivioBench.h"
#include "archive/ArchivioEsempio.h"
#include "archive/ArchivioEstrazioni.h"

namespace ruotario::bench {

const std::string& PercorsoArchivioBench() {
  static const std::string percorso = [] {
    const auto p = std::filesystem::temp_directory_path() / "ruotario-bench-estrazioni.txt";
    std::ofstream(p, std::ios::binary) << GeneraArchivioEsempio({kRecordBench, kSemeEsempio});
    return p.string();
  }();
  return percorso;
}

std::size_t LetturaNuda(const std::string& percorso) {
  std::string testo;
  LeggiFile(percorso, testo);
  return static_cast<std::size_t>(std::count(testo.begin(), testo.end(), '\n')) + 1;
}

namespace {

void BM_LetturaNuda(benchmark::State& state) {
  const std::string& percorso = PercorsoArchivioBench();
  for (auto _ : state) benchmark::DoNotOptimize(LetturaNuda(percorso));
}
BENCHMARK(BM_LetturaNuda)->Unit(benchmark::kMillisecond);

void BM_CaricaArchivio(benchmark::State& state) {
  const std::string& percorso = PercorsoArchivioBench();
  for (auto _ : state) {
    const auto archivio = ArchivioEstrazioni::CaricaArchivio(percorso);
    if (archivio.Conta() != kRecordBench) state.SkipWithError("wrong record count");
    benchmark::DoNotOptimize(archivio.Conta());
  }
}
BENCHMARK(BM_CaricaArchivio)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruotario::bench
