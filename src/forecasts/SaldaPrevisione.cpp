#include "forecasts/SaldaPrevisione.h"

#include <array>

namespace ruotario {

std::vector<long> DateArchivio(const ArchivioEstrazioni& archivio) {
  std::vector<long> date;
  date.reserve(static_cast<std::size_t>(archivio.Conta()));
  for (const Estrazione& e : archivio) date.push_back(OrdinaleData(e.Data()));
  return date;
}

std::string DataChiaveArchivio(const ArchivioEstrazioni& archivio) {
  for (int i = archivio.Conta(); i >= 1; --i)
    if (OrdinaleData(archivio[i].Data()) >= 0) return std::string(archivio[i].Data());
  return {};
}

int NumeriPresi(const Estrazione& e, int ruota, const std::array<bool, 91>& giocati) {
  std::array<bool, 91> visti{};
  int presi = 0;
  for (int k = 1; k <= kNumeriPerRuota; ++k) {
    const int v = e.Valore(ruota, k);
    if (v < 1 || v > 90 || visti[static_cast<std::size_t>(v)]) continue;
    visti[static_cast<std::size_t>(v)] = true;
    if (giocati[static_cast<std::size_t>(v)]) ++presi;
  }
  return presi;
}

StatoPrevisione SaldaPrevisione(const Previsione& p, const ArchivioEstrazioni& archivio,
                                const std::vector<long>& date) {
  StatoPrevisione s;
  std::array<bool, 91> giocati{};
  for (int n : p.Numeri)
    if (n >= 1 && n <= 90) giocati[static_cast<std::size_t>(n)] = true;
  const long chiave = p.DataChiave.empty() ? 0 : OrdinaleData(p.DataChiave);
  if (chiave < 0) return s;  // a damaged key plays no draw rather than the wrong ones

  for (int i = 1; i <= archivio.Conta() && s.Colpo < p.Colpi; ++i) {
    if (date[static_cast<std::size_t>(i - 1)] <= chiave) continue;
    const Estrazione& e = archivio[i];
    ++s.Colpo;
    int migliore = 0;
    int ruota = 0;
    for (int r : p.Ruote) {
      if (r < 1 || r > kNumeroRuote) continue;
      const int presi = NumeriPresi(e, r, giocati);
      if (presi > migliore) {
        migliore = presi;
        ruota = r;
      }
    }
    s.DataEsito = std::string(e.Data());
    s.RecordEsito = i;
    if (migliore >= p.Sorte && migliore > 0) {
      s.Esito = EsitoPrevisione::Vinta;
      s.RuotaVinta = ruota;
      s.SorteVinta = migliore;
      return s;
    }
  }
  if (s.Colpo >= p.Colpi) {
    s.Esito = EsitoPrevisione::Scaduta;
  } else {
    s.DataEsito.clear();
    s.RecordEsito = 0;
  }
  return s;
}

StatoPrevisione SaldaPrevisione(const Previsione& p, const ArchivioEstrazioni& archivio) {
  return SaldaPrevisione(p, archivio, DateArchivio(archivio));
}

}  // namespace ruotario
