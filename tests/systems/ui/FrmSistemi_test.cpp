// "Sistemi": the board and the typed list drive the choice, the reduced system
// is searched on its worker and shown with its proof, the spoglio tab plays it,
// a system file loads, and the menu entry opens the window.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QValueAxis>
#include <QtTest>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "print/ui/VistaGrafico.h"
#include "spy/ui/Griglia90.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"
#include "systems/ui/FrmSistemi.h"
#include "systems/ui/RegistroSistemi.h"
#include "systems/ui/SchedaSpoglio.h"

using namespace ruotario;

namespace {

QString testo(const QWidget& f, const char* nome) { return f.findChild<QLabel*>(nome)->text(); }
void clic(const QWidget& f, const char* nome) { f.findChild<QPushButton*>(nome)->click(); }

}  // namespace

class FrmSistemiTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    impostaMessaggi(&messaggi_);
    impostaDialoghiFile(&dialoghi_);
    impostaAppunti(&appunti_);
    Stato().AppDir = cartella_.path().toStdString();
    Stato().ArchivePath = cartella_.filePath("estrazioni.txt").toStdString();
    std::ofstream(Stato().ArchivePath, std::ios::binary)
        << prova::TestoArchivio({{1, 2, 10, 11, 12}, {1, 2, 3, 40, 41}, {30, 31, 32, 33, 34}});
    QVERIFY(QFile::copy(QStringLiteral(RUOTARIO_DATA_DIR "/premi.txt"), cartella_.filePath("premi.txt")));
  }
  void cleanupTestCase() {
    impostaMessaggi(nullptr);
    impostaDialoghiFile(nullptr);
    impostaAppunti(nullptr);
  }

  void buildsProvesAndPlaysAReducedSystem() {
    FrmSistemi f;
    auto* numeri = f.findChild<QLineEdit*>("txtNumeri");
    numeri->setText("1-6");
    emit numeri->editingFinished();
    f.findChild<QToolButton*>("cmdNumero_7")->click();
    QCOMPARE(numeri->text(), QString("1-7"));
    QCOMPARE(testo(f, "lbScelti"), QString("7 numeri scelti"));

    // Ambo if 2 of 7 in tickets of 3: the Fano plane, proved on the 21 pairs.
    clic(f, "cmdSviluppa");
    QVERIFY(!f.findChild<QPushButton*>("cmdSviluppa")->isEnabled());
    // A choice changed during the search does not relabel the system found.
    f.findChild<QComboBox*>("cmbGaranzia")->setCurrentIndex(1);
    f.AttendiRicerca();
    QCOMPARE(f.GrigliaColonne()->ContaRighe(), 7);
    QCOMPARE(testo(f, "lbGaranzia"),
             QString("Garanzia ambo se escono 2 numeri: garanzia verificata su tutte le 21 combinazioni"));
    QVERIFY(testo(f, "lbLimiti").contains("Schönheim): 7"));
    QVERIFY(f.findChild<QPushButton*>("cmdSviluppa")->isEnabled());

    // The spoglio tab plays the system shown: ambo and terno, Bari, three colpi.
    SchedaSpoglio* s = f.Spoglio();
    clic(*s, "cmdSpoglio");
    QCOMPARE(s->Esito().Colpi, 3);
    QCOMPARE(s->GrigliaColonne()->ContaRighe(), 14);
    QCOMPARE(s->VistaSaldo()->Descrizione().Linee.size(), std::size_t{2});
    // A balance below zero is drawn, not cut off at the axis.
    const auto* asse = qobject_cast<QValueAxis*>(s->VistaSaldo()->chart()->axes(Qt::Vertical).at(0));
    QVERIFY(asse->min() <= s->Esito().Andamento.back().SaldoAtteso);
    QVERIFY(testo(*s, "lbPremi").contains("premi.txt"));

    // The tickets table copies as the other tables do, and prints.
    appunti_.scritto.clear();
    f.GrigliaColonne()->findChild<QAction*>("actCopia")->trigger();
    QVERIFY(appunti_.scritto.startsWith("Colonna\tN1\tN2\tN3\n1\t"));
    messaggi_.risposta = false;
    messaggi_.ricevuti.clear();
    clic(f, "CmdStampa");
    QCOMPARE(messaggi_.testi(), QStringList({"Vuoi Stampare la Tabella?"}));
  }

  void integralStopAndLoad() {
    FrmSistemi f;
    f.findChild<QComboBox*>("cmbTipo")->setCurrentIndex(0);
    QVERIFY(!f.findChild<QComboBox*>("cmbGaranzia")->isEnabled());
    auto* numeri = f.findChild<QLineEdit*>("txtNumeri");
    numeri->setText("1-8");
    emit numeri->editingFinished();
    clic(f, "cmdSviluppa");
    QCOMPARE(f.GrigliaColonne()->ContaRighe(), 56);
    QVERIFY(testo(f, "lbGaranzia").endsWith("su tutte le 56 combinazioni"));

    // A search stopped at once still shows a proved system, marked as stopped.
    f.findChild<QComboBox*>("cmbTipo")->setCurrentIndex(1);
    numeri->setText("1-30");
    emit numeri->editingFinished();
    f.findChild<QComboBox*>("cmbPerColonna")->setCurrentIndex(5);
    clic(f, "cmdSviluppa");
    clic(f, "cmdFerma");
    f.AttendiRicerca();
    QVERIFY(testo(f, "lbRiepilogo").contains("ricerca fermata"));
    QVERIFY(testo(f, "lbGaranzia").endsWith("su tutte le 435 combinazioni"));

    const QString file = cartella_.filePath("sistema.txt");
    std::ofstream(file.toStdString()) << "1 2 4\n2 3 5\n";
    dialoghi_.file = file;
    clic(f, "cmdCarica");
    QCOMPARE(f.Colonne(), (Sistema{{1, 2, 4}, {2, 3, 5}}));
    QCOMPARE(numeri->text(), QString("1-5"));
    QVERIFY(
        testo(f, "lbGaranzia").contains("estratto se esce 1 numero; estratto se escono 2 numeri; ambo se escono 3"));

    messaggi_.ricevuti.clear();
    numeri->clear();
    emit numeri->editingFinished();
    clic(f, "cmdSviluppa");
    QCOMPARE(messaggi_.ricevuti.size(), 1);
  }

  void theMenuEntryOpensTheWindow() {
    frmMain principale;
    RegistraFinestreSistemi(principale);
    principale.findChild<QAction*>("mnuSistemiGioco")->trigger();
    QCOMPARE(principale.finestra("mnuSistemiGioco")->objectName(), QString("FrmSistemi"));
  }

 private:
  QTemporaryDir cartella_;
  prova::FintiMessaggi messaggi_;
  prova::FintiDialoghiFile dialoghi_;
  prova::FintiAppunti appunti_;
};

QTEST_MAIN(FrmSistemiTest)
#include "FrmSistemi_test.moc"
