#include "spy/RicercaSpia.h"

#include <algorithm>

#include "spy/ProvaSpia.h"

namespace ruotario {

VettoreGrande<NumeriRuota> LeggiRuota(const ArchivioEstrazioni& archivio, int ruota) {
  VettoreGrande<NumeriRuota> numeri;
  numeri.reserve(static_cast<std::size_t>(archivio.Conta()));
  for (const Estrazione& e : archivio) numeri.push_back(LeggiNumeri(e, ruota));
  return numeri;
}

EsitoRicerca RicercaSuRuota(const ParametriRicerca& parametri, std::span<const NumeriRuota> ruota,
                            const Avanzamento& avanzamento) {
  EsitoRicerca esito;
  const ProvaSpia eventoSpia(parametri);
  std::array<bool, kNumeriLotto + 1> uscito{};
  bool inCaso = false;
  int colpo = 0;
  bool ritardoDaAggiornare = false;

  const int conta = static_cast<int>(ruota.size());
  const int primo = std::max(parametri.Inizio, 1);
  const int ultimo = std::min(parametri.Fine, conta);
  for (int i = primo; i <= ultimo; ++i) {
    const NumeriRuota& estrazione = ruota[static_cast<std::size_t>(i - 1)];
    ++esito.TotaleEstrazioni;
    if (avanzamento) avanzamento(esito.TotaleEstrazioni);

    if (inCaso) {
      // Delays are counted in cases: advanced once, at the first watched draw.
      if (ritardoDaAggiornare) {
        for (int n = 1; n <= kNumeriLotto; ++n) esito.RitardoRel[n] = esito.RitardoRel[n].value_or(0) + 1;
        ritardoDaAggiornare = false;
      }
      if (colpo >= parametri.Colpi) {
        // The closing draw: neither counted nor tested for the spy.
        inCaso = false;
        continue;
      }
      ++colpo;
      for (const int v : estrazione.Valore) {
        if (v < 1 || v > kNumeriLotto) continue;
        if (parametri.SortiteUniche && uscito[v]) continue;
        ++esito.Sortite[v];
        esito.RitardoRel[v] = 0;
        uscito[v] = true;
      }
      continue;
    }

    if (!eventoSpia(estrazione)) continue;
    if (parametri.SortiteUniche) uscito.fill(false);
    ++esito.CasiGiocabili;
    inCaso = true;
    colpo = 0;
    ritardoDaAggiornare = true;
  }
  CalcolaPercentuali(esito);
  return esito;
}

EsitoRicerca RicercaSpia(const ParametriRicerca& parametri, const ArchivioEstrazioni& archivio,
                         const Avanzamento& avanzamento) {
  return RicercaSuRuota(parametri, LeggiRuota(archivio, parametri.Ruota), avanzamento);
}

EsitoRicerca RicercaSpia(const ParametriRicerca& parametri, const std::string& percorso,
                         const Avanzamento& avanzamento) {
  return RicercaSpia(parametri, ArchivioEstrazioni::CaricaArchivio(percorso), avanzamento);
}

}  // namespace ruotario
