#pragma once
// The search for small reduced systems where no design gives one: tickets are
// bit masks over the positions 0..n-1 of the chosen numbers, and a case (m of
// the n numbers drawn) is covered when a ticket holds at least t of them.
// Simulated annealing in the manner of Nurmela and Östergård: with one ticket
// fewer than the last covering found, an uncovered case is picked at random and
// a ticket meeting it in t - 1 numbers takes one number of the case in place of
// the number whose loss uncovers the fewest cases; the swap is kept by the
// Metropolis rule on the change in uncovered cases.
// Seeded and counted in steps, not in time, so a seed always gives the same
// tickets.

#include <cstdint>
#include <functional>
#include <vector>

#include "systems/Garanzia.h"

namespace ruotario {

struct ProblemaCopertura {
  int N = 0;  // numbers, at most 40
  int K = 0;  // numbers per ticket
  int T = 0;  // sorte guaranteed
  int M = 0;  // numbers drawn among the n
};

struct AvanzamentoRicerca {
  std::size_t Migliore = 0;    // tickets of the best covering so far
  std::size_t Tentativo = 0;   // tickets of the covering being sought
  std::uint64_t Scoperti = 0;  // cases the attempt leaves uncovered now
  double Fatto = 0.0;          // share of the effort spent, 0..1
};
using AvanzamentoCopertura = std::function<void(const AvanzamentoRicerca&)>;

// A covering built greedily: each first uncovered case gets a ticket of t of
// its numbers and the numbers used least so far. Empty when it would need more
// than `massimo` tickets.
std::vector<std::uint64_t> CoperturaGolosa(const ProblemaCopertura& p, std::size_t massimo);

struct EsitoRicercaLocale {
  std::vector<std::uint64_t> Blocchi;  // the smallest covering found
  bool Fermata = false;
  std::uint64_t Passi = 0;  // effort spent
};

// Shrinks the covering `iniziale` one ticket at a time while the effort lasts,
// down to `minimo` tickets at most. `sforzo` counts the cases looked at.
EsitoRicercaLocale RiduciCopertura(const ProblemaCopertura& p, std::vector<std::uint64_t> iniziale, std::size_t minimo,
                                   std::uint64_t seme, std::uint64_t sforzo, const RichiestaStop& fermare = {},
                                   const AvanzamentoCopertura& avanzamento = {});

}  // namespace ruotario
