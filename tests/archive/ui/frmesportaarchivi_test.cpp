// The export window: the archive's facts, the destination folders, the
// overwrite question, the copy and its failure.
#include "archive/ui/frmesportaarchivi.h"

#include <QtTest>
#include <QtWidgets>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "archive/ui/RegistroImportExport.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {
const std::string kArchivio = Unisci({kR1, kR2, kR3});

QString campo(const QWidget* w, const char* nome) { return w->findChild<QLineEdit*>(nome)->text(); }
QComboBox* cartelle(const QWidget* w) { return w->findChild<QComboBox*>("Drive1"); }
void scegli(const QWidget* w, int indice) {
  cartelle(w)->setCurrentIndex(indice);
  emit cartelle(w)->activated(indice);
}
void esporta(QWidget* w) { w->findChild<QPushButton*>("cmdesporta")->click(); }
}  // namespace

class frmesportaarchiviTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { impostazioni_ = ImpostazioniTemporanee(); }
  void init() {
    dir_ = std::make_unique<CartellaTemporanea>();
    for (const char* c : {"app", "casa", "penna"}) std::filesystem::create_directories(dir_->File(c));
    Stato().AppDir = dir_->File("app");
    Stato().ArchivePath = dir_->Scrivi("app/estrazioni.txt", kArchivio);
    casa_ = QString::fromStdString(dir_->File("casa"));
    qputenv("HOME", casa_.toUtf8());
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

  void exportsFromTheMenuToTheHomeFolder() {
    frmMain m;
    m.show();
    RegistraFinestreImportExport(m);
    m.findChild<QAction*>("mnuEsportaEstrazionix")->trigger();
    QWidget* w = m.finestra("mnuEsportaEstrazionix");
    QVERIFY(w && w->isWindow() && w->isVisible());  // a window of its own
    QCOMPARE(w->windowTitle(), QStringLiteral("Esporta file archivio Estrazioni"));
    QCOMPARE(QStringList({campo(w, "Text2"), campo(w, "txtdim"), campo(w, "Txttotestrazioni"), campo(w, "txtdata")}),
             QStringList({QString::fromStdString(Stato().ArchivePath), "0", "3", "21/01/1939"}));
    QCOMPARE(w->findChild<QPushButton*>("cmdesporta")->text(), QStringLiteral("<-- &Esporta"));
    QCOMPARE(w->findChild<QPushButton*>("Command2")->text(), QStringLiteral("E&sci"));
    QVERIFY(w->findChild<QPlainTextEdit*>("Text1")->toPlainText().startsWith(
        "Le estrazioni sono contenute nel file ESTRAZIONI.TXT memorizzato nella cartella: " +
        QString::fromStdString(Stato().AppDir) + "\nSe il file"));
    QCOMPARE(cartelle(w)->itemText(0), "Cartella personale (" + casa_ + ")");
    QCOMPARE(cartelle(w)->itemText(cartelle(w)->count() - 1), QStringLiteral("Altra cartella…"));

    esporta(w);
    const QString copia = casa_ + "/estrazioni.txt";
    QCOMPARE(messaggi_.testi(), QStringList{"File estrazioni copiato con successo in: " + copia});
    QTRY_VERIFY(!m.finestra("mnuEsportaEstrazionix"));
    QCOMPARE(CartellaTemporanea::Leggi(copia.toStdString()), kArchivio);
  }

  void otherFolderOverwriteQuestionAndFailure() {
    frmesportaarchivi w;
    w.show();
    const int altra = cartelle(&w)->count() - 1;
    scegli(&w, altra);  // cancelled: back to the home folder
    QCOMPARE(cartelle(&w)->currentIndex(), 0);
    const QString penna = QString::fromStdString(dir_->File("penna"));
    dialoghi_.cartellaScelta = penna;
    scegli(&w, altra);
    QCOMPARE(dialoghi_.aperture.size(), 2);
    QCOMPARE(cartelle(&w)->currentData().toString(), penna);
    QCOMPARE(cartelle(&w)->count(), altra + 2);

    const std::string copia = dir_->Scrivi("penna/estrazioni.txt", "copia vecchia");
    messaggi_.risposta = false;
    esporta(&w);
    QCOMPARE(messaggi_.ricevuti.size(), 1);
    QCOMPARE(messaggi_.ricevuti[0].tipo, QStringLiteral("confermaAttenzione"));
    QCOMPARE(messaggi_.testi()[0],
             "Attenzione! Esiste già una copia del file estrazioni.txt  in " + penna + " \nSovrascrivere il file?");
    QCOMPARE(CartellaTemporanea::Leggi(copia), "copia vecchia");
    QVERIFY(w.isVisible());

    std::filesystem::remove_all(dir_->File("penna"));  // the pen drive was pulled out
    esporta(&w);
    QCOMPARE(messaggi_.testi().last(),
             "Si è verificato il seguente errore nella copia del file (cmdesporta): la cartella " + penna +
                 " non esiste o non è raggiungibile.");
    QVERIFY(w.isVisible());

    std::filesystem::create_directories(dir_->File("penna"));
    dir_->Scrivi("penna/estrazioni.txt", "copia vecchia");
    messaggi_.risposta = true;
    esporta(&w);
    QCOMPARE(CartellaTemporanea::Leggi(copia), kArchivio);
    QVERIFY(!w.isVisible());
  }

 private:
  std::unique_ptr<QTemporaryDir> impostazioni_;
  std::unique_ptr<CartellaTemporanea> dir_;
  QString casa_;
  FintiMessaggi messaggi_;
  FintiDialoghiFile dialoghi_;
};

QTEST_MAIN(frmesportaarchiviTest)
#include "frmesportaarchivi_test.moc"
