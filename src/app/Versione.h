#pragma once
// The program's version, one constant shared with the build (RUOTARIO_VERSION).

#include <string>
#include <string_view>

namespace ruotario {

inline constexpr std::string_view kVersione = RUOTARIO_VERSION;

// "Versione 1.0.0": the label of the splash and about windows.
inline std::string EtichettaVersione() { return "Versione " + std::string(kVersione); }

}  // namespace ruotario
