#pragma once
// Writing nazionale.txt, the Nazionale wheel kept beside the archive: the
// previous file is first copied to copiaNazionale.txt, then replaced whole
// through a temporary file and an atomic rename.

#include <array>
#include <string>
#include <string_view>

#include "archive/ArchivioNazionale.h"
#include "archive/ScritturaArchivio.h"

namespace ruotario {

// copiaNazionale.txt beside the archive at `archivio`.
std::string PercorsoCopiaNazionale(const std::string& archivio);

// Replaces nazionale.txt (beside `archivio`) with `nuovo`; `vecchio` is the
// text it had, copied first to the backup unless the file did not exist.
EsitoScrittura ScriviNazionale(const std::string& archivio, const std::string* vecchio, std::string_view nuovo);

// Stores one Nazionale draw (the pasted-draw window) under the archive's lock:
// added in date order, or replacing the record of its date. Writes nothing
// when the record is already there; refuses when the archive does not exist.
// A refusal says why, for the caller to say what was not saved.
EsitoScrittura SalvaNazionale(const std::string& archivio, const EstrazioneNazionale& estrazione);

// The Nazionale boxes of the pasted-draw window, saved as above once the draw
// of `data` is in the archive: nothing when every box is empty, a refusal
// (writing nothing) unless they hold five different numbers 1..90. Every
// refusal says that the Nazionale was not saved.
EsitoScrittura SalvaNazionaleDigitata(const std::string& archivio, const DataEstrazione& data,
                                      const std::array<std::string, 5>& testi);

}  // namespace ruotario
