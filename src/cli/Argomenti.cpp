#include "cli/Argomenti.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "app/Ambiente.h"
#include "app/NumeriLotto.h"

namespace ruotario::cli {

Argomenti::Argomenti(std::vector<std::string> parole) : parole_(std::move(parole)), prese_(parole_.size(), false) {}

std::optional<std::string> Argomenti::valore(std::string_view nome) {
  for (std::size_t i = 0; i < parole_.size(); ++i) {
    if (prese_[i]) continue;
    const std::string& p = parole_[i];
    if (p == nome) {
      if (i + 1 >= parole_.size() || prese_[i + 1])
        throw ErroreUso("manca il valore dell'opzione " + std::string(nome));
      prese_[i] = prese_[i + 1] = true;
      return parole_[i + 1];
    }
    if (p.size() > nome.size() && p.compare(0, nome.size(), nome) == 0 && p[nome.size()] == '=') {
      prese_[i] = true;
      return p.substr(nome.size() + 1);
    }
  }
  return std::nullopt;
}

bool Argomenti::flag(std::string_view nome) {
  for (std::size_t i = 0; i < parole_.size(); ++i) {
    if (!prese_[i] && parole_[i] == nome) {
      prese_[i] = true;
      return true;
    }
  }
  return false;
}

std::optional<std::string> Argomenti::valoreFacoltativo(std::string_view nome) {
  for (std::size_t i = 0; i < parole_.size(); ++i) {
    if (prese_[i]) continue;
    const std::string& p = parole_[i];
    if (p == nome) {
      prese_[i] = true;
      if (i + 1 < parole_.size() && !prese_[i + 1] && parole_[i + 1].rfind("--", 0) != 0) {
        prese_[i + 1] = true;
        return parole_[i + 1];
      }
      return std::string();
    }
    if (p.size() > nome.size() && p.compare(0, nome.size(), nome) == 0 && p[nome.size()] == '=') {
      prese_[i] = true;
      return p.substr(nome.size() + 1);
    }
  }
  return std::nullopt;
}

int interoDa(std::string_view testo, std::string_view nome, int minimo, int massimo) {
  int v = 0;
  const auto [ptr, ec] = std::from_chars(testo.data(), testo.data() + testo.size(), v);
  if (ec != std::errc() || ptr != testo.data() + testo.size() || testo.empty())
    throw ErroreUso("valore non numerico per " + std::string(nome) + ": \"" + std::string(testo) + "\"");
  if (v < minimo || v > massimo)
    throw ErroreUso("valore fuori intervallo per " + std::string(nome) + ": " + std::string(testo) + " (ammessi " +
                    std::to_string(minimo) + ".." + std::to_string(massimo) + ")");
  return v;
}

std::optional<int> Argomenti::interoOpzionale(std::string_view nome, int minimo, int massimo) {
  const auto v = valore(nome);
  if (!v) return std::nullopt;
  return interoDa(*v, nome, minimo, massimo);
}

int Argomenti::intero(std::string_view nome, int predefinito, int minimo, int massimo) {
  return interoOpzionale(nome, minimo, massimo).value_or(predefinito);
}

std::optional<std::vector<int>> Argomenti::elencoInteri(std::string_view nome, int minimo, int massimo) {
  const auto v = valore(nome);
  if (!v) return std::nullopt;
  std::vector<int> elenco;
  std::size_t inizio = 0;
  while (true) {
    const auto virgola = v->find(',', inizio);
    elenco.push_back(interoDa(std::string_view(*v).substr(inizio, virgola - inizio), nome, minimo, massimo));
    if (virgola == std::string::npos) break;
    inizio = virgola + 1;
  }
  return elenco;
}

std::optional<std::string> Argomenti::sottocomando() {
  if (parole_.empty() || prese_[0] || parole_[0].rfind('-', 0) == 0) return std::nullopt;
  prese_[0] = true;
  return parole_[0];
}

std::optional<std::string> Argomenti::posizionale() {
  for (std::size_t i = 0; i < parole_.size(); ++i) {
    if (prese_[i] || (parole_[i].size() > 1 && parole_[i][0] == '-')) continue;
    prese_[i] = true;
    return parole_[i];
  }
  return std::nullopt;
}

void Argomenti::fine() const {
  for (std::size_t i = 0; i < parole_.size(); ++i)
    if (!prese_[i]) throw ErroreUso("opzione sconosciuta: " + parole_[i]);
}

std::string Argomenti::archivio() {
  if (auto v = valore("--archivio")) return *v;
  return ComponiPercorso(CercaAppDir(), kNomeArchivio);
}

Formato Argomenti::formato() {
  const auto v = valore("--formato");
  if (!v || *v == "testo") return Formato::Testo;
  if (*v == "csv") return Formato::Csv;
  if (*v == "json") return Formato::Json;
  throw ErroreUso("formato sconosciuto: \"" + *v + "\" (ammessi testo, csv, json)");
}

namespace {

bool stessoNome(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

int ruotaDa(const std::string& v, bool ammesseTutte) {
  for (std::size_t i = 0; i < kNomiRuote.size(); ++i)
    if (stessoNome(v, kNomiRuote[i])) return static_cast<int>(i) + 1;
  if (ammesseTutte && stessoNome(v, "tutte")) return 0;
  return interoDa(v, "--ruota", ammesseTutte ? 0 : 1, 10);
}

}  // namespace

int Argomenti::ruotaOTutte() {
  const auto v = valore("--ruota");
  return v ? ruotaDa(*v, true) : 1;
}

int Argomenti::ruota() {
  const auto v = valore("--ruota");
  if (!v) return 1;
  return ruotaDa(*v, false);
}

}  // namespace ruotario::cli
