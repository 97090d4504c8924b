#include "systems/Costruzioni.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>

#include "systems/CampoFinito.h"

namespace ruotario {

namespace {

using Blocchi = std::vector<std::vector<int>>;

void ordina(Blocchi& b) {
  for (auto& x : b) std::sort(x.begin(), x.end());
  std::sort(b.begin(), b.end());
}

// Bose: n = 6s + 3 on Z_{2s+1} x Z_3, with the idempotent commutative
// quasigroup x o y = (x + y)(s + 1) mod (2s + 1).
Blocchi triploBose(int n) {
  const int m = n / 3;
  const int s = (m - 1) / 2;
  const auto punto = [m](int x, int i) { return x + m * (i % 3); };
  Blocchi b;
  for (int x = 0; x < m; ++x) b.push_back({punto(x, 0), punto(x, 1), punto(x, 2)});
  for (int i = 0; i < 3; ++i)
    for (int x = 0; x < m; ++x)
      for (int y = x + 1; y < m; ++y) b.push_back({punto(x, i), punto(y, i), punto((x + y) * (s + 1) % m, i + 1)});
  return b;
}

// Skolem: n = 6s + 1 on Z_{2s} x Z_3 and one more point, with the
// half-idempotent commutative quasigroup x o y = h/2 for h = (x + y) mod 2s
// even, (h - 1)/2 + s for h odd.
Blocchi triploSkolem(int n) {
  const int m = (n - 1) / 3;
  const int s = m / 2;
  const int infinito = n - 1;
  const auto punto = [m](int x, int i) { return x + m * (i % 3); };
  const auto composto = [m, s](int x, int y) {
    const int h = (x + y) % m;
    return h % 2 == 0 ? h / 2 : (h - 1) / 2 + s;
  };
  Blocchi b;
  for (int x = 0; x < s; ++x) b.push_back({punto(x, 0), punto(x, 1), punto(x, 2)});
  for (int i = 0; i < 3; ++i)
    for (int x = 0; x < s; ++x) b.push_back({infinito, punto(x + s, i), punto(x, i + 1)});
  for (int i = 0; i < 3; ++i)
    for (int x = 0; x < m; ++x)
      for (int y = x + 1; y < m; ++y) b.push_back({punto(x, i), punto(y, i), punto(composto(x, y), i + 1)});
  return b;
}

// PG(2, q): the points and the lines are the vectors of GF(q)^3 whose first
// non-zero coordinate is 1; a point lies on a line when their product is 0.
Blocchi pianoProiettivo(const CampoFinito& f) {
  const int q = f.Ordine();
  std::vector<std::array<int, 3>> v;
  for (int y = 0; y < q; ++y)
    for (int z = 0; z < q; ++z) v.push_back({1, y, z});
  for (int z = 0; z < q; ++z) v.push_back({0, 1, z});
  v.push_back({0, 0, 1});
  Blocchi b;
  for (const auto& retta : v) {
    std::vector<int> blocco;
    for (std::size_t p = 0; p < v.size(); ++p) {
      int prodotto = 0;
      for (std::size_t i = 0; i < 3; ++i) prodotto = f.Somma(prodotto, f.Prodotto(retta[i], v[p][i]));
      if (prodotto == 0) blocco.push_back(static_cast<int>(p));
    }
    b.push_back(std::move(blocco));
  }
  return b;
}

// AG(2, q): the points (x, y) as x*q + y; the lines y = m x + c and x = c.
Blocchi pianoAffine(const CampoFinito& f) {
  const int q = f.Ordine();
  Blocchi b;
  for (int m = 0; m < q; ++m)
    for (int c = 0; c < q; ++c) {
      std::vector<int> blocco;
      for (int x = 0; x < q; ++x) blocco.push_back(x * q + f.Somma(f.Prodotto(m, x), c));
      b.push_back(std::move(blocco));
    }
  for (int c = 0; c < q; ++c) {
    std::vector<int> blocco;
    for (int y = 0; y < q; ++y) blocco.push_back(c * q + y);
    b.push_back(std::move(blocco));
  }
  return b;
}

// The inversive plane of order q: the points are GF(q^2) and infinity (the
// position q^2), the circles the images of the subline GF(q) + infinity under
// the maps z -> (a z + b) / (c z + d), a d - b c != 0.
Blocchi pianoInversivo(int q) {
  const auto campo = CampoFinito::DiOrdine(q * q);
  const CampoFinito& f = *campo;
  const int infinito = q * q;
  std::vector<int> base;
  for (int z = 0; z < q * q; ++z)
    if (f.Potenza(z, q) == z) base.push_back(z);
  base.push_back(infinito);
  const auto immagine = [&](int a, int b, int c, int d, int z) {
    if (z == infinito) return c == 0 ? infinito : f.Prodotto(a, f.Inverso(c));
    const int den = f.Somma(f.Prodotto(c, z), d);
    if (den == 0) return infinito;
    return f.Prodotto(f.Somma(f.Prodotto(a, z), b), f.Inverso(den));
  };
  std::set<std::uint64_t> visti;
  Blocchi blocchi;
  const int r = q * q;
  for (int a = 0; a < r; ++a)
    for (int b = 0; b < r; ++b)
      for (int c = 0; c < r; ++c)
        for (int d = 0; d < r; ++d) {
          if (f.Differenza(f.Prodotto(a, d), f.Prodotto(b, c)) == 0) continue;
          std::uint64_t maschera = 0;
          for (const int z : base) maschera |= std::uint64_t{1} << immagine(a, b, c, d, z);
          if (!visti.insert(maschera).second) continue;
          std::vector<int> blocco;
          for (int p = 0; p <= infinito; ++p)
            if (maschera >> p & 1) blocco.push_back(p);
          blocchi.push_back(std::move(blocco));
        }
  return blocchi;
}

// The planes of AG(d, 2): four points whose sum (XOR) is zero.
Blocchi quadruploBinario(int n) {
  Blocchi b;
  for (int x = 0; x < n; ++x)
    for (int y = x + 1; y < n; ++y)
      for (int z = y + 1; z < n; ++z)
        if (const int w = x ^ y ^ z; w > z) b.push_back({x, y, z, w});
  return b;
}

// SQS(2v) from SQS(v): the blocks of both copies, and {a0, b0, c1, d1} for the
// edges ab and cd of one factor of a one-factorisation of K_v.
Blocchi raddoppia(const Blocchi& sqs, int v) {
  Blocchi b;
  for (const auto& x : sqs) {
    b.push_back(x);
    std::vector<int> copia;
    for (const int p : x) copia.push_back(p + v);
    b.push_back(std::move(copia));
  }
  // The round-robin factorisation: factor j pairs j with v - 1 and j - i with j + i.
  const int giro = v - 1;
  for (int j = 0; j < giro; ++j) {
    std::vector<std::pair<int, int>> fattore = {{j, v - 1}};
    for (int i = 1; i <= (v - 2) / 2; ++i) fattore.emplace_back((j - i + giro) % giro, (j + i) % giro);
    for (const auto& [a, bb] : fattore)
      for (const auto& [c, d] : fattore) b.push_back({a, bb, c + v, d + v});
  }
  return b;
}

std::optional<Blocchi> quadruplo(int n) {
  if (n == 8 || n == 16 || n == 32) return quadruploBinario(n);
  if (n == 10) return pianoInversivo(3);
  if (n == 20 || n == 40) {
    const auto meta = quadruplo(n / 2);
    if (meta) return raddoppia(*meta, n / 2);
  }
  return std::nullopt;
}

}  // namespace

std::optional<Costruzione> CostruzioneDiretta(int n, int k, int t) {
  std::optional<Costruzione> c;
  const auto campo = [](int q) { return CampoFinito::DiOrdine(q); };
  if (t == 2 && k == 3 && n >= 7 && n % 6 == 3) {
    c = Costruzione{"sistema di terne di Steiner (Bose)", triploBose(n)};
  } else if (t == 2 && k == 3 && n >= 7 && n % 6 == 1) {
    c = Costruzione{"sistema di terne di Steiner (Skolem)", triploSkolem(n)};
  } else if (t == 2 && k >= 3 && n == (k - 1) * (k - 1) + k && campo(k - 1)) {
    c = Costruzione{"piano proiettivo PG(2," + std::to_string(k - 1) + ")", pianoProiettivo(*campo(k - 1))};
  } else if (t == 2 && k >= 3 && n == k * k && campo(k)) {
    c = Costruzione{"piano affine AG(2," + std::to_string(k) + ")", pianoAffine(*campo(k))};
  } else if (t == 3 && k == 4) {
    if (auto b = quadruplo(n)) c = Costruzione{"sistema di quaterne di Steiner SQS(" + std::to_string(n) + ")", *b};
  } else if (t == 3 && k >= 5 && n == (k - 1) * (k - 1) + 1 && campo((k - 1) * (k - 1))) {
    c = Costruzione{"piano inversivo di ordine " + std::to_string(k - 1), pianoInversivo(k - 1)};
  }
  if (c) ordina(c->Blocchi);
  return c;
}

}  // namespace ruotario
