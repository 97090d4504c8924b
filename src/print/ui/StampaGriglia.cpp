#include "print/ui/StampaGriglia.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTableWidget>

#include "app/ui/Servizi.h"

namespace ruotario {

namespace {

QFont fontStampa() {
  QFont font(QStringLiteral("Arial"));
  if (!QFontDatabase::families().contains(QStringLiteral("Arial"))) font.setFamily(QStringLiteral("Liberation Sans"));
  font.setPointSize(10);
  return font;
}

QString testo(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QString StampaDocumento(QPrinter& printer, const DocumentoStampa& documento) {
  QPainter pittore;
  if (!printer.isValid() || !pittore.begin(&printer)) {
    const QString nome = printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
    return QStringLiteral("impossibile avviare la stampa su \"%1\".").arg(nome);
  }
  const QFont font = fontStampa();
  pittore.setFont(font);
  const QFontMetricsF metrica(font, &printer);
  const qreal colonna = metrica.averageCharWidth();
  const qreal riga = metrica.lineSpacing();

  bool prima = true;
  for (const auto& pagina : documento.pagine) {
    if (!prima && !printer.newPage()) {
      printer.abort();
      pittore.end();
      return QStringLiteral("impossibile iniziare una nuova pagina.");
    }
    prima = false;
    qreal y = metrica.ascent();
    for (const auto& linea : pagina.righe) {
      for (const auto& pezzo : linea) pittore.drawText(QPointF((pezzo.colonna - 1) * colonna, y), testo(pezzo.testo));
      y += riga;
    }
  }
  if (!pittore.end()) {
    printer.abort();
    return QStringLiteral("la stampante non ha accettato il documento.");
  }
  return {};
}

void StampaGrigliaTxt(const GrigliaTesto& Griglia, const QString& Titolo, const QString& Sottotitolo, int RigheMax,
                      QWidget* padre) {
  if (!messaggi().conferma(padre, QStringLiteral("Vuoi Stampare la Tabella?"))) return;
  const DocumentoStampa documento = ImpaginaGriglia(Griglia, Titolo.toStdString(), Sottotitolo.toStdString(), RigheMax);
  const QString errore = StampaDocumento(stampante().printer(), documento);
  if (!errore.isEmpty())
    messaggi().avviso(
        padre, QStringLiteral("Si è verificato il seguente errore durante la stampa (StampaGrigliaTxt): ") + errore);
}

GrigliaTesto GrigliaDaTabella(const QTableWidget& tabella) {
  GrigliaTesto g;
  const int colonne = tabella.columnCount();
  for (int c = 0; c < colonne; ++c) {
    const QTableWidgetItem* voce = tabella.horizontalHeaderItem(c);
    g.intestazioni.push_back(voce ? voce->text().toStdString() : std::string());
  }
  for (int r = 0; r < tabella.rowCount(); ++r) {
    std::vector<std::string> riga;
    for (int c = 0; c < colonne; ++c) {
      const QTableWidgetItem* voce = tabella.item(r, c);
      riga.push_back(voce ? voce->text().toStdString() : std::string());
    }
    g.righe.push_back(std::move(riga));
  }
  return g;
}

}  // namespace ruotario
