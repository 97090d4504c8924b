// The archive viewer and editor: browsing, corrections rewritten in place
// (only the record's bytes change), cancelled and refused corrections, printing.
#include <QtTest>
#include <QtWidgets>

#include "app/ui/frmMain.h"
#include "archive/ui/GrigliaEstrazione.h"
#include "archive/ui/RegistroArchivio.h"
#include "archive/ui/frmvisualizzaArchivioEstrazioni.h"
#include "support/FinestraArchivio.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {
const std::string kTre = Unisci({kR1, kR2, kR3});  // Bari 58..., 18..., 68 65 41 28 67
}  // namespace

class VisualizzaArchivioTest : public QObject, FinestraArchivio<frmvisualizzaArchivioEstrazioni> {
  Q_OBJECT

  FintaStampante stampante_;

  GrigliaEstrazione* griglia() const { return f_->Griglia(); }
  QComboBox* lista() const { return c<QComboBox>("CmbData"); }
  QScrollBar* scroll() const { return c<QScrollBar>("Scroll1"); }
  // "record number|date|Bari's five numbers" as shown.
  QString mostrata() const {
    QStringList bari;
    for (int k = 1; k <= 5; ++k) bari << griglia()->Cella(1, k);
    return c<QLabel>("Lbcontatore")->text() + "|" + c<QLabel>("lbdata")->text() + "|" + bari.join(' ');
  }
  // Only the bytes [inizio, fine) differ between the two texts.
  static bool cambiaSolo(const std::string& a, const std::string& b, std::size_t inizio, std::size_t fine) {
    return a.size() == b.size() && a.substr(0, inizio) == b.substr(0, inizio) && a.substr(fine) == b.substr(fine) &&
           a.substr(inizio, fine - inizio) != b.substr(inizio, fine - inizio);
  }

 private slots:
  void initTestCase() { impostaStampante(&stampante_); }
  void init() { messaggi_ = FintiMessaggi(); }
  void cleanup() { f_.reset(); }

  void opensOnTheLastDrawAndBrowses() {
    apri(kTre);
    QVERIFY(c<QGroupBox>("FrModifiche")->isHidden() && c<QDateEdit>("datascelta")->isHidden());

    QCOMPARE(mostrata(), QStringLiteral("3|21/01/1939|68 65 41 28 67"));
    QCOMPARE(
        lista()->itemText(0) + " " + QString::number(lista()->count()) + " " + QString::number(lista()->currentIndex()),
        QStringLiteral("1: 07/01/1939 3 2"));
    QCOMPARE(scroll()->minimum() * 100 + scroll()->maximum() * 10 + scroll()->value(), 133);

    lista()->setCurrentIndex(0);  // choosing item 1 shows record 1
    QCOMPARE(scroll()->value(), 1);
    QCOMPARE(mostrata(), QStringLiteral("1|07/01/1939|58 22 47 49 69"));
    // A click on the scroll bar's right arrow reads the record it lands on.
    QTest::mouseClick(scroll(), Qt::LeftButton, {}, QPoint(scroll()->width() - 3, scroll()->height() / 2));
    QCOMPARE(lista()->currentIndex(), 1);
    QCOMPARE(mostrata(), QStringLiteral("2|14/01/1939|18 77 33 62 19"));

    // Browsing does not edit: clicks and keys on the grid do nothing.
    QTest::mouseClick(griglia()->viewport(), Qt::LeftButton, {},
                      griglia()->visualRect(griglia()->model()->index(0, 0)).center());
    QTest::keyClick(griglia(), Qt::Key_5);
    QVERIFY(griglia()->Testo()->isHidden());
    QCOMPARE(griglia()->Cella(1, 1), QStringLiteral("18"));
  }

  void correctsTheFirstAndTheLastRecordInPlace() {
    apri(kTre);
    scroll()->setValue(1);
    clic("CmdModifica");
    QCOMPARE(c<QDateEdit>("datascelta")->date(), QDate(1939, 1, 7));
    QVERIFY(f_->InModifica() && griglia()->Testo()->hasFocus());
    QVERIFY(!lista()->isEnabled() && !scroll()->isEnabled());  // no moving away mid-correction
    QTest::keyClicks(griglia()->Testo(), "9");
    salva({true});
    QCOMPARE(messaggi_.testi(), (QStringList{kConferma, kSuccesso}));
    const std::string dopo = archivio();
    QVERIFY(cambiaSolo(kTre, dopo, 0, 123));
    QCOMPARE(dopo.substr(0, 123), RecordBari("07/01/1939", {9, 22, 47, 49, 69}) + "\r\n");
    QVERIFY(!f_->InModifica() && !griglia()->Input() && griglia()->Testo()->isHidden() && lista()->isEnabled());
    QCOMPARE(mostrata(), QStringLiteral("1|07/01/1939|09 22 47 49 69"));

    scroll()->setValue(3);  // the last record, with a new date
    clic("CmdModifica");
    c<QDateEdit>("datascelta")->setDate(QDate(1939, 1, 22));
    griglia()->ApriEditor(10, 5);
    QTest::keyClicks(griglia()->Testo(), "77");
    salva({true});
    const std::string ultimo = archivio();
    QVERIFY(cambiaSolo(dopo, ultimo, ultimo.size() - 121, ultimo.size()));
    QCOMPARE(ultimo.substr(ultimo.size() - 121, 11) + ultimo.substr(ultimo.size() - 3), "22/01/1939|77|");
    QCOMPARE(c<QLabel>("lbdata")->text(), QStringLiteral("22/01/1939"));
    QCOMPARE(lista()->itemText(2), QStringLiteral("3: 21/01/1939"));  // the list keeps its labels
  }

  void cancelledOrRefusedCorrectionsWriteNothing() {
    apri(kTre);
    clic("CmdModifica");
    QTest::keyClicks(griglia()->Testo(), "9");
    clic("CmdAnnulla");  // Annulla reloads the stored draw
    QCOMPARE(mostrata(), QStringLiteral("3|21/01/1939|68 65 41 28 67"));
    QVERIFY(!f_->InModifica());

    clic("CmdModifica");
    QTest::keyClicks(griglia()->Testo(), "9");
    salva({false});  // No to the confirmation
    QCOMPARE(messaggi_.testi(), QStringList{kConferma});
    QCOMPARE(mostrata(), QStringLiteral("3|21/01/1939|68 65 41 28 67"));

    clic("CmdModifica");
    griglia()->ImpostaCella(1, 1, QString());
    salva({false});  // Cancel on the error question
    QCOMPARE(messaggi_.testi(),
             QStringList{"Attenzione ci sono errori nell'inserimento dei numeri. Continuo con il salvataggio?"});
    QCOMPARE(archivio(), kTre);
    QVERIFY(!f_->InModifica());
  }

  void damagedOrEmptyArchive() {
    const std::string danneggiato = Unisci({kR1, kR2, kR3}, "\n");  // not the fixed layout
    apri(danneggiato);
    // Its draws do not stand at their offsets: they are shown from memory, whole.
    QCOMPARE(mostrata(), QStringLiteral("3|21/01/1939|68 65 41 28 67"));
    scroll()->setValue(1);
    QCOMPARE(mostrata().section('|', 0, 1), QStringLiteral("1|07/01/1939"));
    clic("CmdModifica");  // corrected all the same: the record is found by its line ends
    QTest::keyClicks(griglia()->Testo(), "9");
    salva({true});
    QCOMPARE(messaggi_.testi(), (QStringList{kConferma, kSuccesso}));
    QCOMPARE(archivio(), Unisci({RecordBari("07/01/1939", {9, 22, 47, 49, 69}), kR2, kR3}, "\n"));
    QCOMPARE(mostrata().section('|', 2), QStringLiteral("09 22 47 49 69"));

    apri("");
    for (const char* nome : {"CmbData", "Scroll1", "CmdModifica", "CmdStampa"})
      QVERIFY2(!c<QWidget>(nome)->isEnabled(), nome);
  }

  void printsTheDrawShown() {
    QTemporaryDir pdf;
    apri(kTre);
    stampante_.printer().setPageOrientation(QPageLayout::Landscape);
    stampante_.printer().setOutputFileName(pdf.filePath("no.pdf"));
    messaggi_.risposta = false;
    clic("CmdStampa");
    QCOMPARE(messaggi_.testi(), QStringList{"Vuoi Stampare la Tabella?"});
    QVERIFY(!QFile::exists(pdf.filePath("no.pdf")));

    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    stampante_.printer().setOutputFileName(pdf.filePath("estrazione.pdf"));
    messaggi_.risposta = true;
    clic("CmdStampa");
    QCOMPARE(messaggi_.ricevuti.size(), 2);                                             // no error
    QCOMPARE(stampante_.printer().pageLayout().orientation(), QPageLayout::Landscape);  // put back
    QProcess p;
    p.start("pdftotext", {"-layout", pdf.filePath("estrazione.pdf"), "-"});
    QVERIFY(p.waitForFinished(20000));
    const QString testo = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(testo.count('\f'), 1);  // one page
    const QString atteso =
        "^\\s*DATA ESTRAZIONE: 21/01/1939 +ESTRAZIONE NUMERO: 3\\s+1° est\\..*5° est\\.\\s+"
        "Bari\\s+68\\s+65\\s+41\\s+28\\s+67\\s.*Venezia\\s+01\\s+02\\s+03\\s+04\\s+05\\s+by Ruotario\\s*$";
    QVERIFY2(QRegularExpression(atteso, QRegularExpression::DotMatchesEverythingOption).match(testo).hasMatch(),
             qPrintable(testo));
  }

  void copiesTheDrawShownUnderItsDate() {
    apri(kTre);
    FintiAppunti appunti;
    impostaAppunti(&appunti);
    griglia()->findChild<QAction*>("actCopia")->trigger();
    impostaAppunti(nullptr);
    QCOMPARE(appunti.scritto.section('\n', 0, 1),
             QString("21/01/1939\t1° est.\t2° est.\t3° est.\t4° est.\t5° est.\nBari\t68\t65\t41\t28\t67"));
  }

  void opensFromTheMenu() {
    cartella_.Scrivi("estrazioni.txt", kTre);
    auto impostazioni = ImpostazioniTemporanee();
    frmMain m;
    RegistraFinestreArchivio(m);
    m.show();
    m.findChild<QAction*>("mnuViewEstrazioni")->trigger();
    QCOMPARE(m.area()->subWindowList().size(), 1);
    auto* v = qobject_cast<frmvisualizzaArchivioEstrazioni*>(m.area()->activeSubWindow()->widget());
    QVERIFY(v && v->Posizione() == 3);
  }
};

QTEST_MAIN(VisualizzaArchivioTest)
#include "visualizza_archivio_test.moc"
