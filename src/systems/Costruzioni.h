#pragma once
// Systems built directly from the classic designs, every t numbers in exactly
// one ticket (Steiner systems), and so as small as any can be:
//   Steiner triple systems (t = 2, k = 3, n = 1 or 3 mod 6), by Bose's and
//   Skolem's constructions;
//   projective planes PG(2, q) (t = 2, k = q + 1, n = q^2 + q + 1) and affine
//   planes AG(2, q) (t = 2, k = q, n = q^2), q = 2, 3, 4, 5;
//   Steiner quadruple systems (t = 3, k = 4) for n = 8, 16, 32 (the planes of
//   the binary affine space), 10 (an inversive plane), and 20 and 40 by
//   doubling;
//   inversive planes (t = 3, k = q + 1, n = q^2 + 1), q = 3, 4, 5.

#include <optional>
#include <string>
#include <vector>

namespace ruotario {

struct Costruzione {
  std::string Nome;                       // "piano proiettivo PG(2,4)"
  std::vector<std::vector<int>> Blocchi;  // tickets over the positions 0..n-1, ascending
};

// The design for C(n, k, t) when one of the constructions above gives it.
std::optional<Costruzione> CostruzioneDiretta(int n, int k, int t);

}  // namespace ruotario
