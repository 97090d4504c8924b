#include "systems/CampoFinito.h"

namespace ruotario {

namespace {

// p, e and a monic irreducible polynomial of degree e over GF(p), lowest
// coefficient first: x^2+x+1, x^3+x+1, x^2+1 (-1 is no square mod 3),
// x^4+x+1, x^2+2 (3 is no square mod 5).
struct Definizione {
  int q, p, e;
  std::vector<int> modulo;
};

const std::vector<Definizione>& definizioni() {
  static const std::vector<Definizione> d = {
      {2, 2, 1, {0, 1}},    {3, 3, 1, {0, 1}},           {4, 2, 2, {1, 1, 1}},
      {5, 5, 1, {0, 1}},    {7, 7, 1, {0, 1}},           {8, 2, 3, {1, 1, 0, 1}},
      {9, 3, 2, {1, 0, 1}}, {16, 2, 4, {1, 1, 0, 0, 1}}, {25, 5, 2, {2, 0, 1}},
  };
  return d;
}

std::vector<int> cifre(int a, int p, int e) {
  std::vector<int> c(static_cast<std::size_t>(e));
  for (int i = 0; i < e; ++i, a /= p) c[static_cast<std::size_t>(i)] = a % p;
  return c;
}

int numero(const std::vector<int>& c, int p) {
  int a = 0;
  for (auto i = c.size(); i-- > 0;) a = a * p + c[i];
  return a;
}

}  // namespace

std::optional<CampoFinito> CampoFinito::DiOrdine(int q) {
  for (const Definizione& d : definizioni())
    if (d.q == q) return CampoFinito(d.p, d.e, d.modulo);
  return std::nullopt;
}

CampoFinito::CampoFinito(int p, int e, const std::vector<int>& modulo) : q_(1) {
  for (int i = 0; i < e; ++i) q_ *= p;
  const auto q = static_cast<std::size_t>(q_);
  somma_.resize(q * q);
  prodotto_.resize(q * q);
  for (int a = 0; a < q_; ++a) {
    const auto ca = cifre(a, p, e);
    for (int b = 0; b < q_; ++b) {
      const auto cb = cifre(b, p, e);
      std::vector<int> s(static_cast<std::size_t>(e));
      for (std::size_t i = 0; i < s.size(); ++i) s[i] = (ca[i] + cb[i]) % p;
      // The product of the polynomials, then reduced by the monic modulus.
      std::vector<int> m(static_cast<std::size_t>(2 * e - 1), 0);
      for (std::size_t i = 0; i < ca.size(); ++i)
        for (std::size_t j = 0; j < cb.size(); ++j) m[i + j] = (m[i + j] + ca[i] * cb[j]) % p;
      for (auto grado = m.size(); grado-- > static_cast<std::size_t>(e);) {
        const int c = m[grado];
        if (c == 0) continue;
        for (std::size_t i = 0; i <= static_cast<std::size_t>(e); ++i) {
          auto& x = m[grado - static_cast<std::size_t>(e) + i];
          x = ((x - c * modulo[i]) % p + p) % p;
        }
      }
      m.resize(static_cast<std::size_t>(e));
      somma_[static_cast<std::size_t>(a * q_ + b)] = numero(s, p);
      prodotto_[static_cast<std::size_t>(a * q_ + b)] = numero(m, p);
    }
  }
}

int CampoFinito::Opposto(int a) const {
  for (int b = 0; b < q_; ++b)
    if (Somma(a, b) == 0) return b;
  return 0;
}

int CampoFinito::Inverso(int a) const {
  for (int b = 1; b < q_; ++b)
    if (Prodotto(a, b) == 1) return b;
  return 0;
}

int CampoFinito::Potenza(int a, int e) const {
  int r = 1;
  for (int i = 0; i < e; ++i) r = Prodotto(r, a);
  return r;
}

}  // namespace ruotario
