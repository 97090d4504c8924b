#pragma once

namespace ruotario {

class frmMain;

// Plugs every window of the program into the main window's commands. One line
// per window: main.registraFinestra("mnuspia1", [](QWidget*) { return new FrmSPY1; });
void RegistraFinestreProgramma(frmMain& main);

}  // namespace ruotario
