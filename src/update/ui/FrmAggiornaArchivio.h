#pragma once
// "Aggiorna dall'archivio ufficiale" and "Importa da file pubblicato": the
// archive brought up to date from the official address (kept in the user's
// settings) or from files and folders the user picks. The download and the
// reading run on a thread of their own, with a progress bar and a cancel
// button; the window then shows what was added, the conflicts, the rejected
// lines and the backup, and the full report on request.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <atomic>
#include <memory>

#include "update/Aggiornamento.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QThread;

namespace ruotario {

enum class FonteAggiornamento { Ufficiale, File };

// The settings key of the official address (section "Settings").
inline constexpr const char* kChiaveIndirizzoUfficiale = "IndirizzoArchivioUfficiale";

class FrmAggiornaArchivio : public QWidget {
  Q_OBJECT

 public:
  explicit FrmAggiornaArchivio(FonteAggiornamento tipo, QWidget* parent = nullptr);
  ~FrmAggiornaArchivio() override;

  // "Aggiorna" / "Importa": reads the sources and merges them, off this thread.
  void Avvia();
  // "Annulla": stops the download or the reading; nothing is written.
  void Annulla();
  void ScegliFile();
  void ScegliCartella();
  // "Rapporto completo...": every list of the last update, in a window of its own.
  void MostraRapporto();

  bool InCorso() const { return lavoro_ != nullptr; }
  const EsitoAggiornamento& Esito() const { return esito_; }
  QStringList Fonti() const;

 signals:
  // Bytes received so far and expected (0 when unknown), while downloading.
  void avanzamento(qint64 fatto, qint64 totale);
  // The update ended (done, refused, failed or cancelled).
  void concluso();

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  QWidget* costruisciFonte();
  void aggiornaComandi();
  void mostraAvanzamento(const AvanzamentoAggiornamento& a);
  void fine();
  void attendiLavoro();

  FonteAggiornamento tipo_;
  QLineEdit* fonte_ = nullptr;
  QCheckBox* sostituisci_ = nullptr;
  QCheckBox* inserisci_ = nullptr;
  QProgressBar* barra_ = nullptr;
  QLabel* stato_ = nullptr;
  QPlainTextEdit* riepilogo_ = nullptr;
  QPushButton* avvia_ = nullptr;
  QPushButton* annulla_ = nullptr;
  QPushButton* rapporto_ = nullptr;
  QStringList file_;

  QThread* lavoro_ = nullptr;
  std::atomic<bool> annullato_{false};
  // The sources last read, kept so that a conflict can be resolved without reading them again.
  std::shared_ptr<LetturaFonti> lettura_;
  QStringList fontiLette_;
  EsitoAggiornamento esito_;
  bool eseguito_ = false;
};

}  // namespace ruotario
