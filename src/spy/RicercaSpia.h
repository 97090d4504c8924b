#pragma once
// The spy study: walks the span oldest first, opens a case at every draw in
// which the spy comes out, and counts the numbers of the following `Colpi`
// draws on the same wheel. Cases never overlap; the draw after the last
// watched one closes the case and is neither counted nor tested.

#include <functional>
#include <string>

#include "archive/ArchivioEstrazioni.h"
#include "spy/EsitoRicerca.h"
#include "spy/ParametriRicerca.h"

namespace ruotario {

// Told the running TotaleEstrazioni after every examined draw.
using Avanzamento = std::function<void(int esaminate)>;

// Runs one study over an archive already in memory. Percentuale is filled too.
EsitoRicerca RicercaSpia(const ParametriRicerca& parametri, const ArchivioEstrazioni& archivio,
                         const Avanzamento& avanzamento = {});

// Reads the archive at `percorso` afresh and runs the study; a missing file
// reads as an empty archive (no draw examined).
EsitoRicerca RicercaSpia(const ParametriRicerca& parametri, const std::string& percorso,
                         const Avanzamento& avanzamento = {});

}  // namespace ruotario
