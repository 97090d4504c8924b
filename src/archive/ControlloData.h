#pragma once
// Dates of the entry windows: reading a stored date text back, and the remark
// made before a new draw is appended with a date the archive does not expect.

#include <optional>
#include <string>
#include <string_view>

#include "archive/ArchivioEstrazioni.h"
#include "archive/ScritturaArchivio.h"

namespace ruotario {

// A calendar date written day/month/year with '/' (day and month of one or two
// digits, a four-digit year), blanks around it allowed; nullopt otherwise.
std::optional<DataEstrazione> DataDaTesto(std::string_view testo);

// The date as the archive stores it, "dd/mm/yyyy".
std::string TestoData(const DataEstrazione& data);

enum class NotaData {
  Nessuna,
  GiaPresente,    // a stored draw already has this date
  NonSuccessiva,  // on or before the date of the last stored draw
};

// True when the date exists in the calendar.
bool DataValida(const DataEstrazione& d);
// -1, 0, 1 as a is before, equal to or after b.
int ConfrontaDate(const DataEstrazione& a, const DataEstrazione& b);

struct ControlloData {
  NotaData Nota = NotaData::Nessuna;
  std::string UltimaData;  // the last stored draw's date as stored
};

// Compares the date of a draw about to be appended with the stored ones. The
// draw is saved all the same (an archive may hold split draws); the window only
// tells the user.
ControlloData ControllaDataNuova(const ArchivioEstrazioni& archivio, const DataEstrazione& data);

}  // namespace ruotario
