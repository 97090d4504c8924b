#include "app/GeometriaFinestra.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace ruotario {

namespace {
constexpr double kTwipsPerPollice = 1440.0;
}

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

int TwipsInPixel(double twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / kTwipsPerPollice)); }

double PixelInTwips(int pixel, double dpi) {
  if (dpi <= 0) return 0;
  return std::round(pixel * kTwipsPerPollice / dpi);
}

}  // namespace ruotario
