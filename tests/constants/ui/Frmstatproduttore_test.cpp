// The constants method window: its controls drive the statistic, the
// best-ambata search and the pairing search, and it shows what they return;
// a running search can always be cut short.
#include "constants/ui/Frmstatproduttore.h"

#include <QtTest>
#include <QtWidgets>
#include <fstream>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "constants/RicercaAbbinamenti.h"
#include "constants/ui/RegistroKostanti.h"
#include "spy/ui/Griglia90.h"
#include "stats/BaseCaso.h"
#include "stats/FuoriCampione.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

using namespace ruotario;

namespace {

// Bari only: spy 1 opens cases at records 1, 4, 8 and 10; ambate 2 and 20 win two of them.
const std::vector<std::vector<int>> kBari = {
    {1, 30, 31, 32, 33},  {40, 41, 42, 43, 44}, {2, 50, 51, 52, 53}, {1, 60, 61, 62, 63},  {70, 71, 72, 73, 74},
    {75, 76, 77, 78, 79}, {1, 80, 81, 82, 83},  {1, 20, 50, 84, 85}, {20, 50, 86, 87, 88}, {1, 11, 12, 13, 14}};

template <typename T = QWidget>
T* trova(const QWidget& w, const QString& nome) {
  T* c = w.findChild<T*>(nome);
  if (!c) qFatal("missing control %s", qPrintable(nome));
  return c;
}

QString testo(const QWidget& w, const QString& nome) {
  if (auto* l = w.findChild<QLineEdit*>(nome)) return l->text();
  if (auto* l = w.findChild<QLabel*>(nome)) return l->text();
  return trova<QPlainTextEdit>(w, nome)->toPlainText();
}

void clic(const QWidget& w, const QString& nome) { trova<QAbstractButton>(w, nome)->click(); }

QString dalCore(const std::string& s) { return QString::fromStdString(s).replace("\r\n", "\n"); }

QString numeri(const Griglia90& g) {
  QStringList l;
  for (int r = 0; r < g.ContaRighe(); ++r) l << g.Testo(r, 0);
  return l.join(' ');
}

// The choices the tests make: spy 1, 2 colpi, whole archive; ambate 2 and 20 active.
ParametriStatistica Scelte() { return {.Colpi = 2, .Fine = 10, .Separatore = ','}; }
void Scegli(Frmstatproduttore& f) { trova<QComboBox>(f, "Cmbcolpi")->setCurrentIndex(1); }

// Starts a best-ambata search that pauses a minute after each candidate, and
// returns once the first candidate, 1, is in its box.
bool AvviaRicercaLenta(Frmstatproduttore& f) {
  RicercaInSottofondo::ImpostaPausaTraCandidati(std::chrono::seconds(60));
  f.show();
  Scegli(f);
  QSignalSpy candidato(trova<QLineEdit>(f, "Txtambata2"), &QLineEdit::textChanged);
  clic(f, "cmdsec");
  return candidato.wait(30000) && testo(f, "Txtambata2") == "1";
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
    Stato().ArchivePath = cartella_.filePath("estrazioni.txt").toStdString();
    std::ofstream(Stato().ArchivePath, std::ios::binary | std::ios::trunc) << prova::TestoBari(kBari);
    archivio_ = prova::ArchivioBari(kBari);
    RicercaInSottofondo::ImpostaPausaTraCandidati(std::chrono::milliseconds(0));
  }
  void cleanupTestCase() {
    impostaMessaggi(nullptr);
    impostaStampante(nullptr);
  }

  void theStatisticOfTheChoicesIsShown() {
    Frmstatproduttore f;
    // A short archive: the span is all of it.
    QCOMPARE(trova<QComboBox>(f, "CmbdataInizio")->currentIndex(), 0);
    QCOMPARE(trova<QComboBox>(f, "CmbDataFine")->currentIndex(), 9);
    QVERIFY(!trova<QPushButton>(f, "CmdStampa")->isEnabled());
    Scegli(f);
    clic(f, "cmdStart");
    ParametriStatistica p = Scelte();
    EsitoStatistica e = CalcolaStatisticaCompleta(p, archivio_);
    QVERIFY(messaggi_.ricevuti.isEmpty());
    QCOMPARE(testo(f, "Lbtotestrazioni") + " " + testo(f, "lbCasiGiocabili"), QString("10 4"));
    QCOMPARE(testo(f, "TxtEsito"), dalCore(TestoDettaglioRicerca(e)));
    QCOMPARE(trova<QTableWidget>(f, "gridVincenti")->item(1, 2)->text(), QString("2050868788"));
    const auto& ab = *trova<Griglia90>(f, "Griglia90");
    const auto celle = CelleRiga(e.Abbinamenti, 50, ',');
    QCOMPARE(QStringList({ab.Testo(49, 0), ab.Testo(49, 1), ab.Testo(49, 2)}).join(' '),
             QString::fromStdString(celle[0] + " " + celle[1] + " " + celle[2]));
    QCOMPARE(testo(f, "lbPuroCaso"),
             dalCore(TestoBaseCasoKostanti(BaseCasoStatistica(p, e), e.PercentualeVincita, ',')));
    QVERIFY(trova<QPushButton>(f, "CmdStampa")->isEnabled());

    // The check boxes take part: without the secondary ambata only 2 plays.
    trova<QCheckBox>(f, "Chabbinamenti_0")->setChecked(false);
    clic(f, "cmdStart");
    p.Attiva[1] = false;
    QCOMPARE(testo(f, "TxtEsito"), dalCore(TestoDettaglioRicerca(CalcolaStatisticaCompleta(p, archivio_))));
  }

  void tableCommandsSortAndCut() {
    Frmstatproduttore f;
    Scegli(f);
    clic(f, "cmdStart");
    auto& frequenti = *trova<Griglia90>(f, "grigliafrequenti");
    clic(f, "Command2");  // TOP 5, then NON ORDINARE: five rows in number order
    QCOMPARE(numeri(frequenti), QStringLiteral("50 02 20 40 41"));
    clic(f, "Command3");
    QCOMPARE(numeri(frequenti), QStringLiteral("02 20 40 41 50"));
    auto& tabella = *trova<Griglia90>(f, "Griglia90");
    tabella.Ordina(1, Verso::Decrescente);
    clic(f, "Noordab");
    QCOMPARE(numeri(tabella).left(8), QStringLiteral("01 02 03"));
    clic(f, "cmdStart");  // a new run lays out the full tables again
    QCOMPARE(frequenti.ContaRighe(), 90);
  }

  void wrongChoicesAreNamedAndNothingRuns() {
    Frmstatproduttore f;
    Scegli(f);
    clic(f, "CmdStartAbb");  // before any statistic
    trova<QComboBox>(f, "Cmbcolpi")->setEditText("150");
    clic(f, "cmdStart");
    clic(f, "cmdsec");
    const TestiKostanti t{.Ruota = "Bari",
                          .Spia = "1",
                          .Posizione = "TUTTE",
                          .Colpi = "150",
                          .Inizio = "1",
                          .Fine = "10",
                          .Ambate = {"2", "20", "1"},
                          .ContaRecord = 10};
    const QString colpi = QString::fromStdString(LeggiScelteKostanti(t).Errore);
    QVERIFY(colpi.startsWith("Colpi: \"150\""));
    QCOMPARE(messaggi_.testi(), QStringList({QString::fromUtf8(kMsgNessunaVincita), colpi, colpi}));
    QVERIFY(!f.RicercaInCorso() && testo(f, "Lbtotestrazioni").isEmpty() && testo(f, "TxtEsito").isEmpty());

    messaggi_.ricevuti.clear();
    Scegli(f);
    for (const char* c : {"Chabbinamenti_3", "Chabbinamenti_0"}) trova<QCheckBox>(f, c)->setChecked(false);
    clic(f, "CmdStartAbb");
    clic(f, "cmdStart");
    QCOMPARE(messaggi_.testi(),
             QStringList({QString::fromUtf8(kMsgNessunaAmbataCapigioco), QString::fromUtf8(kMsgNessunaAmbata)}));
  }

  void pairingSearchUsesTheChosenModeAndCount() {
    Frmstatproduttore f;
    Scegli(f);
    clic(f, "cmdStart");
    const EsitoStatistica e = CalcolaStatisticaCompleta(Scelte(), archivio_);
    ParametriAbbinamenti p{.Quanti = 3, .Capigioco = {"2", "20", ""}, .Abbinamenti = {}, .Separatore = ','};
    clic(f, "CmdStartAbb");  // Auto, three pairings
    EsitoAbbinamenti r = RicercaAbbinamenti(p, e);
    QCOMPARE(QStringList({testo(f, "Txtabb_0"), testo(f, "Txtabb_1"), testo(f, "Txtabb_2"), testo(f, "Txtabb_3")}),
             QStringList({QString::fromStdString(r.Abbinamenti[0]), QString::fromStdString(r.Abbinamenti[1]),
                          QString::fromStdString(r.Abbinamenti[2]), QString()}));
    QCOMPARE(testo(f, "txtesitoambo"), dalCore(r.Testo));
    QCOMPARE(trova<Griglia90>(f, "Griglia90")->Testo(0, 0), QString("%1").arg(r.Classifica[1], 2, 10, QChar('0')));

    clic(f, "Opricerca_1");  // Manuale, two pairings: the typed one and an empty one
    clic(f, "Opnumabb_1");
    trova<QLineEdit>(f, "Txtabb_0")->setText("86");
    trova<QLineEdit>(f, "Txtabb_1")->clear();
    clic(f, "CmdStartAbb");
    p.Modo = ModoAbbinamenti::Manuale;
    p.Quanti = 2;
    p.Abbinamenti = {"86", "", "", "", ""};
    QCOMPARE(testo(f, "txtesitoambo"), dalCore(RicercaAbbinamenti(p, e).Testo));
    QVERIFY(messaggi_.ricevuti.isEmpty());
  }

  void aStoppedSearchShowsItsBestSoFar() {
    Frmstatproduttore f;
    QVERIFY(AvviaRicercaLenta(f));
    QVERIFY(f.RicercaInCorso());
    QVERIFY(trova(f, "LbAttendere")->isVisible() && trova(f, "TxtEsito")->isHidden());
    QVERIFY(trova(f, "cmdStart")->isHidden() && trova(f, "Frbest")->isHidden());
    QSignalSpy conclusa(&f, &Frmstatproduttore::ricercaConclusa);
    clic(f, "CmdStop");
    QVERIFY(conclusa.wait(30000));
    QVERIFY(!f.RicercaInCorso());
    // Candidate 1, the only one tried, is the best: its statistic is shown.
    ParametriStatistica p = Scelte();
    p.Ambata[1] = 1;
    QCOMPARE(testo(f, "txtAmbata") + " " + testo(f, "Txtambata2"), QString("2 1"));
    QCOMPARE(testo(f, "TxtEsito"), dalCore(TestoDettaglioRicerca(CalcolaStatisticaCompleta(p, archivio_))));
    QVERIFY(trova(f, "TxtEsito")->isVisible() && trova(f, "LbAttendere")->isHidden());
    QVERIFY(trova(f, "cmdStart")->isVisible() && trova(f, "Frbest")->isVisible());
    QVERIFY(testo(f, "lbFuoriCampione").isEmpty());  // a stopped search is not checked out of sample
  }

  void aSearchRunToTheEndIsCheckedOutOfSample() {
    Frmstatproduttore f;
    Scegli(f);
    clic(f, "opAmbata_0");                      // the principal alone varies
    trova<QLineEdit>(f, "txtAmbata")->clear();  // the box the search fills may be empty
    QSignalSpy conclusa(&f, &Frmstatproduttore::ricercaConclusa);
    clic(f, "cmdsec");
    QVERIFY(conclusa.wait(30000));
    QVERIFY(messaggi_.ricevuti.isEmpty());
    // The winner is judged against the best of the candidates run.
    QVERIFY2(testo(f, "lbPuroCaso").contains(" candidati arriverebbe a "), qPrintable(testo(f, "lbPuroCaso")));
    ParametriMiglioreAmbata p{.Statistica = Scelte(), .Varia = AmbataVariata::Principale};
    p.Statistica.Attiva = {true, false, false};
    const auto r = CercaFuoriCampione(p, archivio_);
    QCOMPARE(testo(f, "lbFuoriCampione"), dalCore(TestoRigaFuoriCampione(r.Esito, kQuotaCampione, ',')));
    const EsitoMiglioreAmbata tutta = CercaMiglioreAmbata(p, archivio_);
    QCOMPARE(testo(f, "txtAmbata"), QString::number(tutta.Migliore));
    QCOMPARE(testo(f, "TxtEsito"), dalCore(TestoDettaglioRicerca(tutta.Esito)));
    clic(f, "cmdStart");  // a plain statistic is no search
    QVERIFY(testo(f, "lbFuoriCampione").isEmpty());
  }

  // Cut short: nothing may outlive the window or touch it once gone, and
  // the window never waits for the whole search (a minute per candidate).
  void aSearchIsCutShortByCalcolaOrByClosing() {
    QElapsedTimer orologio;
    orologio.start();
    {
      Frmstatproduttore f;
      QVERIFY(AvviaRicercaLenta(f));
      clic(f, "cmdStart");
      QVERIFY(!f.RicercaInCorso());
      QCoreApplication::sendPostedEvents();                    // late notices of the abandoned search change nothing
      QCOMPARE(testo(f, "Txtambata2"), QStringLiteral("20"));  // the box gets its value back
      QCOMPARE(testo(f, "TxtEsito"), dalCore(TestoDettaglioRicerca(CalcolaStatisticaCompleta(Scelte(), archivio_))));
    }
    QPointer<Frmstatproduttore> f = new Frmstatproduttore;
    QVERIFY(AvviaRicercaLenta(*f));
    f->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.isNull());

    auto impostazioni = prova::ImpostazioniTemporanee();
    frmMain principale;
    RegistraFinestreKostanti(principale);
    principale.show();
    f = qobject_cast<Frmstatproduttore*>(principale.apriFinestra("mnuspric"));
    QVERIFY(f && AvviaRicercaLenta(*f));
    QVERIFY(principale.close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.isNull() && orologio.elapsed() < 30000);
  }

  void printsTheTableOfTheTabInView() {
    Frmstatproduttore f;
    Scegli(f);
    clic(f, "cmdStart");
    trova<QTabWidget>(f, "SSTab1")->setCurrentIndex(3);
    clic(f, "Command2");  // the five most frequent
    stampante_.printer().setOutputFileName(cartella_.filePath("frequenti.pdf"));
    clic(f, "CmdStampa");
    const QString stampato = stampante_.testo().simplified();
    QVERIFY2(stampato.contains("KOSTANTI - Ruota: Bari - Spia: 1 (TUTTE) - Colpi: 2 - Ambate: 02 20 - Estr. 1-10") &&
                 stampato.contains("Ritar. Rel. 50 2 8,00 0 02 1 4,00") && !stampato.contains(" 42 "),
             qPrintable(stampato));
  }

 private:
  QTemporaryDir cartella_;
  ArchivioEstrazioni archivio_;
  prova::FintiMessaggi messaggi_;
  prova::FintaStampante stampante_;
};

QTEST_MAIN(FrmstatproduttoreTest)
#include "Frmstatproduttore_test.moc"
