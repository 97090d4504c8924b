#include "systems/ui/TabelloneNumeri.h"

#include <QGridLayout>
#include <QSignalBlocker>
#include <QToolButton>

namespace ruotario {

TabelloneNumeri::TabelloneNumeri(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Tabellone"));
  auto* griglia = new QGridLayout(this);
  griglia->setSpacing(1);
  griglia->setContentsMargins(0, 0, 0, 0);
  const int lato = fontMetrics().horizontalAdvance(QStringLiteral("88")) + 12;
  for (int n = 1; n <= 90; ++n) {
    auto* b = new QToolButton(this);
    b->setObjectName(QStringLiteral("cmdNumero_%1").arg(n));
    b->setText(QString::number(n));
    b->setCheckable(true);
    b->setFixedSize(lato, lato - 4);
    b->setStyleSheet(QStringLiteral("QToolButton:checked { background: #2e6da4; color: white; font-weight: bold; }"));
    griglia->addWidget(b, (n - 1) / 10, (n - 1) % 10);
    connect(b, &QToolButton::toggled, this, &TabelloneNumeri::cambiati);
    pulsanti_[static_cast<std::size_t>(n - 1)] = b;
  }
}

std::vector<int> TabelloneNumeri::Scelti() const {
  std::vector<int> scelti;
  for (int n = 1; n <= 90; ++n)
    if (Pulsante(n)->isChecked()) scelti.push_back(n);
  return scelti;
}

void TabelloneNumeri::Imposta(const std::vector<int>& numeri) {
  std::array<bool, 91> scelto{};
  for (const int n : numeri)
    if (n >= 1 && n <= 90) scelto[static_cast<std::size_t>(n)] = true;
  for (int n = 1; n <= 90; ++n) {
    const QSignalBlocker blocco(Pulsante(n));
    Pulsante(n)->setChecked(scelto[static_cast<std::size_t>(n)]);
  }
}

}  // namespace ruotario
