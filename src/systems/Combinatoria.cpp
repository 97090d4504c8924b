#include "systems/Combinatoria.h"

#include "forecasts/Previsione.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace ruotario {

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
