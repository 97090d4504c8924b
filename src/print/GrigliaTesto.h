#pragma once
// A result table as text, the way a window shows it: row 0 is the heading row
// (one heading per column), rows 1.. the data rows. Windows fill it from their
// grid and hand it to the printing.

#include <string>
#include <vector>

namespace ruotario {

struct GrigliaTesto {
  std::vector<std::string> intestazioni;        // row 0
  std::vector<std::vector<std::string>> righe;  // rows 1..; a short row has empty cells

  // Rows including the heading row.
  int Righe() const { return static_cast<int>(righe.size()) + 1; }
  // The widest of the heading and the rows.
  int Colonne() const;
  // Text of cell (r, c); empty outside the table.
  const std::string& Cella(int r, int c) const;
};

}  // namespace ruotario
