#include "systems/ProbabilitaSistema.h"

#include <algorithm>

#include "stats/DistribuzioneCaso.h"
#include "systems/Combinatoria.h"

namespace ruotario {

namespace {
constexpr int kNumeri = 90;
constexpr int kEstratti = 5;
}  // namespace

double ProbabilitaEsatta(int k, int j) {
  if (k < 0 || k > kNumeri || j < 0 || j > k || j > kEstratti || kEstratti - j > kNumeri - k) return 0.0;
  return static_cast<double>(Binomiale(k, j)) * static_cast<double>(Binomiale(kNumeri - k, kEstratti - j)) /
         static_cast<double>(Binomiale(kNumeri, kEstratti));
}

double ProbabilitaSorte(int k, int t) {
  double p = 0.0;
  for (int j = std::max(t, 0); j <= std::min(k, kEstratti); ++j) p += ProbabilitaEsatta(k, j);
  return p;
}

double ResaAttesa(int sorte, double moltiplicatore) {
  return moltiplicatore * static_cast<double>(Binomiale(kEstratti, sorte)) /
         static_cast<double>(Binomiale(kNumeri, sorte));
}

CodaBinomiale::CodaBinomiale(std::int64_t prove, double p) {
  const GruppoProve gruppo{p, static_cast<int>(prove)};
  const DistribuzioneCaso d(std::span<const GruppoProve>(&gruppo, 1));
  coda_.assign(static_cast<std::size_t>(d.Massimo()) + 2, 0.0);
  // Summed from the top so that a far tail keeps its precision.
  for (int x = d.Massimo(); x >= 0; --x)
    coda_[static_cast<std::size_t>(x)] = std::min(1.0, coda_[static_cast<std::size_t>(x) + 1] + d.Probabilita(x));
}

double CodaBinomiale::operator()(std::int64_t x) const {
  if (x <= 0) return 1.0;
  if (x >= static_cast<std::int64_t>(coda_.size())) return 0.0;
  return coda_[static_cast<std::size_t>(x)];
}

}  // namespace ruotario
