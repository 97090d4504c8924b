// "Ritardi e frequenze": what the controls drive (the study, the table's
// order, the chart's item, the span's refusal, the search box, the filters,
// the last draws), the commands, and the choices kept for the next opening.
#include "ritardi/ui/FrmRitardi.h"

#include <QAction>
#include <QBarSeries>
#include <QChart>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>
#include <fstream>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "forecasts/ui/SalvaPrevisione.h"
#include "print/ui/VistaGrafico.h"
#include "ritardi/ui/ModelloRitardi.h"
#include "ritardi/ui/RegistroRitardi.h"
#include "ritardi/ui/VistaTabellone.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

using namespace ruotario;

namespace {

QComboBox* lista(const QWidget& f, const char* nome) { return f.findChild<QComboBox*>(nome); }

QStringList colonna(const FrmRitardi& f, int c, int quante = 4) {
  QStringList l;
  const ModelloRitardi* m = f.Tabella()->Modello();
  for (int r = 0; r < quante && r < m->rowCount(); ++r) l << m->data(m->index(r, c), Qt::DisplayRole).toString();
  return l;
}

}  // namespace

class FrmRitardiTest : public QObject {
  Q_OBJECT

  QTemporaryDir cartella_;
  std::unique_ptr<QTemporaryDir> impostazioni_;
  prova::FintiMessaggi messaggi_;
  prova::FintiAppunti appunti_;

 private slots:
  void initTestCase() {
    impostazioni_ = prova::ImpostazioniTemporanee();
    impostaMessaggi(&messaggi_);
    impostaAppunti(&appunti_);
    // Bari's draws k 1..5 at records 1, 2, 4, 5, 6; record 3 and the other wheels are "00".
    Stato().ArchivePath = cartella_.filePath("estrazioni.txt").toStdString();
    std::ofstream(Stato().ArchivePath, std::ios::binary) << prova::TestoBari(
        {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {}, {1, 6, 11, 12, 13}, {2, 14, 15, 16, 17}, {1, 18, 19, 20, 21}});
    std::ofstream(cartella_.filePath("nazionale.txt").toStdString(), std::ios::binary) << "01/01/2000|0102030405|";
  }
  void cleanupTestCase() {
    impostaMessaggi(nullptr);
    impostaAppunti(nullptr);
  }

  void drivesTheStudyAndRemembersTheChoices() {
    auto f = std::make_unique<FrmRitardi>();
    QCOMPARE(f->findChild<QTabWidget*>("TabRitardi")->currentIndex(), int(FrmRitardi::SchedaTabellone));
    QCOMPARE(f->Tabellone()->Modello()->Ruote(), 11);  // nazionale.txt is there
    QVERIFY(lista(*f, "cmbRuota")->findText("Nazionale") >= 0);

    // Most overdue first, the arrow on "Rit. Attuale"; a click on a heading twice turns the order round.
    QHeaderView* intestazioni = f->Tabella()->horizontalHeader();
    QCOMPARE(intestazioni->sortIndicatorSection(), 2);
    QCOMPARE(colonna(*f, 0), QStringList({"22", "23", "24", "25"}));
    intestazioni->setSortIndicator(2, Qt::AscendingOrder);
    QCOMPARE(colonna(*f, 0), QStringList({"01", "18", "19", "20"}));
    // Selecting a row reorders nothing; it chooses the chart's item.
    f->Tabella()->VaiARiga(1);
    QCOMPARE(colonna(*f, 0), QStringList({"01", "18", "19", "20"}));
    QVERIFY(f->Grafico()->Descrizione().Titolo.starts_with("Bari 18"));
    // "Salva previsione" proposes the selected row's number on its wheel.
    QCOMPARE(f->Proposta().Numeri, std::vector<int>{18});
    QCOMPARE(f->Proposta().Ruota, 1);
    // Several rows go into one forecast, in the order shown.
    f->Tabella()->selectionModel()->select(f->Tabella()->model()->index(3, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(f->Proposta().Numeri, std::vector<int>({18, 20}));
    f->NonOrdinare();
    QCOMPARE(colonna(*f, 0, 2), QStringList({"01", "02"}));
    // 3 sits at its own record (4 of 4), 1 does not.
    const ModelloRitardi* m = f->Tabella()->Modello();
    QVERIFY(m->data(m->index(2, 0), Qt::UserRole).toBool() && !m->data(m->index(0, 0), Qt::UserRole).toBool());

    // Visible commands: the table as shown goes to the clipboard.
    f->findChild<QTabWidget*>("TabRitardi")->setCurrentIndex(FrmRitardi::SchedaTabella);
    f->findChild<QPushButton*>("CmdCopia")->click();
    QVERIFY(appunti_.scritto.startsWith("Numero\tFrequenza\tRit. Attuale\t"));

    // Filters, the last draws, the search box.
    lista(*f, "cmbFiltroDecina")->setCurrentIndex(2);  // decade 1: 10..19
    QCOMPARE(m->rowCount(), 10);
    lista(*f, "cmbFiltroDecina")->setCurrentIndex(0);
    f->findChild<QSpinBox*>("spnUltime")->setValue(2);
    QCOMPARE(f->Parametri().Inizio, 5);
    QVERIFY(!lista(*f, "CmbdataInizio")->isEnabled());
    f->findChild<QSpinBox*>("spnUltime")->setValue(0);
    auto* cerca = f->findChild<QLineEdit*>("txtCerca");
    cerca->setText("11");
    f->Cerca();
    QCOMPARE(m->Voci().at(static_cast<std::size_t>(f->Tabella()->currentIndex().row())).Indice, 10);
    // A pair switches to the pairs; one not among the 100 shown gets its chart.
    cerca->setText("35 7");
    f->Cerca();
    QCOMPARE(f->Parametri().Tipo, TipoRitardo::Ambo);
    QVERIFY(f->Grafico()->Descrizione().Titolo.starts_with("Bari 07-35"));

    // A start after the end is refused as the command line refuses it, and nothing is shown.
    messaggi_.ricevuti.clear();
    lista(*f, "CmbdataInizio")->setCurrentIndex(4);
    lista(*f, "CmbDataFine")->setCurrentIndex(2);
    QCOMPARE(messaggi_.testi(), QStringList{QString::fromStdString(MessaggioPeriodoInvertito(5, 3))});
    QCOMPARE(m->rowCount(), 0);
    lista(*f, "CmbDataFine")->setCurrentIndex(5);
    lista(*f, "CmbdataInizio")->setCurrentIndex(0);

    // A click on the tabellone opens that number's history.
    const QModelIndex cella = f->Tabellone()->Modello()->Indice(3, 1);
    emit f->Tabellone()->clicked(cella);
    QCOMPARE(f->findChild<QTabWidget*>("TabRitardi")->currentIndex(), int(FrmRitardi::SchedaGrafico));
    QVERIFY(f->Grafico()->Descrizione().Titolo.starts_with("Bari 03"));
    QCOMPARE(f->Grafico()->Descrizione().Barre.at(0).Valori, (std::vector<double>{0, 4}));

    lista(*f, "cmbRuota")->setCurrentText("Milano");
    f.reset();
    FrmRitardi g;
    QCOMPARE(lista(g, "cmbRuota")->currentText() + "|" + lista(g, "cmbTipo")->currentText(), QString("Milano|Ambi"));
    QCOMPARE(g.findChild<QTabWidget*>("TabRitardi")->currentIndex(), int(FrmRitardi::SchedaGrafico));
  }

  void theMenuEntryOpensTheWindow() {
    frmMain principale;
    RegistraFinestreRitardi(principale);
    principale.findChild<QAction*>("mnuRitardiFrequenze")->trigger();
    QCOMPARE(principale.finestra("mnuRitardiFrequenze")->objectName(), QString("FrmRitardi"));
  }
};

QTEST_MAIN(FrmRitardiTest)
#include "FrmRitardi_test.moc"
