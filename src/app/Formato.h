#pragma once
// Number texts as the result tables and reports show them. The decimal
// separator is a parameter: windows pass the user's locale, the command line ".".

#include <string>
#include <string_view>

namespace ruotario {

// Formats v with a pattern of the form "##0.000", "##0.00" or "##.##":
// a '0' is a digit always shown, a '#' one shown only when significant.
// Rounds half away from zero on the 15-significant-digit value.
std::string FormattaNumero(double v, std::string_view pattern, char separatore = '.');

// The general number-to-text conversion: up to 15 significant digits, no
// trailing zeros, no leading blank ("33.3333333333333", "100", "0.5").
std::string TestoGenerale(double v, char separatore = '.');

}  // namespace ruotario
