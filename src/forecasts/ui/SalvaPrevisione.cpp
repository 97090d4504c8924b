#include "forecasts/ui/SalvaPrevisione.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Ambiente.h"
#include "app/NumeriLotto.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "app/ui/frmMain.h"
#include "forecasts/ProbabilitaPrevisione.h"
#include "forecasts/RegistroPrevisioni.h"
#include "forecasts/SaldaPrevisione.h"
#include "forecasts/ui/FrmPrevisioni.h"
#include "spy/RigheTabella.h"

namespace ruotario {

namespace {

class DialogoQt : public ModificaPrevisione {
 public:
  std::optional<Previsione> modifica(QWidget* padre, const Previsione& proposta) override {
    DlgPrevisione dialogo(proposta, padre);
    if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
    return dialogo.Letta();
  }
};

ModificaPrevisione* gModifica = nullptr;

QString testo(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

ModificaPrevisione& modificaPrevisione() {
  static DialogoQt qt;
  return gModifica ? *gModifica : qt;
}

void impostaModificaPrevisione(ModificaPrevisione* m) { gModifica = m; }

std::vector<int> NumeriScelti(const QAbstractItemView& tabella) {
  const QAbstractItemModel* modello = tabella.model();
  if (!modello) return {};
  auto numero = [&](int riga) { return ValoreTesto(modello->index(riga, 0).data().toString().toStdString()); };
  std::vector<int> righe;
  if (const QItemSelectionModel* scelta = tabella.selectionModel())
    for (const QModelIndex& i : scelta->selectedIndexes()) righe.push_back(i.row());
  std::sort(righe.begin(), righe.end());
  righe.erase(std::unique(righe.begin(), righe.end()), righe.end());
  std::vector<int> numeri;
  for (int r : righe) {
    const int n = numero(r);
    if (n >= 1 && n <= 90 && std::find(numeri.begin(), numeri.end(), n) == numeri.end()) numeri.push_back(n);
    if (static_cast<int>(numeri.size()) == kNumeriMassimi) break;
  }
  if (!numeri.empty()) return numeri;
  int migliore = -1;
  double massimo = 0.0;
  for (int r = 0; r < modello->rowCount(); ++r) {
    const double v = ChiaveNumerica(modello->index(r, 1).data().toString().toStdString(), SeparatoreDecimale());
    if (v > massimo) {
      massimo = v;
      migliore = r;
    }
  }
  if (migliore >= 0 && numero(migliore) >= 1 && numero(migliore) <= 90) numeri.push_back(numero(migliore));
  return numeri;
}

namespace {

// The wheel and colpi a study window shows, and its choices as text.
PropostaPrevisione propostaFinestra(const QWidget& finestra) {
  PropostaPrevisione p;
  QString scelte;
  auto lista = [&](const char* nome) { return finestra.findChild<QComboBox*>(QString::fromLatin1(nome)); };
  for (const char* nome : {"CmbNumero", "CmbNumero_0", "CmbNumero_1", "CmbNumero_2", "Cmbspia"})
    if (const QComboBox* l = lista(nome); l && l->isVisibleTo(&finestra))
      scelte += (scelte.isEmpty() ? "" : ", ") + l->currentText();
  if (!scelte.isEmpty()) scelte = QStringLiteral(" - Spia: ") + scelte;
  if (const QComboBox* fine = lista("CmbDataFine")) scelte += QStringLiteral(" - Estrazione: ") + fine->currentText();
  if (const QComboBox* ruota = lista("cmbRuota")) {
    p.Ruota = std::clamp(ruota->currentIndex() + 1, 1, kNumeroRuote);
    scelte += QStringLiteral(" - Ruota: ") + ruota->currentText();
  }
  if (const QComboBox* colpi = lista("Cmbcolpi")) {
    p.Colpi = std::clamp(ValoreTesto(colpi->currentText().toStdString()), 1, kColpiPrevisione);
    scelte += QStringLiteral(" - Colpi: ") + colpi->currentText();
  }
  p.Origine = finestra.windowTitle() + scelte;
  return p;
}

}  // namespace

PropostaPrevisione PropostaDaTabella(const QWidget& finestra, const QAbstractItemView& tabella,
                                     const IntestazioneStampa& intestazione) {
  PropostaPrevisione p = propostaFinestra(finestra);
  p.Numeri = NumeriScelti(tabella);
  if (!intestazione.Titolo.empty())
    p.Origine = QString::fromStdString(intestazione.Titolo + " -" + intestazione.Sottotitolo).simplified();
  return p;
}

PropostaPrevisione PropostaKostanti(const QWidget& finestra) {
  PropostaPrevisione p = propostaFinestra(finestra);
  QString ambate;
  const std::pair<const char*, const char*> caselle[] = {
      {"txtAmbata", "Chabbinamenti_3"}, {"Txtambata2", "Chabbinamenti_0"}, {"Txtambata3", "Chabbinamenti_1"}};
  for (const auto& [testoAmbata, attiva] : caselle) {
    const auto* t = finestra.findChild<QLineEdit*>(QString::fromLatin1(testoAmbata));
    const auto* c = finestra.findChild<QCheckBox*>(QString::fromLatin1(attiva));
    if (!t || !c || !c->isChecked()) continue;
    const int n = Fuori90(ValoreTesto(t->text().toStdString()));
    if (n < 1 || n > 90 || std::find(p.Numeri.begin(), p.Numeri.end(), n) != p.Numeri.end()) continue;
    p.Numeri.push_back(n);
    ambate += QStringLiteral(" ") + QString::number(n);
  }
  p.Origine += QStringLiteral(" - Ambate:") + ambate;
  return p;
}

void AggiungiSotto(QWidget* contenitore, QWidget* w) {
  if (auto* griglia = qobject_cast<QGridLayout*>(contenitore->layout())) {
    griglia->addWidget(w, griglia->rowCount(), 0, 1, 1, Qt::AlignLeft);
  } else if (auto* fila = qobject_cast<QBoxLayout*>(contenitore->layout())) {
    fila->addWidget(w, 0, Qt::AlignLeft);
  } else {
    w->setParent(contenitore);
  }
}

QString SalvaNelRegistro(Previsione p, long long& id) {
  const std::string& archivio = Stato().ArchivePath;
  const ArchivioEstrazioni estrazioni = ArchivioEstrazioni::CaricaArchivio(archivio);
  p.DataChiave = DataChiaveArchivio(estrazioni);
  const EsitoAggiunta esito = AggiungiPrevisione(PercorsoRegistro(archivio), p, SaldaPrevisione(p, estrazioni));
  id = esito.Id;
  return QString::fromStdString(esito.Errore);
}

QPushButton* PulsanteSalvaPrevisione(QWidget* finestra, ProponiPrevisione proponi) {
  auto* b = pulsante("cmdSalvaPrevisione", QStringLiteral("Salva previsione"), finestra);
  b->setToolTip(
      QStringLiteral("Salva nel registro delle previsioni i numeri scelti nella tabella (al più dieci; "
                     "senza scelta il migliore), come estratto sulla ruota e per i colpi della ricerca"));
  QObject::connect(b, &QPushButton::clicked, finestra, [finestra, proponi] {
    const PropostaPrevisione proposta = proponi();
    Previsione p;
    p.Numeri = proposta.Numeri;
    p.Ruote = {proposta.Ruota};
    p.Colpi = proposta.Colpi;
    p.Origine = proposta.Origine.simplified().toStdString();
    p.DataChiave = DataChiaveArchivio(ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath));
    const auto scelta = modificaPrevisione().modifica(finestra, p);
    if (!scelta) return;
    long long id = 0;
    const QString errore = SalvaNelRegistro(*scelta, id);
    if (!errore.isEmpty()) {
      messaggi().errore(finestra, errore);
      return;
    }
    if (frmMain* main = frmMain::principale())
      if (auto* registro = qobject_cast<FrmPrevisioni*>(main->finestra(FrmPrevisioni::kComando))) registro->Aggiorna();
    messaggi().avviso(finestra, QStringLiteral("Previsione N. %1 salvata nel registro delle previsioni.").arg(id));
  });
  return b;
}

DlgPrevisione::DlgPrevisione(const Previsione& proposta, QWidget* parent) : QDialog(parent), proposta_(proposta) {
  setObjectName(QStringLiteral("DlgPrevisione"));
  setWindowTitle(QStringLiteral("Salva previsione"));
  auto* moduli = new QFormLayout;
  auto* origine = etichetta("lbOrigine", testo(proposta.Origine), this);
  origine->setWordWrap(true);
  moduli->addRow(QStringLiteral("Origine:"), origine);
  numeri_ = new QLineEdit(testo(TestoNumeri(proposta.Numeri)), this);
  numeri_->setObjectName(QStringLiteral("txtNumeri"));
  numeri_->setPlaceholderText(QStringLiteral("da 1 a 10 numeri, separati da spazi"));
  moduli->addRow(QStringLiteral("Numeri:"), numeri_);
  auto* ruote = new QGridLayout;
  for (int r = 1; r <= kNumeroRuote; ++r) {
    auto* c = new QCheckBox(testo(kNomiRuote[static_cast<std::size_t>(r - 1)]), this);
    c->setObjectName(QStringLiteral("ChRuota_%1").arg(r - 1));
    c->setChecked(std::find(proposta.Ruote.begin(), proposta.Ruote.end(), r) != proposta.Ruote.end());
    ruote->addWidget(c, (r - 1) / 5, (r - 1) % 5);
    ruote_.push_back(c);
    connect(c, &QCheckBox::toggled, this, &DlgPrevisione::aggiornaProbabilita);
  }
  moduli->addRow(QStringLiteral("Ruote:"), ruote);
  sorte_ = new QComboBox(this);
  sorte_->setObjectName(QStringLiteral("cmbSorte"));
  for (int s = 1; s <= kSorteMassima; ++s) sorte_->addItem(testo(NomeSorte(s)));
  sorte_->setCurrentIndex(std::clamp(proposta.Sorte, 1, kSorteMassima) - 1);
  moduli->addRow(QStringLiteral("Sorte:"), sorte_);
  colpi_ = new QSpinBox(this);
  colpi_->setObjectName(QStringLiteral("txtColpi"));
  colpi_->setRange(1, kColpiPrevisione);
  colpi_->setValue(std::clamp(proposta.Colpi, 1, kColpiPrevisione));
  moduli->addRow(QStringLiteral("Colpi:"), colpi_);
  nota_ = new QLineEdit(testo(proposta.Nota), this);
  nota_->setObjectName(QStringLiteral("txtNota"));
  moduli->addRow(QStringLiteral("Nota:"), nota_);
  const QString dopo = proposta.DataChiave.empty()
                           ? QStringLiteral("dalla prima estrazione")
                           : QStringLiteral("dopo l'estrazione del ") + testo(proposta.DataChiave);
  moduli->addRow(QStringLiteral("Gioca:"), etichetta("lbDopo", dopo, this));
  probabilita_ = etichetta("lbProbabilita", QString(), this);
  moduli->addRow(QStringLiteral("Per puro caso:"), probabilita_);

  auto* bottoni = new QDialogButtonBox(this);
  auto* salva = bottoni->addButton(QStringLiteral("Salva"), QDialogButtonBox::AcceptRole);
  salva->setObjectName(QStringLiteral("cmdSalva"));
  bottoni->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("cmdAnnulla"));
  connect(bottoni, &QDialogButtonBox::accepted, this, &DlgPrevisione::salva);
  connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(numeri_, &QLineEdit::textChanged, this, &DlgPrevisione::aggiornaProbabilita);
  connect(sorte_, &QComboBox::currentIndexChanged, this, &DlgPrevisione::aggiornaProbabilita);
  connect(colpi_, &QSpinBox::valueChanged, this, &DlgPrevisione::aggiornaProbabilita);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(moduli);
  layout->addWidget(bottoni);
  aggiornaProbabilita();
}

Previsione DlgPrevisione::Letta() const {
  Previsione p = proposta_;
  p.Numeri = NumeriDaTesto(numeri_->text().toStdString()).value_or(std::vector<int>{});
  p.Ruote.clear();
  for (int r = 1; r <= kNumeroRuote; ++r)
    if (ruote_[static_cast<std::size_t>(r - 1)]->isChecked()) p.Ruote.push_back(r);
  p.Sorte = sorte_->currentIndex() + 1;
  p.Colpi = colpi_->value();
  p.Nota = nota_->text().toStdString();
  return p;
}

void DlgPrevisione::aggiornaProbabilita() {
  const Previsione p = Letta();
  if (!ControllaPrevisione(p).empty()) {
    probabilita_->setText(QStringLiteral("—"));
    return;
  }
  probabilita_->setText(QStringLiteral("%1 di vincere entro %2 colpi")
                            .arg(QString::fromStdString(TestoPercentuale(ProbabilitaVincita(p), SeparatoreDecimale())))
                            .arg(p.Colpi));
}

void DlgPrevisione::salva() {
  if (!NumeriDaTesto(numeri_->text().toStdString())) {
    messaggi().avviso(this, QStringLiteral("Numeri da 1 a 90, separati da spazi o virgole."));
    return;
  }
  const std::string errore = ControllaPrevisione(Letta());
  if (!errore.empty()) {
    messaggi().avviso(this, QString::fromStdString(errore));
    return;
  }
  accept();
}

}  // namespace ruotario
