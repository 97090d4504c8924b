// The import window: the facts it shows, the file choice, the import with its
// backup and recomputation, and the messages of refusals and failures.
#include "archive/ui/frmimportaarchivi.h"

#include <QtTest>
#include <QtWidgets>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "app/ui/frmricalcolastatIC.h"
#include "archive/FileArchivio.h"
#include "archive/ui/RegistroImportExport.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

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
    dir_ = std::make_unique<CartellaTemporanea>();
    std::filesystem::create_directories(dir_->File("app"));
    std::filesystem::create_directories(dir_->File("chiavetta"));
    Stato().AppDir = dir_->File("app");
    Stato().ArchivePath = dir_->Scrivi("app/estrazioni.txt", kVecchio);
    scelto_ = QString::fromStdString(dir_->Scrivi("chiavetta/ESTRAZIONI.TXT", kNuovo));
    impostaMessaggi(&messaggi_);
    impostaDialoghiFile(&dialoghi_);
  }
  void cleanup() {
    impostaMessaggi(nullptr);
    impostaDialoghiFile(nullptr);
    messaggi_ = {};
    dialoghi_ = {};
    dir_.reset();
  }

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
    QCOMPARE(w->windowTitle(), QStringLiteral("Importa file archivio dati"));
    QCOMPARE(w->findChild<QGroupBox*>("Frame2")->title(),
             QStringLiteral("File Estrazioni Attuale  (verrà sostituito)"));
    QCOMPARE(w->findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("File Estrazioni da Importare"));
    QCOMPARE(w->findChild<QPushButton*>("Command1")->text(), QStringLiteral("&Scegli file da importare"));
    QCOMPARE(w->findChild<QPushButton*>("cmdimporta")->text(), QStringLiteral("&Importa archivio dati"));
    QCOMPARE(w->findChild<QPushButton*>("Command2")->text(), QStringLiteral("&Esci"));
    QVERIFY(w->findChild<QPlainTextEdit*>("Text1")->toPlainText().endsWith("copiandolo nella cartella: " +
                                                                           QString::fromStdString(Stato().AppDir)));
    QCOMPARE(fatti(w, "txtarchivio", "txtdimarchivio", "TxttotestrazioniArchivio", "txtdataarchivio"),
             QString::fromStdString(Stato().ArchivePath) + "|0|2|14/01/1939");

    premi(w, "cmdimporta");
    QCOMPARE(messaggi_.testi(), QStringList{"Scegliere prima il file da importare"});

    dialoghi_.file = scelto_;
    premi(w, "Command1");
    QCOMPARE(dialoghi_.aperture.size(), 1);
    QCOMPARE(dialoghi_.aperture[0].titolo,
             QStringLiteral("Impossibile trovare il file con l'archivio dati: estrazioni.txt"));
    QCOMPARE(dialoghi_.aperture[0].cartella, QDir::home().filePath("estrazioni.txt"));
    QCOMPARE(dialoghi_.aperture[0].filtro, QStringLiteral("File dati (estrazioni.txt)"));
    QCOMPARE(fatti(w, "Txtnomefile", "txtdim", "Txttotestrazioni", "txtdata"), scelto_ + "|0|3|21/01/1939");

    premi(w, "cmdimporta");
    QCOMPARE(ricalcoli, 1);
    QCOMPARE(messaggi_.testi().last(),
             "Importazione avvenuta con successo. E' stata creata una copia di riserva del vecchio archivio dati nel "
             "file: " +
                 QString::fromStdString(dir_->File("app/copiaEstrazioni.txt")));
    QTRY_VERIFY(!m.finestra("mnuimprtfile"));
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), kNuovo);
    QCOMPARE(CartellaTemporanea::Leggi(dir_->File("app/copiaEstrazioni.txt")), kVecchio);
    QVERIFY(!QFile::exists(QString::fromStdString(dir_->File("app/TempEstrazioni.txt"))));
  }

  void brokenFilesAskBeforeReplacingTheArchive() {
    dir_->Scrivi("app/estrazioni.txt", Unisci({kR1, kR2.substr(0, 119)}));
    const std::string rotto = Unisci({kR3.substr(0, 100)});
    const QString f = QString::fromStdString(dir_->Scrivi("chiavetta/estrazioni.txt", rotto));
    frmimportaarchivi w;
    w.show();
    QTRY_COMPARE(messaggi_.testi(), QStringList{QString::fromUtf8(kAvvisoFileNonCorretto)});  // the current archive

    dialoghi_.file = QString::fromStdString(dir_->Scrivi("chiavetta/archivio.txt", kNuovo));  // another name
    premi(&w, "Command1");
    QCOMPARE(fatti(&w, "Txtnomefile", "txtdim", "Txttotestrazioni", "txtdata"), QStringLiteral("|||"));
    QCOMPARE(messaggi_.ricevuti.size(), 1);

    dialoghi_.file = f;
    premi(&w, "Command1");
    QCOMPARE(messaggi_.testi().last(), QString::fromUtf8(kAvvisoFileNonCorretto));
    messaggi_.risposta = false;
    premi(&w, "cmdimporta");
    QCOMPARE(messaggi_.ricevuti.last().tipo, QStringLiteral("confermaAttenzione"));
    QCOMPARE(messaggi_.testi().last(), QString::fromUtf8(kAvvisoFileNonCorretto) +
                                           "\nImportare comunque il file, sostituendo l'archivio dati attuale?");
    QVERIFY(w.isVisible());
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), Unisci({kR1, kR2.substr(0, 119)}));
    messaggi_.risposta = true;
    premi(&w, "cmdimporta");
    QVERIFY(messaggi_.testi().last().startsWith("Importazione avvenuta con successo."));
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), rotto);
    QVERIFY(!w.isVisible());
  }

  void refusalsKeepTheWindowFailuresSayTheArchiveIsUnchanged() {
    auto w = std::make_unique<frmimportaarchivi>();
    w->show();
    dialoghi_.file = QString::fromStdString(Stato().ArchivePath);  // the archive itself
    premi(w.get(), "Command1");
    premi(w.get(), "cmdimporta");
    QCOMPARE(messaggi_.testi(), QStringList{kStesso});
    QVERIFY(w->isVisible());

    dialoghi_.file = scelto_;  // chosen, then gone before the import
    premi(w.get(), "Command1");
    QFile::remove(scelto_);
    premi(w.get(), "cmdimporta");
    const QString m = messaggi_.testi().last();
    QVERIFY2(m.startsWith("ATTENZIONE SI E' VERIFICATO UN ERRORE NELL'IMPORTAZIONE DEL FILE (cmdimporta). "
                          "Impossibile leggere il file da importare " +
                          scelto_),
             qPrintable(m));
    QVERIFY2(m.contains("L'ARCHIVIO DATI NON È STATO MODIFICATO") && !m.contains("CANCELLATO"), qPrintable(m));
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), kVecchio);

    // A cancelled choice closes the window, never the program.
    w = std::make_unique<frmimportaarchivi>();
    w->show();
    dialoghi_.file.clear();
    premi(w.get(), "Command1");
    QCOMPARE(messaggi_.ricevuti.last().tipo, QStringLiteral("errore"));
    QCOMPARE(messaggi_.testi().last(), QStringLiteral("File: estrazioni.txt non caricato impossibile continuare"));
    QVERIFY(!w->isVisible());
  }

 private:
  std::unique_ptr<QTemporaryDir> impostazioni_;
  std::unique_ptr<CartellaTemporanea> dir_;
  QString scelto_;
  FintiMessaggi messaggi_;
  FintiDialoghiFile dialoghi_;
};

QTEST_MAIN(frmimportaarchiviTest)
#include "frmimportaarchivi_test.moc"
