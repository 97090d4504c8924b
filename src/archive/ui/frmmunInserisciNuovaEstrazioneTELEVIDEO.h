#pragma once
// The pasted-draw window: the new-draw window with a text box into which the
// user pastes a published draw, a filter that fills the entry grid from it,
// the Nazionale numbers (stored beside the archive, in nazionale.txt) and
// links to the pages that publish the draws.

#include <array>

#include "archive/ui/frmmunInserisciNuovaEstrazione.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace ruotario {

class frmmunInserisciNuovaEstrazioneTELEVIDEO : public frmmunInserisciNuovaEstrazione {
  Q_OBJECT

 public:
  explicit frmmunInserisciNuovaEstrazioneTELEVIDEO(QWidget* parent = nullptr);

  // "&INCOLLA Estraz.": the clipboard's text replaces the box's content.
  void Incolla();
  // "&FILTRA  Estraz.": the date and numbers found in the box start a new entry.
  void Filtra();
  // "Vai": the selected page in the system browser.
  void VaiAlSito();

  // True once the box holds the user's own text rather than the instructions.
  bool TestoUtente() const { return testoUtente_; }

 protected:
  // A draw that cannot be real (a number twice on a wheel, two equal wheels)
  // is named before the confirmation: the filter may have read the page wrong.
  QString AvvisoPrimaDiSalvare(const CelleRuote& celle) const override;
  void showEvent(QShowEvent* evento) override;
  // Stores the five Nazionale numbers, when all are there, in nazionale.txt.
  QString DopoSalvataggio(const DataEstrazione& data) override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  QWidget* costruisciPannello();
  void mostraIstruzioni();
  void testoDellUtente();

  QPlainTextEdit* testo_ = nullptr;
  std::array<QLineEdit*, 5> naz_{};
  QComboBox* siti_ = nullptr;
  bool testoUtente_ = false;
};

}  // namespace ruotario
