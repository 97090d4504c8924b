// importa, esporta: the whole archive moved from the terminal, for scripted backups.

#include "app/Ambiente.h"
#include "archive/EsportaArchivio.h"
#include "archive/FileArchivio.h"
#include "archive/ImportaArchivio.h"
#include "cli/Comandi.h"

namespace ruotario::cli {

int ComandoImporta(Argomenti& a, std::ostream& out, std::ostream& err) {
  RichiestaImportazione r;
  r.Archivio = a.archivio();
  r.ConsentiNonValido = a.flag("--forza");
  const auto file = a.posizionale();
  a.fine();
  if (!file) throw ErroreUso("manca il FILE da importare");
  r.Scelto = *file;
  const EsitoImportazione e = ImportaArchivio(r);
  if (e.Stato == StatoImportazione::NonValido) {
    err << e.Messaggio << "\nL'archivio non è stato modificato: usare --forza per importare comunque il file.\n";
    return 1;
  }
  if (!e) {
    err << e.Messaggio << '\n';
    return 1;
  }
  const DatiFileArchivio dati = ContaEstrazioni(r.Archivio);
  out << e.Messaggio << "\nEstrazioni: " << dati.TotaleEstrazioni << ", ultima del " << dati.DataUltima << '\n';
  return 0;
}

int ComandoEsporta(Argomenti& a, std::ostream& out, std::ostream& err) {
  const std::string archivio = a.archivio();
  const bool sovrascrivi = a.flag("--sovrascrivi");
  const auto cartella = a.posizionale();
  a.fine();
  if (!cartella) throw ErroreUso("manca la CARTELLA di destinazione");
  const std::string destinazione = DestinazioneEsportazione(*cartella);
  if (EsisteFile(destinazione) && !sovrascrivi && !StessoFile(destinazione, archivio)) {
    err << "Esiste già una copia del file estrazioni.txt in " << *cartella
        << ": usare --sovrascrivi per sostituirla.\n";
    return 1;
  }
  const EsitoEsportazione e = EsportaArchivio(archivio, *cartella);
  (e ? out : err) << e.Messaggio << '\n';
  return e ? 0 : 1;
}

}  // namespace ruotario::cli
