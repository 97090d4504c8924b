#include "systems/Limiti.h"

#include <array>

#include "systems/Combinatoria.h"

namespace ruotario {

namespace {

std::uint64_t arrotondaSu(std::uint64_t a, std::uint64_t b) { return (a + b - 1) / b; }

// A Steiner system S(t, k, n) holds every t numbers in exactly one ticket, so
// it meets the counting bound C(n, t) / C(k, t) and is optimal. The cases below
// are those whose existence is a theorem (every case with n <= 40, k <= 10):
//   t = 2, k = 3: n = 1, 3 mod 6 (Kirkman 1847);
//   t = 2, k = 4: n = 1, 4 mod 12; t = 2, k = 5: n = 1, 5 mod 20 (Hanani 1961, 1975);
//   t = 2: projective planes PG(2, q), k = q + 1, n = q^2 + q + 1, and affine
//   planes AG(2, q), k = q, n = q^2, for prime powers q;
//   t = 3, k = 4: n = 2, 4 mod 6 (Hanani 1960);
//   t = 3: inversive planes, k = q + 1, n = q^2 + 1, q a prime power;
//   the Witt designs S(4,5,11), S(5,6,12), S(3,6,22), S(4,7,23), S(5,8,24).
bool sistemaSteiner(int n, int k, int t) {
  const auto primaPotenza = [](int q) { return q == 2 || q == 3 || q == 4 || q == 5 || q == 7 || q == 8 || q == 9; };
  if (t == 2 && k == 3) return n >= 3 && (n % 6 == 1 || n % 6 == 3);
  if (t == 2 && k == 4 && n >= 4 && (n % 12 == 1 || n % 12 == 4)) return true;
  if (t == 2 && k == 5 && n >= 5 && (n % 20 == 1 || n % 20 == 5)) return true;
  if (t == 2 && primaPotenza(k - 1) && n == (k - 1) * (k - 1) + k) return true;
  if (t == 2 && primaPotenza(k) && n == k * k) return true;
  if (t == 3 && k == 4) return n >= 4 && (n % 6 == 2 || n % 6 == 4);
  if (t == 3 && primaPotenza(k - 1) && n == (k - 1) * (k - 1) + 1) return true;
  struct Witt {
    int t, k, n;
  };
  constexpr std::array<Witt, 5> kWitt = {{{4, 5, 11}, {5, 6, 12}, {3, 6, 22}, {4, 7, 23}, {5, 8, 24}}};
  for (const Witt& w : kWitt)
    if (w.t == t && w.k == k && w.n == n) return true;
  return false;
}

// Exact values of C(n, k, k - 1) for n <= 13, from the table of covering numbers
// in the CRC Handbook of Combinatorial Designs (1996), p. 263, as listed in OEIS
// A066010; the La Jolla Covering Repository (D. Gordon) gives the same sizes.
// Cases not settled there (C(11,6,5), C(13,5,4)) are left out.
struct Esatto {
  int n, k, t;
  std::uint64_t c;
};
constexpr std::array<Esatto, 21> kEsatti = {{
    {5, 4, 3, 4},   {6, 4, 3, 6},    {7, 4, 3, 12}, {8, 4, 3, 14}, {9, 4, 3, 25}, {10, 4, 3, 30}, {11, 4, 3, 47},
    {12, 4, 3, 57}, {13, 4, 3, 78},  {6, 5, 4, 5},  {7, 5, 4, 9},  {8, 5, 4, 20}, {9, 5, 4, 30},  {10, 5, 4, 51},
    {11, 5, 4, 66}, {12, 5, 4, 113}, {7, 6, 5, 6},  {8, 6, 5, 12}, {9, 6, 5, 30}, {10, 6, 5, 50}, {12, 6, 5, 132},
}};

}  // namespace

std::uint64_t LimiteSchonheim(int n, int k, int t) {
  if (t < 1 || k < t || n < k) return 0;
  std::uint64_t l = 1;
  for (int i = t - 1; i >= 0; --i)
    l = arrotondaSu(l * static_cast<std::uint64_t>(n - i), static_cast<std::uint64_t>(k - i));
  return l;
}

std::optional<MiglioreNoto> MiglioreNotoCopertura(int n, int k, int t) {
  if (t < 1 || k < t || n < k) return std::nullopt;
  if (k == n) return MiglioreNoto{1, "una sola colonna con tutti i numeri"};
  if (k == t) return MiglioreNoto{Binomiale(n, t), "tutte le combinazioni: ognuna è una colonna"};
  if (t == 2 && k == 3)
    return MiglioreNoto{LimiteSchonheim(n, k, t), "Fort e Hedlund (1958): C(n,3,2) è sempre il limite di Schönheim"};
  if (sistemaSteiner(n, k, t))
    return MiglioreNoto{Binomiale(n, t) / Binomiale(k, t), "sistema di Steiner S(" + std::to_string(t) + "," +
                                                               std::to_string(k) + "," + std::to_string(n) + ")"};
  for (const Esatto& e : kEsatti)
    if (e.n == n && e.k == k && e.t == t)
      return MiglioreNoto{e.c, "CRC Handbook of Combinatorial Designs (1996), OEIS A066010"};
  return std::nullopt;
}

}  // namespace ruotario
