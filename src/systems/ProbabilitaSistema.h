#pragma once
// What chance alone gives a ticket, draw after draw and wheel after wheel
// independently (one wheel's chances are in ProbabilitaEstrazione.h).

#include <cstdint>

#include "stats/ProbabilitaEstrazione.h"

namespace ruotario {

// What a sorte pays back on average for each euro played, on any number of
// wheels and whatever the ticket size: M(t) C(5, t) / C(90, t) before the withholding.
double ResaAttesa(int sorte, double moltiplicatore);

// P(X >= x) for X binomial over `prove` trials of probability p. Each tail is
// summed term by term from x, away from the mean, until the terms no longer
// count: a few hundred terms even for 73,700 trials.
class CodaBinomiale {
 public:
  CodaBinomiale(std::int64_t prove, double p) : n_(prove), p_(p) {}
  double operator()(std::int64_t x) const;

 private:
  double termine(std::int64_t k) const;  // P(X = k)
  std::int64_t n_;
  double p_;
};

}  // namespace ruotario
