#pragma once
// Layout of a printed result table: which text goes on which page, line and
// character column. Pure text; the printer layer only paints it.

#include <string>
#include <string_view>
#include <vector>

#include "print/GrigliaTesto.h"

namespace ruotario {

// A piece of text on a line. `colonna` is the 1-based character column where
// it starts (columns as wide as the font's average character).
struct PezzoStampa {
  int colonna = 1;
  std::string testo;
  bool operator==(const PezzoStampa&) const = default;
};

using RigaStampa = std::vector<PezzoStampa>;  // empty = an empty line

struct PaginaStampa {
  std::vector<RigaStampa> righe;
};

struct DocumentoStampa {
  std::vector<PaginaStampa> pagine;
};

inline constexpr int kLarghezzaColonnaStampa = 14;  // cells start at columns 14, 28, 42, ... (wider where needed)
inline constexpr int kUltimaRigaPagina1 = 45;       // grid rows 0..45 go on page 1
inline constexpr const char* kPiedeStampa = "   by Ruotario ";

// Lays out `griglia` under `titolo` (always printed) and `sottotitolo` (left out
// when empty). `righeMax` in 1..90 and not past the last row limits the rows
// printed; any other value prints them all. The headings are printed without
// the blanks that pad them to their column width on screen. A column whose
// widest printed text needs more than 14 characters (with its 3 blanks) is
// widened to it, and the columns after it move right.
DocumentoStampa ImpaginaGriglia(const GrigliaTesto& griglia, std::string_view titolo, std::string_view sottotitolo,
                                int righeMax);

// A table longer than `massimo` rows prints its first `massimo`, and its
// subtitle says so: "  (stampate le prime 90 di 120 righe)" is appended.
std::string SottotitoloPrimeRighe(std::string sottotitolo, int righe, int massimo);

// The same lines on pages of at most `righePerPagina` lines (the paper's real
// capacity): a page that is too long goes on over as many pages as it needs,
// in order, so no line is ever lost. `righePerPagina` below 1 counts as 1.
DocumentoStampa AdattaPagine(const DocumentoStampa& documento, int righePerPagina);

// The text of a line as a fixed-pitch rendering (pieces padded to their column),
// for tests and plain-text previews.
std::string TestoRiga(const RigaStampa& riga);

}  // namespace ruotario
