#pragma once
// Walking the combinations of a small set in order (their count is Binomiale),
// and the sorti of the game by name.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stats/ProbabilitaEstrazione.h"

namespace ruotario {

// Steps `indici` (k ascending positions among 0..n-1) to the next combination in
// lexicographic order; false, leaving them as they were, after the last one.
bool ProssimaCombinazione(std::vector<int>& indici, int n);

// "estratto", "ambo", "terno", "quaterna", "cinquina" for 1..5, as a sentence
// writes them; empty otherwise. (NomeSorte gives the names as headings write them.)
std::string SorteInTesto(int sorte);

// A count with the thousands grouped by dots: "1.000.000".
std::string TestoMigliaia(std::uint64_t n);

}  // namespace ruotario
