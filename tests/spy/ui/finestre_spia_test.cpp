// The spy study windows: defaults of the ten variants, a study shown in the
// table, the table commands, the printed headings and AUTO.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ArchivioProva.h"
#include "spy/VariantiSpia.h"
#include "spy/ui/FinestraSpia.h"
#include "spy/ui/Griglia90.h"

using namespace ruotario;

namespace {

QStringList voci(const QComboBox* c) {
  QStringList l;
  for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
  return l;
}

QStringList colonna(const Griglia90* g, int c) {
  QStringList l;
  for (int r = 0; r < g->ContaRighe(); ++r) l << g->Testo(r, c);
  return l;
}

// Spy 5 on Bari with 1 colpo: cases at records 1 and 4 (record 3 closes the
// first case and is skipped); 17 follows both cases, 20..23 and 44..47 one.
const std::vector<std::string> kArchivioStudio = {"0511121314", "1720212223", "0530313233", "0540414243", "1744454647"};

}  // namespace

class FinestreSpiaTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    impostaMessaggi(&messaggi_);
    QVERIFY(cartella_.isValid());
  }
  void cleanupTestCase() {
    impostaMessaggi(nullptr);
    impostaStampante(nullptr);
  }
  void init() {
    messaggi_.avvisi.clear();
    messaggi_.domande.clear();
    messaggi_.risposta = true;
  }

  void everyVariantOpensWithItsChoices() {
    prova::ScriviArchivio(cartella_, kArchivioStudio);
    for (const VarianteSpia& v : kVariantiSpia) {
      FinestraSpia f(v);
      const QString nome = QString::fromLatin1(v.NomeFinestra.data(), static_cast<qsizetype>(v.NomeFinestra.size()));
      QCOMPARE(f.objectName(), nome);
      QCOMPARE(f.windowTitle().toStdString(), std::string(v.Titolo));

      auto* ruota = f.findChild<QComboBox*>("cmbRuota");
      QVERIFY(ruota);
      QCOMPARE(ruota->count(), 10);
      QCOMPARE(ruota->currentText(), QString("Bari"));
      QCOMPARE(voci(f.findChild<QComboBox*>("Cmbcolpi")).size(), 20);
      QCOMPARE(f.findChild<QComboBox*>("Cmbcolpi")->currentText(), QString("9"));
      auto* inizio = f.findChild<QComboBox*>("CmbdataInizio");
      auto* fine = f.findChild<QComboBox*>("CmbDataFine");
      QCOMPARE(inizio->count(), 5);
      QCOMPARE(inizio->currentIndex(), 0);
      QCOMPARE(inizio->currentText(), QString("1: 01/01/2000"));
      QCOMPARE(fine->currentText(), QString("5: 05/01/2000"));
      QVERIFY(f.findChild<QCheckBox*>("ChUnico")->isChecked());
      QCOMPARE(f.findChild<QCheckBox*>("ChUnico")->text(), QString("Conta Sortite Uniche"));
      QVERIFY(!f.findChild<QPushButton*>("CmdStampaSucc")->isEnabled());
      QCOMPARE(f.findChild<QPushButton*>("cmdStart")->text(), QString("Inizia Ricerca"));
      for (const char* b : {"Top10succ", "CmdOrdina", "CmdNonOrdinare", "Command1"})
        QVERIFY2(f.findChild<QPushButton*>(b), b);
      QVERIFY(f.findChild<QLabel*>("Lbtotestrazioni"));
      QVERIFY(f.findChild<QLabel*>("lbCasiGiocabili"));

      auto* griglia = f.findChild<Griglia90*>("Griglia90");
      QCOMPARE(griglia->ContaRighe(), 90);
      QCOMPARE(griglia->Titoli(),
               QStringList({"    Numero    ", "    Sortite    ", "  %Esiti Vin.   ", "   Ritar. Rel.    "}));
      QCOMPARE(griglia->Testo(0, 0), QString("01"));
      QCOMPARE(griglia->Testo(89, 0), QString("90"));
      QCOMPARE(griglia->Testo(0, 1), QString());

      auto* pos = f.findChild<QComboBox*>("cmbPos");
      if (v.ElenchiSpia == 1) {
        auto* numero = f.findChild<QComboBox*>("CmbNumero");
        QVERIFY(numero);
        QCOMPARE(numero->itemText(0), QString::number(v.SpiaMinima));
        QCOMPARE(numero->itemText(numero->count() - 1), QString::number(v.SpiaMassima));
        QCOMPARE(numero->currentText(), QString::number(v.SpiaMinima));
        QVERIFY(pos);
        QCOMPARE(pos->currentText(), QString("TUTTE"));
        QCOMPARE(pos->count(), v.Posizioni == ElencoPosizioni::Coppie ? 11 : 6);
        QVERIFY(!f.findChild<QRadioButton*>("OpAndOR_0"));
      } else {
        QVERIFY(!pos);
        QVERIFY(!f.findChild<QComboBox*>("CmbNumero"));
        for (int i = 0; i < v.ElenchiSpia; ++i) {
          auto* numero = f.findChild<QComboBox*>(QString("CmbNumero_%1").arg(i));
          QVERIFY(numero);
          QCOMPARE(numero->count(), 90);
          QCOMPARE(numero->currentText(), QString::number(i + 1));
        }
        QCOMPARE(f.findChild<QComboBox*>(QString("CmbNumero_%1").arg(v.ElenchiSpia)), nullptr);
        const QString scelta = v.Tipo == TipoSpia::Ambo ? "OpAndOR_0" : "OpAndOR_1";
        QVERIFY(f.findChild<QRadioButton*>(scelta)->isChecked());
        QCOMPARE(f.findChild<QRadioButton*>("OpAndOR_2")->text(), QString("XOR"));
        f.findChild<QRadioButton*>("OpAndOR_2")->click();
        QCOMPARE(f.Parametri().Combina, Combinazione::Xor);
        QCOMPARE(f.Parametri().NumeriSpia[1], 2);
      }
      QCOMPARE(f.Parametri().Tipo, v.Tipo);
    }
  }

  void spanStartsAtRecord2723WhenTheArchiveIsLongEnough() {
    for (const int conta : {2722, 2723}) {
      prova::ScriviArchivio(cartella_, std::vector<std::string>(static_cast<std::size_t>(conta), "0102030405"));
      FinestraSpia f(kVariantiSpia[0]);
      auto* inizio = f.findChild<QComboBox*>("CmbdataInizio");
      QCOMPARE(inizio->count(), conta);
      QCOMPARE(inizio->currentIndex(), conta == 2723 ? 2722 : 0);
      QCOMPARE(f.Parametri().Fine, conta);
    }
  }

  void aStudyFillsTheTable() {
    prova::ScriviArchivio(cartella_, kArchivioStudio);
    FinestraSpia f(kVariantiSpia[0]);
    f.findChild<QComboBox*>("CmbNumero")->setCurrentIndex(4);  // 5
    f.findChild<QComboBox*>("Cmbcolpi")->setCurrentIndex(0);   // 1 colpo
    QTest::mouseClick(f.findChild<QPushButton*>("cmdStart"), Qt::LeftButton);

    QCOMPARE(f.findChild<QLabel*>("Lbtotestrazioni")->text(), QString("5"));
    QCOMPARE(f.findChild<QLabel*>("lbCasiGiocabili")->text(), QString("2"));
    QVERIFY(f.findChild<QPushButton*>("CmdStampaSucc")->isEnabled());
    const Griglia90* g = f.Griglia();
    QCOMPARE(g->ContaRighe(), 90);
    // Row of 17: in both cases; 20: first case only; 44: second case only; 01: never.
    auto riga = [g](int n) {
      return QStringList{g->Testo(n - 1, 0), g->Testo(n - 1, 1), g->Testo(n - 1, 2), g->Testo(n - 1, 3)};
    };
    QCOMPARE(riga(17), QStringList({"17", "2", "100,000", "0"}));
    QCOMPARE(riga(20), QStringList({"20", "1", "50,000", "1"}));
    QCOMPARE(riga(44), QStringList({"44", "1", "50,000", "0"}));
    QCOMPARE(riga(1), QStringList({"01", "0", "0,000", "2"}));
    QCOMPARE(riga(5), QStringList({"05", "0", "0,000", "2"}));
    // The model answers the display role with the same texts.
    QCOMPARE(g->model()->data(g->model()->index(16, 2)).toString(), QString("100,000"));
    QCOMPARE(g->model()->headerData(1, Qt::Horizontal).toString(), QString("    Sortite    "));

    // A span without draws: nothing examined, the total label stays empty.
    f.findChild<QComboBox*>("CmbdataInizio")->setCurrentIndex(4);
    f.findChild<QComboBox*>("CmbDataFine")->setCurrentIndex(0);
    f.IniziaRicerca();
    QCOMPARE(f.findChild<QLabel*>("Lbtotestrazioni")->text(), QString());
    QCOMPARE(f.findChild<QLabel*>("lbCasiGiocabili")->text(), QString("0"));
    QCOMPARE(riga(17), QStringList({"17", "0", "0,000", ""}));
  }

  void sortingClickSortingAndTopTen() {
    prova::ScriviArchivio(cartella_, kArchivioStudio);
    FinestraSpia f(kVariantiSpia[0]);
    f.findChild<QComboBox*>("CmbNumero")->setCurrentIndex(4);
    f.findChild<QComboBox*>("Cmbcolpi")->setCurrentIndex(0);
    f.IniziaRicerca();
    Griglia90* g = f.Griglia();

    QTest::mouseClick(f.findChild<QPushButton*>("CmdOrdina"), Qt::LeftButton);
    QCOMPARE(colonna(g, 0).mid(0, 10), QStringList({"17", "20", "21", "22", "23", "44", "45", "46", "47", "01"}));
    QCOMPARE(g->ContaRighe(), 90);

    // A click on a cell of the number column sorts 90 .. 01.
    f.resize(900, 700);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QRect cella = g->visualRect(g->model()->index(3, 0));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cella.center());
    QCOMPARE(g->Testo(0, 0), QString("90"));
    QCOMPARE(g->Testo(89, 0), QString("01"));
    // A click on the delay column: the largest delay (2) comes first.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(0, 3)).center());
    QCOMPARE(g->Testo(0, 3), QString("2"));
    QCOMPARE(g->Testo(89, 3), QString("0"));

    QTest::mouseClick(f.findChild<QPushButton*>("CmdNonOrdinare"), Qt::LeftButton);
    QCOMPARE(g->Testo(0, 0), QString("01"));
    QCOMPARE(g->Testo(89, 0), QString("90"));

    QTest::mouseClick(f.findChild<QPushButton*>("Top10succ"), Qt::LeftButton);
    QCOMPARE(g->ContaRighe(), 10);
    QCOMPARE(g->Testo(0, 0), QString("17"));
    QTest::mouseClick(f.findChild<QPushButton*>("CmdNonOrdinare"), Qt::LeftButton);
    QCOMPARE(colonna(g, 0), QStringList({"01", "17", "20", "21", "22", "23", "44", "45", "46", "47"}));

    // The next study lays the 90 rows out again.
    f.IniziaRicerca();
    QCOMPARE(g->ContaRighe(), 90);
  }

  void theQuestionMarkExplains() {
    prova::ScriviArchivio(cartella_, kArchivioStudio);
    FinestraSpia f(kVariantiSpia[0]);
    QTest::mouseClick(f.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(messaggi_.avvisi, QStringList({"Numeri sortiti nelle estrazioni successive alla sortita del numeretto"}));
  }

  void printedHeadingsFollowTheCurrentChoices() {
    prova::ScriviArchivio(cartella_, kArchivioStudio);
    FinestraSpia uno(kVariantiSpia[0]);
    uno.IniziaRicerca();
    // Changed after the study: the heading shows the new choice.
    uno.findChild<QComboBox*>("CmbNumero")->setCurrentIndex(16);
    uno.findChild<QComboBox*>("cmbRuota")->setCurrentIndex(9);
    uno.findChild<QComboBox*>("cmbPos")->setCurrentIndex(3);
    IntestazioneStampa h = uno.Intestazione();
    QCOMPARE(QString::fromStdString(h.Titolo),
             QString("  Numeri Successori Numero Spia - Numeretto: 17  - Colpi: 9 - Ruota: Venezia"));
    QCOMPARE(QString::fromStdString(h.Sottotitolo),
             QString("  Posiz. Numeretto: 3 - Ricerca DA: 1: 01/01/2000 A: 5: 05/01/2000"));

    FinestraSpia somma(*VariantePerNome("FrmSPY1Somma"));
    somma.findChild<QComboBox*>("cmbPos")->setCurrentIndex(1);
    QCOMPARE(QString::fromStdString(somma.Intestazione().Sottotitolo).left(26), QString("  Posiz. Numeretto: 1 - 2 "));
    QVERIFY(QString::fromStdString(somma.Intestazione().Titolo).contains("Somma Ambo Spia - Numeretto: 1 "));

    FinestraSpia due(*VariantePerNome("FrmSPY2"));
    QCOMPARE(due.Intestazione().Titolo, std::string());
    QCOMPARE(due.Intestazione().Sottotitolo, std::string());

    // Through the printer: refused, nothing printed; accepted, the PDF holds both lines.
    const QString pdf = cartella_.filePath("stampa.pdf");
    prova::StampanteFinta stampante(pdf);
    impostaStampante(&stampante);
    messaggi_.risposta = false;
    QTest::mouseClick(uno.findChild<QPushButton*>("CmdStampaSucc"), Qt::LeftButton);
    QCOMPARE(messaggi_.domande, QStringList({"Vuoi Stampare la Tabella?"}));
    QVERIFY(!QFile::exists(pdf));

    messaggi_.risposta = true;
    uno.findChild<QPushButton*>("Top10succ")->click();
    uno.findChild<QPushButton*>("CmdStampaSucc")->click();
    impostaStampante(nullptr);
    QVERIFY(QFile::exists(pdf));
    QVERIFY(messaggi_.avvisi.isEmpty());
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
    QProcess p;
    p.start(pdftotext, {"-layout", pdf, "-"});
    QVERIFY(p.waitForFinished());
    const QString testo = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(
        testo.contains("Numeri Successori Numero Spia - Numeretto: 17 - Colpi: 9 - Ruota: Venezia") ||
            testo.simplified().contains("Numeri Successori Numero Spia - Numeretto: 17 - Colpi: 9 - Ruota: Venezia"),
        qPrintable(testo));
    QVERIFY(testo.simplified().contains("Posiz. Numeretto: 3 - Ricerca DA: 1: 01/01/2000 A: 5: 05/01/2000"));
    // Only the ten kept rows: one page.
    QVERIFY(!testo.contains("(pag. 2)"));
  }

  void autoSelectsAndRuns() {
    // Sum 10 on places 1 - 2: 45 + 55 = 100 → 10 at record 1, 4 + 6 at record 4.
    prova::ScriviArchivio(cartella_, {"4555606162", "1718192021", "0406303132", "0406707172", "1783848586"});
    FinestraSpia f(*VariantePerNome("FrmSPY1Somma"));
    int ruota = 0, ignorato1 = 1, numero = 10, ignorato2 = 1, posizione = 1, inizio = 0, fine = 4, colpi = 0;
    f.AUTO(ruota, ignorato1, numero, ignorato2, posizione, inizio, fine, colpi);
    QCOMPARE(f.findChild<QComboBox*>("CmbNumero")->currentText(), QString("10"));
    QCOMPARE(f.findChild<QComboBox*>("cmbPos")->currentText(), QString("1 - 2"));
    QCOMPARE(f.findChild<QComboBox*>("Cmbcolpi")->currentText(), QString("1"));
    QCOMPARE(f.findChild<QLabel*>("lbCasiGiocabili")->text(), QString("2"));
    QCOMPARE(f.Griglia()->Testo(16, 1), QString("2"));
    QCOMPARE(f.Griglia()->Testo(16, 2), QString("100,000"));
    // The pair 1 - 3 never sums to 10 here.
    posizione = 2;
    f.AUTO(ruota, ignorato1, numero, ignorato2, posizione, inizio, fine, colpi);
    QCOMPARE(f.findChild<QLabel*>("lbCasiGiocabili")->text(), QString("0"));
  }

 private:
  QTemporaryDir cartella_;
  prova::MessaggiFinti messaggi_;
};

QTEST_MAIN(FinestreSpiaTest)
#include "finestre_spia_test.moc"
