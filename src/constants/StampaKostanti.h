#pragma once
// The two heading lines of a printed constants method table: the choices of
// the statistic shown, and its summary figures.

#include "constants/StatisticaKostanti.h"
#include "spy/IntestazioniStampa.h"

namespace ruotario {

// Titolo: wheel, spy number and place, colpi, active ambate and span.
// Sottotitolo: wins out of concluded cases, win percentage and mean colpo, as
// the summary of "Dettaglio Ricerca" writes them.
IntestazioneStampa IntestazioneKostanti(const ParametriStatistica& p, const EsitoStatistica& e);

}  // namespace ruotario
