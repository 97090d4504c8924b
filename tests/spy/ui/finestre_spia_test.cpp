// The spy study windows: each variant's controls ask the engine the right
// question and the table shows the answer; the table commands; AUTO;
// ZevedIVE's summary and accumulation.
#include <QtTest>
#include <QtWidgets>
#include <fstream>

#include "app/Ambiente.h"
#include "print/TabellaCsv.h"
#include "spy/RicercaSpia.h"
#include "spy/VariantiSpia.h"
#include "spy/ui/FinestraSpia.h"
#include "spy/ui/FinestraZevedive.h"
#include "spy/ui/Griglia90.h"
#include "stats/BaseCaso.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

using namespace ruotario;

namespace {

// Spy 5 on Bari with 1 colpo: cases at records 1 and 4 (record 3 closes the
// first case and is skipped); 17 follows both cases, 20..23 and 44..47 one.
const std::vector<std::string> kArchivioStudio = {"0511121314", "1720212223", "0530313233", "0540414243", "1744454647"};

// The spy draw is the last record. Before it only 1 comes out among its
// spies, and no pair of an earlier draw sums to one of the spy sums 3..9.
const std::vector<std::string> kArchivioZevedive = {"0150515253", "6061626364", "6065666768", "7071727374",
                                                    "0154555657", "6061757677", "6078798081", "7071727374",
                                                    "0158598283", "6084858687", "8889905051", "0102030405"};

// Writes estrazioni.txt, Bari's five numbers of each draw run together ("0511121314").
void ScriviArchivio(const QTemporaryDir& cartella, const std::vector<std::string>& bari) {
  std::vector<std::vector<int>> numeri;
  for (const auto& b : bari) {
    numeri.emplace_back();
    for (std::size_t k = 0; k < 10; k += 2) numeri.back().push_back(std::stoi(b.substr(k, 2)));
  }
  Stato().ArchivePath = cartella.filePath("estrazioni.txt").toStdString();
  std::ofstream(Stato().ArchivePath, std::ios::binary | std::ios::trunc) << prova::TestoBari(numeri);
}

QString numeri(const Griglia90* g, int quante) {
  QStringList l;
  for (int r = 0; r < quante; ++r) l << g->Testo(r, 0);
  return l.join(' ');
}

QString riga(const Griglia90* g, int n) {
  return QStringList{g->Testo(n - 1, 0), g->Testo(n - 1, 1), g->Testo(n - 1, 2), g->Testo(n - 1, 3)}.join(' ');
}

QString scelte(const QWidget& f, const QString& nomi) {
  QStringList l;
  for (const QString& n : nomi.split(' ')) l << f.findChild<QComboBox*>(n)->currentText();
  return l.join('|');
}

// "Totale Estrazioni|Casi Giocabili" as shown.
QString totali(const QWidget& f) {
  return f.findChild<QLabel*>("Lbtotestrazioni")->text() + "|" + f.findChild<QLabel*>("lbCasiGiocabili")->text();
}

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
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
  void init() { ScriviArchivio(cartella_, kArchivioStudio); }
  void cleanup() {  // also after a failure: no fake outlives its test
    impostaAppunti(nullptr);
    impostaDialoghiFile(nullptr);
  }

  // Only the chosen kind, value, place or pair and combination make record 1
  // a case; record 4 is one only for a wrong choice.
  void everyVariantAsksItsOwnQuestion() {
    // clang-format off
    const struct { const char* finestra; const char* scelte; const char* caso; const char* esca; } varianti[] = {
        {"FrmSPY1", "CmbNumero=5;cmbPos=5", "1112131405", "0511121314"},
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
    for (const auto& a : varianti) {
      ScriviArchivio(cartella_, {a.caso, "1770717273", "8081828384", a.esca, "8081828384"});
      FinestraSpia f(*VariantePerNome(a.finestra));
      for (const QString& scelta : QString(a.scelte).split(';')) {
        if (auto* bottone = f.findChild<QRadioButton*>(scelta)) {
          bottone->click();
          continue;
        }
        auto* lista = f.findChild<QComboBox*>(scelta.section('=', 0, 0));
        QVERIFY2(lista && lista->findText(scelta.section('=', 1)) >= 0, qPrintable(scelta));
        lista->setCurrentIndex(lista->findText(scelta.section('=', 1)));
      }
      f.findChild<QComboBox*>("Cmbcolpi")->setCurrentIndex(0);
      QTest::mouseClick(f.findChild<QPushButton*>("cmdStart"), Qt::LeftButton);
      QCOMPARE(QString(a.finestra) + " " + totali(f) + " " + riga(f.Griglia(), 17).section(' ', 0, 1),
               QString(a.finestra) + " 5|1 17 1");
    }
  }

  void aStudyFillsTheTable() {
    FinestraSpia f(kVariantiSpia[0]);
    QCOMPARE(f.findChild<QComboBox*>("CmbdataInizio")->currentIndex(), InizioPredefinito(5) - 1);
    auto* linea = f.findChild<QLabel*>("lbPuroCaso");
    QVERIFY(!f.findChild<QPushButton*>("CmdStampaSucc")->isEnabled());
    StudiaIlCinque(f);
    QCOMPARE(totali(f), QString("5|2"));
    QVERIFY(f.findChild<QPushButton*>("CmdStampaSucc")->isEnabled());
    QCOMPARE(riga(f.Griglia(), 20), QString("20 1 50,000 1"));  // decimal comma
    QCOMPARE(linea->text(), QString::fromStdString(TestoBaseCasoSpia(BaseCasoRicerca(f.Esito(), true), ',')));
    f.findChild<QCheckBox*>("ChUnico")->setChecked(false);
    QVERIFY(!f.Parametri().SortiteUniche);

    f.findChild<QComboBox*>("CmbdataInizio")->setCurrentIndex(3);  // from record 4: one case
    f.IniziaRicerca();
    QCOMPARE(totali(f), QString("2|1"));
    // A span without draws: nothing examined, the total label stays empty.
    f.findChild<QComboBox*>("CmbdataInizio")->setCurrentIndex(4);
    f.findChild<QComboBox*>("CmbDataFine")->setCurrentIndex(0);
    f.IniziaRicerca();
    QCOMPARE(totali(f), QString("|0"));
    QCOMPARE(riga(f.Griglia(), 17), QString("17 0 0,000 "));
    // The printed heading shows the choices in view.
    f.findChild<QComboBox*>("CmbNumero")->setCurrentIndex(16);
    QVERIFY(f.Intestazione().Titolo.find("Numeretto: 17  - Colpi: 1") != std::string::npos);
  }

  void theTableCopiesAndExportsAsTheCommandLineWrites() {
    FinestraSpia f(kVariantiSpia[0]);
    StudiaIlCinque(f);
    Griglia90* g = f.Griglia();
    std::vector<RigaTesti> righe;
    for (const RigaGriglia& r : RigheEsito(f.Esito(), '.')) righe.emplace_back(r.begin(), r.end());
    const std::string csv = TestoCsv({"Numero", "Sortite", "%Esiti Vin.", "Ritar. Rel."}, righe);

    prova::FintiAppunti appunti;
    prova::FintiDialoghiFile dialoghi;
    impostaAppunti(&appunti);
    impostaDialoghiFile(&dialoghi);
    g->Copia();
    g->EsportaCsv();  // cancelled: nothing written
    dialoghi.fileSalvato = cartella_.filePath("tabella.csv");
    g->EsportaCsv();
    QCOMPARE(appunti.scritto.section('\n', 17, 17), QString("17\t2\t100,000\t0"));
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
    f.resize(900, 700);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    // A click on a cell of the number column sorts 90 .. 01.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(3, 0)).center());
    QCOMPARE(g->Testo(0, 0), QString("90"));
    QTest::mouseClick(f.findChild<QPushButton*>("CmdNonOrdinare"), Qt::LeftButton);
    QCOMPARE(g->Testo(89, 0), QString("90"));
    QTest::mouseClick(f.findChild<QPushButton*>("Top10succ"), Qt::LeftButton);
    QTest::mouseClick(f.findChild<QPushButton*>("CmdNonOrdinare"), Qt::LeftButton);
    QCOMPARE(numeri(g, g->ContaRighe()), QString("01 17 20 21 22 23 44 45 46 47"));
    f.IniziaRicerca();  // the next study lays the 90 rows out again
    QCOMPARE(g->ContaRighe(), 90);
  }

  void autoSelectsAndRuns() {
    // Sum 10 on places 1 - 2: 45 + 55 = 100 at record 1, 4 + 6 at record 4.
    ScriviArchivio(cartella_, {"4555606162", "1718192021", "0406303132", "0406707172", "1783848586"});
    FinestraSpia f(*VariantePerNome("FrmSPY1Somma"));
    int ruota = 0, ignorato1 = 1, numero = 10, ignorato2 = 1, posizione = 1, inizio = 0, fine = 4, colpi = 0;
    f.AUTO(ruota, ignorato1, numero, ignorato2, posizione, inizio, fine, colpi);
    QCOMPARE(scelte(f, "CmbNumero cmbPos Cmbcolpi"), QString("10|1 - 2|1"));
    QCOMPARE(totali(f), QString("5|2"));
    // The spy is chosen by its value, also in the lists that start at 0.
    for (const auto& [finestra, valore] : {std::pair{"FrmSPYCa", 0}, std::pair{"FrmSPYDe", 8}}) {
      FinestraSpia g(*VariantePerNome(finestra));
      numero = valore;
      g.AUTO(ruota, ignorato1, numero, ignorato2, posizione, inizio, fine, colpi);
      QCOMPARE(g.Parametri().NumeroSpia(), valore);
    }
  }

  void zevediveShowsItsSummary() {
    ScriviArchivio(cartella_, kArchivioZevedive);
    FinestraZevedive f;
    auto* stampa = f.findChild<QPushButton*>("CmdStampaSucc");
    QVERIFY(!stampa->isEnabled());
    QCOMPARE(scelte(f, "CmbdataInizio"), QString("1: 01/01/2000"));  // a short archive starts at record 1
    f.findChild<QPushButton*>("cmdStart")->click();
    QVERIFY(stampa->isEnabled());
    // Study of 1: 60 (3, a convergence) and 61 (2) lead; the fourteen others
    // find no case and add 0 to their first two numbers, 01 and 02.
    QCOMPARE(etichette(f, "lbnum_", 5), QString("60 61 01 02 03"));
    QCOMPARE(etichette(f, "Lbconv_", 5), QString("3 2 0 0 "));
    QCOMPARE(etichette(f, "lbcg_", 3), QString("60 02 03"));
    QCOMPARE(etichette(f, "Lbtotcg_", 3), QString("1 0 0"));
    QCOMPARE(f.Griglia()->Testo(59, 1) + "|" + f.Griglia()->Testo(2, 1), QString("3|"));
    QCOMPARE(f.findChild<QLabel*>("lbPuroCaso")->text(),
             QString::fromStdString(TestoBaseCasoZevedive(BaseCasoStudiZevedive(f.Esito()), ',')));
  }

  void zevediveSumsOntoAllNinetyNumbersEvenAfterTopTen() {
    ScriviArchivio(cartella_, kArchivioZevedive);
    FinestraZevedive f;
    f.IniziaRicerca();
    f.findChild<QCheckBox*>("chsum")->setChecked(true);
    f.findChild<QPushButton*>("Top10succ")->click();
    f.IniziaRicerca();
    QCOMPARE(f.Griglia()->ContaRighe(), 90);
    QCOMPARE(f.Griglia()->Testo(59, 0) + " " + f.Griglia()->Testo(59, 1), QString("60 6"));
    QCOMPARE(etichette(f, "Lbconv_", 2), QString("6 4"));
  }

 private:
  QTemporaryDir cartella_;
};

QTEST_MAIN(FinestreSpiaTest)
#include "finestre_spia_test.moc"
