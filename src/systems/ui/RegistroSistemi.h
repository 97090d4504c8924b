#pragma once

namespace ruotario {

class frmMain;

// Plugs "Sistemi" into the main window's commands.
void RegistraFinestreSistemi(frmMain& main);

}  // namespace ruotario
