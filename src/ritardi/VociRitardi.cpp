#include "ritardi/VociRitardi.h"

#include <algorithm>
#include <tuple>

#include "app/NumeriLotto.h"
#include "ritardi/ProbabilitaRitardo.h"

namespace ruotario {

namespace {

VoceRitardo voce(int ruota, int numero, int secondo, const Ritardo& r, int quanti) {
  const bool ambo = secondo != 0;
  return {ruota,
          numero,
          secondo,
          r,
          ProbabilitaRitardo(r.RitardoAttuale, ambo),
          AttesiPerCaso(r.RitardoAttuale, ambo, quanti)};
}

}  // namespace

std::vector<VoceRitardo> VociNumeri(const EsitoRitardi& esito) {
  const int quanti = 90 * static_cast<int>(esito.Ruote.size());
  std::vector<VoceRitardo> voci;
  voci.reserve(static_cast<std::size_t>(quanti));
  for (const RitardiRuota& r : esito.Ruote)
    for (int n = 1; n <= 90; ++n) voci.push_back(voce(r.Ruota, n, 0, r.Numeri[static_cast<std::size_t>(n)], quanti));
  return voci;
}

std::vector<VoceRitardo> VociAmbi(const EsitoRitardi& esito) {
  const int quanti = kAmbiPerRuota * static_cast<int>(esito.Ruote.size());
  std::vector<VoceRitardo> voci;
  voci.reserve(static_cast<std::size_t>(quanti));
  for (const RitardiRuota& r : esito.Ruote) {
    std::size_t i = 0;
    for (int a = 1; a < 90; ++a)
      for (int b = a + 1; b <= 90; ++b) voci.push_back(voce(r.Ruota, a, b, r.Ambi[i++], quanti));
  }
  return voci;
}

std::vector<VoceRitardo> PiuRitardatari(std::vector<VoceRitardo> voci, int quante) {
  // A total order (the list's own order is wheel, then number or pair), so a
  // partial sort of the few shown gives what a stable sort of all would.
  const auto prima = [](const VoceRitardo& x, const VoceRitardo& y) {
    if (x.Figure.RitardoAttuale != y.Figure.RitardoAttuale) return x.Figure.RitardoAttuale > y.Figure.RitardoAttuale;
    if (x.Figure.RitardoMassimo != y.Figure.RitardoMassimo) return x.Figure.RitardoMassimo > y.Figure.RitardoMassimo;
    return std::tie(x.Ruota, x.Numero, x.Secondo) < std::tie(y.Ruota, y.Numero, y.Secondo);
  };
  if (quante > 0 && static_cast<std::size_t>(quante) < voci.size()) {
    std::partial_sort(voci.begin(), voci.begin() + quante, voci.end(), prima);
    voci.resize(static_cast<std::size_t>(quante));
  } else {
    std::sort(voci.begin(), voci.end(), prima);
  }
  return voci;
}

std::string TestoVoce(const VoceRitardo& v) {
  std::string t = DueCifre(int{v.Numero});
  if (v.Secondo != 0) t += "-" + DueCifre(int{v.Secondo});
  return t;
}

std::string FormatoRitardi(bool ambi, bool conRuota) {
  std::string f = ambi ? "    Ambo    |" : "   Numero   |";
  if (conRuota) f += "   Ruota    |";
  return f + "  Frequenza  | Rit. Attuale | Rit. Massimo | Probabilità % |   Attesi   ";
}

RigheTabella RigheRitardi(std::span<const VoceRitardo> voci, bool conRuota, char separatore) {
  RigheTabella righe;
  righe.reserve(voci.size());
  for (const VoceRitardo& v : voci) {
    RigaTabella r;
    r.reserve(7);
    r.push_back(TestoVoce(v));
    if (conRuota) r.emplace_back(kNomiRuote[static_cast<std::size_t>(v.Ruota - 1)]);
    r.push_back(std::to_string(v.Figure.Frequenza));
    r.push_back(std::to_string(v.Figure.RitardoAttuale));
    r.push_back(std::to_string(v.Figure.RitardoMassimo));
    r.push_back(TestoCifre(100 * v.Probabilita, separatore));
    r.push_back(TestoCifre(v.Attesi, separatore));
    righe.push_back(std::move(r));
  }
  return righe;
}

}  // namespace ruotario
