// The splash, about, glossary and recomputation windows.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "support/FintiServizi.h"
#include "app/Ambiente.h"
#include "app/Glossario.h"
#include "app/ui/FrmInfo.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmSplash.h"
#include "app/ui/frmricalcolastatIC.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {
QString testo(QWidget& w, const char* nome) {
  auto* l = w.findChild<QLabel*>(QString::fromLatin1(nome));
  return l ? l->text() : QStringLiteral("<manca %1>").arg(nome);
}
}  // namespace

class FinestreAusiliarieTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    messaggi_.ricevuti.clear();
    impostaMessaggi(&messaggi_);
    programmi_ = FintiProgrammi();
    impostaProgrammi(&programmi_);
  }
  void cleanup() {
    impostaMessaggi(nullptr);
    impostaProgrammi(nullptr);
  }

  void splashAndAboutShowTitleAndVersion() {
    frmSplash splash;
    QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
    QCOMPARE(testo(splash, "lblProductName"), QStringLiteral("Ruotario"));
    QCOMPARE(testo(splash, "lblVersion"), QStringLiteral("Versione 1.0.0"));
    QVERIFY(splash.findChild<QFrame*>("fraMainFrame"));
    QVERIFY(splash.findChild<QLabel*>("picLogo"));

    frmAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("Informazioni su ruotario"));
    QCOMPARE(testo(about, "lblTitle"), QStringLiteral("Ruotario"));
    QCOMPARE(testo(about, "lblVersion"), QStringLiteral("Versione 1.0.0"));
    QCOMPARE(testo(about, "lblDescription"), QStringLiteral("Descrizione applicazione"));
    QCOMPARE(about.findChild<QPushButton*>("cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    QCOMPARE(about.findChildren<QFrame*>("Line1").size(), 2);
  }

  void sysInfoStartsFirstToolFound() {
    programmi_.trovati = {{"gnome-system-monitor", "/usr/bin/gnome-system-monitor"},
                          {"ksysguard", "/usr/bin/ksysguard"}};
    frmAbout about;
    about.findChild<QPushButton*>("cmdSysInfo")->click();
    QCOMPARE(programmi_.avviati, QStringList{"/usr/bin/gnome-system-monitor"});
    QVERIFY(messaggi_.ricevuti.isEmpty());
  }

  void sysInfoWithoutToolSaysSo() {
    frmAbout about;
    about.StartSysInfo();
    QVERIFY(programmi_.avviati.isEmpty());
    QCOMPARE(programmi_.cercati, kStrumentiSistema);
    QCOMPARE(messaggi_.testi(), QStringList{"Informazioni sul sistema non disponibili in questa fase."});
  }

  void sysInfoToolThatCannotStartSaysSo() {
    programmi_.trovati = {{"hardinfo", "/opt/hardinfo"}};
    programmi_.avvioRiesce = false;
    frmAbout about;
    about.StartSysInfo();
    QCOMPARE(programmi_.avviati, QStringList{"/opt/hardinfo"});
    QCOMPARE(messaggi_.testi(), QStringList{"Informazioni sul sistema non disponibili in questa fase."});
  }

  void glossaryShowsEveryLine() {
    QTemporaryDir cartella;
    Stato().AppDir = cartella.path().toStdString();
    QFile f(cartella.filePath("termini.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Ambo: due numeri.\r\nTerno: tre numeri.\r\nRuota: una delle dieci città.");
    f.close();
    FrmInfo info;
    QCOMPARE(info.windowTitle(), QStringLiteral("Glossario Termini"));
    auto* txt = info.findChild<QPlainTextEdit*>("Txthelp");
    QVERIFY(txt && txt->isReadOnly());
    QCOMPARE(txt->toPlainText(),
             QStringLiteral("Ambo: due numeri.\nTerno: tre numeri.\nRuota: una delle dieci città.\n"));
    QCOMPARE(info.findChild<QPushButton*>("cmdEsci")->text(), QStringLiteral("&Esci"));
  }

  void glossaryMissingSaysSo() {
    QTemporaryDir cartella;
    Stato().AppDir = cartella.path().toStdString();
    FrmInfo info;
    QCOMPARE(info.findChild<QPlainTextEdit*>("Txthelp")->toPlainText(), QString::fromUtf8(kGlossarioMancante));
  }

  void shippedGlossaryIsNotEmpty() {
    const auto g = LeggiGlossario(QDir::cleanPath(RUOTARIO_TEST_DATA "/../../data/termini.txt").toStdString());
    QVERIFY(g.has_value());
    for (const char* termine : {"Ambata", "Ambo", "Colpi", "Spia", "Cadenza", "Figura", "ZevedIVE", "Kostante"})
      QVERIFY2(QString::fromStdString(*g).contains(QString::fromLatin1(termine), Qt::CaseInsensitive), termine);
  }

  void recomputationWindowStartChangesNothing() {
    frmricalcolastatIC w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Calcolo Statistiche"));
    QCOMPARE(testo(w, "lbcontatore1"), QStringLiteral("Estrazioni Elaborate:"));
    QVERIFY(w.findChild<QWidget*>("Frame1"));
    auto* go = w.findChild<QPushButton*>("Go");
    QCOMPARE(go->text(), QStringLiteral("Inizia Calcolo"));
    QCOMPARE(w.findChild<QPushButton*>("Cmdchiudi")->text(), QStringLiteral("Chiudi"));
    QSignalSpy avvii(&w, &frmricalcolastatIC::calcoloAvviato);
    go->click();
    QCOMPARE(avvii.size(), 1);
    QCOMPARE(testo(w, "Lbcontatore"), QString());
  }

 private:
  FintiMessaggi messaggi_;
  FintiProgrammi programmi_;
};

QTEST_MAIN(FinestreAusiliarieTest)
#include "FinestreAusiliarie_test.moc"
