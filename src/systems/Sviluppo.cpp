#include "systems/Sviluppo.h"

#include <algorithm>
#include <vector>

#include "systems/Combinatoria.h"

namespace ruotario {

std::string ControllaPerColonna(int n, int k) {
  if (k < 1 || k > kMassimoPerColonna)
    return "una colonna ha da 1 a " + std::to_string(kMassimoPerColonna) + " numeri, non " + std::to_string(k);
  if (k > n) return "colonne da " + std::to_string(k) + " numeri con soli " + std::to_string(n) + " numeri scelti";
  return {};
}

EsitoSviluppo SviluppoIntegrale(std::span<const int> numeri, int k) {
  EsitoSviluppo e;
  e.Errore = ControllaNumeri(numeri);
  if (e.Errore.empty()) e.Errore = ControllaPerColonna(static_cast<int>(numeri.size()), k);
  if (!e.Errore.empty()) return e;
  std::vector<int> ordinati(numeri.begin(), numeri.end());
  std::sort(ordinati.begin(), ordinati.end());
  const int n = static_cast<int>(ordinati.size());
  e.Conta = Binomiale(n, k);
  if (e.Conta > kMassimoColonneIntegrale) {
    e.Errore = "lo sviluppo integrale di " + std::to_string(n) + " numeri in colonne da " + std::to_string(k) + " dà " +
               TestoMigliaia(e.Conta) + " colonne, più del massimo di " + TestoMigliaia(kMassimoColonneIntegrale);
    return e;
  }
  e.Colonne.reserve(e.Conta);
  std::vector<int> indici(static_cast<std::size_t>(k));
  for (int i = 0; i < k; ++i) indici[static_cast<std::size_t>(i)] = i;
  do {
    Colonna c(indici.size());
    for (std::size_t i = 0; i < indici.size(); ++i) c[i] = ordinati[static_cast<std::size_t>(indici[i])];
    e.Colonne.push_back(std::move(c));
  } while (ProssimaCombinazione(indici, n));
  return e;
}

}  // namespace ruotario

namespace ruotario {

std::optional<EsitoVerificaGaranzia> GaranziaIntegrale(std::span<const int> numeri, int k, const Sistema& colonne) {
  constexpr int kMassimoNumeriProvati = 40;
  if (numeri.size() > static_cast<std::size_t>(kMassimoNumeriProvati)) return std::nullopt;
  const int t = std::min({k, 5, static_cast<int>(numeri.size())});
  return VerificaGaranzia(numeri, colonne, t, t);
}

}  // namespace ruotario
