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
    QStringList voci;
    for (int i = 0; i < lista.count(); ++i) voci << lista.itemText(i);
    QCOMPARE(voci.join('|'), QString("Bari|Cagliari|Firenze|Genova|Milano|Napoli|Palermo|Roma|Torino|Venezia"));
  }
};

QTEST_MAIN(CaricaRuoteTest)
#include "carica_ruote_test.moc"
