// The export window: the archive's facts, the destination folders, the
// overwrite question, the copy and its failure.
#include "archive/ui/frmesportaarchivi.h"

#include <QtTest>
#include <QtWidgets>

#include "app/ui/frmMain.h"
#include "archive/ui/RegistroImportExport.h"
#include "support/ScenaArchivio.h"

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
  void cleanupTestCase() { qputenv("HOME", home_); }
  void init() {
    s_ = std::make_unique<ScenaArchivio>(kArchivio, "casa", "penna");
    casa_ = QString::fromStdString(s_->dir.File("casa"));
    qputenv("HOME", casa_.toUtf8());
  }
  void cleanup() { s_.reset(); }

  void exportsFromTheMenuToTheHomeFolder() {
    frmMain m;
    m.show();
    RegistraFinestreImportExport(m);
    m.findChild<QAction*>("mnuEsportaEstrazionix")->trigger();
    QWidget* w = m.finestra("mnuEsportaEstrazionix");
    QVERIFY(w && w->isWindow() && w->isVisible());  // a window of its own
    QCOMPARE(campo(w, "Text2") + "|" + campo(w, "Txttotestrazioni") + "|" + cartelle(w)->currentData().toString(),
             QString::fromStdString(Stato().ArchivePath) + "|3|" + casa_);
    // However narrow the box, a long path breaks only between the names it is made of.
    auto* info = w->findChild<QPlainTextEdit*>("Text1");
    info->setFixedWidth(80);
    QVERIFY(info->toPlainText().contains(QString::fromStdString(Stato().AppDir)));
    for (QTextBlock b = info->document()->firstBlock(); b.isValid(); b = b.next())
      for (int i = 0; i + 1 < b.layout()->lineCount(); ++i) {
        const int fine = b.layout()->lineAt(i).textStart() + b.layout()->lineAt(i).textLength();
        QVERIFY2(!b.text().at(fine - 1).isLetterOrNumber() || !b.text().at(fine).isLetterOrNumber(),
                 qPrintable(b.text().left(fine)));
      }

    esporta(w);
    const QString copia = casa_ + "/estrazioni.txt";
    QCOMPARE(s_->messaggi.testi(), QStringList{"File estrazioni copiato con successo in: " + copia});
    QVERIFY(!m.finestra("mnuEsportaEstrazionix"));
    QCOMPARE(CartellaTemporanea::Leggi(copia.toStdString()), kArchivio);
  }

  void otherFolderAndTheOverwriteQuestion() {
    frmesportaarchivi w;
    w.show();
    const int altra = cartelle(&w)->count() - 1;
    scegli(&w, altra);  // cancelled: back to the home folder
    QCOMPARE(cartelle(&w)->currentIndex(), 0);
    const QString penna = QString::fromStdString(s_->dir.File("penna"));
    s_->dialoghi.cartellaScelta = penna;
    scegli(&w, altra);
    QCOMPARE(cartelle(&w)->currentData().toString(), penna);
    QCOMPARE(cartelle(&w)->count(), altra + 2);

    const std::string copia = s_->dir.Scrivi("penna/estrazioni.txt", "copia vecchia");
    s_->messaggi.risposta = false;
    esporta(&w);
    QCOMPARE(s_->messaggi.ricevuti.size(), 1);
    QCOMPARE(s_->messaggi.ricevuti[0].tipo, QStringLiteral("confermaAttenzione"));
    QCOMPARE(CartellaTemporanea::Leggi(copia), "copia vecchia");
    QVERIFY(w.isVisible());

    s_->messaggi.risposta = true;
    esporta(&w);
    QCOMPARE(CartellaTemporanea::Leggi(copia), kArchivio);
    QVERIFY(!w.isVisible());
  }

 private:
  std::unique_ptr<QTemporaryDir> impostazioni_;
  std::unique_ptr<ScenaArchivio> s_;
  QString casa_;
  const QByteArray home_ = qgetenv("HOME");
};

QTEST_MAIN(frmesportaarchiviTest)
#include "frmesportaarchivi_test.moc"
