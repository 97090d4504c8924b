#include "stats/DistribuzioneCaso.h"

#include <algorithm>
#include <cmath>

namespace ruotario {

namespace {

// Binomial(n, p) by its log terms; p of 0 or 1 is a sure count.
std::vector<double> Binomiale(int n, double p) {
  std::vector<double> f(static_cast<std::size_t>(n) + 1, 0.0);
  if (p <= 0.0) {
    f[0] = 1.0;
    return f;
  }
  if (p >= 1.0) {
    f.back() = 1.0;
    return f;
  }
  const double lp = std::log(p);
  const double lq = std::log1p(-p);
  const double ln = std::lgamma(n + 1.0);
  for (int k = 0; k <= n; ++k)
    f[static_cast<std::size_t>(k)] =
        std::exp(ln - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0) + k * lp + (n - k) * lq);
  return f;
}

std::vector<double> Convoluzione(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<double> c(a.size() + b.size() - 1, 0.0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] == 0.0) continue;
    for (std::size_t j = 0; j < b.size(); ++j) c[i + j] += a[i] * b[j];
  }
  return c;
}

}  // namespace

DistribuzioneCaso::DistribuzioneCaso() : probabilita_{1.0}, cumulata_{1.0} {}

DistribuzioneCaso::DistribuzioneCaso(std::span<const GruppoProve> gruppi) : probabilita_{1.0} {
  // Largest group first, so each convolution multiplies by a short factor.
  std::vector<GruppoProve> ordinati(gruppi.begin(), gruppi.end());
  std::sort(ordinati.begin(), ordinati.end(), [](const auto& a, const auto& b) { return a.Prove > b.Prove; });
  for (const GruppoProve& g : ordinati) {
    if (g.Prove <= 0) continue;
    media_ += g.Prove * g.P;
    probabilita_ = Convoluzione(probabilita_, Binomiale(g.Prove, g.P));
  }
  cumulata_.resize(probabilita_.size());
  double somma = 0.0;
  for (std::size_t k = 0; k < probabilita_.size(); ++k) {
    somma += probabilita_[k];
    cumulata_[k] = std::min(somma, 1.0);
  }
}

double DistribuzioneCaso::Probabilita(int k) const {
  return k < 0 || k > Massimo() ? 0.0 : probabilita_[static_cast<std::size_t>(k)];
}

double DistribuzioneCaso::Cumulata(int k) const {
  if (k < 0) return 0.0;
  return k >= Massimo() ? 1.0 : cumulata_[static_cast<std::size_t>(k)];
}

double DistribuzioneCaso::Coda(int k) const {
  if (k <= 0) return 1.0;
  if (k > Massimo()) return 0.0;
  // Summed from the top so that a far tail keeps its precision.
  double s = 0.0;
  for (int j = Massimo(); j >= k; --j) s += probabilita_[static_cast<std::size_t>(j)];
  return std::min(s, 1.0);
}

int DistribuzioneCaso::QuantileMassimo(int quanti, double q) const {
  for (int k = 0; k < Massimo(); ++k)
    if (std::pow(Cumulata(k), quanti) >= q) return k;
  return Massimo();
}

double DistribuzioneCaso::CodaMassimo(int quanti, int k) const {
  if (k <= 0) return 1.0;
  if (k > Massimo()) return 0.0;
  // 1 - F^n without losing the small tails: -expm1(n * log1p(-(1 - F))).
  const double sopra = Coda(k);
  return -std::expm1(quanti * std::log1p(-std::min(sopra, 1.0 - 1e-300)));
}

}  // namespace ruotario
