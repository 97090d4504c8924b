// The spy study windows: defaults of the ten variants, a study shown in the
// table, the table commands, the printed headings and AUTO; ZevedIVE's summary
// labels and accumulation; opening the windows from the menu.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <fstream>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "spy/VariantiSpia.h"
#include "spy/ui/FinestraSpia.h"
#include "spy/ui/FinestraZevedive.h"
#include "spy/ui/Griglia90.h"
#include "spy/ui/RegistroSpia.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

using namespace ruotario;

namespace {

// Writes estrazioni.txt, Bari's five numbers of each draw run together
// ("0511121314"), and points the program at it.
void ScriviArchivio(const QTemporaryDir& cartella, const std::vector<std::string>& bari) {
  std::vector<std::vector<int>> numeri;
  for (const auto& b : bari) {
    numeri.emplace_back();
    for (std::size_t k = 0; k < 10; k += 2) numeri.back().push_back(std::stoi(b.substr(k, 2)));
  }
  Stato().ArchivePath = cartella.filePath("estrazioni.txt").toStdString();
  std::ofstream(Stato().ArchivePath, std::ios::binary) << prova::TestoBari(numeri);
}

QString numeri(const Griglia90* g, int quante = 90) {
  QStringList l;
  for (int r = 0; r < quante; ++r) l << g->Testo(r, 0);
  return l.join(' ');
}

QString riga(const Griglia90* g, int n) {
  return QStringList{g->Testo(n - 1, 0), g->Testo(n - 1, 1), g->Testo(n - 1, 2), g->Testo(n - 1, 3)}.join(' ');
}

// The current items of the named lists, joined by '|'.
QString scelte(const QWidget& f, const QString& nomi) {
  QStringList l;
  for (const QString& n : nomi.split(' ')) l << f.findChild<QComboBox*>(n)->currentText();
  return l.join('|');
}

// "Totale Estrazioni|Casi Giocabili" as shown.
QString totali(const QWidget& f) {
  return f.findChild<QLabel*>("Lbtotestrazioni")->text() + "|" + f.findChild<QLabel*>("lbCasiGiocabili")->text();
}

// Spy 5 on Bari with 1 colpo: cases at records 1 and 4 (record 3 closes the
// first case and is skipped); 17 follows both cases, 20..23 and 44..47 one.
const std::vector<std::string> kArchivioStudio = {"0511121314", "1720212223", "0530313233", "0540414243", "1744454647"};

// The spy draw is the last record: 01 02 03 04 05 on Bari. Before it, only 1
// ever comes out among the spies, and no pair of an earlier draw sums to one of
// the spy sums 3..9. The study of 1 (2 colpi) has cases at records 1, 5 and 9
// (records 4 and 8 close them); 60 follows all three (3), 61 two (2), every
// other number at most one.
const std::vector<std::string> kArchivio = {"0150515253", "6061626364", "6065666768", "7071727374",
                                            "0154555657", "6061757677", "6078798081", "7071727374",
                                            "0158598283", "6084858687", "8889905051", "0102030405"};

// The texts of the labels prefisso0, prefisso1, ..., blank-separated.
QString etichette(const QWidget& w, const QString& prefisso, int quante) {
  QStringList l;
  for (int k = 0; k < quante; ++k) l << w.findChild<QLabel*>(prefisso + QString::number(k))->text();
  return l.join(' ');
}

// The number-spy window after the study of spy 5 with 1 colpo.
void StudiaIlCinque(FinestraSpia& f) {
  f.findChild<QComboBox*>("CmbNumero")->setCurrentIndex(4);
  f.findChild<QComboBox*>("Cmbcolpi")->setCurrentIndex(0);
  QTest::mouseClick(f.findChild<QPushButton*>("cmdStart"), Qt::LeftButton);
}

}  // namespace

class FinestreSpiaTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    impostaMessaggi(&messaggi_);
    ScriviArchivio(cartella_, kArchivioStudio);
  }
  void init() {
    messaggi_.ricevuti.clear();
    messaggi_.risposta = true;
  }
  void cleanupTestCase() { impostaMessaggi(nullptr); }

  void everyVariantOpensWithItsChoices() {
    for (const VarianteSpia& v : kVariantiSpia) {
      FinestraSpia f(v);
      QCOMPARE(f.objectName().toStdString(), std::string(v.NomeFinestra));
      QCOMPARE(f.windowTitle().toStdString(), std::string(v.Titolo));
      QCOMPARE(scelte(f, "cmbRuota Cmbcolpi CmbdataInizio CmbDataFine"), QString("Bari|9|1: 01/01/2000|5: 05/01/2000"));
      QVERIFY(f.findChild<QCheckBox*>("ChUnico")->isChecked() &&
              !f.findChild<QPushButton*>("CmdStampaSucc")->isEnabled());
      QCOMPARE(f.Griglia()->Titoli(),
               QStringList({"    Numero    ", "    Sortite    ", "  %Esiti Vin.   ", "   Ritar. Rel.    "}));

      if (v.ElenchiSpia == 1) {
        auto* numero = f.findChild<QComboBox*>("CmbNumero");
        QCOMPARE(numero->currentText(), QString::number(v.SpiaMinima));
        QCOMPARE(numero->itemText(numero->count() - 1), QString::number(v.SpiaMassima));
        QCOMPARE(f.findChild<QComboBox*>("cmbPos")->count(), v.Posizioni == ElencoPosizioni::Coppie ? 11 : 6);
      } else {
        QVERIFY(!f.findChild<QComboBox*>("cmbPos"));
        for (int i = 0; i < v.ElenchiSpia; ++i)
          QCOMPARE(f.findChild<QComboBox*>(QString("CmbNumero_%1").arg(i))->currentText(), QString::number(i + 1));
        QVERIFY(f.findChild<QRadioButton*>(v.Tipo == TipoSpia::Ambo ? "OpAndOR_0" : "OpAndOR_1")->isChecked());
        f.findChild<QRadioButton*>("OpAndOR_2")->click();
        QCOMPARE(f.Parametri().Combina, Combinazione::Xor);
      }
    }
  }

  void spanStartsAtRecord2723WhenTheArchiveIsLongEnough() {
    for (const int conta : {2722, 2723}) {
      ScriviArchivio(cartella_, std::vector<std::string>(static_cast<std::size_t>(conta), "0102030405"));
      FinestraSpia f(kVariantiSpia[0]);
      QCOMPARE(f.findChild<QComboBox*>("CmbdataInizio")->currentIndex(), conta == 2723 ? 2722 : 0);
      QCOMPARE(f.Parametri().Fine, conta);
    }
    ScriviArchivio(cartella_, kArchivioStudio);
  }

  void aStudyFillsTheTable() {
    FinestraSpia f(kVariantiSpia[0]);
    StudiaIlCinque(f);
    QCOMPARE(totali(f), QString("5|2"));
    QVERIFY(f.findChild<QPushButton*>("CmdStampaSucc")->isEnabled());
    const Griglia90* g = f.Griglia();
    QCOMPARE(riga(g, 17) + " | " + riga(g, 20) + " | " + riga(g, 5),
             QString("17 2 100,000 0 | 20 1 50,000 1 | 05 0 0,000 2"));

    // A span without draws: nothing examined, the total label stays empty.
    f.findChild<QComboBox*>("CmbdataInizio")->setCurrentIndex(4);
    f.findChild<QComboBox*>("CmbDataFine")->setCurrentIndex(0);
    f.IniziaRicerca();
    QCOMPARE(totali(f), QString("|0"));
    QCOMPARE(riga(g, 17), QString("17 0 0,000 "));

    QTest::mouseClick(f.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(messaggi_.testi(), QStringList({"Numeri sortiti nelle estrazioni successive alla sortita del numeretto"}));
  }

  void sortingClickSortingAndTopTen() {
    FinestraSpia f(kVariantiSpia[0]);
    StudiaIlCinque(f);
    Griglia90* g = f.Griglia();
    QTest::mouseClick(f.findChild<QPushButton*>("CmdOrdina"), Qt::LeftButton);
    QCOMPARE(numeri(g, 10), QString("17 20 21 22 23 44 45 46 47 01"));

    // A click on a cell of the number column sorts 90 .. 01.
    f.resize(900, 700);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(3, 0)).center());
    QCOMPARE(g->Testo(0, 0), QString("90"));

    QTest::mouseClick(f.findChild<QPushButton*>("CmdNonOrdinare"), Qt::LeftButton);
    QCOMPARE(g->Testo(89, 0), QString("90"));
    QTest::mouseClick(f.findChild<QPushButton*>("Top10succ"), Qt::LeftButton);
    QTest::mouseClick(f.findChild<QPushButton*>("CmdNonOrdinare"), Qt::LeftButton);
    QCOMPARE(numeri(g, g->ContaRighe()), QString("01 17 20 21 22 23 44 45 46 47"));
    // The next study lays the 90 rows out again.
    f.IniziaRicerca();
    QCOMPARE(g->ContaRighe(), 90);
  }

  void printedHeadingsFollowTheCurrentChoices() {
    FinestraSpia uno(kVariantiSpia[0]);
    uno.IniziaRicerca();
    // Changed after the study: the heading shows the new choice.
    uno.findChild<QComboBox*>("CmbNumero")->setCurrentIndex(16);
    uno.findChild<QComboBox*>("cmbRuota")->setCurrentIndex(9);
    uno.findChild<QComboBox*>("cmbPos")->setCurrentIndex(3);
    QCOMPARE(uno.Intestazione().Titolo,
             std::string("  Numeri Successori Numero Spia - Numeretto: 17  - Colpi: 9 - Ruota: Venezia"));
    QCOMPARE(uno.Intestazione().Sottotitolo,
             std::string("  Posiz. Numeretto: 3 - Ricerca DA: 1: 01/01/2000 A: 5: 05/01/2000"));
    QCOMPARE(FinestraSpia(*VariantePerNome("FrmSPY2")).Intestazione().Titolo, std::string());

    // The print command asks first (printing itself is the print module's).
    messaggi_.risposta = false;
    uno.findChild<QPushButton*>("CmdStampaSucc")->click();
    QCOMPARE(messaggi_.testi(), QStringList({"Vuoi Stampare la Tabella?"}));
  }

  void autoSelectsAndRuns() {
    // Sum 10 on places 1 - 2: 45 + 55 = 100 → 10 at record 1, 4 + 6 at record 4.
    ScriviArchivio(cartella_, {"4555606162", "1718192021", "0406303132", "0406707172", "1783848586"});
    FinestraSpia f(*VariantePerNome("FrmSPY1Somma"));
    int ruota = 0, ignorato1 = 1, numero = 10, ignorato2 = 1, posizione = 1, inizio = 0, fine = 4, colpi = 0;
    f.AUTO(ruota, ignorato1, numero, ignorato2, posizione, inizio, fine, colpi);
    QCOMPARE(scelte(f, "CmbNumero cmbPos Cmbcolpi"), QString("10|1 - 2|1"));
    QCOMPARE(totali(f), QString("5|2"));
    QCOMPARE(riga(f.Griglia(), 17), QString("17 2 100,000 0"));
    // The pair 1 - 3 never sums to 10 here.
    posizione = 2;
    f.AUTO(ruota, ignorato1, numero, ignorato2, posizione, inizio, fine, colpi);
    QCOMPARE(totali(f), QString("5|0"));
    ScriviArchivio(cartella_, kArchivioStudio);
  }

  void zevediveDefaultsAndARun() {
    ScriviArchivio(cartella_, kArchivio);
    FinestraZevedive f;
    QCOMPARE(f.windowTitle(), QString("SUPER SPY"));
    // A short archive starts at record 1.
    QCOMPARE(scelte(f, "CmbDataFine CmbdataInizio Cmbcolpi") + "|" + f.findChild<QLineEdit*>("txttop")->text(),
             QString("12: 12/01/2000|1: 01/01/2000|2|2"));
    QVERIFY(f.findChild<QCheckBox*>("Chsolotop")->isChecked() && !f.findChild<QCheckBox*>("chsum")->isChecked());
    QCOMPARE(f.findChild<QCheckBox*>("chsum")->text(), QString("Somma Conv. + estr."));
    QVERIFY(QString::fromStdString(f.Intestazione().Titolo).startsWith("  Numeri Successori SUPER SPY - Numeretto: "));
    QVERIFY(QString::fromStdString(f.Intestazione().Sottotitolo).endsWith(" A: 12: 12/01/2000"));

    f.findChild<QPushButton*>("cmdStart")->click();
    // Study of 1: top two 60 (3, gains a point) and 61 (2). The fourteen other
    // studies find no case and add 0 to their first two numbers, 01 and 02.
    QCOMPARE(etichette(f, "lbnum_", 5), QString("60 61 01 02 03"));
    QCOMPARE(etichette(f, "Lbconv_", 5), QString("3 2 0 0 "));
    // The exchange ranking moves 60 to the front and 01 to 60's place.
    QCOMPARE(etichette(f, "lbcg_", 3), QString("60 02 03"));
    QCOMPARE(etichette(f, "Lbtotcg_", 3), QString("1 0 0"));
    const Griglia90* g = f.Griglia();
    QCOMPARE(g->Testo(59, 1) + "|" + g->Testo(2, 1), QString("3|"));
    QCOMPARE(f.Esito().Fine, 11);  // the draw before the spy draw
  }

  void zevediveSumsOntoAllNinetyNumbersEvenAfterTopTen() {
    ScriviArchivio(cartella_, kArchivio);
    FinestraZevedive f;
    f.IniziaRicerca();
    f.findChild<QCheckBox*>("chsum")->setChecked(true);
    f.findChild<QPushButton*>("Top10succ")->click();
    f.IniziaRicerca();
    const Griglia90* g = f.Griglia();
    QCOMPARE(g->ContaRighe(), 90);
    QCOMPARE(g->Testo(59, 0) + " " + g->Testo(59, 1), QString("60 6"));
    QCOMPARE(etichette(f, "Lbconv_", 2), QString("6 4"));
    QCOMPARE(etichette(f, "Lbtotcg_", 1), QString("2"));
    // Unchecked again: the next run starts afresh.
    f.findChild<QCheckBox*>("chsum")->setChecked(false);
    f.IniziaRicerca();
    QCOMPARE(g->Testo(59, 1), QString("3"));
    QCOMPARE(etichette(f, "Lbtotcg_", 1), QString("1"));
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

QTEST_MAIN(FinestreSpiaTest)
#include "finestre_spia_test.moc"
