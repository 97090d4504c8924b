#include "spy/EventoSpia.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

using prova::Una;
using T = TipoSpia;
using C = Combinazione;

// One spy: a kind, its values, a place (0 any) or a pair of places ({} any), AND/OR/XOR.
ParametriRicerca Spia(T tipo, std::array<int, 3> valori, int posizione = 0, CoppiaPosizioni coppia = {},
                      C combina = C::And) {
  ParametriRicerca p;
  std::tie(p.Tipo, p.NumeriSpia, p.Posizione, p.Coppia, p.Combina) = std::tie(tipo, valori, posizione, coppia, combina);
  return p;
}

// Rows of {spy, Bari's five numbers, is it a case}.
void Verifica(const std::vector<std::tuple<ParametriRicerca, prova::Cinque, bool>>& casi) {
  for (const auto& [spia, bari, evento] : casi)
    EXPECT_EQ(EventoSpia(spia, Una(bari)), evento) << bari[0] << " " << bari[1];
}

TEST(EventoSpia, NumberComparesTheStoredTwoDigitText) {
  Verifica({{Spia(T::Numero, {5}), {1, 2, 5, 3, 4}, true},
            {Spia(T::Numero, {5}), {1, 2, 50, 3, 4}, false},
            {Spia(T::Numero, {5}, 2), {1, 2, 5, 3, 4}, false},
            {Spia(T::Numero, {5}, 5), {1, 2, 3, 4, 5}, true},  // the last place counts too
            {Spia(T::Numero, {5}, 5), {5, 1, 2, 3, 4}, false},
            {Spia(T::Numero, {5}), {1, 2, 3, 4, 5}, true},
            // A spy outside 1..90 never matches, not even a place stored "00".
            {Spia(T::Numero, {0}), {0, 2, 5, 3, 4}, false},
            {Spia(T::Numero, {95}), {1, 2, 5, 3, 4}, false}});
  // " 5" has the value 5 but not the stored form "05".
  Estrazione e = Una({1, 2, 5, 3, 4});
  e.Riga[15] = ' ';
  EXPECT_EQ(e.TestoNumero(1, 3), " 5");
  EXPECT_FALSE(EventoSpia(Spia(T::Numero, {5}), e));
  // Another wheel's 5 does not count.
  EXPECT_FALSE(EventoSpia(Spia(T::Numero, {5}), Una({1, 2, 5, 3, 4}, 2)));
}

TEST(EventoSpia, EveryKindOfSpy) {
  const prova::Cinque solo12 = {12, 20, 30, 40, 50}, entrambi = {34, 20, 12, 40, 50}, zero = {0, 10, 45, 70, 88};
  Verifica({{Spia(T::Ambo, {12, 34}, 0, {}, C::And), solo12, false},
            {Spia(T::Ambo, {12, 34, 20}, 0, {}, C::And), entrambi, true},  // third value unused
            {Spia(T::Ambo, {12, 34}, 0, {}, C::Or), solo12, true},
            {Spia(T::Ambo, {12, 34}, 0, {}, C::Xor), entrambi, false},
            {Spia(T::Terno, {12, 34, 20}, 0, {}, C::And), entrambi, true},
            {Spia(T::Terno, {12, 34, 56}, 0, {}, C::Xor), {56, 12, 30, 40, 50}, false},
            // 12 chosen twice: the place is counted once, so AND can never hold.
            {Spia(T::Ambo, {12, 12}, 0, {}, C::And), entrambi, false},
            {Spia(T::Ambo, {12, 12}, 0, {}, C::Xor), entrambi, true},
            {Spia(T::Cadenza, {0}), {1, 2, 3, 90, 4}, true},
            {Spia(T::Cadenza, {7}, 2), {1, 77, 3, 90, 4}, true},
            {Spia(T::Decina, {0}), {11, 22, 33, 44, 90}, true},
            {Spia(T::Figura, {9}), {12, 22, 33, 44, 90}, true},
            {Spia(T::Figura, {8}, 4), {12, 22, 33, 45, 89}, false},
            {Spia(T::Somma, {10}, 0, {1, 2}), {45, 55, 1, 2, 3}, true},  // 100 counts as 10
            {Spia(T::Somma, {90}, 0, {1, 2}), {40, 50, 1, 2, 3}, true},
            {Spia(T::Differenza, {70}, 0, {1, 3}), {10, 1, 80, 2, 3}, true},
            // Forward distance from the earlier place to the later one.
            {Spia(T::Distanza, {20}, 0, {1, 3}), {80, 5, 10, 33, 41}, true},
            {Spia(T::Distanza, {20}, 0, {1, 3}), {10, 5, 80, 33, 41}, false},
            {Spia(T::Ciclometrica, {40}, 0, {2, 4}), {1, 10, 2, 60, 3}, true},  // 90 - 50
            {Spia(T::Ciclometrica, {45}), {1, 2, 50, 3, 5}, true},
            // A place stored "00" never makes a case.
            {Spia(T::Somma, {10}, 0, {1, 2}), zero, false},
            {Spia(T::Ciclometrica, {2}, 0, {1, 5}), zero, false},
            {Spia(T::Ambo, {0, 10}, 0, {}, C::And), zero, false},
            {Spia(T::Differenza, {35}, 0, {2, 3}), zero, true}});
}

}  // namespace
}  // namespace ruotario
