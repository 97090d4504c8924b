#include "app/ui/frmAbout.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Versione.h"
#include "app/ui/Logo.h"
#include "app/ui/Servizi.h"

namespace ruotario {

namespace {
QFrame* linea(QWidget* padre) {
  auto* l = new QFrame(padre);
  l->setObjectName(QStringLiteral("Line1"));
  l->setFrameShape(QFrame::HLine);
  l->setFrameShadow(QFrame::Sunken);
  return l;
}
}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("Informazioni su ruotario"));

  auto* icona = new QLabel(this);
  icona->setObjectName(QStringLiteral("picIcon"));
  icona->setPixmap(LogoRuotario(72));
  icona->setAlignment(Qt::AlignTop);

  auto* titolo = new QLabel(kTitoloApplicazione, this);
  titolo->setObjectName(QStringLiteral("lblTitle"));
  QFont f = titolo->font();
  f.setPointSizeF(f.pointSizeF() * 1.8);
  f.setBold(true);
  titolo->setFont(f);
  auto* versione = new QLabel(QString::fromStdString(EtichettaVersione()), this);
  versione->setObjectName(QStringLiteral("lblVersion"));
  auto* descrizione = new QLabel(QStringLiteral("Descrizione applicazione"), this);
  descrizione->setObjectName(QStringLiteral("lblDescription"));
  descrizione->setWordWrap(true);
  auto* dettaglio = new QLabel(QStringLiteral("Statistiche sul Lotto italiano: numeri spia, ZevedIVE,\n"
                                              "metodo delle kostanti e gestione dell'archivio delle estrazioni."),
                               this);
  dettaglio->setObjectName(QStringLiteral("lblDettaglio"));
  dettaglio->setWordWrap(true);

  auto* testi = new QVBoxLayout;
  testi->addWidget(titolo);
  testi->addWidget(versione);
  testi->addSpacing(8);
  testi->addWidget(descrizione);
  testi->addWidget(dettaglio);
  testi->addStretch();
  auto* alto = new QHBoxLayout;
  alto->addWidget(icona);
  alto->addSpacing(12);
  alto->addLayout(testi, 1);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  auto* sistema = new QPushButton(QStringLiteral("&System Info..."), this);
  sistema->setObjectName(QStringLiteral("cmdSysInfo"));
  connect(ok, &QPushButton::clicked, this, &QWidget::close);
  connect(sistema, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
  auto* pulsanti = new QHBoxLayout;
  pulsanti->addStretch();
  pulsanti->addWidget(ok);
  pulsanti->addWidget(sistema);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 18, 18, 14);
  layout->addLayout(alto);
  layout->addSpacing(10);
  layout->addWidget(linea(this));
  layout->addWidget(linea(this));
  layout->addSpacing(6);
  layout->addLayout(pulsanti);
  setMinimumWidth(460);
}

void frmAbout::StartSysInfo() {
  for (const QString& nome : kStrumentiSistema) {
    const QString percorso = programmi().cerca(nome);
    if (percorso.isEmpty()) continue;
    if (programmi().avvia(percorso)) return;
    break;  // found but cannot be started
  }
  messaggi().avviso(this, QStringLiteral("Informazioni sul sistema non disponibili in questa fase."));
}

}  // namespace ruotario
