#include "cli/Tabella.h"

#include <algorithm>

#include "print/TabellaCsv.h"

namespace ruotario::cli {

namespace {

bool numerico(const std::string& s) {
  if (s.empty()) return true;  // empty cells do not decide the alignment
  return std::all_of(s.begin(), s.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; });
}

}  // namespace

void StampaTesto(const Tabella& t, std::ostream& out) {
  const std::size_t colonne = t.Intestazioni.size();
  std::vector<std::size_t> larghezza(colonne, 0);
  std::vector<bool> destra(colonne, true);
  for (std::size_t c = 0; c < colonne; ++c) larghezza[c] = t.Intestazioni[c].size();
  for (const auto& riga : t.Righe) {
    for (std::size_t c = 0; c < colonne && c < riga.size(); ++c) {
      larghezza[c] = std::max(larghezza[c], riga[c].size());
      if (!numerico(riga[c])) destra[c] = false;
    }
  }
  auto stampa = [&](const std::vector<std::string>& riga) {
    std::string linea;
    for (std::size_t c = 0; c < colonne; ++c) {
      const std::string cella = c < riga.size() ? riga[c] : std::string();
      const std::string spazi(larghezza[c] - std::min(larghezza[c], cella.size()), ' ');
      if (c > 0) linea += "  ";
      linea += destra[c] ? spazi + cella : cella + spazi;
    }
    while (!linea.empty() && linea.back() == ' ') linea.pop_back();
    out << linea << '\n';
  };
  stampa(t.Intestazioni);
  for (const auto& riga : t.Righe) stampa(riga);
}

void StampaCsv(const Tabella& t, std::ostream& out) { out << TestoCsv(t.Intestazioni, t.Righe); }

}  // namespace ruotario::cli
