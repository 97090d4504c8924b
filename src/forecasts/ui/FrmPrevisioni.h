#pragma once
// "Previsioni": the ledger of forecasts, settled on the archive as it is now,
// with what chance alone would have given; and a tab where a method is
// replayed forward in time against chance.

#include <QWidget>
#include <vector>

#include "forecasts/Previsione.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace ruotario {

class SchedaVerifica;

class FrmPrevisioni : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kNome = "FrmPrevisioni";
  // The menu entry that opens it.
  static constexpr const char* kComando = "mnuPrevisioniRegistro";

  explicit FrmPrevisioni(QWidget* parent = nullptr);

  // Reads the ledger again and settles it on the archive.
  void Aggiorna();
  // The forecasts shown, in the table's order.
  const std::vector<VocePrevisione>& Voci() const { return voci_; }

  // "Nuova…", "Elimina", "Stampa".
  void Nuova();
  void Elimina();
  void Stampa();

 private:
  QWidget* costruisciRegistro();
  void mostra();
  long long idScelto() const;

  QTabWidget* schede_ = nullptr;
  QComboBox* filtro_ = nullptr;
  QTableWidget* tabella_ = nullptr;
  QLabel* riepilogo_ = nullptr;
  QPushButton* elimina_ = nullptr;
  SchedaVerifica* verifica_ = nullptr;
  std::vector<VocePrevisione> tutte_;  // the whole ledger, settled
  std::vector<VocePrevisione> voci_;   // those the filter shows
};

}  // namespace ruotario
