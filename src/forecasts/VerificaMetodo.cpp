#include "forecasts/VerificaMetodo.h"

#include <algorithm>
#include <array>

#include "forecasts/MetodiVerifica.h"
#include "forecasts/SaldaPrevisione.h"
#include "stats/ProbabilitaEstrazione.h"

namespace ruotario {

namespace {

constexpr std::array<std::string_view, 4> kNomi = {"ritardatario", "spia", "kostanti", "zevedive"};

// Settles a forecast made at record d on the `colpi` records after it (all
// inside the archive); its chance is taken on those draws as they were drawn,
// a wheel missing from a draw giving no chance there.
void salda(PrevisioneVerifica& f, const ArchivioEstrazioni& archivio, int ruota, int colpi) {
  std::array<bool, 91> giocati{};
  for (int n : f.Numeri) giocati[static_cast<std::size_t>(n)] = true;
  const int k = static_cast<int>(f.Numeri.size());
  double manca = 1.0;
  f.Colpo = colpi;
  f.RecordEsito = f.Record + colpi;
  for (int j = 1; j <= colpi; ++j) {
    const Estrazione& e = archivio[f.Record + j];
    std::array<bool, 91> visti{};
    int estratti = 0;
    for (int q = 1; q <= kNumeriPerRuota; ++q) {
      const int v = e.Valore(ruota, q);
      if (v < 1 || v > 90 || visti[static_cast<std::size_t>(v)]) continue;
      visti[static_cast<std::size_t>(v)] = true;
      ++estratti;
    }
    manca *= ProbabilitaMancata(k, estratti);
    if (!f.Vinta && NumeriPresi(e, ruota, giocati) > 0) {
      f.Vinta = true;
      f.Colpo = j;
      f.RecordEsito = f.Record + j;
    }
  }
  f.Probabilita = 1.0 - manca;
}

}  // namespace

std::string_view NomeMetodo(MetodoVerifica m) { return kNomi[static_cast<std::size_t>(m)]; }

std::optional<MetodoVerifica> MetodoDaNome(std::string_view nome) {
  for (std::size_t i = 0; i < kNomi.size(); ++i)
    if (kNomi[i] == nome) return static_cast<MetodoVerifica>(i);
  return std::nullopt;
}

EsitoVerifica VerificaMetodo(const ParametriVerifica& p, const ArchivioEstrazioni& archivio) {
  EsitoVerifica e;
  const int studioDa = std::max(p.StudioDa, 1);
  e.Inizio = std::max(p.Inizio, studioDa);
  // The last forecast is the last whose colpi all lie inside the archive.
  e.Fine = std::min(p.Fine, archivio.Conta() - std::max(p.Colpi, 1));
  if (p.Colpi < 1 || p.Ruota < 1 || p.Ruota > kNumeroRuote || e.Inizio > e.Fine) {
    e.Caso = RiepilogoDa({}, 0);
    return e;
  }
  ParametriVerifica q = p;
  q.StudioDa = studioDa;
  const auto metodo = CreaMetodo(q, archivio);
  int libero = e.Inizio;  // a forecast may be made from here on
  std::vector<double> probabilita;
  int vinte = 0;
  for (int i = studioDa; i <= e.Fine; ++i) {
    const bool serve = i >= libero;
    auto numeri = metodo->Passo(i, serve);
    if (!serve || !numeri) continue;
    PrevisioneVerifica f;
    f.Record = i;
    f.Numeri = std::move(*numeri);
    salda(f, archivio, p.Ruota, p.Colpi);
    libero = f.RecordEsito;
    probabilita.push_back(f.Probabilita);
    vinte += f.Vinta ? 1 : 0;
    e.Previsioni.push_back(std::move(f));
  }
  e.Caso = RiepilogoDa(probabilita, vinte);
  return e;
}

std::vector<PuntoCurva> CurvaCumulata(const EsitoVerifica& e) {
  std::vector<PuntoCurva> curva;
  curva.reserve(e.Previsioni.size());
  PuntoCurva punto;
  for (const PrevisioneVerifica& f : e.Previsioni) {
    punto.Record = f.Record;
    punto.Vinte += f.Vinta ? 1 : 0;
    punto.Attese += f.Probabilita;
    curva.push_back(punto);
  }
  return curva;
}

Grafico GraficoVerifica(const EsitoVerifica& e, const ArchivioEstrazioni& archivio, std::string_view titolo) {
  Grafico g;
  g.Titolo = titolo;
  g.TitoloAsseX = "Anno della previsione";
  g.TitoloAsseY = "Vincite cumulate";
  SerieGrafico vinte{"Vinte", {}};
  SerieGrafico attese{"Attese per puro caso", {}};
  for (const PuntoCurva& p : CurvaCumulata(e)) {
    // The year only: a whole date under the axis does not fit.
    const std::string_view data = archivio[p.Record].Data();
    g.Categorie.emplace_back(data.size() > 6 ? data.substr(6) : data);
    vinte.Valori.push_back(p.Vinte);
    attese.Valori.push_back(p.Attese);
  }
  g.Linee = {std::move(vinte), std::move(attese)};
  return g;
}

}  // namespace ruotario
