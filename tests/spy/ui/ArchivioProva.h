#pragma once
// Small hand-made archives for the window tests, and fakes of the message
// boxes and the printer.

#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <vector>

#include "app/Ambiente.h"
#include "app/ui/Servizi.h"

namespace prova {

// One record: Bari holds `bari` (five two-digit texts run together, "0511121314"),
// the other wheels "00".
inline std::string Record(int giorno, const std::string& bari) {
  char data[32];
  std::snprintf(data, sizeof data, "%02d/%02d/%04d", (giorno - 1) % 28 + 1, (giorno - 1) / 28 % 12 + 1,
                2000 + (giorno - 1) / 336);
  std::string r = std::string(data) + "|" + bari + "|";
  for (int w = 2; w <= 10; ++w) r += "0000000000|";
  return r;
}

// Writes the records into estrazioni.txt in `cartella` and points the program at it.
inline void ScriviArchivio(const QTemporaryDir& cartella, const std::vector<std::string>& bari) {
  const std::string percorso = cartella.path().toStdString() + "/estrazioni.txt";
  std::ofstream f(percorso, std::ios::binary);
  for (std::size_t i = 0; i < bari.size(); ++i) {
    if (i > 0) f << "\r\n";
    f << Record(static_cast<int>(i) + 1, bari[i]);
  }
  ruotario::Stato().ArchivePath = percorso;
}

class MessaggiFinti : public ruotario::Messaggi {
 public:
  void avviso(QWidget*, const QString& testo) override { avvisi << testo; }
  bool conferma(QWidget*, const QString& testo) override {
    domande << testo;
    return risposta;
  }
  bool okAnnulla(QWidget*, const QString& testo) override {
    domande << testo;
    return risposta;
  }
  QStringList avvisi;
  QStringList domande;
  bool risposta = true;
};

// Prints into a PDF file instead of a printer.
class StampanteFinta : public ruotario::Stampante {
 public:
  explicit StampanteFinta(const QString& file) {
    stampante_.setOutputFormat(QPrinter::PdfFormat);
    stampante_.setOutputFileName(file);
  }
  QPrinter& printer() override { return stampante_; }
  bool imposta(QWidget*) override { return false; }

 private:
  QPrinter stampante_;
};

}  // namespace prova
