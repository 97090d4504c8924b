// The import window: the facts it shows, the file choice, the import with its
// backup and recomputation, and the messages of refusals and failures.
#include "archive/ui/frmimportaarchivi.h"

#include <QtTest>
#include <QtWidgets>

#include "app/ui/frmMain.h"
#include "app/ui/frmricalcolastatIC.h"
#include "archive/FileArchivio.h"
#include "archive/ui/RegistroImportExport.h"
#include "support/ScenaArchivio.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {
const std::string kVecchio = Unisci({kR1, kR2});
const std::string kNuovo = Unisci({kR1, kR2, kR3});

QString campo(const QWidget* w, const char* nome) { return w->findChild<QLineEdit*>(nome)->text(); }
QString fatti(const QWidget* w, const char* p, const char* d, const char* t, const char* u) {
  return QStringList{campo(w, p), campo(w, d), campo(w, t), campo(w, u)}.join('|');
}
void premi(QWidget* w, const char* nome) { w->findChild<QPushButton*>(nome)->click(); }
}  // namespace

class frmimportaarchiviTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { impostazioni_ = ImpostazioniTemporanee(); }
  void init() {
    s_ = std::make_unique<ScenaArchivio>(kVecchio, "chiavetta");
    scelto_ = QString::fromStdString(s_->dir.Scrivi("chiavetta/ESTRAZIONI.TXT", kNuovo));
  }
  void cleanup() { s_.reset(); }

  void importsFromTheMenuWithBackupAndRecomputation() {
    frmMain m;
    m.show();
    RegistraFinestreImportExport(m);
    int ricalcoli = 0;
    m.registraFinestra("frmricalcolastatIC", [&](QWidget* p) {
      auto* w = new frmricalcolastatIC(p);
      connect(w, &frmricalcolastatIC::calcoloAvviato, w, [&] { ++ricalcoli; });
      return w;
    });
    m.findChild<QAction*>("mnuimprtfile")->trigger();
    QWidget* w = m.finestra("mnuimprtfile");
    QVERIFY(w && w->isVisible());
    QCOMPARE(fatti(w, "txtarchivio", "txtdimarchivio", "TxttotestrazioniArchivio", "txtdataarchivio"),
             QString::fromStdString(Stato().ArchivePath) + "|0|2|14/01/1939");

    premi(w, "cmdimporta");
    QCOMPARE(s_->messaggi.testi(), QStringList{"Scegliere prima il file da importare"});

    s_->dialoghi.file = scelto_;
    premi(w, "Command1");
    QCOMPARE(s_->dialoghi.aperture.size(), 1);
    QCOMPARE(fatti(w, "Txtnomefile", "txtdim", "Txttotestrazioni", "txtdata"), scelto_ + "|0|3|21/01/1939");

    premi(w, "cmdimporta");
    QCOMPARE(ricalcoli, 1);
    QVERIFY(s_->messaggi.testi().last().startsWith("Importazione avvenuta con successo."));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the frame goes with the window in it
    QVERIFY(!m.finestra("mnuimprtfile"));
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), kNuovo);
  }

  void brokenFilesAskBeforeReplacingTheArchive() {
    s_->dir.Scrivi("app/estrazioni.txt", Unisci({kR1, kR2.substr(0, 119)}));
    const std::string rotto = Unisci({kR3.substr(0, 100)});
    const QString f = QString::fromStdString(s_->dir.Scrivi("chiavetta/estrazioni.txt", rotto));
    frmimportaarchivi w;
    w.show();
    QCoreApplication::processEvents();  // the warning waits until the window is on screen
    QCOMPARE(s_->messaggi.testi(), QStringList{QString::fromUtf8(kAvvisoFileNonCorretto)});  // the current archive

    s_->dialoghi.file = f;
    premi(&w, "Command1");
    QCOMPARE(s_->messaggi.testi().last(), QString::fromUtf8(kAvvisoFileNonCorretto));
    s_->messaggi.risposta = false;
    premi(&w, "cmdimporta");
    QCOMPARE(s_->messaggi.ricevuti.last().tipo, QStringLiteral("confermaAttenzione"));
    QVERIFY(s_->messaggi.ricevuti.last().predefinitoNo);  // Enter must not replace the archive
    QVERIFY(w.isVisible());
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), Unisci({kR1, kR2.substr(0, 119)}));
    s_->messaggi.risposta = true;
    premi(&w, "cmdimporta");
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), rotto);
    QVERIFY(!w.isVisible());
  }

  void aRefusalKeepsTheWindowACancelledChoiceClosesIt() {
    auto w = std::make_unique<frmimportaarchivi>();
    w->show();
    s_->dialoghi.file = QString::fromStdString(Stato().ArchivePath);  // the archive itself
    premi(w.get(), "Command1");
    premi(w.get(), "cmdimporta");
    QVERIFY(s_->messaggi.testi().last().contains("è lo stesso del file attualmente in uso"));
    QVERIFY(w->isVisible());

    // A cancelled choice closes the window, never the program.
    w = std::make_unique<frmimportaarchivi>();
    w->show();
    s_->dialoghi.file.clear();
    premi(w.get(), "Command1");
    QCOMPARE(s_->messaggi.ricevuti.last().tipo, QStringLiteral("errore"));
    QCOMPARE(s_->messaggi.testi().last(), QStringLiteral("File: estrazioni.txt non caricato impossibile continuare"));
    QVERIFY(!w->isVisible());
  }

 private:
  std::unique_ptr<QTemporaryDir> impostazioni_;
  std::unique_ptr<ScenaArchivio> s_;
  QString scelto_;
};

QTEST_MAIN(frmimportaarchiviTest)
#include "frmimportaarchivi_test.moc"
