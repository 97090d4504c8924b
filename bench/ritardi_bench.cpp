// The delays studies as the window runs them at every choice: read the file,
// count, order and lay out the texts. Over the generated 32,767-record archive
// (compare with BM_LetturaNuda), or over the archive named by the environment
// variable RUOTARIO_BENCH_ARCHIVIO when it is set.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>

#include "ArchivioBench.h"
#include "app/Ambiente.h"
#include "ritardi/Ritardi.h"
#include "ritardi/Tabellone.h"
#include "ritardi/VociRitardi.h"
#include "ritardi/ui/FrmRitardi.h"

namespace ruotario::bench {
namespace {

const std::string& Percorso() {
  static const std::string percorso = [] {
    const char* scelto = std::getenv("RUOTARIO_BENCH_ARCHIVIO");
    return scelto && *scelto ? std::string(scelto) : PercorsoArchivioBench();
  }();
  return percorso;
}

// The tabellone analitico: every number on the ten wheels, with its chance figures.
void BM_Tabellone(benchmark::State& state) {
  for (auto _ : state) {
    const auto archivio = ArchivioEstrazioni::CaricaArchivio(Percorso());
    const auto voci = VociRitardi(CalcolaTabellone(archivio, {}));
    benchmark::DoNotOptimize(voci.data());
  }
}
BENCHMARK(BM_Tabellone)->Unit(benchmark::kMillisecond);

// The 117,480 triples of one wheel, the hundred most overdue laid out.
void BM_TerniRuota(benchmark::State& state) {
  ParametriRitardi p;
  p.Tipo = TipoRitardo::Terno;
  for (auto _ : state) {
    const auto archivio = ArchivioEstrazioni::CaricaArchivio(Percorso());
    const auto righe = RigheRitardi(PiuRitardatari(VociRitardi(CalcolaRitardi(p, archivio)), 100), false, '.');
    benchmark::DoNotOptimize(righe.data());
  }
}
BENCHMARK(BM_TerniRuota)->Unit(benchmark::kMillisecond);

// Numbers and the hundred most overdue pairs, of one wheel and of all ten.
void BM_Ritardi(benchmark::State& state) {
  ParametriRitardi p;
  p.Ruota = static_cast<int>(state.range(0));
  const bool tutte = p.Ruota == kTutteLeRuote;
  for (auto _ : state) {
    const auto archivio = ArchivioEstrazioni::CaricaArchivio(Percorso());
    p.Tipo = TipoRitardo::Numero;
    const auto numeri = RigheRitardi(PiuRitardatari(VociRitardi(CalcolaRitardi(p, archivio)), 0), tutte, '.');
    p.Tipo = TipoRitardo::Ambo;
    const auto ambi = RigheRitardi(PiuRitardatari(VociRitardi(CalcolaRitardi(p, archivio)), 100), tutte, '.');
    benchmark::DoNotOptimize(numeri.size() + ambi.size());
  }
}
BENCHMARK(BM_Ritardi)->Arg(1)->Arg(kTutteLeRuote)->Unit(benchmark::kMillisecond);

// Opening the window (offscreen): date lists, tabellone, table and chart of
// the first row. Its choices go to the test-mode settings, never the user's.
void BM_AperturaRitardi(benchmark::State& state) {
  static int argc = 1;
  static char nome[] = "ruotario_bench";
  static char* argv[] = {nome, nullptr};
  if (!QApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
  }
  QStandardPaths::setTestModeEnabled(true);
  Stato().ArchivePath = Percorso();
  for (auto _ : state) {
    FrmRitardi finestra;
    benchmark::DoNotOptimize(finestra.Esito().Ruote.size());
  }
}
BENCHMARK(BM_AperturaRitardi)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruotario::bench
