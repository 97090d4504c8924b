#pragma once

namespace ruotario {

class frmMain;

// Plugs the constants method window into "Ricerca" of the "&ZevedIVE" menu.
void RegistraFinestreKostanti(frmMain& main);

}  // namespace ruotario
