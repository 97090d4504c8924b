#include "ritardi/ProbabilitaRitardo.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "stats/ProbabilitaEstrazione.h"

namespace ruotario {

double AssenzaPerEstrazione(TipoRitardo c, int posizione, int gruppo) {
  switch (c) {
    case TipoRitardo::Numero: return posizione > 0 ? 89.0 / 90.0 : kAssenzaNumero;
    case TipoRitardo::Ambo: return kAssenzaAmbo;
    case TipoRitardo::Terno: return kAssenzaTerno;
    case TipoRitardo::Gruppo:
      gruppo = std::clamp(gruppo, 0, 90);
      return posizione > 0 ? (90.0 - gruppo) / 90.0 : ProbabilitaMancata(gruppo, 5);
  }
  return 1;
}

double RitardoConProbabilita(double p, double assenza) {
  if (!(assenza > 0 && assenza < 1) || !(p > 0)) return 0;
  return std::log(p) / std::log(assenza);
}

std::string TestoCifre(double v, char separatore) {
  int decimali = 2;
  if (v > 0 && v < 1) decimali = std::clamp(2 - static_cast<int>(std::floor(std::log10(v))), 2, 15);
  // to_chars, unlike printf, ignores the C locale the window toolkit sets.
  char testo[400];
  const auto fine = std::to_chars(testo, testo + sizeof testo, v, std::chars_format::fixed, decimali).ptr;
  std::string s(testo, fine);
  std::replace(s.begin(), s.end(), '.', separatore);
  return s;
}

}  // namespace ruotario
