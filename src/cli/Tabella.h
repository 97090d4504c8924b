#pragma once
// Plain tables for the terminal (aligned columns) and for machines (CSV).

#include <ostream>
#include <string>
#include <vector>

namespace ruotario::cli {

struct Tabella {
  std::vector<std::string> Intestazioni;
  std::vector<std::vector<std::string>> Righe;
};

// Columns separated by two blanks; a column whose cells are all numbers is right-aligned.
void StampaTesto(const Tabella& t, std::ostream& out);
// RFC 4180 CSV with a header line; fields quoted only when needed.
void StampaCsv(const Tabella& t, std::ostream& out);

}  // namespace ruotario::cli
