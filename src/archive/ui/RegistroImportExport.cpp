#include "archive/ui/RegistroImportExport.h"

#include "app/ui/frmMain.h"
#include "archive/ui/frmesportaarchivi.h"
#include "archive/ui/frmimportaarchivi.h"

namespace ruotario {

void RegistraFinestreImportExport(frmMain& main) {
  main.registraFinestra(QStringLiteral("mnuimprtfile"), [](QWidget*) { return new frmimportaarchivi; });
  main.registraFinestra(
      QStringLiteral("mnuEsportaEstrazionix"), [](QWidget*) { return new frmesportaarchivi; }, Modo::Indipendente);
}

}  // namespace ruotario
