// Every window the main window opens: on a 1024x768 screen it opens whole (a
// child window inside the main window's area, any other within the screen);
// on 1600x1000 every table shows all its columns, in every tab. The screen is
// what a 1024x768 one leaves under a panel: 1024x708.
#include <QtTest>
#include <QtWidgets>

#include "app/ui/RegistroFinestre.h"
#include "app/ui/frmMain.h"
#include "support/FintiServizi.h"

using namespace ruotario;

class FinestreSchermoTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowFitsTheScreen() {
    const auto impostazioni = prova::ImpostazioniTemporanee();
    prova::FintiMessaggi messaggi;
    impostaMessaggi(&messaggi);
    const auto ripristina = qScopeGuard([] { impostaMessaggi(nullptr); });
    QStringList difetti;
    for (const QSize schermo : {QSize(1024, 768), QSize(1600, 1000)}) {
      frmMain m;
      RegistraFinestreProgramma(m);
      m.setGeometry(QRect(QPoint(), schermo - QSize(0, 60)));  // maximised, under a panel
      m.show();
      int esaminate = 0;
      const auto esamina = [&](const QString& nome, QWidget* w) {
        if (!w) return;
        ++esaminate;
        QWidget* cornice = w->isWindow() ? w : w->parentWidget();
        const QRect spazio = w->isWindow() ? QRect(QPoint(), schermo) : m.area()->viewport()->rect();
        if (schermo.width() < 1600 && !spazio.contains(cornice->geometry())) difetti << nome + " non entra";
        for (QTabWidget* schede : schermo.width() < 1600 ? QList<QTabWidget*>() : w->findChildren<QTabWidget*>())
          for (int i = 0; i < schede->count(); ++i) {
            schede->setCurrentIndex(i);
            QCoreApplication::processEvents();
            for (QTableView* t : w->findChildren<QTableView*>())
              if (t->isVisible() && t->horizontalHeader()->length() > t->viewport()->width())
                difetti << nome + ": colonne nascoste in " + t->objectName();
          }
        cornice->close();
      };
      for (const QString& nome : m.finestreRegistrate()) {
        // A modal window is looked at while it waits for the user.
        QTimer::singleShot(0, &m, [&] { esamina(nome, QApplication::activeModalWidget()); });
        esamina(nome, m.apriFinestra(nome));
        QCoreApplication::processEvents();
      }
      QTimer::singleShot(0, &m, [&] { esamina("Imposta stampante", QApplication::activeModalWidget()); });
      m.findChild<QAction*>("mnuImpstastampante")->trigger();
      QCOMPARE(esaminate, m.finestreRegistrate().size() + 1);
    }
    QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join('\n')));
  }

  // At its first-start size the main window widens for a child window that
  // needs more room, as far as the screen allows.
  void theMainWindowMakesRoom() {
    const auto impostazioni = prova::ImpostazioniTemporanee();
    frmMain m;
    RegistraFinestreProgramma(m);
    m.show();
    const QRect schermo = m.screen()->availableGeometry();
    const QSize prima = m.size();
    QWidget* w = m.apriFinestra("mnuSistemiGioco");
    QVERIFY(w);
    QCoreApplication::processEvents();
    const QRect cornice = m.frameGeometry();
    QVERIFY(m.width() > prima.width());
    QVERIFY(schermo.contains(cornice));
    const QSize sub = w->parentWidget()->size();
    QVERIFY(sub.width() <= m.area()->viewport()->width() || cornice.width() == schermo.width());
    QVERIFY(sub.height() <= m.area()->viewport()->height() || cornice.height() == schermo.height());
  }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" RUOTARIO_TEST_DATA "/schermo-1024.json");
  QApplication app(argc, argv);
  FinestreSchermoTest prova;
  return QTest::qExec(&prova, argc, argv);
}
#include "finestre_schermo_test.moc"
