#include "spy/EventoSpia.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

using prova::Una;

ParametriRicerca Spia(TipoSpia tipo, int valore, int posizione = 0) {
  ParametriRicerca p;
  p.Tipo = tipo;
  p.NumeriSpia = {valore, 0, 0};
  p.Posizione = posizione;
  return p;
}

ParametriRicerca Coppia(TipoSpia tipo, int valore, CoppiaPosizioni coppia = {}) {
  ParametriRicerca p = Spia(tipo, valore);
  p.Coppia = coppia;
  return p;
}

ParametriRicerca Numeri(TipoSpia tipo, std::array<int, 3> numeri, Combinazione c) {
  ParametriRicerca p;
  p.Tipo = tipo;
  p.NumeriSpia = numeri;
  p.Combina = c;
  return p;
}

TEST(EventoSpiaNumero, ComparesTheStoredTwoDigitText) {
  EXPECT_TRUE(EventoSpia(Spia(TipoSpia::Numero, 5), Una({1, 2, 5, 3, 4})));
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Numero, 5), Una({1, 2, 50, 3, 4})));
  EXPECT_TRUE(EventoSpia(Spia(TipoSpia::Numero, 5, 3), Una({1, 2, 5, 3, 4})));
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Numero, 5, 2), Una({1, 2, 5, 3, 4})));
  // " 5" has the value 5 but not the stored form "05".
  Estrazione e = Una({1, 2, 5, 3, 4});
  e.Riga[15] = ' ';
  EXPECT_EQ(e.TestoNumero(1, 3), " 5");
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Numero, 5), e));
  // Another wheel's 5 does not count.
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Numero, 5), Una({1, 2, 5, 3, 4}, 2)));
  // A spy outside 1..90 never matches, not even a place stored "00".
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Numero, 0), Una({0, 2, 5, 3, 4})));
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Numero, 95), Una({1, 2, 5, 3, 4})));
}

TEST(EventoSpiaNumeri, AndOrXorOverTwoNumbers) {
  const Estrazione solo12 = Una({12, 20, 30, 40, 50});
  const Estrazione entrambi = Una({34, 20, 12, 40, 50});
  const Estrazione nessuno = Una({13, 20, 30, 40, 50});
  const std::array<int, 3> spie = {12, 34, 0};
  EXPECT_FALSE(EventoSpia(Numeri(TipoSpia::Ambo, spie, Combinazione::And), solo12));
  EXPECT_TRUE(EventoSpia(Numeri(TipoSpia::Ambo, spie, Combinazione::And), entrambi));
  EXPECT_TRUE(EventoSpia(Numeri(TipoSpia::Ambo, spie, Combinazione::Or), solo12));
  EXPECT_TRUE(EventoSpia(Numeri(TipoSpia::Ambo, spie, Combinazione::Or), entrambi));
  EXPECT_FALSE(EventoSpia(Numeri(TipoSpia::Ambo, spie, Combinazione::Or), nessuno));
  EXPECT_TRUE(EventoSpia(Numeri(TipoSpia::Ambo, spie, Combinazione::Xor), solo12));
  EXPECT_FALSE(EventoSpia(Numeri(TipoSpia::Ambo, spie, Combinazione::Xor), entrambi));
  // The third value is not used by the two-number kind.
  EXPECT_TRUE(EventoSpia(Numeri(TipoSpia::Ambo, {12, 34, 20}, Combinazione::And), entrambi));
}

TEST(EventoSpiaNumeri, ThreeNumbersAndTheSameNumberTwice) {
  const std::array<int, 3> spie = {12, 34, 56};
  const Estrazione tutti = Una({56, 12, 30, 34, 50});
  const Estrazione due = Una({56, 12, 30, 40, 50});
  EXPECT_TRUE(EventoSpia(Numeri(TipoSpia::Terno, spie, Combinazione::And), tutti));
  EXPECT_FALSE(EventoSpia(Numeri(TipoSpia::Terno, spie, Combinazione::And), due));
  EXPECT_TRUE(EventoSpia(Numeri(TipoSpia::Terno, spie, Combinazione::Or), due));
  EXPECT_FALSE(EventoSpia(Numeri(TipoSpia::Terno, spie, Combinazione::Xor), due));
  // 12 chosen twice: the place is counted once, so AND can never hold.
  EXPECT_FALSE(EventoSpia(Numeri(TipoSpia::Ambo, {12, 12, 0}, Combinazione::And), tutti));
  EXPECT_TRUE(EventoSpia(Numeri(TipoSpia::Ambo, {12, 12, 0}, Combinazione::Xor), tutti));
}

TEST(EventoSpiaClassi, CadenzaDecinaFigura) {
  EXPECT_TRUE(EventoSpia(Spia(TipoSpia::Cadenza, 0), Una({1, 2, 3, 90, 4})));
  EXPECT_TRUE(EventoSpia(Spia(TipoSpia::Cadenza, 0), Una({1, 2, 3, 4, 10})));
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Cadenza, 0), Una({1, 2, 3, 4, 5})));
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Cadenza, 0, 2), Una({1, 2, 3, 90, 4})));
  EXPECT_TRUE(EventoSpia(Spia(TipoSpia::Cadenza, 7, 2), Una({1, 77, 3, 90, 4})));

  EXPECT_TRUE(EventoSpia(Spia(TipoSpia::Decina, 0), Una({11, 22, 33, 44, 90})));
  EXPECT_TRUE(EventoSpia(Spia(TipoSpia::Decina, 0), Una({11, 22, 9, 44, 55})));
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Decina, 0), Una({11, 22, 33, 44, 55})));
  EXPECT_TRUE(EventoSpia(Spia(TipoSpia::Decina, 8), Una({11, 22, 89, 44, 55})));
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Decina, 8), Una({11, 22, 90, 44, 55})));

  EXPECT_TRUE(EventoSpia(Spia(TipoSpia::Figura, 1), Una({19, 22, 33, 44, 55})));
  EXPECT_TRUE(EventoSpia(Spia(TipoSpia::Figura, 9), Una({12, 22, 33, 44, 90})));
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Figura, 9), Una({12, 22, 33, 44, 55})));
  EXPECT_TRUE(EventoSpia(Spia(TipoSpia::Figura, 8, 5), Una({12, 22, 33, 45, 89})));
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Figura, 8, 4), Una({12, 22, 33, 45, 89})));
}

TEST(EventoSpiaCoppie, SumDifferenceDistanceCyclometric) {
  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Somma, 10, {1, 2}), Una({45, 55, 1, 2, 3})));
  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Somma, 10, {1, 2}), Una({4, 6, 1, 2, 3})));
  EXPECT_FALSE(EventoSpia(Coppia(TipoSpia::Somma, 10, {1, 2}), Una({4, 1, 6, 2, 3})));
  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Somma, 10), Una({4, 1, 6, 2, 3})));
  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Somma, 90, {4, 5}), Una({1, 2, 3, 45, 45})));

  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Differenza, 70, {1, 3}), Una({80, 1, 10, 2, 3})));
  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Differenza, 70, {1, 3}), Una({10, 1, 80, 2, 3})));
  EXPECT_FALSE(EventoSpia(Coppia(TipoSpia::Differenza, 70, {1, 2}), Una({10, 1, 80, 2, 3})));

  // Forward distance from the earlier place to the later one.
  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Distanza, 20), Una({80, 5, 10, 33, 41})));
  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Distanza, 20), Una({5, 1, 2, 25, 3})));
  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Distanza, 20, {1, 3}), Una({80, 5, 10, 33, 41})));
  EXPECT_FALSE(EventoSpia(Coppia(TipoSpia::Distanza, 20, {1, 3}), Una({10, 5, 80, 33, 41})));
  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Distanza, 70, {1, 3}), Una({10, 5, 80, 33, 41})));

  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Ciclometrica, 40, {2, 4}), Una({1, 10, 2, 60, 3})));
  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Ciclometrica, 40, {2, 4}), Una({1, 20, 2, 60, 3})));
  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Ciclometrica, 45), Una({1, 2, 50, 3, 5})));
  EXPECT_FALSE(EventoSpia(Coppia(TipoSpia::Ciclometrica, 40), Una({1, 2, 3, 4, 5})));
}

TEST(EventoSpia, PlaceStoredZeroNeverMakesACase) {
  const Estrazione e = Una({0, 10, 45, 70, 88});
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Cadenza, 0, 1), e));
  EXPECT_FALSE(EventoSpia(Spia(TipoSpia::Decina, 0, 1), e));
  EXPECT_FALSE(EventoSpia(Coppia(TipoSpia::Somma, 10, {1, 2}), e));        // 0 + 10
  EXPECT_FALSE(EventoSpia(Coppia(TipoSpia::Differenza, 45, {1, 3}), e));   // |0 - 45|
  EXPECT_FALSE(EventoSpia(Coppia(TipoSpia::Distanza, 70, {1, 4}), e));     // 70 - 0
  EXPECT_FALSE(EventoSpia(Coppia(TipoSpia::Ciclometrica, 2, {1, 5}), e));  // 90 - 88
  EXPECT_FALSE(EventoSpia(Numeri(TipoSpia::Ambo, {0, 10, 0}, Combinazione::And), e));
  EXPECT_TRUE(EventoSpia(Coppia(TipoSpia::Differenza, 35, {2, 3}), e));
}

}  // namespace
}  // namespace ruotario
