#include "systems/ui/RegistroSistemi.h"

#include "app/ui/frmMain.h"
#include "systems/ui/FrmSistemi.h"

namespace ruotario {

void RegistraFinestreSistemi(frmMain& main) {
  main.registraFinestra(QStringLiteral("mnuSistemiGioco"), [](QWidget*) { return new FrmSistemi; });
}

}  // namespace ruotario
