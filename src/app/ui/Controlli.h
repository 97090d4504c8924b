#pragma once
// Labels and buttons created under the names the tests and the menus look them up by.

#include <QLabel>
#include <QPushButton>
#include <QString>

namespace ruotario {

inline QLabel* etichetta(const char* nome, const QString& testo, QWidget* parent) {
  auto* l = new QLabel(testo, parent);
  l->setObjectName(QString::fromLatin1(nome));
  return l;
}

inline QPushButton* pulsante(const char* nome, const QString& testo, QWidget* parent) {
  auto* b = new QPushButton(testo, parent);
  b->setObjectName(QString::fromLatin1(nome));
  return b;
}

}  // namespace ruotario
