#include "constants/StampaKostanti.h"

#include <gtest/gtest.h>

namespace ruotario {
namespace {

TEST(IntestazioneKostanti, ChoicesAndSummaryFigures) {
  ParametriStatistica p;
  p.Ruota = 8;
  p.NumeroSpia = 17;
  p.Posizione = 3;
  p.Colpi = 12;
  p.Inizio = 3594;
  p.Fine = 7370;
  p.Ambata = {2, 20, 5};
  p.Attiva = {true, false, true};
  EsitoStatistica e;
  e.Riepilogo =
      "CASI GIOCABILI: 4\r\nCASI VINCENTI: 2 su: 3\r\n%PERC. VINCITA: 66.666%\r\nMEDIA COLPI VINCITA: 1.5\r\n"
      "***PREVISIONE IN GIOCO DA COLPI: 0";
  const IntestazioneStampa i = IntestazioneKostanti(p, e);
  EXPECT_EQ(i.Titolo, "KOSTANTI - Ruota: Roma - Spia: 17 (pos. 3) - Colpi: 12 - Ambate: 02 05 - Estr. 3594-7370");
  EXPECT_EQ(i.Sottotitolo, "CASI VINCENTI: 2 su: 3  %PERC. VINCITA: 66.666%  MEDIA COLPI VINCITA: 1.5");
  e.Riepilogo = "CASI GIOCABILI: 0\r\nCASI VINCENTI: 0 su: 0\r\n%PERC. VINCITA: 0%\r\nMEDIA COLPI VINCITA: .";
  p.Posizione = 0;
  EXPECT_EQ(IntestazioneKostanti(p, e).Sottotitolo,
            "CASI VINCENTI: 0 su: 0  %PERC. VINCITA: 0%  MEDIA COLPI VINCITA: .");
  EXPECT_NE(IntestazioneKostanti(p, e).Titolo.find("Spia: 17 (TUTTE)"), std::string::npos);
}

}  // namespace
}  // namespace ruotario
