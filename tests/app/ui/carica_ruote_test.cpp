#include <QComboBox>
#include <QTest>

#include "app/ui/CaricaRuote.h"

class CaricaRuoteTest : public QObject {
  Q_OBJECT
 private slots:
  void replacesEntriesWithTheTenWheels() {
    QComboBox lista;
    lista.addItems({"vecchia", "voce"});
    ruotario::CaricaRuote(lista);
    QCOMPARE(lista.count(), 10);
    QCOMPARE(lista.itemText(0), QString("Bari"));
    QCOMPARE(lista.itemText(7), QString("Roma"));
    QCOMPARE(lista.itemText(9), QString("Venezia"));
  }
};

QTEST_MAIN(CaricaRuoteTest)
#include "carica_ruote_test.moc"
