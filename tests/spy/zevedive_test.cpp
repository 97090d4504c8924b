#include "spy/Zevedive.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

// Bari: spy 1 comes out three times, each followed by 60 (and twice by 61);
// no other spy of the last draw (2, 10, 45 and the sums 3, 11, 46, 12, 47, 55)
// occurs before it. The last draw holds "00" at place 5.
ArchivioEstrazioni ArchivioZevedive() {
  return prova::Archivio({{1, 20, 30, 40, 50},
                          {60, 61, 70, 71, 72},
                          {80, 81, 82, 83, 84},
                          {1, 20, 30, 40, 50},
                          {60, 61, 63, 64, 65},
                          {80, 81, 82, 83, 84},
                          {1, 20, 30, 40, 50},
                          {60, 62, 66, 67, 68},
                          {80, 81, 82, 83, 84},
                          {1, 2, 10, 45, 0}});
}

ParametriZevedive Predefiniti() {
  ParametriZevedive p;
  p.Colpi = 1;
  return p;
}

TEST(Zevedive, DefaultRunSumsTheTwoBestOfEachStudy) {
  SommeZevedive somme;
  const EsitoZevedive e = Zevedive(Predefiniti(), ArchivioZevedive(), somme);
  EXPECT_EQ(e.EstrazioneSpia, 10);
  EXPECT_EQ(e.Inizio, 1);
  EXPECT_EQ(e.Fine, 9);
  const std::array<std::optional<int>, 15> spie = {
      1, 2, 10, 45, std::nullopt, 3, 11, 46, std::nullopt, 12, 47, std::nullopt, 55, std::nullopt, std::nullopt};
  EXPECT_EQ(e.Spie, spie);

  EXPECT_EQ(somme.SommaSortite[60], 3);
  EXPECT_EQ(somme.SommaSortite[61], 2);
  // The nine studies without a case contribute their first two rows, 01 and 02, with 0.
  EXPECT_EQ(somme.SommaSortite[1], 0);
  EXPECT_EQ(somme.SommaSortite[2], 0);
  EXPECT_FALSE(somme.SommaSortite[3].has_value());
  EXPECT_FALSE(somme.SommaSortite[62].has_value());
  EXPECT_EQ(somme.Convergenze[60], 1);
  EXPECT_EQ(somme.Convergenze[61], 0);  // two appearances are not enough

  EXPECT_EQ(e.MiglioriSomme[0].Numero, 60);
  EXPECT_EQ(e.MiglioriSomme[0].SommaSortite, 3);
  EXPECT_EQ(e.MiglioriSomme[1].Numero, 61);
  EXPECT_EQ(e.MiglioriSomme[2].Numero, 1);
  EXPECT_EQ(e.MiglioriSomme[3].Numero, 2);
  EXPECT_EQ(e.MiglioriSomme[4].Numero, 3);
  EXPECT_FALSE(e.MiglioriSomme[4].SommaSortite.has_value());
  EXPECT_EQ(e.MiglioriConvergenze[0].Numero, 60);
  EXPECT_EQ(e.MiglioriConvergenze[0].Convergenze, 1);
  EXPECT_EQ(e.MiglioriConvergenze[1].Numero, 2);  // the exchange sent 01 to 60's place

  const auto righe = RigheZevedive(somme);
  ASSERT_EQ(righe.size(), 90u);
  EXPECT_EQ(righe[59], (RigaGriglia{"60", "3", "", ""}));
  EXPECT_EQ(righe[2], (RigaGriglia{"03", "", "", ""}));
}

TEST(Zevedive, AccumulationAddsOntoTheKeptTotals) {
  const auto archivio = ArchivioZevedive();
  SommeZevedive somme;
  ParametriZevedive p = Predefiniti();
  Zevedive(p, archivio, somme);
  p.Somma = true;
  const EsitoZevedive e = Zevedive(p, archivio, somme);
  EXPECT_EQ(somme.SommaSortite[60], 6);
  EXPECT_EQ(somme.SommaSortite[61], 4);
  EXPECT_EQ(somme.Convergenze[60], 2);
  EXPECT_EQ(e.MiglioriSomme[0].SommaSortite, 6);
  EXPECT_EQ(e.MiglioriConvergenze[0].Convergenze, 2);
  p.Somma = false;
  Zevedive(p, archivio, somme);
  EXPECT_EQ(somme.SommaSortite[60], 3);
  EXPECT_EQ(somme.Convergenze[60], 1);
}

TEST(Zevedive, WithoutTopEveryNumberOfEveryStudyIsSummed) {
  SommeZevedive somme;
  ParametriZevedive p = Predefiniti();
  p.SoloTop = false;
  Zevedive(p, ArchivioZevedive(), somme);
  for (int n = 1; n <= 90; ++n) EXPECT_TRUE(somme.SommaSortite[n].has_value()) << n;
  EXPECT_EQ(somme.SommaSortite[60], 3);
  EXPECT_EQ(somme.SommaSortite[62], 1);
  EXPECT_EQ(somme.SommaSortite[5], 0);
  EXPECT_EQ(somme.Convergenze[60], 1);
}

TEST(Zevedive, SpanStartAndEmptySpan) {
  EXPECT_EQ(InizioDaVelocita(0, 5000), 1);
  EXPECT_EQ(InizioDaVelocita(1, 2723), 2723);
  EXPECT_EQ(InizioDaVelocita(1, 2722), 1);
  EXPECT_EQ(InizioDaVelocita(2, 3000), 1);
  EXPECT_EQ(InizioDaVelocita(2, 3594), 3594);

  // A spy draw before the slider's start: the span reaches back 200 draws.
  std::vector<prova::Cinque> estrazioni(2800, prova::Cinque{11, 22, 33, 44, 55});
  const auto archivio = prova::Archivio(estrazioni);
  SommeZevedive somme;
  ParametriZevedive p = Predefiniti();
  p.Velocita = 1;
  p.EstrazioneSpia = 500;
  EsitoZevedive e = Zevedive(p, archivio, somme);
  EXPECT_EQ(e.Inizio, 300);
  EXPECT_EQ(e.Fine, 499);
  p.EstrazioneSpia = 2800;
  e = Zevedive(p, archivio, somme);
  EXPECT_EQ(e.Inizio, 2723);
  EXPECT_EQ(e.Fine, 2799);
  // Every draw is 11 22 33 44 55, so all fifteen spies occur: cases at
  // 2723, 2726, ..., 2798 (26), each watched draw holds the five numbers, and
  // each study's two best are 11 and 22 with 26.
  EXPECT_EQ(somme.SommaSortite[11], 15 * 26);
  EXPECT_EQ(somme.SommaSortite[22], 15 * 26);
  EXPECT_FALSE(somme.SommaSortite[33].has_value());
  EXPECT_EQ(somme.Convergenze[11], 15);
  EXPECT_EQ(e.MiglioriConvergenze[1].Numero, 22);
}

TEST(Zevedive, SpyDrawFirstRecordLeavesTheSumsAlone) {
  SommeZevedive somme;
  somme.SommaSortite[7] = 4;
  somme.Convergenze[7] = 2;
  ParametriZevedive p = Predefiniti();
  p.EstrazioneSpia = 1;
  p.Somma = true;
  const EsitoZevedive e = Zevedive(p, ArchivioZevedive(), somme);
  EXPECT_GT(e.Inizio, e.Fine);
  EXPECT_EQ(somme.SommaSortite[7], 4);
  EXPECT_EQ(somme.Convergenze[7], 2);
  for (int n = 1; n <= 90; ++n)
    if (n != 7) {
      EXPECT_EQ(somme.SommaSortite[n].value_or(0), 0);
    }
}

TEST(RaccogliStudio, FirstNByCountThenNumberOrder) {
  EsitoRicerca studio;
  studio.Sortite[7] = 5;
  studio.Sortite[3] = 5;
  studio.Sortite[4] = 4;
  studio.Sortite[9] = 2;
  SommeZevedive somme;
  RaccogliStudio(studio, 2, somme);
  EXPECT_EQ(somme.SommaSortite[3], 5);
  EXPECT_EQ(somme.SommaSortite[7], 5);
  EXPECT_FALSE(somme.SommaSortite[4].has_value());
  EXPECT_EQ(somme.Convergenze[3], 1);
  EXPECT_EQ(somme.Convergenze[7], 1);

  SommeZevedive tutte;
  RaccogliStudio(studio, 90, tutte);
  EXPECT_EQ(tutte.SommaSortite[4], 4);
  EXPECT_EQ(tutte.Convergenze[4], 1);  // third row, four appearances
  EXPECT_EQ(tutte.SommaSortite[9], 2);
  EXPECT_EQ(tutte.Convergenze[9], 0);
  EXPECT_EQ(tutte.SommaSortite[1], 0);

  EsitoRicerca due;
  due.Sortite[5] = 2;
  SommeZevedive s2;
  RaccogliStudio(due, 2, s2);
  EXPECT_EQ(s2.SommaSortite[5], 2);
  EXPECT_EQ(s2.Convergenze[5], 0);  // more than two, not two or more
  EXPECT_EQ(s2.SommaSortite[1], 0);
}

TEST(RaccogliStudio, TopTextAndRange) {
  EXPECT_EQ(PrimiDaRaccogliere(true, 2), 2);
  EXPECT_EQ(PrimiDaRaccogliere(true, 0), 5);
  EXPECT_EQ(PrimiDaRaccogliere(true, 91), 5);
  EXPECT_EQ(PrimiDaRaccogliere(true, 90), 90);
  EXPECT_EQ(PrimiDaRaccogliere(false, 2), 90);
  EXPECT_EQ(TopDaTesto(""), 0);
  EXPECT_EQ(TopDaTesto("abc"), 0);
  EXPECT_EQ(TopDaTesto("7"), 7);
  EXPECT_EQ(PrimiDaRaccogliere(true, TopDaTesto("")), 5);
}

TEST(ClassificaConvergenze, ExchangeRanking) {
  SommeZevedive s;
  s.Convergenze[7] = 2;
  s.Convergenze[3] = 2;
  auto c = ClassificaConvergenze(s);
  EXPECT_EQ(c[0].Numero, 3);
  EXPECT_EQ(c[1].Numero, 7);
  EXPECT_EQ(c[2].Numero, 1);

  // The exchanges move 1 behind 3 although both have one point.
  SommeZevedive t;
  t.Convergenze[1] = 1;
  t.Convergenze[2] = 3;
  t.Convergenze[3] = 1;
  t.Convergenze[4] = 3;
  c = ClassificaConvergenze(t);
  EXPECT_EQ(c[0].Numero, 2);
  EXPECT_EQ(c[1].Numero, 4);
  EXPECT_EQ(c[2].Numero, 3);
  EXPECT_EQ(c[2].Convergenze, 1);
  EXPECT_EQ(c[3].Numero, 1);
}

}  // namespace
}  // namespace ruotario
