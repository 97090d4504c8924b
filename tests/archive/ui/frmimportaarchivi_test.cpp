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
const QString kStesso = QStringLiteral(
    "Impossibile importare l'archivio. Il file da importare è lo stesso del file attualmente in uso.\n"
    "Scegliere un altro file da importare.");

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
    QVERIFY(w->findChild<QPlainTextEdit*>("Text1")->toPlainText().endsWith("copiandolo nella cartella: " +
                                                                           QString::fromStdString(Stato().AppDir)));
    QCOMPARE(fatti(w, "txtarchivio", "txtdimarchivio", "TxttotestrazioniArchivio", "txtdataarchivio"),
             QString::fromStdString(Stato().ArchivePath) + "|0|2|14/01/1939");

    premi(w, "cmdimporta");
    QCOMPARE(s_->messaggi.testi(), QStringList{"Scegliere prima il file da importare"});

    s_->dialoghi.file = scelto_;
    premi(w, "Command1");
    QCOMPARE(s_->dialoghi.aperture.size(), 1);
    const auto& a = s_->dialoghi.aperture[0];
    QCOMPARE(QStringList({a.titolo, a.cartella, a.filtro}),
             QStringList({"Impossibile trovare il file con l'archivio dati: estrazioni.txt",
                          QDir::home().filePath("estrazioni.txt"), "File dati (estrazioni.txt)"}));
    QCOMPARE(fatti(w, "Txtnomefile", "txtdim", "Txttotestrazioni", "txtdata"), scelto_ + "|0|3|21/01/1939");

    premi(w, "cmdimporta");
    QCOMPARE(ricalcoli, 1);
    QVERIFY(s_->messaggi.testi().last().endsWith("copia di riserva del vecchio archivio dati nel file: " +
                                                 QString::fromStdString(s_->dir.File("app/copiaEstrazioni.txt"))));
    QTRY_VERIFY(!m.finestra("mnuimprtfile"));
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), kNuovo);
    QCOMPARE(CartellaTemporanea::Leggi(s_->dir.File("app/copiaEstrazioni.txt")), kVecchio);
  }

  void brokenFilesAskBeforeReplacingTheArchive() {
    s_->dir.Scrivi("app/estrazioni.txt", Unisci({kR1, kR2.substr(0, 119)}));
    const std::string rotto = Unisci({kR3.substr(0, 100)});
    const QString f = QString::fromStdString(s_->dir.Scrivi("chiavetta/estrazioni.txt", rotto));
    frmimportaarchivi w;
    w.show();
    QTRY_COMPARE(s_->messaggi.testi(), QStringList{QString::fromUtf8(kAvvisoFileNonCorretto)});  // the current archive

    s_->dialoghi.file = QString::fromStdString(s_->dir.Scrivi("chiavetta/archivio.txt", kNuovo));  // another name
    premi(&w, "Command1");
    QCOMPARE(fatti(&w, "Txtnomefile", "txtdim", "Txttotestrazioni", "txtdata"), QStringLiteral("|||"));
    QCOMPARE(s_->messaggi.ricevuti.size(), 1);

    s_->dialoghi.file = f;
    premi(&w, "Command1");
    QCOMPARE(s_->messaggi.testi().last(), QString::fromUtf8(kAvvisoFileNonCorretto));
    s_->messaggi.risposta = false;
    premi(&w, "cmdimporta");
    QCOMPARE(s_->messaggi.ricevuti.last().tipo, QStringLiteral("confermaAttenzione"));
    QCOMPARE(s_->messaggi.testi().last(), QString::fromUtf8(kAvvisoFileNonCorretto) +
                                              "\nImportare comunque il file, sostituendo l'archivio dati attuale?");
    QVERIFY(w.isVisible());
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), Unisci({kR1, kR2.substr(0, 119)}));
    s_->messaggi.risposta = true;
    premi(&w, "cmdimporta");
    QVERIFY(s_->messaggi.testi().last().startsWith("Importazione avvenuta con successo."));
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), rotto);
    QVERIFY(!w.isVisible());
  }

  void refusalsKeepTheWindowFailuresSayTheArchiveIsUnchanged() {
    auto w = std::make_unique<frmimportaarchivi>();
    w->show();
    s_->dialoghi.file = QString::fromStdString(Stato().ArchivePath);  // the archive itself
    premi(w.get(), "Command1");
    premi(w.get(), "cmdimporta");
    QCOMPARE(s_->messaggi.testi(), QStringList{kStesso});
    QVERIFY(w->isVisible());

    s_->dialoghi.file = scelto_;  // chosen, then gone before the import
    premi(w.get(), "Command1");
    QFile::remove(scelto_);
    premi(w.get(), "cmdimporta");
    const QString m = s_->messaggi.testi().last();  // the core's message, shown as it is
    QVERIFY2(m.contains("Impossibile leggere il file da importare " + scelto_), qPrintable(m));
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), kVecchio);

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
