#pragma once
// The integral development of a system: every ticket of k numbers that can be
// made from the chosen numbers.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "systems/Colonne.h"
#include "systems/Garanzia.h"

namespace ruotario {

inline constexpr std::uint64_t kMassimoColonneIntegrale = 1'000'000;

struct EsitoSviluppo {
  Sistema Colonne;  // C(n, k) tickets in lexicographic order
  std::uint64_t Conta = 0;
  std::string Errore;  // the reason nothing was developed
};

// Numbers 1..90 without repeats, k from 1 to 10 and not above their count; more
// than kMassimoColonneIntegrale tickets are refused.
EsitoSviluppo SviluppoIntegrale(std::span<const int> numeri, int k);

// The guarantee an integral system gives by construction, sorte min(k, 5) if
// as many of its numbers come out, proved like any other; nullopt above 40
// numbers, where the check is left out.
std::optional<EsitoVerificaGaranzia> GaranziaIntegrale(std::span<const int> numeri, int k, const Sistema& colonne);

// The error of a ticket size for n numbers: "" when 1 <= k <= min(n, 10).
std::string ControllaPerColonna(int n, int k);

}  // namespace ruotario
