// Ruotario desktop program.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "app/Versione.h"
#include "app/ui/Avvio.h"
#include "app/ui/Servizi.h"
#include "app/ui/frmMain.h"

int main(int argc, char** argv) {
  // Answered before any window system is needed, so they work from a plain terminal.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "ruotario " << ruotario::kVersione << '\n';
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0) {
      std::cout << "Uso: ruotario [--version] [--help]\n"
                   "Statistiche del Lotto: archivio delle estrazioni, numeri spia, ZevedIVE, metodo delle kostanti.\n"
                   "La cartella dei dati si sceglie con la variabile RUOTARIO_DIR (vedere man ruotario).\n";
      return 0;
    }
  }
  QApplication app(argc, argv);
  QApplication::setOrganizationName(ruotario::kTitoloApplicazione);
  QApplication::setApplicationName(ruotario::kTitoloApplicazione);
  // Ties the windows to the installed menu entry (and so to its icon).
  QGuiApplication::setDesktopFileName(QStringLiteral("ruotario"));
  const auto principale = ruotario::AvviaProgramma();
  if (!principale) return 1;
  return QApplication::exec();
}
