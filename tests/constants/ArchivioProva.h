#pragma once
// Small hand-made archives for the constants method tests.

#include <cstdio>
#include <string>
#include <vector>

#include "archive/ArchivioEstrazioni.h"

namespace ruotario::prova {

// A 121-character record: the date, then up to 50 numbers wheel by wheel
// (five per wheel, Bari first); missing numbers are written "00".
inline std::string Record(const std::string& data, const std::vector<int>& numeri) {
  std::string r = data;
  for (int ruota = 0; ruota < 10; ++ruota) {
    r += '|';
    for (int k = 0; k < 5; ++k) {
      const std::size_t i = static_cast<std::size_t>(ruota * 5 + k);
      char due[3];
      std::snprintf(due, sizeof due, "%02d", i < numeri.size() ? numeri[i] : 0);
      r += due;
    }
  }
  return r + '|';
}

// Record i of a test archive: date "dd/mm/2000" from i (day 1..28 cycling through the months).
inline std::string DataProva(int i) {
  char d[32];
  std::snprintf(d, sizeof d, "%02d/%02d/2000", (i - 1) % 28 + 1, (i - 1) / 28 % 12 + 1);
  return d;
}

// Archive text of the given Bari blocks, one record each, dates from DataProva.
inline std::string TestoBari(const std::vector<std::vector<int>>& bari) {
  std::string t;
  for (std::size_t i = 0; i < bari.size(); ++i) {
    if (i) t += "\r\n";
    t += Record(DataProva(static_cast<int>(i) + 1), bari[i]);
  }
  return t;
}

inline ArchivioEstrazioni ArchivioBari(const std::vector<std::vector<int>>& bari) {
  return ArchivioEstrazioni::DaTesto(TestoBari(bari));
}

}  // namespace ruotario::prova
