#include "constants/ScelteKostanti.h"

#include <gtest/gtest.h>

namespace ruotario {
namespace {

// The window's defaults on a 7,370-draw archive.
TestiKostanti Predefiniti() {
  return {.Ruota = "Bari",
          .Spia = "1",
          .Posizione = "TUTTE",
          .Colpi = "9",
          .Inizio = "3594: 05/01/1985",
          .Fine = "7370: 27/08/2026",
          .Ambate = {"2", "20", "1"},
          .ContaRecord = 7370};
}

// Ruota, spy, place, colpi, span and the three ambate, in that order.
std::array<int, 9> Letti(const ParametriStatistica& p) {
  return {p.Ruota, p.NumeroSpia, p.Posizione, p.Colpi, p.Inizio, p.Fine, p.Ambata[0], p.Ambata[1], p.Ambata[2]};
}

TEST(LeggiScelteKostanti, ListTextsAsTheWindowShowsThemAndTypedForms) {
  ScelteKostanti s = LeggiScelteKostanti(Predefiniti());
  ASSERT_EQ(s.Errore, "");
  EXPECT_EQ(Letti(s.Parametri), (std::array{1, 1, 0, 9, 3594, 7370, 2, 20, 1}));
  // The span the window and the command line start from.
  EXPECT_EQ((std::array{InizioPredefinitoKostanti(3593), InizioPredefinitoKostanti(3594)}), (std::array{1, 3594}));
  // Any case, blanks around, a bare record number; inactive boxes are not checked.
  const TestiKostanti t = {.Ruota = " venezia ",
                           .Spia = " 90",
                           .Posizione = "3",
                           .Colpi = "99",
                           .Inizio = "1",
                           .Fine = "12",
                           .Ambate = {"90", "", "x"},
                           .Attive = {true, false, false},
                           .ContaRecord = 7370};
  s = LeggiScelteKostanti(t);
  ASSERT_EQ(s.Errore, "");
  EXPECT_EQ(Letti(s.Parametri), (std::array{10, 90, 3, 99, 1, 12, 90, 0, 0}));
  EXPECT_EQ(s.Parametri.Attiva, (std::array<bool, 3>{true, false, false}));
}

TEST(LeggiScelteKostanti, AWrongFieldIsNamedInTheMessage) {
  const std::string numero = "scegliere un numero da 1 a ", ambata = "scrivere un numero da 1 a 90",
                    estrazione = "scegliere un'estrazione da 1 a 7370";
  const struct {
    std::string TestiKostanti::*campo;  // null: the third ambata, made active
    const char* valore;
    std::string nome, regola;
  } casi[] = {
      {&TestiKostanti::Spia, "91", "Numero Spia", numero + "90"},
      {&TestiKostanti::Colpi, "0", "Colpi", numero + "99"},
      {&TestiKostanti::Colpi, "9a", "Colpi", numero + "99"},
      {&TestiKostanti::Ruota, "Bar", "Ruota", "scegliere una ruota dall'elenco"},
      {&TestiKostanti::Posizione, "6", "Posizione", "TUTTE oppure un numero da 1 a 5"},
      {&TestiKostanti::Inizio, "7371: 01/01/2027", "Estrazione Inizio Ricerca", estrazione},
      {&TestiKostanti::Fine, "ieri", "Estrazione Fine Ricerca", estrazione},
      {nullptr, "-1", "TERZA AMBATA", ambata},
      {nullptr, "0", "TERZA AMBATA", ambata},
      {nullptr, "95", "TERZA AMBATA", ambata},
  };
  for (const auto& c : casi) {
    TestiKostanti t = Predefiniti();
    if (c.campo) {
      t.*c.campo = c.valore;
    } else {
      t.Attive[2] = true;
      t.Ambate[2] = c.valore;
    }
    EXPECT_EQ(LeggiScelteKostanti(t).Errore,
              c.nome + ": \"" + c.valore + "\" non è un valore valido (" + c.regola + ").");
  }
  TestiKostanti t = Predefiniti();
  t.Ambate[1] = "";
  EXPECT_EQ(LeggiScelteKostanti(t).Errore,
            "AMBATA SECONDARIA: \"\" non è un valore valido (scrivere un numero da 1 a 90).");
  t.Variata = 1;  // the best-ambata search fills it itself
  EXPECT_EQ(LeggiScelteKostanti(t).Errore, "");
  t = Predefiniti();
  t.Inizio = t.Fine = "7000";  // a span of one draw
  EXPECT_EQ(LeggiScelteKostanti(t).Errore, "");
  t.Inizio = "7000";
  t.Fine = "3594";
  EXPECT_EQ(LeggiScelteKostanti(t).Errore,
            "L'estrazione di inizio ricerca (7000) viene dopo quella di fine ricerca (3594): scegliere un inizio che "
            "non superi la fine.");
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
