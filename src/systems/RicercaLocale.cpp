#include "systems/RicercaLocale.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "systems/CasiCoperti.h"

namespace ruotario {

namespace {

// splitmix64: small, fast, and the same numbers on every platform.
class Casuale {
 public:
  explicit Casuale(std::uint64_t seme) : stato_(seme) {}
  std::uint64_t prossimo() {
    std::uint64_t z = (stato_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  std::uint64_t sotto(std::uint64_t n) { return prossimo() % n; }
  double reale() { return static_cast<double>(prossimo() >> 11) * 0x1.0p-53; }
  // A random one of the set bits of s (s != 0).
  int bit(std::uint64_t s) {
    for (auto salta = sotto(static_cast<std::uint64_t>(std::popcount(s))); salta > 0; --salta) s &= s - 1;
    return std::countr_zero(s);
  }

 private:
  std::uint64_t stato_;
};

// Annealing schedule: the temperature drops by kRaffreddamento every
// kPassiPerGradino swaps tried; when it has gone cold without covering more for
// kPassiSenzaMeglio tries, it starts warm again.
constexpr double kTemperaturaIniziale = 0.5;
constexpr double kTemperaturaMinima = 0.2;
constexpr double kRaffreddamento = 0.97;
constexpr std::uint64_t kPassiPerGradino = 200;
constexpr std::uint64_t kPassiSenzaMeglio = 20000;
constexpr std::uint64_t kPassiTraNotizie = 1 << 18;

class Ricottura {
 public:
  Ricottura(const ProblemaCopertura& p, std::uint64_t seme, std::uint64_t sforzo, const RichiestaStop& fermare,
            const AvanzamentoCopertura& avanzamento)
      : stato_(p), caso_(seme), sforzo_(sforzo), fermare_(fermare), avanzamento_(avanzamento) {}

  EsitoRicercaLocale riduci(const std::vector<std::uint64_t>& iniziale, std::size_t minimo) {
    EsitoRicercaLocale e;
    for (const std::uint64_t b : iniziale) conta(stato_.Aggiungi(b));
    e.Blocchi = iniziale;
    while (stato_.Blocchi().size() > std::max<std::size_t>(minimo, 1) && !esaurito()) {
      togliPiuDebole();
      if (!ricopri(e.Blocchi.size())) break;
      e.Blocchi = stato_.Blocchi();
    }
    e.Fermata = fermata_;
    e.Passi = passi_;
    return e;
  }

 private:
  bool esaurito() const { return fermata_ || passi_ >= sforzo_; }
  void conta(std::uint64_t passi) { passi_ += passi; }

  // Drops the ticket whose loss uncovers the fewest cases.
  void togliPiuDebole() {
    std::size_t peggiore = 0;
    std::uint64_t meno = ~std::uint64_t{0};
    for (std::size_t i = 0; i < stato_.Blocchi().size(); ++i) {
      const std::uint64_t u = stato_.Unici(i, passi_);
      if (u < meno) {
        meno = u;
        peggiore = i;
      }
    }
    conta(stato_.Togli(peggiore));
  }

  // The ticket to change for the uncovered case s: one meeting it in t - 1
  // numbers, or failing that one meeting it the most; ties drawn at random.
  std::size_t sceltaBlocco(std::uint64_t s) {
    const auto& blocchi = stato_.Blocchi();
    const int voluto = stato_.Problema().T - 1;
    std::size_t scelto = 0;
    int meglio = -1;
    std::uint64_t pari = 0;
    for (std::size_t i = 0; i < blocchi.size(); ++i) {
      const int comuni = std::min(std::popcount(blocchi[i] & s), voluto);
      if (comuni > meglio) {
        meglio = comuni;
        scelto = i;
        pari = 1;
      } else if (comuni == meglio && caso_.sotto(++pari) == 0) {
        scelto = i;
      }
    }
    passi_ += blocchi.size() / 8 + 4;  // the scan and the bookkeeping of one try
    return scelto;
  }

  // Anneals until no case is uncovered (true) or the effort runs out.
  bool ricopri(std::size_t migliore) {
    double temperatura = kTemperaturaIniziale;
    std::uint64_t tentativi = 0;
    std::uint64_t ultimoMeglio = 0;
    std::size_t minimoScoperti = stato_.Scoperti();
    std::uint64_t prossimaNotizia = passi_;
    while (stato_.Scoperti() > 0) {
      if (passi_ >= prossimaNotizia) {
        prossimaNotizia = passi_ + kPassiTraNotizie;
        if (fermare_ && fermare_()) fermata_ = true;
        if (avanzamento_)
          avanzamento_({migliore, stato_.Blocchi().size(), stato_.Scoperti(),
                        std::min(1.0, static_cast<double>(passi_) / static_cast<double>(sforzo_))});
      }
      if (esaurito()) return false;
      const std::uint64_t s = stato_.Caso(stato_.Scoperto(caso_.sotto(stato_.Scoperti())));
      const std::size_t i = sceltaBlocco(s);
      const std::uint64_t blocco = stato_.Blocchi()[i];
      const int y = caso_.bit(s & ~blocco);
      // The number to give up: the one whose loss uncovers the fewest cases.
      int x = -1;
      std::int64_t variazione = 0;
      std::uint64_t pari = 0;
      for (std::uint64_t fuori = blocco & ~s; fuori; fuori &= fuori - 1) {
        const int c = std::countr_zero(fuori);
        const std::int64_t v = stato_.Variazione(i, c, y, passi_);
        if (x < 0 || v < variazione) {
          x = c;
          variazione = v;
          pari = 1;
        } else if (v == variazione && caso_.sotto(++pari) == 0) {
          x = c;
        }
      }
      if (variazione <= 0 || caso_.reale() < std::exp(-static_cast<double>(variazione) / temperatura))
        conta(stato_.Scambia(i, x, y));
      ++tentativi;
      if (stato_.Scoperti() < minimoScoperti) {
        minimoScoperti = stato_.Scoperti();
        ultimoMeglio = tentativi;
      }
      if (tentativi % kPassiPerGradino == 0) temperatura = std::max(kTemperaturaMinima, temperatura * kRaffreddamento);
      if (tentativi - ultimoMeglio > kPassiSenzaMeglio) {
        temperatura = kTemperaturaIniziale;
        ultimoMeglio = tentativi;
        minimoScoperti = stato_.Scoperti();
      }
    }
    return true;
  }

  CasiCoperti stato_;
  Casuale caso_;
  std::uint64_t sforzo_;
  const RichiestaStop& fermare_;
  const AvanzamentoCopertura& avanzamento_;
  std::uint64_t passi_ = 0;
  bool fermata_ = false;
};

}  // namespace

std::vector<std::uint64_t> CoperturaGolosa(const ProblemaCopertura& p, std::size_t massimo) {
  CasiCoperti stato(p);
  std::vector<int> uso(static_cast<std::size_t>(p.N), 0);
  for (std::uint32_t r = 0; r < stato.Casi(); ++r) {
    if (stato.Copertura(r) > 0) continue;
    if (stato.Blocchi().size() >= massimo) return {};
    // t numbers of the case, then the numbers used least (ties: the next ones
    // after the case's first, so the tickets spread over all the numbers).
    std::uint64_t s = stato.Caso(r);
    std::uint64_t blocco = 0;
    for (int i = 0; i < p.T; ++i, s &= s - 1) blocco |= s & (~s + 1);
    const int partenza = std::countr_zero(blocco);
    while (std::popcount(blocco) < p.K) {
      int scelto = -1;
      for (int j = 1; j <= p.N; ++j) {
        const int x = (partenza + j) % p.N;
        if (blocco >> x & 1) continue;
        if (scelto < 0 || uso[static_cast<std::size_t>(x)] < uso[static_cast<std::size_t>(scelto)]) scelto = x;
      }
      blocco |= std::uint64_t{1} << scelto;
    }
    for (std::uint64_t b = blocco; b; b &= b - 1) ++uso[static_cast<std::size_t>(std::countr_zero(b))];
    stato.Aggiungi(blocco);
  }
  return stato.Blocchi();
}

EsitoRicercaLocale RiduciCopertura(const ProblemaCopertura& p, std::vector<std::uint64_t> iniziale, std::size_t minimo,
                                   std::uint64_t seme, std::uint64_t sforzo, const RichiestaStop& fermare,
                                   const AvanzamentoCopertura& avanzamento) {
  Ricottura r(p, seme, sforzo, fermare, avanzamento);
  return r.riduci(iniziale, minimo);
}

}  // namespace ruotario
