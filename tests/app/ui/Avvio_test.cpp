// Start-up, and the glossary window.
#include "app/ui/Avvio.h"

#include <QtTest>
#include <QtWidgets>

#include "app/Ambiente.h"
#include "app/Glossario.h"
#include "app/ui/FrmInfo.h"
#include "app/ui/frmMain.h"
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
    Stato().ArchivioModificato = true;
  }
  void cleanup() {
    impostaMessaggi(nullptr);
    qunsetenv(kVariabileCartella);
  }

  void missingArchiveWarnsOverTheShownMainWindow() {
    QVERIFY(QDir(cartella_->path()).mkdir("estrazioni.txt"));  // a folder of that name does not count
    const auto principale = AvviaProgramma({0});
    QVERIFY(principale && principale->isVisible() && frmMain::principale() == principale.get());
    QVERIFY(!Stato().ArchivioModificato);
    QCOMPARE(messaggi_.testi(), QStringList{MessaggioArchivioMancante(Stato())});
    QCOMPARE(messaggi_.ricevuti[0].tipo, QStringLiteral("avviso"));
    QCOMPARE(messaggi_.ricevuti[0].padre.data(), principale.get());
    QVERIFY(messaggi_.ricevuti[0].padreVisibile);
    QVERIFY(principale->findChild<QAction*>("mnuspia1")->isEnabled());  // the program's windows are plugged in
    // Qt's own texts are Italian: the standard buttons, the file and print dialogs.
    QCOMPARE(QDialogButtonBox(QDialogButtonBox::Yes).button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Sì"));
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

  void glossaryShowsEveryLineOrSaysMissing() {
    Stato().AppDir = cartella_->path().toStdString();
    QCOMPARE(FrmInfo().findChild<QPlainTextEdit*>("Txthelp")->toPlainText(), QString::fromUtf8(kGlossarioMancante));
    QFile f(cartella_->filePath("termini.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Ambo: due numeri.\r\nTerno: tre numeri.\r\nRuota: una delle dieci città.");
    f.close();
    QCOMPARE(FrmInfo().findChild<QPlainTextEdit*>("Txthelp")->toPlainText(),
             QStringLiteral("Ambo: due numeri.\nTerno: tre numeri.\nRuota: una delle dieci città.\n"));
  }

  void installedProgramNamesItsDataFolder() {
    StatoProgramma installato;
    installato.AppDir = "/home/anna/.local/share/ruotario";
    installato.DatiUtente = true;
    QVERIFY(MessaggioArchivioMancante(installato).contains(" /home/anna/.local/share/ruotario: copiare lì"));
    installato.DatiUtente = false;
    QCOMPARE(MessaggioArchivioMancante(installato), QString::fromUtf8(kMessaggioArchivioMancante));
  }

 private:
  std::unique_ptr<QTemporaryDir> impostazioni_, cartella_;
  FintiMessaggi messaggi_;
};

QTEST_MAIN(AvvioTest)
#include "Avvio_test.moc"
