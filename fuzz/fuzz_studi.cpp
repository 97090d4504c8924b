// A whole spy study and a constants statistic over a fuzzed archive with
// fuzzed choices, within the ranges the windows and the command line allow:
// no study examines a draw outside its span, and the totals agree.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "Verifica.h"
#include "archive/ArchivioEstrazioni.h"
#include "constants/StatisticaKostanti.h"
#include "spy/RicercaSpia.h"

using namespace ruotario;

namespace {

// Draws of the span [inizio, fine] that exist in an archive of `conta`.
int ampiezza(int inizio, int fine, int conta) { return std::max(0, std::min(fine, conta) - inizio + 1); }

void studioSpia(FuzzedDataProvider& fdp, const ArchivioEstrazioni& archivio) {
  ParametriRicerca p;
  p.Tipo = static_cast<TipoSpia>(fdp.ConsumeIntegralInRange(0, 9));
  p.Ruota = fdp.ConsumeIntegralInRange(1, 10);
  for (int& v : p.NumeriSpia) v = fdp.ConsumeIntegralInRange(SpiaMinima(p.Tipo), SpiaMassima(p.Tipo));
  p.Combina = static_cast<Combinazione>(fdp.ConsumeIntegralInRange(0, 2));
  p.Posizione = fdp.ConsumeIntegralInRange(0, 5);
  p.Coppia = CoppiaDaElenco(fdp.ConsumeIntegralInRange(0, kNumeroCoppie));
  p.Colpi = fdp.ConsumeIntegralInRange(1, kColpiMassimi);
  const int conta = std::max(1, archivio.Conta());
  p.Inizio = fdp.ConsumeIntegralInRange(1, conta);
  p.Fine = fdp.ConsumeBool() ? std::numeric_limits<int>::max() : fdp.ConsumeIntegralInRange(p.Inizio, conta);
  p.SortiteUniche = fdp.ConsumeBool();

  const int span = ampiezza(p.Inizio, p.Fine, archivio.Conta());
  int ultimo = 0;
  const EsitoRicerca e = RicercaSpia(p, archivio, [&](int esaminate) {
    VERIFICA(esaminate > ultimo && esaminate <= span);
    ultimo = esaminate;
  });
  VERIFICA(e.TotaleEstrazioni >= 0 && e.TotaleEstrazioni <= span);
  VERIFICA(e.CasiGiocabili >= 0 && e.CasiGiocabili <= e.TotaleEstrazioni);
  for (int n = 1; n <= kNumeriLotto; ++n) {
    VERIFICA(e.Sortite[static_cast<std::size_t>(n)] >= 0);
    if (p.SortiteUniche) VERIFICA(e.Sortite[static_cast<std::size_t>(n)] <= e.CasiGiocabili);
    const auto& ritardo = e.RitardoRel[static_cast<std::size_t>(n)];
    VERIFICA(!ritardo || (*ritardo >= 0 && *ritardo <= e.TotaleEstrazioni));
  }
}

void statisticaKostanti(FuzzedDataProvider& fdp, const ArchivioEstrazioni& archivio) {
  ParametriStatistica p;
  p.Ruota = fdp.ConsumeIntegralInRange(1, 10);
  p.NumeroSpia = fdp.ConsumeIntegralInRange(1, 90);
  p.Posizione = fdp.ConsumeIntegralInRange(0, 5);
  p.Colpi = fdp.ConsumeIntegralInRange(1, 99);
  const int conta = std::max(1, archivio.Conta());
  p.Inizio = fdp.ConsumeIntegralInRange(1, conta);
  p.Fine = fdp.ConsumeIntegralInRange(p.Inizio, conta);
  for (int& a : p.Ambata) a = fdp.ConsumeIntegralInRange(0, 800);
  for (bool& a : p.Attiva) a = fdp.ConsumeBool();
  if (!AlmenoUnaAttiva(p)) return;

  const int span = ampiezza(p.Inizio, p.Fine, archivio.Conta());
  const EsitoStatistica e =
      CalcolaStatisticaCompleta(p, archivio, [&](int esaminate) { VERIFICA(esaminate >= 0 && esaminate <= span); });
  VERIFICA(e.TotaleEstrazioni >= 0 && e.TotaleEstrazioni <= span);
  VERIFICA(e.CasiVincenti >= 0 && e.CasiVincenti <= e.CasiGiocabili);
  VERIFICA(e.CasiGiocabili <= e.TotaleEstrazioni);
  VERIFICA(static_cast<int>(e.Vincenti.size()) == e.CasiVincenti);
  VERIFICA(e.PercentualeVincita >= 0.0 && e.PercentualeVincita <= 100.0);
  VERIFICA(e.Colpo >= 0 && e.Colpo <= p.Colpi);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  FuzzedDataProvider fdp(dati, n);
  // The choices take the first bytes; the rest is the archive.
  const std::string scelte = fdp.ConsumeBytesAsString(std::min<std::size_t>(n, 48));
  const ArchivioEstrazioni archivio = ArchivioEstrazioni::DaTesto(fdp.ConsumeRemainingBytesAsString());
  FuzzedDataProvider parametri(reinterpret_cast<const std::uint8_t*>(scelte.data()), scelte.size());
  studioSpia(parametri, archivio);
  statisticaKostanti(parametri, archivio);
  return 0;
}
