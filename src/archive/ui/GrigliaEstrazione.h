#pragma once
// The draw entry grid shared by the new-draw windows and the archive viewer:
// ten wheels by five numbers, with the yellow editor box `Testo` laid over the
// current cell while the user types. Only numbers 1..90 typed in the editor
// reach a cell. Rows (1..10, the wheel) and columns (1..5, the extraction
// place) are numbered as the user sees them; the headings are not cells.

#include <QTableWidget>

#include "archive/EditorGriglia.h"
#include "archive/Estrazione.h"
#include "archive/ScritturaArchivio.h"
#include "print/GrigliaTesto.h"

class QAbstractButton;
class QLineEdit;

namespace ruotario {

class GrigliaEstrazione : public QTableWidget {
  Q_OBJECT

 public:
  explicit GrigliaEstrazione(const QString& nome, QWidget* parent = nullptr);

  // Empties every cell and writes the headings ("1° est." ... and the wheels).
  void PreparaGrigliaEstrazione();

  // Editing is allowed only while this button is enabled (the window's save
  // button). Without a button the editor never opens.
  void ImpostaPulsanteSalva(const QAbstractButton* salva) { salva_ = salva; }
  bool EditingConsentito() const;

  // The input switch: while off the grid ignores mouse and keyboard.
  void ImpostaInput(bool attivo);
  bool Input() const { return input_; }

  // Opens the editor on the current cell when editing is allowed.
  void ShowCellEditor();
  // Makes (riga, colonna) current and opens the editor there.
  void ApriEditor(int riga, int colonna);
  void NascondiEditor();
  QLineEdit* Testo() const { return testo_; }

  void RendiCorrente(int riga, int colonna);
  CellaGriglia Corrente() const;

  QString Cella(int riga, int colonna) const;
  void ImpostaCella(int riga, int colonna, const QString& testo);
  // All fifty cell texts, [wheel 0..9][place 0..4], as ComponiRecord takes them.
  CelleRuote Celle() const;
  void ImpostaCelle(const CelleRuote& celle);
  // Shows a stored draw: each cell the two characters as stored ("00" included).
  void MostraRecord(const Estrazione& estrazione);

  // The table as printed: the heading row, then one row per wheel.
  GrigliaTesto TestoStampa() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void mouseDoubleClickEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void wheelEvent(QWheelEvent* evento) override;
  void updateGeometries() override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  void posizionaEditor();
  void testoCambiato(const QString& testo);
  bool tastoEditor(QKeyEvent* evento);

  QLineEdit* testo_ = nullptr;
  const QAbstractButton* salva_ = nullptr;
  bool input_ = false;
};

}  // namespace ruotario
