#pragma once
// The start-up sequence of the desktop program.

#include <QString>
#include <memory>

#include "app/Ambiente.h"

namespace ruotario {

class frmMain;

struct OpzioniAvvio {
  int pausaMs = 1000;  // how long the splash window stays up
};

inline constexpr const char* kMessaggioArchivioMancante =
    "Attenzione non è stato trovato il file estrazioni. \n"
    "Il programma non funzionerà correttamente, rieseguire l'installazione oppure importare un file estrazioni "
    "corretto.";

// The start-up warning for a missing archive; for an installed program it also
// names the user's data folder and how to import an archive into it.
QString MessaggioArchivioMancante(const StatoProgramma& stato);

// Installs Qt's own Italian texts (standard buttons, file and print dialogs)
// from qt6-translations-l10n; false when they are not installed. Once per run.
bool CaricaTraduzioniQt();

// Loads Qt's Italian texts, resolves the program state, shows the splash window, creates, loads and shows
// the main window, and warns when the archive is missing. A failing step is
// skipped. Needs a QApplication.
std::unique_ptr<frmMain> AvviaProgramma(const OpzioniAvvio& opzioni = {});

}  // namespace ruotario
