#include "stats/BaseCaso.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "app/Formato.h"
#include "app/NumeriLotto.h"

namespace ruotario {

namespace {

double Percento(double x, int casi) { return casi > 0 ? x / casi * 100.0 : 0.0; }

// Equal probabilities counted together, so the convolution stays short.
std::vector<GruppoProve> Raggruppa(const std::map<double, int>& conteggi) {
  std::vector<GruppoProve> gruppi;
  for (const auto& [p, n] : conteggi) gruppi.push_back({p, n});
  return gruppi;
}

}  // namespace

DistribuzioneCaso DistribuzioneSpia(std::span<const CasoOsservato> casi, bool sortiteUniche) {
  std::map<double, int> conteggi;
  for (const CasoOsservato& c : casi) {
    if (sortiteUniche) {
      double manca = 1.0;
      for (int m = 0; m <= 5; ++m) manca *= std::pow(1.0 - m / 90.0, c.Osservate[static_cast<std::size_t>(m)]);
      ++conteggi[1.0 - manca];
    } else {
      for (int m = 0; m <= 5; ++m) conteggi[m / 90.0] += c.Osservate[static_cast<std::size_t>(m)];
    }
  }
  const auto gruppi = Raggruppa(conteggi);
  return DistribuzioneCaso(gruppi);
}

BaseCasoSpia BaseCasoRicerca(const EsitoRicerca& esito, bool sortiteUniche) {
  BaseCasoSpia b;
  b.Casi = esito.CasiGiocabili;
  b.Distribuzione = DistribuzioneSpia(esito.Casi, sortiteUniche);
  const DistribuzioneCaso& d = b.Distribuzione;
  b.Atteso = d.Media();
  b.AttesoPercentuale = Percento(b.Atteso, b.Casi);
  b.MassimoMediano = d.QuantileMassimo(kConcorrenti, 0.5);
  b.Massimo95 = d.QuantileMassimo(kConcorrenti, 0.95);
  b.MassimoMedianoPercentuale = Percento(b.MassimoMediano, b.Casi);
  b.Massimo95Percentuale = Percento(b.Massimo95, b.Casi);
  for (int n = 1; n <= kNumeriLotto; ++n) {
    b.P[static_cast<std::size_t>(n)] = d.Coda(esito.Sortite[static_cast<std::size_t>(n)]);
    b.Migliore = std::max(b.Migliore, esito.Sortite[static_cast<std::size_t>(n)]);
  }
  b.PMigliore = d.CodaMassimo(kConcorrenti, b.Migliore);
  return b;
}

BaseCasoZevedive BaseCasoStudiZevedive(const EsitoZevedive& esito) {
  BaseCasoZevedive b;
  double atteso = 0.0;
  double mediano = 0.0;
  double alto = 0.0;
  for (const EsitoRicerca& studio : esito.Studi) {
    const BaseCasoSpia s = BaseCasoRicerca(studio, true);
    ++b.Studi;
    b.Casi += s.Casi;
    atteso += s.Atteso;
    mediano += s.MassimoMediano;
    alto += s.Massimo95;
  }
  b.AttesoPercentuale = Percento(atteso, b.Casi);
  b.MassimoMedianoPercentuale = Percento(mediano, b.Casi);
  b.Massimo95Percentuale = Percento(alto, b.Casi);
  return b;
}

int AmbateDistinte(const ParametriStatistica& p) {
  std::array<bool, 91> vista{};
  int k = 0;
  for (std::size_t j = 0; j < 3; ++j) {
    if (!p.Attiva[j]) continue;
    // The draw is compared with DueCifre(Fuori90(value)): reduce the same way.
    const int v = ValoreTesto(TestoAmbata(p.Ambata[j]));
    if (v < 1 || v > 90 || vista[static_cast<std::size_t>(v)]) continue;
    vista[static_cast<std::size_t>(v)] = true;
    ++k;
  }
  return k;
}

double ProbabilitaCasoPerso(int ambate, const std::array<int, 6>& osservabili) {
  double q = 1.0;
  for (int m = 0; m <= 5; ++m) q *= std::pow(ProbabilitaMancata(ambate, m), osservabili[static_cast<std::size_t>(m)]);
  return q;
}

std::vector<GruppoProve> GruppiVincite(int ambate, std::span<const CasoStatistica> casi) {
  std::map<double, int> conteggi;
  for (const CasoStatistica& caso : casi) ++conteggi[1.0 - ProbabilitaCasoPerso(ambate, caso.Osservabili)];
  return Raggruppa(conteggi);
}

BaseCasoKostanti BaseCasoStatistica(const ParametriStatistica& p, const EsitoStatistica& esito) {
  BaseCasoKostanti b;
  b.Ambate = AmbateDistinte(p);
  b.Casi = std::min<int>(esito.CasiConclusi, static_cast<int>(esito.Casi.size()));
  b.Vincenti = esito.CasiVincenti;
  const auto gruppi = GruppiVincite(b.Ambate, std::span(esito.Casi).first(static_cast<std::size_t>(b.Casi)));
  const DistribuzioneCaso d(gruppi);
  b.Atteso = d.Media();
  b.AttesoPercentuale = Percento(b.Atteso, b.Casi);
  b.P = d.Coda(b.Vincenti);
  return b;
}

std::string TestoBaseCasoSpia(const BaseCasoSpia& b, char separatore) {
  auto pc = [separatore](double x) { return FormattaNumero(x, "##0.0", separatore) + "%"; };
  return "Per puro caso: " + pc(b.AttesoPercentuale) + " per numero; il migliore dei 90 arriverebbe a " +
         pc(b.MassimoMedianoPercentuale) + " (95%: " + pc(b.Massimo95Percentuale) + ")";
}

std::string TestoBaseCasoZevedive(const BaseCasoZevedive& b, char separatore) {
  auto pc = [separatore](double x) { return FormattaNumero(x, "##0.0", separatore) + "%"; };
  return "Per puro caso, " +
         std::string(b.Studi == 1 ? "nell'unico studio" : "nei " + std::to_string(b.Studi) + " studi") + ": " +
         pc(b.AttesoPercentuale) + " per numero; il migliore dei 90 arriverebbe a " + pc(b.MassimoMedianoPercentuale) +
         " (95%: " + pc(b.Massimo95Percentuale) + ")";
}

std::string TestoBaseCasoKostanti(const BaseCasoKostanti& b, double osservata, char separatore) {
  auto pc = [separatore](double x) { return FormattaNumero(x, "##0.0", separatore) + "%"; };
  return "Per puro caso: " + pc(b.AttesoPercentuale) + " di casi vincenti con " + std::to_string(b.Ambate) +
         (b.Ambate == 1 ? " ambata; " : " ambate; ") + pc(osservata) + " o più capita nel " + pc(b.P * 100.0) +
         " degli studi";
}

}  // namespace ruotario
