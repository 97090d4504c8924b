#include "app/GeometriaFinestra.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace ruotario {

namespace {
constexpr double kTwipsPerPollice = 1440.0;
// Enough of the title strip to take hold of the window with the mouse.
constexpr int kStrisciaTitolo = 30;
constexpr int kPresaMinima = 60;

int sovrapposizione(int a, int lunghezzaA, int b, int lunghezzaB) {
  return std::min(a + lunghezzaA, b + lunghezzaB) - std::max(a, b);
}
}  // namespace

double LeggiValoreImpostazione(std::string_view testo, double predefinito) {
  while (!testo.empty() && (testo.front() == ' ' || testo.front() == '\t')) testo.remove_prefix(1);
  while (!testo.empty() && (testo.back() == ' ' || testo.back() == '\t')) testo.remove_suffix(1);
  if (testo.empty()) return predefinito;
  double valore = 0;
  const char* fine = testo.data() + testo.size();
  const auto [ptr, ec] = std::from_chars(testo.data(), fine, valore);
  if (ec != std::errc{} || ptr != fine || !std::isfinite(valore)) return predefinito;
  return valore;
}

std::string TestoValoreImpostazione(double valore) {
  const float f = static_cast<float>(valore);  // stored as single precision
  char buf[48];
  if (std::nearbyint(f) == f)
    std::snprintf(buf, sizeof buf, "%.0f", static_cast<double>(f));
  else
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(f));
  return buf;
}

Rettangolo RiportaSulloSchermo(Rettangolo finestra, std::span<const Rettangolo> schermi) {
  if (schermi.empty()) return finestra;
  const int striscia = std::min(kStrisciaTitolo, std::max(finestra.altezza, 1));
  const int presa = std::min(kPresaMinima, std::max(finestra.larghezza, 1));
  for (const Rettangolo& s : schermi)
    if (sovrapposizione(finestra.x, finestra.larghezza, s.x, s.larghezza) >= presa &&
        sovrapposizione(finestra.y, striscia, s.y, s.altezza) >= striscia)
      return finestra;
  const Rettangolo& s = schermi.front();
  finestra.larghezza = std::min(finestra.larghezza, s.larghezza);
  finestra.altezza = std::min(finestra.altezza, s.altezza);
  finestra.x = std::clamp(finestra.x, s.x, s.x + s.larghezza - finestra.larghezza);
  finestra.y = std::clamp(finestra.y, s.y, s.y + s.altezza - finestra.altezza);
  return finestra;
}

Rettangolo PrimaApertura(Rettangolo finestra, int larghezzaMinima, const Rettangolo& schermo) {
  finestra.larghezza = std::min(std::max(finestra.larghezza, larghezzaMinima), schermo.larghezza);
  finestra.x = std::clamp(finestra.x, schermo.x, schermo.x + schermo.larghezza - finestra.larghezza);
  return finestra;
}

int TwipsInPixel(double twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / kTwipsPerPollice)); }

double PixelInTwips(int pixel, double dpi) {
  if (dpi <= 0) return 0;
  return std::round(pixel * kTwipsPerPollice / dpi);
}

}  // namespace ruotario
