#include "ritardi/ui/RegistroRitardi.h"

#include "app/ui/frmMain.h"
#include "ritardi/ui/FrmRitardi.h"

namespace ruotario {

void RegistraFinestreRitardi(frmMain& main) {
  main.registraFinestra(QStringLiteral("mnuRitardiFrequenze"), [](QWidget*) { return new FrmRitardi; });
}

}  // namespace ruotario
