#pragma once
// The whole draw archive in file order, oldest first. Every reader follows the
// same rules: a line ends at CR (an LF right after it belongs to the break) or
// at a lone LF; a break at the very end makes no further record; an empty line
// inside the file is a record. A missing or unreadable file reads as empty.

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "archive/Estrazione.h"

namespace ruotario {

class ArchivioEstrazioni {
 public:
  ArchivioEstrazioni() = default;
  explicit ArchivioEstrazioni(std::vector<Estrazione> estrazioni);

  // Reads the file at `percorso`; a missing file gives an empty archive.
  static ArchivioEstrazioni CaricaArchivio(const std::string& percorso);
  // Splits archive text already in memory by the same rules.
  static ArchivioEstrazioni DaTesto(std::string_view testo);

  int Conta() const { return static_cast<int>(estrazioni_.size()); }
  bool Vuoto() const { return estrazioni_.empty(); }
  // Record i, 1-based (1..Conta()).
  const Estrazione& operator[](int i) const { return estrazioni_[static_cast<std::size_t>(i - 1)]; }
  // The most recent draw; only valid when the archive is not empty.
  const Estrazione& Ultima() const { return estrazioni_.back(); }
  // Date-list label of record i: "7: 10/02/1939".
  std::string EtichettaData(int i) const;

  const std::vector<Estrazione>& Estrazioni() const { return estrazioni_; }
  auto begin() const { return estrazioni_.begin(); }
  auto end() const { return estrazioni_.end(); }

 private:
  std::vector<Estrazione> estrazioni_;
};

// Calls `riga` for every line of `testo` by the reader rules.
template <typename Fn>
void PerOgniRiga(std::string_view testo, Fn&& riga) {
  const char* p = testo.data();
  const char* const fine = p + testo.size();
  while (p < fine) {
    const auto resto = static_cast<std::size_t>(fine - p);
    const char* cr = static_cast<const char*>(std::memchr(p, '\r', resto));
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', cr ? static_cast<std::size_t>(cr - p) : resto));
    const char* a = lf ? lf : (cr ? cr : fine);
    riga(std::string_view(p, static_cast<std::size_t>(a - p)));
    if (a == fine) break;
    p = (*a == '\r' && a + 1 < fine && a[1] == '\n') ? a + 2 : a + 1;
  }
}

// Reads a whole file into memory; false when it cannot be opened.
bool LeggiFile(const std::string& percorso, std::string& testo);

}  // namespace ruotario
