#pragma once
// The ledger of forecasts: an SQLite database, previsioni.sqlite, beside the
// archive (never inside it). Every change is one transaction, so a crash or a
// kill leaves each forecast whole or absent. The state stored with a forecast
// is only a cache of SaldaPrevisione: reading through SaldaRegistro always
// recomputes it from the archive.
//
// Each routine opens the database for one operation and closes it at its end.
// A missing file is an empty ledger; it is created by the first forecast saved.

#include <string>
#include <utility>
#include <vector>

#include "archive/ArchivioEstrazioni.h"
#include "forecasts/Previsione.h"

namespace ruotario {

inline constexpr const char* kNomeRegistro = "previsioni.sqlite";
// The layout of the tables; a ledger written by a later version is not touched.
inline constexpr int kVersioneRegistro = 1;

// previsioni.sqlite in the archive's folder.
std::string PercorsoRegistro(const std::string& percorsoArchivio);

struct LetturaRegistro {
  std::vector<VocePrevisione> Voci;  // by Id; Stato as last stored
  std::string Errore;                // empty when the ledger could be read
};
LetturaRegistro LeggiRegistro(const std::string& percorso);

struct EsitoAggiunta {
  long long Id = 0;
  std::string Errore;  // why nothing was saved (a wrong forecast, the database)
};
// Saves `p` (normalised; Salvata set to now when empty) with its state.
EsitoAggiunta AggiungiPrevisione(const std::string& percorso, Previsione p, const StatoPrevisione& stato = {});

// Removes the forecast; an error when it is not in the ledger.
std::string EliminaPrevisione(const std::string& percorso, long long id);

// Stores the cached states of several forecasts in one transaction.
std::string SalvaStati(const std::string& percorso, const std::vector<std::pair<long long, StatoPrevisione>>& stati);

struct RegistroSaldato {
  std::vector<VocePrevisione> Voci;  // states recomputed from the archive
  int NuoveSaldate = 0;              // stored as in play, now won or expired
  std::string Errore;                // reading failed (Voci empty)
  std::string ErroreCache;           // the new states could not be stored
};
// Reads the ledger, settles every forecast on `archivio` and stores the states that changed.
RegistroSaldato SaldaRegistro(const std::string& percorso, const ArchivioEstrazioni& archivio);

}  // namespace ruotario
