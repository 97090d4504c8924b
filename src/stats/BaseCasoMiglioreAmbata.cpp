#include "stats/BaseCasoMiglioreAmbata.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <span>
#include <vector>

#include "app/Formato.h"

namespace ruotario {

namespace {

// Counts of the shared cases rarer than this are left out: they change no figure shown.
constexpr double kPesoTrascurabile = 1e-18;

// A win percentage as the fraction vincite / casi, compared exactly.
struct Frazione {
  long long Vincite = 0;
  long long Casi = 1;
  bool operator<(const Frazione& f) const { return Vincite * f.Casi < f.Vincite * Casi; }
};

// Every candidate's chance law of its wins, for each count of the shared cases
// that the fixed ambate win by themselves.
class LeggiCandidati {
 public:
  explicit LeggiCandidati(const EsitoMiglioreAmbata& r) {
    ParametriStatistica fisse = r.Parametri;
    fisse.Attiva[static_cast<std::size_t>(r.Varia)] = false;
    const int ambateFisse = AmbateDistinte(fisse);

    // The shared cases: the commonest kind of case among those every candidate
    // had (positions, and so draws, in common). The fixed ambate win or lose
    // such a case for all candidates at once; the other cases are taken as each
    // candidate's own.
    std::map<int, int> quanti;
    for (const CandidatoProvato& c : r.Provati)
      for (const CasoStatistica& k : concluse(c)) ++quanti[k.Posto];
    std::map<std::array<int, 6>, std::set<int>> perTipo;
    for (const CandidatoProvato& c : r.Provati)
      for (const CasoStatistica& k : concluse(c))
        if (quanti[k.Posto] == static_cast<int>(r.Provati.size())) perTipo[k.Osservabili].insert(k.Posto);
    std::set<int> condivisi;
    std::array<int, 6> tipo{};
    for (const auto& [t, posti] : perTipo)
      if (posti.size() > condivisi.size()) std::tie(tipo, condivisi) = std::tie(t, posti);
    const int n = static_cast<int>(condivisi.size());
    const double persaFisse = ProbabilitaCasoPerso(ambateFisse, tipo);

    // P(the fixed ambate win a of the n shared cases).
    const GruppoProve vinteFisse[] = {{1.0 - persaFisse, n}};
    const DistribuzioneCaso fisseVinte(vinteFisse);
    for (int a = 0; a <= n; ++a) pesi_.push_back(fisseVinte.Probabilita(a));

    for (const CandidatoProvato& c : r.Provati) {
      ParametriStatistica p = r.Parametri;
      p.Ambata[static_cast<std::size_t>(r.Varia)] = c.Numero;
      const int ambate = AmbateDistinte(p);
      std::vector<CasoStatistica> propri;
      for (const CasoStatistica& k : concluse(c))
        if (!condivisi.contains(k.Posto)) propri.push_back(k);
      // A shared case the fixed ambate lose is won by the candidate alone.
      const double soloCandidato = persaFisse > 0.0 ? 1.0 - ProbabilitaCasoPerso(ambate, tipo) / persaFisse : 0.0;
      const std::vector<GruppoProve> gruppiPropri = GruppiVincite(ambate, propri);
      std::vector<std::vector<double>> cumulate(static_cast<std::size_t>(n) + 1);
      for (int a = 0; a <= n; ++a) {
        if (pesi_[static_cast<std::size_t>(a)] < kPesoTrascurabile) continue;  // far in the tails: left out
        std::vector<GruppoProve> gruppi = gruppiPropri;
        gruppi.push_back({soloCandidato, n - a});
        const DistribuzioneCaso d(gruppi);
        std::vector<double> f(static_cast<std::size_t>(a + d.Massimo() + 1), 0.0);
        for (int w = a; w < static_cast<int>(f.size()); ++w) f[static_cast<std::size_t>(w)] = d.Cumulata(w - a);
        cumulate[static_cast<std::size_t>(a)] = std::move(f);
      }
      casi_.push_back(static_cast<int>(concluse(c).size()));
      cumulate_.push_back(std::move(cumulate));
    }
  }

  // P(every candidate's percentage <= x).
  double Cumulata(const Frazione& x) const {
    double totale = 0.0;
    for (std::size_t a = 0; a < pesi_.size(); ++a) {
      if (pesi_[a] < kPesoTrascurabile) continue;
      double prodotto = pesi_[a];
      for (std::size_t c = 0; c < casi_.size() && prodotto > 0.0; ++c) {
        if (casi_[c] == 0) continue;
        const auto& f = cumulate_[c][a];
        const auto w = static_cast<std::size_t>(x.Vincite * casi_[c] / x.Casi);
        prodotto *= w < f.size() ? f[w] : 1.0;
      }
      totale += prodotto;
    }
    return std::min(totale, 1.0);
  }

  int Casi(std::size_t c) const { return casi_[c]; }

 private:
  static std::span<const CasoStatistica> concluse(const CandidatoProvato& c) {
    const auto n =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(c.Figure.CasiConclusi, 0)), c.Figure.Casi.size());
    return std::span(c.Figure.Casi).first(n);
  }

  std::vector<double> pesi_;
  std::vector<int> casi_;
  std::vector<std::vector<std::vector<double>>> cumulate_;  // [candidate][a][wins]
};

// The smallest percentage some candidate can reach that the best stays within
// with probability q.
double QuantileMassimo(const LeggiCandidati& leggi, const std::vector<Frazione>& valori, double q) {
  const auto it =
      std::partition_point(valori.begin(), valori.end(), [&](const Frazione& x) { return leggi.Cumulata(x) < q; });
  if (it == valori.end()) return 100.0;
  return static_cast<double>(it->Vincite) / static_cast<double>(it->Casi) * 100.0;
}

}  // namespace

BaseCasoMiglioreAmbata BaseCasoRicercaAmbata(const EsitoMiglioreAmbata& r) {
  BaseCasoMiglioreAmbata b;
  b.Vincitore = BaseCasoStatistica(r.Parametri, r.Esito);
  b.Candidati = static_cast<int>(r.Provati.size());
  if (r.Provati.empty()) return b;

  const LeggiCandidati leggi(r);
  std::vector<Frazione> valori{{0, 1}};
  for (std::size_t c = 0; c < r.Provati.size(); ++c)
    for (int k = 1; k <= leggi.Casi(c); ++k) valori.push_back({k, leggi.Casi(c)});
  std::sort(valori.begin(), valori.end());
  b.MassimoMedianoPercentuale = QuantileMassimo(leggi, valori, 0.5);
  b.Massimo95Percentuale = QuantileMassimo(leggi, valori, 0.95);

  // P(some candidate reaches the winner's W / C): 1 - P(all stay below it).
  const long long vincite = r.Esito.CasiVincenti;
  const long long conclusi = r.Esito.CasiConclusi;
  if (vincite > 0 && conclusi > 0) {
    // Just below W / C: a candidate of C_c cases stays below it with at most ceil(W C_c / C) - 1 wins.
    auto sotto = valori.begin();
    for (auto it = valori.begin(); it != valori.end() && it->Vincite * conclusi < vincite * it->Casi; ++it) sotto = it;
    b.PMigliore = 1.0 - leggi.Cumulata(*sotto);
  }
  return b;
}

std::string TestoBaseCasoMiglioreAmbata(const BaseCasoMiglioreAmbata& b, double osservata, char separatore) {
  if (b.Candidati <= 1) return TestoBaseCasoKostanti(b.Vincitore, osservata, separatore);
  auto pc = [separatore](double x) { return FormattaNumero(x, "##0.0", separatore) + "%"; };
  return "Per puro caso: " + pc(b.Vincitore.AttesoPercentuale) + " di casi vincenti con " +
         std::to_string(b.Vincitore.Ambate) + (b.Vincitore.Ambate == 1 ? " ambata" : " ambate") + "; il migliore di " +
         std::to_string(b.Candidati) + " candidati arriverebbe a " + pc(b.MassimoMedianoPercentuale) +
         " (95%: " + pc(b.Massimo95Percentuale) + "); " + pc(osservata) + " o più capita nel " +
         pc(b.PMigliore * 100.0) + " delle ricerche";
}

}  // namespace ruotario
