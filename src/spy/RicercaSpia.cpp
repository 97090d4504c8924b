#include "spy/RicercaSpia.h"

#include "spy/ProvaSpia.h"

namespace ruotario {

EsitoRicerca RicercaSpia(const ParametriRicerca& parametri, const ArchivioEstrazioni& archivio,
                         const Avanzamento& avanzamento) {
  EsitoRicerca esito;
  const ProvaSpia eventoSpia(parametri);
  const int ruota = parametri.Ruota;
  std::array<bool, kNumeriLotto + 1> uscito{};
  bool inCaso = false;
  int colpo = 0;
  bool ritardoDaAggiornare = false;

  for (const Estrazione& estrazione : archivio) {
    const int i = estrazione.Numero;
    if (i < parametri.Inizio) continue;
    if (i > parametri.Fine) break;
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
      for (int k = 1; k <= 5; ++k) {
        const int v = estrazione.Valore(ruota, k);
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

EsitoRicerca RicercaSpia(const ParametriRicerca& parametri, const std::string& percorso,
                         const Avanzamento& avanzamento) {
  return RicercaSpia(parametri, ArchivioEstrazioni::CaricaArchivio(percorso), avanzamento);
}

}  // namespace ruotario
