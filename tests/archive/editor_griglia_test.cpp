#include "archive/EditorGriglia.h"

#include <gtest/gtest.h>

#include <string>

using namespace ruotario;

TEST(TestoAmmessoInCella, OnlyCanonicalNumbersOneToNinety) {
  const std::pair<const char*, bool> casi[] = {
      {"1", true},    {"5", true},   {"9", true},   {"01", true},  {"07", true},
      {"09", true},   {"10", true},  {"45", true},  {"90", true},  {"", false},
      {"0", false},   {"00", false}, {"91", false}, {"99", false}, {"123", false},
      {"007", false}, {"10", true},  {" 5", false}, {"5 ", false}, {"5a", false},
      {"x5", false},  {"-5", false}, {"+5", false}, {"5.", false}, {"99999999999999999999", false}};
  for (const auto& [testo, atteso] : casi) EXPECT_EQ(TestoAmmessoInCella(testo), atteso) << '"' << testo << '"';
}

TEST(MossaEditor, ArrowsAndEnterAsTheGridOrdersThem) {
  using T = TastoEditor;
  struct Caso {
    T tasto;
    CellaGriglia da;
    int cursore, lunghezza;
    std::optional<CellaGriglia> a;
  };
  const Caso casi[] = {
      {T::Destra, {1, 1}, 2, 2, CellaGriglia{1, 2}},  // caret at the end
      {T::Destra, {1, 1}, 0, 0, CellaGriglia{1, 2}},  // empty text
      {T::Destra, {1, 1}, 1, 2, std::nullopt},        // caret inside the text
      {T::Destra, {3, 5}, 2, 2, std::nullopt},        // last column
      {T::Sinistra, {1, 3}, 0, 2, CellaGriglia{1, 2}},
      {T::Sinistra, {1, 3}, 1, 2, std::nullopt},
      {T::Sinistra, {4, 1}, 0, 0, std::nullopt},
      {T::Giu, {1, 2}, 1, 2, CellaGriglia{2, 2}},  // wherever the caret is
      {T::Giu, {10, 2}, 0, 0, std::nullopt},
      {T::Su, {10, 4}, 1, 2, CellaGriglia{9, 4}},
      {T::Su, {1, 4}, 0, 0, std::nullopt},
      {T::Invio, {1, 1}, 0, 2, CellaGriglia{1, 2}},
      {T::Invio, {1, 5}, 1, 2, CellaGriglia{2, 1}},  // on to the next wheel
      {T::Invio, {9, 5}, 0, 0, CellaGriglia{10, 1}},
      {T::Invio, {10, 5}, 2, 2, std::nullopt},  // Venezia's fifth number
  };
  for (const Caso& c : casi) {
    const auto mossa = MossaEditor(c.tasto, c.da, c.cursore, c.lunghezza);
    EXPECT_EQ(mossa, c.a) << static_cast<int>(c.tasto) << " from " << c.da.riga << "," << c.da.colonna;
  }
}
