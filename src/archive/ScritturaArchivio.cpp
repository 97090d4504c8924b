#include "archive/ScritturaArchivio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "app/Ambiente.h"
#include "app/ErroreSistema.h"
#include "app/NumeriLotto.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/Estrazione.h"
#include "archive/FileArchivio.h"
#include "archive/Sincronizza.h"

namespace ruotario {

namespace {

EsitoScrittura errore(std::string messaggio) { return EsitoScrittura{false, std::move(messaggio)}; }

// Closes the descriptor at scope exit.
class Descrittore {
 public:
  explicit Descrittore(int fd) : fd_(fd) {}
  ~Descrittore() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descrittore(const Descrittore&) = delete;
  Descrittore& operator=(const Descrittore&) = delete;
  int get() const { return fd_; }
  bool chiudi() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool scriviTutto(int fd, std::string_view dati, off_t offset) {
  while (!dati.empty()) {
    const ssize_t n = ::pwrite(fd, dati.data(), dati.size(), offset);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    dati.remove_prefix(static_cast<std::size_t>(n));
    offset += n;
  }
  return true;
}

bool leggiTutto(int fd, char* buf, std::size_t n, off_t offset, std::size_t& letti) {
  letti = 0;
  while (letti < n) {
    const ssize_t r = ::pread(fd, buf + letti, n - letti, offset + static_cast<off_t>(letti));
    if (r < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (r == 0) break;
    letti += static_cast<std::size_t>(r);
  }
  return true;
}

std::string dataTesto(const DataEstrazione& d) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.giorno, d.mese, d.anno);
  std::string testo(buf);
  while (testo.size() < 10) testo += ' ';
  return testo;
}

// Line i (1-based) of the text by the reader rules: where it starts and how long it is.
struct PosizioneRiga {
  std::size_t inizio = 0;
  std::size_t lunghezza = 0;
};
std::optional<PosizioneRiga> trovaRiga(std::string_view testo, int i) {
  std::optional<PosizioneRiga> trovata;
  int numero = 0;
  PerOgniRiga(testo, [&](std::string_view riga) {
    if (++numero == i) trovata = PosizioneRiga{static_cast<std::size_t>(riga.data() - testo.data()), riga.size()};
  });
  return trovata;
}

std::string rifiutoFormato(int i, std::size_t lunghezza) {
  return "l'estrazione num. " + std::to_string(i) + " non ha il formato a record fissi (" + std::to_string(lunghezza) +
         " caratteri invece di " + std::to_string(kLunghezzaRecord) +
         "): non può essere corretta da qui. Trovare le righe danneggiate con ruotario-cli verifica e correggerle "
         "con un editor di testo, oppure importare una copia integra dell'archivio.";
}

}  // namespace

std::string RifiutoCollegamenti(const std::string& percorso, nlink_t n) {
  return "l'archivio " + percorso + " ha " + std::to_string(n) +
         " nomi (collegamenti fisici): sostituirlo staccherebbe gli altri nomi, che resterebbero con il contenuto "
         "vecchio. Farne una copia con un nome solo (per esempio con cp) e usare quella.";
}

RecordComposto ComponiRecord(const DataEstrazione& data, CelleRuote& celle) {
  RecordComposto esito;
  esito.Record = dataTesto(data) + "|";
  for (auto& ruota : celle) {
    for (std::string& t : ruota) {
      const int valore = ValoreTesto(t);
      if (t.empty() || valore <= 0 || valore > 90) esito.Errore = true;
      if (t.size() == 1) t.insert(t.begin(), '0');
      if (t.empty() || valore > 90) t = "00";
      if (t.size() > 2) t = valore >= 1 ? DueCifre(int{valore}) : "00";
      esito.Record += t;
    }
    esito.Record += '|';
  }
  return esito;
}

EsitoScrittura AccodaRecord(const BloccoArchivio& blocco, std::string_view record) {
  if (!blocco.Scrivibile())
    return errore("Impossibile aggiungere l'estrazione all'archivio " + blocco.Percorso() + ": " +
                  blocco.NonScrivibile());
  const int fd = blocco.Descrittore();
  struct stat st {};
  if (::fstat(fd, &st) != 0) return errore("Impossibile leggere l'archivio: " + DescrizioneErrno());
  const off_t lunghezza = st.st_size;

  std::string dati;
  if (lunghezza > 0) {
    char ultimo = 0;
    std::size_t letti = 0;
    if (!leggiTutto(fd, &ultimo, 1, lunghezza - 1, letti) || letti != 1)
      return errore("Impossibile leggere l'archivio: " + DescrizioneErrno());
    if (ultimo != '\n' && ultimo != '\r') dati = "\r\n";
  }
  dati += record;

  if (!scriviTutto(fd, dati, lunghezza) || Sincronizza(fd) != 0) {
    const std::string causa = DescrizioneErrno();
    if (::ftruncate(fd, lunghezza) == 0) Sincronizza(fd);
    return errore("Impossibile aggiungere l'estrazione all'archivio: " + causa);
  }
  return {};
}

EsitoScrittura AccodaRecord(const std::string& percorso, std::string_view record, const ControlloAccodamento& controllo,
                            std::chrono::milliseconds attesa) {
  BloccoArchivio blocco(percorso, attesa, AperturaBlocco::CreaSeManca);
  if (!blocco) return errore("Impossibile aggiungere l'estrazione all'archivio: " + blocco.Errore());
  if (controllo) {
    std::string testo;
    if (!blocco.Leggi(testo)) return errore("Impossibile leggere l'archivio: " + DescrizioneErrno());
    if (std::string rifiuto = controllo(ArchivioEstrazioni::DaTesto(testo)); !rifiuto.empty()) {
      blocco.Rimuovi();
      return errore(std::move(rifiuto));
    }
  }
  EsitoScrittura esito = AccodaRecord(blocco, record);
  if (!esito) blocco.Rimuovi();
  return esito;
}

std::optional<std::string> LeggiRecord(const std::string& percorso, int i) {
  if (i < 1) return std::nullopt;
  Descrittore fd(::open(percorso.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return std::nullopt;
  std::string buf(kLunghezzaRiga, '\0');
  std::size_t letti = 0;
  const off_t offset = static_cast<off_t>(kLunghezzaRiga) * (i - 1);
  if (!leggiTutto(fd.get(), buf.data(), buf.size(), offset, letti) || letti == 0) return std::nullopt;
  buf.resize(letti < static_cast<std::size_t>(kLunghezzaRecord) ? letti : kLunghezzaRecord);
  return buf;
}

EsitoScrittura ControllaCorrezione(const std::string& percorso, int i) {
  const std::string prefisso = "La correzione non potrebbe essere salvata: ";
  std::string testo;
  if (!EsisteFile(percorso)) return errore(prefisso + "l'archivio " + percorso + " non esiste più.");
  if (!LeggiFile(percorso, testo))
    return errore(prefisso + "impossibile leggere l'archivio " + percorso + ": " + DescrizioneErrno());
  const std::string bersaglio = PercorsoRisolto(percorso);
  struct stat st {};
  if (::stat(bersaglio.c_str(), &st) == 0 && st.st_nlink > 1)
    return errore(prefisso + RifiutoCollegamenti(percorso, st.st_nlink));
  if (::access(bersaglio.c_str(), W_OK) != 0)
    return errore(prefisso + "l'archivio " + bersaglio + " non si può scrivere (" + DescrizioneErrno() +
                  "). Renderlo scrivibile (per esempio con chmod u+w) e riprovare.");
  const std::string cartella = CartellaDi(bersaglio);
  if (::access(cartella.c_str(), W_OK | X_OK) != 0)
    return errore(prefisso + "la cartella " + cartella + " non permette di creare file (" + DescrizioneErrno() +
                  "), e la correzione si salva scrivendo l'archivio corretto accanto a quello vecchio. Dare il "
                  "permesso di scrittura sulla cartella (per esempio con chmod u+w) o spostare l'archivio in una "
                  "cartella scrivibile.");
  const auto riga = trovaRiga(testo, i);
  if (!riga) return errore(prefisso + "l'archivio non ha un'estrazione num. " + std::to_string(i) + ".");
  if (riga->lunghezza != static_cast<std::size_t>(kLunghezzaRecord))
    return errore(prefisso + rifiutoFormato(i, riga->lunghezza));
  return {};
}

EsitoScrittura RiscriviRecord(const std::string& percorso, std::string record, int i, std::string_view mostrato,
                              std::chrono::milliseconds attesa) {
  const std::string prefisso = "Impossibile salvare la correzione: ";
  record.resize(kLunghezzaRecord, ' ');
  const BloccoArchivio blocco(percorso, attesa);
  if (!blocco) return errore(prefisso + blocco.Errore());
  if (!blocco.Scrivibile())
    return errore(prefisso + "l'archivio " + percorso + " non si può scrivere: " + blocco.NonScrivibile());
  if (blocco.Collegamenti() > 1) return errore(prefisso + RifiutoCollegamenti(percorso, blocco.Collegamenti()));
  // What the user corrected must still be there: another program may have
  // changed or replaced the archive since the draw was shown.
  std::string testo;
  if (!blocco.Leggi(testo)) return errore(prefisso + "impossibile leggere l'archivio: " + DescrizioneErrno());
  const auto riga = trovaRiga(testo, i);
  if (!riga || std::string_view(testo).substr(riga->inizio, riga->lunghezza) != mostrato)
    return errore(prefisso + kArchivioInUso + ", che ha cambiato l'estrazione num. " + std::to_string(i) +
                  " da quando è stata mostrata. Riaprire l'archivio e ripetere la correzione.");
  if (riga->lunghezza != static_cast<std::size_t>(kLunghezzaRecord))
    return errore(prefisso + rifiutoFormato(i, riga->lunghezza));
  // The corrected file replaces the old one whole: a write in place that
  // crosses a page boundary can be torn by a kill, a file rename cannot.
  testo.replace(riga->inizio, kLunghezzaRecord, record);
  const EsitoScrittura s = SostituisciFile(blocco.Bersaglio(), testo);
  if (!s) return errore("Impossibile salvare la correzione. " + s.Messaggio);
  return {};
}

EsitoScrittura SostituisciFile(const std::string& percorso, std::string_view contenuto, const std::string& temporaneo) {
  // A symbolic link stays a link: the file it names is the one replaced.
  const std::string bersaglio = PercorsoRisolto(percorso);
  const std::string tmp = temporaneo.empty() ? bersaglio + ".tmp" : temporaneo;
  // A file replaced keeps its permissions and its owner: a private archive
  // stays private, and one replaced by root stays its user's.
  struct stat attuale {};
  const bool esiste = ::stat(bersaglio.c_str(), &attuale) == 0;
  {
    Descrittore fd(::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) return errore("Impossibile creare il file " + tmp + ": " + DescrizioneErrno());
    if (esiste) {
      [[maybe_unused]] const int proprietario = ::fchown(fd.get(), attuale.st_uid, attuale.st_gid);
      ::fchmod(fd.get(), attuale.st_mode & 07777);
    }
    if (!scriviTutto(fd.get(), contenuto, 0) || Sincronizza(fd.get()) != 0 || !fd.chiudi()) {
      const std::string causa = DescrizioneErrno();
      ::unlink(tmp.c_str());
      return errore("Impossibile scrivere il file " + tmp + ": " + causa);
    }
  }
  if (::rename(tmp.c_str(), bersaglio.c_str()) != 0) {
    const std::string causa = DescrizioneErrno();
    ::unlink(tmp.c_str());
    return errore("Impossibile sostituire il file " + bersaglio + ": " + causa);
  }
  // Make the rename itself durable.
  Descrittore dir(::open(CartellaDi(bersaglio).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) Sincronizza(dir.get());
  return {};
}

}  // namespace ruotario
