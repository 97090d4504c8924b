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
  if (!printer.isValid()) return QStringLiteral("nessuna stampante disponibile.");
  // The printer's own font metrics and printable area: the layout's lines and
  // columns are placed and counted on the paper actually chosen.
  const QFont font = fontStampa();
  const QFontMetricsF metrica(font, &printer);
  const qreal colonna = metrica.averageCharWidth();
  const qreal riga = metrica.lineSpacing();
  const qreal larghezza = printer.width();
  const qreal altezza = printer.height();
  if (altezza < metrica.height()) return QStringLiteral("la pagina è troppo piccola per una riga di testo.");
  const int righePerPagina = static_cast<int>((altezza - metrica.height()) / riga) + 1;

  // Checked before anything is printed: a cut-off cell would be a wrong table.
  for (const auto& pagina : documento.pagine)
    for (const auto& linea : pagina.righe)
      for (const auto& pezzo : linea) {
        const QString t = testo(pezzo.testo).trimmed();
        if ((pezzo.colonna - 1) * colonna + metrica.horizontalAdvance(t) > larghezza)
          return QStringLiteral("il testo \"%1\" non entra nella larghezza della pagina.").arg(t);
      }

  QPainter pittore;
  if (!pittore.begin(&printer)) {
    if (!printer.outputFileName().isEmpty())
      return QStringLiteral("impossibile scrivere il file \"%1\".").arg(printer.outputFileName());
    if (!printer.printerName().isEmpty())
      return QStringLiteral("la stampante \"%1\" non risponde.").arg(printer.printerName());
    return QStringLiteral("nessuna stampante disponibile.");
  }
  pittore.setFont(font);

  bool prima = true;
  for (const auto& pagina : AdattaPagine(documento, righePerPagina).pagine) {
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
  // A job that failed at its end is already gone: there is nothing left to cancel.
  if (!pittore.end()) return QStringLiteral("la stampante non ha accettato il documento.");
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

void StampaPrimeRighe(const GrigliaTesto& Griglia, const QString& Titolo, QString Sottotitolo, int massimo,
                      QWidget* padre) {
  const int righe = static_cast<int>(Griglia.righe.size());
  StampaGrigliaTxt(Griglia, Titolo,
                   QString::fromStdString(SottotitoloPrimeRighe(Sottotitolo.toStdString(), righe, massimo)),
                   righe > massimo ? massimo : 0, padre);
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
