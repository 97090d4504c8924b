#include "constants/ScelteKostanti.h"

#include <gtest/gtest.h>

namespace ruotario {
namespace {

// The window's defaults on a 7,370-draw archive.
TestiKostanti Predefiniti() {
  TestiKostanti t;
  t.Ruota = "Bari";
  t.Spia = "1";
  t.Posizione = "TUTTE";
  t.Colpi = "9";
  t.Inizio = "3594: 05/01/1985";
  t.Fine = "7370: 27/08/2026";
  t.Ambate = {"2", "20", "1"};
  t.ContaRecord = 7370;
  return t;
}

TEST(LeggiScelteKostanti, ListTextsAsTheWindowShowsThem) {
  ScelteKostanti s = LeggiScelteKostanti(Predefiniti());
  ASSERT_EQ(s.Errore, "");
  EXPECT_EQ(s.Parametri.Ruota, 1);
  EXPECT_EQ(s.Parametri.NumeroSpia, 1);
  EXPECT_EQ(s.Parametri.Posizione, 0);
  EXPECT_EQ(s.Parametri.Colpi, 9);
  EXPECT_EQ(s.Parametri.Inizio, 3594);
  EXPECT_EQ(s.Parametri.Fine, 7370);
  EXPECT_EQ(s.Parametri.Ambata, (std::array<int, 3>{2, 20, 1}));

  // Typed forms: any case, blanks around, a bare record number, a position.
  TestiKostanti t = Predefiniti();
  t.Ruota = " venezia ";
  t.Posizione = "3";
  t.Spia = " 90";
  t.Colpi = "99";
  t.Inizio = "1";
  t.Fine = "12";
  t.Ambate = {"95", "", "x"};  // above 90 is brought back by the statistic; inactive boxes are not checked
  t.Attive = {true, false, false};
  s = LeggiScelteKostanti(t);
  ASSERT_EQ(s.Errore, "");
  EXPECT_EQ(s.Parametri.Ruota, 10);
  EXPECT_EQ(s.Parametri.Posizione, 3);
  EXPECT_EQ(s.Parametri.NumeroSpia, 90);
  EXPECT_EQ(s.Parametri.Colpi, 99);
  EXPECT_EQ(s.Parametri.Inizio, 1);
  EXPECT_EQ(s.Parametri.Fine, 12);
  EXPECT_EQ(s.Parametri.Ambata, (std::array<int, 3>{95, 0, 0}));
  EXPECT_EQ(s.Parametri.Attiva, (std::array<bool, 3>{true, false, false}));
}

TEST(LeggiScelteKostanti, AWrongFieldIsNamedInTheMessage) {
  const struct {
    void (*cambia)(TestiKostanti&);
    const char* messaggio;
  } casi[] = {
      {[](TestiKostanti& t) { t.Spia = "abc"; },
       "Numero Spia: \"abc\" non è un valore valido (scegliere un numero da 1 a 90)."},
      {[](TestiKostanti& t) { t.Spia = "91"; },
       "Numero Spia: \"91\" non è un valore valido (scegliere un numero da 1 a 90)."},
      {[](TestiKostanti& t) { t.Colpi = "0"; }, "Colpi: \"0\" non è un valore valido (scegliere un numero da 1 a 99)."},
      {[](TestiKostanti& t) { t.Colpi = "150"; },
       "Colpi: \"150\" non è un valore valido (scegliere un numero da 1 a 99)."},
      {[](TestiKostanti& t) { t.Colpi = "9a"; },
       "Colpi: \"9a\" non è un valore valido (scegliere un numero da 1 a 99)."},
      {[](TestiKostanti& t) { t.Ruota = "Bar"; },
       "Ruota: \"Bar\" non è un valore valido (scegliere una ruota dall'elenco)."},
      {[](TestiKostanti& t) { t.Posizione = "6"; },
       "Posizione: \"6\" non è un valore valido (TUTTE oppure un numero da 1 a 5)."},
      {[](TestiKostanti& t) { t.Inizio = "7371: 01/01/2027"; },
       "Estrazione Inizio Ricerca: \"7371: 01/01/2027\" non è un valore valido (scegliere un'estrazione da 1 a "
       "7370)."},
      {[](TestiKostanti& t) { t.Fine = "ieri"; },
       "Estrazione Fine Ricerca: \"ieri\" non è un valore valido (scegliere un'estrazione da 1 a 7370)."},
      {[](TestiKostanti& t) { t.Ambate[1] = ""; },
       "AMBATA SECONDARIA: \"\" non è un valore valido (scrivere un numero da 1 a 90)."},
      {[](TestiKostanti& t) {
         t.Attive[2] = true;
         t.Ambate[2] = "-1";
       },
       "TERZA AMBATA: \"-1\" non è un valore valido (scrivere un numero da 1 a 90)."},
      {[](TestiKostanti& t) { t.Inizio = "7000"; },
       "L'estrazione di inizio ricerca (7000) viene dopo quella di fine ricerca (3594): scegliere un inizio che non "
       "superi la fine."},
  };
  for (const auto& c : casi) {
    TestiKostanti t = Predefiniti();
    t.Fine = "3594";
    c.cambia(t);
    EXPECT_EQ(LeggiScelteKostanti(t).Errore, c.messaggio);
  }
}

TEST(LeggiScelteKostanti, NoActiveAmbataComesFirstThenTheEmptyArchive) {
  TestiKostanti t = Predefiniti();
  t.ContaRecord = 0;
  t.Spia = "abc";
  EXPECT_EQ(LeggiScelteKostanti(t).Errore, kMsgArchivioVuoto);
  t.Attive = {false, false, false};
  EXPECT_EQ(LeggiScelteKostanti(t).Errore, kMsgNessunaAmbata);
}

}  // namespace
}  // namespace ruotario
