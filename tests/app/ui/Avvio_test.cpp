#include "app/ui/Avvio.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

#include "support/FintiServizi.h"
#include "app/Ambiente.h"
#include "app/ui/frmMain.h"

using namespace ruotario;
using namespace ruotario::prova;

class AvvioTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { impostazioni_ = ImpostazioniTemporanee(); }
  void init() {
    cartella_ = std::make_unique<QTemporaryDir>();
    qputenv(kVariabileCartella, cartella_->path().toLocal8Bit());
    impostaMessaggi(&messaggi_);
    messaggi_.ricevuti.clear();
    Stato().ArchivioModificato = true;
  }
  void cleanup() {
    impostaMessaggi(nullptr);
    qunsetenv(kVariabileCartella);
  }

  void missingArchiveWarnsOverTheShownMainWindow() {
    const auto principale = AvviaProgramma({0});
    QVERIFY(principale);
    QCOMPARE(frmMain::principale(), principale.get());
    QVERIFY(principale->isVisible());
    QCOMPARE(QString::fromStdString(Stato().AppDir), cartella_->path());
    QCOMPARE(QString::fromStdString(Stato().ArchivePath), cartella_->filePath("estrazioni.txt"));
    QVERIFY(!Stato().ArchivioModificato);
    QCOMPARE(messaggi_.ricevuti.size(), 1);
    const Messaggio& m = messaggi_.ricevuti.first();
    QCOMPARE(m.testo, QStringLiteral("Attenzione non è stato trovato il file estrazioni. \nIl programma non funzionerà "
                                     "correttamente, rieseguire l'installazione oppure importare un file estrazioni "
                                     "corretto."));
    QCOMPARE(m.tipo, QStringLiteral("avviso"));
    QCOMPARE(m.padre.data(), principale.get());
    QVERIFY(m.padreVisibile);
    // The splash window is gone once the main window is up.
    for (QWidget* w : QApplication::topLevelWidgets())
      QVERIFY(w->objectName() != QStringLiteral("frmSplash") || !w->isVisible());
    // Nothing is written to the settings at start-up.
    QVERIFY(QSettings(kTitoloApplicazione, kTitoloApplicazione).allKeys().isEmpty());
    // The program's windows are plugged in and the shell's own are there.
    QVERIFY(principale->findChild<QAction*>("mnuHelpAbout")->isEnabled());
  }

  void readOnlyArchiveMadeWritableWithoutMessage() {
    const QString percorso = cartella_->filePath("estrazioni.txt");
    {
      QFile f(percorso);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("1 01/01/2000\n");
    }
    QVERIFY(QFile::setPermissions(percorso, QFile::ReadOwner | QFile::ReadGroup));
    const auto principale = AvviaProgramma({0});
    QVERIFY(QFile::permissions(percorso) & QFile::WriteOwner);
    QVERIFY(messaggi_.ricevuti.isEmpty());
  }

  void folderNamedLikeTheArchiveCountsAsMissing() {
    QVERIFY(QDir(cartella_->path()).mkdir("estrazioni.txt"));
    const auto principale = AvviaProgramma({0});
    QCOMPARE(messaggi_.ricevuti.size(), 1);
  }

 private:
  std::unique_ptr<QTemporaryDir> impostazioni_;
  std::unique_ptr<QTemporaryDir> cartella_;
  FintiMessaggi messaggi_;
};

QTEST_MAIN(AvvioTest)
#include "Avvio_test.moc"
