#include "systems/ProbabilitaSistema.h"

#include <algorithm>
#include <cmath>

#include "systems/Combinatoria.h"

namespace ruotario {

namespace {
constexpr int kNumeri = 90;
constexpr int kEstratti = 5;
}  // namespace

double ResaAttesa(int sorte, double moltiplicatore) {
  return moltiplicatore * static_cast<double>(Binomiale(kEstratti, sorte)) /
         static_cast<double>(Binomiale(kNumeri, sorte));
}

double CodaBinomiale::termine(std::int64_t k) const {
  const double n = static_cast<double>(n_);
  const double j = static_cast<double>(k);
  return std::exp(std::lgamma(n + 1) - std::lgamma(j + 1) - std::lgamma(n - j + 1) + j * std::log(p_) +
                  (n - j) * std::log1p(-p_));
}

double CodaBinomiale::operator()(std::int64_t x) const {
  if (x <= 0) return 1.0;
  if (x > n_ || p_ <= 0.0) return 0.0;
  if (p_ >= 1.0) return 1.0;
  const double rapporto = p_ / (1.0 - p_);
  double somma = 0.0;
  if (static_cast<double>(x) > static_cast<double>(n_) * p_) {
    // Above the mean: P(X >= x), the terms falling from x upwards.
    double t = termine(x);
    for (std::int64_t k = x; k <= n_ && t > somma * 1e-17; ++k) {
      somma += t;
      t *= static_cast<double>(n_ - k) / static_cast<double>(k + 1) * rapporto;
    }
    return std::min(somma, 1.0);
  }
  // At or below the mean: 1 - P(X < x), the terms falling from x - 1 downwards.
  double t = termine(x - 1);
  for (std::int64_t k = x - 1; k >= 0 && t > somma * 1e-17; --k) {
    somma += t;
    t *= static_cast<double>(k) / static_cast<double>(n_ - k + 1) / rapporto;
  }
  return std::max(0.0, 1.0 - somma);
}

}  // namespace ruotario
