#pragma once
// Result tables that other programs can take: "Copia" puts the table on the
// clipboard tab-separated (it pastes into a spreadsheet), "Esporta CSV…"
// writes the CSV the command line writes for the same study.

#include <functional>

#include "print/GrigliaTesto.h"

class QAction;
class QWidget;

namespace ruotario {

using TabellaMostrata = std::function<GrigliaTesto()>;

void CopiaTabella(const GrigliaTesto& tabella);
// Asks for a file name and writes the CSV in one piece; a failure is shown.
void EsportaCsvTabella(QWidget* padre, const GrigliaTesto& tabella);

// Gives `vista` the two commands as its context menu; `tabella` reads the
// table as shown when a command runs. Returns the "Copia" and "Esporta CSV…"
// actions.
std::pair<QAction*, QAction*> AggiungiMenuTabella(QWidget* vista, TabellaMostrata tabella);

}  // namespace ruotario
