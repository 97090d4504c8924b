#include "app/ui/Servizi.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <memory>

namespace ruotario {

namespace {

int chiedi(QWidget* padre, const QString& testo, QMessageBox::StandardButtons pulsanti,
           QMessageBox::StandardButton predefinito, QMessageBox::Icon icona = QMessageBox::NoIcon) {
  QMessageBox box(icona, kTitoloApplicazione, testo, pulsanti, padre);
  box.setDefaultButton(predefinito);
  return box.exec();
}

class QtMessaggi final : public Messaggi {
 public:
  void avviso(QWidget* padre, const QString& testo) override { chiedi(padre, testo, QMessageBox::Ok, QMessageBox::Ok); }
  bool conferma(QWidget* padre, const QString& testo) override {
    return chiedi(padre, testo, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
  }
  bool okAnnulla(QWidget* padre, const QString& testo) override {
    return chiedi(padre, testo, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
  }
  void errore(QWidget* padre, const QString& testo) override {
    chiedi(padre, testo, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Critical);
  }
  bool confermaAttenzione(QWidget* padre, const QString& testo, bool predefinitoNo) override {
    return chiedi(padre, testo, QMessageBox::Yes | QMessageBox::No, predefinitoNo ? QMessageBox::No : QMessageBox::Yes,
                  QMessageBox::Warning) == QMessageBox::Yes;
  }
};

class QtDialoghiFile final : public DialoghiFile {
 public:
  QString apriFile(QWidget* padre, const QString& titolo, const QString& cartella, const QString& filtro) override {
    return QFileDialog::getOpenFileName(padre, titolo, cartella, filtro);
  }
  QStringList apriFileMultipli(QWidget* padre, const QString& titolo, const QString& cartella,
                               const QString& filtro) override {
    return QFileDialog::getOpenFileNames(padre, titolo, cartella, filtro);
  }
  QString scegliCartella(QWidget* padre, const QString& titolo, const QString& cartella) override {
    return QFileDialog::getExistingDirectory(padre, titolo, cartella);
  }
  QString salvaFile(QWidget* padre, const QString& titolo, const QString& nome, const QString& filtro) override {
    return QFileDialog::getSaveFileName(padre, titolo, nome, filtro);
  }
};

class QtBrowser final : public Browser {
 public:
  bool apri(const QUrl& indirizzo) override { return QDesktopServices::openUrl(indirizzo); }
};

class QtStampante final : public Stampante {
 public:
  QPrinter& printer() override {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
  }
  bool imposta(QWidget* padre) override {
    // Printer (or a PDF file by name), paper and orientation: printing has
    // no page range to choose, and accepting only keeps the choice.
    QPrintDialog dialogo(&printer(), padre);
    dialogo.setWindowTitle(QStringLiteral("Imposta stampante"));
    dialogo.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (auto* pulsanti = dialogo.findChild<QDialogButtonBox*>())
      if (QPushButton* ok = pulsanti->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    return dialogo.exec() == QDialog::Accepted;
  }

 private:
  std::unique_ptr<QPrinter> printer_;
};

class QtProgrammi final : public Programmi {
 public:
  QString cerca(const QString& nome) override { return QStandardPaths::findExecutable(nome); }
  bool avvia(const QString& percorso, const QStringList& argomenti) override {
    return !percorso.isEmpty() && QProcess::startDetached(percorso, argomenti);
  }
};

class QtAppunti final : public Appunti {
 public:
  std::optional<QString> testo() override {
    const QClipboard* appunti = QGuiApplication::clipboard();
    const QMimeData* dati = appunti ? appunti->mimeData() : nullptr;
    if (!dati || !dati->hasText()) return std::nullopt;
    return dati->text();
  }
  void scrivi(const QString& testo) override { QGuiApplication::clipboard()->setText(testo); }
};

template <typename Interfaccia, typename Predefinita>
struct Servizio {
  Interfaccia* sostituto = nullptr;
  std::unique_ptr<Predefinita> predefinita;
  Interfaccia& get() {
    if (sostituto) return *sostituto;
    if (!predefinita) predefinita = std::make_unique<Predefinita>();
    return *predefinita;
  }
};

Servizio<Messaggi, QtMessaggi> gMessaggi;
Servizio<DialoghiFile, QtDialoghiFile> gDialoghi;
Servizio<Browser, QtBrowser> gBrowser;
Servizio<Stampante, QtStampante> gStampante;
Servizio<Programmi, QtProgrammi> gProgrammi;
Servizio<Appunti, QtAppunti> gAppunti;

}  // namespace

Messaggi& messaggi() { return gMessaggi.get(); }
DialoghiFile& dialoghiFile() { return gDialoghi.get(); }
Browser& browser() { return gBrowser.get(); }
Stampante& stampante() { return gStampante.get(); }
Programmi& programmi() { return gProgrammi.get(); }
Appunti& appunti() { return gAppunti.get(); }

void impostaMessaggi(Messaggi* m) { gMessaggi.sostituto = m; }
void impostaDialoghiFile(DialoghiFile* d) { gDialoghi.sostituto = d; }
void impostaBrowser(Browser* b) { gBrowser.sostituto = b; }
void impostaStampante(Stampante* s) { gStampante.sostituto = s; }
void impostaProgrammi(Programmi* p) { gProgrammi.sostituto = p; }
void impostaAppunti(Appunti* a) { gAppunti.sostituto = a; }

}  // namespace ruotario
