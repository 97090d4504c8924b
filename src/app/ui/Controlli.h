#pragma once
// Labels and buttons created under the names the tests and the menus look them up by,
// the running count a long computation shows, and the locale's decimal separator.

#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QString>

namespace ruotario {

// The decimal separator of the user's locale, as the tables write their figures.
inline char SeparatoreDecimale() {
  const QString punto = QLocale().decimalPoint();
  return (punto.size() == 1 && punto.at(0).unicode() < 128) ? static_cast<char>(punto.at(0).unicode()) : '.';
}

inline QLabel* etichetta(const char* nome, const QString& testo, QWidget* parent) {
  auto* l = new QLabel(testo, parent);
  l->setObjectName(QString::fromLatin1(nome));
  return l;
}

inline QPushButton* pulsante(const char* nome, const QString& testo, QWidget* parent) {
  auto* b = new QPushButton(testo, parent);
  b->setObjectName(QString::fromLatin1(nome));
  b->setAutoDefault(false);  // Enter belongs to the grids and lists, never to a button
  return b;
}

// Shows a count in a label while a computation runs, repainted at most every
// 50 ms so the display never slows the work. Pass it with std::ref.
class ConteggioInCorso {
 public:
  explicit ConteggioInCorso(QLabel* etichetta) : etichetta_(etichetta) { orologio_.start(); }
  void operator()(int conta) {
    if (orologio_.elapsed() < 50) return;
    etichetta_->setText(QString::number(conta));
    etichetta_->repaint();
    orologio_.restart();
  }

 private:
  QLabel* etichetta_;
  QElapsedTimer orologio_;
};

}  // namespace ruotario
