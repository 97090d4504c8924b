#pragma once
// A result table as text other programs read: CSV (RFC 4180, CR LF, fields
// quoted only when needed) and tab-separated text for pasting into a
// spreadsheet. The command line and the windows write the same bytes.

#include <string>
#include <vector>

namespace ruotario {

using RigaTesti = std::vector<std::string>;

std::string TestoCsv(const RigaTesti& intestazioni, const std::vector<RigaTesti>& righe);
// Cells separated by tabs, lines by "\n"; tabs and line breaks inside a cell become blanks.
std::string TestoTabulato(const RigaTesti& intestazioni, const std::vector<RigaTesti>& righe);

}  // namespace ruotario
