#pragma once
// The files inside a ZIP held in memory (the official archive is published
// zipped), through libzip. Bounded: a file, or the whole, larger than the
// limit once unpacked is refused rather than unpacked.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ruotario {

struct FileZip {
  std::string Nome;
  std::string Dati;
};

struct EsitoZip {
  std::vector<FileZip> File;  // regular files only, in the ZIP's order
  std::string Errore;         // Italian, when the ZIP is damaged, incomplete or too large
  explicit operator bool() const { return Errore.empty(); }
};

// True when the bytes begin as a ZIP does.
bool SembraZip(std::string_view dati);

EsitoZip ApriZip(std::string_view dati, std::size_t limiteByte);

}  // namespace ruotario
