#pragma once
// Where the program lives and finds its files, and the little state shared by
// every window for the whole run.

#include <string>

#include "app/CartellaDati.h"

namespace ruotario {

inline constexpr const char* kNomeArchivio = "estrazioni.txt";
inline constexpr const char* kNomeGlossario = "termini.txt";

// The data folder of the running process (see CartellaDati.h).
std::string CercaAppDir();

// AppDir followed by the archive name with exactly one separator, also at the root.
std::string ComponiPercorso(const std::string& appDir, const std::string& nome);

// True when a regular file (not a folder) exists at the path.
bool EsisteFile(const std::string& percorso);

// Makes an existing archive writable by its owner so the writing windows can
// save; a failure is ignored (the writers report their own errors).
void SbloccaArchivio(const std::string& percorso);

// Program-wide state, created at start-up.
struct StatoProgramma {
  std::string AppDir;               // data folder: archive, backup, temporary copies
  std::string ArchivePath;          // the archive in AppDir
  std::string CartellaCondivisa;    // files shipped with the program; empty: AppDir only
  bool DatiUtente = false;          // AppDir is the user's data folder of an installed program
  bool ArchivioModificato = false;  // a new draw was appended; recompute on close
};

StatoProgramma& Stato();

// Resolves AppDir, ArchivePath and CartellaCondivisa into Stato() and clears ArchivioModificato.
void InizializzaStato();

// A shipped file such as the glossary: the copy in AppDir when there is one,
// else the one in CartellaCondivisa (AppDir's path when neither exists).
std::string PercorsoFileProgramma(const StatoProgramma& stato, const std::string& nome);

}  // namespace ruotario
