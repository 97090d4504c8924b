#pragma once

namespace ruotario {

class frmMain;

// Plugs the archive import ("Import da File") and export ("Export") windows
// into the main window's commands.
void RegistraFinestreImportExport(frmMain& main);

}  // namespace ruotario
