#include "constants/ui/Frmstatproduttore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/ui/CaricaRuote.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "constants/Kostante.h"
#include "forecasts/ui/SalvaPrevisione.h"
#include "print/ui/MenuTabella.h"
#include "print/ui/StampaGriglia.h"
#include "spy/RigheTabella.h"
#include "spy/ui/FinestraSpia.h"
#include "spy/ui/Griglia90.h"
#include "stats/BaseCaso.h"
#include "stats/FuoriCampione.h"

namespace ruotario {

const QString Frmstatproduttore::kFormatoVincenti =
    QStringLiteral("   Nr.   |     Data Estr.    |   Dettag. Estrazioni    ");
const QString Frmstatproduttore::kFormatoNumeri =
    QStringLiteral("   Numero   |     Sortite     |    % Sortite     |   Ritar. Rel.    ");

namespace {

constexpr int kInizioKostanti = 3594;

QLineEdit* casella(const QString& nome, QWidget* parent, int larghezzaCifre = 2) {
  auto* c = new QLineEdit(parent);
  c->setObjectName(nome);
  c->setMaxLength(2);
  c->setAlignment(Qt::AlignCenter);
  c->setFixedWidth(c->fontMetrics().horizontalAdvance(QString(larghezzaCifre + 2, QLatin1Char('0'))) + 16);
  return c;
}

QPlainTextEdit* rapporto(const char* nome, QWidget* parent) {
  auto* t = new QPlainTextEdit(parent);
  t->setObjectName(QString::fromLatin1(nome));
  t->setReadOnly(true);
  t->setLineWrapMode(QPlainTextEdit::NoWrap);
  t->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  t->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return t;
}

// A list that also takes typed text; the text is checked when a command reads it.
QComboBox* elenco(const char* nome, QWidget* parent) {
  QComboBox* l = NuovoElenco(nome, parent);
  l->setEditable(true);
  l->setInsertPolicy(QComboBox::NoInsert);
  return l;
}

QGroupBox* cornice(const QString& titolo, QWidget* parent, const char* nome = nullptr) {
  auto* g = new QGroupBox(titolo, parent);
  if (nome) g->setObjectName(QString::fromLatin1(nome));
  return g;
}

}  // namespace

Frmstatproduttore::Frmstatproduttore(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Frmstatproduttore"));
  setWindowTitle(QStringLiteral("STATISTICA METODO DELLE KOSTANTI"));
  setAttribute(Qt::WA_DeleteOnClose);
  costruisci();
  caricaDate();
  caricaParametri();
  preparaGriglie();
}

Frmstatproduttore::~Frmstatproduttore() {
  // The worker may still be posting notices to this window: stop it and wait.
  ++generazione_;
  ricerca_.Ferma();
  ricerca_.Attendi();
}

void Frmstatproduttore::costruisci() {
  schede_ = new QTabWidget(this);
  schede_->setObjectName(QStringLiteral("SSTab1"));
  schede_->addTab(costruisciCapigioco(), QStringLiteral("Ricerca Capigioco"));
  schede_->addTab(costruisciAbbinamenti(), QStringLiteral("Ricerca Abbinamenti"));
  schede_->addTab(costruisciTabella(griglia90_, "Griglia90", 0), QStringLiteral("Statistica Abbinamenti"));
  schede_->addTab(costruisciTabella(frequentiGriglia_, "grigliafrequenti", 1), QStringLiteral("Statistica Frequenti"));

  // Below the tabs, so that it prints the table of whichever tab is in view.
  stampa_ = pulsante("CmdStampa", QStringLiteral("STAMPA RICERCA"), this);
  stampa_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  stampa_->setEnabled(false);
  auto* piede = new QHBoxLayout;
  piede->addWidget(stampa_);
  piede->addWidget(PulsanteSalvaPrevisione(this, [this] { return PropostaKostanti(*this); }));
  piede->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(schede_, 1);
  layout->addLayout(piede);

  connect(stampa_, &QPushButton::clicked, this, &Frmstatproduttore::StampaRicerca);
}

QWidget* Frmstatproduttore::costruisciCapigioco() {
  auto* scheda = new QWidget;
  auto* parametri = cornice(QStringLiteral("Parametri Ricerca"), scheda);
  auto* moduli = new QFormLayout;

  spia_ = elenco("Cmbspia", parametri);
  posizione_ = elenco("cmbPos", parametri);
  ruota_ = elenco("cmbRuota", parametri);
  colpi_ = elenco("Cmbcolpi", parametri);
  inizio_ = elenco("CmbdataInizio", parametri);
  fine_ = elenco("CmbDataFine", parametri);
  inizio_->setMinimumContentsLength(18);
  fine_->setMinimumContentsLength(18);
  moduli->addRow(QStringLiteral("Numero Spia:"), spia_);
  moduli->addRow(QStringLiteral("Posizione:"), posizione_);
  moduli->addRow(QStringLiteral("Ruota:"), ruota_);
  moduli->addRow(QStringLiteral("Colpi:"), colpi_);
  moduli->addRow(QStringLiteral("Estrazione Inizio Ricerca:"), inizio_);
  moduli->addRow(QStringLiteral("Estrazione Fine Ricerca:"), fine_);

  // Box and check box of each ambata; the check boxes keep the old group's indices.
  constexpr std::array<const char*, 3> kCaselle = {"txtAmbata", "Txtambata2", "Txtambata3"};
  constexpr std::array<int, 3> kIndici = {3, 0, 1};
  for (std::size_t j = 0; j < 3; ++j) {
    ambate_[j] = casella(QString::fromLatin1(kCaselle[j]), parametri);
    attive_[j] = new QCheckBox(j == 2 ? QStringLiteral("TERZA AMBATA") : QString(), parametri);
    attive_[j]->setObjectName(QStringLiteral("Chabbinamenti_%1").arg(kIndici[j]));
  }
  for (std::size_t j = 0; j < 2; ++j) {
    auto* riga = new QHBoxLayout;
    riga->addWidget(ambate_[j]);
    riga->addWidget(attive_[j]);
    riga->addStretch();
    moduli->addRow(j == 0 ? QStringLiteral("AMBATA PRINCIPALE:") : QStringLiteral("AMBATA SECONDARIA:"), riga);
  }
  auto* terza = new QHBoxLayout;
  terza->addWidget(ambate_[2]);
  terza->addStretch();
  moduli->addRow(attive_[2], terza);

  frBest_ = cornice(QString(), parametri, "Frbest");
  auto* best = new QGridLayout(frBest_);
  constexpr std::array<const char*, 3> kOpzioni = {"Princ.", "Secon.", "Terza A."};
  auto* gruppoBest = new QButtonGroup(frBest_);
  for (std::size_t i = 0; i < 3; ++i) {
    opAmbata_[i] = new QRadioButton(QString::fromLatin1(kOpzioni[i]), frBest_);
    opAmbata_[i]->setObjectName(QStringLiteral("opAmbata_%1").arg(i));
    gruppoBest->addButton(opAmbata_[i], static_cast<int>(i));
    best->addWidget(opAmbata_[i], 0, static_cast<int>(i));
  }
  scegliVeloce_ = new QCheckBox(QStringLiteral("Scegli Ambata + Veloce"), frBest_);
  scegliVeloce_->setObjectName(QStringLiteral("ChscegliAmbata"));
  cerca_ = pulsante("cmdsec", QStringLiteral("Cerca MIGLIORE Ambata"), frBest_);
  best->addWidget(scegliVeloce_, 1, 0, 1, 3);
  best->addWidget(cerca_, 2, 0, 1, 3);
  moduli->addRow(frBest_);

  avvia_ = pulsante("cmdStart", QStringLiteral("CALCOLA  STATISTICA"), parametri);
  ferma_ = pulsante("CmdStop", QStringLiteral("ANNULLA RICERCA"), parametri);
  auto* comandi = new QHBoxLayout;
  comandi->addWidget(avvia_);
  comandi->addWidget(ferma_);
  moduli->addRow(comandi);

  totale_ = new QLabel(parametri);
  totale_->setObjectName(QStringLiteral("Lbtotestrazioni"));
  casi_ = new QLabel(parametri);
  casi_->setObjectName(QStringLiteral("lbCasiGiocabili"));
  moduli->addRow(QStringLiteral("Totale Estrazioni:"), totale_);
  moduli->addRow(QStringLiteral("Totale Sortite Kost.:"), casi_);
  // Beside the labels, never in the report: the win percentage by chance alone.
  puroCaso_ = new QLabel(parametri);
  puroCaso_->setObjectName(QStringLiteral("lbPuroCaso"));
  puroCaso_->setWordWrap(true);
  puroCaso_->setToolTip(QString::fromUtf8(kSpiegazioneBaseCasoKostanti.data(),
                                          static_cast<qsizetype>(kSpiegazioneBaseCasoKostanti.size())));
  moduli->addRow(puroCaso_);
  fuoriCampione_ = new QLabel(parametri);
  fuoriCampione_->setObjectName(QStringLiteral("lbFuoriCampione"));
  fuoriCampione_->setWordWrap(true);
  // Room for the wrapped lines from the start, so nothing above them is squeezed when they fill.
  const int riga = fuoriCampione_->fontMetrics().lineSpacing();
  puroCaso_->setMinimumHeight(2 * riga);
  fuoriCampione_->setMinimumHeight(3 * riga);
  fuoriCampione_->setToolTip(
      QString::fromUtf8(kSpiegazioneFuoriCampione.data(), static_cast<qsizetype>(kSpiegazioneFuoriCampione.size())));
  moduli->addRow(fuoriCampione_);

  // The constant is fixed at its default: the frame stays hidden.
  auto* kostanteFrame = cornice(QStringLiteral("Kostante da controllare"), parametri);
  kostante_ = NuovoElenco("CmbNumero", kostanteFrame);
  (new QHBoxLayout(kostanteFrame))->addWidget(kostante_);
  kostanteFrame->setVisible(false);

  auto* colonna = new QVBoxLayout(parametri);
  colonna->addLayout(moduli);
  colonna->addStretch();
  colonna->addWidget(kostanteFrame);

  auto* dettaglio = cornice(QStringLiteral("Dettaglio Ricerca"), scheda);
  auto* sovrapposti = new QGridLayout(dettaglio);
  attendere_ = new QLabel(QStringLiteral("ATTENDERE RICERCA IN CORSO"), dettaglio);
  attendere_->setObjectName(QStringLiteral("LbAttendere"));
  attendere_->setAlignment(Qt::AlignCenter);
  esitoTesto_ = rapporto("TxtEsito", dettaglio);
  esitoTesto_->setMinimumWidth(esitoTesto_->fontMetrics().horizontalAdvance(QString(44, QLatin1Char('X'))));
  // The label lies behind the report box and shows only while the box is hidden.
  sovrapposti->addWidget(attendere_, 0, 0);
  sovrapposti->addWidget(esitoTesto_, 0, 0);
  esitoTesto_->raise();
  attendere_->setVisible(false);

  auto* layout = new QHBoxLayout(scheda);
  layout->addWidget(parametri, 0);
  layout->addWidget(dettaglio, 1);

  connect(avvia_, &QPushButton::clicked, this, &Frmstatproduttore::CalcolaStatistica);
  connect(cerca_, &QPushButton::clicked, this, &Frmstatproduttore::CercaMiglioreAmbata);
  connect(ferma_, &QPushButton::clicked, this, &Frmstatproduttore::AnnullaRicerca);
  connect(gruppoBest, &QButtonGroup::idClicked, this, &Frmstatproduttore::presceltaAmbate);
  connect(kostante_, &QComboBox::currentIndexChanged, this, &Frmstatproduttore::ambateDaKostante);
  return scheda;
}

QWidget* Frmstatproduttore::costruisciAbbinamenti() {
  auto* scheda = new QWidget;

  auto* tipo = cornice(QStringLiteral("Tipo di ricerca"), scheda);
  auto* tipoLayout = new QVBoxLayout(tipo);
  constexpr std::array<const char*, 3> kModi = {"Auto", "Manuale", "Probabili"};
  for (std::size_t i = 0; i < 3; ++i) {
    opRicerca_[i] = new QRadioButton(QString::fromLatin1(kModi[i]), tipo);
    opRicerca_[i]->setObjectName(QStringLiteral("Opricerca_%1").arg(i));
    tipoLayout->addWidget(opRicerca_[i]);
  }
  frequenti_ = new QCheckBox(QStringLiteral("Usa Num. Frequenti"), tipo);
  frequenti_->setObjectName(QStringLiteral("Chfreq"));
  amboCapigioco_ = new QCheckBox(QStringLiteral("Ambo Abbin."), tipo);
  amboCapigioco_->setObjectName(QStringLiteral("Chambocg"));
  tipoLayout->addWidget(frequenti_);
  tipoLayout->addWidget(amboCapigioco_);

  auto* capi = cornice(QStringLiteral("Ambate Capigioco"), scheda);
  auto* capiLayout = new QHBoxLayout(capi);
  for (std::size_t j = 0; j < 3; ++j) {
    capigioco_[j] = casella(QStringLiteral("txtambcg%1").arg(j + 1), capi);
    capigioco_[j]->setMaxLength(32767);
    capiLayout->addWidget(capigioco_[j]);
  }
  capiLayout->addStretch();

  auto* quante = cornice(QStringLiteral("Abbinamenti da Ricercare"), scheda);
  auto* quanteLayout = new QHBoxLayout(quante);
  for (std::size_t i = 0; i < 5; ++i) {
    numAbb_[i] = new QRadioButton(QString::number(i + 1), quante);
    numAbb_[i]->setObjectName(QStringLiteral("Opnumabb_%1").arg(i));
    quanteLayout->addWidget(numAbb_[i]);
  }
  quanteLayout->addStretch();

  auto* scelti = cornice(QStringLiteral("Abbinamenti"), scheda);
  auto* sceltiLayout = new QHBoxLayout(scelti);
  for (std::size_t i = 0; i < 5; ++i) {
    abbinamenti_[i] = casella(QStringLiteral("Txtabb_%1").arg(i), scelti);
    abbinamenti_[i]->setMaxLength(32767);
    sceltiLayout->addWidget(abbinamenti_[i]);
  }
  sceltiLayout->addStretch();

  auto* avviaAbb = pulsante("CmdStartAbb", QStringLiteral("Ricerca"), scheda);

  auto* sinistra = new QVBoxLayout;
  sinistra->addWidget(tipo);
  sinistra->addWidget(capi);
  sinistra->addWidget(quante);
  sinistra->addWidget(scelti);
  sinistra->addWidget(avviaAbb);
  sinistra->addStretch();

  auto* riepilogo = cornice(QStringLiteral("Riepilogo Statistica Vincite"), scheda);
  esitoAb_ = rapporto("txtesitoab", riepilogo);
  (new QVBoxLayout(riepilogo))->addWidget(esitoAb_);
  auto* ambo = cornice(QStringLiteral("Dettaglio Statistica Vincite con AMBO"), scheda);
  esitoAmbo_ = rapporto("txtesitoambo", ambo);
  (new QVBoxLayout(ambo))->addWidget(esitoAmbo_);
  const int larghezzaRapporti = esitoAmbo_->fontMetrics().horizontalAdvance(QString(50, QLatin1Char('X')));
  esitoAb_->setMinimumWidth(larghezzaRapporti);
  esitoAmbo_->setMinimumWidth(larghezzaRapporti);
  auto* centro = new QVBoxLayout;
  centro->addWidget(riepilogo, 1);
  centro->addWidget(ambo, 1);

  auto* dettaglio = cornice(QStringLiteral("Dettaglio Estrazioni Vincenti"), scheda);
  vincenti_ = new QTableWidget(0, 3, dettaglio);
  vincenti_->setObjectName(QStringLiteral("gridVincenti"));
  vincenti_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  vincenti_->setSelectionMode(QAbstractItemView::SingleSelection);
  vincenti_->verticalHeader()->setVisible(false);
  vincenti_->verticalHeader()->setDefaultSectionSize(vincenti_->fontMetrics().height() + 4);
  vincenti_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  vincenti_->horizontalHeader()->setStretchLastSection(true);
  const std::vector<std::string> titoli = TitoliFormato(kFormatoVincenti.toStdString());
  int larghezza = 2 * vincenti_->frameWidth() + vincenti_->verticalScrollBar()->sizeHint().width();
  for (std::size_t c = 0; c < titoli.size(); ++c) {
    const QString t = QString::fromStdString(titoli[c]);
    vincenti_->setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem(t));
    const int w = vincenti_->horizontalHeader()->fontMetrics().horizontalAdvance(t) + 16;
    vincenti_->setColumnWidth(static_cast<int>(c), w);
    larghezza += w;
  }
  vincenti_->setMinimumWidth(larghezza);
  AggiungiMenuTabella(vincenti_, [this] { return GrigliaDaTabella(*vincenti_); });
  (new QVBoxLayout(dettaglio))->addWidget(vincenti_);

  auto* layout = new QHBoxLayout(scheda);
  layout->addLayout(sinistra, 0);
  layout->addLayout(centro, 1);
  layout->addWidget(dettaglio, 0);

  connect(avviaAbb, &QPushButton::clicked, this, &Frmstatproduttore::RicercaAbbinamenti);
  return scheda;
}

QWidget* Frmstatproduttore::costruisciTabella(Griglia90*& griglia, const char* nome, int indice) {
  auto* scheda = new QWidget;
  griglia = new Griglia90(scheda);
  griglia->setObjectName(QString::fromLatin1(nome));
  griglia->ImpostaFormato(kFormatoNumeri);
  griglia->CentraColonne();
  // The tab is the table's alone: its columns share the width.
  griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

  auto* comandi = new QHBoxLayout;
  if (indice == 0) {
    auto* noOrdina = pulsante("Noordab", QStringLiteral("NON ORDINARE"), scheda);
    comandi->addWidget(noOrdina);
    connect(noOrdina, &QPushButton::clicked, this, [this] { griglia90_->Ordina(0, Verso::Crescente); });
  } else {
    auto* top5 = pulsante("Command2", QStringLiteral("TOP 5"), scheda);
    auto* noOrdina = pulsante("Command3", QStringLiteral("NON ORDINARE"), scheda);
    comandi->addWidget(top5);
    comandi->addWidget(noOrdina);
    connect(top5, &QPushButton::clicked, this, [this] { frequentiGriglia_->TieniMigliori(5); });
    connect(noOrdina, &QPushButton::clicked, this, [this] { frequentiGriglia_->Ordina(0, Verso::Crescente); });
  }
  auto* aiuto = new QLabel(QStringLiteral("(?)"), scheda);
  aiuto->setObjectName(QStringLiteral("Lbordina_%1").arg(indice));
  aiuto->setCursor(Qt::WhatsThisCursor);
  aiuto->installEventFilter(this);
  ordina_[static_cast<std::size_t>(indice)] = aiuto;
  comandi->addWidget(aiuto);
  comandi->addStretch();

  auto* layout = new QVBoxLayout(scheda);
  layout->addWidget(griglia, 1);
  layout->addLayout(comandi);
  return scheda;
}

bool Frmstatproduttore::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() == QEvent::MouseButtonRelease && (oggetto == ordina_[0] || oggetto == ordina_[1])) {
    messaggi().avviso(
        this,
        QStringLiteral("Per ordinare rispetto ad una colonna della tabella fare DOPPIO CLICK sulla colonna scelta"));
    return true;
  }
  return QWidget::eventFilter(oggetto, evento);
}

void Frmstatproduttore::caricaDate() { contaRecord_ = CaricaDate(*inizio_, *fine_, Stato().ArchivePath); }

void Frmstatproduttore::caricaParametri() {
  CaricaRuote(*ruota_);
  posizione_->addItem(QStringLiteral("TUTTE"));
  for (int k = 1; k <= 5; ++k) posizione_->addItem(QString::number(k));
  for (int n = 1; n <= 90; ++n) spia_->addItem(QString::number(n));
  posizione_->setCurrentIndex(0);
  spia_->setCurrentIndex(0);
  kostante_->clear();
  for (int k = 1; k <= 800; ++k) kostante_->addItem(QString::number(k));
  colpi_->clear();
  for (int c = 1; c <= 99; ++c) colpi_->addItem(QString::number(c));
  colpi_->setCurrentIndex(8);
  ruota_->setCurrentIndex(0);
  kostante_->setCurrentIndex(199);  // "200": proposes the two ambate
  inizio_->setCurrentIndex(contaRecord_ >= kInizioKostanti ? kInizioKostanti - 1 : (contaRecord_ > 0 ? 0 : -1));
  fine_->setCurrentIndex(contaRecord_ - 1);

  ambate_[2]->setText(QStringLiteral("1"));
  attive_[0]->setChecked(true);
  attive_[1]->setChecked(true);
  attive_[2]->setChecked(false);
  opAmbata_[1]->setChecked(true);
  scegliVeloce_->setChecked(true);
  opRicerca_[0]->setChecked(true);
  frequenti_->setChecked(false);
  amboCapigioco_->setChecked(true);
  numAbb_[2]->setChecked(true);
}

void Frmstatproduttore::preparaGriglie() {
  vincenti_->clearContents();
  vincenti_->setRowCount(0);
  griglia90_->PreparaGriglia();
  frequentiGriglia_->PreparaGriglia();
}

void Frmstatproduttore::ambateDaKostante() {
  const AmbateProposte a = AmbateDaKostante(kostante_->currentText().toStdString());
  ambate_[0]->setText(QString::number(a.Principale));
  ambate_[1]->setText(QString::number(a.Secondaria));
}

void Frmstatproduttore::presceltaAmbate(int opzione) {
  attive_[0]->setChecked(true);
  attive_[1]->setChecked(opzione >= 1);
  attive_[2]->setChecked(opzione >= 2);
}

void Frmstatproduttore::closeEvent(QCloseEvent* evento) {
  interrompiRicerca();
  QWidget::closeEvent(evento);
}

}  // namespace ruotario
