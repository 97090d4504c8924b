#pragma once
// The window shown while the program starts.

#include <QWidget>

namespace ruotario {

class frmSplash : public QWidget {
  Q_OBJECT
 public:
  explicit frmSplash(QWidget* parent = nullptr);
};

}  // namespace ruotario
