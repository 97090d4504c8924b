#pragma once
// A system (sistema): tickets (colonne) of 1 to 10 numbers from 1 to 90, and the texts
// they are written in: a list of numbers such as "1-10,23,45", and a system as
// one ticket a line with its numbers separated by blanks.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ruotario {

using Colonna = std::vector<int>;  // its numbers, ascending
using Sistema = std::vector<Colonna>;

inline constexpr int kMassimoPerColonna = 10;

struct ElencoNumeri {
  std::vector<int> Numeri;  // ascending
  std::string Errore;       // empty when the text was read
};

// Numbers and ranges "a-b" separated by commas or blanks; each number 1..90 and
// only once.
ElencoNumeri LeggiElencoNumeri(std::string_view testo);

struct SistemaLetto {
  Sistema Colonne;
  std::string Errore;  // "riga 3: ..." when a line is wrong
};

// One ticket a line, its numbers separated by blanks (commas, semicolons and
// tabs are taken too). Empty lines and lines starting with '#' are skipped.
// Every ticket holds 1..10 different numbers 1..90; the tickets keep their order.
SistemaLetto LeggiSistema(std::string_view testo);

// The reverse of LeggiElencoNumeri, runs written as ranges: "1-10,23,45".
std::string TestoElencoNumeri(std::span<const int> numeri);

// "1 5 23"
std::string TestoColonna(const Colonna& colonna);
// Every ticket on a line of its own, each line ended by "\n".
std::string TestoSistema(const Sistema& colonne);

// The numbers the tickets hold, ascending, each once.
std::vector<int> NumeriSistema(const Sistema& colonne);

// The error of a choice of numbers: "" when they are 1..90 and none is repeated.
std::string ControllaNumeri(std::span<const int> numeri);

}  // namespace ruotario
