#include "archive/ui/frmmunInserisciNuovaEstrazione.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/ControlloData.h"
#include "archive/ScritturaArchivio.h"
#include "archive/ui/GrigliaEstrazione.h"

namespace ruotario {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// The second line of the confirmation when the date is not the expected next one.
QString notaData(const ControlloData& c, const DataEstrazione& data) {
  switch (c.Nota) {
    case NotaData::GiaPresente:
      return QStringLiteral("Attenzione: l'archivio contiene già un'estrazione del %1.").arg(q(TestoData(data)));
    case NotaData::NonSuccessiva:
      return QStringLiteral("Attenzione: la data non è successiva a quella dell'ultima estrazione (%1).")
          .arg(q(c.UltimaData));
    case NotaData::Nessuna: break;
  }
  return {};
}

}  // namespace

QDate DataDaEtichetta(const QString& testo) {
  const auto d = DataDaTesto(testo.toStdString());
  const QDate data = d ? QDate(d->anno, d->mese, d->giorno) : QDate();
  return data.isValid() ? data : QDate::currentDate();
}

frmmunInserisciNuovaEstrazione::frmmunInserisciNuovaEstrazione(QWidget* parent)
    : frmmunInserisciNuovaEstrazione(
          Aspetto{QStringLiteral("frmmunInserisciNuovaEstrazione"), QStringLiteral("Inserimento Nuova Estarzione"),
                  QStringLiteral("&Salva Estrazione")},
          parent) {}

frmmunInserisciNuovaEstrazione::frmmunInserisciNuovaEstrazione(const Aspetto& aspetto, QWidget* parent)
    : QWidget(parent) {
  costruisci(aspetto);
  apri();
}

void frmmunInserisciNuovaEstrazione::costruisci(const Aspetto& aspetto) {
  setObjectName(aspetto.nome);
  setWindowTitle(aspetto.titolo);

  auto* frame1 = new QGroupBox(this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  griglia_ = new GrigliaEstrazione(QStringLiteral("Griglia"), frame1);
  auto* grigliaLayout = new QVBoxLayout(frame1);
  grigliaLayout->addWidget(griglia_);

  auto* destra = new QVBoxLayout;
  auto* ultima = new QGridLayout;
  ultima->addWidget(etichetta("Label1", QStringLiteral("Ultima Estrazione num."), this), 0, 0);
  contatore_ = etichetta("Lbcontatore", QString(), this);
  ultima->addWidget(contatore_, 0, 1);
  ultima->addWidget(etichetta("Label2", QStringLiteral("Data Ultima Estrazione:"), this), 1, 0);
  lbdata_ = etichetta("lbdata", QString(), this);
  ultima->addWidget(lbdata_, 1, 1);
  destra->addLayout(ultima);

  frmdata_ = new QGroupBox(this);
  frmdata_->setObjectName(QStringLiteral("frmdata"));
  auto* dataLayout = new QVBoxLayout(frmdata_);
  dataLayout->addWidget(etichetta("Label3", QStringLiteral("Data Estrazione da Inserire:"), frmdata_));
  datascelta_ = new QDateEdit(frmdata_);
  datascelta_->setObjectName(QStringLiteral("datascelta"));
  datascelta_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  datascelta_->setCalendarPopup(true);
  datascelta_->setDateRange(QDate(1800, 1, 1), QDate(9999, 12, 31));
  dataLayout->addWidget(datascelta_);
  destra->addWidget(frmdata_);

  inserisci_ = pulsante("cmdinserisci", QStringLiteral("&Inserisci Nuova Estrazione"), this);
  salva_ = pulsante("cmdSalva", aspetto.testoSalva, this);
  esci_ = pulsante("CmDEsci", QStringLiteral("Esci"), this);
  destra->addWidget(inserisci_);
  rigaSalva_ = new QHBoxLayout;
  rigaSalva_->addWidget(salva_, 1);
  destra->addLayout(rigaSalva_);
  destra->addStretch(1);
  destra->addWidget(esci_);

  layout_ = new QHBoxLayout(this);
  layout_->addWidget(frame1, 1);
  layout_->addLayout(destra);

  griglia_->ImpostaPulsanteSalva(salva_);
  // After the date, Tab leads to the number being typed.
  setTabOrder(datascelta_, griglia_->Testo());

  connect(inserisci_, &QPushButton::clicked, this, &frmmunInserisciNuovaEstrazione::InserisciNuovaEstrazione);
  connect(salva_, &QPushButton::clicked, this, &frmmunInserisciNuovaEstrazione::SalvaEstrazione);
  connect(esci_, &QPushButton::clicked, this, &QWidget::close);
}

void frmmunInserisciNuovaEstrazione::apri() {
  griglia_->PreparaGrigliaEstrazione();
  CaricaUltimaEstrazione();
  salva_->setEnabled(false);
  griglia_->Testo()->setFrame(false);
  frmdata_->hide();
  impostaDataDaEtichetta();
}

void frmmunInserisciNuovaEstrazione::AggiungiPannello(QWidget* pannello, bool prima) {
  if (prima)
    layout_->insertWidget(0, pannello);
  else
    layout_->addWidget(pannello);
}

void frmmunInserisciNuovaEstrazione::AccantoASalva(QWidget* accanto) { rigaSalva_->insertWidget(0, accanto); }

bool frmmunInserisciNuovaEstrazione::InInserimento() const { return salva_->isEnabled(); }

void frmmunInserisciNuovaEstrazione::impostaDataDaEtichetta() {
  datascelta_->setDate(DataDaEtichetta(lbdata_->text()));
}

void frmmunInserisciNuovaEstrazione::CaricaUltimaEstrazione() {
  const ArchivioEstrazioni archivio = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
  contatore_->setText(QString::number(archivio.Conta()));
  griglia_->PreparaGrigliaEstrazione();
  if (archivio.Vuoto()) {
    lbdata_->clear();
    return;
  }
  lbdata_->setText(
      QString::fromLatin1(archivio.Ultima().Data().data(), static_cast<qsizetype>(archivio.Ultima().Data().size())));
  griglia_->MostraRecord(archivio.Ultima());
}

void frmmunInserisciNuovaEstrazione::InserisciNuovaEstrazione() {
  salva_->setEnabled(true);
  griglia_->PreparaGrigliaEstrazione();
  griglia_->Testo()->clear();
  frmdata_->show();
  griglia_->ImpostaInput(true);
  griglia_->setFocus();
  griglia_->ApriEditor(1, 1);
  datascelta_->setFocus();
}

void frmmunInserisciNuovaEstrazione::SalvaEstrazione() {
  griglia_->NascondiEditor();
  griglia_->ImpostaInput(false);

  const QDate d = datascelta_->date();
  const DataEstrazione data{d.day(), d.month(), d.year()};
  CelleRuote celle = griglia_->Celle();
  const RecordComposto composto = ComponiRecord(data, celle);
  griglia_->ImpostaCelle(celle);

  // A refused save leaves the entry editable, so the user can correct it.
  const auto rifiutato = [this] { griglia_->ImpostaInput(true); };
  if (composto.Errore &&
      !messaggi().okAnnulla(
          this, QStringLiteral("Attenzione ci sono errori nell'inserimento dei numeri. Continuo con il salvataggio?")))
    return rifiutato();

  QString domanda = QStringLiteral("Confermi l'inserimento dell'estrazione nell'archivio?");
  const ControlloData controllo = ControllaDataNuova(ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath), data);
  const NotaData chiesta = controllo.Nota;
  const QString nota = notaData(controllo, data);
  if (!nota.isEmpty()) domanda += QLatin1Char('\n') + nota;
  if (!messaggi().conferma(this, domanda)) return rifiutato();

  // Under the archive's lock the date is checked again: another program may
  // have added a draw while the question was on screen.
  const auto stessaNota = [&](const ArchivioEstrazioni& ora) -> std::string {
    if (ControllaDataNuova(ora, data).Nota == chiesta) return {};
    return std::string("Impossibile aggiungere l'estrazione: ") + kArchivioInUso +
           ", che ha aggiunto estrazioni mentre la domanda era aperta. Salvare di nuovo per rivederla.";
  };
  const EsitoScrittura scritto = AccodaRecord(Stato().ArchivePath, composto.Record, stessaNota);
  if (!scritto) {
    messaggi().avviso(this, QStringLiteral("L'estrazione non è stata salvata. ") + q(scritto.Messaggio));
    return rifiutato();
  }
  Stato().ArchivioModificato = true;

  CaricaUltimaEstrazione();
  salva_->setEnabled(false);
  frmdata_->hide();
  impostaDataDaEtichetta();
  messaggi().avviso(this, QStringLiteral("Memorizzazione avvenuta con successo"));
}

}  // namespace ruotario
