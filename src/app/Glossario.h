#pragma once
// The glossary text shown by the glossary window.

#include <optional>
#include <string>

namespace ruotario {

// Every line of the file followed by a line break, or nothing when the file is
// missing or cannot be read.
std::optional<std::string> LeggiGlossario(const std::string& percorso);

inline constexpr const char* kGlossarioMancante =
    "Il glossario non è disponibile: il file termini.txt manca nella cartella del programma o non si può leggere.";

}  // namespace ruotario
