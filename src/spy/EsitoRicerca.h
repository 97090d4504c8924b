#pragma once
// The result of one spy study: per number 1..90 its appearances, percentage
// and relative delay, and the two totals. Arrays are indexed by the number
// itself; index 0 is unused.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ruotario {

inline constexpr int kNumeriLotto = 90;

// One case as the study watched it: the record that opened it and how many of
// its watched draws held k numbers in 1..90 on the wheel (k = 0..5), so a case
// cut short or watching a missing wheel is told apart from a full one.
struct CasoOsservato {
  int Record = 0;
  std::array<int, 6> Osservate{};
};

struct EsitoRicerca {
  int TotaleEstrazioni = 0;  // draws of the span examined
  int CasiGiocabili = 0;     // draws in which the spy was recognised
  std::array<int, kNumeriLotto + 1> Sortite{};
  std::array<double, kNumeriLotto + 1> Percentuale{};
  // Empty while no watched draw has been examined at all.
  std::array<std::optional<int>, kNumeriLotto + 1> RitardoRel{};
  std::vector<CasoOsservato> Casi;  // in file order, one per CasiGiocabili
};

// Percentuale[n] = Sortite[n] / CasiGiocabili * 100, 0 with no case.
void CalcolaPercentuali(EsitoRicerca& esito);

// Heading of the 90-row result grid; "|" separates the four column headings.
inline constexpr std::string_view kIntestazioneGriglia90 =
    "    Numero    |    Sortite    |  %Esiti Vin.   |   Ritar. Rel.    ";

// The four cell texts of one grid row: "07", Sortite, percentage as
// "##0.000" with the given decimal separator, delay or empty.
using RigaGriglia = std::array<std::string, 4>;
RigaGriglia RigaEsito(const EsitoRicerca& esito, int numero, char separatore = '.');
// The 90 rows in number order.
std::vector<RigaGriglia> RigheEsito(const EsitoRicerca& esito, char separatore = '.');

// Numbers 1..90 ordered by Sortite, largest first; equal counts keep number order.
std::array<int, kNumeriLotto> OrdinePerSortite(const EsitoRicerca& esito);

}  // namespace ruotario
