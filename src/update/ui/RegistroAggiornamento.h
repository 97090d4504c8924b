#pragma once

namespace ruotario {

class frmMain;

// Plugs "Aggiorna dall'archivio ufficiale..." and "Importa da file
// pubblicato..." into the main window's commands.
void RegistraFinestreAggiornamento(frmMain& main);

}  // namespace ruotario
