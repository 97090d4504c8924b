#pragma once
// The facts the import and export windows show for one archive file (path,
// size, draws, last date, validity), and the small path checks they share.

#include <cstdint>
#include <string>

namespace ruotario {

inline constexpr const char* kNomeCopiaRiserva = "copiaEstrazioni.txt";
inline constexpr const char* kNomeTemporaneoImportazione = "TempEstrazioni.txt";

inline constexpr const char* kAvvisoFileNonCorretto =
    "ATTENZIONE!!! il file scelto non è corretto, si consiglia di NON eseguire l'importazione per evitare "
    "malfunzionamenti del programma.";

struct DatiFileArchivio {
  std::string Percorso;
  bool Esiste = false;
  std::int64_t Byte = 0;
  std::int64_t DimensioneKB = 0;  // bytes / 1024, whole part
  int TotaleEstrazioni = 0;       // lines read by the reader rules
  std::string DataUltima;         // characters 1-10 of the last line
  bool Valido = true;             // calctotest only: no line shorter than 120 characters, not empty
  std::string Errore;             // Italian, when the file could not be read
};

// Reads the file, counts its draws, keeps the last date and applies the
// validity check. A file that cannot be read gives Esiste or Errore.
DatiFileArchivio calctotest(const std::string& percorso);

// The same facts without the validity check (Valido stays true).
DatiFileArchivio ContaEstrazioni(const std::string& percorso);

// True when the name ends with "estrazioni.txt", letter case ignored.
bool NomeImportabile(const std::string& percorso);

// True when both paths name the same file: the same text once normalised, or
// the same file reached through another spelling or a symbolic link.
bool StessoFile(const std::string& a, const std::string& b);

// The folder that holds a file ("." for a bare name).
std::string CartellaDi(const std::string& percorso);

}  // namespace ruotario
