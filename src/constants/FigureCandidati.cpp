#include "constants/FigureCandidati.h"

#include <algorithm>
#include <limits>

namespace ruotario {

namespace {

// The candidate whose ambata text a place holds, 0 for none.
int candidatoDelCodice(int codice, const std::array<int, 91>& codiceCandidato) {
  if (codice < 0) return 0;
  const int decine = codice / 256 - '0';
  const int unita = codice % 256 - '0';
  if (decine < 0 || decine > 9 || unita < 0 || unita > 9) return 0;
  const int n = decine * 10 + unita;
  return n >= 1 && n <= 90 && codiceCandidato[static_cast<std::size_t>(n)] == codice ? n : 0;
}

}  // namespace

std::array<FigureCandidato, 91> FigureCandidati(const ParametriStatistica& p, int indice, const VistaRuota& vista) {
  const auto& draws = vista.Estrazioni;
  const int n = static_cast<int>(draws.size());
  const int watched = std::max(p.Colpi, 0);  // a case closes unwon at the draw after these
  const bool variedActive = p.Attiva[static_cast<std::size_t>(indice)];

  std::array<int, 91> codiceCandidato{};
  for (int c = 1; c <= 90; ++c) codiceCandidato[static_cast<std::size_t>(c)] = CodiceTesto(TestoAmbata(c));
  std::array<int, 2> fixedCodes{};
  int fixedCount = 0;
  for (int j = 0; j < 3; ++j) {
    if (j != indice && p.Attiva[static_cast<std::size_t>(j)])
      fixedCodes[static_cast<std::size_t>(fixedCount++)] =
          CodiceTesto(TestoAmbata(p.Ambata[static_cast<std::size_t>(j)]));
  }

  // Each candidate's own run of cases: the first draw at which it is free to
  // open one, and whether its last case is still open at the end of the span.
  constexpr int kMai = std::numeric_limits<int>::max();
  std::array<int, 91> freeFrom{};
  std::array<bool, 91> open{};
  std::array<int, 91> wins{}, cases{};
  std::array<long long, 91> colpiSum{};
  std::array<std::vector<CasoStatistica>, 91> casi;
  int earliestFree = 0;

  std::array<int, 91> firstOut{};  // colpo of each number's first appearance in the current case, 0 none
  for (int s = 0; s < n && earliestFree < kMai; ++s) {
    if (s < earliestFree) continue;
    const PostoVista& spyDraw = draws[static_cast<std::size_t>(s)];
    bool opens = false;
    for (int k = 1; k <= 5 && !opens; ++k)
      opens = spyDraw.Valori[static_cast<std::size_t>(k - 1)] == p.NumeroSpia && (p.Posizione < 1 || p.Posizione == k);
    if (!opens) continue;

    firstOut.fill(0);
    int fixedHit = 0;
    const int last = std::min(s + watched, n - 1);
    for (int d = s + 1; d <= last; ++d) {
      const int colpo = d - s;
      for (const int code : draws[static_cast<std::size_t>(d)].Codici) {
        const int c = candidatoDelCodice(code, codiceCandidato);
        if (c != 0 && firstOut[static_cast<std::size_t>(c)] == 0) firstOut[static_cast<std::size_t>(c)] = colpo;
        for (int j = 0; j < fixedCount && fixedHit == 0; ++j)
          if (code == fixedCodes[static_cast<std::size_t>(j)]) fixedHit = colpo;
      }
    }

    // The draws the case can watch, win or not, by how many numbers each holds.
    CasoStatistica caso{s, {}};
    for (int d = s + 1; d <= last; ++d) {
      int presenti = 0;
      for (const int v : draws[static_cast<std::size_t>(d)].Valori) presenti += v >= 1 && v <= 90 ? 1 : 0;
      ++caso.Osservabili[static_cast<std::size_t>(presenti)];
    }

    earliestFree = kMai;
    for (std::size_t c = 1; c <= 90; ++c) {
      if (freeFrom[c] <= s) {
        ++cases[c];
        casi[c].push_back(caso);
        int hit = fixedHit;
        if (variedActive && firstOut[c] != 0 && (hit == 0 || firstOut[c] < hit)) hit = firstOut[c];
        if (hit != 0) {
          ++wins[c];
          colpiSum[c] += hit;
          freeFrom[c] = s + hit + 1;  // the winning draw closes the case
        } else if (s + watched + 1 <= n - 1) {
          freeFrom[c] = s + watched + 2;  // the draw after the last colpo closes it
        } else {
          freeFrom[c] = kMai;
          open[c] = true;
        }
      }
      earliestFree = std::min(earliestFree, freeFrom[c]);
    }
  }

  std::array<FigureCandidato, 91> figure{};
  for (std::size_t c = 1; c <= 90; ++c) {
    FigureCandidato& f = figure[c];
    f.CasiGiocabili = cases[c];
    f.CasiVincenti = wins[c];
    // As the statistic counts them: the case still open is not concluded, and
    // neither is anything when no case opened.
    f.CasiConclusi = std::max(cases[c] - (open[c] || cases[c] == 0 ? 1 : 0), 0);
    f.PercentualeVincita = f.CasiConclusi > 0 ? static_cast<double>(f.CasiVincenti) / f.CasiConclusi * 100 : 0.0;
    f.MediaColpi = f.CasiVincenti > 0 ? static_cast<double>(colpiSum[c]) / f.CasiVincenti : 0.0;
    f.Casi = std::move(casi[c]);
  }
  return figure;
}

}  // namespace ruotario
