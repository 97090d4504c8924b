// Every window the main window opens: on a 1024x768 screen it opens whole (a
// child window inside the main window's area, any other within the screen);
// on 1600x1000 every table shows all its columns, in every tab.
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
      m.setGeometry(QRect(QPoint(), schermo - QSize(0, 60)));  // maximised, under a title bar and a panel
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
};

QTEST_MAIN(FinestreSchermoTest)
#include "finestre_schermo_test.moc"
