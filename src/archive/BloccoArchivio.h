#pragma once
// The one exclusive lock that every writer of the archive holds for its whole
// read, check and write: the append of a draw, a correction, an import, and
// any writer that replaces the archive or writes a file beside it. Two
// programs (two windows, the desktop and ruotario-cli, two scripts) may then
// write the archive at once without losing each other's draws.
//
// The lock is a flock on the archive file itself. A writer that replaces the
// archive renames a new file over it while it holds the lock on the old one;
// a writer that was waiting then finds that the path names another file and
// starts again on the new one. So whoever holds a BloccoArchivio holds the
// file the path names now, and may read it, append to it or replace it.

#include <sys/types.h>

#include <chrono>
#include <string>

namespace ruotario {

// How long a writer waits for another program to finish with the archive.
inline constexpr std::chrono::milliseconds kAttesaBlocco{5000};

// What the writers say when the wait ran out.
inline constexpr const char* kArchivioInUso = "l'archivio è in uso da un altro programma";

enum class AperturaBlocco {
  Esistente,    // the archive must exist
  CreaSeManca,  // a missing archive is created empty first (the first draw, an import)
};

// The file `percorso` names, every symbolic link resolved; the path itself
// when it cannot be resolved.
std::string PercorsoRisolto(const std::string& percorso);

class BloccoArchivio {
 public:
  // Takes the lock, waiting at most `attesa` for another program to release it.
  explicit BloccoArchivio(const std::string& percorso, std::chrono::milliseconds attesa = kAttesaBlocco,
                          AperturaBlocco apertura = AperturaBlocco::Esistente);
  ~BloccoArchivio();
  BloccoArchivio(const BloccoArchivio&) = delete;
  BloccoArchivio& operator=(const BloccoArchivio&) = delete;

  bool Preso() const { return fd_ >= 0; }
  explicit operator bool() const { return Preso(); }
  // Why the lock was not taken, in Italian: kArchivioInUso when the wait ran
  // out, else what kept the file from being opened.
  const std::string& Errore() const { return errore_; }
  bool InUso() const { return inUso_; }

  // The path as given, and the file it names with every symbolic link
  // resolved: a writer that replaces the archive replaces this one, through a
  // temporary file in its folder, so that a link stays a link.
  const std::string& Percorso() const { return percorso_; }
  const std::string& Bersaglio() const { return bersaglio_; }
  // The locked file, open for reading, and for writing when Scrivibile(). A
  // writer that only replaces the file needs no more: a read-only archive may
  // be replaced, or exported from a read-only disk.
  int Descrittore() const { return fd_; }
  bool Scrivibile() const { return scrivibile_; }
  // Why it could not be opened for writing, as DescrizioneErrore gives it.
  const std::string& NonScrivibile() const { return nonScrivibile_; }
  // The file did not exist, was created empty to be locked, and is still
  // empty; a writer that then fails removes it with Rimuovi().
  bool Creato() const { return creato_; }
  // How many names (hard links) the locked file has.
  nlink_t Collegamenti() const;

  // The whole file, read through the locked descriptor; false on a read error (errno set).
  bool Leggi(std::string& testo) const;
  // Removes the file this lock created (for a writer that failed before writing anything).
  void Rimuovi();

 private:
  std::string percorso_;
  std::string bersaglio_;
  std::string errore_;
  std::string nonScrivibile_;
  int fd_ = -1;
  bool scrivibile_ = false;
  bool inUso_ = false;
  bool creato_ = false;
};

}  // namespace ruotario
