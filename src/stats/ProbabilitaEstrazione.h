#pragma once
// What one draw does to given numbers: m distinct numbers out of 90 come out at
// random (m = 5 on a wheel drawn in full), so exactly j of k given numbers are
// among them with the hypergeometric probability C(k, j) C(90 - k, m - j) / C(90, m).

#include <cstdint>

namespace ruotario {

// C(n, k) for 0 <= n <= 90; 0 outside 0 <= k <= n. Values past 2^64 - 1 (only
// far from the ticket sizes, such as C(90, 45)) are held at UINT64_MAX.
std::uint64_t Binomiale(int n, int k);

// P(exactly j of the k numbers are among the `estratti` drawn).
double ProbabilitaEsatta(int k, int j, int estratti = 5);
// P(at least t of the k numbers are among them): sorte t won on one wheel.
double ProbabilitaSorte(int k, int t, int estratti = 5);
// P(none of k given numbers is among m drawn): C(90-k, m) / C(90, m).
double ProbabilitaMancata(int k, int m);

}  // namespace ruotario
