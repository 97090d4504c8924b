#pragma once
// The rows of a result grid as plain texts, and the sort and cut that the
// grid commands apply to them. The heading row is kept apart: it never moves.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ruotario {

using RigaTabella = std::vector<std::string>;
using RigheTabella = std::vector<RigaTabella>;

enum class Verso { Crescente, Decrescente };

// The headings of a column-format text: the pieces between '|', blanks kept.
std::vector<std::string> TitoliFormato(std::string_view formato);

// A cell read as a number the way the sort reads it: optional sign, digits,
// the locale's decimal separator, digits. Empty or non-numeric text is 0, so
// an empty cell sorts with the zeros.
double ChiaveNumerica(std::string_view testo, char separatore);

// Sorts whole rows by the numeric value of one column. Stable: rows with
// equal keys keep their current order. A column beyond a row's end reads as 0.
void OrdinaRighe(RigheTabella& righe, int colonna, Verso verso, char separatore);

// Sorts by `colonna` largest first and keeps only the first `quante` rows.
void TieniMigliori(RigheTabella& righe, int colonna, std::size_t quante, char separatore);

// The 90 number rows laid out empty: "01".."90" in column 0, `colonne` cells each.
RigheTabella RigheNumeri(int colonne);

}  // namespace ruotario
