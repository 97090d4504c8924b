#include "print/ui/StampaGriglia.h"

#include <QTableWidget>
#include <QtTest>

#include "support/FintiServizi.h"

using namespace ruotario;
using namespace ruotario::prova;

class StampaGrigliaTest : public QObject {
  Q_OBJECT

  QTemporaryDir cartella_;
  FintiMessaggi messaggi_;
  FintaStampante stampante_;

  QString stampa(const QString& file, bool risposta) {
    messaggi_ = FintiMessaggi();
    messaggi_.risposta = risposta;
    stampante_.printer().setOutputFileName(cartella_.filePath(file));
    QTableWidget t(90, 3);  // the grid read as displayed: 91 rows with its heading
    t.setHorizontalHeaderLabels({"Numero", "Presenze", "Perc"});
    for (int i = 1; i <= 90; ++i) {
      const QString celle[] = {QString::asprintf("%02d", i), QString::number(100 + i), QStringLiteral("1.500")};
      for (int c = 0; c < 3; ++c) t.setItem(i - 1, c, new QTableWidgetItem(celle[c]));
    }
    delete t.takeItem(89, 2);  // a missing item prints as an empty cell
    StampaGrigliaTxt(GrigliaDaTabella(t), QStringLiteral("Spia 12 su BARI"), QStringLiteral("Colpi 9 - Città"), 0);
    return cartella_.filePath(file);
  }

 private slots:
  void initTestCase() {
    impostaMessaggi(&messaggi_);
    impostaStampante(&stampante_);
  }

  void noAnswerOrPrinterFailureLeavesNoDocument() {
    QVERIFY(!QFile::exists(stampa("no.pdf", false)));
    QCOMPARE(messaggi_.testi(), QStringList{"Vuoi Stampare la Tabella?"});
    QCOMPARE(messaggi_.ricevuti[0].tipo, QStringLiteral("conferma"));
    QVERIFY(!QFile::exists(stampa("manca/cartella/tabella.pdf", true)));
    QCOMPARE(messaggi_.ricevuti.size(), 2);
    const QString atteso = QStringLiteral("Si è verificato il seguente errore durante la stampa (StampaGrigliaTxt): ");
    QVERIFY2(messaggi_.testi()[1].startsWith(atteso) && messaggi_.testi()[1].size() > atteso.size(),
             qPrintable(messaggi_.testi()[1]));
  }

  void fullTablePrintsTwoPages() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    QProcess p;
    p.start("pdftotext", {"-layout", stampa("tabella.pdf", true), "-"});
    QVERIFY(p.waitForFinished(20000));
    const QStringList pagine = QString::fromUtf8(p.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
    QCOMPARE(pagine.size(), 2);
    // Rows 0..45 on page 1, no footer; page 2 repeats the headings with its marker.
    const QString attese[] = {
        "^\\s*Spia 12 su BARI\\s+Colpi 9 - Città\\s+Numero\\s+Presenze\\s+Perc\\s+01\\s+101\\s+1\\.500\\s.*"
        "\\s45\\s+145\\s+1\\.500\\s*$",
        "^\\s*Spia 12 su BARI\\s+Colpi 9 - Città\\s+\\(pag\\. 2\\)\\s+46\\s+146\\s+1\\.500\\s.*\\s90\\s+190\\s+by "
        "Ruotario\\s*$"};
    for (int i = 0; i < 2; ++i)
      QVERIFY2(
          QRegularExpression(attese[i], QRegularExpression::DotMatchesEverythingOption).match(pagine[i]).hasMatch(),
          qPrintable(pagine[i]));
  }
};

QTEST_MAIN(StampaGrigliaTest)
#include "StampaGriglia_test.moc"
