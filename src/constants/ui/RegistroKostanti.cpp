#include "constants/ui/RegistroKostanti.h"

#include "app/ui/frmMain.h"
#include "constants/ui/Frmstatproduttore.h"

namespace ruotario {

void RegistraFinestreKostanti(frmMain& main) {
  main.registraFinestra(QStringLiteral("mnuspric"), [](QWidget*) { return new Frmstatproduttore; });
}

}  // namespace ruotario
