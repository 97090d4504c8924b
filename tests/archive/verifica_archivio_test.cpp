#include "archive/VerificaArchivio.h"

#include <gtest/gtest.h>

#include "support/ArchiviDifettosi.h"
#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;

TEST(ControllaValidita, LineLengthsAndLastDate) {
  // More shapes in TheDamagedShapesOfADisk.
  const EsitoValidita v = ControllaValidita(Unisci({kR1, kR2.substr(0, 120)}));
  EXPECT_TRUE(v.Valido && v.Righe == 2 && v.DataUltima == "14/01/1939");
  EXPECT_FALSE(ControllaValidita(Unisci({kR1, "", kR2})).Valido);
  CartellaTemporanea dir;
  EXPECT_FALSE(ControllaValiditaFile(dir.File("manca.txt")).Esiste);
  EXPECT_TRUE(ControllaValiditaFile(dir.Scrivi("a.txt", kR1)).Valido);
}

TEST(ElencaProblemi, ReportsEachFaultByLine) {
  std::string ripetuto = RecordBari("21/01/1939", {5, 6, 5, 0, 0});
  std::string fuori = RecordBari("28/01/1939", {91, 6, 7, 8, 9});
  fuori[13] = '\xE9';  // Bari place 2 becomes a byte that cannot be printed
  const std::string testo =
      Unisci({kR1, RecordBari("31/02/1939", {1, 2, 3, 4, 5}), RecordBari("01/01/1939", {1, 2, 3, 4, 5}), ripetuto,
              fuori, kR2.substr(0, 60), RecordBari("14/01/1939", {1, 2, 3, 4, 5})});
  const ElencoProblemi p = ElencaProblemi(testo);
  std::vector<std::pair<int, TipoProblema>> visti;
  for (const auto& x : p.Primi) visti.emplace_back(x.Riga, x.Tipo);
  const std::vector<std::pair<int, TipoProblema>> attesi = {
      {2, TipoProblema::DataNonValida},         {3, TipoProblema::DataIndietro},
      {4, TipoProblema::NumeroRipetuto},        {5, TipoProblema::NumeroFuoriIntervallo},
      {5, TipoProblema::NumeroFuoriIntervallo}, {6, TipoProblema::Lunghezza},
      {6, TipoProblema::DataIndietro},          {7, TipoProblema::DataRipetuta},
  };
  EXPECT_EQ(visti, attesi);
  EXPECT_EQ(p.Primi[4].Descrizione, "Bari 2° est.: \"\\xE96\" fuori da 00..90");
  EXPECT_EQ(p.Primi[7].Descrizione, "data 14/01/1939 uguale a quella della riga prima");
  EXPECT_TRUE(ElencaProblemi(Unisci({kR1, kR2})).Nessuno());
}

TEST(ElencaProblemi, ListsTheFirstAndCountsTheRest) {
  const std::string rotte = Unisci(std::vector<std::string>(1000, kR1.substr(0, 50)));
  const ElencoProblemi p = ElencaProblemi(rotte, 30);
  EXPECT_EQ(p.Primi.size(), 30u);
  EXPECT_EQ(p.Totale, 1000 + 999);  // a short line each, and each date the same as the line above
  EXPECT_EQ(p.PerTipo[static_cast<std::size_t>(TipoProblema::Lunghezza)], 1000);
  EXPECT_EQ(p.PerTipo[static_cast<std::size_t>(TipoProblema::DataRipetuta)], 999);
  EXPECT_EQ(TestoStampabile(std::string("a\0\\\x7f\xff", 5)), "a\\x00\\x5C\\x7F\\xFF");
}

TEST(ElencaProblemi, TheDamagedShapesOfADisk) {
  for (const auto& a : ArchiviDifettosi()) {
    EXPECT_EQ(ControllaValidita(a.testo).Valido, a.valido) << a.nome;
    EXPECT_TRUE(a.problemi < 0 || ElencaProblemi(a.testo).Totale == a.problemi) << a.nome;
  }
}
