#include "print/Grafico.h"

#include <algorithm>
#include <cmath>

namespace ruotario {

double MassimoGrafico(const Grafico& g) {
  double m = 0;
  for (const auto* serie : {&g.Barre, &g.Linee})
    for (const SerieGrafico& s : *serie)
      for (double v : s.Valori) m = std::max(m, v);
  for (const SogliaGrafico& s : g.Soglie) m = std::max(m, s.Valore);
  for (const SegnoGrafico& s : g.Segni) m = std::max(m, s.Valore);
  return m;
}

double MinimoGrafico(const Grafico& g) {
  double m = 0;
  for (const auto* serie : {&g.Barre, &g.Linee})
    for (const SerieGrafico& s : *serie)
      for (double v : s.Valori) m = std::min(m, v);
  for (const SogliaGrafico& s : g.Soglie) m = std::min(m, s.Valore);
  for (const SegnoGrafico& s : g.Segni) m = std::min(m, s.Valore);
  return m;
}

double FondoScala(double massimo) {
  if (!(massimo > 0)) return 1;
  const double desiderato = massimo * 1.05;
  const double potenza = std::pow(10.0, std::floor(std::log10(desiderato)));
  for (double passo : {1.0, 2.0, 5.0, 10.0})
    if (passo * potenza >= desiderato) return passo * potenza;
  return 10 * potenza;
}

std::vector<int> EtichetteMostrate(int categorie, int massimo) {
  std::vector<int> indici;
  if (categorie <= 0) return indici;
  if (massimo < 2) massimo = 2;
  if (categorie <= massimo) {
    for (int i = 0; i < categorie; ++i) indici.push_back(i);
    return indici;
  }
  // Evenly spaced from the first to the last; integer steps never repeat an index.
  for (int j = 0; j < massimo; ++j)
    indici.push_back(static_cast<int>(std::lround(static_cast<double>(j) * (categorie - 1) / (massimo - 1))));
  return indici;
}

}  // namespace ruotario
