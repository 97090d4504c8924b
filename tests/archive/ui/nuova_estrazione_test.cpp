// The new-draw window driven as a user would: typed entries saved, the
// questions, refused and failed saves, the modal wait from the menu.
#include <QtTest>
#include <QtWidgets>

#include "app/ui/frmMain.h"
#include "archive/ScritturaArchivio.h"
#include "archive/ui/GrigliaEstrazione.h"
#include "archive/ui/RegistroArchivio.h"
#include "archive/ui/frmmunInserisciNuovaEstrazione.h"
#include "archive/ui/frmmunInserisciNuovaEstrazioneTELEVIDEO.h"
#include "support/FinestraArchivio.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

// The last draw has Bari 05 12 00 00 90, every other wheel 01..05.
const std::string kUltimo = RecordBari("30/12/2006", {5, 12, 0, 0, 90});

// Wheel r (1..10), place k (1..5) of the draws typed in: r * 8 + k.
int numero(int r, int k) { return r * 8 + k; }

}  // namespace

class NuovaEstrazioneTest : public QObject, FinestraArchivio<frmmunInserisciNuovaEstrazione> {
  Q_OBJECT

  GrigliaEstrazione* griglia() const { return c<GrigliaEstrazione>("Griglia"); }
  QString etichette() const { return c<QLabel>("Lbcontatore")->text() + " " + c<QLabel>("lbdata")->text(); }
  // Types every number through the editor, Enter after each, leaving `vuota` (r, k) empty.
  void digitaTutto(std::pair<int, int> vuota = {0, 0}) {
    clic("cmdinserisci");
    c<QDateEdit>("datascelta")->setDate(QDate(2007, 1, 6));
    for (int r = 1; r <= 10; ++r)
      for (int k = 1; k <= 5; ++k) {
        if (std::pair{r, k} != vuota) QTest::keyClicks(griglia()->Testo(), QString::number(numero(r, k)));
        QTest::keyClick(griglia()->Testo(), Qt::Key_Return);
      }
  }
  std::string recordAtteso(const std::string& data, std::pair<int, int> vuota = {0, 0}) const {
    std::vector<int> n;
    for (int r = 1; r <= 10; ++r)
      for (int k = 1; k <= 5; ++k) n.push_back(std::pair{r, k} == vuota ? 0 : numero(r, k));
    return Record(data, n);
  }

 private slots:
  void init() {
    messaggi_ = FintiMessaggi();
    Stato().ArchivioModificato = false;
  }
  void cleanup() { f_.reset(); }

  void opensOnTheLastDrawThenAppendsTypedDraws() {
    const std::string prima = Unisci({kR1, kR2, kUltimo});
    apri(prima);
    QCOMPARE(etichette(), QStringLiteral("3 30/12/2006"));
    QCOMPARE(griglia()->Cella(1, 1) + griglia()->Cella(1, 3) + griglia()->Cella(10, 5), QStringLiteral("050005"));
    QVERIFY(!c<QPushButton>("cmdSalva")->isEnabled() && c<QGroupBox>("frmdata")->isHidden());

    clic("cmdinserisci");
    QVERIFY(c<QGroupBox>("frmdata")->isVisible() && griglia()->Testo()->isVisible());
    QCOMPARE(griglia()->Corrente().riga * 10 + griglia()->Corrente().colonna + griglia()->Cella(1, 1).size(), 11);
    QCOMPARE(QApplication::focusWidget(), c<QDateEdit>("datascelta"));
    QCOMPARE(c<QDateEdit>("datascelta")->date(), QDate(2006, 12, 30));  // the last draw's, unchanged by Inserisci

    digitaTutto();
    salva({true});
    QCOMPARE(messaggi_.testi(), (QStringList{kConferma, kSuccesso}));
    QCOMPARE(archivio(), prima + "\r\n" + recordAtteso("06/01/2007"));
    QCOMPARE(etichette(), QStringLiteral("4 06/01/2007"));
    QCOMPARE(griglia()->Cella(1, 1), QStringLiteral("09"));  // the stored form
    QVERIFY(!c<QPushButton>("cmdSalva")->isEnabled() && c<QGroupBox>("frmdata")->isHidden());
    QVERIFY(Stato().ArchivioModificato);

    // The next one, without closing the window; an unexpected date is saved with a remark.
    digitaTutto();
    c<QDateEdit>("datascelta")->setDate(QDate(2007, 1, 5));
    salva({true});
    QCOMPARE(messaggi_.testi()[0],
             kConferma + "\nAttenzione: la data non è successiva a quella dell'ultima estrazione (06/01/2007).");
    QCOMPARE(etichette(), QStringLiteral("5 05/01/2007"));
  }

  void errorsAndRefusalsLeaveTheEntryEditable() {
    const std::string prima = Unisci({kR1, kUltimo});
    apri(prima);
    digitaTutto({2, 3});
    salva({false});  // Cancel on the error question: nothing more is asked
    QCOMPARE(messaggi_.testi(), QStringList{kErrori});
    QCOMPARE(messaggi_.ricevuti[0].tipo, QStringLiteral("okAnnulla"));
    QCOMPARE(griglia()->Cella(2, 3) + griglia()->Cella(1, 1), QStringLiteral("0009"));  // normalised all the same
    QVERIFY(c<QPushButton>("cmdSalva")->isEnabled() && griglia()->Input() && griglia()->Testo()->isHidden());
    salva({true, false});  // OK, then No to the confirmation
    QCOMPARE(archivio(), prima);
    QVERIFY(c<QPushButton>("cmdSalva")->isEnabled() && griglia()->Input() && !Stato().ArchivioModificato);
    salva({true, true});  // OK, then Yes: stored as "00"
    QCOMPARE(messaggi_.testi(), (QStringList{kErrori, kConferma, kSuccesso}));
    QCOMPARE(archivio(), prima + "\r\n" + recordAtteso("06/01/2007", {2, 3}));
  }

  // Another program adds the same draw while the question is on screen: the
  // date is checked again under the archive's lock, and the save asks again.
  void aDrawAddedMeanwhileIsSeenBeforeSaving() {
    struct AltroProgramma : FintiMessaggi {
      std::string record;
      bool conferma(QWidget* padre, const QString& testo) override {
        if (!record.empty()) AccodaRecord(Stato().ArchivePath, std::exchange(record, {}));
        return FintiMessaggi::conferma(padre, testo);
      }
    } altro;
    impostaMessaggi(&altro);
    apri(Unisci({kR1, kUltimo}));
    altro.record = recordAtteso("06/01/2007");
    digitaTutto();
    clic("cmdSalva");
    impostaMessaggi(&messaggi_);
    QVERIFY2(altro.testi().last().startsWith("L'estrazione non è stata salvata. Impossibile aggiungere") &&
                 altro.testi().last().contains("in uso da un altro programma"),
             qPrintable(altro.testi().last()));
    QCOMPARE(archivio(), Unisci({kR1, kUltimo, recordAtteso("06/01/2007")}));  // the other program's only
    QVERIFY(c<QPushButton>("cmdSalva")->isEnabled() && !Stato().ArchivioModificato);
  }

  void emptyArchive() {
    apri("");  // no file: an empty grid, counter 0, today's date
    QCOMPARE(etichette(), QStringLiteral("0 "));
    QCOMPARE(c<QDateEdit>("datascelta")->date(), QDate::currentDate());
    digitaTutto();
    salva({true});
    QCOMPARE(archivio(), recordAtteso("06/01/2007"));  // the first record, no line break
    QCOMPARE(etichette(), QStringLiteral("1 06/01/2007"));
  }

  void fromTheMenuModalSurvivingMinimise() {
    cartella_.Scrivi("estrazioni.txt", Unisci({kR1, kUltimo}));
    auto impostazioni = ImpostazioniTemporanee();
    frmMain m;
    RegistraFinestreArchivio(m);
    m.show();
    bool controllato = false;
    QPointer<frmmunInserisciNuovaEstrazione> w;
    QTimer::singleShot(0, &m, [&] {
      w = qobject_cast<frmmunInserisciNuovaEstrazione*>(QApplication::activeModalWidget());
      QVERIFY(w && w->isModal());
      QTest::mouseClick(w->findChild<QPushButton*>("cmdinserisci"), Qt::LeftButton);
      w->Griglia()->ApriEditor(1, 1);
      QTest::keyClicks(w->Griglia()->Testo(), "42");
      QHideEvent nascosta;  // what the window system sends on minimising
      QApplication::sendEvent(w, &nascosta);
      QTimer::singleShot(0, &m, [&] {  // the next turn of the wait: still waited for, entry intact
        QVERIFY(w && QApplication::activeModalWidget() == w);
        QCOMPARE(w->Griglia()->Cella(1, 1), QStringLiteral("42"));
        QTest::mouseClick(w->findChild<QPushButton*>("CmDEsci"), Qt::LeftButton);
        controllato = true;
      });
    });
    m.findChild<QAction*>("mnuinsestman")->trigger();
    QVERIFY(controllato);
    QVERIFY(!w && !QApplication::activeModalWidget());
    QCOMPARE(archivio(), Unisci({kR1, kUltimo}));  // Esci drops the entry
    QVERIFY(!Stato().ArchivioModificato);
    QTimer::singleShot(0, &m, [&] {  // the pasted-draw window, modal too
      auto* t = qobject_cast<frmmunInserisciNuovaEstrazioneTELEVIDEO*>(QApplication::activeModalWidget());
      QVERIFY(t && t->isModal());
      QTest::mouseClick(t->findChild<QPushButton*>("CmDEsci"), Qt::LeftButton);
    });
    m.findChild<QAction*>("mnuinstele")->trigger();
    QVERIFY(!QApplication::activeModalWidget());
  }
};

QTEST_MAIN(NuovaEstrazioneTest)
#include "nuova_estrazione_test.moc"
