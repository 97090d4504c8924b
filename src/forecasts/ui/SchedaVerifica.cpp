#include "forecasts/ui/SchedaVerifica.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/Formato.h"
#include "app/NumeriLotto.h"
#include "app/ui/CaricaRuote.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "constants/Kostante.h"
#include "print/ui/StampaGriglia.h"
#include "print/ui/VistaGrafico.h"
#include "spy/Zevedive.h"
#include "spy/ui/FinestraSpia.h"
#include "spy/ui/Griglia90.h"

namespace ruotario {

namespace {

const QString kFormatoVerifica = QStringLiteral(
    "   Nr.   |      Data      |   Numeri   |  Prob. %  |   Esito   | Colpo |   Data esito   |  Vinte  |  Attese  ");

// The methods in list order, as MetodoVerifica counts them.
const QStringList kMetodi = {
    QStringLiteral("Numero più ritardatario della ruota"), QStringLiteral("Numero spia: il successore migliore"),
    QStringLiteral("Metodo delle kostanti: le ambate"), QStringLiteral("ZevedIVE: il primo numero")};

QString percento(double v) { return QString::fromStdString(FormattaNumero(v, "##0.0", SeparatoreDecimale())) + "%"; }

}  // namespace

SchedaVerifica::SchedaVerifica(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SchedaVerifica"));
  auto* parametri = new QGroupBox(QStringLiteral("Metodo e periodo"), this);
  auto* moduli = new QFormLayout;
  metodo_ = NuovoElenco("cmbMetodo", parametri);
  metodo_->addItems(kMetodi);
  metodo_->setMinimumContentsLength(28);
  moduli->addRow(QStringLiteral("Metodo:"), metodo_);
  ruota_ = NuovoElenco("cmbRuota", parametri);
  CaricaRuote(*ruota_);
  moduli->addRow(QStringLiteral("Ruota:"), ruota_);
  colpi_ = NuovoElenco("Cmbcolpi", parametri);
  for (int c = 1; c <= 99; ++c) colpi_->addItem(QString::number(c));
  moduli->addRow(QStringLiteral("Colpi:"), colpi_);
  studioDa_ = NuovoElenco("CmbStudioDa", parametri);
  inizio_ = NuovoElenco("CmbdataInizio", parametri);
  fine_ = NuovoElenco("CmbDataFine", parametri);
  for (QComboBox* c : {studioDa_, inizio_, fine_}) c->setMinimumContentsLength(18);
  moduli->addRow(QStringLiteral("Studio dall'estrazione:"), studioDa_);
  moduli->addRow(QStringLiteral("Prima previsione:"), inizio_);
  moduli->addRow(QStringLiteral("Ultima previsione:"), fine_);
  spia_ = NuovoElenco("CmbNumero", parametri);
  for (int n = 1; n <= 90; ++n) spia_->addItem(QString::number(n));
  moduli->addRow(QStringLiteral("Numero Spia:"), spia_);
  posizione_ = NuovoElenco("cmbPos", parametri);
  posizione_->addItems({QStringLiteral("TUTTE"), "1", "2", "3", "4", "5"});
  moduli->addRow(QStringLiteral("Posizione:"), posizione_);
  unico_ = new QCheckBox(QStringLiteral("Conta Sortite Uniche"), parametri);
  unico_->setObjectName(QStringLiteral("ChUnico"));
  unico_->setChecked(true);
  moduli->addRow(unico_);
  const AmbateProposte ambate = AmbateDaKostante("200");
  ambate_ = new QLineEdit(QStringLiteral("%1 %2").arg(ambate.Principale).arg(ambate.Secondaria), parametri);
  ambate_->setObjectName(QStringLiteral("txtAmbate"));
  ambate_->setToolTip(QStringLiteral("Da una a tre ambate, tutte attive (dalla kostante 200: 2 e 20)"));
  moduli->addRow(QStringLiteral("Ambate:"), ambate_);
  top_ = new QLineEdit(QStringLiteral("2"), parametri);
  top_->setObjectName(QStringLiteral("txttop"));
  moduli->addRow(QStringLiteral("Usa i TOP:"), top_);
  auto* avvia = pulsante("cmdVerifica", QStringLiteral("Verifica"), parametri);
  moduli->addRow(avvia);
  auto* spiega = new QLabel(
      QStringLiteral("A ogni estrazione il metodo usa solo le estrazioni fino a lì e prevede un estratto per i colpi "
                     "seguenti; la previsione dopo si fa all'estrazione in cui questa si è chiusa."),
      parametri);
  spiega->setWordWrap(true);
  auto* colonna = new QVBoxLayout(parametri);
  colonna->addLayout(moduli);
  colonna->addWidget(spiega);
  colonna->addStretch();

  sintesi_ = etichetta("lbEsitoVerifica", QString(), this);
  sintesi_->setWordWrap(true);
  sintesi_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grafico_ = new VistaGrafico(this);
  grafico_->setObjectName(QStringLiteral("GraficoVerifica"));
  grafico_->setMinimumHeight(220);
  griglia_ = new Griglia90(this);
  griglia_->setObjectName(QStringLiteral("GrigliaVerifica"));
  griglia_->ImpostaFormato(kFormatoVerifica);
  griglia_->ImpostaRighe({});
  auto* divisore = new QSplitter(Qt::Vertical, this);
  divisore->addWidget(grafico_);
  divisore->addWidget(griglia_);
  divisore->setStretchFactor(0, 2);
  divisore->setStretchFactor(1, 1);
  auto* stampaGrafico = pulsante("cmdStampaGrafico", QStringLiteral("Stampa grafico"), this);
  auto* esportaGrafico = pulsante("cmdEsportaGrafico", QStringLiteral("Esporta grafico…"), this);
  auto* stampaTabella = pulsante("cmdStampaVerifica", QStringLiteral("Stampa tabella"), this);
  auto* comandi = new QHBoxLayout;
  comandi->addStretch();
  for (QPushButton* b : {stampaGrafico, esportaGrafico, stampaTabella}) comandi->addWidget(b);
  auto* risultati = new QVBoxLayout;
  risultati->addWidget(sintesi_);
  risultati->addWidget(divisore, 1);
  risultati->addLayout(comandi);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(parametri, 0);
  layout->addLayout(risultati, 1);

  const auto archivio = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
  contaRecord_ = CaricaDate(*inizio_, *fine_, archivio);
  for (int i = 0; i < inizio_->count(); ++i) studioDa_->addItem(inizio_->itemText(i));
  metodo_->setCurrentIndex(static_cast<int>(MetodoVerifica::Spia));
  cambiaMetodo();

  connect(metodo_, &QComboBox::currentIndexChanged, this, &SchedaVerifica::cambiaMetodo);
  connect(avvia, &QPushButton::clicked, this, &SchedaVerifica::Verifica);
  connect(stampaGrafico, &QPushButton::clicked, grafico_, &VistaGrafico::Stampa);
  connect(esportaGrafico, &QPushButton::clicked, grafico_, &VistaGrafico::Esporta);
  connect(stampaTabella, &QPushButton::clicked, this, &SchedaVerifica::stampa);
}

// The printed table has fourteen characters a column and the width of the
// page: six of the grid's columns.
void SchedaVerifica::stampa() {
  GrigliaTesto t;
  t.intestazioni = {"Nr.", "Data", "Numeri", "Esito", "Vinte", "Attese"};
  for (const RigaTabella& r : griglia_->Righe()) {
    const std::string esito = r[4] == "vinta" ? "vinta c." + r[5] : r[4];
    t.righe.push_back({r[0], r[1], r[2], esito, r[7], r[8]});
  }
  const RiepilogoCaso& c = esito_.Caso;
  const QString sottotitolo =
      QStringLiteral("  %1 previsioni, %2 vinte; per puro caso %3 attese; altrettante o più per caso: %4")
          .arg(c.Previsioni)
          .arg(c.Vinte)
          .arg(QString::fromStdString(FormattaNumero(c.Attese, "##0.0", SeparatoreDecimale())),
               QString::fromStdString(TestoPercentuale(c.Coda, SeparatoreDecimale())));
  StampaPrimeRighe(t, QStringLiteral("  Verifica metodo: ") + metodo_->currentText() + " - " + ruota_->currentText(),
                   sottotitolo, 500, this);
}

// Each method starts where its own window starts its span, with its colpi.
void SchedaVerifica::cambiaMetodo() {
  const auto m = static_cast<MetodoVerifica>(metodo_->currentIndex());
  int da = 1;
  if (m == MetodoVerifica::Spia) da = InizioPredefinito(contaRecord_);
  if (m == MetodoVerifica::Kostanti) da = contaRecord_ >= 3594 ? 3594 : 1;
  if (m == MetodoVerifica::Zevedive) da = InizioDaVelocita(1, contaRecord_);
  colpi_->setCurrentIndex(m == MetodoVerifica::Zevedive ? 1 : 8);
  if (contaRecord_ > 0) {
    studioDa_->setCurrentIndex(da - 1);
    inizio_->setCurrentIndex(da - 1);
    fine_->setCurrentIndex(contaRecord_ - 1);
  }
  const bool spia = m == MetodoVerifica::Spia || m == MetodoVerifica::Kostanti;
  spia_->setEnabled(spia);
  posizione_->setEnabled(spia);
  unico_->setEnabled(m == MetodoVerifica::Spia);
  ambate_->setEnabled(m == MetodoVerifica::Kostanti);
  top_->setEnabled(m == MetodoVerifica::Zevedive);
}

ParametriVerifica SchedaVerifica::Parametri() const {
  ParametriVerifica p;
  p.Metodo = static_cast<MetodoVerifica>(std::clamp(metodo_->currentIndex(), 0, 3));
  p.Ruota = ruota_->currentIndex() + 1;
  p.Colpi = ValoreTesto(colpi_->currentText().toStdString());
  p.StudioDa = studioDa_->currentIndex() + 1;
  p.Inizio = inizio_->currentIndex() + 1;
  p.Fine = fine_->currentIndex() + 1;
  const int spia = spia_->currentIndex() + 1;
  p.Spia.NumeriSpia = {spia, 0, 0};
  p.Spia.Posizione = posizione_->currentIndex();
  p.Spia.SortiteUniche = unico_->isChecked();
  p.Kostanti.NumeroSpia = spia;
  p.Kostanti.Posizione = posizione_->currentIndex();
  const std::vector<int> ambate = NumeriDaTesto(ambate_->text().toStdString()).value_or(std::vector<int>{});
  for (std::size_t j = 0; j < 3; ++j) {
    p.Kostanti.Attiva[j] = j < ambate.size();
    p.Kostanti.Ambata[j] = j < ambate.size() ? ambate[j] : 0;
  }
  p.Top = ValoreTesto(top_->text().toStdString());
  return p;
}

void SchedaVerifica::Verifica() {
  const ParametriVerifica p = Parametri();
  if (p.Metodo == MetodoVerifica::Kostanti) {
    // A mistyped list would otherwise run with no ambata and make no forecast.
    const auto ambate = NumeriDaTesto(ambate_->text().toStdString());
    if (!ambate || ambate->empty() || ambate->size() > 3) {
      messaggi().avviso(this, QStringLiteral("Ambate: da una a tre, numeri da 1 a 90 separati da spazi."));
      return;
    }
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const auto archivio = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
  esito_ = VerificaMetodo(p, archivio);
  QApplication::restoreOverrideCursor();

  const RiepilogoCaso& c = esito_.Caso;
  if (c.Previsioni == 0) {
    sintesi_->setText(
        QStringLiteral("Nessuna previsione: il metodo non ne fa nel periodo scelto, o i colpi "
                       "dell'ultima uscirebbero dall'archivio."));
  } else {
    sintesi_->setText(QStringLiteral("%1 previsioni, %2 vinte (%3); per puro caso %4 attese (%5). Fare altrettanto "
                                     "o meglio per puro caso capita nel %6 dei casi.")
                          .arg(c.Previsioni)
                          .arg(c.Vinte)
                          .arg(percento(c.Percentuale()))
                          .arg(QString::fromStdString(FormattaNumero(c.Attese, "##0.0", SeparatoreDecimale())))
                          .arg(percento(c.PercentualeAttesa()))
                          .arg(QString::fromStdString(TestoPercentuale(c.Coda, SeparatoreDecimale()))));
  }
  const QString titolo =
      QStringLiteral("%1 - %2, %3 colpi").arg(metodo_->currentText(), ruota_->currentText()).arg(p.Colpi);
  grafico_->Mostra(GraficoVerifica(esito_, archivio, titolo.toStdString()));

  RigheTabella righe;
  const auto curva = CurvaCumulata(esito_);
  const char sep = SeparatoreDecimale();
  for (std::size_t i = 0; i < esito_.Previsioni.size(); ++i) {
    const PrevisioneVerifica& f = esito_.Previsioni[i];
    righe.push_back({std::to_string(i + 1), std::string(archivio[f.Record].Data()), TestoNumeri(f.Numeri),
                     FormattaNumero(100.0 * f.Probabilita, "##0.00", sep), f.Vinta ? "vinta" : "scaduta",
                     std::to_string(f.Colpo), std::string(archivio[f.RecordEsito].Data()),
                     std::to_string(curva[i].Vinte), FormattaNumero(curva[i].Attese, "##0.00", sep)});
  }
  griglia_->ImpostaRighe(std::move(righe));
}

}  // namespace ruotario
