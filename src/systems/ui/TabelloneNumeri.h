#pragma once
// The 90 numbers as a board of buttons, nine rows of ten as on a Lotto slip:
// a click picks a number or lets it go.

#include <QWidget>
#include <array>
#include <vector>

class QToolButton;

namespace ruotario {

class TabelloneNumeri : public QWidget {
  Q_OBJECT

 public:
  explicit TabelloneNumeri(QWidget* parent = nullptr);

  std::vector<int> Scelti() const;  // ascending
  // Picks exactly `numeri` (outside 1..90 ignored), without emitting cambiati.
  void Imposta(const std::vector<int>& numeri);
  QToolButton* Pulsante(int numero) const { return pulsanti_[static_cast<std::size_t>(numero - 1)]; }

 signals:
  void cambiati();

 private:
  std::array<QToolButton*, 90> pulsanti_{};
};

}  // namespace ruotario
