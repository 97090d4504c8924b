#pragma once
// The numbers, pairs (ambi) and triples (terni) of a wheel as positions in
// one list each, in the order a player reads them: 01, 02, ...; 01-02, 01-03,
// ... 89-90; 01-02-03, 01-02-04, ... 88-89-90.

#include <array>
#include <utility>

namespace ruotario {

inline constexpr int kAmbiPerRuota = 4005;     // 90 * 89 / 2
inline constexpr int kTerniPerRuota = 117480;  // 90 * 89 * 88 / 6

// Position of the pair a < b (both 1..90) among the 4005.
int IndiceAmbo(int a, int b);
std::pair<int, int> AmboDaIndice(int indice);

// Position of the triple a < b < c (all 1..90) among the 117,480.
int IndiceTerno(int a, int b, int c);
std::array<int, 3> TernoDaIndice(int indice);

}  // namespace ruotario
