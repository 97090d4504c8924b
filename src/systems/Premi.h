#pragma once
// The prizes of the game: what a winning sorte pays for each euro played on one
// wheel, and the share withheld on wins. They live in a text file the user can
// change (premi.txt in the data folder); every result names the file it used.
//
//   # a note
//   Fonte: who sets the figures
//   Valido dal: 01/10/2017
//   Estratto: 11,23
//   Ambo: 250
//   Terno: 4500
//   Quaterna: 120000
//   Cinquina: 6000000
//   Ritenuta: 8%

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ruotario {

inline constexpr const char* kNomePremi = "premi.txt";

struct TabellaPremi {
  std::array<double, 6> Moltiplicatore{};  // [sorte], 1..5
  double Ritenuta = 0.0;                   // share withheld on wins, 0..1
  std::string Fonte;
  std::string ValidoDal;
  std::string File;  // the file the figures were read from
};

struct PremiLetti {
  std::optional<TabellaPremi> Premi;
  std::string Errore;  // "premi.txt, riga 5: ..." when the file cannot be used
};

PremiLetti LeggiPremi(const std::string& percorso);
// The same from text already read; `file` names it in the result and the errors.
PremiLetti PremiDaTesto(std::string_view testo, const std::string& file);

}  // namespace ruotario
