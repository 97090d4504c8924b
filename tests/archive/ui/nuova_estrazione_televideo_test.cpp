// The pasted-draw window driven as a user would: the instructions, a page
// pasted from the clipboard, filtered into the grid and saved; an incomplete
// paste; the links; the window opened modal from the main window's menu.
#include <QtTest>
#include <QtWidgets>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "archive/FiltroEstrazione.h"
#include "archive/SitiEstrazioni.h"
#include "archive/ui/GrigliaEstrazione.h"
#include "archive/ui/RegistroArchivio.h"
#include "archive/ui/frmmunInserisciNuovaEstrazioneTELEVIDEO.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"
#include "support/PagineProva.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

const QString kErrori =
    QStringLiteral("Attenzione ci sono errori nell'inserimento dei numeri. Continuo con il salvataggio?");
const QString kConferma = QStringLiteral("Confermi l'inserimento dell'estrazione nell'archivio?");
const QString kSuccesso = QStringLiteral("Memorizzazione avvenuta con successo");

QString pagina(const char* nome) { return QString::fromStdString(CartellaTemporanea::Leggi(PercorsoPagina(nome))); }

}  // namespace

class NuovaEstrazioneTelevideoTest : public QObject {
  Q_OBJECT

  CartellaTemporanea cartella_;
  FintiMessaggi messaggi_;
  FintiAppunti appunti_;
  FintoBrowser browser_;
  std::unique_ptr<frmmunInserisciNuovaEstrazioneTELEVIDEO> f_;

  template <typename T>
  T* c(const char* nome) const {
    return f_->findChild<T*>(QString::fromLatin1(nome));
  }
  QPlainTextEdit* box() const { return c<QPlainTextEdit>("Txtestrazione"); }
  void clic(const char* nome) { QTest::mouseClick(c<QPushButton>(nome), Qt::LeftButton); }
  QString riga(int r) const {
    QStringList n;
    for (int k = 1; k <= 5; ++k) n << f_->Griglia()->Cella(r, k);
    return n.join(' ');
  }
  QString nazionale() const {
    QStringList n;
    for (int k = 0; k < 5; ++k) n << c<QLineEdit>(qPrintable(QStringLiteral("Txtnaz_%1").arg(k)))->text();
    return n.join(' ');
  }
  std::string archivio() const { return CartellaTemporanea::Leggi(Stato().ArchivePath); }

 private slots:
  void initTestCase() {
    impostaMessaggi(&messaggi_);
    impostaAppunti(&appunti_);
    impostaBrowser(&browser_);
    Stato().ArchivePath = cartella_.File("estrazioni.txt");
  }
  void init() {
    cartella_.Scrivi("estrazioni.txt", Unisci({kR1, kR2, kR3}));
    Stato().ArchivioModificato = false;
    messaggi_.ricevuti.clear();
    messaggi_.risposte.clear();
    messaggi_.risposta = true;
    f_ = std::make_unique<frmmunInserisciNuovaEstrazioneTELEVIDEO>();
    f_->show();
    QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
  }
  void cleanup() { f_.reset(); }

  void opensOnTheInstructionsAndTheLinks() {
    QCOMPARE(f_->windowTitle(), QStringLiteral("Inserimento Nuova Estarzione da: TELEVIDEO o MEMORIA"));
    QCOMPARE(c<QPushButton>("cmdSalva")->text(), QStringLiteral("&SALVA Estraz."));
    QCOMPARE(c<QPushButton>("CmdFiltra")->text(), QStringLiteral("&FILTRA  Estraz."));
    QCOMPARE(c<QLabel>("Label8")->text(), QStringLiteral("Passo 3:"));
    QVERIFY(!c<QPushButton>("cmdSalva")->isEnabled());
    QCOMPARE(c<QLabel>("lbdata")->text(), QStringLiteral("21/01/1939"));

    QCOMPARE(box()->toPlainText(), QString::fromStdString(IstruzioniFiltro()).replace("\r\n", "\n"));
    QVERIFY(!f_->TestoUtente());
    // A key typed over the instructions starts the user's text, as a click does.
    QTest::keyClicks(box(), "x");
    QCOMPARE(box()->toPlainText(), QStringLiteral("x"));
    QVERIFY(f_->TestoUtente());

    auto* siti = c<QComboBox>("cmbTLV");
    QCOMPARE(siti->count(), 5);
    QCOMPARE(siti->currentIndex(), 0);
    siti->setCurrentIndex(3);
    clic("CmdGoTelevideo");
    QCOMPARE(browser_.aperti, QStringList{QString::fromLatin1(kSitiEstrazioni[3].data())});
  }

  void pastedPageFilteredAndSaved() {
    // An empty clipboard changes nothing.
    clic("CmdIncolla");
    QCOMPARE(messaggi_.testi(), QStringList{QStringLiteral("Gli Appunti non contengono nessun testo.")});
    QVERIFY(!f_->TestoUtente());
    // A click empties the instructions for the user's own text.
    QTest::mouseClick(box()->viewport(), Qt::LeftButton);
    QVERIFY(box()->toPlainText().isEmpty() && f_->TestoUtente());

    appunti_.contenuto = pagina("televideo.txt");
    clic("CmdIncolla");
    QVERIFY(f_->TestoUtente());
    QVERIFY(box()->toPlainText().contains(QStringLiteral("  ESTRAZIONE DEL 10/01/26   N. 4\n")));

    clic("CmdFiltra");
    QCOMPARE(box()->toPlainText(), QStringLiteral("Data: 10/01/2026\nNazionale  12 65 03 89 46\n"
                                                  "Bari  23 45 08 67 11\nCagliari  90 01 34 56 72\n"
                                                  "Firenze  14 03 77 29 60\nGenova  05 88 41 19 36\n"
                                                  "Milano  62 70 09 44 13\nNapoli  31 02 85 58 27\n"
                                                  "Palermo  48 66 17 04 79\nRoma  10 53 38 81 06\n"
                                                  "Torino  57 24 69 15 40\nVenezia  33 86 21 50 07\n"));
    QCOMPARE(f_->DataScelta()->date(), QDate(2026, 1, 10));
    QCOMPARE(riga(1), QStringLiteral("23 45 08 67 11"));
    QCOMPARE(riga(10), QStringLiteral("33 86 21 50 07"));
    QCOMPARE(nazionale(), QStringLiteral("12 65 03 89 46"));
    QVERIFY(c<QPushButton>("cmdSalva")->isEnabled());
    QVERIFY(f_->Griglia()->Testo()->isVisible());
    QCOMPARE(f_->Griglia()->Corrente().riga, 1);
    QCOMPARE(f_->Griglia()->Corrente().colonna, 1);
    QVERIFY(messaggi_.ricevuti.size() == 1 && archivio() == Unisci({kR1, kR2, kR3}));  // nothing written yet

    // The other pages give the same draw, as on the command line.
    for (const char* altra : {"agenzia.txt", "messaggio.txt", "televideo.txt"}) {
      appunti_.contenuto = pagina(altra);
      clic("CmdIncolla");
      clic("CmdFiltra");
      QCOMPARE(f_->DataScelta()->date(), QDate(2026, 1, 10));
      for (int r = 1; r <= 10; ++r)
        QCOMPARE(riga(r).remove(' ').toStdString(), kRecordPagine.substr(static_cast<std::size_t>(11 * r), 10));
    }

    messaggi_.ricevuti.clear();
    clic("cmdSalva");
    QCOMPARE(messaggi_.testi(), (QStringList{kConferma, kSuccesso}));
    // The Nazionale is shown, never stored.
    QCOMPARE(archivio(), Unisci({kR1, kR2, kR3, kRecordPagine}));
    QVERIFY(Stato().ArchivioModificato);
    QCOMPARE(c<QLabel>("Lbcontatore")->text(), QStringLiteral("4"));
  }

  void incompletePasteAsksBeforeSaving() {
    // No date: the picker keeps the last draw's date; missing numbers ask the error question.
    appunti_.contenuto = QStringLiteral("Bari 5 91 12 x 34\r\nRoma 1 2 3 4 5\r\n");
    clic("CmdIncolla");
    clic("CmdFiltra");
    QVERIFY(box()->toPlainText().startsWith(QStringLiteral("Bari 5 91 12 x 34\nRoma 1 2 3 4 5\n \nNazionale\n")));
    QCOMPARE(f_->DataScelta()->date(), QDate(1939, 1, 21));
    QCOMPARE(riga(1), QStringLiteral("05 12 34 01 02"));
    QCOMPARE(riga(2), QStringLiteral("    "));
    QCOMPARE(nazionale(), QStringLiteral("    "));
    messaggi_.risposte = {false};
    clic("cmdSalva");
    QCOMPARE(messaggi_.testi().first(), kErrori);
    QCOMPARE(archivio(), Unisci({kR1, kR2, kR3}));
  }

  void fromTheMenuModal() {
    f_.reset();
    auto impostazioni = ImpostazioniTemporanee();
    frmMain m;
    RegistraFinestreArchivio(m);
    m.show();
    bool controllato = false;
    QTimer::singleShot(0, &m, [&] {
      auto* w = qobject_cast<frmmunInserisciNuovaEstrazioneTELEVIDEO*>(QApplication::activeModalWidget());
      QVERIFY(w && w->isModal());
      QTest::mouseClick(w->findChild<QPushButton*>("CmDEsci"), Qt::LeftButton);
      controllato = true;
    });
    m.findChild<QAction*>("mnuinstele")->trigger();
    QVERIFY(controllato);
    QVERIFY(!QApplication::activeModalWidget());
  }
};

QTEST_MAIN(NuovaEstrazioneTelevideoTest)
#include "nuova_estrazione_televideo_test.moc"
