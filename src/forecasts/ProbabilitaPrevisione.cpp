#include "forecasts/ProbabilitaPrevisione.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <vector>

#include "app/Formato.h"
#include "stats/DistribuzioneCaso.h"
#include "stats/ProbabilitaEstrazione.h"

namespace ruotario {

double ProbabilitaVincita(int sorte, int numeri, int ruote, int colpi) {
  const double q = ProbabilitaSorte(numeri, std::max(sorte, 1));
  if (q <= 0.0 || ruote <= 0 || colpi <= 0) return 0.0;
  // 1 - (1 - q)^n without losing small probabilities.
  return -std::expm1(static_cast<double>(ruote) * colpi * std::log1p(-q));
}

double ProbabilitaVincita(const Previsione& p) {
  return ProbabilitaVincita(p.Sorte, static_cast<int>(p.Numeri.size()), static_cast<int>(p.Ruote.size()), p.Colpi);
}

double CodaSommaBernoulli(std::span<const double> p, int k) {
  std::map<double, int> conteggi;
  for (double x : p) ++conteggi[std::clamp(x, 0.0, 1.0)];
  std::vector<GruppoProve> gruppi;
  for (const auto& [prob, quante] : conteggi) gruppi.push_back({prob, quante});
  return DistribuzioneCaso(gruppi).Coda(k);
}

RiepilogoCaso RiepilogoDa(std::span<const double> probabilita, int vinte) {
  RiepilogoCaso r;
  r.Previsioni = static_cast<int>(probabilita.size());
  r.Vinte = vinte;
  for (double p : probabilita) r.Attese += p;
  r.Coda = CodaSommaBernoulli(probabilita, vinte);
  return r;
}

RiepilogoCaso RiepilogoRegistro(std::span<const VocePrevisione> voci) {
  std::vector<double> p;
  int vinte = 0;
  for (const VocePrevisione& v : voci) {
    if (!v.Stato.Saldata()) continue;
    p.push_back(ProbabilitaVincita(v.Dati));
    if (v.Stato.Esito == EsitoPrevisione::Vinta) ++vinte;
  }
  return RiepilogoDa(p, vinte);
}

std::string TestoPercentuale(double p, char separatore) {
  // One decimal, more below 1% so that three significant digits show.
  const double v = 100.0 * p;
  int decimali = 1;
  if (v > 0 && v < 1) decimali = std::clamp(2 - static_cast<int>(std::floor(std::log10(v))), 1, 15);
  char testo[400];
  const auto fine = std::to_chars(testo, testo + sizeof testo, v, std::chars_format::fixed, decimali).ptr;
  std::string s(testo, fine);
  std::replace(s.begin(), s.end(), '.', separatore);
  return s + "%";
}

std::string TestoRiepilogoCaso(const RiepilogoCaso& r, char separatore) {
  if (r.Previsioni == 0) return "Nessuna previsione saldata.";
  std::string t = std::to_string(r.Previsioni) + (r.Previsioni == 1 ? " saldata, " : " saldate, ") +
                  std::to_string(r.Vinte) + (r.Vinte == 1 ? " vinta (" : " vinte (") +
                  FormattaNumero(r.Percentuale(), "##0.0", separatore) + "%); per puro caso " +
                  FormattaNumero(r.Attese, "##0.0", separatore) + " attese (" +
                  FormattaNumero(r.PercentualeAttesa(), "##0.0", separatore) + "%)";
  if (r.Vinte > 0)
    t += "; " + std::to_string(r.Vinte) + " o più vinte capitano per caso nel " + TestoPercentuale(r.Coda, separatore) +
         " dei casi";
  return t;
}

}  // namespace ruotario
