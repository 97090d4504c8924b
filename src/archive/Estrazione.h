#pragma once
// One draw as read from the archive. Fields are taken by character position
// only; positions beyond the end of a short line give empty text.

#include <string>
#include <string_view>

namespace ruotario {

inline constexpr int kNumeroRuote = 10;
inline constexpr int kNumeriPerRuota = 5;
inline constexpr int kLunghezzaRecord = 121;
inline constexpr int kLunghezzaRiga = 123;  // record plus CR LF

struct Estrazione {
  int Numero = 0;    // 1-based position in the file
  std::string Riga;  // the line as read, without its line break

  // Characters 1-10: the date as stored ("dd/mm/yyyy").
  std::string_view Data() const { return pezzo(0, 10); }
  // The 10 characters of wheel r (1..10).
  std::string_view Blocco(int r) const { return pezzo(11 + 11 * (r - 1), 10); }
  // The 2 characters of number k (1..5) on wheel r, as stored.
  std::string_view TestoNumero(int r, int k) const { return pezzo(11 + 11 * (r - 1) + 2 * (k - 1), 2); }
  // Numeric value of TestoNumero (0..99); only 1..90 are drawn numbers.
  int Valore(int r, int k) const;

 private:
  std::string_view pezzo(std::size_t inizio, std::size_t lunghezza) const {
    if (inizio >= Riga.size()) return {};
    return std::string_view(Riga).substr(inizio, lunghezza);
  }
};

}  // namespace ruotario
