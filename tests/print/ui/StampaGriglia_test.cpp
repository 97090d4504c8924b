#include "print/ui/StampaGriglia.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

#include "support/FintiServizi.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {
GrigliaTesto tabellaNumeri() {
  GrigliaTesto g;
  g.intestazioni = {"Numero", "Presenze", "Perc"};
  for (int i = 1; i <= 90; ++i)
    g.righe.push_back(
        {QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')).toStdString(), std::to_string(100 + i), "1.500"});
  return g;
}

QString pagina(const QString& pdf, int n) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {"-layout", "-f", QString::number(n), "-l", QString::number(n), pdf, "-"});
  if (!p.waitForFinished(20000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}
}  // namespace

class StampaGrigliaTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    messaggi_.ricevuti.clear();
    messaggi_.risposta = true;
    impostaMessaggi(&messaggi_);
    stampante_ = std::make_unique<FintaStampante>();
    impostaStampante(stampante_.get());
    pdf_ = cartella_.filePath(QStringLiteral("tabella.pdf"));
    QFile::remove(pdf_);
    stampante_->printer().setOutputFileName(pdf_);
  }
  void cleanup() {
    impostaMessaggi(nullptr);
    impostaStampante(nullptr);
  }

  void answeringNoPrintsNothing() {
    messaggi_.risposta = false;
    StampaGrigliaTxt(tabellaNumeri(), "Titolo", "", 0);
    QCOMPARE(messaggi_.ricevuti.size(), 1);
    QCOMPARE(messaggi_.ricevuti[0].tipo, QStringLiteral("conferma"));
    QCOMPARE(messaggi_.ricevuti[0].testo, QStringLiteral("Vuoi Stampare la Tabella?"));
    QVERIFY(!QFile::exists(pdf_));
  }

  void fullTablePrintsTwoPages() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
    StampaGrigliaTxt(tabellaNumeri(), QStringLiteral("Spia 12 su BARI"), QStringLiteral("Colpi 9 - Città"), 0);
    QCOMPARE(messaggi_.testi(), QStringList{"Vuoi Stampare la Tabella?"});
    QVERIFY(QFile::exists(pdf_));
    const QString p1 = pagina(pdf_, 1);
    const QString p2 = pagina(pdf_, 2);
    QVERIFY2(p1.contains("Spia 12 su BARI") && p1.contains(QStringLiteral("Colpi 9 - Città")), qPrintable(p1));
    QVERIFY(p1.contains(QRegularExpression("Numero\\s+Presenze\\s+Perc")));
    QVERIFY(p1.contains(QRegularExpression("\\b45\\s+145\\s+1\\.500")));
    QVERIFY(!p1.contains(QRegularExpression("\\b46\\s+146")));
    QVERIFY(!p1.contains("by Ruotario"));
    QVERIFY2(p2.contains("(pag. 2)") && p2.contains("Spia 12 su BARI"), qPrintable(p2));
    QVERIFY(p2.contains(QRegularExpression("\\b46\\s+146\\s+1\\.500")));
    QVERIFY(p2.contains(QRegularExpression("\\b90\\s+190\\s+1\\.500")));
    QVERIFY(p2.contains("by Ruotario"));
    QVERIFY(pagina(pdf_, 3).trimmed().isEmpty());
    // Page 2 heading comes before the rows, the footer after them.
    QVERIFY(p2.indexOf("(pag. 2)") < p2.indexOf("46"));
    QVERIFY(p2.indexOf("190") < p2.indexOf("by Ruotario"));
  }

  void tenBestFitOnOnePage() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
    StampaGrigliaTxt(tabellaNumeri(), QStringLiteral("I dieci migliori"), QString(), 10);
    const QString p1 = pagina(pdf_, 1);
    QVERIFY(p1.contains(QRegularExpression("\\b10\\s+110")));
    QVERIFY(!p1.contains(QRegularExpression("\\b11\\s+111")));
    QVERIFY(p1.contains("by Ruotario"));
    QVERIFY(pagina(pdf_, 2).trimmed().isEmpty());
  }

  void printerFailureShowsErrorAndLeavesNoDocument() {
    const QString impossibile = cartella_.filePath(QStringLiteral("manca/cartella/tabella.pdf"));
    stampante_->printer().setOutputFileName(impossibile);
    StampaGrigliaTxt(tabellaNumeri(), "T", "", 0);
    QCOMPARE(messaggi_.ricevuti.size(), 2);
    QVERIFY2(messaggi_.ricevuti[1].testo.startsWith(
                 QStringLiteral("Si è verificato il seguente errore durante la stampa (StampaGrigliaTxt): ")),
             qPrintable(messaggi_.ricevuti[1].testo));
    QVERIFY(messaggi_.ricevuti[1].testo.size() >
            QStringLiteral("Si è verificato il seguente errore durante la stampa (StampaGrigliaTxt): ").size());
    QVERIFY(!QFile::exists(impossibile));
  }

  void tableWidgetReadAsDisplayed() {
    QTableWidget t(2, 3);
    t.setHorizontalHeaderLabels({"Num", "Casi", "Perc"});
    t.setItem(0, 0, new QTableWidgetItem("01"));
    t.setItem(0, 2, new QTableWidgetItem("3.333"));
    t.setItem(1, 1, new QTableWidgetItem("7"));
    const GrigliaTesto g = GrigliaDaTabella(t);
    QCOMPARE(g.Righe(), 3);
    QCOMPARE(g.Colonne(), 3);
    QCOMPARE(g.Cella(0, 1), std::string("Casi"));
    QCOMPARE(g.Cella(1, 0), std::string("01"));
    QCOMPARE(g.Cella(1, 1), std::string());
    QCOMPARE(g.Cella(2, 1), std::string("7"));
  }

 private:
  QTemporaryDir cartella_;
  QString pdf_;
  FintiMessaggi messaggi_;
  std::unique_ptr<FintaStampante> stampante_;
};

QTEST_MAIN(StampaGrigliaTest)
#include "StampaGriglia_test.moc"
