#pragma once
// The best-ambata search checked out of sample: the search runs on the first
// part of the span only, and the winner's statistic is then taken on the rest,
// which the search never saw. A winner that only fitted the past falls back
// towards its chance figure there.

#include <optional>

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

}  // namespace ruotario
