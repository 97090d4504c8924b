// ComponiRecord over any cell texts and any date the picker can hold: the
// record always keeps the fixed layout, 121 characters with its bars, and
// says when a cell was not a number 1..90.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "Verifica.h"
#include "app/NumeriLotto.h"
#include "archive/ScritturaArchivio.h"

using namespace ruotario;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  FuzzedDataProvider fdp(dati, n);
  const DataEstrazione data{fdp.ConsumeIntegralInRange(1, 31), fdp.ConsumeIntegralInRange(1, 12),
                            fdp.ConsumeIntegralInRange(1939, 2099)};
  CelleRuote celle;
  bool tutteValide = true;
  for (auto& ruota : celle)
    for (std::string& t : ruota) {
      t = fdp.ConsumeRandomLengthString(8);
      const bool cifre = !t.empty() && t.find_first_not_of("0123456789") == std::string::npos;
      const int v = ValoreTesto(t);
      if (!cifre || v < 1 || v > 90) tutteValide = false;
    }
  const RecordComposto r = ComponiRecord(data, celle);
  VERIFICA(r.Record.size() == 121u);
  VERIFICA(r.Record[10] == '|');
  for (int ruota = 0; ruota < 10; ++ruota) {
    VERIFICA(r.Record[static_cast<std::size_t>(21 + 11 * ruota)] == '|');
    for (int k = 0; k < 5; ++k) {
      const std::string& t = celle[static_cast<std::size_t>(ruota)][static_cast<std::size_t>(k)];
      VERIFICA(t.size() == 2u);
      VERIFICA(r.Record.compare(static_cast<std::size_t>(11 + 11 * ruota + 2 * k), 2, t) == 0);
    }
  }
  // A grid of plain numbers 1..90 is never flagged.
  if (tutteValide) VERIFICA(!r.Errore);
  return 0;
}
