#pragma once
// The one chart view of the program: draws a Grafico with Qt Charts, prints it
// on the printer chosen with the main window's printer set-up, and exports it
// as a PNG or SVG image. Every window that shows a chart uses it.

#include <QByteArray>
#include <QChartView>
#include <QSize>
#include <QString>

#include "print/Grafico.h"

class QChart;
class QPrinter;

namespace ruotario {

// A new chart drawing `g` (the caller owns it): one bar set per bar series,
// the highlighted category selected in every set, a line series per line and
// per threshold, a scatter series per mark with its value written beside it.
QChart* CreaGrafico(const Grafico& g);

// `g` drawn at `dimensione` (logical pixels) as PNG bytes, or as an SVG document.
QByteArray GraficoPng(const Grafico& g, QSize dimensione);
QByteArray GraficoSvg(const Grafico& g, QSize dimensione);

// Prints `g` across the width of one page. Empty text on success, else the
// error description (no printer, a job that could not start or finish).
QString StampaGraficoSu(QPrinter& printer, const Grafico& g);

// The size the exports are drawn at.
inline constexpr QSize kDimensioneEsportazione{1400, 800};

class VistaGrafico : public QChartView {
  Q_OBJECT

 public:
  explicit VistaGrafico(QWidget* parent = nullptr);

  // Replaces the chart shown.
  void Mostra(const Grafico& g);
  const Grafico& Descrizione() const { return grafico_; }

  // Asks "Vuoi Stampare il Grafico?" and on Yes prints it; a failure is shown.
  void Stampa();
  // Asks for a file name and writes the chart there: SVG for a name ending in
  // ".svg", PNG otherwise (".png" is added to a name without an extension).
  void Esporta();

 private:
  Grafico grafico_;
};

}  // namespace ruotario
