#pragma once
// The Nazionale wheel, kept beside the ten-wheel archive in nazionale.txt: one
// 22-character record "dd/mm/yyyy|nnnnnnnnnn|" for each date that has a
// Nazionale draw, oldest first, CR LF between records as in the archive. The
// ten-wheel archive and the studies over it never read this file.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace ruotario {

inline constexpr const char* kNomeNazionale = "nazionale.txt";
inline constexpr const char* kNomeCopiaNazionale = "copiaNazionale.txt";
inline constexpr int kLunghezzaRecordNazionale = 22;

struct EstrazioneNazionale {
  std::string Data;             // "dd/mm/yyyy", as stored
  std::array<int, 5> Numeri{};  // in extraction order; 0 for a number not 1..90

  bool operator==(const EstrazioneNazionale&) const = default;
};

// nazionale.txt in the folder of the archive at `archivio`.
std::string PercorsoNazionale(const std::string& archivio);

// The records of a nazionale.txt text, by the archive's line rules; a line
// shorter than a record or without a date is skipped.
std::vector<EstrazioneNazionale> LeggiTestoNazionale(std::string_view testo);
// The same from a file; a missing or unreadable file gives no draws.
std::vector<EstrazioneNazionale> LeggiNazionale(const std::string& percorso);

// "dd/mm/yyyy|nnnnnnnnnn|" for one draw.
std::string ComponiRecordNazionale(const EstrazioneNazionale& estrazione);

}  // namespace ruotario
