#include "constants/RicercaAbbinamenti.h"

#include <gtest/gtest.h>

namespace ruotario {
namespace {

using Cinque = std::array<std::string, 5>;

// A statistic as the pairing search reads it: the winning blocks and the two tables.
EsitoStatistica Statistica(const std::vector<std::string>& blocchi) {
  EsitoStatistica e;
  for (const std::string& b : blocchi) e.Vincenti.push_back({static_cast<int>(e.Vincenti.size()) + 1, "01/01/2000", b});
  return e;
}

ParametriAbbinamenti Parametri(ModoAbbinamenti modo, int quanti, std::array<std::string, 3> capigioco) {
  return {.Modo = modo, .Quanti = quanti, .Capigioco = std::move(capigioco), .Abbinamenti = {}};
}

TEST(RicercaAbbinamenti, AmboCapigiocoGreedyCoverAndReport) {
  const EsitoStatistica e = Statistica({"0220304050", "0230313233", "2030343536", "0241424344"});
  ParametriAbbinamenti p = Parametri(ModoAbbinamenti::Auto, 1, {"2", "20", ""});
  // The first block holds 02 and 20; of the others 30 covers two (02 and 20 are head numbers).
  EsitoAbbinamenti r = RicercaAbbinamenti(p, e);
  EXPECT_EQ(r.Abbinamenti[0], "30");
  EXPECT_EQ((std::array{r.AmboCapigioco, r.AmboSecco}), (std::array{1, 2}));
  // Without "Ambo Abbin." the first block is left to the pairings: 30 covers three of four.
  p.AmboCapigioco = false;
  p.Separatore = ',';
  r = RicercaAbbinamenti(p, e);
  EXPECT_EQ((std::array{r.AmboCapigioco, r.AmboSecco}), (std::array{0, 3}));
  EXPECT_NE(r.Testo.find("% CASI VINCENTI CON AMBO: 75,00%"), std::string::npos);
  // One draw of each kind out of four.
  p = Parametri(ModoAbbinamenti::Manuale, 1, {"2", "20", ""});
  p.Abbinamenti[0] = "41";
  EXPECT_EQ(RicercaAbbinamenti(p, e).Testo,
            "CASI VINCENTI TOTALI CON AMBO: 2 SU: 4\r\n% CASI VINCENTI CON AMBO: 50.00%\r\n************\r\n"
            "CASI VINCENTI CON AMBO CAPIGIOCO: 1 SU: 4\r\n% CASI VINCENTI CON AMBO CG: 25.00%\r\n"
            "CASI VINCENTI CON AMBO SECCO ABBINAMENTI: 1 SU: 4\r\n% CASI VINCENTI CON AMBO SECCO: 25.00%");
}

TEST(RicercaAbbinamenti, CoveredDrawsLeaveTheHighestFreeNumbers) {
  const EsitoStatistica e = Statistica({"0210111213", "0210141516"});
  EsitoAbbinamenti r = RicercaAbbinamenti(Parametri(ModoAbbinamenti::Auto, 3, {"2", "20", ""}), e);
  EXPECT_EQ(r.Abbinamenti, (Cinque{"10", "90", "89", "", ""}));
  r = RicercaAbbinamenti(Parametri(ModoAbbinamenti::Auto, 3, {"2", "90", ""}), e);
  EXPECT_EQ(r.Abbinamenti, (Cinque{"10", "89", "88", "", ""}));
}

TEST(RicercaAbbinamenti, SameHeadNumberTwiceIsAnAmboAndTiesGoHigh) {
  const EsitoStatistica e = Statistica({"0511121314", "0611121314"});
  const EsitoAbbinamenti r = RicercaAbbinamenti(Parametri(ModoAbbinamenti::Auto, 1, {"5", "5", ""}), e);
  EXPECT_EQ(r.Abbinamenti[0], "14");  // 11..14 tie on the uncovered block
  EXPECT_EQ((std::array{r.AmboCapigioco, r.AmboSecco}), (std::array{1, 1}));
}

TEST(RicercaAbbinamenti, FrequentNumbersFromTheWholeTableComparedByValue) {
  EsitoStatistica e = Statistica({"0210111213"});
  e.Frequenti[5].Sortite = e.Frequenti[7].Sortite = 10;
  e.Frequenti[9].Sortite = 8;
  e.Frequenti[2].Sortite = 12;  // a head number
  ParametriAbbinamenti p = Parametri(ModoAbbinamenti::Auto, 3, {"2", "", ""});
  p.UsaFrequenti = true;
  // "07" is written with a leading zero but excludes 7 by value.
  EXPECT_EQ(RicercaAbbinamenti(p, e).Abbinamenti, (Cinque{"07", "05", "09", "", ""}));
}

TEST(RicercaAbbinamenti, ClassificaIsStableWithMarksLast) {
  TabellaNumeri t;
  t[3].Sortite = t[7].Sortite = 2;
  t[5].Sortite = 1;
  t[1].Marcato = true;
  const auto c = ClassificaAbbinamenti(t);
  EXPECT_EQ((std::vector<int>{c[0], c[1], c[2], c[3], c[4], c[5], c[89], c[90]}),
            (std::vector<int>{0, 3, 7, 5, 2, 4, 90, 1}));
}

TEST(RicercaAbbinamenti, ProbabiliDrawsAmongTheBestRankedAndAlwaysEnds) {
  EsitoStatistica e = Statistica({"0230313233"});
  e.Abbinamenti[2].Marcato = e.Abbinamenti[20].Marcato = true;
  // Ranking 1, 3, 4, ..., 19, 21, ... with 2 and 20 last. A = 3: candidates are positions 1..13.
  EsitoAbbinamenti r =
      RicercaAbbinamenti(Parametri(ModoAbbinamenti::Probabili, 3, {"2", "20", ""}), e, [] { return 0.0; });
  // Position 1 each time: 1, then 15 (moved in from position 14), then 16.
  EXPECT_EQ(r.Abbinamenti, (Cinque{"01", "15", "16", "", ""}));
  r = RicercaAbbinamenti(Parametri(ModoAbbinamenti::Probabili, 1, {"2", "20", ""}), e, [] { return 0.999; });
  EXPECT_EQ(r.Abbinamenti[0], "12");  // position 11 of 1..11
  // Stuck on position 1, whose number is a head number: the choice falls on the
  // admissible positions instead of drawing forever.
  r = RicercaAbbinamenti(Parametri(ModoAbbinamenti::Probabili, 2, {"2", "1", ""}), e, [] { return 0.0; });
  EXPECT_EQ(r.Abbinamenti, (Cinque{"03", "14", "", "", ""}));  // position 12 came into position 2
}

TEST(RicercaAbbinamenti, ManualEmptySlotMatchesMissingNumbers) {
  const EsitoStatistica e = Statistica({"0210111213", "0230313233", "0230003233"});
  ParametriAbbinamenti p = Parametri(ModoAbbinamenti::Manuale, 2, {"2", "", ""});
  p.AmboCapigioco = false;
  p.Abbinamenti = {"10", "", "", "", ""};
  EXPECT_EQ(RicercaAbbinamenti(p, e).AmboSecco, 2);  // slot 2 pairs with 0, the missing number of the third block
}

TEST(RicercaAbbinamenti, RefusesWithoutAmbataOrWins) {
  ParametriAbbinamenti p = Parametri(ModoAbbinamenti::Auto, 3, {"2", "20", ""});
  EXPECT_EQ(RicercaAbbinamenti(p, Statistica({})).Errore, ErroreAbbinamenti::NessunaVincita);
  p.Attive = {false, false, false};
  EXPECT_EQ(RicercaAbbinamenti(p, Statistica({"0210111213"})).Errore, ErroreAbbinamenti::NessunaAmbataAttiva);
}

}  // namespace
}  // namespace ruotario
