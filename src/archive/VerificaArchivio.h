#pragma once
// Checks an archive file before it is trusted: the quick validity check used
// before an import, and a full report of the faults line by line.

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

enum class TipoProblema { Lunghezza, DataNonValida, DataIndietro, NumeroFuoriIntervallo, NumeroRipetuto };

struct ProblemaArchivio {
  int Riga = 0;  // 1-based line number
  TipoProblema Tipo{};
  std::string Descrizione;  // Italian
};

// Every fault of every line: wrong length, invalid or backward date, a number
// outside 00..90, a number repeated on one wheel.
std::vector<ProblemaArchivio> ElencaProblemi(std::string_view testo);

}  // namespace ruotario
