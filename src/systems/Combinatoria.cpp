#include "systems/Combinatoria.h"

#include "forecasts/Previsione.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <string>

namespace ruotario {

namespace {

constexpr int kMassimoN = 90;

using Tabella = std::array<std::array<std::uint64_t, kMassimoN + 1>, kMassimoN + 1>;

Tabella calcolaTabella() {
  Tabella c{};
  constexpr std::uint64_t kTetto = std::numeric_limits<std::uint64_t>::max();
  for (int n = 0; n <= kMassimoN; ++n) {
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
  if (n < 0 || n > kMassimoN || k < 0 || k > n) return 0;
  return tabella[n][k];
}

bool ProssimaCombinazione(std::vector<int>& indici, int n) {
  const int k = static_cast<int>(indici.size());
  int i = k - 1;
  while (i >= 0 && indici[static_cast<std::size_t>(i)] == n - k + i) --i;
  if (i < 0) return false;
  ++indici[static_cast<std::size_t>(i)];
  for (int j = i + 1; j < k; ++j) indici[static_cast<std::size_t>(j)] = indici[static_cast<std::size_t>(j - 1)] + 1;
  return true;
}

std::string SorteInTesto(int sorte) {
  std::string s(NomeSorte(sorte));
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string TestoMigliaia(std::uint64_t n) {
  const std::string cifre = std::to_string(n);
  std::string t;
  for (std::size_t i = 0; i < cifre.size(); ++i) {
    if (i > 0 && (cifre.size() - i) % 3 == 0) t += '.';
    t += cifre[i];
  }
  return t;
}

}  // namespace ruotario
