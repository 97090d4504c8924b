#include "update/ui/RegistroAggiornamento.h"

#include "app/ui/frmMain.h"
#include "update/ui/FrmAggiornaArchivio.h"

namespace ruotario {

void RegistraFinestreAggiornamento(frmMain& main) {
  main.registraFinestra(QStringLiteral("mnuAggiornaUfficiale"),
                        [](QWidget*) { return new FrmAggiornaArchivio(FonteAggiornamento::Ufficiale); });
  main.registraFinestra(QStringLiteral("mnuImportaPubblicato"),
                        [](QWidget*) { return new FrmAggiornaArchivio(FonteAggiornamento::File); });
}

}  // namespace ruotario
