#include "app/Glossario.h"

#include <fstream>

#include "app/Ambiente.h"

namespace ruotario {

std::optional<std::string> LeggiGlossario(const std::string& percorso) {
  if (!EsisteFile(percorso)) return std::nullopt;
  std::ifstream in(percorso, std::ios::binary);
  if (!in) return std::nullopt;
  std::string testo;
  std::string riga;
  while (std::getline(in, riga)) {
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    testo += riga;
    testo += '\n';
  }
  if (in.bad()) return std::nullopt;
  return testo;
}

}  // namespace ruotario
