#pragma once
// A method replayed forward in time against chance. At a draw D the method is
// run on the draws from StudioDa up to D only and forecasts an estratto on its
// wheel for the Colpi records after D; the forecast is settled on them, and
// the next one is made at the draw where it was settled (won or expired), so
// forecasts never overlap and are independent trials by chance.
//
// The methods keep their statistics draw by draw instead of rerunning the
// study at every D: the whole replay costs a few studies over the archive.

#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "archive/ArchivioEstrazioni.h"
#include "constants/StatisticaKostanti.h"
#include "forecasts/ProbabilitaPrevisione.h"
#include "print/Grafico.h"
#include "spy/ParametriRicerca.h"

namespace ruotario {

enum class MetodoVerifica {
  Ritardatario,  // the number with the longest current delay on the wheel (the smallest on a tie)
  Spia,          // the spy study's best number, where the study opens a case
  Kostanti,      // the constants method's active ambate, where its statistic opens a case
  Zevedive       // ZevedIVE's first number, with the draw D as spy draw
};

// "ritardatario", "spia", "kostanti", "zevedive".
std::string_view NomeMetodo(MetodoVerifica m);
std::optional<MetodoVerifica> MetodoDaNome(std::string_view nome);

struct ParametriVerifica {
  MetodoVerifica Metodo = MetodoVerifica::Spia;
  int Ruota = 1;
  int Colpi = 9;
  int StudioDa = 1;                            // first record the method studies
  int Inizio = 1;                              // first draw at which a forecast may be made (not before StudioDa)
  int Fine = std::numeric_limits<int>::max();  // last draw at which one may be made
  // The spy study's own choices (its wheel, colpi and span come from above).
  ParametriRicerca Spia;
  // The constants statistic's own choices: spy number, place, ambate and which are active.
  ParametriStatistica Kostanti;
  // ZevedIVE: how many successors of each study are summed.
  bool SoloTop = true;
  int Top = 2;
};

struct PrevisioneVerifica {
  int Record = 0;  // the draw D it is made at
  std::vector<int> Numeri;
  double Probabilita = 0.0;  // chance of winning on the Colpi draws after D as they were drawn
  bool Vinta = false;
  int Colpo = 0;        // the winning colpo, or Colpi
  int RecordEsito = 0;  // the draw at which it was settled
};

struct EsitoVerifica {
  int Inizio = 0;  // the span actually replayed (forecasts made from Inizio to Fine)
  int Fine = 0;
  std::vector<PrevisioneVerifica> Previsioni;
  RiepilogoCaso Caso;  // wins against the expected number and the tail probability
};

EsitoVerifica VerificaMetodo(const ParametriVerifica& p, const ArchivioEstrazioni& archivio);

// The cumulative curves of a replay: after forecast i (0-based) the wins so
// far and the wins expected by chance so far.
struct PuntoCurva {
  int Record = 0;
  int Vinte = 0;
  double Attese = 0.0;
};
std::vector<PuntoCurva> CurvaCumulata(const EsitoVerifica& e);

// The chart of a replay: the wins so far against the wins chance alone would
// give so far, forecast after forecast, each under the year it was made in.
Grafico GraficoVerifica(const EsitoVerifica& e, const ArchivioEstrazioni& archivio, std::string_view titolo);

}  // namespace ruotario
