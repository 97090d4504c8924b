#include "archive/ui/frmimportaarchivi.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "app/ui/frmMain.h"
#include "archive/FileArchivio.h"
#include "archive/ImportaArchivio.h"
#include "archive/ui/CampiFileArchivio.h"

namespace ruotario {

namespace {

QString testo(const std::string& s) { return QString::fromStdString(s); }

QString erroreLettura(const DatiFileArchivio& d) {
  return QStringLiteral("Errore nell'importazione del file (calctotest): ") + testo(d.Errore);
}

}  // namespace

frmimportaarchivi::frmimportaarchivi(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmimportaarchivi"));
  setWindowTitle(QStringLiteral("Importa file archivio dati"));

  auto* frame2 = new QGroupBox(QStringLiteral("File Estrazioni Attuale  (verrà sostituito)"), this);
  frame2->setObjectName(QStringLiteral("Frame2"));
  auto* griglia2 = new QGridLayout(frame2);
  attuale_ = std::make_unique<CampiFileArchivio>(
      frame2, griglia2, 0, QString(),
      QStringList{"txtarchivio", "txtdimarchivio", "TxttotestrazioniArchivio", "txtdataarchivio"},
      QStringLiteral("Data ultima estrazione"));

  auto* frame1 = new QGroupBox(QStringLiteral("File Estrazioni da Importare"), this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  auto* griglia1 = new QGridLayout(frame1);
  scelto_ = std::make_unique<CampiFileArchivio>(frame1, griglia1, 0, QString(),
                                                QStringList{"Txtnomefile", "txtdim", "Txttotestrazioni", "txtdata"},
                                                QStringLiteral("Data ultima estrazione"));

  auto* scegli = pulsante("Command1", QStringLiteral("&Scegli file da importare"), this);
  auto* importa = pulsante("cmdimporta", QStringLiteral("&Importa archivio dati"), this);
  auto* esci = pulsante("Command2", QStringLiteral("&Esci"), this);
  connect(scegli, &QPushButton::clicked, this, &frmimportaarchivi::Scegli);
  connect(importa, &QPushButton::clicked, this, &frmimportaarchivi::Importa);
  connect(esci, &QPushButton::clicked, this, &QWidget::close);

  auto* info = NuovoTestoInformativo(
      this,
      QStringLiteral("ATTENZIONE!!! L'importazione del file è un' operazione che potrebbe causare la cancellazione di "
                     "tutti i dati nell'archivio del computer di DESTINAZIONE. ") +
          QStringLiteral("E' possibile importare manualmente il file estrazioni.txt copiandolo nella cartella: ") +
          testo(Stato().AppDir));

  auto* comandi = new QGridLayout;
  comandi->addWidget(new QLabel(QStringLiteral("(Passo 1)"), this), 0, 0);
  comandi->addWidget(scegli, 0, 1);
  comandi->addWidget(new QLabel(QStringLiteral("(Passo 2)"), this), 0, 2);
  comandi->addWidget(importa, 0, 3);
  comandi->setColumnStretch(4, 1);
  comandi->addWidget(esci, 0, 5);
  auto* righeInfo = new QGridLayout;
  righeInfo->addWidget(new QLabel(QStringLiteral("Info:"), this), 0, 0, Qt::AlignTop);
  righeInfo->addWidget(info, 0, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame2);
  layout->addWidget(frame1);
  layout->addLayout(comandi);
  layout->addLayout(righeInfo);

  caricaArchivio();
}

frmimportaarchivi::~frmimportaarchivi() = default;

void frmimportaarchivi::caricaArchivio() {
  const std::string& archivio = Stato().ArchivePath;
  SbloccaArchivio(archivio);
  const DatiFileArchivio dati = calctotest(archivio);
  attuale_->mostra(dati);
  // A missing archive is what an import mends: nothing to warn about. The
  // warnings wait until the window is on screen.
  QString avviso;
  if (dati.Esiste && !dati.Errore.empty())
    avviso = erroreLettura(dati);
  else if (dati.Esiste && !dati.Valido)
    avviso = QString::fromUtf8(kAvvisoFileNonCorretto);
  if (!avviso.isEmpty()) QTimer::singleShot(0, this, [this, avviso] { messaggi().avviso(this, avviso); });
}

void frmimportaarchivi::Scegli() {
  scelto_->svuota();
  percorsoScelto_.clear();
  const QString file = dialoghiFile().apriFile(
      this, QStringLiteral("Impossibile trovare il file con l'archivio dati: estrazioni.txt"),
      QDir(QDir::homePath()).filePath(QStringLiteral("estrazioni.txt")), QStringLiteral("File dati (estrazioni.txt)"));
  if (file.isEmpty()) {
    messaggi().errore(this, QStringLiteral("File: estrazioni.txt non caricato impossibile continuare"));
    close();
    return;
  }
  if (!NomeImportabile(file.toStdString())) return;
  const DatiFileArchivio dati = calctotest(file.toStdString());
  scelto_->mostra(dati);
  percorsoScelto_ = file;
  if (!dati.Errore.empty())
    messaggi().avviso(this, erroreLettura(dati));
  else if (!dati.Valido)
    messaggi().avviso(this, QString::fromUtf8(kAvvisoFileNonCorretto));
}

void frmimportaarchivi::Importa() {
  RichiestaImportazione richiesta{percorsoScelto_.toStdString(), Stato().ArchivePath, false};
  EsitoImportazione esito = ImportaArchivio(richiesta);
  if (esito.Stato == StatoImportazione::NonValido) {
    // Replacing the archive by a file that is not one must be chosen, not defaulted to.
    if (!messaggi().confermaAttenzione(
            this,
            testo(esito.Messaggio) +
                QStringLiteral("\nImportare comunque il file, sostituendo l'archivio dati attuale?"),
            true))
      return;
    richiesta.ConsentiNonValido = true;
    esito = ImportaArchivio(richiesta);
  }
  if (esito.Stato == StatoImportazione::Rifiutata) {
    messaggi().avviso(this, testo(esito.Messaggio));
    return;
  }
  if (esito && frmMain::principale()) frmMain::principale()->ricalcolaStatistiche();
  messaggi().avviso(this, testo(esito.Messaggio));
  close();
}

}  // namespace ruotario
