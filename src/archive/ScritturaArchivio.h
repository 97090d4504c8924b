#pragma once
// The writers of the archive file: compose a record from the entry grid,
// append it, read or correct one record, replace the whole file. Every write
// is flushed to disk and all-or-nothing, and every writer of the archive holds
// its lock (BloccoArchivio) from what it reads to what it writes.

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "archive/BloccoArchivio.h"

namespace ruotario {

class ArchivioEstrazioni;

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

// A check made under the archive's lock on the archive as it stands right
// before the append; a non-empty text refuses the append with that message.
using ControlloAccodamento = std::function<std::string(const ArchivioEstrazioni&)>;

// Appends a record as the new last line, creating the archive when there is
// none. No empty record is ever created: an empty file gets no leading line
// break, a file already ending in one gets none more. On failure the file is
// restored to its previous length (and a file created for it is removed).
EsitoScrittura AccodaRecord(const std::string& percorso, std::string_view record,
                            const ControlloAccodamento& controllo = {},
                            std::chrono::milliseconds attesa = kAttesaBlocco);
// The same, for a caller that already holds the archive's lock.
EsitoScrittura AccodaRecord(const BloccoArchivio& blocco, std::string_view record);

// Record i (1-based) read at its byte offset; nullopt when it cannot be read.
std::optional<std::string> LeggiRecord(const std::string& percorso, int i);

// Whether record i can be corrected, asked before the user types anything: the
// refusal says why and what to do (a folder or file that cannot be written, an
// archive with several hard links, a line not of 121 characters).
EsitoScrittura ControllaCorrezione(const std::string& percorso, int i);

// Corrects record i: under the lock the file is read again, line i is found by
// its line ends and must still hold `mostrato` (the draw the user corrected);
// its 121 characters become `record` (padded or cut to 121), and every other
// byte, line breaks included, stays as it was. The file is replaced whole
// (SostituisciFile), so a failure or a kill never leaves it half corrected.
EsitoScrittura RiscriviRecord(const std::string& percorso, std::string record, int i, std::string_view mostrato,
                              std::chrono::milliseconds attesa = kAttesaBlocco);

// Why an archive with `n` names (hard links) is not replaced, in Italian.
std::string RifiutoCollegamenti(const std::string& percorso, nlink_t n);

// Replaces the whole file with `contenuto` through a temporary file (by default
// the file's path followed by ".tmp"; it must be on the same file system) and
// an atomic rename, so the old file stays whole until the new one is complete.
// A symbolic link stays a link: the file it points to is replaced. The new
// file keeps the old one's permissions and owner. The temporary file never
// outlives the call. It takes no lock: a writer of the archive calls it with
// the lock held, on BloccoArchivio::Bersaglio().
EsitoScrittura SostituisciFile(const std::string& percorso, std::string_view contenuto,
                               const std::string& temporaneo = {});

}  // namespace ruotario
