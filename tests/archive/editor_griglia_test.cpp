#include "archive/EditorGriglia.h"

#include <gtest/gtest.h>

using namespace ruotario;

TEST(TestoAmmessoInCella, OnlyCanonicalNumbersOneToNinety) {
  const std::pair<const char*, bool> casi[] = {
      {"1", true},   {"5", true},   {"9", true},    {"01", true},   {"07", true},  {"09", true},
      {"10", true},  {"45", true},  {"90", true},   {"", false},    {"0", false},  {"00", false},
      {"91", false}, {"99", false}, {"123", false}, {"007", false}, {" 5", false}, {"5 ", false},
      {"5a", false}, {"x5", false}, {"-5", false},  {"+5", false},  {"5.", false}, {"99999999999999999999", false}};
  for (const auto& [testo, atteso] : casi) EXPECT_EQ(TestoAmmessoInCella(testo), atteso) << '"' << testo << '"';
}

TEST(MossaEditor, ArrowsFollowTheCaretEnterRunsAlongTheRows) {
  using T = TastoEditor;
  // key, from (row, column), caret, text length, to ({0, 0}: the key stays with the text)
  const std::tuple<T, CellaGriglia, int, int, CellaGriglia> casi[] = {
      {T::Destra, {2, 2}, 2, 2, {2, 3}},   {T::Destra, {2, 2}, 1, 2, {0, 0}},   {T::Destra, {2, 5}, 0, 0, {0, 0}},
      {T::Sinistra, {2, 2}, 0, 2, {2, 1}}, {T::Sinistra, {2, 2}, 1, 2, {0, 0}}, {T::Sinistra, {2, 1}, 0, 0, {0, 0}},
      {T::Giu, {9, 3}, 1, 2, {10, 3}},     {T::Giu, {10, 3}, 0, 0, {0, 0}},     {T::Su, {2, 4}, 1, 2, {1, 4}},
      {T::Su, {1, 4}, 0, 0, {0, 0}},       {T::Invio, {1, 4}, 0, 2, {1, 5}},    {T::Invio, {1, 5}, 0, 2, {2, 1}},
      {T::Invio, {9, 5}, 2, 2, {10, 1}},   {T::Invio, {10, 5}, 0, 0, {0, 0}},
  };
  for (const auto& [tasto, da, cursore, lunghezza, a] : casi) {
    const auto mossa = MossaEditor(tasto, da, cursore, lunghezza);
    EXPECT_EQ(mossa.value_or(CellaGriglia{0, 0}), a)
        << static_cast<int>(tasto) << " from " << da.riga << "," << da.colonna << " caret " << cursore;
  }
}
