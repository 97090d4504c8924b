#pragma once
// "Glossario Termini": shows termini.txt from the program folder.

#include <QDialog>

namespace ruotario {

class FrmInfo : public QDialog {
  Q_OBJECT
 public:
  explicit FrmInfo(QWidget* parent = nullptr);
};

}  // namespace ruotario
