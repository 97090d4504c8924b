#pragma once
// The finite fields GF(q) the direct constructions of systems need (q up to 25):
// elements 0..q-1, written as polynomials over GF(p) whose coefficients are the
// base-p digits of the element.

#include <optional>
#include <vector>

namespace ruotario {

class CampoFinito {
 public:
  // q = 2, 3, 4, 5, 7, 8, 9, 16, 25; nullopt for any other order.
  static std::optional<CampoFinito> DiOrdine(int q);

  int Ordine() const { return q_; }
  int Somma(int a, int b) const { return somma_[static_cast<std::size_t>(a * q_ + b)]; }
  int Prodotto(int a, int b) const { return prodotto_[static_cast<std::size_t>(a * q_ + b)]; }
  int Opposto(int a) const;
  int Differenza(int a, int b) const { return Somma(a, Opposto(b)); }
  int Inverso(int a) const;  // a != 0
  int Potenza(int a, int e) const;

 private:
  CampoFinito(int p, int e, const std::vector<int>& modulo);
  int q_ = 0;
  std::vector<int> somma_;
  std::vector<int> prodotto_;
};

}  // namespace ruotario
