#include "print/ui/StampaGriglia.h"

#include <QPageLayout>
#include <QTableWidget>
#include <QtTest>

#include "spy/ui/Griglia90.h"
#include "spy/ui/PannelloRisultati.h"
#include "support/FintiServizi.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

// How often each two-digit number starts a table line ("  07   107 ...").
QMap<QString, int> NumeriStampati(const QString& testo) {
  QMap<QString, int> conta;
  static const QRegularExpression riga(QStringLiteral("^\\s*(\\d\\d)\\s+1\\d\\d\\s"),
                                       QRegularExpression::MultilineOption);
  for (auto it = riga.globalMatch(testo); it.hasNext();) ++conta[it.next().captured(1)];
  return conta;
}

}  // namespace

class StampaGrigliaTest : public QObject {
  Q_OBJECT

  QTemporaryDir cartella_;
  FintiMessaggi messaggi_;
  FintaStampante stampante_;

  // The spy table as the windows print it: its real headings, 90 rows.
  void stampaTabellaSpia(const QString& file, const QPageLayout& pagina) {
    messaggi_ = FintiMessaggi();
    stampante_.printer().setOutputFileName(cartella_.filePath(file));
    QVERIFY(stampante_.printer().setPageLayout(pagina));
    PannelloRisultati pannello(QString{});
    RigheTabella righe;
    for (int i = 1; i <= 90; ++i)
      righe.push_back({QString::asprintf("%02d", i).toStdString(), std::to_string(100 + i), "1,500", "7"});
    pannello.Griglia()->ImpostaRighe(std::move(righe));
    pannello.Stampa({"  Numeri Successori Numero Spia - Numeretto: 12  - Colpi: 9 - Ruota: Bari",
                     "  Posiz. Numeretto: TUTTE - Ricerca DA: 1: 01/01/2000 A: 5: 05/01/2000"});
  }

 private slots:
  void initTestCase() {
    impostaMessaggi(&messaggi_);
    impostaStampante(&stampante_);
  }
  void cleanupTestCase() {
    impostaMessaggi(nullptr);
    impostaStampante(nullptr);
  }

  void noAnswerOrPrinterFailureLeavesNoDocument() {
    QTableWidget t(2, 1);
    const GrigliaTesto griglia = GrigliaDaTabella(t);
    messaggi_ = FintiMessaggi();
    messaggi_.risposta = false;
    stampante_.printer().setOutputFileName(cartella_.filePath("no.pdf"));
    StampaGrigliaTxt(griglia, "T", "", 0);
    QVERIFY(!QFile::exists(cartella_.filePath("no.pdf")));
    QCOMPARE(messaggi_.testi(), QStringList{"Vuoi Stampare la Tabella?"});

    const QString errore = QStringLiteral("Si è verificato il seguente errore durante la stampa (StampaGrigliaTxt): ");
    messaggi_.risposta = true;
    const QString manca = cartella_.filePath("manca/cartella/tabella.pdf");
    stampante_.printer().setOutputFileName(manca);
    StampaGrigliaTxt(griglia, "T", "", 0);
    QVERIFY(!QFile::exists(manca));
    QCOMPARE(messaggi_.testi().last(), errore + "impossibile scrivere il file \"" + manca + "\".");

    // A cell wider than the paper: said so, and nothing printed.
    GrigliaTesto larga{{"Numero"}, {{QString(400, 'W').toStdString()}}};
    stampante_.printer().setOutputFileName(cartella_.filePath("larga.pdf"));
    StampaGrigliaTxt(larga, "T", "", 0);
    QVERIFY(!QFile::exists(cartella_.filePath("larga.pdf")));
    QVERIFY2(messaggi_.testi().last().startsWith(errore + "il testo \"WWW") &&
                 messaggi_.testi().last().endsWith("\" non entra nella larghezza della pagina."),
             qPrintable(messaggi_.testi().last()));

    // A system printer that cannot be used names the cause, never an empty name,
    // and stays free: a PDF file chosen afterwards prints.
    QPrinter nessuna;
    nessuna.setPrinterName(QString());
    const QString testo = StampaDocumento(nessuna, ImpaginaGriglia(griglia, "T", "", 0));
    QVERIFY2(!testo.isEmpty() && !testo.contains("\"\""), qPrintable(testo));
    QVERIFY2(!testo.startsWith("nessuna") || testo.endsWith("nel menu ? > Impostazioni Stampante."), qPrintable(testo));
    nessuna.setOutputFileName(cartella_.filePath("dopo.pdf"));
    QCOMPARE(StampaDocumento(nessuna, ImpaginaGriglia(griglia, "T", "", 0)), QString());
    QVERIFY(QFile::exists(cartella_.filePath("dopo.pdf")));
  }

  // Every number once, on A4 either way round and on A5: the layout's pages
  // are cut again where the paper ends (the layout itself is the core's).
  void everyRowIsPrintedOnEveryPaper_data() {
    QTest::addColumn<QPageLayout>("pagina");
    QTest::addColumn<int>("pagine");
    const QMarginsF margini(10, 10, 10, 10);
    QTest::newRow("A4 verticale") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margini) << 2;
    QTest::newRow("A4 orizzontale") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, margini) << 4;
    QTest::newRow("A5") << QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, margini) << 4;
  }
  void everyRowIsPrintedOnEveryPaper() {
    QFETCH(QPageLayout, pagina);
    QFETCH(int, pagine);
    const QString file = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".pdf";
    stampaTabellaSpia(file, pagina);
    QCOMPARE(messaggi_.testi(), QStringList{"Vuoi Stampare la Tabella?"});
    const QString testo = stampante_.testo();
    QVERIFY2(!testo.startsWith('<'), qPrintable(testo));

    const QMap<QString, int> numeri = NumeriStampati(testo);
    for (int n = 1; n <= 90; ++n) {
      const QString due = QString::asprintf("%02d", n);
      QVERIFY2(numeri.value(due) == 1, qPrintable(due + " printed " + QString::number(numeri.value(due)) + " times"));
    }
    QCOMPARE(testo.split('\f', Qt::SkipEmptyParts).size(), pagine);
  }

  // Past 90 rows too; a table wider than a portrait page turns landscape for
  // its job alone, its long headings on one line.
  void aLongTableStopsAtItsLimitAndSaysSo() {
    GrigliaTesto g{{"Numero", "Probabilità %"}, {}};
    g.intestazioni.resize(7, "Rit. Massimo");
    for (int i = 1; i <= 120; ++i) g.righe.push_back({QString::asprintf("%03d", i).toStdString(), "107"});
    messaggi_ = FintiMessaggi();
    const QString pdf = cartella_.filePath("prime.pdf");
    stampante_.printer().setOutputFileName(pdf);
    QVERIFY(stampante_.printer().setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {})));
    StampaPrimeRighe(g, "Titolo", "Sottotitolo", 100);
    const QString testo = stampante_.testo();
    QVERIFY2(testo.simplified().contains("Sottotitolo (stampate le prime 100 di 120 righe)") &&
                 testo.contains(QRegularExpression("Numero +Probabilità %( +Rit\\. Massimo){5} *\n")),
             qPrintable(testo));
    const QRegularExpression riga("^[ \\f]*\\d{3} +107 *$", QRegularExpression::MultilineOption);
    QVERIFY2(testo.count(riga) == 100 &&
                 testo.contains(QRegularExpression("^ *100 +107", QRegularExpression::MultilineOption)),
             qPrintable(testo));
    QProcess info;
    info.start("pdfinfo", {pdf});
    QVERIFY(info.waitForFinished(20000) && info.readAllStandardOutput().contains("842 x 595 pts"));
    QCOMPARE(stampante_.printer().pageLayout().orientation(), QPageLayout::Portrait);
  }
};

QTEST_MAIN(StampaGrigliaTest)
#include "StampaGriglia_test.moc"
