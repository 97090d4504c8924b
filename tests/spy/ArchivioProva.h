#pragma once
// Small hand-made archives for the spy tests: 121-character records composed
// from a date and the 50 numbers of the ten wheels.

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "archive/ArchivioEstrazioni.h"

namespace ruotario::prova {

using Cinque = std::array<int, 5>;

// "dd/mm/yyyy|" then ten blocks of five two-digit numbers, each closed by "|".
// Values are written as two digits, so 0 becomes "00".
inline std::string Record(const std::string& data, const std::array<Cinque, 10>& ruote) {
  std::string r = data + "|";
  char due[8];
  for (const auto& ruota : ruote) {
    for (int n : ruota) {
      std::snprintf(due, sizeof due, "%02d", n);
      r += due;
    }
    r += '|';
  }
  return r;
}

// A record with `numeri` on wheel `ruota` and the same filler 81..85 on every
// other wheel, so a study of the wrong wheel finds nothing it expects.
inline std::string RecordRuota(int indice, const Cinque& numeri, int ruota = 1) {
  std::array<Cinque, 10> ruote;
  ruote.fill({81, 82, 83, 84, 85});
  ruote[static_cast<std::size_t>(ruota - 1)] = numeri;
  char data[16];
  std::snprintf(data, sizeof data, "%02d/%02d/%04d", indice % 28 + 1, indice / 28 % 12 + 1, 1939 + indice / 336);
  return Record(data, ruote);
}

inline std::string Unisci(const std::vector<std::string>& record) {
  std::string testo;
  for (std::size_t i = 0; i < record.size(); ++i) testo += (i ? "\r\n" : "") + record[i];
  return testo;
}

// An archive of one wheel's draws, oldest first.
inline std::string TestoArchivio(const std::vector<Cinque>& estrazioni, int ruota = 1) {
  std::vector<std::string> record;
  for (std::size_t i = 0; i < estrazioni.size(); ++i)
    record.push_back(RecordRuota(static_cast<int>(i), estrazioni[i], ruota));
  return Unisci(record);
}

inline ArchivioEstrazioni Archivio(const std::vector<Cinque>& estrazioni, int ruota = 1) {
  return ArchivioEstrazioni::DaTesto(TestoArchivio(estrazioni, ruota));
}

inline Estrazione Una(const Cinque& numeri, int ruota = 1) { return Estrazione{1, RecordRuota(0, numeri, ruota)}; }

}  // namespace ruotario::prova
