// Frequencies and delays over hand-made archives; every figure is worked out
// in the comments from the wheel's draws (k = 1, 2, ... counts its draws only).

#include "ritardi/Ritardi.h"

#include <gtest/gtest.h>

#include "ritardi/GruppoNumeri.h"
#include "ritardi/StoriaRitardo.h"
#include "ritardi/Tabellone.h"
#include "support/ArchivioProva.h"

namespace ruotario {

void PrintTo(const Ritardo& r, std::ostream* os) {
  *os << '{' << r.Frequenza << ", " << r.RitardoAttuale << ", " << r.RitardoMassimo << ", " << r.DataUltima << ", "
      << r.DataRecord << ", " << r.Esposizione << '}';
}

namespace {

// Records 1..6 dated 01..06/01/2000; record 3 has no Bari block, so Bari's
// draws are k = 1..5 at records 1, 2, 4, 5, 6. Every other wheel is "00".
const ArchivioEstrazioni& Numeri() {
  static const ArchivioEstrazioni a = prova::ArchivioBari(
      {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {}, {1, 6, 11, 12, 13}, {2, 14, 15, 16, 17}, {1, 18, 19, 20, 21}});
  return a;
}

constexpr int Gen(int giorno) { return 20000100 + giorno; }

ParametriRitardi Par(int ruota, int inizio, int fine, int posizione = 0) {
  return {ruota, inizio, fine, TipoRitardo::Numero, posizione, {}};
}
ParametriRitardi Bari(int inizio = 1, int posizione = 0) { return Par(1, inizio, 0, posizione); }

Ritardo Di(const EsitoRitardi& e, int indice, std::size_t ruota = 0) {
  return e.Ruote.at(ruota).Voci.at(static_cast<std::size_t>(indice));
}

TEST(Ritardi, NumbersOverTheWholeArchive) {
  const EsitoRitardi e = CalcolaRitardi(Bari(), Numeri());
  EXPECT_EQ(e.Ruote.at(0).Estrazioni, 5);
  EXPECT_EQ(e.DataFine, Gen(6));
  // {frequency, current, maximum, last out, record's date, exposure}
  EXPECT_EQ(Di(e, 0), (Ritardo{3, 0, 1, Gen(6), Gen(6), 0}));   // 1: k 1, 3, 5; the latest of two gaps of 1
  EXPECT_EQ(Di(e, 1), (Ritardo{2, 1, 2, Gen(5), Gen(5), 1}));   // 2: k 1, 4
  EXPECT_EQ(Di(e, 5), (Ritardo{2, 2, 2, Gen(4), Gen(6), 2}));   // 6: k 2, 3 (record 3 does not part them)
  EXPECT_EQ(Di(e, 20), (Ritardo{1, 0, 4, Gen(6), Gen(6), 0}));  // 21: the four draws before it
  EXPECT_EQ(Di(e, 89), (Ritardo{0, 5, 5, 0, Gen(6), 5}));       // 90: never out
  // A record reached today: 3 out at k 1 only, four draws since.
  EXPECT_EQ(Di(e, 2), (Ritardo{1, 4, 4, Gen(1), Gen(6), 4}));
  EXPECT_TRUE(AlRecord(Di(e, 2)));
  EXPECT_FALSE(AlRecord(Di(e, 1)));
}

TEST(Ritardi, GapsAreMeasuredFromTheAppearanceBeforeTheSpan) {
  // From record 4 (k 3..5): 2's gap k 2..3 began before the span and ends at k 4;
  // 3 never comes out in the span, yet its delay runs from k 1.
  const EsitoRitardi da4 = CalcolaRitardi(Bari(4), Numeri());
  EXPECT_EQ(da4.Ruote[0].Estrazioni, 3);
  EXPECT_EQ(Di(da4, 1), (Ritardo{1, 1, 2, Gen(5), Gen(5), 1}));
  EXPECT_EQ(Di(da4, 2), (Ritardo{0, 4, 4, Gen(1), Gen(6), 4}));
  EXPECT_EQ(Di(da4, 5), (Ritardo{1, 2, 2, Gen(4), Gen(6), 2}));
  // Ending at record 4: the draws after it do not exist for the study.
  EXPECT_EQ(Di(CalcolaRitardi(Par(1, 1, 4), Numeri()), 1), (Ritardo{1, 2, 2, Gen(1), Gen(4), 2}));
  // A start after the end examines nothing; an end beyond the archive is clamped.
  EXPECT_EQ(Di(CalcolaRitardi(Par(1, 5, 4), Numeri()), 0), Ritardo{});
  EXPECT_EQ(CalcolaRitardi(Par(1, 1, 99), Numeri()).Parametri.Fine, 6);
}

TEST(Ritardi, AtAFixedPlace) {
  // 11 came out at place 3 only (k 3); 1 always at place 1.
  const EsitoRitardi terzo = CalcolaRitardi(Bari(1, 3), Numeri());
  EXPECT_EQ(Di(terzo, 10), (Ritardo{1, 2, 2, Gen(4), Gen(6), 2}));
  EXPECT_EQ(Di(terzo, 0).Frequenza, 0);
  EXPECT_EQ(Di(CalcolaRitardi(Bari(1, 1), Numeri()), 10), (Ritardo{0, 5, 5, 0, Gen(6), 5}));
  EXPECT_DOUBLE_EQ(terzo.Assenza(), 89.0 / 90.0);
}

// Bari draws in records 1 and 3; the nine other wheels 81..85 in every record.
const ArchivioEstrazioni& Ruote() {
  static const ArchivioEstrazioni a = prova::Archivio({{1, 2, 3, 4, 5}, {0, 0, 0, 0, 0}, {1, 7, 8, 9, 10}});
  return a;
}

TEST(Ritardi, EveryWheelOnItsOwnAndAllTogether) {
  const EsitoRitardi tutte = CalcolaRitardi(Par(kTutteLeRuote, 1, 0), Ruote());
  ASSERT_EQ(tutte.Ruote.size(), 10u);
  EXPECT_EQ(tutte.Ruote[0].Estrazioni, 2);
  EXPECT_EQ(tutte.Ruote[9].Estrazioni, 3);
  EXPECT_EQ(Di(tutte, 1, 0), (Ritardo{1, 1, 1, 19390101, 19390103, 1}));

  // Together: a draw counts when any wheel was drawn; the exposure adds the
  // wheels drawn (10, 9, 10), the chance of staying out of them all.
  ParametriRitardi insieme = Par(kRuoteInsieme, 1, 0);
  const EsitoRitardi e = CalcolaRitardi(insieme, Ruote());
  EXPECT_EQ(e.Ruote[0].Estrazioni, 3);
  EXPECT_EQ(Di(e, 0), (Ritardo{2, 0, 1, 19390103, 19390103, 0}));   // 1: Bari, records 1 and 3
  EXPECT_EQ(Di(e, 80), (Ritardo{3, 0, 0, 19390103, 19390103, 0}));  // 81: nine wheels at once, once a draw
  EXPECT_EQ(Di(e, 1), (Ritardo{1, 2, 2, 19390101, 19390103, 19}));  // 2: out in record 1 only
  EXPECT_EQ(Di(e, 89), (Ritardo{0, 3, 3, 0, 19390103, 29}));        // 90: absent on every wheel

  // A group is out when any of its numbers is, once a draw however many.
  insieme.Tipo = TipoRitardo::Gruppo;
  insieme.Gruppo = {1, 81};
  EXPECT_EQ(Di(CalcolaRitardi(insieme, Ruote()), 0).Frequenza, 3);
}

TEST(Ritardi, Groups) {
  ParametriRitardi p = Bari();
  p.Tipo = TipoRitardo::Gruppo;
  p.Gruppo = GruppoDecina(0).Numeri;  // 1..9 and 90: every draw has one
  EXPECT_EQ(Di(CalcolaRitardi(p, Numeri()), 0), (Ritardo{5, 0, 0, Gen(6), Gen(6), 0}));
  p.Gruppo = LeggiGruppo("cadenza:5")->Numeri;  // 5 at k 1, 15 at k 4
  const EsitoRitardi e = CalcolaRitardi(p, Numeri());
  EXPECT_EQ(Di(e, 0), (Ritardo{2, 1, 2, Gen(5), Gen(5), 1}));
  EXPECT_EQ(e.VociPerRuota(), 1);
  EXPECT_DOUBLE_EQ(e.Assenza(), 81.0 * 80 * 79 * 78 * 77 / (90.0 * 89 * 88 * 87 * 86));  // C(81,5)/C(90,5)

  EXPECT_EQ(LeggiGruppo("figura:9")->Numeri, (std::vector<int>{9, 18, 27, 36, 45, 54, 63, 72, 81, 90}));
  EXPECT_EQ(LeggiGruppo("45, 3-17")->Nome, "03,17,45");
  for (const char* male : {"decina:9", "figura:0", "cadenza:", "3,3", "91", "x", ""})
    EXPECT_FALSE(LeggiGruppo(male)) << male;
  EXPECT_EQ(LeggiNumeri("7 35", 2), (std::vector<int>{7, 35}));
  EXPECT_TRUE(LeggiNumeri("1 2 3", 2).empty());
}

TEST(Ritardi, PairsAndTriples) {
  const auto archivio =
      prova::ArchivioBari({{1, 2, 3, 4, 5}, {1, 2, 6, 7, 8}, {9, 10, 11, 12, 13}, {1, 3, 14, 15, 16}});
  ParametriRitardi p = Bari();
  p.Tipo = TipoRitardo::Ambo;
  const EsitoRitardi ambi = CalcolaRitardi(p, archivio);
  EXPECT_EQ(Di(ambi, IndiceAmbo(1, 2)).RitardoAttuale, 2);  // k 1, 2
  EXPECT_EQ(Di(ambi, IndiceAmbo(1, 3)).RitardoMassimo, 2);  // k 1, 4
  EXPECT_EQ(Di(ambi, IndiceAmbo(89, 90)), (Ritardo{0, 4, 4, 0, Gen(4), 4}));
  p.Tipo = TipoRitardo::Terno;
  const EsitoRitardi terni = CalcolaRitardi(p, archivio);
  ASSERT_EQ(terni.Ruote[0].Voci.size(), 117480u);
  EXPECT_EQ(Di(terni, IndiceTerno(1, 2, 3)), (Ritardo{1, 3, 3, Gen(1), Gen(4), 3}));
  int sortite = 0;
  for (const Ritardo& r : terni.Ruote[0].Voci) sortite += r.Frequenza;
  EXPECT_EQ(sortite, 40);  // ten triples a draw

  int atteso = 0;
  for (int a = 1; a <= 88; ++a)
    for (int b = a + 1; b <= 89; ++b)
      for (int c = b + 1; c <= 90; ++c, ++atteso) {
        ASSERT_EQ(IndiceTerno(a, b, c), atteso);
        ASSERT_EQ(TernoDaIndice(atteso), (std::array{a, b, c}));
      }
  for (int i : {0, 88, 4004}) EXPECT_EQ(IndiceAmbo(AmboDaIndice(i).first, AmboDaIndice(i).second), i);
}

TEST(Ritardi, NazionaleFollowsTheDatesOfTheSpan) {
  // Records 2..6 span 02/01..06/01/2000: the draw of 01/01 only sets the
  // last appearance, the one of 07/01 comes after the span.
  const std::vector<EstrazioneNazionale> nz = {{"01/01/2000", {1, 2, 3, 4, 5}},
                                               {"03/01/2000", {6, 7, 8, 9, 10}},
                                               {"05/01/2000", {1, 11, 12, 13, 14}},
                                               {"07/01/2000", {2, 15, 16, 17, 18}}};
  const EsitoRitardi e = CalcolaRitardi(Par(kRuotaNazionale, 2, 0), Numeri(), nz);
  EXPECT_EQ(e.Ruote[0].Estrazioni, 2);
  EXPECT_EQ(Di(e, 1), (Ritardo{0, 2, 2, Gen(1), Gen(5), 2}));
  EXPECT_EQ(Di(e, 0), (Ritardo{1, 0, 1, Gen(5), Gen(5), 0}));
  const EsitoRitardi tabellone = CalcolaTabellone(Numeri(), nz);
  ASSERT_EQ(tabellone.Ruote.size(), 11u);
  EXPECT_EQ(tabellone.Ruote[10].Ruota, kRuotaNazionale);
  EXPECT_EQ(CalcolaTabellone(Numeri(), {}).Ruote.size(), 10u);
}

TEST(Ritardi, HistoryAndItsChart) {
  // 2 from record 1: gaps 0 (k 1) and 2 (k 4), then 1 in progress; from record 4 the first is left out.
  const StoriaRitardo s = CalcolaStoria(Bari(), 1, 1, Numeri());
  EXPECT_EQ(s.Intervalli, (std::vector<IntervalloRitardo>{{0, Gen(1), false}, {2, Gen(5), false}, {1, Gen(6), true}}));
  EXPECT_EQ(CalcolaStoria(Bari(4), 1, 1, Numeri()).Intervalli.size(), 2u);
  const Grafico g = GraficoStoria(s, "Bari 02");
  EXPECT_EQ(g.Categorie, (std::vector<std::string>{"01/01/2000", "05/01/2000", "06/01/2000"}));
  EXPECT_EQ(g.BarraEvidenziata, 2);
  ASSERT_EQ(g.Segni.size(), 1u);
  EXPECT_EQ(std::pair(g.Segni[0].Categoria, g.Segni[0].Valore), std::pair(1, 2.0));
  ASSERT_EQ(g.Soglie.size(), 1u);
  EXPECT_NEAR(g.Soglie[0].Valore, 80.57, 0.01);  // (17/18)^80.57 = 1%
}

}  // namespace
}  // namespace ruotario
