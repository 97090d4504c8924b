// ZevedIVE: defaults, the summary labels, the accumulation mode (also after
// the table was cut to ten rows), and opening the windows from the menu.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

#include "ArchivioProva.h"
#include "app/ui/frmMain.h"
#include "spy/ui/FinestraSpia.h"
#include "spy/ui/FinestraZevedive.h"
#include "spy/ui/Griglia90.h"
#include "spy/ui/RegistroSpia.h"
#include "support/FintiServizi.h"

using namespace ruotario;

namespace {

// The spy draw is the last record: 01 02 03 04 05 on Bari. Before it, only 1
// ever comes out among the spies, and no pair of an earlier draw sums to one of
// the spy sums 3..9. The study of 1 (2 colpi) has cases at records 1, 5 and 9
// (records 4 and 8 close them); 60 follows all three (3), 61 two (2), every
// other number at most one.
const std::vector<std::string> kArchivio = {"0150515253", "6061626364", "6065666768", "7071727374",
                                            "0154555657", "6061757677", "6078798081", "7071727374",
                                            "0158598283", "6084858687", "8889905051", "0102030405"};

QStringList etichette(const QWidget& w, const QString& prefisso, int quante) {
  QStringList l;
  for (int k = 0; k < quante; ++k) l << w.findChild<QLabel*>(prefisso + QString::number(k))->text();
  return l;
}

}  // namespace

class ZevediveTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    impostaMessaggi(&messaggi_);
    prova::ScriviArchivio(cartella_, kArchivio);
  }
  void cleanupTestCase() { impostaMessaggi(nullptr); }

  void opensWithItsDefaults() {
    FinestraZevedive f;
    QCOMPARE(f.windowTitle(), QString("SUPER SPY"));
    QCOMPARE(f.findChild<QComboBox*>("CmbDataFine")->currentText() + " " +
                 f.findChild<QComboBox*>("CmbdataInizio")->currentText() + " " +
                 f.findChild<QComboBox*>("Cmbcolpi")->currentText() + " " + f.findChild<QLineEdit*>("txttop")->text(),
             QString("12: 12/01/2000 1: 01/01/2000 2 2"));  // a short archive starts at record 1
    QVERIFY(f.findChild<QCheckBox*>("Chsolotop")->isChecked() && !f.findChild<QCheckBox*>("chsum")->isChecked());
    QCOMPARE(f.findChild<QCheckBox*>("chsum")->text(), QString("Somma Conv. + estr."));
    QVERIFY(QString::fromStdString(f.Intestazione().Titolo).startsWith("  Numeri Successori SUPER SPY - Numeretto: "));
    QVERIFY(QString::fromStdString(f.Intestazione().Sottotitolo).endsWith(" A: 12: 12/01/2000"));
  }

  void aRunShowsTheBestSumsAndConvergences() {
    FinestraZevedive f;
    f.findChild<QPushButton*>("cmdStart")->click();
    // Study of 1: top two 60 (3, gains a point) and 61 (2). The fourteen other
    // studies find no case and add 0 to their first two numbers, 01 and 02.
    QCOMPARE(etichette(f, "lbnum_", 5), QStringList({"60", "61", "01", "02", "03"}));
    QCOMPARE(etichette(f, "Lbconv_", 5), QStringList({"3", "2", "0", "0", ""}));
    // The exchange ranking moves 60 to the front and 01 to 60's place.
    QCOMPARE(etichette(f, "lbcg_", 3), QStringList({"60", "02", "03"}));
    QCOMPARE(etichette(f, "Lbtotcg_", 3), QStringList({"1", "0", "0"}));
    const Griglia90* g = f.Griglia();
    QCOMPARE(g->Testo(59, 1) + "|" + g->Testo(2, 1), QString("3|"));
    QCOMPARE(f.Esito().Fine, 11);  // the draw before the spy draw

    // Without the top cut every number of every study is summed.
    f.findChild<QCheckBox*>("Chsolotop")->setChecked(false);
    f.IniziaRicerca();
    // 62 once; 03 with 0 from the fourteen empty studies.
    QCOMPARE(g->Testo(61, 1) + "|" + g->Testo(2, 1), QString("1|0"));
  }

  void summingAddsOntoAllNinetyNumbersEvenAfterTopTen() {
    FinestraZevedive f;
    f.IniziaRicerca();
    f.findChild<QCheckBox*>("chsum")->setChecked(true);
    f.findChild<QPushButton*>("Top10succ")->click();
    f.IniziaRicerca();
    const Griglia90* g = f.Griglia();
    QCOMPARE(g->ContaRighe(), 90);
    QCOMPARE(g->Testo(59, 0) + " " + g->Testo(59, 1), QString("60 6"));
    QCOMPARE(etichette(f, "Lbconv_", 2), QStringList({"6", "4"}));
    QCOMPARE(etichette(f, "Lbtotcg_", 1), QStringList({"2"}));
    // Unchecked again: the next run starts afresh.
    f.findChild<QCheckBox*>("chsum")->setChecked(false);
    f.IniziaRicerca();
    QCOMPARE(g->Testo(59, 1), QString("3"));
    QCOMPARE(etichette(f, "Lbtotcg_", 1), QStringList({"1"}));

    // A spy draw that is the first record changes nothing.
    FinestraZevedive primo;
    primo.findChild<QComboBox*>("CmbDataFine")->setCurrentIndex(0);
    primo.IniziaRicerca();
    QCOMPARE(primo.Griglia()->Testo(59, 1), QString());
  }

  void theMenuOpensOneInstancePerWindow() {
    frmMain principale;
    RegistraFinestreSpia(principale);
    principale.findChild<QAction*>("mnuspia1")->trigger();
    QWidget* prima = principale.finestra("mnuspia1");
    QCOMPARE(prima->objectName(), QString("FrmSPY1"));
    principale.findChild<QAction*>("mnuspia1")->trigger();
    QCOMPARE(principale.apriFinestra("mnuspia1"), prima);

    const QString voci =
        "mnusupsyp=FrmZEVEDIVE mnuspia2=FrmSPY2 mnuspia=FrmSPY3 mnuambispiacadenza=FrmSPYCa "
        "mnuspiadecina=FrmSPYDe mnuambispiafigura=FrmSPYFi mnuspiasomma=FrmSPY1Somma "
        "mnudiffambo=FrmSPYDifferenzaPIU mnudistanzaambo=FrmSPYDistanza "
        "mnudistanzaciclo=FrmSPYDISTANZAciclo";
    for (const QString& voce : voci.split(' ')) {
      QWidget* w = principale.apriFinestra(voce.section('=', 0, 0));
      QCOMPARE(w->objectName(), voce.section('=', 1));
      QCOMPARE(principale.apriFinestra(voce.section('=', 0, 0)), w);
    }
  }

 private:
  QTemporaryDir cartella_;
  prova::FintiMessaggi messaggi_;
};

QTEST_MAIN(ZevediveTest)
#include "zevedive_test.moc"
