// Ruotario desktop program.
#include <QApplication>

#include "app/ui/Avvio.h"
#include "app/ui/Servizi.h"
#include "app/ui/frmMain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(ruotario::kTitoloApplicazione);
  QApplication::setApplicationName(ruotario::kTitoloApplicazione);
  const auto principale = ruotario::AvviaProgramma();
  if (!principale) return 1;
  return QApplication::exec();
}
