#pragma once
// What is known of the smallest covering C(n, k, t): k-number tickets holding
// every t of n numbers. Schönheim's lower bound, and the sizes the literature
// has proved optimal for the cases this program builds.

#include <cstdint>
#include <optional>
#include <string>

namespace ruotario {

// L(n, k, t) = ceil(n/k * ceil((n-1)/(k-1) * ... ceil((n-t+1)/(k-t+1)))).
std::uint64_t LimiteSchonheim(int n, int k, int t);

struct MiglioreNoto {
  std::uint64_t Colonne = 0;
  std::string Fonte;  // where the figure comes from, for the user
};

// The smallest size published for C(n, k, t), when it is known for sure;
// nullopt when this program does not hold a figure for the case.
std::optional<MiglioreNoto> MiglioreNotoCopertura(int n, int k, int t);

}  // namespace ruotario
