#include "ritardi/GruppoNumeri.h"

#include <algorithm>

#include "app/NumeriLotto.h"

namespace ruotario {

namespace {

GruppoNumeri gruppo(const char* nome, int valore, int (*classe)(int)) {
  GruppoNumeri g{std::string(nome) + " " + std::to_string(valore), {}};
  for (int n = 1; n <= 90; ++n)
    if (classe(n) == valore) g.Numeri.push_back(n);
  return g;
}

std::optional<int> cifra(std::string_view t, int minimo, int massimo) {
  if (t.size() != 1 || t[0] < '0' || t[0] > '9') return std::nullopt;
  const int v = t[0] - '0';
  if (v < minimo || v > massimo) return std::nullopt;
  return v;
}

}  // namespace

GruppoNumeri GruppoDecina(int decina) { return gruppo("Decina", decina, &Decina); }
GruppoNumeri GruppoCadenza(int cadenza) { return gruppo("Cadenza", cadenza, &Cadenza); }
GruppoNumeri GruppoFigura(int figura) { return gruppo("Figura", figura, &Figura); }

std::optional<GruppoNumeri> LeggiGruppo(std::string_view testo) {
  const std::size_t due = testo.find(':');
  if (due != std::string_view::npos) {
    const std::string_view tipo = testo.substr(0, due);
    const std::string_view valore = testo.substr(due + 1);
    if (tipo == "decina")
      if (const auto v = cifra(valore, 0, 8)) return GruppoDecina(*v);
    if (tipo == "cadenza")
      if (const auto v = cifra(valore, 0, 9)) return GruppoCadenza(*v);
    if (tipo == "figura")
      if (const auto v = cifra(valore, 1, 9)) return GruppoFigura(*v);
    return std::nullopt;
  }
  std::vector<int> numeri = LeggiNumeri(testo, 90);
  if (numeri.empty()) return std::nullopt;
  GruppoNumeri g;
  for (int n : numeri) g.Nome += (g.Nome.empty() ? "" : ",") + DueCifre(int{n});
  g.Numeri = std::move(numeri);
  return g;
}

std::vector<int> LeggiNumeri(std::string_view testo, std::size_t massimo) {
  std::vector<int> numeri;
  std::size_t i = 0;
  while (i < testo.size()) {
    const char c = testo[i];
    if (c == ' ' || c == ',' || c == '-' || c == '.' || c == '/') {
      ++i;
      continue;
    }
    if (c < '0' || c > '9') return {};
    int n = 0;
    for (; i < testo.size() && testo[i] >= '0' && testo[i] <= '9'; ++i) n = std::min(n * 10 + (testo[i] - '0'), 1000);
    if (n < 1 || n > 90) return {};
    numeri.push_back(n);
  }
  std::sort(numeri.begin(), numeri.end());
  if (numeri.size() > massimo || std::adjacent_find(numeri.begin(), numeri.end()) != numeri.end()) return {};
  return numeri;
}

}  // namespace ruotario
