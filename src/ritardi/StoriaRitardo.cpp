#include "ritardi/StoriaRitardo.h"

#include <algorithm>
#include <cmath>

#include "ritardi/SequenzaRitardi.h"

namespace ruotario {

StoriaRitardo CalcolaStoria(const ParametriRitardi& parametri, int ruota, int indice,
                            const ArchivioEstrazioni& archivio, std::span<const EstrazioneNazionale> nazionale) {
  const ParametriRitardi p = Delimita(parametri, archivio.Conta());
  StoriaRitardo storia;
  const SequenzaRitardi s = CostruisciSequenza(p, ruota, archivio, nazionale);
  int ultima = 0;
  for (int k = 1; k <= static_cast<int>(s.Passi.size()); ++k) {
    const PassoRitardi& passo = s.Passi[static_cast<std::size_t>(k - 1)];
    const auto primo = s.Elementi.begin() + passo.Primo;
    const auto oltre = s.Elementi.begin() + passo.Oltre;
    if (std::find(primo, oltre, indice) == oltre) continue;
    if (passo.NelPeriodo) storia.Intervalli.push_back({k - ultima - 1, passo.Data, false});
    ultima = k;
  }
  if (!s.Passi.empty()) {
    storia.Intervalli.push_back({static_cast<int>(s.Passi.size()) - ultima, s.Passi.back().Data, true});
    const double assenza = AssenzaPerEstrazione(p.Tipo, p.Posizione, static_cast<int>(p.Gruppo.size()));
    storia.Assenza = std::pow(assenza, s.Passi.back().Peso);
  }
  return storia;
}

Grafico GraficoStoria(const StoriaRitardo& storia, const std::string& titolo) {
  Grafico g;
  g.Titolo = titolo;
  g.TitoloAsseX = "Data dell'uscita che chiude il ritardo";
  g.TitoloAsseY = "Ritardo (estrazioni)";
  SerieGrafico barre{"Ritardo fra due uscite", {}};
  int record = -1;
  for (std::size_t i = 0; i < storia.Intervalli.size(); ++i) {
    const IntervalloRitardo& r = storia.Intervalli[i];
    g.Categorie.push_back(TestoDataNumerica(r.Data));
    barre.Valori.push_back(r.Ritardo);
    if (record < 0 || r.Ritardo >= storia.Intervalli[static_cast<std::size_t>(record)].Ritardo)
      record = static_cast<int>(i);
  }
  if (record < 0) return g;
  g.Barre.push_back(std::move(barre));
  g.BarraEvidenziata = static_cast<int>(storia.Intervalli.size()) - 1;
  g.NomeEvidenziata = "Ritardo in corso";
  const double soglia = RitardoConProbabilita(0.01, storia.Assenza);
  if (soglia > 0) {
    const int arrotondata = static_cast<int>(std::ceil(soglia));
    g.Soglie.push_back({"Probabilità 1% (ritardo " + std::to_string(arrotondata) + ")", soglia});
  }
  g.Segni.push_back(
      {"Record", record, static_cast<double>(storia.Intervalli[static_cast<std::size_t>(record)].Ritardo)});
  return g;
}

}  // namespace ruotario
