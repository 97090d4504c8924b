#pragma once
// Labels and buttons created under the names the tests and the menus look them up by,
// and the running count a long computation shows.

#include <QElapsedTimer>
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
