#pragma once
// The working state of the reduced-system search: the tickets (bit masks over
// the positions 0..n-1) and, for every case (an m-subset, by its colex rank),
// how many tickets hold t or more of its numbers, with the list of the cases
// no ticket covers.

#include <array>
#include <cstdint>
#include <vector>

#include "systems/RicercaLocale.h"

namespace ruotario {

class CasiCoperti {
 public:
  explicit CasiCoperti(const ProblemaCopertura& p);

  const ProblemaCopertura& Problema() const { return p_; }
  std::uint64_t Casi() const { return casi_; }
  const std::vector<std::uint64_t>& Blocchi() const { return blocchi_; }
  std::size_t Scoperti() const { return scoperti_.size(); }
  std::uint32_t Scoperto(std::size_t i) const { return scoperti_[i]; }
  std::uint32_t Copertura(std::uint32_t caso) const { return copertura_[caso]; }

  std::uint32_t Rango(std::uint64_t caso) const;
  std::uint64_t Caso(std::uint32_t rango) const;

  // Each returns the cases it looked at, the measure of the search's effort.
  std::uint64_t Aggiungi(std::uint64_t blocco);
  std::uint64_t Togli(std::size_t indice);  // the last ticket takes its place
  // Cases that only ticket `indice` covers.
  std::uint64_t Unici(std::size_t indice, std::uint64_t& passi) const;
  // Change in uncovered cases if ticket `indice` swapped number x for y.
  std::int64_t Variazione(std::size_t indice, int x, int y, std::uint64_t& passi) const;
  std::uint64_t Scambia(std::size_t indice, int x, int y);

 private:
  // Calls fn(rank) for every case ticket `blocco` covers.
  template <typename Fn>
  std::uint64_t perOgniCoperto(std::uint64_t blocco, Fn&& fn) const;
  // Calls fn(rank with x, rank with y) for every case whose cover changes when
  // `blocco` swaps x for y: t - 1 other numbers of the ticket, m - t outside it and y.
  template <typename Fn>
  std::uint64_t perOgniScambio(std::uint64_t blocco, int x, int y, Fn&& fn) const;
  void copri(std::uint32_t caso);
  void scopri(std::uint32_t caso);

  ProblemaCopertura p_;
  std::uint64_t casi_ = 0;
  std::array<std::array<std::uint32_t, 6>, 65> binomiale_{};  // [n][i], i <= m <= 5
  std::vector<std::uint64_t> blocchi_;
  std::vector<std::uint32_t> copertura_;
  std::vector<std::uint32_t> scoperti_;
  std::vector<std::int32_t> posizione_;  // in scoperti_, -1 when covered
  mutable std::vector<std::uint64_t> parteDentro_, parteFuori_;
};

// The r-subsets of the positions in `insieme`, as masks, appended to `uscita`.
void Sottoinsiemi(std::uint64_t insieme, int r, std::vector<std::uint64_t>& uscita);

}  // namespace ruotario
