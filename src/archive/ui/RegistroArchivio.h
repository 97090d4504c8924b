#pragma once
// Plugs the archive windows into the main window's commands.

namespace ruotario {

class frmMain;

void RegistraFinestreArchivio(frmMain& main);

}  // namespace ruotario
