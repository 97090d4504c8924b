#pragma once
// A result table as text other programs read: CSV (RFC 4180, CR LF, fields
// quoted only when needed) and tab-separated text for pasting into a
// spreadsheet. The command line and the windows write the same bytes.

#include <string>
#include <vector>

#include "print/GrigliaTesto.h"

namespace ruotario {

using RigaTesti = std::vector<std::string>;

std::string TestoCsv(const RigaTesti& intestazioni, const std::vector<RigaTesti>& righe);
// Cells separated by tabs, lines by "\n"; tabs and line breaks inside a cell become blanks.
std::string TestoTabulato(const RigaTesti& intestazioni, const std::vector<RigaTesti>& righe);

// The same from a table as a window shows it. Headings lose their padding; in
// the CSV a figure written with the locale's `separatore` gets "." back, so a
// window's CSV matches the command line's whatever the locale.
std::string TestoCsv(const GrigliaTesto& tabella, char separatore);
std::string TestoTabulato(const GrigliaTesto& tabella);

}  // namespace ruotario
