#pragma once
// The tabellone analitico: the 90 numbers on every wheel in one grid, each
// cell judged by how many cells chance alone would bring to a delay that long.

#include <span>

#include "ritardi/Ritardi.h"

namespace ruotario {

// The ten wheels and then, when its draws are given, the Nazionale wheel,
// over the records inizio..fine (fine 0 = the last).
EsitoRitardi CalcolaTabellone(const ArchivioEstrazioni& archivio, std::span<const EstrazioneNazionale> nazionale,
                              int inizio = 1, int fine = 0);

// The shade of a cell from the count of cells expected by chance at a delay
// at least as long (VoceRitardo::Attesi): 0 for ten or more, 1 from one to
// ten, 2 from a tenth to one, 3 below a tenth.
int LivelloCaso(double attesi);

inline constexpr const char* kLegendaLivelli[] = {"10 o più", "da 1 a 10", "da 0,1 a 1", "meno di 0,1"};

}  // namespace ruotario
