#pragma once
// The new-draw window: shows the last stored draw, lets the user type the next
// one into the entry grid and appends it to the archive. The pasted-draw window
// is this window with a text filter added: it derives from it, places its own
// controls with AggiungiPannello and drives the entry through the public steps.

#include <QDate>
#include <QWidget>

#include "archive/ScritturaArchivio.h"

class QDateEdit;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace ruotario {

class GrigliaEstrazione;
struct DataEstrazione;

class frmmunInserisciNuovaEstrazione : public QWidget {
  Q_OBJECT

 public:
  explicit frmmunInserisciNuovaEstrazione(QWidget* parent = nullptr);

  // Fills the labels and the grid from the last record of the archive (an
  // empty grid, counter 0 and no date when the archive is empty or missing).
  void CaricaUltimaEstrazione();
  // "&Inserisci Nuova Estrazione": an empty grid, editable, the editor on Bari
  // 1° est., the date picker shown (its date unchanged) and focused.
  void InserisciNuovaEstrazione();
  // "&Salva Estrazione": checks, asks, appends, shows the stored draw.
  void SalvaEstrazione();

  GrigliaEstrazione* Griglia() const { return griglia_; }
  QDateEdit* DataScelta() const { return datascelta_; }
  QPushButton* Salva() const { return salva_; }
  // True from "Inserisci" until the draw is stored.
  bool InInserimento() const;

 protected:
  struct Aspetto {
    QString nome;
    QString titolo;
    QString testoSalva;
  };
  frmmunInserisciNuovaEstrazione(const Aspetto& aspetto, QWidget* parent);

  // Puts a panel of the derived window beside the entry controls (left of them
  // when `prima`).
  void AggiungiPannello(QWidget* pannello, bool prima = true);
  // Puts a widget of the derived window just left of the save button.
  void AccantoASalva(QWidget* accanto);
  // Called once the draw of `data` is stored: what the derived window keeps
  // beside it. A text added to the success message, or empty.
  virtual QString DopoSalvataggio(const DataEstrazione& data);
  // A warning shown on its own before the confirmation question of a save;
  // none when empty.
  virtual QString AvvisoPrimaDiSalvare(const CelleRuote& celle) const;

 private:
  void costruisci(const Aspetto& aspetto);
  void apri();
  void impostaDataDaEtichetta();

  GrigliaEstrazione* griglia_ = nullptr;
  QPushButton* inserisci_ = nullptr;
  QPushButton* salva_ = nullptr;
  QPushButton* esci_ = nullptr;
  QGroupBox* frmdata_ = nullptr;
  QDateEdit* datascelta_ = nullptr;
  QLabel* contatore_ = nullptr;
  QLabel* lbdata_ = nullptr;
  QHBoxLayout* layout_ = nullptr;
  QHBoxLayout* rigaSalva_ = nullptr;
};

// The date a window proposes from a date label: that date when it is one, else today.
QDate DataDaEtichetta(const QString& testo);

// A draw-date picker: dd/MM/yyyy with a calendar, the dates a draw may have.
QDateEdit* NuovoSceltaData(QWidget* padre);

}  // namespace ruotario
