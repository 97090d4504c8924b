#pragma once
// The guarantee of a system, proved by looking at every case: for each way m of
// the chosen numbers can be among the five drawn, the tickets are checked one
// by one (bit masks, one AND and one popcount per ticket).

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "systems/Colonne.h"

namespace ruotario {

// The numbers a check can take: one bit each in a 64-bit mask.
inline constexpr int kMassimoNumeriVerifica = 64;

// Polled during long runs: true asks the run to stop.
using RichiestaStop = std::function<bool()>;

struct EsitoVerificaGaranzia {
  bool Verificata = false;
  bool Fermata = false;            // stopped before the end: nothing is proved
  std::uint64_t Combinazioni = 0;  // C(n, m): the cases, all looked at when verified
  std::vector<int> Controesempio;  // the first m numbers (lexicographic) no ticket holds `sorte` of
  std::string Errore;              // the check could not run
};

// Whether every choice of `se` of `numeri` has a ticket holding at least
// `sorte` of them. Numbers of the tickets outside `numeri` play no part.
EsitoVerificaGaranzia VerificaGaranzia(std::span<const int> numeri, const Sistema& colonne, int sorte, int se,
                                       const RichiestaStop& fermare = {});

// The strongest guarantee when `Se` of the numbers are drawn.
struct GaranziaSe {
  int Se = 0;
  int Sorte = 0;  // 0: not even an estratto is sure
  std::uint64_t Combinazioni = 0;
  // The first `Se` numbers on which no ticket holds Sorte + 1 of them, the proof
  // that the next sorte is not guaranteed; empty when no better sorte can exist
  // (Sorte already equals Se or the longest ticket).
  std::vector<int> Controesempio;
};

struct EsitoGaranzie {
  std::vector<int> Numeri;           // the numbers looked at
  std::vector<GaranziaSe> Garanzie;  // Se = 1 .. min(5, numbers)
  bool Fermata = false;
  std::string Errore;
};

// The guarantee of any system for each m from 1 to 5: `numeri` when given, else
// the numbers of the tickets.
EsitoGaranzie GaranzieSistema(std::span<const int> numeri, const Sistema& colonne, const RichiestaStop& fermare = {});

// "ambo se escono 2 numeri", "nessuna garanzia se esce 1 numero".
std::string TestoGaranzia(int sorte, int se);

}  // namespace ruotario
