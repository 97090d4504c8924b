#pragma once
// The few platform services the windows use (message boxes, file dialogs, the
// web browser, the printer, other programs, the clipboard), behind small interfaces so that
// tests can put fakes in their place. Each service has a Qt implementation
// used by default; impostaX(nullptr) restores it.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QWidget;
class QPrinter;

namespace ruotario {

// Message boxes: no icon, the application title as caption.
class Messaggi {
 public:
  virtual ~Messaggi() = default;
  // Notice with an OK button only.
  virtual void avviso(QWidget* padre, const QString& testo) = 0;
  // Question with Yes and No; true only on Yes.
  virtual bool conferma(QWidget* padre, const QString& testo) = 0;
  // Warning with OK and Cancel; true only on OK.
  virtual bool okAnnulla(QWidget* padre, const QString& testo) = 0;
  // Notice of a failure, with the critical icon and an OK button.
  virtual void errore(QWidget* padre, const QString& testo) { avviso(padre, testo); }
  // Question with Yes and No and the warning icon; true only on Yes. With
  // `predefinitoNo` No is the default answer (Enter gives No).
  virtual bool confermaAttenzione(QWidget* padre, const QString& testo, bool predefinitoNo = false) {
    static_cast<void>(predefinitoNo);
    return conferma(padre, testo);
  }
};

class DialoghiFile {
 public:
  virtual ~DialoghiFile() = default;
  // Empty text when the user cancels.
  virtual QString apriFile(QWidget* padre, const QString& titolo, const QString& cartella, const QString& filtro) = 0;
  // Several files at once; empty when the user cancels.
  virtual QStringList apriFileMultipli(QWidget* padre, const QString& titolo, const QString& cartella,
                                       const QString& filtro) {
    const QString f = apriFile(padre, titolo, cartella, filtro);
    return f.isEmpty() ? QStringList() : QStringList{f};
  }
  virtual QString scegliCartella(QWidget* padre, const QString& titolo, const QString& cartella) = 0;
  // The path chosen to save a file, or empty when cancelled.
  virtual QString salvaFile(QWidget* padre, const QString& titolo, const QString& nome, const QString& filtro) = 0;
};

class Browser {
 public:
  virtual ~Browser() = default;
  // Opens the page in the user's browser; false when no browser could be started.
  virtual bool apri(const QUrl& indirizzo) = 0;
};

// The printer every print command uses, and its set-up dialog.
class Stampante {
 public:
  virtual ~Stampante() = default;
  virtual QPrinter& printer() = 0;
  // Shows the set-up dialog (printer or PDF file by name, paper, orientation) titled
  // "Imposta stampante"; false when cancelled.
  virtual bool imposta(QWidget* padre) = 0;
};

// Finding and starting other programs.
class Programmi {
 public:
  virtual ~Programmi() = default;
  // Full path of an executable found on the search path, or empty.
  virtual QString cerca(const QString& nome) = 0;
  // Starts the program detached; false when it could not be started.
  virtual bool avvia(const QString& percorso, const QStringList& argomenti = {}) = 0;
};

// The system clipboard: read by the pasted-draw window, written by the tables' "Copia".
class Appunti {
 public:
  virtual ~Appunti() = default;
  // The text the clipboard holds; nullopt when it holds none (or cannot be read).
  virtual std::optional<QString> testo() = 0;
  virtual void scrivi(const QString& testo) = 0;
};

Messaggi& messaggi();
Appunti& appunti();
DialoghiFile& dialoghiFile();
Browser& browser();
Stampante& stampante();
Programmi& programmi();

// Non-owning: the caller keeps the replacement alive while it is in use.
void impostaMessaggi(Messaggi* m);
void impostaDialoghiFile(DialoghiFile* d);
void impostaBrowser(Browser* b);
void impostaStampante(Stampante* s);
void impostaProgrammi(Programmi* p);
void impostaAppunti(Appunti* a);

// The application title: caption of the main window and of message boxes,
// application name of the settings store, product name on the splash window.
inline const QString kTitoloApplicazione = QStringLiteral("Ruotario");

}  // namespace ruotario
