#include "spy/ui/PannelloRisultati.h"

#include <QGridLayout>
#include <QPushButton>

#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "print/ui/StampaGriglia.h"
#include "spy/ui/Griglia90.h"

namespace ruotario {

PannelloRisultati::PannelloRisultati(const QString& titolo, QWidget* parent)
    : QGroupBox(titolo, parent), griglia_(new Griglia90(this)) {
  stampa_ = pulsante("CmdStampaSucc", QStringLiteral("STAMPA RICERCA"), this);
  auto* top10 = pulsante("Top10succ", QStringLiteral("TOP 10"), this);
  auto* ordina = pulsante("CmdOrdina", QStringLiteral("Ordina"), this);
  auto* nonOrdinare = pulsante("CmdNonOrdinare", QStringLiteral("Non Ordinare"), this);
  auto* aiuto = pulsante("Command1", QStringLiteral("?"), this);
  aiuto->setFixedWidth(aiuto->fontMetrics().horizontalAdvance(QStringLiteral("??")) + 24);

  auto* layout = new QGridLayout(this);
  layout->addWidget(griglia_, 0, 0, 1, 5);
  layout->addWidget(stampa_, 1, 0);
  layout->addWidget(top10, 1, 1);
  layout->addWidget(ordina, 1, 2);
  layout->addWidget(nonOrdinare, 1, 3);
  layout->addWidget(aiuto, 1, 4);
  layout->setRowStretch(0, 1);

  connect(ordina, &QPushButton::clicked, this, &PannelloRisultati::Ordina);
  connect(nonOrdinare, &QPushButton::clicked, this, &PannelloRisultati::NonOrdinare);
  connect(top10, &QPushButton::clicked, this, &PannelloRisultati::Top10);
  connect(stampa_, &QPushButton::clicked, this, &PannelloRisultati::stampaRichiesta);
  connect(aiuto, &QPushButton::clicked, this, &PannelloRisultati::Aiuto);
}

void PannelloRisultati::Ordina() { griglia_->Ordina(1, Verso::Decrescente); }
void PannelloRisultati::NonOrdinare() { griglia_->Ordina(0, Verso::Crescente); }
void PannelloRisultati::Top10() { griglia_->TieniMigliori(10); }

void PannelloRisultati::Aiuto() { messaggi().avviso(this, QString::fromUtf8(kMessaggioAiutoSpia)); }

void PannelloRisultati::Stampa(const IntestazioneStampa& intestazione) {
  StampaGrigliaTxt(griglia_->TestoTabella(), QString::fromStdString(intestazione.Titolo),
                   QString::fromStdString(intestazione.Sottotitolo), 0, this);
}

}  // namespace ruotario
