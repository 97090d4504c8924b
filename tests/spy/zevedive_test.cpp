#include "spy/Zevedive.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

// Bari: spy 1 comes out three times, each followed by 60 (and twice by 61);
// no other spy of the last draw (2, 10, 45 and the sums 3, 11, 46, 12, 47, 55)
// occurs before it. The last draw holds "00" at place 5.
ArchivioEstrazioni ArchivioZevedive() {
  return prova::Archivio(
      prova::Estrazioni({"1 20 30 40 50", "60 61 70 71 72", "80 81 82 83 84", "1 20 30 40 50", "60 61 63 64 65",
                         "80 81 82 83 84", "1 20 30 40 50", "60 62 66 67 68", "80 81 82 83 84", "1 2 10 45 0"}));
}

ParametriZevedive UnColpo() {
  ParametriZevedive p;
  p.Colpi = 1;
  return p;
}

// "number:sum/convergences" of the given numbers, "-" for a sum never taken.
std::string Somme(const SommeZevedive& s, std::initializer_list<int> numeri) {
  std::string t;
  for (const int n : numeri)
    t += (t.empty() ? "" : " ") + std::to_string(n) + ":" +
         (s.SommaSortite[n] ? std::to_string(*s.SommaSortite[n]) : "-") + "/" + std::to_string(s.Convergenze[n]);
  return t;
}

TEST(Zevedive, DefaultRunSumsTheTwoBestOfEachStudy) {
  SommeZevedive somme;
  const EsitoZevedive e = Zevedive(UnColpo(), ArchivioZevedive(), somme);
  EXPECT_EQ((std::array{e.EstrazioneSpia, e.Inizio, e.Fine}), (std::array{10, 1, 9}));
  const std::array<std::optional<int>, 15> spie = {
      1, 2, 10, 45, std::nullopt, 3, 11, 46, std::nullopt, 12, 47, std::nullopt, 55, std::nullopt, std::nullopt};
  EXPECT_EQ(e.Spie, spie);

  // The studies without a case contribute their first two rows, 01 and 02,
  // with 0; two appearances are not enough for a convergence.
  EXPECT_EQ(Somme(somme, {60, 61, 2, 3, 62}), "60:3/1 61:2/0 2:0/0 3:-/0 62:-/0");

  EXPECT_EQ(e.MiglioriConvergenze[1].Numero, 2);  // the exchange sent 01 to 60's place
  EXPECT_EQ(RigheZevedive(somme)[2], (RigaGriglia{"03", "", "", ""}));

  // Without the top cut every number of every study is summed.
  ParametriZevedive tutti = UnColpo();
  tutti.SoloTop = false;
  SommeZevedive t;
  Zevedive(tutti, ArchivioZevedive(), t);
  EXPECT_EQ(Somme(t, {60, 62, 5}), "60:3/1 62:1/0 5:0/0");
}

TEST(Zevedive, AccumulationAddsOntoTheKeptTotals) {
  const auto archivio = ArchivioZevedive();
  SommeZevedive somme;
  ParametriZevedive p = UnColpo();
  Zevedive(p, archivio, somme);
  p.Somma = true;
  const EsitoZevedive e = Zevedive(p, archivio, somme);
  EXPECT_EQ(Somme(somme, {60, 61}), "60:6/2 61:4/0");
  EXPECT_EQ(e.MiglioriConvergenze[0].Convergenze, 2);
  p.Somma = false;
  Zevedive(p, archivio, somme);
  EXPECT_EQ(Somme(somme, {60, 61}), "60:3/1 61:2/0");

  // A spy draw that is the first record has no span: the kept sums stay as they are.
  SommeZevedive tenute;
  tenute.SommaSortite[7] = 4;
  tenute.Convergenze[7] = 2;
  p.EstrazioneSpia = 1;
  p.Somma = true;
  const EsitoZevedive nulla = Zevedive(p, archivio, tenute);
  EXPECT_GT(nulla.Inizio, nulla.Fine);
  EXPECT_EQ(Somme(tenute, {7, 60}), "7:4/2 60:-/0");
}

TEST(Zevedive, SpanStartFromTheSliderAndTheSpyDraw) {
  EXPECT_EQ((std::array{InizioDaVelocita(0, 5000), InizioDaVelocita(1, 2722), InizioDaVelocita(1, 2723),
                        InizioDaVelocita(2, 3593), InizioDaVelocita(2, 3594)}),
            (std::array{1, 1, 2723, 1, 3594}));

  // A spy draw before the slider's start: the span reaches back 200 draws.
  const auto archivio = prova::Archivio(std::vector<prova::Cinque>(2800, prova::Cinque{11, 22, 33, 44, 55}));
  SommeZevedive somme;
  ParametriZevedive p = UnColpo();
  p.Velocita = 1;
  p.EstrazioneSpia = 500;
  EsitoZevedive e = Zevedive(p, archivio, somme);
  EXPECT_EQ(std::make_pair(e.Inizio, e.Fine), std::make_pair(300, 499));
  p.EstrazioneSpia = 2800;
  e = Zevedive(p, archivio, somme);
  EXPECT_EQ(std::make_pair(e.Inizio, e.Fine), std::make_pair(2723, 2799));
  // All fifteen spies occur: cases at 2723, 2726, ..., 2798 (26), and each
  // study's two best are 11 and 22 with 26.
  EXPECT_EQ(Somme(somme, {11, 22, 33}), "11:390/15 22:390/15 33:-/0");  // 15 x 26
}

TEST(RaccogliStudio, FirstNByCountThenNumberOrder) {
  EsitoRicerca studio;
  studio.Sortite[7] = studio.Sortite[3] = 5;
  studio.Sortite[4] = 4;
  studio.Sortite[9] = 2;
  SommeZevedive somme, tutte;
  RaccogliStudio(studio, 2, somme);
  EXPECT_EQ(Somme(somme, {3, 7, 4}), "3:5/1 7:5/1 4:-/0");
  // 4 in the third row gains a point; 9 with two does not (more than two, not two or more).
  RaccogliStudio(studio, 90, tutte);
  EXPECT_EQ(Somme(tutte, {4, 9, 1}), "4:4/1 9:2/0 1:0/0");

  // TOP outside 1..90, empty or not a number means 5; without the top cut, all 90.
  EXPECT_EQ((std::array{PrimiDaRaccogliere(true, 2), PrimiDaRaccogliere(true, 0), PrimiDaRaccogliere(true, 91),
                        PrimiDaRaccogliere(true, 90), PrimiDaRaccogliere(false, 2)}),
            (std::array{2, 5, 5, 90, 90}));
  EXPECT_EQ((std::array{TopDaTesto("abc"), TopDaTesto("7"), TopDaTesto("")}), (std::array{0, 7, 0}));
}

}  // namespace
}  // namespace ruotario
