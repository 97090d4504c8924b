#include "archive/ImportaArchivio.h"

#include <cerrno>
#include <exception>
#include <optional>

#include "app/Ambiente.h"
#include "app/ErroreSistema.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/FileArchivio.h"
#include "archive/ScritturaArchivio.h"
#include "archive/VerificaArchivio.h"

namespace ruotario {

namespace {

const std::string kIntestazioneErrore =
    "ATTENZIONE SI E' VERIFICATO UN ERRORE NELL'IMPORTAZIONE DEL FILE (cmdimporta). ";

// Reads a whole file; nullopt with the cause when it cannot be read.
std::optional<std::string> leggi(const std::string& percorso, std::string& causa) {
  std::string testo;
  errno = 0;
  if (LeggiFile(percorso, testo)) return testo;
  causa = DescrizioneErrno();
  return std::nullopt;
}

EsitoImportazione rifiuto(StatoImportazione stato, std::string messaggio) {
  EsitoImportazione e;
  e.Stato = stato;
  e.Messaggio = std::move(messaggio);
  return e;
}

}  // namespace

EsitoImportazione ImportaArchivio(const RichiestaImportazione& r) {
  if (r.Scelto.empty()) return rifiuto(StatoImportazione::Rifiutata, "Scegliere prima il file da importare");
  if (StessoFile(r.Scelto, r.Archivio))
    return rifiuto(StatoImportazione::Rifiutata,
                   "Impossibile importare l'archivio. Il file da importare è lo stesso del file attualmente in "
                   "uso.\nScegliere un altro file da importare.");

  const std::string cartella = CartellaDi(r.Archivio);
  const std::string copia = ComponiPercorso(cartella, kNomeCopiaRiserva);
  bool esisteva = EsisteFile(r.Archivio);

  EsitoImportazione esito;
  esito.CopiaRiserva = copia;
  std::optional<std::string> vecchio;  // the archive as it was, to judge a failure by
  bool sostituzioneTentata = false;
  auto fallita = [&](const std::string& cosa) {
    esito.Stato = StatoImportazione::Fallita;
    // Before the replacement nothing touches the archive; after it, look.
    std::string ignora;
    const bool esisteOra = EsisteFile(r.Archivio);
    esito.ArchivioInvariato =
        !sostituzioneTentata || (esisteva ? esisteOra && vecchio && leggi(r.Archivio, ignora) == vecchio : !esisteOra);
    esito.Messaggio = kIntestazioneErrore + cosa + "\n";
    if (esito.ArchivioInvariato && esisteva)
      esito.Messaggio += "L'ARCHIVIO DATI NON È STATO MODIFICATO: il file " + r.Archivio +
                         " è ancora quello di prima dell'importazione.";
    else if (esito.ArchivioInvariato)
      esito.Messaggio += "L'ARCHIVIO DATI NON È STATO CREATO: nella cartella " + cartella +
                         " non c'era un archivio e non ne è stato creato alcuno.";
    else
      esito.Messaggio +=
          "L'ARCHIVIO DATI POTREBBE ESSERE STATO CANCELLATO! IL PROGRAMMA POTREBBE NON FUNZIONARE CORRETTAMENTE\n"
          "COPIARE MANUALMENTE IL FILE: estrazioni.txt NELLA CARTELLA: " +
          cartella + "\nOPPURE TENTARE DI RECUPERARE IL VECCHIO FILE DATI RINOMINANDO IL FILE: " + copia +
          " in: " + r.Archivio;
    return esito;
  };

  try {
    std::string causa;
    // The chosen file is read whole first: it may even be the backup or a
    // leftover temporary file, which the steps below replace.
    const std::optional<std::string> nuovo = leggi(r.Scelto, causa);
    if (!nuovo) return fallita("Impossibile leggere il file da importare " + r.Scelto + ": " + causa);
    if (nuovo->empty())
      return rifiuto(StatoImportazione::Rifiutata, "Il file " + r.Scelto +
                                                       " è vuoto: non contiene estrazioni. L'importazione non è "
                                                       "stata eseguita e l'archivio dati non è stato modificato.");
    if (!r.ConsentiNonValido && !ControllaValidita(*nuovo).Valido)
      return rifiuto(StatoImportazione::NonValido, kAvvisoFileNonCorretto);

    SbloccaArchivio(r.Archivio);
    BloccoArchivio blocco(r.Archivio, r.Attesa, AperturaBlocco::CreaSeManca);
    if (!blocco) return fallita("Impossibile importare: " + blocco.Errore());
    esisteva = !blocco.Creato();
    if (blocco.Collegamenti() > 1)
      return rifiuto(StatoImportazione::Rifiutata,
                     "Impossibile importare: " + RifiutoCollegamenti(r.Archivio, blocco.Collegamenti()) +
                         " L'archivio dati non è stato modificato.");
    if (esisteva) {
      std::string testo;
      if (!blocco.Leggi(testo))
        return fallita("Impossibile leggere l'archivio attuale " + r.Archivio + ": " + DescrizioneErrno());
      vecchio = std::move(testo);
      const EsitoScrittura c = SostituisciFile(copia, *vecchio);
      if (!c) return fallita("Impossibile creare la copia di riserva: " + c.Messaggio);
      esito.CopiaCreata = true;
    }
    sostituzioneTentata = true;
    // The temporary file goes beside the file replaced: a rename does not cross file systems.
    const std::string temporaneo = ComponiPercorso(CartellaDi(blocco.Bersaglio()), kNomeTemporaneoImportazione);
    const EsitoScrittura s = SostituisciFile(blocco.Bersaglio(), *nuovo, temporaneo);
    if (!s) {
      blocco.Rimuovi();  // an archive created only to be locked goes again
      return fallita("Impossibile scrivere il nuovo archivio: " + s.Messaggio);
    }
    SbloccaArchivio(r.Archivio);
  } catch (const std::exception& e) {
    return fallita(e.what());
  }

  esito.Stato = StatoImportazione::Riuscita;
  esito.ArchivioInvariato = false;
  esito.Messaggio =
      esito.CopiaCreata
          ? "Importazione avvenuta con successo. E' stata creata una copia di riserva del vecchio archivio dati nel "
            "file: " +
                copia
          : "Importazione avvenuta con successo. Non c'era un archivio dati precedente: nessuna copia di riserva è "
            "stata creata.";
  return esito;
}

}  // namespace ruotario
