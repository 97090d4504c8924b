#include "app/ui/RegistroFinestre.h"

#include "app/ui/frmMain.h"
#include "archive/ui/RegistroArchivio.h"
#include "archive/ui/RegistroImportExport.h"
#include "constants/ui/RegistroKostanti.h"
#include "forecasts/ui/RegistroFinestrePrevisioni.h"
#include "ritardi/ui/RegistroRitardi.h"
#include "spy/ui/RegistroSpia.h"
#include "systems/ui/RegistroSistemi.h"
#include "update/ui/RegistroAggiornamento.h"

namespace ruotario {

void RegistraFinestreProgramma(frmMain& main) {
  // The shell's own windows (about, glossary, recomputation) are plugged in by
  // frmMain itself; the study and archive windows go here.
  RegistraFinestreArchivio(main);
  RegistraFinestreImportExport(main);
  RegistraFinestreAggiornamento(main);
  RegistraFinestreSpia(main);
  RegistraFinestreKostanti(main);
  RegistraFinestreRitardi(main);
  RegistraFinestreSistemi(main);
  RegistraFinestrePrevisioni(main);
}

}  // namespace ruotario
