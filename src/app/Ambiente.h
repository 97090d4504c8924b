#pragma once
// Where the program lives and finds its files, and the little state shared by
// every window for the whole run.

#include <optional>
#include <string>

namespace ruotario {

inline constexpr const char* kNomeArchivio = "estrazioni.txt";
inline constexpr const char* kNomeGlossario = "termini.txt";
inline constexpr const char* kVariabileCartella = "RUOTARIO_DIR";

// The program folder: RUOTARIO_DIR when set (installed copies, tests), else the
// folder of the running executable. Blanks at both ends are trimmed.
std::string CercaAppDir();

// Same rule as CercaAppDir, with its inputs given (testable).
std::string CercaAppDir(std::optional<std::string> variabile, const std::string& cartellaEseguibile);

// AppDir followed by the archive name with exactly one separator, also at the root.
std::string ComponiPercorso(const std::string& appDir, const std::string& nome);

// True when a regular file (not a folder) exists at the path.
bool EsisteFile(const std::string& percorso);

// Makes an existing archive writable by its owner so the writing windows can
// save; a failure is ignored (the writers report their own errors).
void SbloccaArchivio(const std::string& percorso);

// Program-wide state, created at start-up.
struct StatoProgramma {
  std::string AppDir;
  std::string ArchivePath;
  bool ArchivioModificato = false;  // a new draw was appended; recompute on close
};

StatoProgramma& Stato();

// Resolves AppDir and ArchivePath into Stato() and clears ArchivioModificato.
void InizializzaStato();

}  // namespace ruotario
