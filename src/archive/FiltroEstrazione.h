#pragma once
// The filter that takes a draw out of free text pasted by the user (the
// results page of the state agency, a teletext page, a hand-written note):
// the first date-like token, and for every wheel named in the text the first
// five numbers 1..90 that follow its name. Total over any input and linear in
// its length: nothing here can fail, hang or write anywhere.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/NumeriLotto.h"
#include "archive/ControlloData.h"
#include "archive/ScritturaArchivio.h"

namespace ruotario {

// The dates a draw may have: the three date pickers and the pasted-text filter
// accept these and no other.
struct IntervalloDate {
  DataEstrazione Minima;
  DataEstrazione Massima;
};
// From the year the published historical archives start to the end of the century.
inline constexpr IntervalloDate kIntervalloDataEstrazione{{1, 1, 1871}, {31, 12, 2099}};

// Index 0 is the Nazionale wheel, 1..10 the wheels in `Ruota` order.
inline constexpr int kRuoteFiltrate = 11;
inline constexpr std::array<std::string_view, kRuoteFiltrate> kNomiRuoteFiltro = [] {
  std::array<std::string_view, kRuoteFiltrate> nomi{"Nazionale"};
  for (std::size_t r = 0; r < kNomiRuote.size(); ++r) nomi[r + 1] = kNomiRuote[r];
  return nomi;
}();

// [wheel 0..10][place 0..4]: empty or two digits "01".."90".
using NumeriFiltrati = std::array<std::array<std::string, 5>, kRuoteFiltrate>;

// A token read day first as a date: day and month of one or two digits and a
// year of two or four digits, separated by two equal "/" or "-"; at least 8
// characters. Two-digit years 39..99 are 19xx, 00..38 are 20xx.
std::optional<DataEstrazione> LeggiDataToken(std::string_view token);

// The first date-like token of the text that is followed by a separator
// (blank, tab, CR, LF) and lies within `ammesse`; nullopt when there is none.
std::optional<DataEstrazione> CercaData(std::string_view testo,
                                        const IntervalloDate& ammesse = kIntervalloDataEstrazione);

// For every wheel whose name occurs (first occurrence, any case), the first
// five numbers of one or two digits, 1..90, that follow the name and are
// ended by a non-digit; the scan runs on past the wheel's own line.
NumeriFiltrati CercaNumeri(std::string_view testo);

struct EsitoFiltro {
  std::string DataTrovata;             // "dd/mm/yyyy" or empty
  std::optional<DataEstrazione> Data;  // the same date, when found
  NumeriFiltrati Numeri;               // as CercaNumeri found them
  std::string Testo;                   // the rewritten text: date or pasted text, then one line per wheel

  // Number of places found on wheel r (0..10).
  int Trovati(int r) const;
  // Date found and the ten regional wheels complete; the Nazionale is never stored.
  bool Completo() const;
  // The ten regional wheels as entry-grid cells (empty where nothing was found).
  CelleRuote Celle() const;
};

// What a real draw never shows, one Italian text per fault naming the wheels:
// a number twice on one wheel, or two wheels (the Nazionale included) with the
// same five numbers in any order. A wheel lacking any number ("00" or empty)
// is never a repeat of another. Empty when the draw may be real.
std::vector<std::string> AnomalieEstrazione(const NumeriFiltrati& numeri);

// The instructions shown in the paste box before the user's own text: an
// example of the format, which itself filters to a complete draw of 01/01/2000.
// Every line is followed by CR LF.
std::string IstruzioniFiltro();

// The whole filter as the pasted-draw window runs it: a blank is appended to
// the text, the date and the numbers are searched, and the text is rewritten
// as "Data: dd/mm/yyyy" (or the pasted text itself when no date was found)
// followed by CR LF and one line per wheel, "Bari  05 12 34 78 90", each
// followed by CR LF. An empty text gives an empty result.
EsitoFiltro FiltraEstrazione(std::string_view testo, const IntervalloDate& ammesse = kIntervalloDataEstrazione);

}  // namespace ruotario
