// "Ritardi e frequenze": the tables it opens on, the choices that refill them,
// the pair tab, printing, and opening it from its menu entry.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <fstream>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "ritardi/ui/FrmRitardi.h"
#include "ritardi/ui/RegistroRitardi.h"
#include "spy/ui/Griglia90.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

using namespace ruotario;

namespace {

QString riga(const Griglia90* g, int r) {
  QStringList l;
  for (int c = 0; c < g->ContaColonne(); ++c) l << g->Testo(r, c);
  return l.join('|');
}

QComboBox* lista(const QWidget& f, const char* nome) { return f.findChild<QComboBox*>(nome); }

}  // namespace

class FrmRitardiTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    impostaMessaggi(&messaggi_);
    // Bari's draws k 1..5 at records 1, 2, 4, 5, 6; record 3 and the other wheels are "00".
    Stato().ArchivePath = cartella_.filePath("estrazioni.txt").toStdString();
    std::ofstream(Stato().ArchivePath, std::ios::binary) << prova::TestoBari(
        {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {}, {1, 6, 11, 12, 13}, {2, 14, 15, 16, 17}, {1, 18, 19, 20, 21}});
  }
  void cleanupTestCase() { impostaMessaggi(nullptr); }

  void opensOnTheMostOverdueAndFollowsTheChoices() {
    FrmRitardi f;
    QCOMPARE(lista(f, "cmbRuota")->currentText() + "|" + lista(f, "CmbdataInizio")->currentText() + "|" +
                 lista(f, "CmbDataFine")->currentText(),
             QString("Bari|1: 01/01/2000|6: 06/01/2000"));
    QCOMPARE(f.findChild<QLabel*>("lbEstrazioni")->text(), QString("5"));
    const Griglia90* numeri = f.GrigliaNumeri();
    // 22..90 never out: 5 draws, (17/18)^5 and 90 times it.
    QCOMPARE(riga(numeri, 0), QString("22|0|5|5|75,14|67,63"));

    f.findChild<QPushButton*>("CmdNonOrdinare")->click();
    QCOMPARE(riga(numeri, 0), QString("01|3|0|1|100,00|90,00"));

    // The pair tab: the 100 most overdue of the 4005.
    const Griglia90* ambi = f.GrigliaAmbi();
    QCOMPARE(ambi->ContaRighe(), 100);
    QCOMPARE(riga(ambi, 0), QString("01-07|0|5|5|98,76|3955,25"));
    lista(f, "cmbAmbi")->setCurrentText("Tutti");
    QCOMPARE(ambi->ContaRighe(), 4005);

    // A span starting at record 4: three draws, 1 out in the last.
    lista(f, "CmbdataInizio")->setCurrentIndex(3);
    QCOMPARE(f.findChild<QLabel*>("lbEstrazioni")->text(), QString("3"));

    // All ten wheels: the wheel beside the number, 900 rows.
    lista(f, "CmbdataInizio")->setCurrentIndex(0);
    lista(f, "cmbRuota")->setCurrentText("Tutte");
    QCOMPARE(numeri->ContaRighe(), 900);
    QCOMPARE(numeri->Titoli().at(1).trimmed(), QString("Ruota"));
    QVERIFY(f.findChild<QLabel*>("lbEstrazioni")->text().startsWith("Bari 5, Cagliari 0, "));
  }

  void printsAndExplains() {
    FrmRitardi f;
    messaggi_.ricevuti.clear();
    messaggi_.risposta = false;
    f.findChild<QTabWidget*>("TabRitardi")->setCurrentIndex(1);
    f.findChild<QPushButton*>("CmdStampa")->click();
    f.findChild<QPushButton*>("Command1")->click();
    QCOMPARE(messaggi_.testi(), QStringList({"Vuoi Stampare la Tabella?", QString::fromUtf8(kMessaggioAiutoRitardi)}));
  }

  void theMenuEntryOpensTheWindow() {
    frmMain principale;
    RegistraFinestreRitardi(principale);
    principale.findChild<QAction*>("mnuRitardiFrequenze")->trigger();
    QCOMPARE(principale.finestra("mnuRitardiFrequenze")->objectName(), QString("FrmRitardi"));
  }

 private:
  QTemporaryDir cartella_;
  prova::FintiMessaggi messaggi_;
};

QTEST_MAIN(FrmRitardiTest)
#include "FrmRitardi_test.moc"
