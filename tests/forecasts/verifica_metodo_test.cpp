// The replay against the studies themselves: at every draw D where it makes a
// forecast, the numbers are what the study gives on the archive cut at D, the
// forecasts follow one another without overlap, and cutting the archive later
// never changes a forecast already made.

#include <gtest/gtest.h>

#include <cmath>

#include "archive/ArchivioEsempio.h"
#include "forecasts/VerificaMetodo.h"
#include "ritardi/Ritardi.h"
#include "spy/RicercaSpia.h"
#include "spy/Zevedive.h"

using namespace ruotario;

namespace {

ArchivioEstrazioni taglia(const ArchivioEstrazioni& a, int d) {
  std::string testo;
  for (int i = 1; i <= d; ++i) testo += std::string(a[i].Riga.vista()) + "\r\n";
  return ArchivioEstrazioni::DaTesto(testo);
}

// What the study gives on the archive cut at d: the forecast, or none when it
// makes none there (no case opens at d, or it has counted nothing).
std::optional<std::vector<int>> studio(const ParametriVerifica& p, const ArchivioEstrazioni& archivio, int d) {
  const ArchivioEstrazioni cut = taglia(archivio, d);
  switch (p.Metodo) {
    case MetodoVerifica::Ritardatario: {
      const RitardiRuota r = CalcolaRitardi({p.Ruota, p.StudioDa, d}, cut).Ruote[0];
      int n = 1;
      for (int m = 2; m <= 90; ++m)
        if (r.Numeri[m].RitardoAttuale > r.Numeri[n].RitardoAttuale) n = m;
      return r.Estrazioni ? std::optional(std::vector<int>{n}) : std::nullopt;
    }
    case MetodoVerifica::Spia: {
      ParametriRicerca s = p.Spia;
      s.Ruota = p.Ruota;
      s.Colpi = p.Colpi;
      s.Inizio = p.StudioDa;
      s.Fine = d;
      const EsitoRicerca e = RicercaSpia(s, cut);
      const int n = OrdinePerSortite(e)[0];
      if (e.Casi.empty() || e.Casi.back().Record != d || e.Sortite[n] == 0) return std::nullopt;
      return std::vector<int>{n};
    }
    case MetodoVerifica::Kostanti: {
      ParametriStatistica s = p.Kostanti;
      s.Ruota = p.Ruota;
      s.Colpi = p.Colpi;
      s.Inizio = p.StudioDa;
      s.Fine = d;
      const EsitoStatistica e = CalcolaStatistica(s, cut);
      if (!e.InGioco || e.Colpo != 0) return std::nullopt;
      return std::vector<int>{2, 20};
    }
    case MetodoVerifica::Zevedive: {
      ParametriZevedive z;
      z.Ruota = p.Ruota;
      z.EstrazioneSpia = d;
      z.Colpi = p.Colpi;
      z.SoloTop = p.SoloTop;
      z.Top = p.Top;
      SommeZevedive somme;
      const VoceSomma v = Zevedive(z, cut, somme).MiglioriSomme[0];
      if (v.SommaSortite.value_or(0) == 0) return std::nullopt;
      return std::vector<int>{v.Numero};
    }
  }
  return std::nullopt;
}

class Verifica : public testing::TestWithParam<MetodoVerifica> {};

// Walks the draws as the replay must: from Inizio, each forecast at the first
// draw the study makes one, not before the previous one was settled.
void confronta(const ParametriVerifica& p, const ArchivioEstrazioni& archivio) {
  const EsitoVerifica e = VerificaMetodo(p, archivio);
  ASSERT_GT(e.Previsioni.size(), 3u);
  int libero = p.Inizio;
  std::size_t i = 0;
  for (int d = p.Inizio; d + p.Colpi <= archivio.Conta(); ++d) {
    if (d < libero) continue;
    const auto atteso = studio(p, archivio, d);
    if (!atteso) continue;
    ASSERT_LT(i, e.Previsioni.size()) << "missing forecast at " << d;
    const PrevisioneVerifica& f = e.Previsioni[i++];
    ASSERT_EQ(f.Record, d);
    EXPECT_EQ(f.Numeri, *atteso) << "at " << d;
    libero = f.RecordEsito;
    EXPECT_GT(f.RecordEsito, d);
    EXPECT_EQ(f.RecordEsito, d + f.Colpo);
  }
  EXPECT_EQ(i, e.Previsioni.size());
}

TEST_P(Verifica, EveryForecastIsTheStudyOnTheArchiveCutThere) {
  const auto archivio = ArchivioEstrazioni::DaTesto(GeneraArchivioEsempio({160, 7}));
  ParametriVerifica p;
  p.Metodo = GetParam();
  p.Ruota = 3;
  p.Colpi = p.Metodo == MetodoVerifica::Zevedive ? 2 : 4;
  p.Spia.NumeriSpia = {12, 0, 0};
  p.Kostanti.NumeroSpia = 12;
  p.Inizio = 20;
  p.Top = 4;
  confronta(p, archivio);
  if (p.Metodo != MetodoVerifica::Zevedive) return;
  p.SoloTop = false;  // every successor of every study, not only the first few
  confronta(p, archivio);
}

TEST_P(Verifica, CuttingTheArchiveLaterChangesNoForecastMadeBefore) {
  const auto archivio = ArchivioEstrazioni::DaTesto(GeneraArchivioEsempio({400, 11}));
  ParametriVerifica p;
  p.Metodo = GetParam();
  p.Colpi = 3;
  p.StudioDa = 5;
  const EsitoVerifica intero = VerificaMetodo(p, archivio);
  for (int cut : {120, 250, 399}) {
    const EsitoVerifica parte = VerificaMetodo(p, taglia(archivio, cut));
    std::size_t n = 0;
    while (n < intero.Previsioni.size() && intero.Previsioni[n].Record + p.Colpi <= cut) ++n;
    ASSERT_EQ(parte.Previsioni.size(), n) << "cut at " << cut;
    for (std::size_t i = 0; i < n; ++i) {
      EXPECT_EQ(parte.Previsioni[i].Record, intero.Previsioni[i].Record);
      EXPECT_EQ(parte.Previsioni[i].Numeri, intero.Previsioni[i].Numeri);
      EXPECT_EQ(parte.Previsioni[i].Colpo, intero.Previsioni[i].Colpo);
      EXPECT_DOUBLE_EQ(parte.Previsioni[i].Probabilita, intero.Previsioni[i].Probabilita);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Metodi, Verifica,
                         testing::Values(MetodoVerifica::Ritardatario, MetodoVerifica::Spia, MetodoVerifica::Kostanti,
                                         MetodoVerifica::Zevedive),
                         [](const auto& info) { return std::string(NomeMetodo(info.param)); });

TEST(VerificaMetodo, SummaryAddsTheChancesOfTheForecasts) {
  const auto archivio = ArchivioEstrazioni::DaTesto(GeneraArchivioEsempio({300, 3}));
  ParametriVerifica p;
  p.Metodo = MetodoVerifica::Ritardatario;
  p.Colpi = 5;
  const EsitoVerifica e = VerificaMetodo(p, archivio);
  int vinte = 0;
  for (const auto& f : e.Previsioni) {
    vinte += f.Vinta;
    // Every wheel of the sample holds five numbers: 1 - (17/18)^5 each.
    EXPECT_NEAR(f.Probabilita, 1 - std::pow(17.0 / 18.0, 5), 1e-12);
  }
  EXPECT_EQ(e.Caso.Vinte, vinte);
  EXPECT_NEAR(e.Caso.Attese, e.Previsioni.size() * (1 - std::pow(17.0 / 18.0, 5)), 1e-9);
  EXPECT_EQ(CurvaCumulata(e).back().Vinte, vinte);
}

}  // namespace
