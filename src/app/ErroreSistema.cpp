#include "app/ErroreSistema.h"

#include <cerrno>

namespace ruotario {

namespace {

// The errors a file operation of this program can meet; anything else is
// reported by its number alone.
const char* descrizione(int codice) {
  switch (codice) {
    case 0: return "Errore sconosciuto";
    case EPERM: return "Operazione non permessa";
    case ENOENT: return "File o cartella inesistente";
    case EINTR: return "Chiamata di sistema interrotta";
    case EIO: return "Errore di input/output";
    case ENXIO: return "Dispositivo o indirizzo inesistente";
    case EBADF: return "Descrittore di file non valido";
    case EAGAIN: return "Risorsa temporaneamente non disponibile";
    case ENOMEM: return "Memoria esaurita";
    case EACCES: return "Permesso negato";
    case EBUSY: return "Dispositivo o risorsa occupata";
    case EEXIST: return "Il file esiste già";
    case EXDEV: return "Collegamento tra dispositivi diversi non valido";
    case ENODEV: return "Dispositivo inesistente";
    case ENOTDIR: return "Non è una cartella";
    case EISDIR: return "È una cartella";
    case EINVAL: return "Argomento non valido";
    case ENFILE:
    case EMFILE: return "Troppi file aperti";
    case ETXTBSY: return "File di testo occupato";
    case EFBIG: return "File troppo grande";
    case ENOSPC: return "Spazio esaurito sul dispositivo";
    case ESPIPE: return "Posizionamento non valido";
    case EROFS: return "File system di sola lettura";
    case EMLINK: return "Troppi collegamenti";
    case ENAMETOOLONG: return "Nome del file troppo lungo";
    case ENOLCK: return "Nessun blocco disponibile";
    case ENOTEMPTY: return "Cartella non vuota";
    case ELOOP: return "Troppi livelli di collegamenti simbolici";
    case EOVERFLOW: return "Valore troppo grande per il tipo di dato";
    case EOPNOTSUPP: return "Operazione non supportata";
    case ESTALE: return "File remoto non più valido";
    case EDQUOT: return "Quota del disco superata";
    default: return "Errore di sistema";
  }
}

}  // namespace

std::string DescrizioneErrore(int codice) {
  return std::string(descrizione(codice)) + " (errore " + std::to_string(codice) + ")";
}

std::string DescrizioneErrno() { return DescrizioneErrore(errno); }

}  // namespace ruotario
