#pragma once

#include <QString>

namespace ruotario {

class frmMain;

// Plugs "Previsioni" into the main window's commands, and a status bar panel
// that tells how many forecasts the last archive update settled.
void RegistraFinestrePrevisioni(frmMain& main);

// "Ultimo aggiornamento: 2 previsioni saldate" and the like.
QString TestoPrevisioniSaldate(int saldate);

}  // namespace ruotario
