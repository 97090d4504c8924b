#include "spy/ui/RegistroSpia.h"

#include "app/ui/frmMain.h"
#include "spy/VariantiSpia.h"
#include "spy/ui/FinestraSpia.h"
#include "spy/ui/FinestraZevedive.h"

namespace ruotario {

void RegistraFinestreSpia(frmMain& main) {
  for (const VarianteSpia& variante : kVariantiSpia) {
    const QString azione =
        QString::fromLatin1(variante.AzioneMenu.data(), static_cast<qsizetype>(variante.AzioneMenu.size()));
    main.registraFinestra(azione, [&variante](QWidget*) { return new FinestraSpia(variante); });
  }
  main.registraFinestra(QStringLiteral("mnusupsyp"), [](QWidget*) { return new FinestraZevedive; });
}

}  // namespace ruotario
