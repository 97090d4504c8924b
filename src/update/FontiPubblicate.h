#pragma once
// The published archives of the draws, read into wheel lines: the official
// historical archive ("storico", one TAB-separated line per wheel per draw),
// the per-wheel files in the same line format, the semicolon CSV, and
// Ruotario's own 121-character layout; a ZIP holding any of them is read as
// those files. The format is told from the content, never from the name.
//
// Reading never trusts a line: every line that is not of its format, or whose
// date does not exist, whose numbers are outside 1..90 or repeated on a
// wheel, is rejected and reported; the same date and wheel given twice with
// different numbers rejects both. A date with any rejected line is marked, so
// that it is not written at all.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ruotario {

enum class FormatoFonte { Sconosciuto, Vuoto, Html, Zip, Storico, Csv, Ruotario };

// The format of a file from its first bytes and lines.
FormatoFonte RiconosciFormato(std::string_view dati);
// "archivio storico ufficiale (righe con TAB)" and the like, for the report.
std::string NomeFormato(FormatoFonte formato);

// Index of the Nazionale wheel in RigaFonte::Ruota; 0..9 are the ten wheels.
inline constexpr int kIndiceNazionale = 10;

// One accepted wheel line: a date, a wheel and its five numbers in order.
struct RigaFonte {
  int Data = 0;            // yyyymmdd
  std::uint8_t Ruota = 0;  // 0..9 in the archive's order, kIndiceNazionale
  std::array<std::uint8_t, 5> Numeri{};
  std::uint32_t Fonte = 0;  // index in LetturaFonti::Fonti
  std::uint32_t Riga = 0;   // 1-based line of that source
};

enum class TipoScarto {
  Formato,   // not a line of its format
  Data,      // a date that does not exist, or out of the archive's range
  Numero,    // a number outside 1..90
  Ripetuto,  // a number repeated on a wheel
  Doppione,  // the same date and wheel twice, with different numbers
};
inline constexpr int kTipiScarto = 5;
// "data inesistente" and the like.
std::string NomeScarto(TipoScarto tipo);

struct Scarto {
  TipoScarto Tipo{};
  std::string Fonte;
  int Riga = 0;
  std::string Testo;   // the line as read (printable, cut when long)
  std::string Motivo;  // Italian
};

// A date earlier than the one before it in the same source: merged all the same.
struct DataSospetta {
  std::string Fonte;
  int Riga = 0;
  int Data = 0;
  int Precedente = 0;
};

struct FonteLetta {
  std::string Nome;  // the address, the path, or "archivio.zip: storico.txt"
  FormatoFonte Formato{};
  int Righe = 0;      // lines read, empty lines excluded
  int Accettate = 0;  // lines accepted
};

// Only the first rejected lines and suspicious dates are kept one by one;
// every one is counted.
inline constexpr std::size_t kMassimoElencati = 1000;

struct LetturaFonti {
  std::vector<FonteLetta> Fonti;
  std::vector<RigaFonte> Righe;  // accepted; after ConcludiLettura sorted by date and wheel, one per pair
  std::vector<Scarto> Scarti;
  std::array<int, kTipiScarto> ScartiPerTipo{};
  int Scartate = 0;
  std::vector<int> DateScartate;  // dates with a rejected line; sorted and unique after ConcludiLettura
  int Ripetute = 0;               // exact repeats of a line, skipped
  std::vector<DataSospetta> Sospette;
  int ContaSospette = 0;
  std::string Errore;  // Italian: a source is not an archive, or could not be read
  bool Annullata = false;
  explicit operator bool() const { return Errore.empty() && !Annullata; }
};

// Reads one file (or download) named `nome`; a ZIP is opened and each file in
// it read. False, with Errore set, when it is not an archive of the draws:
// an empty file, an HTML page, a damaged ZIP or one without a file of draws,
// a file of another format or of another game (no line accepted).
bool LeggiFonte(const std::string& nome, std::string_view dati, LetturaFonti& lettura);

// After the last source: sorts the lines, skips exact repeats, rejects the
// same date and wheel given twice with different numbers.
void ConcludiLettura(LetturaFonti& lettura);

// yyyymmdd as the archive writes it, "dd/mm/yyyy".
std::string TestoDataChiave(int data);

}  // namespace ruotario
