#pragma once
// The pasted pages of tests/data/pagine: three layouts of the same draw.

#include <string>

#include "support/ArchivioProva.h"

namespace ruotario::prova {

inline std::string PercorsoPagina(const std::string& nome) {
  return std::string(RUOTARIO_TEST_DATA) + "/pagine/" + nome;
}

// The draw of 10/01/2026 the pages publish, as the archive stores it.
inline const std::string kRecordPagine = Record(
    "10/01/2026", {23, 45, 8,  67, 11, 90, 1,  34, 56, 72, 14, 3,  77, 29, 60, 5,  88, 41, 19, 36, 62, 70, 9,  44, 13,
                   31, 2,  85, 58, 27, 48, 66, 17, 4,  79, 10, 53, 38, 81, 6,  57, 24, 69, 15, 40, 33, 86, 21, 50, 7});

}  // namespace ruotario::prova
