// The spy study windows: a study of each of the ten variants, one shown in the
// table, the table commands, the printed headings and AUTO; ZevedIVE's summary
// labels and accumulation; opening the windows from the menu.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <fstream>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "print/TabellaCsv.h"
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

  // Every variant window, one study chosen and started through its controls:
  // only the chosen kind, value, place or pair and combination make record 1 a
  // case (record 4 is one only for a wrong choice), so the case count and 17's
  // count check that the window asks the right question.
  void everyVariantOpensWithItsChoicesAndRunsItsStudy() {
    struct Variante {
      const char* finestra;
      const char* scelte;  // list=item, ';'-separated; OpAndOR_n clicks that button
      const char* caso;    // Bari of record 1, a case
      const char* esca;    // Bari of record 4, a case only for a wrong choice
    };
    // clang-format off
    const Variante varianti[] = {
        {"FrmSPY1", "CmbNumero=5;cmbPos=2", "1105121314", "0511121314"},
        {"FrmSPY2", "CmbNumero_0=12;CmbNumero_1=34;OpAndOR_2", "1260616263", "1234606162"},
        {"FrmSPY3", "CmbNumero_0=7;CmbNumero_1=8;CmbNumero_2=9;OpAndOR_0", "0708096061", "0708626364"},
        {"FrmSPYCa", "CmbNumero=3;cmbPos=3", "1112231415", "3311121415"},
        {"FrmSPYDe", "CmbNumero=4;cmbPos=3", "1112451415", "4011121314"},
        {"FrmSPYFi", "CmbNumero=5;cmbPos=3", "1011321213", "4110111213"},
        {"FrmSPY1Somma", "CmbNumero=10;cmbPos=2 - 4", "8145705520", "0406808182"},
        {"FrmSPYDifferenzaPIU", "CmbNumero=30;cmbPos=2 - 4", "1145127590", "4070111213"},
        {"FrmSPYDistanza", "CmbNumero=20;cmbPos=2 - 4", "1180121090", "5070111213"},
        {"FrmSPYDISTANZAciclo", "CmbNumero=40;cmbPos=2 - 4", "1110125080", "1050121314"},
    };
    // clang-format on
    QCOMPARE(std::size(varianti), kVariantiSpia.size());
    for (const Variante& a : varianti) {
      ScriviArchivio(cartella_, {a.caso, "1770717273", "8081828384", a.esca, "8081828384"});
      const VarianteSpia* v = VariantePerNome(a.finestra);
      QVERIFY2(v, a.finestra);
      FinestraSpia f(*v);
      QCOMPARE(f.objectName(), QString(a.finestra));
      QCOMPARE(scelte(f, "cmbRuota Cmbcolpi CmbdataInizio CmbDataFine"), QString("Bari|9|1: 01/01/2000|5: 05/01/2000"));
      QCOMPARE(f.Griglia()->Titoli(),
               QStringList({"    Numero    ", "    Sortite    ", "  %Esiti Vin.   ", "   Ritar. Rel.    "}));
      const QString scelto = QString::fromUtf8(a.scelte);
      for (const QString& scelta : scelto.split(';')) {
        if (scelta.startsWith("OpAndOR_")) {
          auto* bottone = f.findChild<QRadioButton*>(scelta);
          QVERIFY2(bottone, qPrintable(scelta));
          bottone->click();
          continue;
        }
        auto* lista = f.findChild<QComboBox*>(scelta.section('=', 0, 0));
        QVERIFY2(lista, qPrintable(scelta));
        const int indice = lista->findText(scelta.section('=', 1));
        QVERIFY2(indice >= 0, qPrintable(scelta));
        lista->setCurrentIndex(indice);
      }
      f.findChild<QComboBox*>("Cmbcolpi")->setCurrentIndex(0);
      QTest::mouseClick(f.findChild<QPushButton*>("cmdStart"), Qt::LeftButton);
      QCOMPARE(QString(a.finestra) + " " + totali(f) + " " + riga(f.Griglia(), 17).section(' ', 0, 1),
               QString(a.finestra) + " 5|1 17 1");

      // The printed headings: the chosen spy and place; none for two or three spies.
      const IntestazioneStampa righe = f.Intestazione();
      if (!f.findChild<QComboBox*>("cmbPos")) {
        QCOMPARE(righe.Titolo + righe.Sottotitolo, std::string());
        continue;
      }
      QCOMPARE(QString::fromStdString(righe.Titolo), "  Numeri Successori " + f.windowTitle() +
                                                         " - Numeretto: " + scelto.section(';', 0, 0).section('=', 1) +
                                                         "  - Colpi: 1 - Ruota: Bari");
      QCOMPARE(QString::fromStdString(righe.Sottotitolo),
               "  Posiz. Numeretto: " + scelto.section('=', 2) + " - Ricerca DA: 1: 01/01/2000 A: 5: 05/01/2000");
    }
    ScriviArchivio(cartella_, kArchivioStudio);
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
    auto* linea = f.findChild<QLabel*>("lbPuroCaso");
    QVERIFY(linea && linea->text().isEmpty());
    StudiaIlCinque(f);
    QCOMPARE(totali(f), QString("5|2"));
    QVERIFY(f.findChild<QPushButton*>("CmdStampaSucc")->isEnabled());
    const Griglia90* g = f.Griglia();
    QCOMPARE(riga(g, 20), QString("20 1 50,000 1"));  // decimal comma
    // Two cases of one full watched draw: 1/18 per number; the best of 90 is
    // 1 of 2 at the median and 2 of 2 at the 95th percentile.
    QCOMPARE(linea->text(),
             QString("Per puro caso: 5,6% per numero; il migliore dei 90 arriverebbe a 50,0% (95%: 100,0%)"));
    // Two colpi: one case, two watched draws.
    f.findChild<QComboBox*>("Cmbcolpi")->setCurrentIndex(1);
    f.IniziaRicerca();
    QVERIFY2(linea->text().startsWith("Per puro caso: 10,8% per numero;"), qPrintable(linea->text()));

    // A span without draws: nothing examined, the total label stays empty.
    f.findChild<QComboBox*>("CmbdataInizio")->setCurrentIndex(4);
    f.findChild<QComboBox*>("CmbDataFine")->setCurrentIndex(0);
    f.IniziaRicerca();
    QCOMPARE(totali(f), QString("|0"));
    QCOMPARE(riga(g, 17), QString("17 0 0,000 "));

    // The printed heading shows the choices in view, not those of the study.
    f.findChild<QComboBox*>("CmbNumero")->setCurrentIndex(16);
    QVERIFY(f.Intestazione().Titolo.find("Numeretto: 17  - Colpi: 2") != std::string::npos);

    QTest::mouseClick(f.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    messaggi_.risposta = false;  // the print command asks first; printing itself is the print module's
    f.findChild<QPushButton*>("CmdStampaSucc")->click();
    QCOMPARE(messaggi_.testi(), QStringList({"Numeri sortiti nelle estrazioni successive alla sortita del numeretto",
                                             "Vuoi Stampare la Tabella?"}));
  }

  void theTableCopiesAndExportsAsTheCommandLineWrites() {
    FinestraSpia f(kVariantiSpia[0]);
    StudiaIlCinque(f);
    Griglia90* g = f.Griglia();
    // The command line's CSV: its headings, the rows with "." as separator.
    std::vector<RigaTesti> righe;
    for (const RigaGriglia& r : RigheEsito(f.Esito(), '.')) righe.emplace_back(r.begin(), r.end());
    const std::string csv = TestoCsv({"Numero", "Sortite", "%Esiti Vin.", "Ritar. Rel."}, righe);
    QCOMPARE(QString::fromStdString(g->TestoCsvGriglia()), QString::fromStdString(csv));

    prova::FintiAppunti finti;
    impostaAppunti(&finti);
    g->Copia();
    impostaAppunti(nullptr);
    const QStringList linee = finti.scritto.split('\n');
    QCOMPARE(linee.value(0), QString("Numero\tSortite\t%Esiti Vin.\tRitar. Rel."));
    QCOMPARE(linee.value(17), QString("17\t2\t100,000\t0"));

    prova::FintiDialoghiFile dialoghi;
    impostaDialoghiFile(&dialoghi);
    g->EsportaCsv();  // cancelled: nothing written
    dialoghi.fileSalvato = cartella_.filePath("tabella.csv");
    g->EsportaCsv();
    impostaDialoghiFile(nullptr);
    QCOMPARE(dialoghi.aperture.size(), 2);
    std::ifstream in(dialoghi.fileSalvato.toStdString(), std::ios::binary);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(in), {}), csv);
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

    // The spy is chosen by its value, also in the lists that start at 0.
    for (const auto& [finestra, valore] : {std::pair{"FrmSPYCa", 0}, std::pair{"FrmSPYDe", 8}}) {
      FinestraSpia g(*VariantePerNome(finestra));
      numero = valore;
      posizione = 0;
      g.AUTO(ruota, ignorato1, numero, ignorato2, posizione, inizio, fine, colpi);
      QCOMPARE(g.findChild<QComboBox*>("CmbNumero")->currentText(), QString::number(valore));
      QCOMPARE(g.Parametri().NumeroSpia(), valore);
    }
  }

  void zevediveDefaultsAndARun() {
    ScriviArchivio(cartella_, kArchivio);
    FinestraZevedive f;
    auto* stampa = f.findChild<QPushButton*>("CmdStampaSucc");
    QVERIFY(!stampa->isEnabled());  // nothing to print before the first run
    auto* linea = f.findChild<QLabel*>("lbPuroCaso");
    QVERIFY(linea && linea->text().isEmpty());
    // A short archive starts at record 1.
    QCOMPARE(scelte(f, "CmbDataFine CmbdataInizio Cmbcolpi"), QString("12: 12/01/2000|1: 01/01/2000|2"));
    QVERIFY(QString::fromStdString(f.Intestazione().Titolo).startsWith("  Numeri Successori SUPER SPY - Numeretto: "));

    f.findChild<QPushButton*>("cmdStart")->click();
    QVERIFY(stampa->isEnabled());
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
    // Of the fifteen studies only the one of 1 has cases: three, each watching
    // two full draws, 1 - (17/18)^2 per number. The best of 90 reaches 2 of 3
    // at the median and 3 of 3 at the 95th percentile.
    QCOMPARE(linea->text(),
             QString("Per puro caso, nei 15 studi: 10,8% per numero; il migliore dei 90 arriverebbe a 66,7% (95%: "
                     "100,0%)"));
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
  }

  void theMenuOpensEachWindow() {
    frmMain principale;
    RegistraFinestreSpia(principale);
    principale.findChild<QAction*>("mnuspia1")->trigger();
    QCOMPARE(principale.finestra("mnuspia1")->objectName(), QString("FrmSPY1"));
    const QString voci =
        "mnusupsyp=FrmZEVEDIVE mnuspia2=FrmSPY2 mnuspia=FrmSPY3 mnuambispiacadenza=FrmSPYCa "
        "mnuspiadecina=FrmSPYDe mnuambispiafigura=FrmSPYFi mnuspiasomma=FrmSPY1Somma "
        "mnudiffambo=FrmSPYDifferenzaPIU mnudistanzaambo=FrmSPYDistanza "
        "mnudistanzaciclo=FrmSPYDISTANZAciclo";
    for (const QString& voce : voci.split(' '))
      QCOMPARE(principale.apriFinestra(voce.section('=', 0, 0))->objectName(), voce.section('=', 1));
  }

 private:
  QTemporaryDir cartella_;
  prova::FintiMessaggi messaggi_;
};

QTEST_MAIN(FinestreSpiaTest)
#include "finestre_spia_test.moc"
