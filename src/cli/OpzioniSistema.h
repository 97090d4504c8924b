#pragma once
// What the subcommands of "sistema" share: the options that name numbers,
// wheels and money, the system read from a file or standard input, and the
// tables printed in the chosen format.

#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Argomenti.h"
#include "systems/Colonne.h"
#include "systems/TestiSistema.h"

namespace ruotario::cli {

// --numeri LIST ("1-10,23,45"); nullopt when absent. Throws on a bad list.
std::optional<std::vector<int>> OpzioneNumeri(Argomenti& a);
// A sum of money such as "1", "0.50" or "0,50", greater than zero.
double OpzionePosta(Argomenti& a);
// --ruote LIST|tutte: names or 1..10 separated by commas; default Bari.
std::vector<int> OpzioneRuote(Argomenti& a);

// The system of the FILE named after the options, or of standard input when
// none (or "-") is given; nullopt, with the reason on `err`, when it cannot be read.
std::optional<Sistema> LeggiSistemaIndicato(Argomenti& a, std::ostream& err);

void StampaTabella(const TabellaSistema& t, Formato formato, std::ostream& out);
nlohmann::ordered_json JsonColonne(const Sistema& colonne);
// "Bari, Napoli"
std::string NomiRuote(const std::vector<int>& ruote);

}  // namespace ruotario::cli
