// The archive viewer and the new-draw window opened on damaged and unusual
// archives: each opens without a crash, counts the draws the reader finds and
// shows the last one's date, or says the archive is empty.
#include <QtTest>
#include <QtWidgets>

#include "app/Ambiente.h"
#include "archive/ui/frmmunInserisciNuovaEstrazione.h"
#include "archive/ui/frmvisualizzaArchivioEstrazioni.h"
#include "support/ArchiviDifettosi.h"
#include "support/FintiServizi.h"

using namespace ruotario;
using namespace ruotario::prova;

class ArchiviDifettosiTest : public QObject {
  Q_OBJECT

  CartellaTemporanea cartella_;
  FintiMessaggi messaggi_;

  template <typename W>
  static QString testo(W& w, const char* nome) {
    return w.template findChild<QLabel*>(QString::fromLatin1(nome))->text();
  }

 private slots:
  void initTestCase() {
    impostaMessaggi(&messaggi_);
    Stato().ArchivePath = cartella_.File("estrazioni.txt");
  }

  void everyShapeOpensInBothWindows() {
    for (const auto& a : ArchiviDifettosi()) {
      const QByteArray nome = a.nome;
      cartella_.Scrivi("estrazioni.txt", a.testo);
      const ArchivioEstrazioni archivio = ArchivioEstrazioni::DaTesto(a.testo);
      const QString ultimaData = archivio.Vuoto() ? QString() : QString::fromLatin1(archivio.Ultima().Data());
      {
        frmvisualizzaArchivioEstrazioni w;
        w.show();
        QVERIFY2(QTest::qWaitForWindowExposed(&w), nome);
        QCOMPARE(testo(w, "Lbcontatore"), QString::number(a.estrazioni));
        QCOMPARE(w.findChild<QComboBox*>("CmbData")->count(), a.estrazioni);
        QVERIFY2(w.findChild<QLabel*>("LbArchivioVuoto")->isVisible() == (a.estrazioni == 0), nome);
        // Whatever the line breaks, the draw shown is the last one, not bytes at its fixed offset.
        if (a.estrazioni > 0) QCOMPARE(testo(w, "lbdata"), ultimaData);
      }
      {
        frmmunInserisciNuovaEstrazione w;
        w.show();
        QVERIFY2(QTest::qWaitForWindowExposed(&w), nome);
        QCOMPARE(testo(w, "Lbcontatore"), QString::number(a.estrazioni));
        if (a.estrazioni > 0) QCOMPARE(testo(w, "lbdata"), ultimaData);
      }
      QVERIFY2(messaggi_.ricevuti.isEmpty(), nome);
    }
  }
};

QTEST_MAIN(ArchiviDifettosiTest)
#include "archivi_difettosi_test.moc"
