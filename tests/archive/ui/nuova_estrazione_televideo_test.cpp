// The pasted-draw window driven as a user would: a page pasted, filtered into
// the grid and saved; an incomplete paste; the links; the modal window.
#include <QtTest>
#include <QtWidgets>

#include "app/ui/frmMain.h"
#include "archive/ArchivioNazionale.h"
#include "archive/FiltroEstrazione.h"
#include "archive/SitiEstrazioni.h"
#include "archive/ui/GrigliaEstrazione.h"
#include "archive/ui/frmmunInserisciNuovaEstrazioneTELEVIDEO.h"
#include "support/FinestraArchivio.h"
#include "support/PagineProva.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

QString pagina(const char* nome) { return QString::fromStdString(CartellaTemporanea::Leggi(PercorsoPagina(nome))); }

}  // namespace

class NuovaEstrazioneTelevideoTest : public QObject, FinestraArchivio<frmmunInserisciNuovaEstrazioneTELEVIDEO> {
  Q_OBJECT

  FintiAppunti appunti_;
  FintoBrowser browser_;

  QPlainTextEdit* box() const { return c<QPlainTextEdit>("Txtestrazione"); }
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

 private slots:
  void initTestCase() {
    impostaAppunti(&appunti_);
    impostaBrowser(&browser_);
  }
  void cleanupTestCase() {
    impostaAppunti(nullptr);
    impostaBrowser(nullptr);
  }
  void init() {
    Stato().ArchivioModificato = false;
    messaggi_ = FintiMessaggi();
    apri(Unisci({kR1, kR2, kR3}));
  }
  void cleanup() { f_.reset(); }

  void opensOnTheInstructionsAndTheLinks() {
    QCOMPARE(c<QLabel>("lbdata")->text(), QStringLiteral("21/01/1939"));  // the last draw's
    QVERIFY(!c<QPushButton>("cmdSalva")->isEnabled());

    QCOMPARE(box()->toPlainText(), QString::fromStdString(IstruzioniFiltro()).replace("\r\n", "\n"));
    QVERIFY(!f_->TestoUtente());
    // A key typed over the instructions starts the user's text, as a click does.
    QTest::keyClicks(box(), "x");
    QCOMPARE(box()->toPlainText(), QStringLiteral("x"));
    QVERIFY(f_->TestoUtente());

    c<QComboBox>("cmbTLV")->setCurrentIndex(3);
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
    QVERIFY(f_->TestoUtente() && box()->toPlainText().contains(QStringLiteral("ESTRAZIONE DEL 10/01/26")));

    clic("CmdFiltra");  // the filter's result in the box, the date, the grid, the Nazionale boxes
    QVERIFY(box()->toPlainText().startsWith(QStringLiteral("Data: 10/01/2026\nNazionale  12 65 03 89 46\n")));
    QCOMPARE(f_->DataScelta()->date(), QDate(2026, 1, 10));
    QCOMPARE(riga(1) + "|" + riga(10) + "|" + nazionale(),
             QStringLiteral("23 45 08 67 11|33 86 21 50 07|12 65 03 89 46"));
    QVERIFY(c<QPushButton>("cmdSalva")->isEnabled() && f_->Griglia()->Testo()->isVisible());
    QCOMPARE(f_->Griglia()->Corrente().riga * 10 + f_->Griglia()->Corrente().colonna, 11);
    QVERIFY(messaggi_.ricevuti.size() == 1 && archivio() == Unisci({kR1, kR2, kR3}));  // nothing written yet

    salva({});
    QCOMPARE(messaggi_.testi(), (QStringList{kConferma, kSuccesso}));
    // The Nazionale goes beside the archive, in nazionale.txt.
    QCOMPARE(archivio(), Unisci({kR1, kR2, kR3, kRecordPagine}));
    QCOMPARE(CartellaTemporanea::Leggi(PercorsoNazionale(Stato().ArchivePath)), std::string("10/01/2026|1265038946|"));
    QVERIFY(Stato().ArchivioModificato && c<QLabel>("Lbcontatore")->text() == "4");
  }

  void pastesThatCannotBeAStoredDrawAskFirst() {
    // No date: the picker keeps the last draw's date.
    appunti_.contenuto = QStringLiteral("Bari 5 91 12 x 34\r\nRoma 1 2 3 4 5\r\n");
    clic("CmdIncolla");
    clic("CmdFiltra");
    QCOMPARE(f_->DataScelta()->date(), QDate(1939, 1, 21));
    // Wheel names above the page gave two wheels the same numbers: a warning of its own says so.
    appunti_.contenuto = "Bari Roma\n" + pagina("televideo.txt");
    clic("CmdIncolla");
    clic("CmdFiltra");
    salva({false});
    QCOMPARE(messaggi_.ricevuti.size(), 2);
    QCOMPARE(messaggi_.ricevuti[0].tipo, QStringLiteral("avviso"));
    QVERIFY2(messaggi_.testi()[0].contains("\n- le ruote di Bari e Roma hanno gli stessi cinque numeri"),
             qPrintable(messaggi_.testi()[0]));
    QCOMPARE(messaggi_.testi()[1], kConferma);
    QCOMPARE(archivio(), Unisci({kR1, kR2, kR3}));
  }
};

QTEST_MAIN(NuovaEstrazioneTelevideoTest)
#include "nuova_estrazione_televideo_test.moc"
