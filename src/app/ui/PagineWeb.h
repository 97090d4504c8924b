#pragma once
// Every page the main window opens, in one table: the program's own guide
// (shipped beside the program, opened as a local page) and the state agency's
// public page on responsible gaming for the poker and betting entries, for
// which the program has nothing of its own.

#include <QString>
#include <QUrl>
#include <array>

namespace ruotario {

struct PaginaWeb {
  const char* azione;     // object name of the menu entry
  const char* indirizzo;  // a web address, or the guide's file name with its section
  bool locale;            // true: a file in the program folder
};

inline constexpr const char* kNomeGuida = "guida.html";
inline constexpr const char* kGiocoResponsabile =
    "https://www.adm.gov.it/portale/autoesclusione-dal-gioco-a-distanza-giochi/";

inline constexpr std::array<PaginaWeb, 4> kPagineWeb{{
    {"mnuquadriviaweb", "guida.html", true},
    {"mnudownls", "guida.html#archivio", true},
    {"mnupoker", kGiocoResponsabile, false},
    {"mnuBet", kGiocoResponsabile, false},
}};

// The address the entry `azione` opens: a local page in `cartella` (the
// program folder) or a web address; empty for an entry with no page.
QUrl IndirizzoPagina(const QString& azione, const QString& cartella);

}  // namespace ruotario
