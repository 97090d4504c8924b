#pragma once
// Fakes of the platform services for the window tests: they record every call
// and give scripted answers.

#include <QPrinter>
#include <QtWidgets>
#include <cstring>
#include <memory>

#include "app/ui/Servizi.h"

namespace ruotario::prova {

struct Messaggio {
  QString testo;
  QPointer<QWidget> padre;
  bool padreVisibile = false;
  QString tipo;  // "avviso", "conferma", "okAnnulla", "errore", "confermaAttenzione"
  bool predefinitoNo = false;
};

class FintiMessaggi : public Messaggi {
 public:
  void avviso(QWidget* padre, const QString& testo) override { registra(padre, testo, "avviso"); }
  bool conferma(QWidget* padre, const QString& testo) override { return registra(padre, testo, "conferma"); }
  bool okAnnulla(QWidget* padre, const QString& testo) override { return registra(padre, testo, "okAnnulla"); }
  void errore(QWidget* padre, const QString& testo) override { registra(padre, testo, "errore"); }
  bool confermaAttenzione(QWidget* padre, const QString& testo, bool predefinitoNo) override {
    return registra(padre, testo, "confermaAttenzione", predefinitoNo);
  }
  QStringList testi() const {
    QStringList t;
    for (const auto& m : ricevuti) t << m.testo;
    return t;
  }
  bool risposta = true;
  // Answers given in turn to the questions; `risposta` once they run out.
  QList<bool> risposte;
  QList<Messaggio> ricevuti;

 private:
  bool registra(QWidget* padre, const QString& testo, const char* tipo, bool predefinitoNo = false) {
    ricevuti.push_back({testo, padre, padre && padre->isVisible(), QString::fromLatin1(tipo), predefinitoNo});
    if (std::strcmp(tipo, "avviso") != 0 && !risposte.isEmpty()) return risposte.takeFirst();
    return risposta;
  }
};

// File dialogs answering with scripted choices (empty: cancelled).
class FintiDialoghiFile : public DialoghiFile {
 public:
  struct Apertura {
    QString titolo, cartella, filtro;
  };
  QString apriFile(QWidget*, const QString& titolo, const QString& cartella, const QString& filtro) override {
    aperture.push_back({titolo, cartella, filtro});
    return file;
  }
  QString scegliCartella(QWidget*, const QString& titolo, const QString& cartella) override {
    aperture.push_back({titolo, cartella, {}});
    return cartellaScelta;
  }
  QString salvaFile(QWidget*, const QString& titolo, const QString& nome, const QString& filtro) override {
    aperture.push_back({titolo, nome, filtro});
    return fileSalvato;
  }
  QString file;
  QString cartellaScelta;
  QString fileSalvato;
  QList<Apertura> aperture;
};

class FintoBrowser : public Browser {
 public:
  bool apri(const QUrl& indirizzo) override {
    aperti << indirizzo.toString();
    return funziona;
  }
  bool funziona = true;
  QStringList aperti;
};

class FintaStampante : public Stampante {
 public:
  FintaStampante() : printer_(QPrinter::HighResolution) { printer_.setOutputFormat(QPrinter::PdfFormat); }
  QPrinter& printer() override { return printer_; }
  bool imposta(QWidget*) override { return ++impostazioni > 0; }
  int impostazioni = 0;
  // The text of the PDF printed last, pages separated by form feeds. Without
  // pdftotext (poppler-utils, see tools/dipendenze.sh) a text no check accepts.
  QString testo() {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), printer_.outputFileName(), QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0) return QStringLiteral("<pdftotext non ha letto il PDF>");
    return QString::fromUtf8(p.readAllStandardOutput());
  }

 private:
  QPrinter printer_;
};

class FintiProgrammi : public Programmi {
 public:
  QString cerca(const QString& nome) override {
    cercati << nome;
    return trovati.value(nome);
  }
  bool avvia(const QString& percorso, const QStringList&) override {
    avviati << percorso;
    return avvioRiesce;
  }
  QHash<QString, QString> trovati;
  bool avvioRiesce = true;
  QStringList cercati;
  QStringList avviati;
};

// A clipboard holding `contenuto` (no text at all when it is nullopt) that
// keeps what was written in `scritto`.
class FintiAppunti : public Appunti {
 public:
  std::optional<QString> testo() override { return contenuto; }
  void scrivi(const QString& t) override { scritto = t; }
  std::optional<QString> contenuto;
  QString scritto;
};

// Points the settings store at a temporary folder: tests never touch the
// user's own settings. Call before the first QSettings is made.
inline std::unique_ptr<QTemporaryDir> ImpostazioniTemporanee() {
  QStandardPaths::setTestModeEnabled(true);
  auto dir = std::make_unique<QTemporaryDir>();
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir->path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir->path());
  return dir;
}

}  // namespace ruotario::prova
