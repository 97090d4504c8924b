#pragma once
// "Salva previsione" under the results of a study window: the numbers the
// window proposes (the selected rows, or its best one), as an estratto on its
// wheel for its colpi, shown in a small dialog where they can be changed, and
// saved in the ledger beside the archive. A window adds it with one call.

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "forecasts/Previsione.h"
#include "spy/IntestazioniStampa.h"

class QAbstractItemView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ruotario {

// What a study window proposes to save.
struct PropostaPrevisione {
  std::vector<int> Numeri;
  int Ruota = 1;
  int Colpi = 9;
  QString Origine;  // the study and its choices
};
using ProponiPrevisione = std::function<PropostaPrevisione()>;

// The "Salva previsione" button ("cmdSalvaPrevisione") of `finestra`: asks
// `proponi`, lets the user change the forecast, saves it and says so.
QPushButton* PulsanteSalvaPrevisione(QWidget* finestra, ProponiPrevisione proponi);

// The numbers of a result table: column 0 of the selected rows (at most ten,
// in the order shown), or, with none selected, the row with the largest value
// in column 1 (the first shown on a tie; none when every value is 0).
std::vector<int> NumeriScelti(const QAbstractItemView& tabella);

// The proposal of a study window whose table is `tabella`: its wheel and colpi
// are read from its lists "cmbRuota" and "Cmbcolpi"; the origin is the
// table's printed heading (or, without one, the caption and the choices).
PropostaPrevisione PropostaDaTabella(const QWidget& finestra, const QAbstractItemView& tabella,
                                     const IntestazioneStampa& intestazione);
// The proposal of the constants method window: its active ambate.
PropostaPrevisione PropostaKostanti(const QWidget& finestra);

// Puts `w` under what `contenitore` holds (a new last row of its layout).
void AggiungiSotto(QWidget* contenitore, QWidget* w);

// The dialog that shows a forecast before it is saved; tests put a fake in its place.
class ModificaPrevisione {
 public:
  virtual ~ModificaPrevisione() = default;
  // The forecast as the user leaves it, or nullopt when cancelled.
  virtual std::optional<Previsione> modifica(QWidget* padre, const Previsione& proposta) = 0;
};
ModificaPrevisione& modificaPrevisione();
// Non-owning; nullptr restores the dialog.
void impostaModificaPrevisione(ModificaPrevisione* m);

// Saves `p` (keyed on the archive's last draw) in the ledger beside the
// archive; the error text, or empty. `id` receives the forecast's number.
QString SalvaNelRegistro(Previsione p, long long& id);

// The dialog: numbers, wheels, sorte, colpi and a note, with the chance of the
// forecast as it stands.
class DlgPrevisione : public QDialog {
  Q_OBJECT

 public:
  explicit DlgPrevisione(const Previsione& proposta, QWidget* parent = nullptr);
  // The forecast as the controls show it (not checked).
  Previsione Letta() const;

 private:
  void aggiornaProbabilita();
  void salva();

  Previsione proposta_;
  QLineEdit* numeri_ = nullptr;
  std::vector<QCheckBox*> ruote_;
  QComboBox* sorte_ = nullptr;
  QSpinBox* colpi_ = nullptr;
  QLineEdit* nota_ = nullptr;
  QLabel* probabilita_ = nullptr;
};

}  // namespace ruotario
