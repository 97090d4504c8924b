#pragma once
// "Importa file archivio dati": replaces the archive with a file named
// estrazioni.txt chosen by the user, keeping the old one as a backup, then
// runs the statistics recomputation.

#include <QWidget>
#include <memory>

namespace ruotario {

class CampiFileArchivio;

class frmimportaarchivi : public QWidget {
  Q_OBJECT

 public:
  explicit frmimportaarchivi(QWidget* parent = nullptr);
  ~frmimportaarchivi() override;

  // "&Scegli file da importare" (Passo 1).
  void Scegli();
  // "&Importa archivio dati" (Passo 2).
  void Importa();

 private:
  void caricaArchivio();

  std::unique_ptr<CampiFileArchivio> attuale_;
  std::unique_ptr<CampiFileArchivio> scelto_;
  QString percorsoScelto_;
};

}  // namespace ruotario
