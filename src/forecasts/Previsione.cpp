#include "forecasts/Previsione.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "app/NumeriLotto.h"
#include "archive/ControlloData.h"
#include "archive/Estrazione.h"

namespace ruotario {

namespace {

constexpr std::array<std::string_view, kSorteMassima> kSorti = {"Estratto", "Ambo", "Terno", "Quaterna", "Cinquina"};

bool distinti(std::vector<int> v) {
  std::sort(v.begin(), v.end());
  return std::adjacent_find(v.begin(), v.end()) == v.end();
}

void ordinaUnici(std::vector<int>& v) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}

}  // namespace

std::string_view NomeSorte(int sorte) {
  return sorte >= 1 && sorte <= kSorteMassima ? kSorti[static_cast<std::size_t>(sorte - 1)] : std::string_view();
}

std::optional<int> SorteDaNome(std::string_view nome) {
  for (std::size_t i = 0; i < kSorti.size(); ++i) {
    const std::string_view s = kSorti[i];
    if (s.size() == nome.size() &&
        std::equal(s.begin(), s.end(), nome.begin(), [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
      return static_cast<int>(i) + 1;
  }
  return std::nullopt;
}

std::string ControllaPrevisione(const Previsione& p) {
  if (p.Numeri.empty()) return "Indicare almeno un numero da giocare.";
  if (static_cast<int>(p.Numeri.size()) > kNumeriMassimi)
    return "Una previsione gioca al massimo " + std::to_string(kNumeriMassimi) + " numeri.";
  for (int n : p.Numeri)
    if (n < 1 || n > 90) return "I numeri vanno da 1 a 90 (" + std::to_string(n) + ").";
  if (!distinti(p.Numeri)) return "Un numero è indicato due volte.";
  if (p.Ruote.empty()) return "Scegliere almeno una ruota.";
  for (int r : p.Ruote)
    if (r < 1 || r > kNumeroRuote) return "Ruota non valida (" + std::to_string(r) + ").";
  if (!distinti(p.Ruote)) return "Una ruota è indicata due volte.";
  if (p.Sorte < 1 || p.Sorte > kSorteMassima) return "Sorte non valida.";
  if (p.Sorte > static_cast<int>(p.Numeri.size()))
    return "Per " + std::string(NomeSorte(p.Sorte)) + " servono almeno " + std::to_string(p.Sorte) + " numeri.";
  if (p.Colpi < 1 || p.Colpi > kColpiPrevisione)
    return "I colpi vanno da 1 a " + std::to_string(kColpiPrevisione) + ".";
  if (!p.DataChiave.empty() && OrdinaleData(p.DataChiave) < 0) return "Data dell'ultima estrazione non valida.";
  return {};
}

void NormalizzaPrevisione(Previsione& p) {
  ordinaUnici(p.Numeri);
  ordinaUnici(p.Ruote);
}

std::string_view NomeEsito(EsitoPrevisione e) {
  switch (e) {
    case EsitoPrevisione::InGioco: return "in gioco";
    case EsitoPrevisione::Vinta: return "vinta";
    case EsitoPrevisione::Scaduta: return "scaduta";
  }
  return {};
}

std::string TestoNumeri(const std::vector<int>& numeri) {
  std::string t;
  for (int n : numeri) {
    if (!t.empty()) t += ' ';
    t += DueCifre(int(n));
  }
  return t;
}

std::optional<std::vector<int>> NumeriDaTesto(std::string_view testo) {
  std::vector<int> numeri;
  int valore = -1;
  auto chiudi = [&] {
    if (valore < 0) return true;
    if (valore < 1 || valore > 90) return false;
    numeri.push_back(valore);
    valore = -1;
    return true;
  };
  for (const char c : testo) {
    if (c >= '0' && c <= '9') {
      valore = std::min((valore < 0 ? 0 : valore) * 10 + (c - '0'), 1000);
    } else if (c == ' ' || c == ',' || c == '.' || c == '-' || c == ';' || c == '\t') {
      if (!chiudi()) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (!chiudi()) return std::nullopt;
  return numeri;
}

std::string TestoRuote(const std::vector<int>& ruote) {
  if (static_cast<int>(ruote.size()) == kNumeroRuote) return "Tutte";
  std::string t;
  for (int r : ruote) {
    if (r < 1 || r > kNumeroRuote) continue;
    if (!t.empty()) t += ", ";
    t += kNomiRuote[static_cast<std::size_t>(r - 1)];
  }
  return t;
}

long OrdinaleData(std::string_view data) {
  // Stored dates are exactly "dd/mm/yyyy"; anything else is no date here.
  if (data.size() != 10 || data[2] != '/' || data[5] != '/') return -1;
  const auto d = DataDaTesto(data);
  return d ? d->anno * 10000L + d->mese * 100L + d->giorno : -1;
}

}  // namespace ruotario
