#include "stats/ProbabilitaEstrazione.h"

#include <algorithm>
#include <array>
#include <limits>

namespace ruotario {

namespace {

constexpr int kNumeri = 90;

using Tabella = std::array<std::array<std::uint64_t, kNumeri + 1>, kNumeri + 1>;

Tabella calcolaTabella() {
  Tabella c{};
  constexpr std::uint64_t kTetto = std::numeric_limits<std::uint64_t>::max();
  for (int n = 0; n <= kNumeri; ++n) {
    c[n][0] = 1;
    for (int k = 1; k <= n; ++k) {
      const std::uint64_t a = c[n - 1][k - 1];
      const std::uint64_t b = c[n - 1][k];
      c[n][k] = a > kTetto - b ? kTetto : a + b;
    }
  }
  return c;
}

}  // namespace

std::uint64_t Binomiale(int n, int k) {
  static const Tabella tabella = calcolaTabella();
  if (n < 0 || n > kNumeri || k < 0 || k > n) return 0;
  return tabella[n][k];
}

double ProbabilitaEsatta(int k, int j, int estratti) {
  if (k < 0 || k > kNumeri || estratti < 0 || estratti > kNumeri || j < 0 || j > k || j > estratti ||
      estratti - j > kNumeri - k)
    return 0.0;
  return static_cast<double>(Binomiale(k, j)) * static_cast<double>(Binomiale(kNumeri - k, estratti - j)) /
         static_cast<double>(Binomiale(kNumeri, estratti));
}

double ProbabilitaSorte(int k, int t, int estratti) {
  double p = 0.0;
  for (int j = std::max(t, 0); j <= std::min(k, estratti); ++j) p += ProbabilitaEsatta(k, j, estratti);
  return p;
}

double ProbabilitaMancata(int k, int m) {
  // C(90-k, m) / C(90, m) = prod_{i<m} (90-k-i) / (90-i).
  if (k <= 0 || m <= 0) return 1.0;
  double q = 1.0;
  for (int i = 0; i < m; ++i) q *= std::max(0, kNumeri - k - i) / static_cast<double>(kNumeri - i);
  return q;
}

}  // namespace ruotario
