#pragma once
// The chance baseline on the command line (--caso): JSON objects and text.

#include <nlohmann/json.hpp>

#include <string>

#include "stats/BaseCaso.h"
#include "stats/BaseCasoMiglioreAmbata.h"
#include "stats/FuoriCampione.h"

namespace ruotario::cli {

// A probability as text: three significant digits, "1" and "0" plain.
std::string TestoProbabilita(double p);

// Keys: atteso, atteso_percentuale, massimo_atteso, massimo_atteso_percentuale,
// massimo_95, massimo_95_percentuale, migliore, p_migliore, testo.
nlohmann::ordered_json JsonBaseCasoSpia(const BaseCasoSpia& b);
// Keys: studi, casi, atteso_percentuale, massimo_atteso_percentuale, massimo_95_percentuale, testo.
nlohmann::ordered_json JsonBaseCasoZevedive(const BaseCasoZevedive& b);
// Keys: ambate, casi, vincenti, atteso, atteso_percentuale, osservato_percentuale, p, testo.
nlohmann::ordered_json JsonBaseCasoKostanti(const BaseCasoKostanti& b, double osservata);
// The winner's keys as above (its testo judging it against the best of the
// candidates run), and candidati, massimo_atteso_percentuale,
// massimo_95_percentuale, p_migliore.
nlohmann::ordered_json JsonBaseCasoMiglioreAmbata(const BaseCasoMiglioreAmbata& b, double osservata);
// The out-of-sample check: the two spans, the winner, and per span the
// statistic's figures beside the chance ones.
nlohmann::ordered_json JsonFuoriCampione(const EsitoFuoriCampione& e, double quota);
std::string TestoFuoriCampione(const EsitoFuoriCampione& e, double quota);

}  // namespace ruotario::cli
