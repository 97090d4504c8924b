// The window's controls, their layout and the choices kept between openings.
#include "ritardi/ui/FrmRitardi.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "forecasts/ui/SalvaPrevisione.h"
#include "print/ui/MenuTabella.h"
#include "print/ui/VistaGrafico.h"
#include "ritardi/Tabellone.h"
#include "ritardi/ui/ModelloRitardi.h"
#include "ritardi/ui/VistaTabellone.h"
#include "spy/ui/FinestraSpia.h"

namespace ruotario {

namespace {

// Rows offered for pairs and triples; 0 shows them all.
constexpr int kRigheOfferte[] = {20, 50, 100, 200, 500, 1000, 0};
constexpr int kRighePredefinite = 2;  // list position of 100
const QString kSezione = QStringLiteral("Ritardi/");
// Room for the choices and the tabellone in two blocks (1-45, 46-90) of eleven wheels.
constexpr QSize kDimensioneFinestra(1400, 960);

QString testo(const std::string& s) { return QString::fromStdString(s); }

QComboBox* elenco(const char* nome, QWidget* padre, std::initializer_list<std::pair<QString, QVariant>> voci = {}) {
  QComboBox* c = NuovoElenco(nome, padre);
  for (const auto& [t, dato] : voci) c->addItem(t, dato);
  return c;
}

// "Tutte" and then the values of a filter, the value as item data (-1 for all).
QComboBox* filtro(const char* nome, QWidget* padre, int primo, int ultimo,
                  const std::function<QString(int)>& etichetta) {
  QComboBox* c = elenco(nome, padre, {{QStringLiteral("Tutte"), -1}});
  for (int v = primo; v <= ultimo; ++v) c->addItem(etichetta(v), v);
  return c;
}

QSettings impostazioni() { return QSettings(kTitoloApplicazione, kTitoloApplicazione); }

void scegliDato(QComboBox* c, const QVariant& dato) {
  const int i = c->findData(dato);
  if (i >= 0) c->setCurrentIndex(i);
}

}  // namespace

FrmRitardi::FrmRitardi(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FrmRitardi"));
  setWindowTitle(QString::fromUtf8(kTitoloRitardi));
  setAttribute(Qt::WA_DeleteOnClose);
  // One read serves the date lists and the first study.
  archivio_ = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
  nazionale_ = LeggiNazionale(PercorsoNazionale(Stato().ArchivePath));
  costruisci();
  resize(1500, 860);  // room for the whole tabellone; the main window fits it to the screen
  const int conta = CaricaDate(*inizio_, *fine_, archivio_);
  inizio_->setCurrentIndex(conta > 0 ? 0 : -1);
  fine_->setCurrentIndex(conta - 1);
  caricaScelte();
  aggiornaControlli();
  pronto_ = true;
  Calcola();
}

void FrmRitardi::costruisci() {
  schede_ = new QTabWidget(this);
  schede_->setObjectName(QStringLiteral("TabRitardi"));
  schede_->addTab(schedaTabellone(), QStringLiteral("Tabellone analitico"));
  schede_->addTab(schedaTabella(), QStringLiteral("Tabella"));
  schede_->addTab(schedaGrafico(), QStringLiteral("Grafico"));

  // The choices scroll on a short screen rather than squeezing the views.
  auto* scorri = new QScrollArea(this);
  scorri->setWidget(pannelloScelte());
  scorri->setWidgetResizable(true);
  scorri->setFrameShape(QFrame::NoFrame);
  scorri->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scorri->setFixedWidth(scorri->widget()->sizeHint().width() + scorri->verticalScrollBar()->sizeHint().width());

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(scorri, 0);
  layout->addWidget(schede_, 1);

  for (QComboBox* c : {ruota_, tipo_, posizione_, inizio_, fine_, righe_, decina_, cadenza_, figura_})
    connect(c, &QComboBox::currentIndexChanged, this, &FrmRitardi::Calcola);
  connect(gruppo_, &QComboBox::activated, this, &FrmRitardi::Calcola);
  connect(gruppo_->lineEdit(), &QLineEdit::editingFinished, this, &FrmRitardi::Calcola);
  connect(ultime_, &QSpinBox::valueChanged, this, &FrmRitardi::Calcola);
  connect(cerca_, &QLineEdit::returnPressed, this, &FrmRitardi::Cerca);
  connect(valoreTabellone_, &QComboBox::currentIndexChanged, this, [this](int i) {
    tabellone_->Modello()->ImpostaValore(static_cast<ValoreTabellone>(i));
    salvaScelte();
  });
  connect(schede_, &QTabWidget::currentChanged, this, [this] {
    aggiornaControlli();
    salvaScelte();
  });
  connect(tabellone_, &VistaTabellone::CellaScelta, this, [this](int numero, int ruota) {
    MostraStoria(ruota, TipoRitardo::Numero, numero - 1);
    schede_->setCurrentIndex(SchedaGrafico);
  });
  connect(tabella_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &FrmRitardi::storiaDaSelezione);
  connect(tabella_, &QTableView::doubleClicked, this, [this] { schede_->setCurrentIndex(SchedaGrafico); });
  connect(tabella_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, &FrmRitardi::ricordaOrdine);
  AggiungiMenuTabella(tabella_, [this] { return tabella_->Modello()->TestoTabella(); });
  AggiungiMenuTabella(tabellone_, [this] { return tabellone_->Modello()->TestoTabella(); });
}

QWidget* FrmRitardi::pannelloScelte() {
  auto* pannello = new QWidget;
  auto* moduli = new QFormLayout;
  moduli->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

  ruota_ = NuovoElenco("cmbRuota", pannello);
  for (int r = 1; r <= kNumeroRuote; ++r) ruota_->addItem(testo(NomeRuotaRitardi(r)), r);
  if (!nazionale_.empty()) ruota_->addItem(testo(NomeRuotaRitardi(kRuotaNazionale)), kRuotaNazionale);
  ruota_->addItem(QStringLiteral("Tutte"), kTutteLeRuote);
  ruota_->addItem(QStringLiteral("Tutte insieme"), kRuoteInsieme);
  ruota_->setToolTip(
      QStringLiteral("Tutte: ogni ruota per sé. Tutte insieme: la voce su una qualsiasi delle dieci "
                     "ruote, ogni estrazione una volta."));
  moduli->addRow(QStringLiteral("Ruota:"), ruota_);

  tipo_ = elenco("cmbTipo", pannello,
                 {{QStringLiteral("Numeri"), static_cast<int>(TipoRitardo::Numero)},
                  {QStringLiteral("Ambi"), static_cast<int>(TipoRitardo::Ambo)},
                  {QStringLiteral("Terni"), static_cast<int>(TipoRitardo::Terno)},
                  {QStringLiteral("Gruppo"), static_cast<int>(TipoRitardo::Gruppo)}});
  moduli->addRow(QStringLiteral("Voci:"), tipo_);

  gruppo_ = NuovoElenco("cmbGruppo", pannello);
  gruppo_->setEditable(true);
  gruppo_->setInsertPolicy(QComboBox::NoInsert);
  for (int d = 0; d <= 8; ++d) gruppo_->addItem(testo(GruppoDecina(d).Nome), QStringLiteral("decina:%1").arg(d));
  for (int c = 0; c <= 9; ++c) gruppo_->addItem(testo(GruppoCadenza(c).Nome), QStringLiteral("cadenza:%1").arg(c));
  for (int f = 1; f <= 9; ++f) gruppo_->addItem(testo(GruppoFigura(f).Nome), QStringLiteral("figura:%1").arg(f));
  gruppo_->setToolTip(QStringLiteral("Una decina, una cadenza, una figura, o i propri numeri separati da virgole"));
  moduli->addRow(QStringLiteral("Gruppo:"), gruppo_);

  posizione_ = elenco("cmbPosizione", pannello, {{QStringLiteral("Qualsiasi"), 0}});
  for (int p = 1; p <= kNumeriPerRuota; ++p) posizione_->addItem(QStringLiteral("%1° estratto").arg(p), p);
  moduli->addRow(QStringLiteral("Posizione:"), posizione_);

  inizio_ = NuovoElenco("CmbdataInizio", pannello);
  inizio_->setMinimumContentsLength(15);
  fine_ = NuovoElenco("CmbDataFine", pannello);
  fine_->setMinimumContentsLength(15);
  moduli->addRow(QStringLiteral("Estrazione Inizio:"), inizio_);
  moduli->addRow(QStringLiteral("Estrazione Fine:"), fine_);

  ultime_ = new QSpinBox(pannello);
  ultime_->setObjectName(QStringLiteral("spnUltime"));
  ultime_->setRange(0, 32767);
  ultime_->setSingleStep(10);
  ultime_->setSpecialValueText(QStringLiteral("tutte"));
  ultime_->setToolTip(QStringLiteral("Solo le ultime N estrazioni fino all'estrazione di fine"));
  moduli->addRow(QStringLiteral("Ultime estrazioni:"), ultime_);

  righe_ = NuovoElenco("cmbAmbi", pannello);
  for (int n : kRigheOfferte) righe_->addItem(n > 0 ? QString::number(n) : QStringLiteral("Tutte"), n);
  righe_->setCurrentIndex(kRighePredefinite);
  righe_->setToolTip(QStringLiteral("Ambi e terni: quanti dei più ritardatari mostrare"));
  moduli->addRow(QStringLiteral("Righe mostrate:"), righe_);

  auto* filtri = new QGroupBox(QStringLiteral("Filtri della tabella"), pannello);
  auto* moduliFiltri = new QFormLayout(filtri);
  decina_ = filtro("cmbFiltroDecina", filtri, 0, 8, [](int d) {
    return d == 0 ? QStringLiteral("0 (1-9, 90)") : QStringLiteral("%1 (%10-%19)").arg(d);
  });
  cadenza_ = filtro("cmbFiltroCadenza", filtri, 0, 9, [](int c) { return QString::number(c); });
  figura_ = filtro("cmbFiltroFigura", filtri, 1, 9, [](int f) { return QString::number(f); });
  moduliFiltri->addRow(QStringLiteral("Decina:"), decina_);
  moduliFiltri->addRow(QStringLiteral("Cadenza:"), cadenza_);
  moduliFiltri->addRow(QStringLiteral("Figura:"), figura_);

  cerca_ = new QLineEdit(pannello);
  cerca_->setObjectName(QStringLiteral("txtCerca"));
  cerca_->setPlaceholderText(QStringLiteral("es. 67, 7-35 o 1-2-3 e Invio"));
  cerca_->setClearButtonEnabled(true);

  auto* titoloEstrazioni = new QLabel(QStringLiteral("Estrazioni della ruota:"), pannello);
  estrazioni_ = etichetta("lbEstrazioni", QString(), pannello);
  estrazioni_->setWordWrap(true);
  avviso_ = etichetta("lbAvviso", QString(), pannello);
  avviso_->setWordWrap(true);
  avviso_->setStyleSheet(QStringLiteral("color: #9c3d00;"));

  auto* comandi = new QGridLayout;
  const std::pair<QPushButton*, void (FrmRitardi::*)()> pulsanti[] = {
      {pulsante("CmdStampa", QStringLiteral("STAMPA"), pannello), &FrmRitardi::Stampa},
      {pulsante("CmdCopia", QStringLiteral("Copia"), pannello), &FrmRitardi::Copia},
      {pulsante("CmdEsportaCsv", QStringLiteral("Esporta CSV…"), pannello), &FrmRitardi::EsportaCsv},
      {pulsante("CmdNonOrdinare", QStringLiteral("Non Ordinare"), pannello), &FrmRitardi::NonOrdinare},
      {pulsante("Command1", QStringLiteral("?"), pannello), &FrmRitardi::Aiuto}};
  for (std::size_t i = 0; i < std::size(pulsanti); ++i) {
    comandi->addWidget(pulsanti[i].first, static_cast<int>(i / 2), static_cast<int>(i % 2));
    connect(pulsanti[i].first, &QPushButton::clicked, this, pulsanti[i].second);
  }
  comandi->addWidget(PulsanteSalvaPrevisione(this, [this] { return Proposta(); }), 2, 1);

  auto* colonna = new QVBoxLayout(pannello);
  colonna->setContentsMargins(0, 0, 4, 0);
  colonna->addLayout(moduli);
  colonna->addWidget(filtri);
  colonna->addWidget(new QLabel(QStringLiteral("Cerca:"), pannello));
  colonna->addWidget(cerca_);
  colonna->addWidget(titoloEstrazioni);
  colonna->addWidget(estrazioni_);
  colonna->addWidget(avviso_);
  colonna->addStretch();
  colonna->addLayout(comandi);
  return pannello;
}

QWidget* FrmRitardi::schedaTabellone() {
  auto* scheda = new QWidget;
  valoreTabellone_ = new QComboBox(scheda);
  valoreTabellone_->setObjectName(QStringLiteral("cmbValoreTabellone"));
  valoreTabellone_->addItems(
      {QStringLiteral("Ritardo attuale"), QStringLiteral("Ritardo massimo"), QStringLiteral("Frequenza")});
  legenda_ = etichetta("lbLegenda", QString(), scheda);
  legenda_->setTextFormat(Qt::RichText);
  legenda_->setWordWrap(true);
  tabellone_ = new VistaTabellone(scheda);
  auto* riga = new QHBoxLayout;
  riga->addWidget(new QLabel(QStringLiteral("Mostra:"), scheda));
  riga->addWidget(valoreTabellone_);
  riga->addSpacing(12);
  riga->addWidget(legenda_, 1);
  auto* colonna = new QVBoxLayout(scheda);
  colonna->setContentsMargins(4, 4, 4, 4);
  colonna->setSpacing(4);
  colonna->addLayout(riga);
  colonna->addWidget(tabellone_, 1);
  return scheda;
}

QWidget* FrmRitardi::schedaTabella() {
  auto* scheda = new QWidget;
  tabella_ = new TabellaRitardi(scheda);
  auto* nota = new QLabel(QStringLiteral("Clic su un'intestazione per ordinare, di nuovo per l'ordine inverso. "
                                         "Su fondo arancio le voci al proprio record. Doppio clic: il grafico."),
                          scheda);
  nota->setWordWrap(true);
  auto* colonna = new QVBoxLayout(scheda);
  colonna->setContentsMargins(4, 4, 4, 4);
  colonna->addWidget(tabella_, 1);
  colonna->addWidget(nota);
  return scheda;
}

QWidget* FrmRitardi::schedaGrafico() {
  auto* scheda = new QWidget;
  dettagli_ = etichetta("lbDettagli", QString(), scheda);
  dettagli_->setTextFormat(Qt::RichText);
  dettagli_->setWordWrap(true);
  grafico_ = new VistaGrafico(scheda);
  grafico_->setObjectName(QStringLiteral("GraficoRitardi"));
  auto* stampa = pulsante("CmdStampaGrafico", QStringLiteral("Stampa grafico"), scheda);
  auto* esporta = pulsante("CmdEsportaGrafico", QStringLiteral("Esporta immagine…"), scheda);
  connect(stampa, &QPushButton::clicked, grafico_, &VistaGrafico::Stampa);
  connect(esporta, &QPushButton::clicked, grafico_, &VistaGrafico::Esporta);
  auto* pulsanti = new QHBoxLayout;
  pulsanti->addWidget(dettagli_, 1);
  pulsanti->addWidget(stampa);
  pulsanti->addWidget(esporta);
  auto* colonna = new QVBoxLayout(scheda);
  colonna->setContentsMargins(4, 4, 4, 4);
  colonna->addLayout(pulsanti);
  colonna->addWidget(grafico_, 1);
  return scheda;
}

void FrmRitardi::caricaScelte() {
  const QSettings s = impostazioni();
  scegliDato(ruota_, s.value(kSezione + QStringLiteral("Ruota"), 1));
  scegliDato(tipo_, s.value(kSezione + QStringLiteral("Tipo"), 0));
  const QString gruppo = s.value(kSezione + QStringLiteral("Gruppo")).toString();
  if (const int i = gruppo_->findText(gruppo); i >= 0)
    gruppo_->setCurrentIndex(i);
  else if (!gruppo.isEmpty())
    gruppo_->setEditText(gruppo);
  scegliDato(posizione_, s.value(kSezione + QStringLiteral("Posizione"), 0));
  const int inizio = s.value(kSezione + QStringLiteral("Inizio"), 1).toInt();
  inizio_->setCurrentIndex(std::clamp(inizio, 1, std::max(archivio_.Conta(), 1)) - 1);
  ultime_->setValue(s.value(kSezione + QStringLiteral("Ultime"), 0).toInt());
  scegliDato(righe_, s.value(kSezione + QStringLiteral("Righe"), 100));
  scegliDato(decina_, s.value(kSezione + QStringLiteral("Decina"), -1));
  scegliDato(cadenza_, s.value(kSezione + QStringLiteral("Cadenza"), -1));
  scegliDato(figura_, s.value(kSezione + QStringLiteral("Figura"), -1));
  valoreTabellone_->setCurrentIndex(std::clamp(s.value(kSezione + QStringLiteral("Valore"), 0).toInt(), 0, 2));
  schede_->setCurrentIndex(std::clamp(s.value(kSezione + QStringLiteral("Scheda"), 0).toInt(), 0, 2));
  colonnaOrdine_ = s.value(kSezione + QStringLiteral("Ordine"), static_cast<int>(ColonnaRitardi::Attuale)).toInt();
  crescente_ = s.value(kSezione + QStringLiteral("Crescente"), false).toBool();
}

void FrmRitardi::salvaScelte() const {
  if (!pronto_) return;
  QSettings s = impostazioni();
  s.setValue(kSezione + QStringLiteral("Ruota"), ruota_->currentData());
  s.setValue(kSezione + QStringLiteral("Tipo"), tipo_->currentData());
  s.setValue(kSezione + QStringLiteral("Gruppo"), gruppo_->currentText());
  s.setValue(kSezione + QStringLiteral("Posizione"), posizione_->currentData());
  s.setValue(kSezione + QStringLiteral("Inizio"), inizio_->currentIndex() + 1);
  s.setValue(kSezione + QStringLiteral("Ultime"), ultime_->value());
  s.setValue(kSezione + QStringLiteral("Righe"), righe_->currentData());
  s.setValue(kSezione + QStringLiteral("Decina"), decina_->currentData());
  s.setValue(kSezione + QStringLiteral("Cadenza"), cadenza_->currentData());
  s.setValue(kSezione + QStringLiteral("Figura"), figura_->currentData());
  s.setValue(kSezione + QStringLiteral("Valore"), valoreTabellone_->currentIndex());
  s.setValue(kSezione + QStringLiteral("Scheda"), schede_->currentIndex());
  s.setValue(kSezione + QStringLiteral("Ordine"), colonnaOrdine_);
  s.setValue(kSezione + QStringLiteral("Crescente"), crescente_);
}

void FrmRitardi::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  if (mostrata_) return;
  mostrata_ = true;
  // Inside the main window the frame takes the room the tabellone needs, within the area.
  auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (!cornice || !cornice->mdiArea()) return;
  const QSize spazio = cornice->mdiArea()->viewport()->size();
  cornice->setGeometry(QRect(QPoint(0, 0), kDimensioneFinestra.boundedTo(spazio)));
}

}  // namespace ruotario
