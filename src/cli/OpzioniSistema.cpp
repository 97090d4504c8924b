#include "cli/OpzioniSistema.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iostream>
#include <iterator>
#include <sstream>

#include "app/NumeriLotto.h"
#include "archive/ArchivioEstrazioni.h"
#include "cli/Tabella.h"

namespace ruotario::cli {

namespace {

std::string minuscolo(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

std::optional<std::vector<int>> OpzioneNumeri(Argomenti& a) {
  const auto v = a.valore("--numeri");
  if (!v) return std::nullopt;
  ElencoNumeri e = LeggiElencoNumeri(*v);
  if (!e.Errore.empty()) throw ErroreUso("--numeri: " + e.Errore);
  return e.Numeri;
}

double OpzionePosta(Argomenti& a) {
  const auto v = a.valore("--posta");
  if (!v) return 1.0;
  std::string t = *v;
  std::replace(t.begin(), t.end(), ',', '.');
  double posta = 0.0;
  const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), posta);
  if (ec != std::errc() || ptr != t.data() + t.size() || !(posta > 0.0) || posta > 1e6)
    throw ErroreUso("valore non valido per --posta: \"" + *v + "\" (una somma maggiore di zero, come 1 o 0.50)");
  return posta;
}

std::vector<int> OpzioneRuote(Argomenti& a) {
  const auto v = a.valore("--ruote");
  if (!v) return {1};
  if (minuscolo(*v) == "tutte" || *v == "0") return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  std::vector<int> ruote;
  std::stringstream s(*v);
  std::string pezzo;
  while (std::getline(s, pezzo, ',')) {
    int ruota = 0;
    for (std::size_t i = 0; i < kNomiRuote.size(); ++i)
      if (minuscolo(pezzo) == minuscolo(std::string(kNomiRuote[i]))) ruota = static_cast<int>(i) + 1;
    if (ruota == 0) ruota = interoDa(pezzo, "--ruote", 1, kNumeroRuote);
    if (std::find(ruote.begin(), ruote.end(), ruota) == ruote.end()) ruote.push_back(ruota);
  }
  if (ruote.empty()) throw ErroreUso("--ruote: nessuna ruota indicata");
  std::sort(ruote.begin(), ruote.end());
  return ruote;
}

std::optional<Sistema> LeggiSistemaIndicato(Argomenti& a, std::ostream& err) {
  const auto file = a.posizionale();
  std::string testo;
  std::string nome = "standard input";
  if (!file || *file == "-") {
    testo.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    nome = *file;
    if (!LeggiFile(*file, testo)) {
      err << "Sistema non trovato: " << *file << '\n';
      return std::nullopt;
    }
  }
  SistemaLetto s = LeggiSistema(testo);
  if (!s.Errore.empty()) {
    err << "Sistema non valido (" << nome << "): " << s.Errore << '\n';
    return std::nullopt;
  }
  return std::move(s.Colonne);
}

void StampaTabella(const TabellaSistema& t, Formato formato, std::ostream& out) {
  const Tabella tabella{t.Intestazioni, t.Righe};
  if (formato == Formato::Csv)
    StampaCsv(tabella, out);
  else
    StampaTesto(tabella, out);
}

nlohmann::ordered_json JsonColonne(const Sistema& colonne) {
  nlohmann::ordered_json j = nlohmann::ordered_json::array();
  for (const Colonna& c : colonne) j.push_back(c);
  return j;
}

std::string NomiRuote(const std::vector<int>& ruote) {
  if (ruote.size() == static_cast<std::size_t>(kNumeroRuote)) return "tutte le ruote";
  std::string t;
  for (const int r : ruote) t += (t.empty() ? "" : ", ") + std::string(kNomiRuote[static_cast<std::size_t>(r - 1)]);
  return t;
}

}  // namespace ruotario::cli
