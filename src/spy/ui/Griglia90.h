#pragma once
// The result grid of the spy windows (and of any window showing a number
// table): a heading row from a column-format text, then rows of plain texts.
// The rows live in the model as texts, exactly as shown; the sort and cut
// commands work on those texts through the core helpers.

#include <QStringList>
#include <QTableView>
#include <string>

#include "print/GrigliaTesto.h"
#include "spy/RigheTabella.h"

namespace ruotario {

class ModelloGriglia;

class Griglia90 : public QTableView {
  Q_OBJECT

 public:
  // The spy tables' column-format text.
  static const QString kFormatoSpia;

  explicit Griglia90(QWidget* parent = nullptr);

  // Sets the headings from a column-format text ("a|b|c"); each column gets
  // the width of its heading. The rows are kept, widened or cut to fit.
  void ImpostaFormato(const QString& formato);
  QStringList Titoli() const;

  // Lays the grid out empty: 90 rows, "01".."90" in column 0, other cells empty.
  void PreparaGriglia();

  // Replaces all rows (each is widened or cut to the column count).
  void ImpostaRighe(RigheTabella righe);
  const RigheTabella& Righe() const;
  int ContaRighe() const;
  int ContaColonne() const;
  // Row 0 is the first number row (the heading is not a row).
  QString Testo(int riga, int colonna) const;

  // Sorts all rows by the numeric value of a column; equal keys keep their order.
  void Ordina(int colonna, Verso verso);
  // Sorts by column 1 largest first and keeps the first `quante` rows.
  void TieniMigliori(int quante);

  // Centres the figures too (by default only the number column is centred).
  void CentraColonne();

  // The decimal separator of the user's locale, as the cells are written.
  static char SeparatoreDecimale();

  QSize sizeHint() const override;

  // The table as shown: headings and rows.
  GrigliaTesto TestoTabella() const;
  // The rows as shown, for other programs: CSV with "." as decimal separator
  // (the command line's bytes) and tab-separated text as shown.
  std::string TestoCsvGriglia() const;
  QString TestoTabulatoGriglia() const;
  // Context menu commands: "Copia" to the clipboard, "Esporta CSV…" to a file.
  void Copia();
  void EsportaCsv();

 private:
  void adattaColonne();

  ModelloGriglia* modello_;
};

}  // namespace ruotario
