#include "archive/ui/frmvisualizzaArchivioEstrazioni.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/ui/Servizi.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/ScritturaArchivio.h"
#include "archive/ui/GrigliaEstrazione.h"
#include "archive/ui/frmmunInserisciNuovaEstrazione.h"
#include "print/ImpaginaGriglia.h"
#include "print/ui/MenuTabella.h"
#include "print/ui/StampaGriglia.h"

namespace ruotario {

namespace {

template <typename T>
T* controllo(const char* nome, T* w) {
  w->setObjectName(QString::fromLatin1(nome));
  return w;
}

// Busy pointer for the length of a print.
struct CursoreOccupato {
  CursoreOccupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~CursoreOccupato() { QApplication::restoreOverrideCursor(); }
  CursoreOccupato(const CursoreOccupato&) = delete;
  CursoreOccupato& operator=(const CursoreOccupato&) = delete;
};

}  // namespace

frmvisualizzaArchivioEstrazioni::frmvisualizzaArchivioEstrazioni(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmvisualizzaArchivioEstrazioni"));
  setWindowTitle(QStringLiteral("Archivio Estrazioni Lotto"));
  costruisci();
  griglia_->PreparaGrigliaEstrazione();
  CaricaDate();
}

void frmvisualizzaArchivioEstrazioni::costruisci() {
  cmbData_ = controllo("CmbData", new QComboBox(this));
  // Sizing to the contents would measure every date of a long archive.
  cmbData_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cmbData_->setMinimumContentsLength(18);
  cmbData_->setMaxVisibleItems(20);
  scroll1_ = controllo("Scroll1", new QScrollBar(Qt::Horizontal, this));
  contatore_ = controllo("Lbcontatore", new QLabel(this));
  lbdata_ = controllo("lbdata", new QLabel(this));
  vuoto_ = controllo("LbArchivioVuoto", new QLabel(QStringLiteral("L'archivio non contiene estrazioni."), this));
  vuoto_->hide();

  auto* etichette = new QGridLayout;
  etichette->addWidget(controllo("Label1", new QLabel(QStringLiteral("Estrazione num."), this)), 0, 0);
  etichette->addWidget(contatore_, 0, 1);
  etichette->addWidget(controllo("Label2", new QLabel(QStringLiteral("Data Estrazione:"), this)), 1, 0);
  etichette->addWidget(lbdata_, 1, 1);
  etichette->setColumnStretch(2, 1);

  griglia_ = new GrigliaEstrazione(QStringLiteral("Grigliaestratti"), this);
  // The draw's date heads the wheel column, so a pasted or exported draw says which one it is.
  AggiungiMenuTabella(griglia_, [this] {
    GrigliaTesto t = griglia_->TestoStampa();
    t.intestazioni.front() = lbdata_->text().toStdString();
    return t;
  });

  modifica_ = controllo("CmdModifica", new QPushButton(QStringLiteral("MODIFICA"), this));
  stampa_ = controllo("CmdStampa", new QPushButton(QStringLiteral("STAMPA"), this));
  frModifiche_ = controllo("FrModifiche", new QGroupBox(this));
  salva_ = controllo("cmdSalva", new QPushButton(QStringLiteral("Salva Modifiche"), frModifiche_));
  annulla_ = controllo("CmdAnnulla", new QPushButton(QStringLiteral("Annulla Modifiche"), frModifiche_));
  auto* modifiche = new QVBoxLayout(frModifiche_);
  modifiche->addWidget(salva_);
  modifiche->addWidget(annulla_);
  frModifiche_->hide();
  datascelta_ = controllo("datascelta", new QDateEdit(this));
  datascelta_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  datascelta_->setCalendarPopup(true);
  datascelta_->setDateRange(QDate(1800, 1, 1), QDate(9999, 12, 31));
  datascelta_->hide();

  auto* comandi = new QVBoxLayout;
  comandi->addWidget(modifica_);
  comandi->addWidget(datascelta_);
  comandi->addWidget(frModifiche_);
  comandi->addStretch(1);
  comandi->addWidget(stampa_);

  auto* centro = new QHBoxLayout;
  centro->addWidget(griglia_, 1);
  centro->addLayout(comandi);

  auto* l = new QVBoxLayout(this);
  l->addWidget(cmbData_);
  l->addWidget(scroll1_);
  l->addLayout(etichette);
  l->addWidget(vuoto_);
  l->addLayout(centro, 1);

  griglia_->ImpostaPulsanteSalva(salva_);  // always enabled here: the input switch decides
  setTabOrder(datascelta_, griglia_->Testo());

  connect(modifica_, &QPushButton::clicked, this, &frmvisualizzaArchivioEstrazioni::Modifica);
  connect(salva_, &QPushButton::clicked, this, &frmvisualizzaArchivioEstrazioni::SalvaModifiche);
  connect(annulla_, &QPushButton::clicked, this, &frmvisualizzaArchivioEstrazioni::AnnullaModifiche);
  connect(stampa_, &QPushButton::clicked, this, &frmvisualizzaArchivioEstrazioni::PrintGrid);
}

void frmvisualizzaArchivioEstrazioni::CaricaDate() {
  disconnect(scroll1_, nullptr, this, nullptr);
  disconnect(cmbData_, nullptr, this, nullptr);
  ArchivioEstrazioni archivio = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
  conta_ = archivio.Conta();
  QStringList etichette;
  etichette.reserve(conta_);
  for (int i = 1; i <= conta_; ++i) etichette << QString::fromStdString(archivio.EtichettaData(i));
  cmbData_->clear();
  cmbData_->addItems(etichette);
  inMemoria_ = archivio.FormaFissa() ? ArchivioEstrazioni() : std::move(archivio);

  const bool vuoto = conta_ == 0;
  vuoto_->setVisible(vuoto);
  for (QWidget* w : std::initializer_list<QWidget*>{cmbData_, scroll1_, modifica_, stampa_}) w->setEnabled(!vuoto);
  if (vuoto) {
    scroll1_->setRange(0, 0);
    contatore_->setText(QStringLiteral("0"));
    lbdata_->clear();
    return;
  }
  scroll1_->setRange(1, conta_);
  scroll1_->setValue(conta_);
  cmbData_->setCurrentIndex(conta_ - 1);
  MostraEstrazione(conta_);
  connect(scroll1_, &QScrollBar::valueChanged, this, &frmvisualizzaArchivioEstrazioni::scorri);
  connect(cmbData_, &QComboBox::currentIndexChanged, this, [this](int p) {
    if (p >= 0) scroll1_->setValue(p + 1);
  });
}

void frmvisualizzaArchivioEstrazioni::scorri(int i) {
  cmbData_->setCurrentIndex(i - 1);
  MostraEstrazione(i);
}

int frmvisualizzaArchivioEstrazioni::Posizione() const { return conta_ == 0 ? 0 : scroll1_->value(); }

bool frmvisualizzaArchivioEstrazioni::InModifica() const { return frModifiche_->isVisibleTo(this); }

void frmvisualizzaArchivioEstrazioni::MostraEstrazione(int i) {
  const bool letto = inMemoria_.Vuoto();
  const Estrazione e = letto ? Estrazione{i, LeggiRecord(Stato().ArchivePath, i).value_or(std::string())}
                       : i >= 1 && i <= inMemoria_.Conta() ? inMemoria_[i]
                                                           : Estrazione{i, std::string()};
  mostrato_ = std::string(e.Riga.vista());
  contatore_->setText(QString::number(i));
  lbdata_->setText(QString::fromLatin1(e.Data().data(), static_cast<qsizetype>(e.Data().size())));
  griglia_->MostraRecord(e);
}

void frmvisualizzaArchivioEstrazioni::Modifica() {
  if (conta_ == 0) return;
  // A correction that could not be saved is refused now, before any typing.
  if (const EsitoScrittura possibile = ControllaCorrezione(Stato().ArchivePath, Posizione()); !possibile) {
    messaggi().avviso(this, QString::fromStdString(possibile.Messaggio));
    return;
  }
  datascelta_->setDate(DataDaEtichetta(lbdata_->text()));
  frModifiche_->show();
  datascelta_->show();
  // Moving to another draw now would give it the date set here.
  cmbData_->setEnabled(false);
  scroll1_->setEnabled(false);
  griglia_->Testo()->clear();
  griglia_->ImpostaInput(true);
  griglia_->setFocus();
  griglia_->ApriEditor(1, 1);
}

void frmvisualizzaArchivioEstrazioni::SalvaModifiche() {
  const int i = Posizione();
  const QDate d = datascelta_->date();
  CelleRuote celle = griglia_->Celle();
  const RecordComposto composto = ComponiRecord({d.day(), d.month(), d.year()}, celle);
  griglia_->ImpostaCelle(celle);

  const bool salva =
      (!composto.Errore ||
       messaggi().okAnnulla(
           this,
           QStringLiteral("Attenzione ci sono errori nell'inserimento dei numeri. Continuo con il salvataggio?"))) &&
      messaggi().conferma(this, QStringLiteral("Confermi l'inserimento dell'estrazione nell'archivio?"));
  if (salva) {
    const EsitoScrittura scritto = RiscriviRecord(Stato().ArchivePath, composto.Record, i, mostrato_);
    if (scritto) {
      // A file shown from memory is read again, so that it shows what it now holds.
      if (!inMemoria_.Vuoto()) inMemoria_ = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
      datascelta_->setDate(DataDaEtichetta(lbdata_->text()));
      messaggi().avviso(this, QStringLiteral("Memorizzazione avvenuta con successo"));
    } else {
      messaggi().avviso(
          this, QStringLiteral("La correzione non è stata salvata. ") + QString::fromStdString(scritto.Messaggio));
    }
  }
  fineModifica();
}

void frmvisualizzaArchivioEstrazioni::AnnullaModifiche() { fineModifica(); }

// Back to browsing: the grid shows what the file holds now.
void frmvisualizzaArchivioEstrazioni::fineModifica() {
  const int i = Posizione();
  cmbData_->setCurrentIndex(i - 1);
  MostraEstrazione(i);
  frModifiche_->hide();
  datascelta_->hide();
  griglia_->ImpostaInput(false);
  griglia_->NascondiEditor();
  cmbData_->setEnabled(true);
  scroll1_->setEnabled(true);
}

void frmvisualizzaArchivioEstrazioni::PrintGrid() {
  if (!messaggi().conferma(this, QStringLiteral("Vuoi Stampare la Tabella?"))) return;
  QPrinter& printer = stampante().printer();
  const QPageLayout::Orientation prima = printer.pageLayout().orientation();
  printer.setPageOrientation(QPageLayout::Portrait);
  const QString titolo = QStringLiteral("DATA ESTRAZIONE: ") + lbdata_->text() +
                         QStringLiteral("  ESTRAZIONE NUMERO: ") + contatore_->text();
  QString errore;
  {
    CursoreOccupato occupato;
    errore = StampaDocumento(printer, ImpaginaGriglia(griglia_->TestoStampa(), titolo.toStdString(), {}, 0));
  }
  printer.setPageOrientation(prima);  // the study tables keep the user's choice
  if (!errore.isEmpty())
    messaggi().avviso(this,
                      QStringLiteral("Si è verificato il seguente errore durante la stampa (PrintGrid): ") + errore);
}

}  // namespace ruotario
