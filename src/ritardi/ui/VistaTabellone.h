#pragma once
// The tabellone analitico on screen: a row per number, a column per wheel
// (the ten, then Nazionale), each cell shaded by how many cells chance alone
// would bring to a delay that long, a number at its own record in bold. On a
// wide window the 90 numbers go in two blocks side by side, 1-45 and 46-90.

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>
#include <vector>

#include "print/GrigliaTesto.h"
#include "ritardi/VociRitardi.h"

namespace ruotario {

// The shade of a level of LivelloCaso (none for level 0).
QColor ColoreLivello(int livello);

// What the cells show; the shade always judges the current delay.
enum class ValoreTabellone { Attuale, Massimo, Frequenza };

class ModelloTabellone : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // `voci`: 90 numbers per wheel, wheel by wheel, as VociRitardi gives them.
  void Imposta(std::vector<VoceRitardo> voci);
  void ImpostaValore(ValoreTabellone valore);
  void ImpostaBlocchi(int blocchi);  // 1 or 2
  int Blocchi() const { return blocchi_; }
  int Ruote() const { return static_cast<int>(ruote_.size()); }

  // The number and wheel of a cell; {0, 0} for a number column.
  std::pair<int, int> Cella(const QModelIndex& indice) const;
  QModelIndex Indice(int numero, int ruota) const;
  const VoceRitardo* Voce(int numero, int ruota) const;
  // The grid as printed and exported: "Numero" and a column per wheel, 90 rows.
  GrigliaTesto TestoTabella() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& indice, int ruolo) const override;
  QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo) const override;

 private:
  int valore(const VoceRitardo& v) const;
  QString suggerimento(const VoceRitardo& v) const;

  std::vector<VoceRitardo> voci_;
  std::vector<int> ruote_;
  ValoreTabellone valore_ = ValoreTabellone::Attuale;
  int blocchi_ = 1;
};

class VistaTabellone : public QTableView {
  Q_OBJECT

 public:
  explicit VistaTabellone(QWidget* parent = nullptr);
  ModelloTabellone* Modello() const { return modello_; }
  void Imposta(std::vector<VoceRitardo> voci);
  QSize sizeHint() const override;

 signals:
  // A click on the cell of `numero` on `ruota`.
  void CellaScelta(int numero, int ruota);

 protected:
  void resizeEvent(QResizeEvent* evento) override;

 private:
  int larghezzaBlocco() const;
  void adatta();

  ModelloTabellone* modello_;
};

}  // namespace ruotario
