#pragma once
// Groups of numbers a player follows as one (a decade, a final digit, a
// figure, a list of his own), and the numbers typed to look an item up.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ruotario {

struct GruppoNumeri {
  std::string Nome;         // "Decina 3", "Cadenza 7", "Figura 5", "03,17,45"
  std::vector<int> Numeri;  // ascending, distinct, 1..90
};

GruppoNumeri GruppoDecina(int decina);    // 0..8, as Decina(): 0 is 1..9 and 90
GruppoNumeri GruppoCadenza(int cadenza);  // 0..9
GruppoNumeri GruppoFigura(int figura);    // 1..9

// "decina:N", "cadenza:N", "figura:N" or a list of distinct numbers 1..90
// ("3,17,45"); nullopt for anything else.
std::optional<GruppoNumeri> LeggiGruppo(std::string_view testo);

// Numbers 1..90 typed in a box, separated by blanks, ',', '-', '.' or '/':
// ascending; empty when the text holds something else, a repeated number,
// or more than `massimo` of them.
std::vector<int> LeggiNumeri(std::string_view testo, std::size_t massimo);

inline constexpr const char* kUsoGruppo =
    "decina:0..8, cadenza:0..9, figura:1..9 o un elenco di numeri da 1 a 90 separati da virgole";

}  // namespace ruotario
