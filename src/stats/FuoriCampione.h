#pragma once
// The best-ambata search checked out of sample: the search runs on the first
// part of the span only, and the winner's statistic is then taken on the rest,
// which the search never saw. A winner that only fitted the past falls back
// towards its chance figure there.

#include <optional>
#include <string>
#include <string_view>

#include "constants/MiglioreAmbata.h"
#include "stats/BaseCaso.h"

namespace ruotario {

inline constexpr double kQuotaCampione = 0.7;

struct DivisionePeriodo {
  int InizioCampione = 0;  // record numbers, both ends included
  int FineCampione = 0;
  int InizioVerifica = 0;
  int FineVerifica = 0;
};

// Splits the records inizio..fine that exist in an archive of `conta` records:
// the first floor(n * quota) go to the search, the rest to the check, each part
// keeping at least one record. Empty when fewer than two records are in the
// span or the quota is not strictly between 0 and 1.
std::optional<DivisionePeriodo> DividiPeriodo(int inizio, int fine, int conta, double quota);

struct EsitoFuoriCampione {
  DivisionePeriodo Periodi;
  EsitoMiglioreAmbata Ricerca;    // the search on the first part, with its winner's statistic there
  EsitoStatistica Verifica;       // the winner on the rest, percentages filled
  BaseCasoKostanti CasoCampione;  // chance on the first part's cases
  BaseCasoKostanti CasoVerifica;  // chance on the rest's cases
};

enum class ErroreFuoriCampione { Nessuno, NessunaAmbataAttiva, PeriodoTroppoCorto };

struct RisultatoFuoriCampione {
  ErroreFuoriCampione Errore = ErroreFuoriCampione::Nessuno;
  EsitoFuoriCampione Esito;
};

RisultatoFuoriCampione CercaFuoriCampione(const ParametriMiglioreAmbata& p, const ArchivioEstrazioni& archivio,
                                          double quota = kQuotaCampione, const RichiestaStop& fermare = {},
                                          const AvanzamentoCandidati& avanzamento = {});

// The line the constants window shows after a best-ambata search, with the
// given decimal separator:
// "Fuori campione: cercata sul primo 70% del periodo, l'ambata 48 vince il 72,4%;
//  sul restante 30% vince il 64,0% (per puro caso 64,5%)"; the rest may also
// have "nessun caso si è concluso".
std::string TestoRigaFuoriCampione(const EsitoFuoriCampione& e, double quota, char separatore = '.');

inline constexpr std::string_view kSpiegazioneFuoriCampione =
    "La ricerca è ripetuta sulla prima parte del periodo e l'ambata che vince lì è poi provata sul resto, che la "
    "ricerca non ha visto. Se sul resto la sua percentuale torna vicina a quella del puro caso, il successo della "
    "ricerca veniva dal periodo scelto e non dal metodo.";

}  // namespace ruotario
