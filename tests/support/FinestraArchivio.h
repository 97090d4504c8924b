#pragma once
// What the tests of the windows over the archive share: the archive in a
// temporary folder, the message fake in place, the window under test and the
// ways to reach its controls. A test class derives from QObject and this.

#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <memory>

#include "app/Ambiente.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

namespace ruotario::prova {

inline const QString kErrori =
    QStringLiteral("Attenzione ci sono errori nell'inserimento dei numeri. Continuo con il salvataggio?");
inline const QString kConferma = QStringLiteral("Confermi l'inserimento dell'estrazione nell'archivio?");
inline const QString kSuccesso = QStringLiteral("Memorizzazione avvenuta con successo");

template <typename W>
class FinestraArchivio {
 protected:
  FinestraArchivio() {
    impostaMessaggi(&messaggi_);
    Stato().ArchivePath = cartella_.File("estrazioni.txt");
  }
  ~FinestraArchivio() {
    impostaMessaggi(nullptr);
    Stato() = stato_;
  }

  template <typename T>
  T* c(const char* nome) const {
    return f_->template findChild<T*>(QString::fromLatin1(nome));
  }
  std::string archivio() const { return CartellaTemporanea::Leggi(Stato().ArchivePath); }
  void clic(const char* nome) { QTest::mouseClick(c<QPushButton>(nome), Qt::LeftButton); }

  // Opens the window on an archive holding `contenuto`; on no file when it is empty.
  void apri(const std::string& contenuto) {
    std::filesystem::remove(Stato().ArchivePath);
    if (!contenuto.empty()) cartella_.Scrivi("estrazioni.txt", contenuto);
    f_ = std::make_unique<W>();
    f_->show();
    QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
  }
  // Clicks cmdSalva giving `risposte` to its questions; only its messages are kept.
  void salva(QList<bool> risposte) {
    messaggi_.ricevuti.clear();
    messaggi_.risposte = std::move(risposte);
    clic("cmdSalva");
  }

  const StatoProgramma stato_ = Stato();  // put back when the test ends, however it ends
  CartellaTemporanea cartella_;
  FintiMessaggi messaggi_;
  std::unique_ptr<W> f_;
};

}  // namespace ruotario::prova
