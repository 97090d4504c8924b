#pragma once
// Small routines that reduce, format and classify Lotto numbers (1..90).
// Their results outside 1..90 are part of their contract: callers feed them
// raw sums, differences and user input.

#include <array>
#include <string>
#include <string_view>

namespace ruotario {

// The ten wheels in `Ruota` order: list position + 1 is the wheel.
inline constexpr std::array<std::string_view, 10> kNomiRuote = {"Bari",   "Cagliari", "Firenze", "Genova", "Milano",
                                                                "Napoli", "Palermo",  "Roma",    "Torino", "Venezia"};

// Brings n above 90 back into 1..90 by subtracting 90; n <= 90 is returned unchanged.
int Fuori90(int n);

// Two-digit text of n. Reduces the caller's n with Fuori90 when above 90 and
// sets a negative n to 1: the change of the caller's variable is intended.
std::string DueCifre(int& n);
// Convenience for values the caller does not keep.
inline std::string DueCifre(int&& n) { return DueCifre(n); }

int Vertibile(int n);  // digit-swap partner (doubles paired with x9)
int Decina(int n);     // decade 0..8; 0 for n < 1 or n >= 90
int Figura(int n);     // repeated digit sum 1..9; 0 outside 1..90
int Cadenza(int n);    // final digit 0..9; 0 outside 1..90

// Numeric value of a number text: leading blanks skipped, digits up to the
// first non-digit, 0 when there are none.
int ValoreTesto(std::string_view testo);

}  // namespace ruotario
