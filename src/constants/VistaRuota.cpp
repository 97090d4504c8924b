#include "constants/VistaRuota.h"

#include <algorithm>

namespace ruotario {

VistaRuota::VistaRuota(const ArchivioEstrazioni& archivio, int ruota, int inizio, int fine) {
  const int primo = std::max(inizio, 1);
  const int ultimo = std::min(fine, archivio.Conta());
  if (primo > ultimo) return;
  Estrazioni.reserve(static_cast<std::size_t>(ultimo - primo + 1));
  for (int i = primo; i <= ultimo; ++i) {
    const Estrazione& e = archivio[i];
    PostoVista v;
    v.Data = e.Data();
    // An out-of-range wheel reads as a block of missing numbers.
    if (ruota >= 1 && ruota <= kNumeroRuote) {
      v.Blocco = e.Blocco(ruota);
      for (int k = 1; k <= kNumeriPerRuota; ++k) {
        v.Valori[static_cast<std::size_t>(k - 1)] = e.Valore(ruota, k);
        v.Codici[static_cast<std::size_t>(k - 1)] = CodiceTesto(e.TestoNumero(ruota, k));
      }
    } else {
      v.Codici.fill(-1);
    }
    Estrazioni.push_back(v);
  }
}

}  // namespace ruotario
