#include "print/ui/MenuTabella.h"

#include <QAction>
#include <QWidget>

#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "archive/ScritturaArchivio.h"
#include "print/TabellaCsv.h"

namespace ruotario {

void CopiaTabella(const GrigliaTesto& tabella) { appunti().scrivi(QString::fromStdString(TestoTabulato(tabella))); }

void EsportaCsvTabella(QWidget* padre, const GrigliaTesto& tabella) {
  const QString percorso = dialoghiFile().salvaFile(padre, QStringLiteral("Esporta CSV"), QStringLiteral("tabella.csv"),
                                                    QStringLiteral("File CSV (*.csv);;Tutti i file (*)"));
  if (percorso.isEmpty()) return;
  const EsitoScrittura esito = SostituisciFile(percorso.toStdString(), TestoCsv(tabella, SeparatoreDecimale()));
  if (!esito)
    messaggi().errore(padre, QStringLiteral("Errore (Esporta CSV) ") + QString::fromStdString(esito.Messaggio));
}

std::pair<QAction*, QAction*> AggiungiMenuTabella(QWidget* vista, TabellaMostrata tabella) {
  auto* copia = new QAction(QStringLiteral("Copia"), vista);
  auto* esporta = new QAction(QStringLiteral("Esporta CSV…"), vista);
  copia->setObjectName(QStringLiteral("actCopia"));
  esporta->setObjectName(QStringLiteral("actEsportaCsv"));
  QObject::connect(copia, &QAction::triggered, vista, [tabella] { CopiaTabella(tabella()); });
  QObject::connect(esporta, &QAction::triggered, vista, [vista, tabella] { EsportaCsvTabella(vista, tabella()); });
  vista->addAction(copia);
  vista->addAction(esporta);
  vista->setContextMenuPolicy(Qt::ActionsContextMenu);
  return {copia, esporta};
}

}  // namespace ruotario
