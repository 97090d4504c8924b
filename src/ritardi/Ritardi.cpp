#include "ritardi/Ritardi.h"

#include <algorithm>

namespace ruotario {

namespace {

// Walks one wheel's draws: remembers, for every number and pair, the index of
// the wheel draw in which it last came out (0 = not yet).
class Contatore {
 public:
  explicit Contatore(int ruota) {
    esito_.Ruota = ruota;
    esito_.Ambi.resize(kAmbiPerRuota);
    ultimaAmbo_.resize(kAmbiPerRuota, 0);
  }

  void estrazione(const Estrazione& e) {
    std::array<int, kNumeriPerRuota> numeri{};
    int quanti = 0;
    for (int k = 1; k <= kNumeriPerRuota; ++k) {
      const int n = e.Valore(esito_.Ruota, k);
      if (n < 1 || n > 90) continue;
      // Kept in ascending order, so pairs read (lower, higher); a number
      // repeated in a malformed block still came out once.
      int i = quanti;
      while (i > 0 && numeri[static_cast<std::size_t>(i - 1)] > n) --i;
      if (i > 0 && numeri[static_cast<std::size_t>(i - 1)] == n) continue;
      for (int j = quanti; j > i; --j) numeri[static_cast<std::size_t>(j)] = numeri[static_cast<std::size_t>(j - 1)];
      numeri[static_cast<std::size_t>(i)] = n;
      ++quanti;
    }
    if (quanti == 0) return;
    const int k = ++esito_.Estrazioni;
    for (int i = 0; i < quanti; ++i) {
      const auto n = static_cast<std::size_t>(numeri[static_cast<std::size_t>(i)]);
      sortita(esito_.Numeri[n], ultima_[n], k);
      for (int j = i + 1; j < quanti; ++j) {
        const auto a = static_cast<std::size_t>(
            IndiceAmbo(numeri[static_cast<std::size_t>(i)], numeri[static_cast<std::size_t>(j)]));
        sortita(esito_.Ambi[a], ultimaAmbo_[a], k);
      }
    }
  }

  RitardiRuota fine() && {
    const int totale = esito_.Estrazioni;
    for (std::size_t n = 1; n <= 90; ++n) chiudi(esito_.Numeri[n], ultima_[n], totale);
    for (std::size_t a = 0; a < esito_.Ambi.size(); ++a) chiudi(esito_.Ambi[a], ultimaAmbo_[a], totale);
    return std::move(esito_);
  }

 private:
  static void sortita(Ritardo& r, int& ultima, int k) {
    ++r.Frequenza;
    r.RitardoMassimo = std::max(r.RitardoMassimo, k - ultima - 1);
    ultima = k;
  }
  static void chiudi(Ritardo& r, int ultima, int totale) {
    r.RitardoAttuale = totale - ultima;
    r.RitardoMassimo = std::max(r.RitardoMassimo, r.RitardoAttuale);
  }

  RitardiRuota esito_;
  std::array<int, 91> ultima_{};
  std::vector<int> ultimaAmbo_;
};

}  // namespace

int IndiceAmbo(int a, int b) {
  // Pairs before those starting with a: sum of (90 - i) for i < a.
  return (a - 1) * (180 - a) / 2 + (b - a - 1);
}

std::pair<int, int> AmboDaIndice(int indice) {
  int a = 1;
  while (a < 89 && IndiceAmbo(a + 1, a + 2) <= indice) ++a;
  return {a, a + 1 + indice - IndiceAmbo(a, a + 1)};
}

EsitoRitardi CalcolaRitardi(const ParametriRitardi& parametri, const ArchivioEstrazioni& archivio) {
  EsitoRitardi esito;
  esito.Inizio = std::max(parametri.Inizio, 1);
  esito.Fine = parametri.Fine <= 0 ? archivio.Conta() : std::min(parametri.Fine, archivio.Conta());
  const int prima = parametri.Ruota == kTutteLeRuote ? 1 : parametri.Ruota;
  const int ultima = parametri.Ruota == kTutteLeRuote ? kNumeroRuote : parametri.Ruota;
  for (int r = prima; r <= ultima; ++r) {
    Contatore c(r);
    for (int i = esito.Inizio; i <= esito.Fine; ++i) c.estrazione(archivio[i]);
    esito.Ruote.push_back(std::move(c).fine());
  }
  return esito;
}

EsitoRitardi CalcolaRitardi(const ParametriRitardi& parametri, const std::string& percorso) {
  return CalcolaRitardi(parametri, ArchivioEstrazioni::CaricaArchivio(percorso));
}

}  // namespace ruotario
