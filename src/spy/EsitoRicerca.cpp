#include "spy/EsitoRicerca.h"

#include <algorithm>
#include <numeric>

#include "app/Formato.h"
#include "app/NumeriLotto.h"

namespace ruotario {

void CalcolaPercentuali(EsitoRicerca& esito) {
  for (int n = 1; n <= kNumeriLotto; ++n) {
    esito.Percentuale[n] =
        esito.CasiGiocabili == 0 ? 0.0 : static_cast<double>(esito.Sortite[n]) / esito.CasiGiocabili * 100.0;
  }
}

RigaGriglia RigaEsito(const EsitoRicerca& esito, int numero, char separatore) {
  const auto& ritardo = esito.RitardoRel[numero];
  return {DueCifre(numero), std::to_string(esito.Sortite[numero]),
          FormattaNumero(esito.Percentuale[numero], "##0.000", separatore),
          ritardo ? std::to_string(*ritardo) : std::string()};
}

std::vector<RigaGriglia> RigheEsito(const EsitoRicerca& esito, char separatore) {
  std::vector<RigaGriglia> righe;
  righe.reserve(kNumeriLotto);
  for (int n = 1; n <= kNumeriLotto; ++n) righe.push_back(RigaEsito(esito, n, separatore));
  return righe;
}

std::array<int, kNumeriLotto> OrdinePerSortite(const EsitoRicerca& esito) {
  std::array<int, kNumeriLotto> ordine;
  std::iota(ordine.begin(), ordine.end(), 1);
  std::stable_sort(ordine.begin(), ordine.end(), [&](int a, int b) { return esito.Sortite[a] > esito.Sortite[b]; });
  return ordine;
}

}  // namespace ruotario
