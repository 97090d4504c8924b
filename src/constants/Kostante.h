#pragma once
// The two head ambate proposed from a constant: the constant read as an octal
// numeral, two multiplicative sequences modulo 90 (factors 7 and 13) run from
// it, and the value where they first meet.

#include <string_view>

namespace ruotario {

inline constexpr int kFattoreA = 7;
inline constexpr int kFattoreB = 13;
inline constexpr int kLimiteConfronti = 20001;

// Octal reading of the constant text: blanks ignored, the leading run of
// digits 0..7 taken in base 8, 0 when there is none ("200" -> 128, "9" -> 0).
// Very long texts saturate instead of overflowing.
int LeggiKostante(std::string_view testo);

// First value where x = a*N, y = b*N, advanced as x*a and y*b brought back
// into 1..90, meet; 0 when they never meet within 20,001 comparisons, when N
// is 0, or when N is negative (the sequences can then never meet).
int CalcolaConvergenza(int a, int b, int n);

struct AmbateProposte {
  int Principale = 0;
  int Secondaria = 0;
};

// principale = CalcolaConvergenza(7, 13, LeggiKostante(testo)); secondaria = its Vertibile.
AmbateProposte AmbateDaKostante(std::string_view testo);

}  // namespace ruotario
