#include "archive/VerificaArchivio.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;

TEST(ControllaValidita, LineLengthsAndLastDate) {
  EsitoValidita v = ControllaValidita(Unisci({kR1, kR2}));
  EXPECT_TRUE(v.Valido);
  EXPECT_EQ(v.Righe, 2);
  EXPECT_EQ(v.DataUltima, "14/01/1939");
  EXPECT_TRUE(ControllaValidita(Unisci({kR1, kR2.substr(0, 120)})).Valido);
  EXPECT_FALSE(ControllaValidita(Unisci({kR1.substr(0, 119), kR2})).Valido);
  EXPECT_FALSE(ControllaValidita(Unisci({kR1, "", kR2})).Valido);
  EXPECT_FALSE(ControllaValidita("").Valido);  // nothing to import
  CartellaTemporanea dir;
  EXPECT_FALSE(ControllaValiditaFile(dir.File("manca.txt")).Esiste);
  EXPECT_TRUE(ControllaValiditaFile(dir.Scrivi("a.txt", kR1)).Valido);
}

TEST(ElencaProblemi, ReportsEachFaultByLine) {
  std::string ripetuto = RecordBari("21/01/1939", {5, 6, 5, 0, 0});
  std::string fuori = RecordBari("28/01/1939", {91, 6, 7, 8, 9});
  fuori[13] = 'x';  // Bari place 2 becomes "x6"
  const std::string testo = Unisci({kR1, RecordBari("31/02/1939", {1, 2, 3, 4, 5}),
                                    RecordBari("01/01/1939", {1, 2, 3, 4, 5}), ripetuto, fuori, kR2.substr(0, 60)});
  const auto p = ElencaProblemi(testo);
  std::vector<std::pair<int, TipoProblema>> visti;
  for (const auto& x : p) visti.emplace_back(x.Riga, x.Tipo);
  const std::vector<std::pair<int, TipoProblema>> attesi = {
      {2, TipoProblema::DataNonValida},         {3, TipoProblema::DataIndietro},
      {4, TipoProblema::NumeroRipetuto},        {5, TipoProblema::NumeroFuoriIntervallo},
      {5, TipoProblema::NumeroFuoriIntervallo}, {6, TipoProblema::Lunghezza},
      {6, TipoProblema::DataIndietro},
  };
  EXPECT_EQ(visti, attesi);
  EXPECT_TRUE(ElencaProblemi(Unisci({kR1, kR2})).empty());
}
