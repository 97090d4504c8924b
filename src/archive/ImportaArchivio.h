#pragma once
// Replaces the archive with a file chosen by the user, keeping the previous
// archive in copiaEstrazioni.txt beside it. The new archive is written to
// TempEstrazioni.txt and renamed over the old one, so at every moment the
// archive is either the old file or the new one, whole. The archive's lock is
// held from the backup to the rename; an archive that is a symbolic link stays
// one (the file it names is replaced, through a temporary file in its folder).

#include <chrono>
#include <string>

#include "archive/BloccoArchivio.h"

namespace ruotario {

struct RichiestaImportazione {
  std::string Scelto;                                // the file to import
  std::string Archivio;                              // ArchivePath; backup and temporary file go in its folder
  bool ConsentiNonValido = false;                    // the user agreed to import a file that fails the validity check
  std::chrono::milliseconds Attesa = kAttesaBlocco;  // for another program to finish with the archive
};

enum class StatoImportazione {
  Riuscita,
  Rifiutata,  // nothing was done: no file chosen, the same file, an empty file, a hard-linked archive
  NonValido,  // the file fails the validity check: ask, then retry with ConsentiNonValido
  Fallita,    // an error while importing; see ArchivioInvariato
};

struct EsitoImportazione {
  StatoImportazione Stato = StatoImportazione::Riuscita;
  std::string Messaggio;          // Italian, for the user, in every state
  bool ArchivioInvariato = true;  // the archive is byte for byte what it was before
  bool CopiaCreata = false;       // copiaEstrazioni.txt now holds the previous archive
  std::string CopiaRiserva;       // path of copiaEstrazioni.txt
  explicit operator bool() const { return Stato == StatoImportazione::Riuscita; }
};

EsitoImportazione ImportaArchivio(const RichiestaImportazione& richiesta);

}  // namespace ruotario
