#pragma once
// Counting the combinations of a small set and walking them in order, and the
// sorti of the game by name.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ruotario {

// C(n, k) for 0 <= n <= 90; 0 outside 0 <= k <= n. Values past 2^64 - 1 (only
// far from the ticket sizes, such as C(90, 45)) are held at UINT64_MAX.
std::uint64_t Binomiale(int n, int k);

// Steps `indici` (k ascending positions among 0..n-1) to the next combination in
// lexicographic order; false, leaving them as they were, after the last one.
bool ProssimaCombinazione(std::vector<int>& indici, int n);

// "estratto", "ambo", "terno", "quaterna", "cinquina" for 1..5, as a sentence
// writes them; empty otherwise. (NomeSorte gives the names as headings write them.)
std::string SorteInTesto(int sorte);

// A count with the thousands grouped by dots: "1.000.000".
std::string TestoMigliaia(std::uint64_t n);

}  // namespace ruotario
