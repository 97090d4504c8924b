#pragma once
// A chart as plain data: bars over a row of categories, lines through them,
// horizontal thresholds across the whole chart, marked points and the titles.
// A window hands it to the chart view of the printing module, which draws,
// prints and exports it; the data says what is drawn, the view only paints it.

#include <string>
#include <vector>

namespace ruotario {

// One value for every category, in category order.
struct SerieGrafico {
  std::string Nome;
  std::vector<double> Valori;
};

// A horizontal line across the chart at `Valore` (a threshold, a mean).
struct SogliaGrafico {
  std::string Nome;
  double Valore = 0;
};

// A point drawn over the bars with a mark of its own (a record, an event).
struct SegnoGrafico {
  std::string Nome;
  int Categoria = 0;  // index into Categorie
  double Valore = 0;
};

struct Grafico {
  std::string Titolo;
  std::string TitoloAsseX;
  std::string TitoloAsseY;
  std::vector<std::string> Categorie;  // the x axis, left to right
  std::vector<SerieGrafico> Barre;     // side by side at each category
  int BarraEvidenziata = -1;           // a category whose bars stand out; -1 none
  std::string NomeEvidenziata;         // what the highlighted bar means, for the legend
  std::vector<SerieGrafico> Linee;     // polylines through the categories
  std::vector<SogliaGrafico> Soglie;
  std::vector<SegnoGrafico> Segni;
};

// The highest value drawn (bars, lines, thresholds and marks); 0 when none.
double MassimoGrafico(const Grafico& g);
// The lowest value drawn, or 0 when none is below zero: the value axis starts
// at 0 unless something goes below it (a balance, a difference).
double MinimoGrafico(const Grafico& g);

// A round top for the value axis at or above `massimo`: 1, 2 or 5 times a
// power of ten, a little above it so the tallest bar does not touch the frame.
double FondoScala(double massimo);

// The categories whose label is written under the axis when at most
// `massimo` fit: all of them when few, else evenly spaced ones, always the
// first and the last.
std::vector<int> EtichetteMostrate(int categorie, int massimo);

}  // namespace ruotario
