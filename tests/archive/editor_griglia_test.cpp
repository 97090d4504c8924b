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
