// The update window: the official address kept in the settings, a download
// cancelled half-way that leaves the archive untouched, and chosen files
// merged from the menu with the summary and the full report.
#include "update/ui/FrmAggiornaArchivio.h"

#include <QtTest>
#include <QtWidgets>

#include "app/GeometriaFinestra.h"
#include "app/ui/frmMain.h"
#include "support/FontiProva.h"
#include "support/ScenaArchivio.h"
#include "support/ServerHttpProva.h"
#include "update/ui/RegistroAggiornamento.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {
template <typename T>
T* c(QWidget* w, const char* nome) {
  return w->findChild<T*>(QString::fromLatin1(nome));
}
// Runs the event loop until the window says the update ended.
void attendiFine(FrmAggiornaArchivio* f) {
  QSignalSpy fine(f, &FrmAggiornaArchivio::concluso);
  QVERIFY(fine.wait(10000));
}
}  // namespace

class FrmAggiornaArchivioTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { impostazioni_ = ImpostazioniTemporanee(); }

  void aDownloadCancelledHalfWayLeavesTheArchive() {
    ScenaArchivio s(kRecA);
    ServerHttpProva server;
    server.Servi("/storico.zip", {std::string(200000, 'x'), 200, 5000});
    FrmAggiornaArchivio f(FonteAggiornamento::Ufficiale);
    QCOMPARE(c<QLineEdit>(&f, "txtFonte")->text(), QString::fromLatin1(kIndirizzoUfficiale));
    const QString indirizzo = QString::fromStdString(server.Indirizzo("/storico.zip"));
    c<QLineEdit>(&f, "txtFonte")->setText(indirizzo);
    QVERIFY(!c<QPushButton>(&f, "cmdAnnulla")->isEnabled());

    QSignalSpy avanzamento(&f, &FrmAggiornaArchivio::avanzamento);
    c<QPushButton>(&f, "cmdAvvia")->click();
    QVERIFY(f.InCorso() && !c<QPushButton>(&f, "cmdAvvia")->isEnabled());
    while (avanzamento.isEmpty() || avanzamento.last().at(0).toLongLong() == 0) QVERIFY(avanzamento.wait(10000));
    QCOMPARE(avanzamento.last().at(1).toLongLong(), 200000);
    QCOMPARE(c<QProgressBar>(&f, "barraAvanzamento")->maximum(), 195);  // KB

    c<QPushButton>(&f, "cmdAnnulla")->click();
    attendiFine(&f);
    QCOMPARE(f.Esito().Stato, StatoAggiornamento::Annullato);
    QVERIFY(c<QLabel>(&f, "lbStato")->text().contains(QStringLiteral("annullato")));
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), kRecA);
    QVERIFY(c<QPushButton>(&f, "cmdAvvia")->isEnabled());
    QSettings impostazioni(kTitoloApplicazione, kTitoloApplicazione);
    QCOMPARE(impostazioni.value(QStringLiteral("Settings/") + kChiaveIndirizzoUfficiale).toString(), indirizzo);
  }

  void chosenFilesAreMergedFromTheMenu() {
    ScenaArchivio s(Unisci({Record("07/01/1939", {1, 2, 3, 4, 5}), kRecB}));
    s.dialoghi.file = QString::fromStdString(s.dir.Scrivi("storico.txt", kStorico));
    frmMain m;
    RegistraFinestreAggiornamento(m);
    m.findChild<QAction*>(QStringLiteral("mnuImportaPubblicato"))->trigger();
    auto* f = qobject_cast<FrmAggiornaArchivio*>(m.finestra(QStringLiteral("mnuImportaPubblicato")));
    QVERIFY(f && !c<QPushButton>(f, "cmdAvvia")->isEnabled() && !c<QPushButton>(f, "cmdRapporto")->isEnabled());
    c<QPushButton>(f, "cmdScegliFile")->click();
    QCOMPARE(f->Fonti(), QStringList{s.dialoghi.file});

    c<QPushButton>(f, "cmdAvvia")->click();
    attendiFine(f);
    QVERIFY(c<QPlainTextEdit>(f, "txtRiepilogo")->toPlainText().contains(QStringLiteral("Conflitti: 1 date")));
    c<QCheckBox>(f, "chkSostituisci")->setChecked(true);
    c<QPushButton>(f, "cmdAvvia")->click();
    attendiFine(f);
    const QString riepilogo = c<QPlainTextEdit>(f, "txtRiepilogo")->toPlainText();
    QVERIFY2(riepilogo.contains(QStringLiteral("Estrazioni aggiunte: 1, dal 04/05/2005 al 04/05/2005")) &&
                 riepilogo.contains(QString::fromStdString(s.dir.File("app/copiaEstrazioni.txt"))),
             qPrintable(riepilogo));
    QCOMPARE(CartellaTemporanea::Leggi(Stato().ArchivePath), Unisci({kRecA, kRecB, kRecC}));

    c<QPushButton>(f, "cmdRapporto")->click();
    auto* rapporto = c<QPlainTextEdit>(f, "txtRapporto");
    QVERIFY(rapporto && rapporto->isVisible() && rapporto->toPlainText().contains(QStringLiteral("nelle fonti: ")));
  }

 private:
  std::unique_ptr<QTemporaryDir> impostazioni_;
};

QTEST_MAIN(FrmAggiornaArchivioTest)
#include "frm_aggiorna_archivio_test.moc"
