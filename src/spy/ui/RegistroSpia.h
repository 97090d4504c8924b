#pragma once

namespace ruotario {

class frmMain;

// Plugs the ten spy study windows ("S&tatistiche Spie") and ZevedIVE
// ("Statistica" under "&ZevedIVE") into the main window's commands.
void RegistraFinestreSpia(frmMain& main);

}  // namespace ruotario
