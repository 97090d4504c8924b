#include "archive/ScritturaArchivio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "app/NumeriLotto.h"
#include "archive/Estrazione.h"

namespace ruotario {

namespace {

EsitoScrittura errore(std::string messaggio) { return EsitoScrittura{false, std::move(messaggio)}; }

// The platform's description of the last error and its number.
std::string descrizioneErrno() {
  const int codice = errno;
  return std::string(std::strerror(codice)) + " (errore " + std::to_string(codice) + ")";
}

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

}  // namespace

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

EsitoScrittura AccodaRecord(const std::string& percorso, std::string_view record) {
  Descrittore fd(::open(percorso.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
  if (fd.get() < 0) return errore("Impossibile aprire l'archivio: " + descrizioneErrno());
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return errore("Impossibile leggere l'archivio: " + descrizioneErrno());
  const off_t lunghezza = st.st_size;

  std::string dati;
  if (lunghezza > 0) {
    char ultimo = 0;
    std::size_t letti = 0;
    if (!leggiTutto(fd.get(), &ultimo, 1, lunghezza - 1, letti) || letti != 1)
      return errore("Impossibile leggere l'archivio: " + descrizioneErrno());
    if (ultimo != '\n' && ultimo != '\r') dati = "\r\n";
  }
  dati += record;

  if (!scriviTutto(fd.get(), dati, lunghezza) || ::fsync(fd.get()) != 0) {
    const std::string causa = descrizioneErrno();
    if (::ftruncate(fd.get(), lunghezza) == 0) ::fsync(fd.get());
    return errore("Impossibile aggiungere l'estrazione all'archivio: " + causa);
  }
  if (!fd.chiudi()) return errore("Impossibile chiudere l'archivio: " + descrizioneErrno());
  return {};
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

EsitoScrittura RiscriviRecord(const std::string& percorso, std::string record, int i, bool ultimo) {
  record.resize(kLunghezzaRecord, ' ');
  Descrittore fd(::open(percorso.c_str(), O_RDWR | O_CLOEXEC));
  if (fd.get() < 0) return errore("Impossibile aprire l'archivio: " + descrizioneErrno());
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return errore("Impossibile leggere l'archivio: " + descrizioneErrno());

  // The offsets below hold only for whole 121-character records joined by CR LF.
  const off_t lunghezza = st.st_size;
  const bool formaFissa = lunghezza >= kLunghezzaRecord && (lunghezza + 2) % kLunghezzaRiga == 0;
  const int conta = formaFissa ? static_cast<int>((lunghezza + 2) / kLunghezzaRiga) : 0;
  const std::string rifiuto = "L'archivio non ha il formato a record fissi: la correzione non è stata salvata.";
  if (!formaFissa || i < 1 || i > conta || ultimo != (i == conta)) return errore(rifiuto);

  // The record must be followed by CR LF, or (the last one) preceded by it.
  const off_t offset = ultimo ? lunghezza - kLunghezzaRecord : static_cast<off_t>(kLunghezzaRiga) * (i - 1);
  const off_t interruzione = ultimo ? offset - 2 : offset + kLunghezzaRecord;
  if (interruzione >= 0) {
    char acapo[2];
    std::size_t letti = 0;
    if (!leggiTutto(fd.get(), acapo, 2, interruzione, letti) || letti != 2 || acapo[0] != '\r' || acapo[1] != '\n')
      return errore(rifiuto);
  }
  // The corrected file replaces the old one whole: a write in place that
  // crosses a page boundary can be torn by a kill, a file rename cannot.
  std::string testo(static_cast<std::size_t>(lunghezza), '\0');
  std::size_t letti = 0;
  if (!leggiTutto(fd.get(), testo.data(), testo.size(), 0, letti) || letti != testo.size())
    return errore("Impossibile leggere l'archivio: " + descrizioneErrno());
  testo.replace(static_cast<std::size_t>(offset), kLunghezzaRecord, record);
  fd.chiudi();
  const EsitoScrittura s = SostituisciFile(percorso, testo);
  if (!s) return errore("Impossibile salvare la correzione. " + s.Messaggio);
  return {};
}

EsitoScrittura SostituisciFile(const std::string& percorso, std::string_view contenuto, const std::string& temporaneo) {
  const std::string tmp = temporaneo.empty() ? percorso + ".tmp" : temporaneo;
  // A file replaced keeps its permissions: a private archive stays private.
  struct stat attuale {};
  const bool esiste = ::stat(percorso.c_str(), &attuale) == 0;
  {
    Descrittore fd(::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) return errore("Impossibile creare il file " + tmp + ": " + descrizioneErrno());
    if (esiste) ::fchmod(fd.get(), attuale.st_mode & 07777);
    if (!scriviTutto(fd.get(), contenuto, 0) || ::fsync(fd.get()) != 0 || !fd.chiudi()) {
      const std::string causa = descrizioneErrno();
      ::unlink(tmp.c_str());
      return errore("Impossibile scrivere il file " + tmp + ": " + causa);
    }
  }
  if (::rename(tmp.c_str(), percorso.c_str()) != 0) {
    const std::string causa = descrizioneErrno();
    ::unlink(tmp.c_str());
    return errore("Impossibile sostituire il file " + percorso + ": " + causa);
  }
  // Make the rename itself durable.
  const std::filesystem::path cartella = std::filesystem::path(percorso).parent_path();
  Descrittore dir(::open(cartella.empty() ? "." : cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return {};
}

}  // namespace ruotario
