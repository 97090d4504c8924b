#pragma once
// What every study command does the same way: load the archive it runs over
// and settle the span of records.

#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>
#include <string>

#include "archive/ArchivioEstrazioni.h"

namespace ruotario::cli {

// The archive of a study; nullopt, with the reason on `err`, when the file is
// missing or holds no draw.
std::optional<ArchivioEstrazioni> CaricaArchivioStudio(const std::string& percorso, std::ostream& err);

struct Periodo {
  int Inizio = 1;
  int Fine = 1;
};

// The span from --inizio and --fine (already read): both within 1..conta, the
// start not after the end; defaults `inizioPredefinito` and the last record.
// Throws ErroreUso otherwise.
Periodo PeriodoStudio(std::optional<int> inizio, std::optional<int> fine, int inizioPredefinito, int conta);

// A whole number, or null when empty.
nlohmann::ordered_json JsonOpzionale(const std::optional<int>& v);

}  // namespace ruotario::cli
