#include "print/GrigliaTesto.h"

#include <algorithm>

namespace ruotario {

int GrigliaTesto::Colonne() const {
  std::size_t n = intestazioni.size();
  for (const auto& r : righe) n = std::max(n, r.size());
  return static_cast<int>(n);
}

const std::string& GrigliaTesto::Cella(int r, int c) const {
  static const std::string vuota;
  if (r < 0 || c < 0) return vuota;
  const std::vector<std::string>* riga = nullptr;
  if (r == 0)
    riga = &intestazioni;
  else if (r - 1 < static_cast<int>(righe.size()))
    riga = &righe[r - 1];
  else
    return vuota;
  return c < static_cast<int>(riga->size()) ? (*riga)[c] : vuota;
}

}  // namespace ruotario
