#pragma once
// A random but realistic sample archive, so the program runs out of the box.
// Deterministic: the same seed always gives the same bytes.

#include <cstdint>
#include <string>

namespace ruotario {

inline constexpr std::uint64_t kSemeEsempio = 1939;

struct OpzioniEsempio {
  int Estrazioni = 0;  // 0: the whole calendar from 07/01/1939 to August 2026
  std::uint64_t Seme = kSemeEsempio;
};

// The archive text: 121-character records joined by CR LF, none after the last.
// Draw days follow the real calendar: Saturdays to 1996, Wednesday and Saturday
// to mid-2005, Tuesday, Thursday and Saturday to mid-2023, then also Friday.
std::string GeneraArchivioEsempio(const OpzioniEsempio& opzioni = {});

}  // namespace ruotario
