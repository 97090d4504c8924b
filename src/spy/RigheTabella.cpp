#include "spy/RigheTabella.h"

#include <algorithm>
#include <charconv>

#include "app/NumeriLotto.h"

namespace ruotario {

std::vector<std::string> TitoliFormato(std::string_view formato) {
  std::vector<std::string> titoli;
  std::size_t inizio = 0;
  while (true) {
    const std::size_t bar = formato.find('|', inizio);
    titoli.emplace_back(formato.substr(inizio, bar == std::string_view::npos ? std::string_view::npos : bar - inizio));
    if (bar == std::string_view::npos) break;
    inizio = bar + 1;
  }
  return titoli;
}

double ChiaveNumerica(std::string_view testo, char separatore) {
  while (!testo.empty() && testo.front() == ' ') testo.remove_prefix(1);
  while (!testo.empty() && testo.back() == ' ') testo.remove_suffix(1);
  std::string normale;
  normale.reserve(testo.size());
  for (std::size_t i = 0; i < testo.size(); ++i) {
    const char c = testo[i];
    if (c >= '0' && c <= '9') {
      normale += c;
    } else if (c == separatore && normale.find('.') == std::string::npos) {
      normale += '.';
    } else if ((c == '-' || c == '+') && i == 0) {
      if (c == '-') normale += c;
    } else {
      return 0.0;
    }
  }
  double valore = 0.0;
  const auto [fine, errore] = std::from_chars(normale.data(), normale.data() + normale.size(), valore);
  if (errore != std::errc() || fine != normale.data() + normale.size()) return 0.0;
  return valore;
}

void OrdinaRighe(RigheTabella& righe, int colonna, Verso verso, char separatore) {
  if (colonna < 0) return;
  const auto c = static_cast<std::size_t>(colonna);
  // Keys are read once; the rows move with them.
  std::vector<std::pair<double, std::size_t>> chiavi;
  chiavi.reserve(righe.size());
  for (std::size_t i = 0; i < righe.size(); ++i)
    chiavi.emplace_back(c < righe[i].size() ? ChiaveNumerica(righe[i][c], separatore) : 0.0, i);
  if (verso == Verso::Crescente)
    std::stable_sort(chiavi.begin(), chiavi.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  else
    std::stable_sort(chiavi.begin(), chiavi.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  RigheTabella ordinate;
  ordinate.reserve(righe.size());
  for (const auto& [chiave, indice] : chiavi) ordinate.push_back(std::move(righe[indice]));
  righe = std::move(ordinate);
}

void TieniMigliori(RigheTabella& righe, int colonna, std::size_t quante, char separatore) {
  OrdinaRighe(righe, colonna, Verso::Decrescente, separatore);
  if (righe.size() > quante) righe.resize(quante);
}

RigheTabella RigheNumeri(int colonne) {
  RigheTabella righe;
  righe.reserve(90);
  for (int n = 1; n <= 90; ++n) {
    RigaTabella riga(static_cast<std::size_t>(std::max(colonne, 1)));
    riga[0] = DueCifre(n);
    righe.push_back(std::move(riga));
  }
  return righe;
}

}  // namespace ruotario
