#pragma once
// Options shared by the constants method commands, and the output of a
// verification statistic in the three formats.

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

#include "archive/ArchivioEstrazioni.h"
#include "cli/Argomenti.h"
#include "constants/StatisticaKostanti.h"

namespace ruotario::cli {

struct OpzioniKostanti {
  std::string Percorso;
  Formato FormatoUscita = Formato::Testo;
  ArchivioEstrazioni Archivio;
  ParametriStatistica Parametri;
};

// --posizione: 1..5, or 0 for "tutte" (the default).
int LeggiPosizione(Argomenti& a);
// --kostante | --ambate and --attive into the statistic's ambate (the constant 200 by default).
void LeggiAmbate(Argomenti& a, ParametriStatistica& p);

// Reads --archivio, --formato, --ruota, --inizio, --fine, --colpi, --spia,
// --posizione, --kostante | --ambate and --attive, and loads the archive.
// Throws ErroreUso on a bad option; false (message on err) when the archive is missing.
bool LeggiOpzioniKostanti(Argomenti& a, std::ostream& err, OpzioniKostanti& o);

// The statistic as JSON object (field names as in EsitoStatistica; number rows in number order).
nlohmann::ordered_json JsonStatistica(const EsitoStatistica& e);
// The statistic as text (report, winning draws, both number tables) or CSV (both number tables).
void StampaStatistica(const EsitoStatistica& e, Formato formato, std::ostream& out);

// CR LF of the reports as plain line ends for the terminal.
std::string RigheTerminale(const std::string& testo);

}  // namespace ruotario::cli
