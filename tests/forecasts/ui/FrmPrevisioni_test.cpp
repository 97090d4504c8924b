// A forecast saved from a spy window, settled when the archive grows (the
// status bar says so), then filtered and deleted in the "Previsioni" window;
// and the replay tab driving the replay.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <fstream>

#include "app/Ambiente.h"
#include "app/ui/frmMain.h"
#include "forecasts/RegistroPrevisioni.h"
#include "forecasts/ui/FrmPrevisioni.h"
#include "forecasts/ui/RegistroFinestrePrevisioni.h"
#include "forecasts/ui/SalvaPrevisione.h"
#include "forecasts/ui/SchedaVerifica.h"
#include "print/ui/VistaGrafico.h"
#include "spy/VariantiSpia.h"
#include "spy/ui/FinestraSpia.h"
#include "spy/ui/Griglia90.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

using namespace ruotario;

namespace {

// The dialog's stand-in: keeps the proposal and saves it as it is.
class FintaModifica : public ModificaPrevisione {
 public:
  std::optional<Previsione> modifica(QWidget*, const Previsione& proposta) override {
    ricevute.push_back(proposta);
    return proposta;
  }
  std::vector<Previsione> ricevute;
};

}  // namespace

class FrmPrevisioniTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    impostazioni_ = prova::ImpostazioniTemporanee();
    impostaMessaggi(&messaggi_);
    impostaModificaPrevisione(&modifica_);
    Stato().ArchivePath = cartella_.filePath("estrazioni.txt").toStdString();
    // Spy 1 at record 1; numbers 14..22, 45 and 60 follow it once each.
    std::ofstream(Stato().ArchivePath, std::ios::binary)
        << prova::TestoBari({{1, 10, 11, 12, 13}, {60, 14, 15, 16, 17}, {45, 18, 19, 21, 22}});
  }
  void cleanupTestCase() {
    impostaModificaPrevisione(nullptr);
    impostaMessaggi(nullptr);
  }

  void savedFromASpyWindowAndSettledByTheNextDraw() {
    FinestraSpia spia(*VariantePerNome("FrmSPY1"));
    spia.findChild<QPushButton*>("cmdStart")->click();
    spia.findChild<QPushButton*>("cmdSalvaPrevisione")->click();
    // No row chosen: the best one, the first of the equal counts.
    QCOMPARE(modifica_.ricevute.size(), std::size_t(1));
    const Previsione& p = modifica_.ricevute[0];
    QCOMPARE(p.Numeri, std::vector<int>{14});
    QCOMPARE(p.Ruote, std::vector<int>{1});
    QCOMPARE(p.Colpi, 9);
    QCOMPARE(p.DataChiave, prova::DataProva(3));
    QVERIFY(QString::fromStdString(p.Origine).contains("Numeretto: 1"));
    const std::string registro = PercorsoRegistro(Stato().ArchivePath);
    QCOMPARE(LeggiRegistro(registro).Voci.size(), std::size_t(1));

    // A row chosen in the table is what is proposed.
    spia.Griglia()->setCurrentIndex(spia.Griglia()->model()->index(59, 0));
    spia.findChild<QPushButton*>("cmdSalvaPrevisione")->click();
    QCOMPARE(modifica_.ricevute.back().Numeri, std::vector<int>{60});

    frmMain main;
    RegistraFinestrePrevisioni(main);
    std::ofstream(Stato().ArchivePath, std::ios::binary | std::ios::app)
        << "\r\n" + prova::RecordBari(prova::DataProva(4), {14, 30, 31, 32, 33});
    main.ricalcolaStatistiche();
    QCOMPARE(main.findChild<QLabel*>("PannelloPrevisioni")->text(), TestoPrevisioniSaldate(1));
    const auto voci = LeggiRegistro(registro).Voci;
    QCOMPARE(voci[0].Stato.Esito, EsitoPrevisione::Vinta);
    QCOMPARE(voci[1].Stato.Esito, EsitoPrevisione::InGioco);
  }

  void filtersAndDeletesOnlyWhenConfirmed() {
    FrmPrevisioni f;
    auto* tabella = f.findChild<QTableWidget*>("GrigliaPrevisioni");
    QCOMPARE(tabella->rowCount(), 2);
    f.findChild<QComboBox*>("cmbFiltro")->setCurrentIndex(2);  // settled only
    QCOMPARE(tabella->rowCount(), 1);
    QCOMPARE(tabella->item(0, 3)->text(), QString("14"));
    QVERIFY(f.findChild<QLabel*>("lbRiepilogo")->text().startsWith("1 saldata, 1 vinta"));
    stampa(f, "cmdStampa");

    auto* elimina = f.findChild<QPushButton*>("cmdElimina");
    QVERIFY(!elimina->isEnabled());
    tabella->selectRow(0);
    messaggi_.risposta = false;
    elimina->click();
    QVERIFY(messaggi_.testi().last().startsWith("Eliminare la previsione N. 1 (14 su Bari)"));
    QCOMPARE(LeggiRegistro(PercorsoRegistro(Stato().ArchivePath)).Voci.size(), std::size_t(2));
    messaggi_.risposta = true;
    elimina->click();
    QCOMPARE(LeggiRegistro(PercorsoRegistro(Stato().ArchivePath)).Voci.size(), std::size_t(1));
    QCOMPARE(tabella->rowCount(), 0);
  }

  void replayTabShowsTheReplayOfTheChoices() {
    SchedaVerifica scheda;
    scheda.findChild<QComboBox*>("cmbMetodo")->setCurrentIndex(static_cast<int>(MetodoVerifica::Ritardatario));
    scheda.findChild<QComboBox*>("Cmbcolpi")->setCurrentIndex(0);  // 1 colpo
    scheda.findChild<QPushButton*>("cmdVerifica")->click();
    const EsitoVerifica& e = scheda.Esito();
    // Forecasts at records 1, 2 and 3, each settled by the next draw.
    QCOMPARE(e.Previsioni.size(), std::size_t(3));
    QCOMPARE(scheda.findChild<Griglia90*>("GrigliaVerifica")->ContaRighe(), 3);
    QCOMPARE(scheda.findChild<VistaGrafico*>("GraficoVerifica")->Descrizione().Linee.size(), std::size_t(2));
    QVERIFY(scheda.findChild<QLabel*>("lbEsitoVerifica")->text().startsWith("3 previsioni"));
    stampa(scheda, "cmdStampaVerifica");

    // Mistyped ambate are refused, not run as no ambata at all.
    scheda.findChild<QComboBox*>("cmbMetodo")->setCurrentIndex(static_cast<int>(MetodoVerifica::Kostanti));
    scheda.findChild<QLineEdit*>("txtAmbate")->setText("2 95");
    messaggi_.ricevuti.clear();
    scheda.findChild<QPushButton*>("cmdVerifica")->click();
    QCOMPARE(messaggi_.ricevuti.size(), 1);
    QCOMPARE(scheda.Esito().Previsioni.size(), std::size_t(3));
  }

 private:
  // Printed through the table printing: it asks, then prints within the page.
  void stampa(QWidget& w, const char* pulsante) {
    prova::FintaStampante stampante;
    const QString pdf = cartella_.filePath(QString::fromLatin1(pulsante) + ".pdf");
    stampante.printer().setOutputFileName(pdf);
    impostaStampante(&stampante);
    w.findChild<QPushButton*>(pulsante)->click();
    impostaStampante(nullptr);
    QCOMPARE(messaggi_.ricevuti.last().tipo, QString("conferma"));
    QVERIFY(QFileInfo(pdf).size() > 0);
  }

  std::unique_ptr<QTemporaryDir> impostazioni_;
  QTemporaryDir cartella_;
  prova::FintiMessaggi messaggi_;
  FintaModifica modifica_;
};

QTEST_MAIN(FrmPrevisioniTest)
#include "FrmPrevisioni_test.moc"
