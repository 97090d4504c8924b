#pragma once
// "Calcolo Statistiche": shown around the recomputation after the archive grew.

#include <QWidget>

namespace ruotario {

class frmricalcolastatIC : public QWidget {
  Q_OBJECT
 public:
  explicit frmricalcolastatIC(QWidget* parent = nullptr);

  // The recomputation hook. No statistic is derived from the archive beyond
  // what each study computes when it runs, so there is nothing to redo here.
  void RicalcolaStat();

 signals:
  // Emitted when RicalcolaStat starts (lets callers and tests observe it).
  void calcoloAvviato();
};

}  // namespace ruotario
