#include "archive/BloccoArchivio.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <thread>

#include "app/ErroreSistema.h"

namespace ruotario {

namespace {

using Orologio = std::chrono::steady_clock;

bool collegamento(const std::string& percorso) {
  struct stat st {};
  return ::lstat(percorso.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// Opens the archive for reading and writing, or for reading only when it may
// not be written (`scrivibile` says which); with CreaSeManca a missing one is
// created empty (and `creato` says so).
int apri(const std::string& percorso, AperturaBlocco apertura, bool& creato, bool& scrivibile, int& codice) {
  creato = false;
  for (;;) {
    int fd = ::open(percorso.c_str(), O_RDWR | O_CLOEXEC);
    scrivibile = fd >= 0;
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM || errno == ETXTBSY)) {
      codice = errno;
      fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (fd >= 0) return fd;
    if (errno == EINTR) continue;
    if (errno != ENOENT || apertura != AperturaBlocco::CreaSeManca) return -1;
    // O_EXCL: of two programs creating it, one creates, the other opens what is there.
    fd = ::open(percorso.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
      creato = scrivibile = true;
      return fd;
    }
    if (errno == EEXIST && collegamento(percorso)) {
      errno = ENOENT;  // a link to a file that does not exist: nothing is created through it
      return -1;
    }
    if (errno != EEXIST && errno != EINTR) return -1;
  }
}

// The path still names the open file: no one renamed another file over it or removed it.
bool stessoFile(int fd, const std::string& percorso) {
  struct stat aperto {};
  struct stat ora {};
  return ::fstat(fd, &aperto) == 0 && ::stat(percorso.c_str(), &ora) == 0 && aperto.st_dev == ora.st_dev &&
         aperto.st_ino == ora.st_ino;
}

}  // namespace

std::string PercorsoRisolto(const std::string& percorso) {
  char buf[PATH_MAX];
  return ::realpath(percorso.c_str(), buf) ? std::string(buf) : percorso;
}

BloccoArchivio::BloccoArchivio(const std::string& percorso, std::chrono::milliseconds attesa, AperturaBlocco apertura)
    : percorso_(percorso) {
  const auto scadenza = Orologio::now() + attesa;
  auto pausa = std::chrono::milliseconds(1);
  for (;;) {
    bool creato = false;
    bool scrivibile = false;
    int codice = 0;
    const int fd = apri(percorso, apertura, creato, scrivibile, codice);
    if (fd < 0) {
      const int causa = errno;
      errore_ = "impossibile aprire l'archivio " + percorso + ": " + DescrizioneErrore(causa);
      if (causa == ENOENT && collegamento(percorso))
        errore_ += " (è un collegamento simbolico a un file che non esiste: un disco non collegato?)";
      return;
    }
    bool bloccato = false;
    for (;;) {
      if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        bloccato = true;
        break;
      }
      if (errno == EINTR) continue;
      // A file system without locks: the archive is written as before, unlocked.
      if (errno == EOPNOTSUPP || errno == ENOSYS) {
        bloccato = true;
        break;
      }
      if (errno != EWOULDBLOCK) {
        errore_ = "impossibile bloccare l'archivio " + percorso + ": " + DescrizioneErrno();
        ::close(fd);
        return;
      }
      const auto ora = Orologio::now();
      if (ora >= scadenza) break;
      std::this_thread::sleep_for(std::min<Orologio::duration>(pausa, scadenza - ora));
      pausa = std::min(pausa * 2, std::chrono::milliseconds(25));
    }
    if (bloccato && stessoFile(fd, percorso)) {
      fd_ = fd;
      // Another writer may have locked the new file first and written to it:
      // then it is no longer an empty file of ours to remove.
      struct stat st {};
      creato_ = creato && ::fstat(fd, &st) == 0 && st.st_size == 0;
      scrivibile_ = scrivibile;
      if (!scrivibile) nonScrivibile_ = DescrizioneErrore(codice);
      bersaglio_ = PercorsoRisolto(percorso);
      return;
    }
    // A writer that held the lock replaced or removed the file: start again on
    // what the path names now, unless the wait has run out.
    ::close(fd);
    if (!bloccato || Orologio::now() >= scadenza) {
      inUso_ = true;
      errore_ = std::string(kArchivioInUso) + " (" + percorso + "): riprovare quando avrà finito.";
      return;
    }
  }
}

BloccoArchivio::~BloccoArchivio() {
  if (fd_ >= 0) ::close(fd_);
}

nlink_t BloccoArchivio::Collegamenti() const {
  struct stat st {};
  return fd_ >= 0 && ::fstat(fd_, &st) == 0 ? st.st_nlink : 0;
}

bool BloccoArchivio::Leggi(std::string& testo) const {
  testo.clear();
  if (fd_ < 0) {
    errno = EBADF;
    return false;
  }
  char buf[1 << 16];
  off_t offset = 0;
  for (;;) {
    const ssize_t n = ::pread(fd_, buf, sizeof buf, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    testo.append(buf, static_cast<std::size_t>(n));
    offset += n;
  }
}

void BloccoArchivio::Rimuovi() {
  if (fd_ >= 0 && creato_) ::unlink(bersaglio_.c_str());
  creato_ = false;
}

}  // namespace ruotario
