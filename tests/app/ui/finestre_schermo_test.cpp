// Every window the main window opens, on a small and a large screen: on
// 1024x768 each opens whole (a child window inside the main window's area, any
// other within the screen); on 1600x1000 every table shows all its columns.
#include <QtTest>
#include <QtWidgets>
#include <fstream>

#include "app/Ambiente.h"
#include "app/ui/RegistroFinestre.h"
#include "app/ui/frmMain.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

// What is wrong with the window as opened on `schermo`; empty when nothing.
QString Difetti(QWidget& w, const QRect& area, const QSize& schermo) {
  QWidget* cornice = w.isWindow() ? &w : w.parentWidget();
  const QRect spazio = w.isWindow() ? QRect(QPoint(), schermo) : area;
  if (schermo.width() < 1600)
    return spazio.contains(cornice->geometry())
               ? QString()
               : QStringLiteral("%1x%2 non entra").arg(cornice->width()).arg(cornice->height());
  QStringList tagliate;
  const auto tabelle = [&] {
    for (QTableView* t : w.findChildren<QTableView*>())
      if (t->isVisible() && t->horizontalHeader()->length() > t->viewport()->width()) tagliate << t->objectName();
  };
  tabelle();
  for (QTabWidget* schede : w.findChildren<QTabWidget*>())
    for (int i = 0; i < schede->count(); ++i) {
      schede->setCurrentIndex(i);
      QCoreApplication::processEvents();
      tabelle();
    }
  return tagliate.isEmpty() ? QString() : "colonne nascoste in " + tagliate.join(' ');
}

}  // namespace

class FinestreSchermoTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    impostazioni_ = ImpostazioniTemporanee();
    impostaMessaggi(&messaggi_);
    Stato().ArchivePath = cartella_.filePath("estrazioni.txt").toStdString();
    std::ofstream(Stato().ArchivePath, std::ios::binary) << TestoBari({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}});
  }
  void cleanupTestCase() { impostaMessaggi(nullptr); }

  void everyWindowFitsTheScreen_data() {
    QTest::addColumn<QSize>("schermo");
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1600x1000") << QSize(1600, 1000);
  }
  void everyWindowFitsTheScreen() {
    QFETCH(QSize, schermo);
    frmMain m;
    RegistraFinestreProgramma(m);
    m.setGeometry(QRect(QPoint(), schermo - QSize(0, 60)));  // maximised under a title bar and a panel
    m.show();
    QStringList difetti;
    int esaminate = 0;
    const auto esamina = [&](const QString& nome, QWidget* w) {
      if (!w) return;
      ++esaminate;
      const QString d = Difetti(*w, m.area()->viewport()->rect(), schermo);
      if (!d.isEmpty()) difetti << nome + ": " + d;
      w->window() == w ? w->close() : w->parentWidget()->close();
    };
    for (const QString& nome : m.finestreRegistrate()) {
      // A modal window is looked at while it waits for the user.
      QTimer::singleShot(0, &m, [&] { esamina(nome, QApplication::activeModalWidget()); });
      esamina(nome, m.apriFinestra(nome));
      QCoreApplication::processEvents();
    }
    // The printer set-up, as the system shows it.
    QTimer::singleShot(0, &m, [&] { esamina("mnuImpstastampante", QApplication::activeModalWidget()); });
    m.findChild<QAction*>("mnuImpstastampante")->trigger();
    QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join('\n')));
    QCOMPARE(esaminate, m.finestreRegistrate().size() + 1);
  }

 private:
  std::unique_ptr<QTemporaryDir> impostazioni_;
  QTemporaryDir cartella_;
  FintiMessaggi messaggi_;
};

QTEST_MAIN(FinestreSchermoTest)
#include "finestre_schermo_test.moc"
