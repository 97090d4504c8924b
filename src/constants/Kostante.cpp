#include "constants/Kostante.h"

#include <cmath>
#include <cstdint>

#include "app/NumeriLotto.h"

namespace ruotario {

int LeggiKostante(std::string_view testo) {
  std::int64_t n = 0;
  for (char ch : testo) {
    if (ch == ' ') continue;
    if (ch < '0' || ch > '7') break;
    n = n * 8 + (ch - '0');
    if (n > 1'000'000'000) return 1'000'000'000;  // saturate: far beyond any meeting question
  }
  return static_cast<int>(n);
}

namespace {

// Brought back by multiples of 90 into 1..90 (90 stands for a multiple of 90).
double riduci(double v) {
  if (v > 90) {
    v = v - std::floor(v / 90) * 90;
    if (v == 0) v = 90;
  }
  return Fuori90(static_cast<int>(v));
}

}  // namespace

int CalcolaConvergenza(int a, int b, int n) {
  if (n < 0) return 0;
  double x = static_cast<double>(a) * n;
  double y = static_cast<double>(b) * n;
  for (int c = 1; c < kLimiteConfronti + 1; ++c) {
    if (x == y) return static_cast<int>(x);
    // Reducing before multiplying keeps the values small; the remainders are the same.
    x = riduci(riduci(x) * a);
    y = riduci(riduci(y) * b);
  }
  return 0;
}

AmbateProposte AmbateDaKostante(std::string_view testo) {
  AmbateProposte r;
  r.Principale = CalcolaConvergenza(kFattoreA, kFattoreB, LeggiKostante(testo));
  r.Secondaria = Vertibile(r.Principale);
  return r;
}

}  // namespace ruotario
