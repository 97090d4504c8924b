#pragma once
// What an update did, in Italian: the short summary the window and the
// command line show, and the full report with every list.

#include <string>

#include "update/Aggiornamento.h"

namespace ruotario {

// A few lines: draws added (first and last date), conflicts, rejected lines
// (the first quoted), the Nazionale, where the backup is.
std::string RiepilogoAggiornamento(const EsitoAggiornamento& esito);

// The summary followed by the sources read and every list: dates added,
// inserted and missing, conflicts with both versions, rejected lines,
// repeats, dates out of order, dates only in the archive.
std::string RapportoAggiornamento(const EsitoAggiornamento& esito);

}  // namespace ruotario
