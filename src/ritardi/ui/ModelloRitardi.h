#pragma once
// The delays table: a row per item (number, pair, triple or group) of the
// rows shown, sortable either way on every column by a click on its heading,
// a row at its own record marked. Selecting a cell never reorders the rows.

#include <QAbstractTableModel>
#include <QTableView>
#include <string>
#include <vector>

#include "print/GrigliaTesto.h"
#include "ritardi/VociRitardi.h"

namespace ruotario {

class ModelloRitardi : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Replaces the rows; `conRuota` adds the wheel column. The current order is kept.
  void Imposta(std::vector<VoceRitardo> voci, TipoRitardo tipo, bool conRuota, std::string nomeGruppo);
  // The order of the rows: a column either way, or (-1) wheel and item order.
  void ImpostaOrdine(int colonna, Verso verso);
  // The heading of a kind of figure, -1 when the table has none.
  int Sezione(ColonnaRitardi colonna) const;
  const std::vector<VoceRitardo>& Voci() const { return voci_; }
  // The row of the item on the wheel (any wheel when `ruota` is 0), or -1.
  int Riga(int indice, int ruota) const;

  // The column of each kind of figure (the wheel column shifts the others).
  ColonnaRitardi Colonna(int colonna) const;

  // The rows as shown, for printing, the clipboard and CSV.
  GrigliaTesto TestoTabella() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& indice, int ruolo) const override;
  QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo) const override;
  // Column -1 restores wheel and item order.
  void sort(int colonna, Qt::SortOrder ordine = Qt::AscendingOrder) override;

 private:
  void ordina();

  std::vector<VoceRitardo> voci_;
  std::vector<std::string> titoli_;
  TipoRitardo tipo_ = TipoRitardo::Numero;
  bool conRuota_ = false;
  std::string nomeGruppo_;
  int colonnaOrdine_ = -1;  // a ColonnaRitardi
  Verso verso_ = Verso::Decrescente;
};

// The table view over it: sorting by heading with the arrow shown, one row
// selected at a time.
class TabellaRitardi : public QTableView {
  Q_OBJECT

 public:
  explicit TabellaRitardi(QWidget* parent = nullptr);
  ModelloRitardi* Modello() const { return modello_; }
  // Selects and shows the row.
  void VaiARiga(int riga);
  QSize sizeHint() const override;

 private:
  void adattaColonne();

  ModelloRitardi* modello_;
};

}  // namespace ruotario
