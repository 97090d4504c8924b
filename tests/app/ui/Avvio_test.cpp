// Start-up, and the splash, about and glossary windows.
#include "app/ui/Avvio.h"

#include <QtTest>
#include <QtWidgets>

#include "app/Ambiente.h"
#include "app/Glossario.h"
#include "app/ui/FrmInfo.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmMain.h"
#include "app/ui/frmSplash.h"
#include "support/FintiServizi.h"

using namespace ruotario;
using namespace ruotario::prova;

class AvvioTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { impostazioni_ = ImpostazioniTemporanee(); }
  void init() {
    cartella_ = std::make_unique<QTemporaryDir>();
    qputenv(kVariabileCartella, cartella_->path().toLocal8Bit());
    messaggi_ = FintiMessaggi();
    impostaMessaggi(&messaggi_);
    programmi_ = FintiProgrammi();
    impostaProgrammi(&programmi_);
    Stato().ArchivioModificato = true;
  }
  void cleanup() {
    impostaMessaggi(nullptr);
    impostaProgrammi(nullptr);
    qunsetenv(kVariabileCartella);
  }

  void missingArchiveWarnsOverTheShownMainWindow() {
    QVERIFY(QDir(cartella_->path()).mkdir("estrazioni.txt"));  // a folder of that name does not count
    const auto principale = AvviaProgramma({0});
    QVERIFY(principale && principale->isVisible());
    QCOMPARE(frmMain::principale(), principale.get());
    QCOMPARE(QString::fromStdString(Stato().ArchivePath), cartella_->filePath("estrazioni.txt"));
    QVERIFY(!Stato().ArchivioModificato);
    QCOMPARE(
        messaggi_.testi(),
        QStringList{"Attenzione non è stato trovato il file estrazioni. \nIl programma non funzionerà correttamente, "
                    "rieseguire l'installazione oppure importare un file estrazioni corretto."});
    QCOMPARE(messaggi_.ricevuti[0].tipo, QStringLiteral("avviso"));
    QCOMPARE(messaggi_.ricevuti[0].padre.data(), principale.get());
    QVERIFY(messaggi_.ricevuti[0].padreVisibile);
    for (QWidget* w : QApplication::topLevelWidgets())  // the splash window is gone
      QVERIFY(w->objectName() != QStringLiteral("frmSplash") || !w->isVisible());
    QVERIFY(QSettings(kTitoloApplicazione, kTitoloApplicazione).allKeys().isEmpty());
    QVERIFY(principale->findChild<QAction*>("mnuspia1")->isEnabled());  // the program's windows are plugged in
  }

  void readOnlyArchiveMadeWritableWithoutMessage() {
    QFile f(cartella_->filePath("estrazioni.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("1 01/01/2000\n") > 0);
    f.close();
    QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::ReadGroup));
    const auto principale = AvviaProgramma({0});
    QVERIFY(f.permissions() & QFile::WriteOwner);
    QVERIFY(messaggi_.ricevuti.isEmpty());
  }

  void auxiliaryWindows() {
    QCOMPARE(frmSplash().findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Versione 1.0.0"));
    frmAbout about;
    about.findChild<QPushButton*>("cmdSysInfo")->click();  // no system tool found
    QCOMPARE(programmi_.cercati, kStrumentiSistema);
    QCOMPARE(messaggi_.testi(), QStringList{"Informazioni sul sistema non disponibili in questa fase."});

    Stato().AppDir = cartella_->path().toStdString();
    QCOMPARE(FrmInfo().findChild<QPlainTextEdit*>("Txthelp")->toPlainText(), QString::fromUtf8(kGlossarioMancante));
    QFile f(cartella_->filePath("termini.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Ambo: due numeri.\r\nTerno: tre numeri.\r\nRuota: una delle dieci città.");
    f.close();
    QCOMPARE(FrmInfo().findChild<QPlainTextEdit*>("Txthelp")->toPlainText(),
             QStringLiteral("Ambo: due numeri.\nTerno: tre numeri.\nRuota: una delle dieci città.\n"));
  }

 private:
  std::unique_ptr<QTemporaryDir> impostazioni_, cartella_;
  FintiMessaggi messaggi_;
  FintiProgrammi programmi_;
};

QTEST_MAIN(AvvioTest)
#include "Avvio_test.moc"
