#pragma once
// The writers of the archive file: compose a record from the entry grid,
// append it, read or rewrite one record in place, replace the whole file.
// Every write is flushed to disk and all-or-nothing.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ruotario {

struct DataEstrazione {
  int giorno = 1;
  int mese = 1;
  int anno = 1900;
};

// The 10 × 5 cell texts of an entry grid: [wheel 0..9][place 0..4].
using CelleRuote = std::array<std::array<std::string, 5>, 10>;

struct RecordComposto {
  std::string Record;
  bool Errore = false;  // some cell was empty, not a number 1..90
};

// Builds the record and normalises the cell texts in place ("5" → "05",
// empty or above 90 → "00"). A text longer than two characters whose value
// is a number 1..90 is written as its two digits, so the record keeps its layout.
RecordComposto ComponiRecord(const DataEstrazione& data, CelleRuote& celle);

struct EsitoScrittura {
  bool Riuscita = true;
  std::string Messaggio;  // Italian, for the user, when not riuscita
  explicit operator bool() const { return Riuscita; }
};

// Appends a record as the new last line. No empty record is ever created: an
// empty file gets no leading line break, a file already ending in one gets
// none more. On failure the file is restored to its previous length.
EsitoScrittura AccodaRecord(const std::string& percorso, std::string_view record);

// Record i (1-based) read at its byte offset; nullopt when it cannot be read.
std::optional<std::string> LeggiRecord(const std::string& percorso, int i);

// Overwrites record i in place (padded or cut to 121 characters). Refuses,
// writing nothing, when the file does not have the fixed layout or cannot be
// written. Only the record's bytes change, but the file is replaced whole
// (SostituisciFile), so a failure or a kill never leaves it half corrected.
EsitoScrittura RiscriviRecord(const std::string& percorso, std::string record, int i, bool ultimo);

// Replaces the whole file with `contenuto` through a temporary file (by default
// the path followed by ".tmp"; it must be on the same file system) and an
// atomic rename, so the old file stays whole until the new one is complete.
// The temporary file never outlives the call.
EsitoScrittura SostituisciFile(const std::string& percorso, std::string_view contenuto,
                               const std::string& temporaneo = {});

}  // namespace ruotario
