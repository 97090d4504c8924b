#include "forecasts/ui/FrmPrevisioni.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/Formato.h"
#include "app/NumeriLotto.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "forecasts/ProbabilitaPrevisione.h"
#include "forecasts/RegistroPrevisioni.h"
#include "forecasts/SaldaPrevisione.h"
#include "forecasts/ui/SalvaPrevisione.h"
#include "forecasts/ui/SchedaVerifica.h"
#include "print/ui/MenuTabella.h"
#include "print/ui/StampaGriglia.h"

namespace ruotario {

namespace {

QString testo(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A cell that sorts by the key it was given (a number, a date) instead of its text.
class Cella : public QTableWidgetItem {
 public:
  Cella(const QString& t, QVariant chiave) : QTableWidgetItem(t) {
    setData(Qt::UserRole, std::move(chiave));
    setFlags(flags() & ~Qt::ItemIsEditable);
  }
  bool operator<(const QTableWidgetItem& altra) const override {
    return QVariant::compare(data(Qt::UserRole), altra.data(Qt::UserRole)) == QPartialOrdering::Less;
  }
};

const QStringList kTitoli = {QStringLiteral("Nr."),     QStringLiteral("Salvata"), QStringLiteral("Dopo il"),
                             QStringLiteral("Numeri"),  QStringLiteral("Ruote"),   QStringLiteral("Sorte"),
                             QStringLiteral("Colpi"),   QStringLiteral("Stato"),   QStringLiteral("Esito"),
                             QStringLiteral("Prob. %"), QStringLiteral("Origine"), QStringLiteral("Nota")};

// What became of a forecast, in a few words.
QString esito(const StatoPrevisione& s) {
  switch (s.Esito) {
    case EsitoPrevisione::Vinta:
      return QStringLiteral("colpo %1, %2, %3 il %4")
          .arg(s.Colpo)
          .arg(testo(kNomiRuote[static_cast<std::size_t>(std::clamp(s.RuotaVinta, 1, kNumeroRuote) - 1)]))
          .arg(testo(NomeSorte(s.SorteVinta)).toLower(), testo(s.DataEsito));
    case EsitoPrevisione::Scaduta: return QStringLiteral("il ") + testo(s.DataEsito);
    case EsitoPrevisione::InGioco: break;
  }
  return QStringLiteral("%1 colpi giocati").arg(s.Colpo);
}

}  // namespace

FrmPrevisioni::FrmPrevisioni(QWidget* parent) : QWidget(parent) {
  setObjectName(QString::fromLatin1(kNome));
  setWindowTitle(QStringLiteral("Previsioni"));
  setAttribute(Qt::WA_DeleteOnClose);
  schede_ = new QTabWidget(this);
  schede_->setObjectName(QStringLiteral("SchedePrevisioni"));
  schede_->addTab(costruisciRegistro(), QStringLiteral("Registro"));
  verifica_ = new SchedaVerifica(schede_);
  schede_->addTab(verifica_, QStringLiteral("Verifica metodo"));
  (new QVBoxLayout(this))->addWidget(schede_);
  resize(1300, 720);
  Aggiorna();
}

QWidget* FrmPrevisioni::costruisciRegistro() {
  auto* pagina = new QWidget;
  filtro_ = new QComboBox(pagina);
  filtro_->setObjectName(QStringLiteral("cmbFiltro"));
  filtro_->addItems({QStringLiteral("Tutte"), QStringLiteral("In gioco"), QStringLiteral("Saldate")});
  auto* nuova = pulsante("cmdNuova", QStringLiteral("Nuova…"), pagina);
  elimina_ = pulsante("cmdElimina", QStringLiteral("Elimina"), pagina);
  auto* stampa = pulsante("cmdStampa", QStringLiteral("Stampa"), pagina);
  auto* copia = pulsante("cmdCopia", QStringLiteral("Copia"), pagina);
  auto* csv = pulsante("cmdCsv", QStringLiteral("Esporta CSV…"), pagina);
  auto* aggiorna = pulsante("cmdAggiorna", QStringLiteral("Aggiorna"), pagina);
  aggiorna->setToolTip(QStringLiteral("Rilegge il registro e lo salda sull'archivio com'è ora"));

  tabella_ = new QTableWidget(0, static_cast<int>(kTitoli.size()), pagina);
  tabella_->setObjectName(QStringLiteral("GrigliaPrevisioni"));
  tabella_->setHorizontalHeaderLabels(kTitoli);
  tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabella_->setAlternatingRowColors(true);
  tabella_->verticalHeader()->setVisible(false);
  tabella_->horizontalHeader()->setStretchLastSection(true);
  tabella_->setWordWrap(false);
  tabella_->verticalHeader()->setDefaultSectionSize(tabella_->fontMetrics().height() + 6);
  tabella_->setSortingEnabled(true);
  tabella_->sortByColumn(0, Qt::AscendingOrder);
  AggiungiMenuTabella(tabella_, [this] { return GrigliaDaTabella(*tabella_); });

  riepilogo_ = etichetta("lbRiepilogo", QString(), pagina);
  riepilogo_->setWordWrap(true);
  riepilogo_->setToolTip(
      QStringLiteral("Le previsioni saldate (vinte o scadute) contro quello che darebbe il puro caso: le vincite "
                     "attese sono la somma delle probabilità di ciascuna previsione, e l'ultima cifra dice quanto "
                     "spesso il caso arriverebbe ad altrettante vincite o più."));

  auto* comandi = new QHBoxLayout;
  comandi->addWidget(new QLabel(QStringLiteral("Mostra:"), pagina));
  comandi->addWidget(filtro_);
  comandi->addStretch();
  for (QPushButton* b : {nuova, elimina_, stampa, copia, csv, aggiorna}) comandi->addWidget(b);
  auto* layout = new QVBoxLayout(pagina);
  layout->addLayout(comandi);
  layout->addWidget(tabella_, 1);
  layout->addWidget(riepilogo_);

  connect(filtro_, &QComboBox::currentIndexChanged, this, &FrmPrevisioni::mostra);
  connect(nuova, &QPushButton::clicked, this, &FrmPrevisioni::Nuova);
  connect(elimina_, &QPushButton::clicked, this, &FrmPrevisioni::Elimina);
  connect(stampa, &QPushButton::clicked, this, &FrmPrevisioni::Stampa);
  connect(copia, &QPushButton::clicked, this, [this] { CopiaTabella(GrigliaDaTabella(*tabella_)); });
  connect(csv, &QPushButton::clicked, this, [this] { EsportaCsvTabella(this, GrigliaDaTabella(*tabella_)); });
  connect(aggiorna, &QPushButton::clicked, this, &FrmPrevisioni::Aggiorna);
  connect(tabella_, &QTableWidget::itemSelectionChanged, this, [this] { elimina_->setEnabled(idScelto() != 0); });
  return pagina;
}

void FrmPrevisioni::Aggiorna() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const auto archivio = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
  RegistroSaldato r = SaldaRegistro(PercorsoRegistro(Stato().ArchivePath), archivio);
  QApplication::restoreOverrideCursor();
  if (!r.Errore.empty()) messaggi().errore(this, QString::fromStdString(r.Errore));
  tutte_ = std::move(r.Voci);
  const RiepilogoCaso caso = RiepilogoRegistro(tutte_);
  riepilogo_->setText(QString::fromStdString(TestoRiepilogoCaso(caso, SeparatoreDecimale())));
  mostra();
}

void FrmPrevisioni::mostra() {
  const int filtro = filtro_->currentIndex();
  voci_.clear();
  for (const VocePrevisione& v : tutte_)
    if (filtro == 0 || v.Stato.Saldata() == (filtro == 2)) voci_.push_back(v);

  tabella_->setSortingEnabled(false);
  tabella_->clearContents();
  tabella_->setRowCount(static_cast<int>(voci_.size()));
  const char sep = SeparatoreDecimale();
  for (int r = 0; r < static_cast<int>(voci_.size()); ++r) {
    const Previsione& p = voci_[static_cast<std::size_t>(r)].Dati;
    const StatoPrevisione& s = voci_[static_cast<std::size_t>(r)].Stato;
    const double prob = ProbabilitaVincita(p);
    const std::array<Cella*, 12> celle = {
        new Cella(QString::number(p.Id), p.Id),
        new Cella(testo(p.Salvata), testo(p.Salvata)),
        new Cella(testo(p.DataChiave), static_cast<qlonglong>(OrdinaleData(p.DataChiave))),
        new Cella(testo(TestoNumeri(p.Numeri)), testo(TestoNumeri(p.Numeri))),
        new Cella(testo(TestoRuote(p.Ruote)), testo(TestoRuote(p.Ruote))),
        new Cella(testo(NomeSorte(p.Sorte)), p.Sorte),
        new Cella(QString::number(p.Colpi), p.Colpi),
        new Cella(testo(NomeEsito(s.Esito)), static_cast<int>(s.Esito)),
        new Cella(esito(s), static_cast<qlonglong>(OrdinaleData(s.DataEsito))),
        new Cella(QString::fromStdString(FormattaNumero(100.0 * prob, "##0.00", sep)), prob),
        new Cella(testo(p.Origine), testo(p.Origine)),
        new Cella(testo(p.Nota), testo(p.Nota))};
    for (int c = 0; c < static_cast<int>(celle.size()); ++c)
      tabella_->setItem(r, c, celle[static_cast<std::size_t>(c)]);
  }
  tabella_->setSortingEnabled(true);
  tabella_->resizeColumnsToContents();
  tabella_->setColumnWidth(10, std::min(tabella_->columnWidth(10), 320));
  elimina_->setEnabled(idScelto() != 0);
}

long long FrmPrevisioni::idScelto() const {
  const auto righe = tabella_->selectionModel()->selectedRows();
  if (righe.isEmpty()) return 0;
  const QTableWidgetItem* cella = tabella_->item(righe.first().row(), 0);
  return cella ? cella->data(Qt::UserRole).toLongLong() : 0;
}

void FrmPrevisioni::Nuova() {
  Previsione p;
  p.Ruote = {1};
  p.Colpi = 9;
  p.Origine = "Inserita a mano";
  p.DataChiave = DataChiaveArchivio(ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath));
  const auto scelta = modificaPrevisione().modifica(this, p);
  if (!scelta) return;
  long long id = 0;
  const QString errore = SalvaNelRegistro(*scelta, id);
  if (!errore.isEmpty()) messaggi().errore(this, errore);
  Aggiorna();
}

void FrmPrevisioni::Elimina() {
  const long long id = idScelto();
  const auto v = std::find_if(tutte_.begin(), tutte_.end(), [id](const VocePrevisione& x) { return x.Dati.Id == id; });
  if (v == tutte_.end()) return;
  const QString domanda = QStringLiteral("Eliminare la previsione N. %1 (%2 su %3)?")
                              .arg(id)
                              .arg(testo(TestoNumeri(v->Dati.Numeri)), testo(TestoRuote(v->Dati.Ruote)));
  if (!messaggi().conferma(this, domanda)) return;
  const std::string errore = EliminaPrevisione(PercorsoRegistro(Stato().ArchivePath), id);
  if (!errore.empty()) messaggi().errore(this, QString::fromStdString(errore));
  Aggiorna();
}

void FrmPrevisioni::Stampa() {
  // The printed table has fourteen characters a column and the width of the
  // page: six short columns, in the order the window shows the forecasts.
  static constexpr std::array<const char*, 10> kSigle = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RM", "TO", "VE"};
  GrigliaTesto t;
  t.intestazioni = {"Nr.", "Numeri", "Ruote", "Giocata", "Esito", "Data esito"};
  for (int r = 0; r < tabella_->rowCount(); ++r) {
    const long long id = tabella_->item(r, 0)->data(Qt::UserRole).toLongLong();
    const auto v = std::find_if(voci_.begin(), voci_.end(), [id](const VocePrevisione& x) { return x.Dati.Id == id; });
    if (v == voci_.end()) continue;
    const Previsione& p = v->Dati;
    const StatoPrevisione& s = v->Stato;
    std::string numeri = TestoNumeri(p.Numeri);
    if (numeri.size() > 12) numeri = numeri.substr(0, 11) + "+";
    std::string ruote;
    if (p.Ruote.size() == kNumeroRuote)
      ruote = "Tutte";
    else if (p.Ruote.size() > 4)
      ruote = std::to_string(p.Ruote.size()) + " ruote";
    else
      for (int q : p.Ruote) ruote += (ruote.empty() ? "" : " ") + std::string(kSigle[static_cast<std::size_t>(q - 1)]);
    std::string esito = std::string(NomeEsito(s.Esito));
    if (s.Esito == EsitoPrevisione::Vinta)
      esito += " " + std::string(kSigle[static_cast<std::size_t>(s.RuotaVinta - 1)]) + " c." + std::to_string(s.Colpo);
    if (s.Esito == EsitoPrevisione::InGioco) esito += " " + std::to_string(s.Colpo) + "c";
    t.righe.push_back({std::to_string(p.Id), numeri, ruote,
                       std::string(NomeSorte(p.Sorte)) + " " + std::to_string(p.Colpi) + "c", esito, s.DataEsito});
  }
  StampaPrimeRighe(t, QStringLiteral("  Registro delle previsioni - ") + filtro_->currentText(),
                   QStringLiteral("  ") + riepilogo_->text(), 500, this);
}

}  // namespace ruotario
