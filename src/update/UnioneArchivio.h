#pragma once
// Turns the lines read from the published archives into records and merges
// them into the archive's text, and the Nazionale wheel into nazionale.txt's.
// Pure functions over texts: nothing here reads or writes a file.
//
// The rules: a date later than the archive's last draw is appended, in date
// order; a date already there with the same numbers changes nothing; a date
// already there with other numbers is a conflict, reported with both versions,
// replaced only when asked (the record keeps its number); a date missing from
// the archive but earlier than its last draw is reported, and inserted in date
// order only when asked (the numbers of the later records then shift). A date
// that had a rejected line is left out whole. Records already in the archive
// are never renumbered or touched otherwise, and their bytes stay as they are.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "update/FontiPubblicate.h"

namespace ruotario {

// One source draw as a record of the target file.
struct RecordFonte {
  int Data = 0;  // yyyymmdd
  std::string Record;
};

// The archive's records: one per date of the ten wheels, "0000000000" for a
// wheel with no line that day; a date with only a Nazionale line gives none.
std::vector<RecordFonte> RecordArchivio(const LetturaFonti& lettura);
// nazionale.txt's records, one per date with a Nazionale line.
std::vector<RecordFonte> RecordNazionale(const LetturaFonti& lettura);

struct OpzioniUnione {
  bool Sostituisci = false;  // a conflict takes the source's version
  bool Inserisci = false;    // a missing earlier date is inserted in date order
};

struct Conflitto {
  std::string Data;
  int Numero = 0;  // position of the record in its file
  std::string InArchivio;
  std::string NellaFonte;
};

struct EsitoUnione {
  std::string Testo;  // the file's new text; the old one when nothing changes
  bool Cambiato = false;
  int Aggiunte = 0;  // appended after the last draw
  std::string PrimaData, UltimaData;
  int Inserite = 0;                   // earlier dates inserted on request
  std::vector<std::string> Mancanti;  // missing dates between the file's first and last
  int Precedenti = 0;                 // missing dates before the file's first (years it does not cover)
  std::string PrimaPrecedente, UltimaPrecedente;
  int Sostituite = 0;
  std::vector<Conflitto> Conflitti;
  int Uguali = 0;                        // dates already there, unchanged
  std::vector<std::string> SoloNelFile;  // dates within the sources' span that the sources lack
  std::string UltimaPrima;               // the file's last date before the merge
  // Conflicts left as they are: nothing may then be written.
  bool ConflittiAperti() const { return Sostituite < static_cast<int>(Conflitti.size()); }
};

// The archive text (any line breaks; a missing file is empty) merged with the
// source records, which must be in date order. A new archive text joins
// records with CR LF and ends without a break, as the appends leave it.
// `dateScartate` (sorted) are the dates left out for a rejected line: the
// file's records of those dates are not listed as missing from the sources.
EsitoUnione UnisciArchivio(std::string_view archivio, std::span<const RecordFonte> fonte, const OpzioniUnione& opzioni,
                           std::span<const int> dateScartate = {});

// nazionale.txt merged in the same way; its records carry no numbers that
// anything relies on, so a missing earlier date is always inserted.
EsitoUnione UnisciNazionale(std::string_view nazionale, std::span<const RecordFonte> fonte, bool sostituisci,
                            std::span<const int> dateScartate = {});

}  // namespace ruotario
