#pragma once
// Settling: what became of a forecast is worked out from the archive as it is
// now, every time, so draws added by any path and corrections always count.
// The draws played are the first Colpi records, in file order, dated after
// the forecast's DataChiave; the first of them in which at least Sorte of the
// numbers come out together on one of its wheels wins it.

#include <vector>

#include "archive/ArchivioEstrazioni.h"
#include "forecasts/Previsione.h"

namespace ruotario {

// The date of every record as OrdinaleData gives it (-1 for a record whose
// date is unreadable: such a record is played by no forecast).
std::vector<long> DateArchivio(const ArchivioEstrazioni& archivio);

// The date a forecast saved now is keyed on: the last record's date (the last
// readable one when the very last is damaged); empty for an archive without
// a dated draw.
std::string DataChiaveArchivio(const ArchivioEstrazioni& archivio);

// The state of `p` on `archivio`; `date` is DateArchivio(archivio).
StatoPrevisione SaldaPrevisione(const Previsione& p, const ArchivioEstrazioni& archivio, const std::vector<long>& date);
StatoPrevisione SaldaPrevisione(const Previsione& p, const ArchivioEstrazioni& archivio);

// How many of the distinct numbers marked in `giocati` (index 1..90) wheel r
// of the draw holds.
int NumeriPresi(const Estrazione& e, int ruota, const std::array<bool, 91>& giocati);

}  // namespace ruotario
