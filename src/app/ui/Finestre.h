#pragma once
// One program-wide instance per window kind: the slot holds the window while it
// is open and empties itself when the user closes it, so the next opening builds
// the window afresh.

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace ruotario {

// How a window is shown when its command runs.
enum class Modo {
  Figlia,                   // child window inside the main window's area
  Modale,                   // modal dialog owned by the main window
  ModaleSenzaProprietario,  // modal dialog without owner
  Indipendente,             // a window of its own, outside the main window
};

// Builds a window. `padre` is the owner to give it (null for child and
// independent windows: the main window places those itself). The window's
// objectName must be its window name (e.g. "FrmSPY1").
using FabbricaFinestra = std::function<QWidget*(QWidget* padre)>;

class Finestre {
 public:
  struct Voce {
    FabbricaFinestra fabbrica;
    Modo modo = Modo::Figlia;
  };

  void registra(const QString& chiave, FabbricaFinestra fabbrica, Modo modo);
  bool registrata(const QString& chiave) const { return voci_.contains(chiave); }
  QStringList chiavi() const { return voci_.keys(); }
  const Voce* voce(const QString& chiave) const;

  // The open instance for the key, or null (also once it was closed).
  QWidget* istanza(const QString& chiave) const;
  void ricorda(const QString& chiave, QWidget* finestra) { istanze_[chiave] = finestra; }

 private:
  QHash<QString, Voce> voci_;
  QHash<QString, QPointer<QWidget>> istanze_;
};

}  // namespace ruotario
