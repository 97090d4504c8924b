#include "archive/ui/RegistroArchivio.h"

#include "app/ui/frmMain.h"
#include "archive/ui/frmmunInserisciNuovaEstrazione.h"

namespace ruotario {

void RegistraFinestreArchivio(frmMain& main) {
  main.registraFinestra(QStringLiteral("mnuinsestman"),
                        [](QWidget* padre) { return new frmmunInserisciNuovaEstrazione(padre); });
}

}  // namespace ruotario
