#pragma once
// "Esporta file archivio Estrazioni": copies the archive as estrazioni.txt into
// a chosen folder: the home folder, a mounted pen drive or disk, or any other.

#include <QWidget>
#include <memory>

class QComboBox;

namespace ruotario {

class CampiFileArchivio;

class frmesportaarchivi : public QWidget {
  Q_OBJECT

 public:
  explicit frmesportaarchivi(QWidget* parent = nullptr);
  ~frmesportaarchivi() override;

  // "<-- &Esporta".
  void Esporta();

 private:
  void sceltaCartella(int indice);

  std::unique_ptr<CampiFileArchivio> archivio_;
  QComboBox* cartelle_ = nullptr;
  int ultimaScelta_ = 0;
};

}  // namespace ruotario
