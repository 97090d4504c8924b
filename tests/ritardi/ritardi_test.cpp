// Frequencies and delays over hand-made archives; every figure is worked out
// in the comments from the wheel draws (k = 1, 2, ... counts Bari's draws only).

#include "ritardi/Ritardi.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

// Records 1..6; record 3 has no Bari block, so Bari's draws are k = 1..5 at
// records 1, 2, 4, 5, 6. Every other wheel is "00" throughout.
const ArchivioEstrazioni& ArchivioNumeri() {
  static const ArchivioEstrazioni a = prova::ArchivioBari(
      {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {}, {1, 6, 11, 12, 13}, {2, 14, 15, 16, 17}, {1, 18, 19, 20, 21}});
  return a;
}

Ritardo Numero(const EsitoRitardi& e, int n) { return e.Ruote.at(0).Numeri[static_cast<std::size_t>(n)]; }
Ritardo Ambo(const EsitoRitardi& e, int a, int b) {
  return e.Ruote.at(0).Ambi[static_cast<std::size_t>(IndiceAmbo(a, b))];
}

TEST(Ritardi, NumbersOverTheWholeArchive) {
  const EsitoRitardi e = CalcolaRitardi({1, 1, 0}, ArchivioNumeri());
  EXPECT_EQ(e.Fine, 6);
  ASSERT_EQ(e.Ruote.size(), 1u);
  EXPECT_EQ(e.Ruote[0].Estrazioni, 5);
  const std::pair<int, Ritardo> attesi[] = {
      {1, {3, 0, 1}},   // k 1, 3, 5: out in the first and the last draw, one draw between
      {2, {2, 1, 2}},   // k 1, 4: two draws between, one since
      {6, {2, 2, 2}},   // k 2, 3: the missing record 3 does not part them
      {3, {1, 4, 4}},   // k 1 only
      {21, {1, 0, 4}},  // k 5: the four draws before its first appearance
      {11, {1, 2, 2}},  // k 3
      {90, {0, 5, 5}},  // never out
  };
  for (const auto& [n, r] : attesi) EXPECT_EQ(Numero(e, n), r) << n;
}

TEST(Ritardi, SpansStartAndEndInsideRuns) {
  // From record 4: k = 1..3 at records 4, 5, 6; what came before is not seen.
  const EsitoRitardi da4 = CalcolaRitardi({1, 4, 0}, ArchivioNumeri());
  EXPECT_EQ(da4.Ruote[0].Estrazioni, 3);
  EXPECT_EQ(Numero(da4, 1), (Ritardo{2, 0, 1}));
  EXPECT_EQ(Numero(da4, 3), (Ritardo{0, 3, 3}));
  EXPECT_EQ(Numero(da4, 2), (Ritardo{1, 1, 1}));
  EXPECT_EQ(Numero(da4, 6), (Ritardo{1, 2, 2}));

  // From record 3 (no Bari block) to 4: one draw only.
  const EsitoRitardi da3a4 = CalcolaRitardi({1, 3, 4}, ArchivioNumeri());
  EXPECT_EQ(da3a4.Ruote[0].Estrazioni, 1);
  EXPECT_EQ(Numero(da3a4, 6), (Ritardo{1, 0, 0}));
  EXPECT_EQ(Numero(da3a4, 2), (Ritardo{0, 1, 1}));

  // An end beyond the archive is clamped; an inverted span examines nothing.
  EXPECT_EQ(CalcolaRitardi({1, 1, 99}, ArchivioNumeri()).Fine, 6);
  const EsitoRitardi vuoto = CalcolaRitardi({1, 5, 4}, ArchivioNumeri());
  EXPECT_EQ(vuoto.Ruote[0].Estrazioni, 0);
  EXPECT_EQ(Numero(vuoto, 1), (Ritardo{}));
}

TEST(Ritardi, AllTenWheelsEachOnItsOwn) {
  // Bari as above, Cagliari 81..85 in every record: each wheel counts its own draws.
  std::vector<std::string> righe;
  const std::vector<std::vector<int>> bari = {{1, 2, 3, 4, 5}, {}, {1, 7, 8, 9, 10}};
  for (std::size_t i = 0; i < bari.size(); ++i) {
    std::vector<int> numeri = bari[i];
    numeri.resize(5, 0);
    numeri.insert(numeri.end(), {81, 82, 83, 84, 85});
    righe.push_back(prova::Record(prova::DataProva(static_cast<int>(i) + 1), numeri));
  }
  const auto archivio = ArchivioEstrazioni::DaTesto(prova::Unisci(righe));
  const EsitoRitardi e = CalcolaRitardi({kTutteLeRuote, 1, 0}, archivio);
  ASSERT_EQ(e.Ruote.size(), 10u);
  EXPECT_EQ(e.Ruote[0].Ruota, 1);
  EXPECT_EQ(e.Ruote[0].Estrazioni, 2);
  EXPECT_EQ(e.Ruote[0].Numeri[1], (Ritardo{2, 0, 0}));
  EXPECT_EQ(e.Ruote[0].Numeri[2], (Ritardo{1, 1, 1}));
  EXPECT_EQ(e.Ruote[1].Estrazioni, 3);
  EXPECT_EQ(e.Ruote[1].Numeri[81], (Ritardo{3, 0, 0}));
  EXPECT_EQ(e.Ruote[1].Numeri[1], (Ritardo{0, 3, 3}));
  EXPECT_EQ(e.Ruote[9].Ruota, 10);
  EXPECT_EQ(e.Ruote[9].Estrazioni, 0);
  EXPECT_EQ(e.Ruote[9].Numeri[1], (Ritardo{}));
}

TEST(Ritardi, PairsOnASmallArchive) {
  const auto archivio =
      prova::ArchivioBari({{1, 2, 3, 4, 5}, {1, 2, 6, 7, 8}, {9, 10, 11, 12, 13}, {1, 3, 14, 15, 16}});
  const EsitoRitardi e = CalcolaRitardi({1, 1, 0}, archivio);
  EXPECT_EQ(Ambo(e, 1, 2), (Ritardo{2, 2, 2}));    // k 1, 2
  EXPECT_EQ(Ambo(e, 1, 3), (Ritardo{2, 0, 2}));    // k 1, 4
  EXPECT_EQ(Ambo(e, 2, 3), (Ritardo{1, 3, 3}));    // k 1
  EXPECT_EQ(Ambo(e, 6, 7), (Ritardo{1, 2, 2}));    // k 2: one before, two since
  EXPECT_EQ(Ambo(e, 14, 16), (Ritardo{1, 0, 3}));  // k 4
  EXPECT_EQ(Ambo(e, 89, 90), (Ritardo{0, 4, 4}));
  int sortite = 0;
  for (const Ritardo& r : e.Ruote[0].Ambi) sortite += r.Frequenza;
  EXPECT_EQ(sortite, 40);  // ten pairs a draw

  // A malformed block: a repeated number comes out once, 95 is not a number.
  const EsitoRitardi guasto = CalcolaRitardi({1, 1, 0}, prova::ArchivioBari({{1, 1, 5, 95, 0}}));
  EXPECT_EQ(Numero(guasto, 1), (Ritardo{1, 0, 0}));
  EXPECT_EQ(Ambo(guasto, 1, 5), (Ritardo{1, 0, 0}));
  sortite = 0;
  for (const Ritardo& r : guasto.Ruote[0].Ambi) sortite += r.Frequenza;
  EXPECT_EQ(sortite, 1);
}

TEST(Ritardi, PairIndexCoversTheFourThousandFivePairsOnce) {
  int atteso = 0;
  for (int a = 1; a < 90; ++a) {
    for (int b = a + 1; b <= 90; ++b, ++atteso) {
      ASSERT_EQ(IndiceAmbo(a, b), atteso) << a << '-' << b;
      ASSERT_EQ(AmboDaIndice(atteso), std::make_pair(a, b));
    }
  }
  EXPECT_EQ(atteso, kAmbiPerRuota);
}

}  // namespace
}  // namespace ruotario
