#pragma once
// Checks an archive file before it is trusted: the quick validity check used
// before an import, and a full report of the faults line by line.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ruotario {

struct EsitoValidita {
  bool Valido = false;
  bool Esiste = false;
  int Righe = 0;           // lines read
  std::string DataUltima;  // characters 1-10 of the last line
};

// Not valid when a line is shorter than 120 characters (a line lacking only
// its closing '|' still carries all fifty numbers) or when there is no line
// at all: an empty file never replaces an archive.
EsitoValidita ControllaValidita(std::string_view testo);
EsitoValidita ControllaValiditaFile(const std::string& percorso);

enum class TipoProblema { Lunghezza, DataNonValida, DataIndietro, DataRipetuta, NumeroFuoriIntervallo, NumeroRipetuto };
inline constexpr std::size_t kTipiProblema = 6;

struct ProblemaArchivio {
  int Riga = 0;  // 1-based line number
  TipoProblema Tipo{};
  std::string Descrizione;  // Italian; bytes of the file that cannot be printed appear as \xHH
};

struct ElencoProblemi {
  std::vector<ProblemaArchivio> Primi;             // the first ones, in file order
  std::array<long long, kTipiProblema> PerTipo{};  // every one, by TipoProblema
  long long Totale = 0;
  bool Nessuno() const { return Totale == 0; }
};

// How many problems a report lists one by one; the rest are only counted.
inline constexpr std::size_t kProblemiElencati = 200;

// Every fault of every line: wrong length, invalid date, a date before the
// line above or the same as it, a number outside 00..90, a number repeated on
// one wheel. The first `massimo` are described, all are counted, so a damaged
// file of any size takes little memory.
ElencoProblemi ElencaProblemi(std::string_view testo, std::size_t massimo = kProblemiElencati);

// The text with every byte that is not printable ASCII (and the backslash)
// written as an escape, \xHH: a file's bytes quoted in a message or a report.
std::string TestoStampabile(std::string_view testo);

}  // namespace ruotario
