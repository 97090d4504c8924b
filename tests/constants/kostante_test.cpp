#include "constants/Kostante.h"

#include <gtest/gtest.h>

namespace ruotario {
namespace {

TEST(LeggiKostante, ReadsTheTextAsOctal) {
  EXPECT_EQ(LeggiKostante("200"), 128);
  EXPECT_EQ(LeggiKostante("17"), 15);
  EXPECT_EQ(LeggiKostante("777"), 511);
  EXPECT_EQ(LeggiKostante("10"), 8);
  EXPECT_EQ(LeggiKostante("18"), 1);  // stops at the first digit above 7
  EXPECT_EQ(LeggiKostante("9"), 0);
  EXPECT_EQ(LeggiKostante("800"), 0);
  EXPECT_EQ(LeggiKostante(""), 0);
  EXPECT_EQ(LeggiKostante(" 2 0 0"), 128);  // blanks are ignored
}

TEST(LeggiKostante, LongTextDoesNotOverflow) { EXPECT_GT(LeggiKostante("77777777777777777777777777"), 0); }

TEST(CalcolaConvergenza, MeetingPoints) {
  EXPECT_EQ(CalcolaConvergenza(7, 13, 128), 2);  // the default constant 200
  EXPECT_EQ(CalcolaConvergenza(7, 13, 1), 19);
  EXPECT_EQ(CalcolaConvergenza(7, 13, 5), 5);
  EXPECT_EQ(CalcolaConvergenza(7, 13, 10), 10);
  EXPECT_EQ(CalcolaConvergenza(7, 13, 64), 46);
  EXPECT_EQ(CalcolaConvergenza(7, 13, 511), 79);
  EXPECT_EQ(CalcolaConvergenza(7, 13, 8), 62);  // "10" read as octal
  EXPECT_EQ(CalcolaConvergenza(7, 13, 15), 15);
  EXPECT_EQ(CalcolaConvergenza(7, 13, 3), 57);  // divisible by 3: 147 and 507 meet at the second comparison
}

TEST(CalcolaConvergenza, NoMeeting) {
  EXPECT_EQ(CalcolaConvergenza(7, 13, 0), 0);
  EXPECT_EQ(CalcolaConvergenza(7, 13, -5), 0);         // sequences that never come back into 1..90
  EXPECT_EQ(CalcolaConvergenza(7, 7 + 90, 4000), 70);  // large N: no overflow
  EXPECT_EQ(CalcolaConvergenza(1, 2, 1), 0);           // 1 and 2^k never meet modulo 90
}

TEST(AmbateDaKostante, PrincipalAndPartner) {
  const AmbateProposte d = AmbateDaKostante("200");
  EXPECT_EQ(d.Principale, 2);
  EXPECT_EQ(d.Secondaria, 20);
  const AmbateProposte otto = AmbateDaKostante("800");
  EXPECT_EQ(otto.Principale, 0);
  EXPECT_EQ(otto.Secondaria, 9);
  const AmbateProposte dieci = AmbateDaKostante("10");
  EXPECT_EQ(dieci.Principale, 62);
  EXPECT_EQ(dieci.Secondaria, 26);
  EXPECT_EQ(AmbateDaKostante("95").Principale, 0);
  EXPECT_EQ(AmbateDaKostante("17").Secondaria, 51);
}

}  // namespace
}  // namespace ruotario
