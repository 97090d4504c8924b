// The new-draw window driven as a user would: the last draw on opening, a
// typed entry saved, the two questions, refused and failed saves, an empty
// archive, and the window opened modal from the main window's menu.
#include <QtTest>
#include <QtWidgets>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "archive/ui/GrigliaEstrazione.h"
#include "archive/ui/RegistroArchivio.h"
#include "archive/ui/frmmunInserisciNuovaEstrazione.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

const QString kErrori =
    QStringLiteral("Attenzione ci sono errori nell'inserimento dei numeri. Continuo con il salvataggio?");
const QString kConferma = QStringLiteral("Confermi l'inserimento dell'estrazione nell'archivio?");
const QString kSuccesso = QStringLiteral("Memorizzazione avvenuta con successo");

// The last draw has Bari 05 12 00 00 90, every other wheel 01..05.
const std::string kUltimo = RecordBari("30/12/2006", {5, 12, 0, 0, 90});

// Wheel r (1..10), place k (1..5) of the draws typed in: r * 8 + k.
int numero(int r, int k) { return r * 8 + k; }

}  // namespace

class NuovaEstrazioneTest : public QObject {
  Q_OBJECT

  CartellaTemporanea cartella_;
  FintiMessaggi messaggi_;
  std::unique_ptr<frmmunInserisciNuovaEstrazione> f_;

  template <typename T>
  T* c(const char* nome) const {
    return f_->findChild<T*>(QString::fromLatin1(nome));
  }
  GrigliaEstrazione* griglia() const { return c<GrigliaEstrazione>("Griglia"); }
  QString etichette() const { return c<QLabel>("Lbcontatore")->text() + " " + c<QLabel>("lbdata")->text(); }
  std::string archivio() const { return CartellaTemporanea::Leggi(Stato().ArchivePath); }

  void apri(const std::string& contenuto) {
    std::filesystem::remove(Stato().ArchivePath);
    if (!contenuto.empty()) cartella_.Scrivi("estrazioni.txt", contenuto);
    f_ = std::make_unique<frmmunInserisciNuovaEstrazione>();
    f_->show();
    QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
  }
  // Types every number through the editor, Enter after each, leaving `vuota` (r, k) empty.
  void digitaTutto(std::pair<int, int> vuota = {0, 0}) {
    QTest::mouseClick(c<QPushButton>("cmdinserisci"), Qt::LeftButton);
    c<QDateEdit>("datascelta")->setDate(QDate(2007, 1, 6));
    for (int r = 1; r <= 10; ++r)
      for (int k = 1; k <= 5; ++k) {
        if (std::pair{r, k} != vuota) QTest::keyClicks(griglia()->Testo(), QString::number(numero(r, k)));
        QTest::keyClick(griglia()->Testo(), Qt::Key_Return);
      }
  }
  void salva(QList<bool> risposte) {
    messaggi_.ricevuti.clear();
    messaggi_.risposte = std::move(risposte);
    QTest::mouseClick(c<QPushButton>("cmdSalva"), Qt::LeftButton);
  }
  std::string recordAtteso(const std::string& data, std::pair<int, int> vuota = {0, 0}) const {
    std::vector<int> n;
    for (int r = 1; r <= 10; ++r)
      for (int k = 1; k <= 5; ++k) n.push_back(std::pair{r, k} == vuota ? 0 : numero(r, k));
    return Record(data, n);
  }

 private slots:
  void initTestCase() {
    impostaMessaggi(&messaggi_);
    Stato().ArchivePath = cartella_.File("estrazioni.txt");
  }
  void init() {
    messaggi_ = FintiMessaggi();
    Stato().ArchivioModificato = false;
  }
  void cleanup() { f_.reset(); }

  void opensOnTheLastStoredDraw() {
    apri(Unisci({kR1, kR2, kUltimo}));
    QCOMPARE(f_->windowTitle(), QStringLiteral("Inserimento Nuova Estarzione"));
    const std::pair<const char*, const char*> testi[] = {
        {"cmdinserisci", "&Inserisci Nuova Estrazione"}, {"cmdSalva", "&Salva Estrazione"}, {"CmDEsci", "Esci"}};
    for (const auto& [nome, testo] : testi) QCOMPARE(c<QPushButton>(nome)->text(), QString::fromUtf8(testo));
    const std::pair<const char*, const char*> etichetteFisse[] = {{"Label1", "Ultima Estrazione num."},
                                                                  {"Label2", "Data Ultima Estrazione:"},
                                                                  {"Label3", "Data Estrazione da Inserire:"}};
    for (const auto& [nome, testo] : etichetteFisse) QCOMPARE(c<QLabel>(nome)->text(), QString::fromUtf8(testo));
    QVERIFY(c<QGroupBox>("Frame1") && c<QGroupBox>("frmdata")->isHidden());
    QCOMPARE(etichette(), QStringLiteral("3 30/12/2006"));
    QCOMPARE(c<QDateEdit>("datascelta")->date(), QDate(2006, 12, 30));
    QCOMPARE(griglia()->Cella(1, 1), QStringLiteral("05"));
    QCOMPARE(griglia()->Cella(1, 3), QStringLiteral("00"));
    QCOMPARE(griglia()->Cella(10, 5), QStringLiteral("05"));
    QVERIFY(!c<QPushButton>("cmdSalva")->isEnabled());
    QVERIFY(!griglia()->Testo()->hasFrame());
    QTest::mouseClick(griglia()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));  // shows, does not edit
    QVERIFY(griglia()->Testo()->isHidden());
  }

  void typedDrawsAreAppendedOneAfterAnother() {
    const std::string prima = Unisci({kR1, kR2, kUltimo});
    apri(prima);
    QTest::mouseClick(c<QPushButton>("cmdinserisci"), Qt::LeftButton);
    QVERIFY(c<QGroupBox>("frmdata")->isVisible());
    QVERIFY(griglia()->Testo()->isVisible());
    QCOMPARE(griglia()->Corrente().riga * 10 + griglia()->Corrente().colonna, 11);
    QCOMPARE(griglia()->Cella(1, 1), QString());
    QCOMPARE(QApplication::focusWidget(), c<QDateEdit>("datascelta"));
    QCOMPARE(c<QDateEdit>("datascelta")->date(), QDate(2006, 12, 30));  // unchanged by Inserisci

    digitaTutto();
    salva({true});
    QCOMPARE(messaggi_.testi(), (QStringList{kConferma, kSuccesso}));
    QCOMPARE(archivio(), prima + "\r\n" + recordAtteso("06/01/2007"));
    QCOMPARE(etichette(), QStringLiteral("4 06/01/2007"));
    QCOMPARE(griglia()->Cella(1, 1), QStringLiteral("09"));  // the stored form
    QCOMPARE(c<QDateEdit>("datascelta")->date(), QDate(2007, 1, 6));
    QVERIFY(!c<QPushButton>("cmdSalva")->isEnabled() && c<QGroupBox>("frmdata")->isHidden());
    QVERIFY(Stato().ArchivioModificato);

    digitaTutto();  // the next one, without closing the window
    c<QDateEdit>("datascelta")->setDate(QDate(2007, 1, 9));
    salva({true});
    QCOMPARE(archivio().size(), std::size_t{123 * 5 - 2});
    QCOMPARE(etichette(), QStringLiteral("5 09/01/2007"));
  }

  void errorsAndRefusalsLeaveTheEntryEditable() {
    const std::string prima = Unisci({kR1, kUltimo});
    apri(prima);
    digitaTutto({2, 3});
    salva({false});  // Cancel on the error question: nothing more is asked
    QCOMPARE(messaggi_.testi(), QStringList{kErrori});
    QCOMPARE(messaggi_.ricevuti[0].tipo, QStringLiteral("okAnnulla"));
    QCOMPARE(griglia()->Cella(2, 3), QStringLiteral("00"));  // normalised all the same
    QCOMPARE(griglia()->Cella(1, 1), QStringLiteral("09"));
    QVERIFY(c<QPushButton>("cmdSalva")->isEnabled() && griglia()->Input() && griglia()->Testo()->isHidden());
    griglia()->ApriEditor(2, 3);  // the user corrects the number and saves again
    QTest::keyClicks(griglia()->Testo(), "19");
    salva({false});  // no error now, so only the confirmation: No
    QCOMPARE(messaggi_.testi(), QStringList{kConferma});
    QCOMPARE(archivio(), prima);
    QVERIFY(c<QPushButton>("cmdSalva")->isEnabled() && griglia()->Input());
    QVERIFY(!Stato().ArchivioModificato);

    griglia()->ImpostaCella(2, 3, QString());
    salva({true, true});  // OK, then Yes: stored as "00"
    QCOMPARE(messaggi_.testi(), (QStringList{kErrori, kConferma, kSuccesso}));
    QCOMPARE(archivio(), prima + "\r\n" + recordAtteso("06/01/2007", {2, 3}));
  }

  void unexpectedDatesAreSavedWithARemark() {
    apri(Unisci({kR1, kR2, kUltimo}));
    digitaTutto();
    c<QDateEdit>("datascelta")->setDate(QDate(2006, 12, 30));
    salva({false});
    QCOMPARE(messaggi_.testi(),
             QStringList{kConferma + "\nAttenzione: l'archivio contiene già un'estrazione del 30/12/2006."});
    c<QDateEdit>("datascelta")->setDate(QDate(2006, 12, 1));
    salva({true});
    QCOMPARE(messaggi_.testi()[0],
             kConferma + "\nAttenzione: la data non è successiva a quella dell'ultima estrazione (30/12/2006).");
    QCOMPARE(etichette(), QStringLiteral("4 01/12/2006"));
  }

  void emptyArchiveAndFailedWrite() {
    apri("");  // no file: an empty grid, counter 0, today's date
    QCOMPARE(etichette(), QStringLiteral("0 "));
    QCOMPARE(c<QDateEdit>("datascelta")->date(), QDate::currentDate());
    QCOMPARE(griglia()->Cella(1, 1), QString());
    digitaTutto();
    salva({true});
    QCOMPARE(archivio(), recordAtteso("06/01/2007"));  // the first record, no line break
    QCOMPARE(etichette(), QStringLiteral("1 06/01/2007"));

    Stato().ArchivioModificato = false;
    const std::string percorso = Stato().ArchivePath;
    Stato().ArchivePath = cartella_.File("cartella");  // a folder cannot be appended to
    std::filesystem::create_directory(Stato().ArchivePath);
    digitaTutto();
    salva({true});
    Stato().ArchivePath = percorso;
    QCOMPARE(messaggi_.ricevuti.size(), 2);
    QVERIFY2(messaggi_.testi()[1].startsWith("L'estrazione non è stata salvata. Impossibile"),
             qPrintable(messaggi_.testi()[1]));
    QVERIFY(!Stato().ArchivioModificato);
    QVERIFY(c<QPushButton>("cmdSalva")->isEnabled() && griglia()->Input());
    QCOMPARE(griglia()->Cella(10, 5), QStringLiteral("85"));
  }

  void fromTheMenuModalSurvivingMinimise() {
    apri(Unisci({kR1, kUltimo}));
    f_.reset();
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
    });
    QTimer::singleShot(50, &m, [&] {  // back in the wait: still waited for, entry intact
      QVERIFY(w && QApplication::activeModalWidget() == w);
      QCOMPARE(w->Griglia()->Cella(1, 1), QStringLiteral("42"));
      QTest::mouseClick(w->findChild<QPushButton*>("CmDEsci"), Qt::LeftButton);
      controllato = true;
    });
    m.findChild<QAction*>("mnuinsestman")->trigger();
    QVERIFY(controllato);
    QVERIFY(!w && !QApplication::activeModalWidget());
    QCOMPARE(archivio(), Unisci({kR1, kUltimo}));  // Esci drops the entry
    QVERIFY(!Stato().ArchivioModificato);
  }
};

QTEST_MAIN(NuovaEstrazioneTest)
#include "nuova_estrazione_test.moc"
