#include "archive/ui/frmesportaarchivi.h"

#include <pwd.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "archive/EsportaArchivio.h"
#include "archive/FileArchivio.h"
#include "archive/ui/CampiFileArchivio.h"

namespace ruotario {

namespace {

QString testo(const std::string& s) { return QString::fromStdString(s); }

const QString kAltraCartella = QStringLiteral("Altra cartella…");

// The login name, under which the desktop mounts removable media.
QString utente() {
  const QString u = qEnvironmentVariable("USER");
  if (!u.isEmpty()) return u;
  const passwd* pw = ::getpwuid(::getuid());
  return pw ? QString::fromLocal8Bit(pw->pw_name) : QString();
}

}  // namespace

frmesportaarchivi::frmesportaarchivi(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmesportaarchivi"));
  setWindowTitle(QStringLiteral("Esporta file archivio Estrazioni"));

  auto* griglia = new QGridLayout;
  archivio_ = std::make_unique<CampiFileArchivio>(this, griglia, 0, QStringLiteral("File Estrazioni:"),
                                                  QStringList{"Text2", "txtdim", "Txttotestrazioni", "txtdata"},
                                                  QStringLiteral("Data ultima Estrazione"));

  auto* scelta = new QLabel(QStringLiteral("Scegli la cartella in cui copiare il file:"), this);
  scelta->setObjectName(QStringLiteral("lbscelta"));
  cartelle_ = new QComboBox(this);
  cartelle_->setObjectName(QStringLiteral("Drive1"));
  for (const CartellaDestinazione& c : CartelleDestinazione(QDir::homePath().toStdString(), utente().toStdString()))
    cartelle_->addItem(testo(c.Nome), testo(c.Percorso));
  cartelle_->addItem(kAltraCartella);
  connect(cartelle_, &QComboBox::activated, this, &frmesportaarchivi::sceltaCartella);

  auto* esporta = pulsante("cmdesporta", QStringLiteral("<-- &Esporta"), this);
  auto* esci = pulsante("Command2", QStringLiteral("E&sci"), this);
  connect(esporta, &QPushButton::clicked, this, &frmesportaarchivi::Esporta);
  connect(esci, &QPushButton::clicked, this, &QWidget::close);

  auto* info = NuovoTestoInformativo(
      this, QStringLiteral("Le estrazioni sono contenute nel file ESTRAZIONI.TXT memorizzato nella cartella: ") +
                testo(Stato().AppDir) +
                QStringLiteral(
                    "\nSe il file risultasse troppo grande per essere contenuto su un floppy è possibile copiare il "
                    "file su una Pen Drive o su un cd-rom usando un programma di masterizzazione"));

  auto* destinazione = new QGridLayout;
  destinazione->addWidget(scelta, 0, 0);
  destinazione->addWidget(cartelle_, 1, 0);
  destinazione->addWidget(esporta, 1, 1);
  destinazione->setColumnStretch(0, 1);
  auto* comandi = new QGridLayout;
  comandi->addWidget(new QLabel(QStringLiteral("Info:"), this), 0, 0, Qt::AlignTop);
  comandi->addWidget(info, 0, 1);
  comandi->addWidget(esci, 0, 2, Qt::AlignBottom);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(griglia);
  layout->addLayout(destinazione);
  layout->addLayout(comandi);

  const std::string& percorso = Stato().ArchivePath;
  SbloccaArchivio(percorso);
  archivio_->mostra(ContaEstrazioni(percorso));
}

frmesportaarchivi::~frmesportaarchivi() = default;

void frmesportaarchivi::sceltaCartella(int indice) {
  if (indice != cartelle_->count() - 1) {
    ultimaScelta_ = indice;
    return;
  }
  const QString cartella = dialoghiFile().scegliCartella(
      this, QStringLiteral("Scegli la cartella in cui copiare il file"), QDir::homePath());
  if (cartella.isEmpty()) {
    cartelle_->setCurrentIndex(ultimaScelta_);
    return;
  }
  const int gia = cartelle_->findData(cartella);
  ultimaScelta_ = gia >= 0 ? gia : indice;
  if (gia < 0) cartelle_->insertItem(indice, cartella, cartella);
  cartelle_->setCurrentIndex(ultimaScelta_);
}

void frmesportaarchivi::Esporta() {
  const QString cartella = cartelle_->currentData().toString();
  if (cartella.isEmpty()) return;
  const std::string archivio = Stato().ArchivePath;
  const std::string destinazione = DestinazioneEsportazione(cartella.toStdString());
  if (EsisteFile(destinazione) && !StessoFile(destinazione, archivio) &&
      !messaggi().confermaAttenzione(
          this, QStringLiteral("Attenzione! Esiste già una copia del file estrazioni.txt  in ") + cartella +
                    QStringLiteral(" \nSovrascrivere il file?")))
    return;
  const EsitoEsportazione esito = EsportaArchivio(archivio, cartella.toStdString());
  messaggi().avviso(this, testo(esito.Messaggio));
  if (esito) close();
}

}  // namespace ruotario
