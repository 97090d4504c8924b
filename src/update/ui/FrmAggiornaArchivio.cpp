#include "update/ui/FrmAggiornaArchivio.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QThread>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/GeometriaFinestra.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "app/ui/frmMain.h"
#include "archive/FileArchivio.h"
#include "update/RapportoAggiornamento.h"

namespace ruotario {

namespace {

QString indirizzoSalvato() {
  QSettings s(kTitoloApplicazione, kTitoloApplicazione);
  s.beginGroup(QString::fromLatin1(kSezioneImpostazioni));
  const QString v = s.value(QString::fromLatin1(kChiaveIndirizzoUfficiale)).toString().trimmed();
  return v.isEmpty() ? QString::fromLatin1(kIndirizzoUfficiale) : v;
}

void salvaIndirizzo(const QString& indirizzo) {
  QSettings s(kTitoloApplicazione, kTitoloApplicazione);
  s.beginGroup(QString::fromLatin1(kSezioneImpostazioni));
  if (indirizzo == QString::fromLatin1(kIndirizzoUfficiale))
    s.remove(QString::fromLatin1(kChiaveIndirizzoUfficiale));
  else
    s.setValue(QString::fromLatin1(kChiaveIndirizzoUfficiale), indirizzo);
}

QString kb(qint64 byte) {
  return QLocale().toString(static_cast<double>(byte) / 1024.0, 'f', 0) + QStringLiteral(" KB");
}

}  // namespace

FrmAggiornaArchivio::FrmAggiornaArchivio(FonteAggiornamento tipo, QWidget* parent) : QWidget(parent), tipo_(tipo) {
  const bool ufficiale = tipo == FonteAggiornamento::Ufficiale;
  setObjectName(ufficiale ? QStringLiteral("FrmAggiornaArchivio") : QStringLiteral("FrmImportaPubblicato"));
  setWindowTitle(ufficiale ? QStringLiteral("Aggiorna dall'archivio ufficiale")
                           : QStringLiteral("Importa da file pubblicato"));

  auto* opzioni = new QGroupBox(QStringLiteral("Estrazioni già in archivio"), this);
  sostituisci_ = new QCheckBox(QStringLiteral("In caso di conflitto, sostituire l'estrazione con quella della fonte"));
  sostituisci_->setObjectName(QStringLiteral("chkSostituisci"));
  inserisci_ = new QCheckBox(QStringLiteral(
      "Inserire le date mancanti precedenti all'ultima (i numeri delle estrazioni successive cambiano)"));
  inserisci_->setObjectName(QStringLiteral("chkInserisci"));
  auto* righeOpzioni = new QVBoxLayout(opzioni);
  righeOpzioni->addWidget(sostituisci_);
  righeOpzioni->addWidget(inserisci_);

  barra_ = new QProgressBar(this);
  barra_->setObjectName(QStringLiteral("barraAvanzamento"));
  barra_->setRange(0, 1);
  barra_->setValue(0);
  barra_->setTextVisible(false);  // no "0%" before anything has started
  stato_ = etichetta("lbStato", QString(), this);
  stato_->setWordWrap(true);
  riepilogo_ = new QPlainTextEdit(this);
  riepilogo_->setObjectName(QStringLiteral("txtRiepilogo"));
  riepilogo_->setReadOnly(true);
  riepilogo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  riepilogo_->setMinimumHeight(150);

  avvia_ = pulsante("cmdAvvia", ufficiale ? QStringLiteral("&Aggiorna") : QStringLiteral("&Importa"), this);
  annulla_ = pulsante("cmdAnnulla", QStringLiteral("A&nnulla"), this);
  rapporto_ = pulsante("cmdRapporto", QStringLiteral("&Rapporto completo..."), this);
  auto* esci = pulsante("cmdEsci", QStringLiteral("&Esci"), this);
  connect(avvia_, &QPushButton::clicked, this, &FrmAggiornaArchivio::Avvia);
  connect(annulla_, &QPushButton::clicked, this, &FrmAggiornaArchivio::Annulla);
  connect(rapporto_, &QPushButton::clicked, this, &FrmAggiornaArchivio::MostraRapporto);
  connect(esci, &QPushButton::clicked, this, &QWidget::close);
  auto* comandi = new QHBoxLayout;
  comandi->addWidget(avvia_);
  comandi->addWidget(annulla_);
  comandi->addWidget(rapporto_);
  comandi->addStretch(1);
  comandi->addWidget(esci);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(costruisciFonte());
  layout->addWidget(opzioni);
  layout->addWidget(barra_);
  layout->addWidget(stato_);
  layout->addWidget(riepilogo_, 1);
  layout->addLayout(comandi);
  riepilogo_->setPlainText(
      QStringLiteral("Le estrazioni nuove vengono aggiunte in coda all'archivio; un'estrazione già presente non viene "
                     "mai cambiata senza il vostro consenso. Prima di scrivere, l'archivio viene copiato in ") +
      QString::fromLatin1(kNomeCopiaRiserva) + QStringLiteral("."));
  aggiornaComandi();
}

FrmAggiornaArchivio::~FrmAggiornaArchivio() { attendiLavoro(); }

QWidget* FrmAggiornaArchivio::costruisciFonte() {
  auto* riquadro = new QGroupBox(QStringLiteral("Fonte"), this);
  auto* griglia = new QGridLayout(riquadro);
  fonte_ = new QLineEdit(riquadro);
  fonte_->setObjectName(QStringLiteral("txtFonte"));
  griglia->addWidget(fonte_, 0, 0, 1, 3);
  if (tipo_ == FonteAggiornamento::Ufficiale) {
    fonte_->setText(indirizzoSalvato());
    auto* predefinito = pulsante("cmdIndirizzoUfficiale", QStringLiteral("Indirizzo &ufficiale"), riquadro);
    connect(predefinito, &QPushButton::clicked, this,
            [this] { fonte_->setText(QString::fromLatin1(kIndirizzoUfficiale)); });
    griglia->addWidget(predefinito, 1, 2);
    griglia->addWidget(
        new QLabel(QStringLiteral("L'indirizzo dell'archivio storico (ZIP) resta nelle impostazioni."), riquadro), 1, 0,
        1, 2);
  } else {
    fonte_->setReadOnly(true);
    fonte_->setPlaceholderText(QStringLiteral("Scegliere uno o più file, o una cartella"));
    auto* file = pulsante("cmdScegliFile", QStringLiteral("Scegli &file..."), riquadro);
    auto* cartella = pulsante("cmdScegliCartella", QStringLiteral("Scegli &cartella..."), riquadro);
    connect(file, &QPushButton::clicked, this, &FrmAggiornaArchivio::ScegliFile);
    connect(cartella, &QPushButton::clicked, this, &FrmAggiornaArchivio::ScegliCartella);
    griglia->addWidget(new QLabel(QStringLiteral("Archivio storico, file per ruota, CSV o ZIP: il formato viene "
                                                 "riconosciuto dal contenuto."),
                                  riquadro),
                       1, 0);
    griglia->addWidget(file, 1, 1);
    griglia->addWidget(cartella, 1, 2);
  }
  connect(fonte_, &QLineEdit::textChanged, this, &FrmAggiornaArchivio::aggiornaComandi);
  return riquadro;
}

QStringList FrmAggiornaArchivio::Fonti() const {
  if (tipo_ == FonteAggiornamento::File) return file_;
  const QString indirizzo = fonte_->text().trimmed();
  return indirizzo.isEmpty() ? QStringList() : QStringList{indirizzo};
}

void FrmAggiornaArchivio::ScegliFile() {
  const QStringList scelti = dialoghiFile().apriFileMultipli(
      this, QStringLiteral("Scegliere i file con le estrazioni"), QDir::homePath(),
      QStringLiteral("Archivi delle estrazioni (*.txt *.TXT *.csv *.CSV *.zip *.ZIP);;Tutti i file (*)"));
  if (scelti.isEmpty()) return;
  file_ = scelti;
  fonte_->setText(file_.join(QStringLiteral("; ")));
}

void FrmAggiornaArchivio::ScegliCartella() {
  const QString cartella =
      dialoghiFile().scegliCartella(this, QStringLiteral("Scegliere la cartella con le estrazioni"), QDir::homePath());
  if (cartella.isEmpty()) return;
  file_ = QStringList{cartella};
  fonte_->setText(cartella);
}

void FrmAggiornaArchivio::aggiornaComandi() {
  const bool inCorso = InCorso();
  avvia_->setEnabled(!inCorso && !Fonti().isEmpty());
  annulla_->setEnabled(inCorso);
  rapporto_->setEnabled(!inCorso && eseguito_);
  fonte_->setEnabled(!inCorso);
  sostituisci_->setEnabled(!inCorso);
  inserisci_->setEnabled(!inCorso);
  for (auto* b : findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^cmd(Scegli|Indirizzo)"))))
    b->setEnabled(!inCorso);
}

void FrmAggiornaArchivio::Avvia() {
  if (InCorso() || Fonti().isEmpty()) return;
  const QStringList fonti = Fonti();
  if (tipo_ == FonteAggiornamento::Ufficiale) salvaIndirizzo(fonti.front());
  std::vector<std::string> elenco;
  for (const QString& f : fonti) elenco.push_back(f.toStdString());
  // The sources are read again unless the last update stopped at a conflict over the same sources.
  std::shared_ptr<LetturaFonti> lettura =
      esito_.Stato == StatoAggiornamento::Conflitti && fonti == fontiLette_ ? lettura_ : nullptr;
  OpzioniUnione opzioni;
  opzioni.Sostituisci = sostituisci_->isChecked();
  opzioni.Inserisci = inserisci_->isChecked();
  const std::string archivio = Stato().ArchivePath;

  annullato_ = false;
  barra_->setTextVisible(true);
  barra_->setRange(0, 0);
  stato_->setText(QStringLiteral("Lettura delle fonti..."));
  riepilogo_->clear();
  auto risultato = std::make_shared<EsitoAggiornamento>();
  auto letta = std::make_shared<std::shared_ptr<LetturaFonti>>(lettura);
  lavoro_ = QThread::create([this, elenco, opzioni, archivio, risultato, letta] {
    if (!*letta) {
      std::int64_t mostrato = -1;
      // The window is told of every phase, and of the bytes every 16 KB.
      *letta = std::make_shared<LetturaFonti>(LeggiFonti(elenco, [this, &mostrato](const AvanzamentoAggiornamento& a) {
        const bool scarica = a.Fase == FaseAggiornamento::Scaricamento;
        if (!scarica || mostrato < 0 || a.Fatto - mostrato >= 16384 || (a.Fatto > 0 && mostrato == 0) ||
            a.Fatto == a.Totale) {
          mostrato = scarica ? a.Fatto : -1;
          QMetaObject::invokeMethod(
              this, [this, a] { mostraAvanzamento(a); }, Qt::QueuedConnection);
        }
        return !annullato_.load();
      }));
    }
    *risultato = ApplicaAggiornamento(archivio, **letta, opzioni);
  });
  lavoro_->setObjectName(QStringLiteral("aggiornamento"));
  lavoro_->setParent(this);
  connect(lavoro_, &QThread::finished, this, [this, risultato, letta, fonti] {
    esito_ = std::move(*risultato);
    lettura_ = *letta;
    fontiLette_ = fonti;
    fine();
  });
  lavoro_->start();
  aggiornaComandi();
}

void FrmAggiornaArchivio::mostraAvanzamento(const AvanzamentoAggiornamento& a) {
  if (!InCorso()) return;
  const QString fonte = QString::fromStdString(a.Fonte);
  if (a.Fase == FaseAggiornamento::Scaricamento) {
    if (a.Totale > 0) {
      barra_->setRange(0, static_cast<int>(std::max<qint64>(1, a.Totale / 1024)));
      barra_->setValue(static_cast<int>(a.Fatto / 1024));
      stato_->setText(QStringLiteral("Scaricamento di %1: %2 di %3").arg(fonte, kb(a.Fatto), kb(a.Totale)));
    } else {
      barra_->setRange(0, 0);
      stato_->setText(QStringLiteral("Scaricamento di %1: %2").arg(fonte, kb(a.Fatto)));
    }
    emit avanzamento(a.Fatto, a.Totale);
  } else {
    barra_->setRange(0, 0);
    stato_->setText(QStringLiteral("Lettura di %1...").arg(fonte));
  }
}

void FrmAggiornaArchivio::Annulla() {
  if (!InCorso()) return;
  annullato_ = true;
  stato_->setText(QStringLiteral("Annullamento in corso..."));
  annulla_->setEnabled(false);
}

void FrmAggiornaArchivio::fine() {
  lavoro_->wait();
  lavoro_->deleteLater();
  lavoro_ = nullptr;
  eseguito_ = true;
  barra_->setRange(0, 1);
  barra_->setValue(esito_.Stato == StatoAggiornamento::Annullato || esito_.Stato == StatoAggiornamento::Errore ? 0 : 1);
  static const char* const kStati[] = {"Archivio aggiornato.", "L'archivio è già aggiornato.",
                                       "Conflitti: l'archivio non è stato modificato.",
                                       "Errore: l'archivio non è stato modificato.", "Aggiornamento annullato."};
  QString testo = QString::fromUtf8(kStati[static_cast<int>(esito_.Stato)]);
  if (esito_.Stato == StatoAggiornamento::Errore && esito_.Scritto)
    testo = QStringLiteral("Errore durante la scrittura.");
  stato_->setText(testo);
  riepilogo_->setPlainText(QString::fromStdString(RiepilogoAggiornamento(esito_)));
  aggiornaComandi();
  if (esito_.Scritto && frmMain::principale()) frmMain::principale()->ricalcolaStatistiche();
  emit concluso();
}

void FrmAggiornaArchivio::MostraRapporto() {
  auto* dialogo = new QDialog(this);
  dialogo->setObjectName(QStringLiteral("dlgRapporto"));
  dialogo->setWindowTitle(QStringLiteral("Rapporto dell'aggiornamento"));
  dialogo->setAttribute(Qt::WA_DeleteOnClose);
  auto* testo = new QPlainTextEdit(QString::fromStdString(RapportoAggiornamento(esito_)), dialogo);
  testo->setObjectName(QStringLiteral("txtRapporto"));
  testo->setReadOnly(true);
  testo->setLineWrapMode(QPlainTextEdit::NoWrap);
  testo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* chiudi = pulsante("cmdChiudi", QStringLiteral("&Chiudi"), dialogo);
  connect(chiudi, &QPushButton::clicked, dialogo, &QDialog::close);
  auto* layout = new QVBoxLayout(dialogo);
  layout->addWidget(testo);
  layout->addWidget(chiudi, 0, Qt::AlignRight);
  dialogo->resize(760, 480);
  dialogo->show();
}

void FrmAggiornaArchivio::attendiLavoro() {
  if (!lavoro_) return;
  annullato_ = true;
  lavoro_->wait();
}

void FrmAggiornaArchivio::closeEvent(QCloseEvent* evento) {
  // A download stops at once when cancelled; the merge and write are short.
  if (lavoro_) {
    attendiLavoro();
    QCoreApplication::sendPostedEvents(this);
  }
  QWidget::closeEvent(evento);
}

}  // namespace ruotario
