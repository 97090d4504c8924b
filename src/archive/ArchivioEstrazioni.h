#pragma once
// The whole draw archive in file order, oldest first. Every reader follows the
// same rules: a line ends at CR (an LF right after it belongs to the break) or
// at a lone LF; a break at the very end makes no further record; an empty line
// inside the file is a record. A missing or unreadable file reads as empty.
//
// The text is held in one buffer of the file's size and the records are views
// into it; copies of an archive share that buffer, which never changes.

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "archive/Estrazione.h"

namespace ruotario {

class ArchivioEstrazioni {
 public:
  ArchivioEstrazioni() = default;
  explicit ArchivioEstrazioni(std::vector<Estrazione> estrazioni);
  ArchivioEstrazioni(const ArchivioEstrazioni&) = default;
  ArchivioEstrazioni& operator=(const ArchivioEstrazioni&) = default;
  // A moved-from archive is empty: its records went with the text they point into.
  ArchivioEstrazioni(ArchivioEstrazioni&& altro) noexcept
      : contenuto_(std::move(altro.contenuto_)),
        record_(std::exchange(altro.record_, nullptr)),
        conta_(std::exchange(altro.conta_, 0)) {}
  ArchivioEstrazioni& operator=(ArchivioEstrazioni&& altro) noexcept {
    contenuto_ = std::move(altro.contenuto_);
    record_ = std::exchange(altro.record_, nullptr);
    conta_ = std::exchange(altro.conta_, 0);
    return *this;
  }

  // Reads the file at `percorso`; a missing file gives an empty archive.
  static ArchivioEstrazioni CaricaArchivio(const std::string& percorso);
  // The same, but nullopt when the file cannot be opened or read, so a caller
  // can tell a failed read from an archive without draws.
  static std::optional<ArchivioEstrazioni> LeggiArchivio(const std::string& percorso);
  // Splits archive text already in memory by the same rules (the text is copied).
  static ArchivioEstrazioni DaTesto(std::string_view testo);

  int Conta() const { return conta_; }
  bool Vuoto() const { return conta_ == 0; }
  // Record i, 1-based (1..Conta()).
  const Estrazione& operator[](int i) const { return record_[i - 1]; }
  // The most recent draw; only valid when the archive is not empty.
  const Estrazione& Ultima() const { return record_[conta_ - 1]; }
  // Date-list label of record i: "7: 10/02/1939".
  std::string EtichettaData(int i) const;
  // The whole text as read (empty for an archive built from records).
  std::string_view Testo() const;
  // Every record is whole and stands at its fixed offset (record i at
  // (i - 1) * 123 bytes), so it can be read alone at that offset.
  bool FormaFissa() const;

  std::span<const Estrazione> Estrazioni() const { return {record_, static_cast<std::size_t>(conta_)}; }
  const Estrazione* begin() const { return record_; }
  const Estrazione* end() const { return record_ + conta_; }

 private:
  struct Contenuto;
  explicit ArchivioEstrazioni(std::shared_ptr<const Contenuto> contenuto);
  std::shared_ptr<const Contenuto> contenuto_;
  const Estrazione* record_ = nullptr;  // the records held by contenuto_
  int conta_ = 0;
};

// Calls `riga` for every line of `testo` by the reader rules.
template <typename Fn>
void PerOgniRiga(std::string_view testo, Fn&& riga) {
  const char* p = testo.data();
  const char* const fine = p + testo.size();
  const auto prossimo = [fine](const char* da, char c) {
    const void* t = std::memchr(da, c, static_cast<std::size_t>(fine - da));
    return t ? static_cast<const char*>(t) : fine;
  };
  // The next CR and the next LF (fine when none is left), each searched again
  // only once passed: every byte is scanned at most once for each, so a file
  // with only one kind of break does not cost a scan of the rest per line.
  const char* cr = p < fine ? prossimo(p, '\r') : fine;
  const char* lf = p < fine ? prossimo(p, '\n') : fine;
  while (p < fine) {
    if (cr < p) cr = prossimo(p, '\r');
    if (lf < p) lf = prossimo(p, '\n');
    const char* a = std::min(cr, lf);
    riga(std::string_view(p, static_cast<std::size_t>(a - p)));
    if (a == fine) break;
    p = (*a == '\r' && a + 1 < fine && a[1] == '\n') ? a + 2 : a + 1;
  }
}

// Reads a whole file into memory; false when it cannot be opened.
bool LeggiFile(const std::string& percorso, std::string& testo);

}  // namespace ruotario
