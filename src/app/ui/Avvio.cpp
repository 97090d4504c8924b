#include "app/ui/Avvio.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLibraryInfo>
#include <QThread>
#include <QTranslator>
#include <exception>

#include "app/Ambiente.h"
#include "app/ui/RegistroFinestre.h"
#include "app/ui/Servizi.h"
#include "app/ui/frmMain.h"
#include "app/ui/frmSplash.h"

namespace ruotario {

namespace {
// Runs one start-up step; an error abandons the step only.
template <typename Passo>
void passo(Passo&& p) {
  try {
    p();
  } catch (const std::exception&) {
  }
}
}  // namespace

QString MessaggioArchivioMancante(const StatoProgramma& stato) {
  QString testo = QString::fromUtf8(kMessaggioArchivioMancante);
  if (stato.DatiUtente)
    testo += QStringLiteral(
                 "\n\nLa cartella dei dati è %1: copiare lì il file estrazioni.txt oppure importarlo "
                 "dal menu Archivio Estrazioni, Import File, Import da File, o con il comando "
                 "\"ruotario-cli importa FILE\".")
                 .arg(QString::fromStdString(stato.AppDir));
  return testo;
}

bool CaricaTraduzioniQt() {
  static bool caricate = false;
  if (caricate) return true;
  auto* traduzione = new QTranslator(QCoreApplication::instance());
  if (!traduzione->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete traduzione;
    return false;
  }
  caricate = QCoreApplication::installTranslator(traduzione);
  return caricate;
}

std::unique_ptr<frmMain> AvviaProgramma(const OpzioniAvvio& opzioni) {
  passo([] { CaricaTraduzioniQt(); });
  passo([] { InizializzaStato(); });
  passo([] { SbloccaArchivio(Stato().ArchivePath); });
  Stato().ArchivioModificato = false;

  QPointer<frmSplash> splash;
  passo([&] {
    splash = new frmSplash;
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  });
  // Keep the splash up; only its painting is processed, no user input.
  const QDeadlineTimer scadenza(opzioni.pausaMs);
  while (!scadenza.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    QThread::msleep(10);
  }

  std::unique_ptr<frmMain> principale;
  passo([&] {
    principale = std::make_unique<frmMain>();
    RegistraFinestreProgramma(*principale);
    principale->carica();
  });
  if (splash) splash->close();
  if (!principale) return principale;
  principale->show();
  passo([&] {
    if (!EsisteFile(Stato().ArchivePath)) messaggi().avviso(principale.get(), MessaggioArchivioMancante(Stato()));
  });
  return principale;
}

}  // namespace ruotario
