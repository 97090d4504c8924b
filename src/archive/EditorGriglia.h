#pragma once
// The rules of the draw entry grid's in-place editor, apart from any widget:
// which editor texts reach the cell, and where the arrow keys and Enter move.
// Cells are addressed as the grid shows them: row 1..10 is the wheel, column
// 1..5 the extraction place.

#include <optional>
#include <string_view>

namespace ruotario {

inline constexpr int kUltimaRigaGriglia = 10;
inline constexpr int kUltimaColonnaGriglia = 5;

// True when the editor's text may be copied into the cell: a number 1..90
// written as plain digits ("5", "90") or with one leading zero ("05").
bool TestoAmmessoInCella(std::string_view testo);

struct CellaGriglia {
  int riga = 1;
  int colonna = 1;
  bool operator==(const CellaGriglia&) const = default;
};

enum class TastoEditor { Destra, Sinistra, Giu, Su, Invio };

// The cell the editor moves to on a key, or nullopt when the key stays with the
// text. `cursore` is where the caret (or the start of the selection) stands,
// `lunghezza` the length of the editor's text. Right moves only with the caret
// at the end of the text, Left only with it at 0; Up and Down wherever it is;
// Enter runs along the row and on to column 1 of the next wheel.
std::optional<CellaGriglia> MossaEditor(TastoEditor tasto, CellaGriglia corrente, int cursore, int lunghezza);

}  // namespace ruotario
