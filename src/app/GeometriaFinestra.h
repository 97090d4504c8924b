#pragma once
// The main window's position and size as kept in the user's settings: section
// "Settings", text values in twips (1/1440 inch).

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace ruotario {

inline constexpr const char* kSezioneImpostazioni = "Settings";

struct ChiaveGeometria {
  const char* chiave;
  double predefinito;
};

// In the order they are read and written: left, top, width, height.
inline constexpr std::array<ChiaveGeometria, 4> kChiaviGeometria{{
    {"MainLeft", 1000},
    {"MainTop", 1000},
    {"MainWidth", 6500},
    {"MainHeight", 6500},
}};

// The stored text as a number; `predefinito` when it is not a number.
double LeggiValoreImpostazione(std::string_view testo, double predefinito);

// A number as stored: decimal text, whole numbers without a fraction ("1000").
std::string TestoValoreImpostazione(double valore);

struct Rettangolo {
  int x = 0;
  int y = 0;
  int larghezza = 0;
  int altezza = 0;
  bool operator==(const Rettangolo&) const = default;
};

// A stored window position that no screen shows (a monitor since removed, a
// smaller desktop) is moved onto the first screen, shrunk to fit it if
// needed; a window whose title strip some screen shows stays where it is.
// No screens: unchanged.
Rettangolo RiportaSulloSchermo(Rettangolo finestra, std::span<const Rettangolo> schermi);

// The first opening, with no size stored: at least `larghezzaMinima` wide (the
// whole menu bar), yet within the screen, moved left as far as needed.
Rettangolo PrimaApertura(Rettangolo finestra, int larghezzaMinima, const Rettangolo& schermo);

int TwipsInPixel(double twips, double dpi);
double PixelInTwips(int pixel, double dpi);

}  // namespace ruotario
