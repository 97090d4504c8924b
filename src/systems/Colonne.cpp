#include "systems/Colonne.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "archive/ArchivioEstrazioni.h"

namespace ruotario {

namespace {

bool separatore(char c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; }

// A whole number made of the digits of `testo` only; -1 otherwise.
int numeroDa(std::string_view testo) {
  int v = -1;
  const auto [ptr, ec] = std::from_chars(testo.data(), testo.data() + testo.size(), v);
  if (ec != std::errc() || ptr != testo.data() + testo.size() || testo.empty()) return -1;
  return v;
}

std::vector<std::string_view> pezzi(std::string_view riga) {
  std::vector<std::string_view> p;
  std::size_t i = 0;
  while (i < riga.size()) {
    while (i < riga.size() && separatore(riga[i])) ++i;
    std::size_t j = i;
    while (j < riga.size() && !separatore(riga[j])) ++j;
    if (j > i) p.push_back(riga.substr(i, j - i));
    i = j;
  }
  return p;
}

std::string fuoriIntervallo(std::string_view pezzo) {
  return "\"" + std::string(pezzo) + "\" non è un numero da 1 a 90";
}

}  // namespace

std::string ControllaNumeri(std::span<const int> numeri) {
  std::array<bool, 91> visto{};
  for (const int n : numeri) {
    if (n < 1 || n > 90) return "il numero " + std::to_string(n) + " non è fra 1 e 90";
    if (visto[static_cast<std::size_t>(n)]) return "il numero " + std::to_string(n) + " è ripetuto";
    visto[static_cast<std::size_t>(n)] = true;
  }
  return {};
}

ElencoNumeri LeggiElencoNumeri(std::string_view testo) {
  ElencoNumeri e;
  for (const std::string_view pezzo : pezzi(testo)) {
    const auto trattino = pezzo.find('-');
    const int da = numeroDa(pezzo.substr(0, trattino));
    const int a = trattino == std::string_view::npos ? da : numeroDa(pezzo.substr(trattino + 1));
    if (da < 1 || da > 90 || a < 1 || a > 90) {
      e.Errore = fuoriIntervallo(pezzo);
      return e;
    }
    if (a < da) {
      e.Errore = "l'intervallo \"" + std::string(pezzo) + "\" va dal numero più piccolo al più grande";
      return e;
    }
    for (int n = da; n <= a; ++n) e.Numeri.push_back(n);
  }
  if (e.Numeri.empty()) {
    e.Errore = "nessun numero indicato";
    return e;
  }
  e.Errore = ControllaNumeri(e.Numeri);
  std::sort(e.Numeri.begin(), e.Numeri.end());
  return e;
}

SistemaLetto LeggiSistema(std::string_view testo) {
  SistemaLetto s;
  int numeroRiga = 0;
  PerOgniRiga(testo, [&](std::string_view riga) {
    ++numeroRiga;
    if (!s.Errore.empty()) return;
    const auto parole = pezzi(riga);
    if (parole.empty() || parole.front().front() == '#') return;
    const std::string dove = "riga " + std::to_string(numeroRiga) + ": ";
    if (parole.size() > static_cast<std::size_t>(kMassimoPerColonna)) {
      s.Errore = dove + "più di " + std::to_string(kMassimoPerColonna) + " numeri";
      return;
    }
    Colonna c;
    for (const std::string_view p : parole) {
      const int n = numeroDa(p);
      if (n < 1 || n > 90) {
        s.Errore = dove + fuoriIntervallo(p);
        return;
      }
      c.push_back(n);
    }
    if (const std::string errore = ControllaNumeri(c); !errore.empty()) {
      s.Errore = dove + errore;
      return;
    }
    std::sort(c.begin(), c.end());
    s.Colonne.push_back(std::move(c));
  });
  if (s.Errore.empty() && s.Colonne.empty()) s.Errore = "nessuna colonna nel sistema";
  if (!s.Errore.empty()) s.Colonne.clear();
  return s;
}

std::string TestoElencoNumeri(std::span<const int> numeri) {
  std::vector<int> ordinati(numeri.begin(), numeri.end());
  std::sort(ordinati.begin(), ordinati.end());
  std::string t;
  for (std::size_t i = 0; i < ordinati.size();) {
    std::size_t j = i;
    while (j + 1 < ordinati.size() && ordinati[j + 1] == ordinati[j] + 1) ++j;
    if (!t.empty()) t += ',';
    t += std::to_string(ordinati[i]);
    if (j > i) t += (j == i + 1 ? "," : "-") + std::to_string(ordinati[j]);
    i = j + 1;
  }
  return t;
}

std::string TestoColonna(const Colonna& colonna) {
  std::string t;
  for (const int n : colonna) {
    if (!t.empty()) t += ' ';
    t += std::to_string(n);
  }
  return t;
}

std::string TestoSistema(const Sistema& colonne) {
  std::string t;
  for (const Colonna& c : colonne) t += TestoColonna(c) + "\n";
  return t;
}

std::vector<int> NumeriSistema(const Sistema& colonne) {
  std::array<bool, 91> presente{};
  for (const Colonna& c : colonne)
    for (const int n : c)
      if (n >= 1 && n <= 90) presente[static_cast<std::size_t>(n)] = true;
  std::vector<int> numeri;
  for (int n = 1; n <= 90; ++n)
    if (presente[static_cast<std::size_t>(n)]) numeri.push_back(n);
  return numeri;
}

}  // namespace ruotario
