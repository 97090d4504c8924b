#include "forecasts/ui/RegistroFinestrePrevisioni.h"

#include <QLabel>
#include <QStatusBar>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "forecasts/RegistroPrevisioni.h"
#include "forecasts/ui/FrmPrevisioni.h"

namespace ruotario {

QString TestoPrevisioniSaldate(int saldate) {
  if (saldate == 0) return QStringLiteral("Ultimo aggiornamento: nessuna previsione saldata");
  if (saldate == 1) return QStringLiteral("Ultimo aggiornamento: 1 previsione saldata");
  return QStringLiteral("Ultimo aggiornamento: %1 previsioni saldate").arg(saldate);
}

void RegistraFinestrePrevisioni(frmMain& main) {
  main.registraFinestra(QString::fromLatin1(FrmPrevisioni::kComando), [](QWidget*) { return new FrmPrevisioni; });

  auto* pannello = new QLabel(&main);
  pannello->setObjectName(QStringLiteral("PannelloPrevisioni"));
  pannello->setContentsMargins(6, 0, 6, 0);
  main.statusBar()->insertPermanentWidget(1, pannello);
  // After every archive update the ledger is settled on the new draws.
  QObject::connect(&main, &frmMain::statisticheRicalcolate, pannello, [&main, pannello] {
    const std::string& archivio = Stato().ArchivePath;
    const RegistroSaldato r = SaldaRegistro(PercorsoRegistro(archivio), ArchivioEstrazioni::CaricaArchivio(archivio));
    pannello->setText(r.Errore.empty() ? TestoPrevisioniSaldate(r.NuoveSaldate)
                                       : QStringLiteral("Registro delle previsioni non leggibile"));
    pannello->setToolTip(QString::fromStdString(r.Errore));
    if (auto* finestra = qobject_cast<FrmPrevisioni*>(main.finestra(QString::fromLatin1(FrmPrevisioni::kComando))))
      finestra->Aggiorna();
  });
}

}  // namespace ruotario
