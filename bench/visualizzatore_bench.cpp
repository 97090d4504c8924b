// The archive viewer: opening it on the last record, and one move of its scroll
// bar (which reads one record at its offset, so it must not grow with the file).
// RUOTARIO_BENCH_ARCHIVIO names another archive to open instead of the generated one.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <cstdlib>

#include "ArchivioBench.h"
#include "app/Ambiente.h"
#include "archive/ui/frmvisualizzaArchivioEstrazioni.h"

namespace ruotario::bench {

namespace {

void preparaFinestre() {
  static int argc = 1;
  static char nome[] = "ruotario_bench";
  static char* argv[] = {nome, nullptr};
  if (QApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  const char* altro = std::getenv("RUOTARIO_BENCH_ARCHIVIO");
  Stato().ArchivePath = altro && *altro ? altro : PercorsoArchivioBench();
}

void BM_AperturaVisualizzatore(benchmark::State& state) {
  preparaFinestre();
  for (auto _ : state) {
    frmvisualizzaArchivioEstrazioni finestra;
    benchmark::DoNotOptimize(finestra.Posizione());
  }
}
BENCHMARK(BM_AperturaVisualizzatore)->Unit(benchmark::kMillisecond);

void BM_ScorriVisualizzatore(benchmark::State& state) {
  preparaFinestre();
  frmvisualizzaArchivioEstrazioni finestra;
  auto* scroll = finestra.findChild<QScrollBar*>(QStringLiteral("Scroll1"));
  const int ultima = finestra.Posizione();
  int i = 0;
  for (auto _ : state) {
    scroll->setValue(++i % 2 ? ultima - 1 : ultima);
    benchmark::DoNotOptimize(finestra.Posizione());
  }
}
BENCHMARK(BM_ScorriVisualizzatore)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ruotario::bench
