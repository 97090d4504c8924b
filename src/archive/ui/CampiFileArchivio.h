#pragma once
// The four read-only fields the import and export windows show for one
// archive file: path, size in KB, number of draws, date of the last draw;
// and the information box the two windows also share.

#include <QString>
#include <QStringList>

class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace ruotario {

struct DatiFileArchivio;

class CampiFileArchivio {
 public:
  // Builds the fields with the given objectNames, beside their labels, in the
  // rows from `riga` of `griglia`; `etichettaData` is the last date's label.
  CampiFileArchivio(QWidget* padre, QGridLayout* griglia, int riga, const QString& etichettaPercorso,
                    const QStringList& nomi, const QString& etichettaData);

  // Shows the facts; a file that does not exist shows only its path.
  void mostra(const DatiFileArchivio& dati);
  void svuota();

 private:
  QLineEdit* percorso_;
  QLineEdit* dimensione_;
  QLineEdit* totale_;
  QLineEdit* data_;
};

// The read-only "Text1" box of both windows, with what the user should know.
QPlainTextEdit* NuovoTestoInformativo(QWidget* padre, const QString& testo);

}  // namespace ruotario
