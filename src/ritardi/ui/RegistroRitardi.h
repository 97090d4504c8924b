#pragma once

namespace ruotario {

class frmMain;

// Plugs "Ritardi e frequenze" into the main window's commands.
void RegistraFinestreRitardi(frmMain& main);

}  // namespace ruotario
