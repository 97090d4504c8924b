#pragma once
// Printing of a result table on the printer chosen with the main window's
// printer set-up.

#include <QString>

#include "print/GrigliaTesto.h"
#include "print/ImpaginaGriglia.h"

class QPrinter;
class QTableWidget;
class QWidget;

namespace ruotario {

// Asks "Vuoi Stampare la Tabella?" and on Yes prints the table (heading row
// included) under one or two heading lines: the page-2 heading after row 45,
// further pages only where the paper is too short for the layout. On failure the
// document is cancelled and the error is shown. `RigheMax`: last grid row to
// print, 1 to 90; any other value prints all rows.
void StampaGrigliaTxt(const GrigliaTesto& Griglia, const QString& Titolo, const QString& Sottotitolo, int RigheMax,
                      QWidget* padre = nullptr);

// The same for a table that may be very long: at most its first `massimo`
// data rows are printed (any number), and the second heading line then says
// how many of how many.
void StampaPrimeRighe(const GrigliaTesto& Griglia, const QString& Titolo, QString Sottotitolo, int massimo,
                      QWidget* padre = nullptr);

// The table of a grid widget as text: headings from the horizontal header,
// cells as displayed (missing items are empty).
GrigliaTesto GrigliaDaTabella(const QTableWidget& tabella);

// Paints a laid-out document with the printer set up in `printer` (each job on
// a printer of its own, so a failed job leaves `printer` usable): Arial 10
// (Liberation Sans where Arial is missing), character columns from the font's
// average character width, as many lines on a page as its printable height
// holds (a longer page goes on over the next ones); a table too wide for a
// portrait page is printed landscape when it fits there. Returns an empty text
// on success, else the error description: no printer (and where to choose one),
// a cell wider than the page (nothing is printed then), a failed page or job (a
// started document is cancelled).
QString StampaDocumento(const QPrinter& printer, const DocumentoStampa& documento);

}  // namespace ruotario
