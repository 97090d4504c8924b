#pragma once
// The archive viewer and editor: one stored draw at a time, chosen by date or
// with the scroll bar (each move reads just that record from the file), with
// MODIFICA to correct it in place and STAMPA to print it.

#include <QWidget>

#include "archive/ArchivioEstrazioni.h"

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace ruotario {

class GrigliaEstrazione;

class frmvisualizzaArchivioEstrazioni : public QWidget {
  Q_OBJECT

 public:
  explicit frmvisualizzaArchivioEstrazioni(QWidget* parent = nullptr);

  // Fills the date list from the archive and shows its last draw.
  void CaricaDate();
  // Shows record i, read at its place in the file.
  void MostraEstrazione(int i);
  // MODIFICA, Salva Modifiche, Annulla Modifiche, STAMPA.
  void Modifica();
  void SalvaModifiche();
  void AnnullaModifiche();
  void PrintGrid();

  GrigliaEstrazione* Griglia() const { return griglia_; }
  // The record shown (the scroll bar's value); 0 when the archive is empty.
  int Posizione() const;
  bool InModifica() const;

 private:
  void costruisci();
  void scorri(int i);
  void fineModifica();

  QComboBox* cmbData_ = nullptr;
  QScrollBar* scroll1_ = nullptr;
  QLabel* contatore_ = nullptr;
  QLabel* lbdata_ = nullptr;
  QLabel* vuoto_ = nullptr;
  GrigliaEstrazione* griglia_ = nullptr;
  QPushButton* modifica_ = nullptr;
  QGroupBox* frModifiche_ = nullptr;
  QPushButton* salva_ = nullptr;
  QPushButton* annulla_ = nullptr;
  QDateEdit* datascelta_ = nullptr;
  QPushButton* stampa_ = nullptr;
  int conta_ = 0;
  // The record shown, as read: a correction is saved only while the file still holds it.
  std::string mostrato_;
  // A file not in the fixed layout is shown from memory: its records do not
  // stand at their offsets. Empty otherwise, and each draw is read alone.
  ArchivioEstrazioni inMemoria_;
};

}  // namespace ruotario
