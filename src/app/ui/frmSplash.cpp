#include "app/ui/frmSplash.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/Versione.h"
#include "app/ui/Logo.h"
#include "app/ui/Servizi.h"

namespace ruotario {

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  setAttribute(Qt::WA_DeleteOnClose);

  auto* cornice = new QFrame(this);
  cornice->setObjectName(QStringLiteral("fraMainFrame"));
  cornice->setFrameShape(QFrame::StyledPanel);
  cornice->setStyleSheet(QStringLiteral(
      "#fraMainFrame { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e7efe9);"
      " border: 1px solid #135e32; }"));

  auto* logo = new QLabel(cornice);
  logo->setObjectName(QStringLiteral("picLogo"));
  logo->setPixmap(LogoRuotario(128));

  auto* prodotto = new QLabel(kTitoloApplicazione, cornice);
  prodotto->setObjectName(QStringLiteral("lblProductName"));
  QFont f = prodotto->font();
  f.setPointSizeF(f.pointSizeF() * 2.6);
  f.setBold(true);
  prodotto->setFont(f);
  prodotto->setStyleSheet(QStringLiteral("color: #135e32;"));
  auto* versione = new QLabel(QString::fromStdString(EtichettaVersione()), cornice);
  versione->setObjectName(QStringLiteral("lblVersion"));
  auto* sottotitolo = new QLabel(QStringLiteral("Statistiche per il Lotto italiano"), cornice);
  sottotitolo->setObjectName(QStringLiteral("lblCompanyProduct"));
  auto* avviso = new QLabel(QStringLiteral("Caricamento in corso..."), cornice);
  avviso->setObjectName(QStringLiteral("lblWarning"));
  avviso->setStyleSheet(QStringLiteral("color: #5a6b7c;"));

  auto* testi = new QVBoxLayout;
  testi->addStretch();
  testi->addWidget(prodotto);
  testi->addWidget(sottotitolo);
  testi->addWidget(versione);
  testi->addSpacing(18);
  testi->addWidget(avviso);
  testi->addStretch();
  auto* interno = new QHBoxLayout(cornice);
  interno->setContentsMargins(28, 24, 36, 24);
  interno->addWidget(logo);
  interno->addSpacing(24);
  interno->addLayout(testi, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(cornice);
  setFixedSize(sizeHint().expandedTo(QSize(480, 220)));
}

}  // namespace ruotario
