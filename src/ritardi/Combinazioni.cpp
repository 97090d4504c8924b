#include "ritardi/Combinazioni.h"

namespace ruotario {

namespace {

// Triples before those starting with a: the sum of C(90 - i, 2) for i < a.
struct PrimiTerni {
  std::array<int, 92> prima{};
  PrimiTerni() {
    for (int a = 1; a <= 90; ++a) prima[a + 1] = prima[a] + (90 - a) * (89 - a) / 2;
  }
};
const PrimiTerni kPrimiTerni;

// Position of the pair x < y among the pairs of 1..m.
int coppia(int x, int y, int m) { return (x - 1) * (2 * m - x) / 2 + (y - x - 1); }

}  // namespace

int IndiceAmbo(int a, int b) { return coppia(a, b, 90); }

std::pair<int, int> AmboDaIndice(int indice) {
  int a = 1;
  while (a < 89 && IndiceAmbo(a + 1, a + 2) <= indice) ++a;
  return {a, a + 1 + indice - IndiceAmbo(a, a + 1)};
}

int IndiceTerno(int a, int b, int c) {
  // After a, the pairs (b, c) of the 90 - a numbers above it.
  return kPrimiTerni.prima[static_cast<std::size_t>(a)] + coppia(b - a, c - a, 90 - a);
}

std::array<int, 3> TernoDaIndice(int indice) {
  int a = 1;
  while (a < 88 && kPrimiTerni.prima[static_cast<std::size_t>(a + 1)] <= indice) ++a;
  int resto = indice - kPrimiTerni.prima[static_cast<std::size_t>(a)];
  const int m = 90 - a;
  int x = 1;
  while (x < m - 1 && coppia(x + 1, x + 2, m) <= resto) ++x;
  resto -= coppia(x, x + 1, m);
  return {a, a + x, a + x + 1 + resto};
}

}  // namespace ruotario
