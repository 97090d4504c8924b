#include "print/ui/StampaGriglia.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTableWidget>
#include <algorithm>

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

const QString kNessunaStampante = QStringLiteral(
    "nessuna stampante disponibile. Scegliere una stampante, o la stampa su file PDF, nel menu ? > Impostazioni "
    "Stampante.");

// A printer of its own for every job, set up as the user's: a job that fails
// leaves the user's printer as it was (a printer once begun stays busy, and the
// set-up dialog could no longer change it).
void CopiaImpostazioni(const QPrinter& da, QPrinter& a) {
  if (da.outputFormat() == QPrinter::PdfFormat) {
    a.setOutputFormat(QPrinter::PdfFormat);
  } else {
    a.setOutputFormat(QPrinter::NativeFormat);
    a.setPrinterName(da.printerName());
  }
  a.setOutputFileName(da.outputFileName());
  a.setPageLayout(da.pageLayout());
  a.setCopyCount(da.copyCount());
  a.setCollateCopies(da.collateCopies());
  a.setColorMode(da.colorMode());
  a.setDuplex(da.duplex());
  a.setPageOrder(da.pageOrder());
  a.setFullPage(da.fullPage());
  a.setDocName(da.docName());
  a.setCreator(da.creator());
}

// The width the widest line takes, in the printer's units.
qreal larghezzaMassima(const DocumentoStampa& documento, const QFontMetricsF& metrica) {
  const qreal colonna = metrica.averageCharWidth();
  qreal massimo = 0;
  for (const auto& pagina : documento.pagine)
    for (const auto& linea : pagina.righe)
      for (const auto& pezzo : linea)
        massimo =
            std::max(massimo, (pezzo.colonna - 1) * colonna + metrica.horizontalAdvance(testo(pezzo.testo).trimmed()));
  return massimo;
}

}  // namespace

QString StampaDocumento(const QPrinter& impostata, const DocumentoStampa& documento) {
  if (!impostata.isValid()) return kNessunaStampante;
  QPrinter printer(QPrinter::HighResolution);
  CopiaImpostazioni(impostata, printer);
  // The printer's own font metrics and printable area: the layout's lines and
  // columns are placed and counted on the paper actually chosen.
  const QFont font = fontStampa();
  const QFontMetricsF metrica(font, &printer);
  const qreal colonna = metrica.averageCharWidth();
  const qreal riga = metrica.lineSpacing();
  // A table too wide for a portrait page goes on its side when it fits there.
  const qreal necessaria = larghezzaMassima(documento, metrica);
  if (necessaria > printer.width() && printer.pageLayout().orientation() == QPageLayout::Portrait) {
    printer.setPageOrientation(QPageLayout::Landscape);
    if (necessaria > printer.width()) printer.setPageOrientation(QPageLayout::Portrait);
  }
  const qreal larghezza = printer.width();
  const qreal altezza = printer.height();
  if (altezza < metrica.height()) return QStringLiteral("la pagina è troppo piccola per una riga di testo.");
  const int righePerPagina = static_cast<int>((altezza - metrica.height()) / riga) + 1;

  // Checked before anything is printed: a cut-off cell would be a wrong table.
  if (necessaria > larghezza)
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
    return kNessunaStampante;
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
  if (righe <= massimo) {
    StampaGrigliaTxt(Griglia, Titolo, Sottotitolo, 0, padre);
    return;
  }
  // Cut here: the row limit of the table printing stops at 90.
  GrigliaTesto prime{Griglia.intestazioni, {}};
  prime.righe.assign(Griglia.righe.begin(), Griglia.righe.begin() + std::max(massimo, 0));
  StampaGrigliaTxt(prime, Titolo,
                   QString::fromStdString(SottotitoloPrimeRighe(Sottotitolo.toStdString(), righe, massimo)), 0, padre);
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
