#include "archive/ui/RegistroArchivio.h"

#include "app/ui/frmMain.h"
#include "archive/ui/frmmunInserisciNuovaEstrazione.h"
#include "archive/ui/frmmunInserisciNuovaEstrazioneTELEVIDEO.h"
#include "archive/ui/frmvisualizzaArchivioEstrazioni.h"

namespace ruotario {

void RegistraFinestreArchivio(frmMain& main) {
  main.registraFinestra(QStringLiteral("mnuinsestman"),
                        [](QWidget* padre) { return new frmmunInserisciNuovaEstrazione(padre); });
  main.registraFinestra(QStringLiteral("mnuinstele"),
                        [](QWidget* padre) { return new frmmunInserisciNuovaEstrazioneTELEVIDEO(padre); });
  main.registraFinestra(QStringLiteral("mnuViewEstrazioni"),
                        [](QWidget*) { return new frmvisualizzaArchivioEstrazioni; });
}

}  // namespace ruotario
