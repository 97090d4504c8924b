#include "app/ui/frmricalcolastatIC.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruotario {

frmricalcolastatIC::frmricalcolastatIC(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmricalcolastatIC"));
  setWindowTitle(QStringLiteral("Calcolo Statistiche"));

  auto* cornice = new QGroupBox(this);
  cornice->setObjectName(QStringLiteral("Frame1"));
  auto* etichetta = new QLabel(QStringLiteral("Estrazioni Elaborate:"), cornice);
  etichetta->setObjectName(QStringLiteral("lbcontatore1"));
  auto* contatore = new QLabel(cornice);
  contatore->setObjectName(QStringLiteral("Lbcontatore"));
  contatore->setMinimumWidth(80);
  auto* avvia = new QPushButton(QStringLiteral("Inizia Calcolo"), cornice);
  avvia->setObjectName(QStringLiteral("Go"));
  auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), cornice);
  chiudi->setObjectName(QStringLiteral("Cmdchiudi"));
  connect(avvia, &QPushButton::clicked, this, &frmricalcolastatIC::RicalcolaStat);
  connect(chiudi, &QPushButton::clicked, this, &QWidget::close);

  auto* griglia = new QGridLayout(cornice);
  griglia->addWidget(etichetta, 0, 0);
  griglia->addWidget(contatore, 0, 1);
  griglia->addWidget(avvia, 1, 0);
  griglia->addWidget(chiudi, 1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(cornice);
}

void frmricalcolastatIC::RicalcolaStat() { emit calcoloAvviato(); }

}  // namespace ruotario
