#include "app/Formato.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace ruotario {

namespace {

// |v| as 15 significant decimal digits: value = 0.digits × 10^exponent.
struct Cifre {
  std::string digits;
  int exponent = 0;
};

Cifre cifreSignificative(double v) {
  Cifre c;
  if (v == 0.0) {
    c.digits = "0";
    return c;
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
  std::string s(buf);
  const auto e = s.find('e');
  c.digits = s.substr(0, 1) + s.substr(2, e - 2);
  c.exponent = std::stoi(s.substr(e + 1)) + 1;
  return c;
}

// Integer and fraction digits of |v| rounded half up to `decimali` places.
void arrotonda(double v, int decimali, std::string& intera, std::string& frazione) {
  Cifre c = cifreSignificative(v);
  // Digits as a plain decimal with `decimali` places: pad so the string covers them.
  std::string tutte;
  int puntoDopo;  // number of integer digits in `tutte`
  if (c.exponent <= 0) {
    tutte = std::string(static_cast<std::size_t>(-c.exponent), '0') + c.digits;
    puntoDopo = 0;
  } else {
    tutte = c.digits;
    if (static_cast<int>(tutte.size()) < c.exponent) tutte.append(c.exponent - tutte.size(), '0');
    puntoDopo = c.exponent;
  }
  const int tenere = puntoDopo + decimali;
  if (static_cast<int>(tutte.size()) < tenere) tutte.append(tenere - tutte.size(), '0');
  const bool suOltre = static_cast<int>(tutte.size()) > tenere && tutte[tenere] >= '5';
  tutte.resize(tenere);
  if (suOltre) {
    int i = tenere - 1;
    while (i >= 0 && tutte[i] == '9') tutte[i--] = '0';
    if (i >= 0) {
      ++tutte[i];
    } else {
      tutte.insert(tutte.begin(), '1');
      ++puntoDopo;
    }
  }
  intera = tutte.substr(0, puntoDopo);
  frazione = tutte.substr(puntoDopo);
  const auto nz = intera.find_first_not_of('0');
  intera = nz == std::string::npos ? std::string() : intera.substr(nz);
}

}  // namespace

std::string FormattaNumero(double v, std::string_view pattern, char separatore) {
  const auto punto = pattern.find('.');
  const std::string_view parteIntera = pattern.substr(0, punto);
  const std::string_view parteDecimale =
      punto == std::string_view::npos ? std::string_view() : pattern.substr(punto + 1);
  int minimeIntere = 0;
  for (char ch : parteIntera) minimeIntere += ch == '0';
  const int decimali = static_cast<int>(parteDecimale.size());
  int minimeDecimali = 0;
  for (char ch : parteDecimale) {
    if (ch != '0') break;
    ++minimeDecimali;
  }

  std::string intera, frazione;
  arrotonda(v, decimali, intera, frazione);
  while (static_cast<int>(frazione.size()) > minimeDecimali && frazione.back() == '0') frazione.pop_back();
  if (static_cast<int>(intera.size()) < minimeIntere) intera.insert(0, minimeIntere - intera.size(), '0');

  std::string testo;
  const bool zero =
      intera.find_first_not_of('0') == std::string::npos && frazione.find_first_not_of('0') == std::string::npos;
  if (v < 0 && !zero) testo += '-';
  testo += intera;
  if (punto != std::string_view::npos) testo += separatore;
  testo += frazione;
  return testo;
}

std::string TestoGenerale(double v, char separatore) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  std::string testo(buf);
  for (char& ch : testo) {
    if (ch == '.') ch = separatore;
  }
  return testo;
}

}  // namespace ruotario
