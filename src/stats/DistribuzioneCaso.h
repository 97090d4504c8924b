#pragma once
// The exact distribution of a count made of independent yes/no trials with
// their own probabilities (a Poisson binomial): how often a number comes out by
// chance over the cases or draws a study really watched.

#include <span>
#include <vector>

namespace ruotario {

// Trials of equal probability, kept together: Prove trials of probability P.
struct GruppoProve {
  double P = 0.0;
  int Prove = 0;
};

class DistribuzioneCaso {
 public:
  DistribuzioneCaso();  // no trial: the count is 0 for sure
  explicit DistribuzioneCaso(std::span<const GruppoProve> gruppi);

  int Massimo() const { return static_cast<int>(probabilita_.size()) - 1; }
  double Probabilita(int k) const;  // P(X = k)
  double Cumulata(int k) const;     // P(X <= k)
  double Coda(int k) const;         // P(X >= k)
  double Media() const { return media_; }

  // The q-quantile of the largest of `quanti` independent counts of this law:
  // the smallest k with P(max <= k) >= q.
  int QuantileMassimo(int quanti, double q) const;
  // P(the largest of `quanti` independent counts is >= k).
  double CodaMassimo(int quanti, int k) const;

 private:
  std::vector<double> probabilita_;
  std::vector<double> cumulata_;
  double media_ = 0.0;
};

}  // namespace ruotario
