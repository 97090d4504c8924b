// The constants method window: defaults, a statistic worked out by hand, the
// table commands, the messages, the best-ambata search and its three ways of
// being cut short, the pairing search and the printing.
#include "constants/ui/Frmstatproduttore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <fstream>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "constants/ui/RegistroKostanti.h"
#include "spy/ui/Griglia90.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

using namespace ruotario;

namespace {

// Bari only, spy 1 with 2 colpi and ambate 2 and 20: a case opens at record 1
// and wins with 02 at colpo 2 (record 3); the case of record 4 is closed
// unwon by record 7, whose spy is not looked at; the case of record 8 wins
// with 20 at colpo 1 (record 9); record 10 opens a case still in play.
const std::vector<std::vector<int>> kBari = {
    {1, 30, 31, 32, 33},  {40, 41, 42, 43, 44}, {2, 50, 51, 52, 53}, {1, 60, 61, 62, 63},  {70, 71, 72, 73, 74},
    {75, 76, 77, 78, 79}, {1, 80, 81, 82, 83},  {1, 20, 50, 84, 85}, {20, 50, 86, 87, 88}, {1, 11, 12, 13, 14}};

void ScriviArchivio(const QTemporaryDir& cartella, const std::vector<std::vector<int>>& bari) {
  Stato().ArchivePath = cartella.filePath("estrazioni.txt").toStdString();
  std::ofstream(Stato().ArchivePath, std::ios::binary | std::ios::trunc) << prova::TestoBari(bari);
}

template <typename T>
T* trova(const QWidget& w, const QString& nome) {
  T* c = w.findChild<T*>(nome);
  if (!c) qFatal("missing control %s", qPrintable(nome));
  return c;
}

QString testo(const QWidget& w, const QString& nome) {
  if (auto* l = w.findChild<QLineEdit*>(nome)) return l->text();
  if (auto* l = w.findChild<QLabel*>(nome)) return l->text();
  if (auto* c = w.findChild<QComboBox*>(nome)) return c->currentText();
  return trova<QPlainTextEdit>(w, nome)->toPlainText();
}

// Texts of several controls, '|'-separated.
QString testi(const QWidget& w, const QString& nomi) {
  QStringList l;
  for (const QString& n : nomi.split(' ')) l << testo(w, n);
  return l.join('|');
}

void clic(const QWidget& w, const QString& nome) { trova<QAbstractButton>(w, nome)->click(); }

QString riga(const Griglia90& g, int r) {
  QStringList l;
  for (int c = 0; c < 4; ++c) l << g.Testo(r, c);
  return l.join(' ');
}

QString numeri(const Griglia90& g) {
  QStringList l;
  for (int r = 0; r < g.ContaRighe(); ++r) l << g.Testo(r, 0);
  return l.join(' ');
}

// Spy 1, 2 colpi, whole archive.
void Scegli(Frmstatproduttore& f) {
  trova<QComboBox>(f, "Cmbcolpi")->setCurrentIndex(1);
  trova<QComboBox>(f, "CmbdataInizio")->setCurrentIndex(0);
}

// Starts a best-ambata search that pauses a minute after each candidate, and
// waits until the candidate in hand is 1.
bool AvviaRicercaLenta(Frmstatproduttore& f) {
  RicercaInSottofondo::ImpostaPausaTraCandidati(std::chrono::seconds(60));
  f.show();
  Scegli(f);
  clic(f, "cmdsec");
  return QTest::qWaitFor([&] { return testo(f, "Txtambata2") == "1"; });
}

}  // namespace

class FrmstatproduttoreTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    impostaMessaggi(&messaggi_);
    impostaStampante(&stampante_);
  }
  void init() {
    messaggi_.ricevuti.clear();
    messaggi_.risposta = true;
    ScriviArchivio(cartella_, kBari);
    RicercaInSottofondo::ImpostaPausaTraCandidati(std::chrono::milliseconds(0));
  }
  void cleanupTestCase() {
    impostaMessaggi(nullptr);
    impostaStampante(nullptr);
  }

  void opensWithItsDefaults() {
    for (const int conta : {3593, 3594}) {
      ScriviArchivio(cartella_, std::vector<std::vector<int>>(static_cast<std::size_t>(conta), {1, 2, 3, 4, 5}));
      Frmstatproduttore f;
      QCOMPARE(trova<QComboBox>(f, "CmbdataInizio")->currentIndex(), conta == 3594 ? 3593 : 0);
      QCOMPARE(trova<QComboBox>(f, "CmbDataFine")->currentIndex(), conta - 1);
    }
    Frmstatproduttore f;
    const auto spuntato = [&](const char* nome) { return trova<QAbstractButton>(f, nome)->isChecked(); };
    QVERIFY(!trova<QPushButton>(f, "CmdStampa")->isEnabled());

    // The presets of the best-ambata choice set the check boxes.
    clic(f, "opAmbata_2");
    QVERIFY(spuntato("Chabbinamenti_3") && spuntato("Chabbinamenti_0") && spuntato("Chabbinamenti_1"));
    clic(f, "opAmbata_0");
    QVERIFY(spuntato("Chabbinamenti_3") && !spuntato("Chabbinamenti_0") && !spuntato("Chabbinamenti_1"));
  }

  void statisticWorkedOutByHand() {
    Frmstatproduttore f;
    auto* linea = trova<QLabel>(f, "lbPuroCaso");
    QVERIFY(linea->text().isEmpty());
    Scegli(f);
    clic(f, "cmdStart");
    QVERIFY(messaggi_.ricevuti.isEmpty());
    QCOMPARE(testi(f, "Lbtotestrazioni lbCasiGiocabili txtambcg1 txtambcg2 txtambcg3"), QStringLiteral("10|4|2|20|"));
    const QString riepilogo =
        "CASI GIOCABILI: 4\nCASI VINCENTI: 2 su: 3\n%PERC. VINCITA: 66,666%\nMEDIA COLPI VINCITA: 1,5\n"
        "***PREVISIONE IN GIOCO DA COLPI: 0";
    QCOMPARE(testo(f, "txtesitoab"), riepilogo + "\n\n");
    QVERIFY(
        testo(f, "TxtEsito").startsWith(riepilogo + "\n\nDETTAGLIO COLPI\n\nPrevisione in gioco est: 01/01/2000\n"));
    const auto* vincenti = trova<QTableWidget>(f, "gridVincenti");
    QCOMPARE(vincenti->rowCount(), 2);
    QCOMPARE(vincenti->item(1, 0)->text() + " " + vincenti->item(1, 1)->text() + " " + vincenti->item(1, 2)->text(),
             QStringLiteral("2 09/01/2000 2050868788"));
    // Winning draws: the ambate's rows are marked; 50 came out in both.
    const auto& ab = *trova<Griglia90>(f, "Griglia90");
    QCOMPARE(riga(ab, 19) + " | " + riga(ab, 49), QStringLiteral("20 * * * | 50 2 100,00 0"));
    // Watched draws 2, 3, 5, 6 and 9: 25 numbers.
    const auto& fr = *trova<Griglia90>(f, "grigliafrequenti");
    QCOMPARE(riga(fr, 49) + " | " + riga(fr, 0), QStringLiteral("50 2 8,00 0 | 01 0 0,00 5"));
    QVERIFY(trova<QPushButton>(f, "CmdStampa")->isEnabled());
    // Three concluded cases of two full draws; a draw misses both ambate with
    // C(88,5)/C(90,5), so a case wins with 20,5%; 2 wins of 3 or more: 10,9%.
    QCOMPARE(linea->text(),
             QString("Per puro caso: 20,5% di casi vincenti con 2 ambate; 66,7% o più capita nel 10,9% degli studi"));

    // TOP 5 then NON ORDINARE: five rows, in number order.
    clic(f, "Command2");
    QCOMPARE(numeri(fr), QStringLiteral("50 02 20 40 41"));
    clic(f, "Command3");
    QCOMPARE(numeri(fr), QStringLiteral("02 20 40 41 50"));
    // A click on a cell sorts by its column, largest first; NON ORDINARE restores 1..90.
    auto& tabella = *trova<Griglia90>(f, "Griglia90");
    tabella.clicked(tabella.model()->index(0, 3));
    QCOMPARE(tabella.Testo(0, 0), QStringLiteral("01"));  // relative delay 2, the largest
    clic(f, "Noordab");
    QCOMPARE(numeri(tabella).left(8), QStringLiteral("01 02 03"));

    // A new run starts from full tables again, its chance line from the new choices.
    trova<QCheckBox>(f, "Chabbinamenti_0")->setChecked(false);
    clic(f, "cmdStart");
    QCOMPARE(fr.ContaRighe(), 90);
    QVERIFY2(linea->text().contains(" con 1 ambata; "), qPrintable(linea->text()));
  }

  void messagesOfTheWindow() {
    Frmstatproduttore f;
    Scegli(f);
    // Pairing search before any statistic, and without an ambata.
    clic(f, "CmdStartAbb");
    trova<QCheckBox>(f, "Chabbinamenti_3")->setChecked(false);
    trova<QCheckBox>(f, "Chabbinamenti_0")->setChecked(false);
    clic(f, "CmdStartAbb");
    clic(f, "cmdStart");
    clic(f, "cmdsec");
    QCOMPARE(messaggi_.testi(),
             QStringList({"ATTENZIONE: VERIFICARE NEL MODULO RICERCA CAPIGIOCO DI AVER SCELTO ALMENO UN'AMBATA e CHE "
                          "CI SIA ALMENO UN'ESTRAZIONE VINCENTE. EFFETTUARE NUOVAMENTE IL CALCOLO DELLA STATISTICA",
                          "SELEZIONARE ALMENO UN'AMBATA NEL MODULO RICERCA CAPIGIOCO ",
                          "SELEZIONARE ALMENO UN'AMBATA DA RICERCARE", "SELEZIONARE ALMENO UN'AMBATA DA RICERCARE"}));
    QVERIFY(!f.RicercaInCorso());
    trova<QCheckBox>(f, "Chabbinamenti_3")->setChecked(true);

    // A typed text that is no choice is named (the rules are the core's), and nothing runs.
    messaggi_.ricevuti.clear();
    trova<QComboBox>(f, "Cmbcolpi")->setEditText("150");
    clic(f, "cmdStart");
    clic(f, "cmdsec");
    const QString colpi = "Colpi: \"150\" non è un valore valido (scegliere un numero da 1 a 99).";
    QCOMPARE(messaggi_.testi(), QStringList({colpi, colpi}));
    QVERIFY(!f.RicercaInCorso() && testo(f, "Lbtotestrazioni").isEmpty() && testo(f, "TxtEsito").isEmpty());

    // The "(?)" labels.
    messaggi_.ricevuti.clear();
    QTest::mouseClick(trova<QLabel>(f, "Lbordina_1"), Qt::LeftButton);
    QCOMPARE(messaggi_.testi(),
             QStringList{"Per ordinare rispetto ad una colonna della tabella fare DOPPIO CLICK sulla colonna scelta"});

    // An empty archive.
    ScriviArchivio(cartella_, {});
    Frmstatproduttore vuota;
    messaggi_.ricevuti.clear();
    clic(vuota, "cmdStart");
    QCOMPARE(messaggi_.testi(), QStringList{QString::fromUtf8(kMsgArchivioVuoto.data(), kMsgArchivioVuoto.size())});
    QCOMPARE(trova<QComboBox>(vuota, "CmbDataFine")->count(), 0);
  }

  void pairingSearchCoversTheWinningDraws() {
    Frmstatproduttore f;
    Scegli(f);
    clic(f, "cmdStart");
    // Auto, three pairings: 50 is in both winning draws, then nothing is left to cover.
    clic(f, "CmdStartAbb");
    QCOMPARE(testi(f, "Txtabb_0 Txtabb_1 Txtabb_2 Txtabb_3 Txtabb_4"), QStringLiteral("50|90|89||"));
    QVERIFY(testo(f, "txtesitoambo")
                .startsWith("CASI VINCENTI TOTALI CON AMBO: 2 SU: 2\n% CASI VINCENTI CON AMBO: 100,00%\n"));
    // The winning-draw table stays ranked, marked rows last.
    const auto& ab = *trova<Griglia90>(f, "Griglia90");
    QCOMPARE(ab.Testo(0, 0), QStringLiteral("50"));
    QCOMPARE(ab.Testo(89, 0), QStringLiteral("20"));

    // Manuale with one pairing typed: slot 2 pairs with nothing.
    clic(f, "Opricerca_1");
    clic(f, "Opnumabb_1");
    trova<QLineEdit>(f, "Txtabb_0")->setText("86");
    trova<QLineEdit>(f, "Txtabb_1")->clear();
    clic(f, "CmdStartAbb");
    QVERIFY(testo(f, "txtesitoambo").startsWith("CASI VINCENTI TOTALI CON AMBO: 1 SU: 2\n"));
    QVERIFY(messaggi_.ricevuti.isEmpty());
  }

  void bestAmbataSearchStoppedAfterItsFirstCandidate() {
    Frmstatproduttore f;
    QVERIFY(AvviaRicercaLenta(f));
    QVERIFY(f.RicercaInCorso());
    QVERIFY(trova<QLabel>(f, "LbAttendere")->isVisible() && !trova<QWidget>(f, "TxtEsito")->isVisible());
    QVERIFY(trova<QPushButton>(f, "cmdStart")->isHidden() && trova<QWidget>(f, "Frbest")->isHidden() &&
            trova<QLabel>(f, "Lbtotestrazioni")->isHidden());
    clic(f, "CmdStop");
    QTRY_VERIFY(!f.RicercaInCorso());
    // Candidate 1 is the best so far: its statistic is shown. Record 10's 01
    // now wins the last case at colpo 2.
    QCOMPARE(testi(f, "txtAmbata Txtambata2 txtambcg2"), QStringLiteral("2|1|1"));
    QVERIFY(testo(f, "TxtEsito").startsWith("CASI GIOCABILI: 3\nCASI VINCENTI: 2 su: 3\n"));
    QVERIFY(trova<QWidget>(f, "TxtEsito")->isVisible() && !trova<QLabel>(f, "LbAttendere")->isVisible());
    QVERIFY(trova<QPushButton>(f, "cmdStart")->isVisible() && trova<QWidget>(f, "Frbest")->isVisible());
  }

  // The three ways a search is cut short: nothing may outlive the window or
  // touch it once gone, and the window must never wait for the whole search.
  void closingTheWindowStopsTheSearch() {
    QPointer<Frmstatproduttore> f = new Frmstatproduttore;
    QVERIFY(AvviaRicercaLenta(*f));
    QElapsedTimer orologio;
    orologio.start();
    f->close();
    QTRY_VERIFY(f.isNull());
    QVERIFY(orologio.elapsed() < 30000);  // a hang guard: the pause was cut short
  }

  void pressingCalcolaAbandonsTheSearch() {
    Frmstatproduttore f;
    QVERIFY(AvviaRicercaLenta(f));
    clic(f, "cmdStart");
    QVERIFY(!f.RicercaInCorso());
    // The box gets back its value and the statistic is that of the user's choices.
    QCOMPARE(testi(f, "txtAmbata Txtambata2 lbCasiGiocabili"), QStringLiteral("2|20|4"));
    QVERIFY(trova<QPushButton>(f, "cmdStart")->isVisible() && trova<QWidget>(f, "TxtEsito")->isVisible());
    QTest::qWait(50);  // late notices of the abandoned search change nothing
    QCOMPARE(testo(f, "Txtambata2"), QStringLiteral("20"));
    QVERIFY(testo(f, "TxtEsito").startsWith("CASI GIOCABILI: 4\n"));
  }

  void closingTheMainWindowStopsTheSearch() {
    auto impostazioni = prova::ImpostazioniTemporanee();
    frmMain principale;
    RegistraFinestreKostanti(principale);
    principale.show();
    QPointer<QWidget> w = principale.apriFinestra("mnuspric");
    auto* f = qobject_cast<Frmstatproduttore*>(w.data());
    QVERIFY(f);
    QVERIFY(AvviaRicercaLenta(*f));
    QElapsedTimer orologio;
    orologio.start();
    QVERIFY(principale.close());
    QTRY_VERIFY(w.isNull());
    QVERIFY(orologio.elapsed() < 30000);
  }

  void printsTheTableOfTheTabInView() {
    Frmstatproduttore f;
    Scegli(f);
    clic(f, "cmdStart");
    trova<QTabWidget>(f, "SSTab1")->setCurrentIndex(3);
    clic(f, "Command2");
    const QString pdf = temporanea_.filePath("frequenti.pdf");
    stampante_.printer().setOutputFileName(pdf);
    clic(f, "CmdStampa");
    QCOMPARE(messaggi_.testi(), QStringList{"Vuoi Stampare la Tabella?"});
    QVERIFY(QFile::exists(pdf));
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(p.waitForFinished(20000));
    const QString stampato = QString::fromUtf8(p.readAllStandardOutput()).simplified();
    QVERIFY2(stampato.contains("KOSTANTI - Ruota: Bari - Spia: 1 (TUTTE) - Colpi: 2 - Ambate: 02 20 - Estr. 1-10") &&
                 stampato.contains("CASI VINCENTI: 2 su: 3 %PERC. VINCITA: 66,666% MEDIA COLPI VINCITA: 1,5") &&
                 stampato.contains("Numero Sortite % Sortite Ritar. Rel. 50 2 8,00 0 02 1 4,00") &&
                 !stampato.contains(" 42 "),
             qPrintable(stampato));
  }

  void bestAmbataSearchIsCheckedOutOfSample() {
    Frmstatproduttore f;
    auto* linea = trova<QLabel>(f, "lbFuoriCampione");
    Scegli(f);
    trova<QLineEdit>(f, "Txtambata2")->clear();  // the box the search fills may be empty
    clic(f, "cmdsec");
    QTRY_VERIFY(!f.RicercaInCorso());
    QVERIFY(messaggi_.ricevuti.isEmpty());
    // The winner is judged against the best of the candidates run.
    QVERIFY2(testo(f, "lbPuroCaso").contains("; il migliore di 89 candidati arriverebbe a "),
             qPrintable(testo(f, "lbPuroCaso")));
    // Searched on records 1-7 only, a secondary from 70 to 79 wins both
    // cases concluded there; the case of record 8 is still in play at 10.
    QCOMPARE(linea->text(), QString("Fuori campione: cercata sul primo 70% del periodo, l'ambata 70 vince il 100,0%; "
                                    "sul restante 30% nessun caso si è concluso"));
    // A search run to the end puts its winner in the box and shows its
    // statistic: the principal alone, 50 wins 2 of 3 concluded cases.
    clic(f, "opAmbata_0");
    clic(f, "cmdsec");
    QTRY_VERIFY(!f.RicercaInCorso());
    QCOMPARE(testo(f, "txtAmbata"), QStringLiteral("50"));
    QVERIFY2(testo(f, "TxtEsito").startsWith("CASI GIOCABILI: 4\nCASI VINCENTI: 2 su: 3\n%PERC. VINCITA: 66,666%\n"),
             qPrintable(testo(f, "TxtEsito")));
    clic(f, "cmdStart");  // a plain statistic is not a search
    QVERIFY(linea->text().isEmpty());
  }

  void theWinningDrawsCopyForASpreadsheet() {
    Frmstatproduttore f;
    Scegli(f);
    clic(f, "cmdStart");
    auto* vincenti = trova<QTableWidget>(f, "gridVincenti");
    prova::FintiAppunti appunti;
    impostaAppunti(&appunti);
    vincenti->findChild<QAction*>("actCopia")->trigger();
    impostaAppunti(nullptr);
    QCOMPARE(appunti.scritto.section('\n', 0, 1),
             QString("Nr.\tData Estr.\tDettag. Estrazioni\n1\t03/01/2000\t0250515253"));
  }

 private:
  QTemporaryDir cartella_;
  QTemporaryDir temporanea_;
  prova::FintiMessaggi messaggi_;
  prova::FintaStampante stampante_;
};

QTEST_MAIN(FrmstatproduttoreTest)
#include "Frmstatproduttore_test.moc"
