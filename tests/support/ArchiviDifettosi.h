#pragma once
// Archive files of every shape a user's disk may hold: damaged, oddly broken
// into lines, huge. Each with the draws the readers must find in it.

#include <string>
#include <vector>

#include "support/ArchivioProva.h"

namespace ruotario::prova {

struct ArchivioDifettoso {
  const char* nome;
  std::string testo;
  int estrazioni;  // lines by the reader rules
  bool valido;     // passes the quick validity check
  int problemi;    // faults listed by the full check
};

// kR2 with `pezzo` written at character `dove` (0-based).
inline std::string R2Con(std::size_t dove, const std::string& pezzo) {
  std::string r = kR2;
  r.replace(dove, pezzo.size(), pezzo);
  return r;
}

inline std::vector<ArchivioDifettoso> ArchiviDifettosi() {
  std::vector<std::string> molte;
  for (int i = 0; i < 40000; ++i) molte.push_back(RecordRuota(i, {i % 90 + 1, 0, 0, 0, 0}));
  return {
      {"empty", "", 0, false, 0},
      {"one line, no break", kR1, 1, true, 0},
      {"LF breaks", kR1 + "\n" + kR2, 2, true, 0},
      {"CR-only breaks", kR1 + "\r" + kR2, 2, true, 0},
      {"trailing break", kR1 + "\r\n" + kR2 + "\r\n", 2, true, 0},
      {"line of 119", kR1 + "\r\n" + kR2.substr(0, 119), 2, false, 1},
      {"line of 200", kR1 + "\r\n" + kR2 + std::string(79, 'x'), 2, true, 1},
      {"NUL byte", kR1 + "\r\n" + R2Con(15, std::string(1, '\0')), 2, true, 1},
      {"non-ASCII bytes", kR1 + "\r\n" + R2Con(15, "\xc3\xa9"), 2, true, 1},
      {"number 00", kR1 + "\r\n" + R2Con(11, "00"), 2, true, 0},
      {"number 99", kR1 + "\r\n" + R2Con(11, "99"), 2, true, 1},
      {"40,000 records", Unisci(molte), 40000, true, -1},
  };
}

}  // namespace ruotario::prova
