#include "systems/Premi.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "archive/ArchivioEstrazioni.h"
#include "systems/Combinatoria.h"

namespace ruotario {

namespace {

std::string_view senzaSpazi(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

std::string minuscolo(std::string_view s) {
  std::string m(s);
  std::transform(m.begin(), m.end(), m.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return m;
}

// A positive decimal with ',' or '.' as separator; nullopt otherwise.
std::optional<double> cifra(std::string_view testo) {
  std::string t(senzaSpazi(testo));
  std::replace(t.begin(), t.end(), ',', '.');
  if (t.empty() ||
      !std::all_of(t.begin(), t.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '.'; }))
    return std::nullopt;
  if (std::count(t.begin(), t.end(), '.') > 1) return std::nullopt;
  return std::strtod(t.c_str(), nullptr);
}

}  // namespace

PremiLetti PremiDaTesto(std::string_view testo, const std::string& file) {
  PremiLetti r;
  TabellaPremi p;
  p.File = file;
  const std::string nome = std::filesystem::path(file).filename().string();
  std::array<bool, 6> visto{};
  bool ritenuta = false;
  int numeroRiga = 0;
  PerOgniRiga(testo, [&](std::string_view riga) {
    ++numeroRiga;
    riga = senzaSpazi(riga);
    if (!r.Errore.empty() || riga.empty() || riga.front() == '#') return;
    const std::string dove = nome + ", riga " + std::to_string(numeroRiga) + ": ";
    const auto duepunti = riga.find(':');
    if (duepunti == std::string_view::npos) {
      r.Errore = dove + "manca \":\" fra voce e valore";
      return;
    }
    const std::string voce = minuscolo(senzaSpazi(riga.substr(0, duepunti)));
    const std::string_view valore = senzaSpazi(riga.substr(duepunti + 1));
    if (voce == "fonte") {
      p.Fonte = valore;
      return;
    }
    if (voce == "valido dal") {
      p.ValidoDal = valore;
      return;
    }
    if (voce == "ritenuta") {
      const auto v = cifra(valore.ends_with('%') ? valore.substr(0, valore.size() - 1) : valore);
      if (!v || *v >= 100.0) {
        r.Errore = dove + "la ritenuta è una percentuale da 0 a meno di 100";
        return;
      }
      p.Ritenuta = *v / 100.0;
      ritenuta = true;
      return;
    }
    for (int s = 1; s <= 5; ++s) {
      if (voce != SorteInTesto(s)) continue;
      const auto v = cifra(valore);
      if (!v || *v <= 0.0) {
        r.Errore = dove + "il premio è un numero maggiore di zero";
        return;
      }
      p.Moltiplicatore[static_cast<std::size_t>(s)] = *v;
      visto[static_cast<std::size_t>(s)] = true;
      return;
    }
    r.Errore = dove + "voce sconosciuta \"" + std::string(senzaSpazi(riga.substr(0, duepunti))) + "\"";
  });
  if (r.Errore.empty()) {
    for (int s = 1; s <= 5 && r.Errore.empty(); ++s)
      if (!visto[static_cast<std::size_t>(s)])
        r.Errore = nome + ": manca la voce del premio \"" + SorteInTesto(s) + "\"";
    if (r.Errore.empty() && !ritenuta) r.Errore = nome + ": manca la ritenuta";
    if (r.Errore.empty() && p.Fonte.empty()) r.Errore = nome + ": manca la fonte dei premi";
    if (r.Errore.empty() && p.ValidoDal.empty()) r.Errore = nome + ": manca la data da cui valgono (Valido dal)";
  }
  if (r.Errore.empty()) r.Premi = std::move(p);
  return r;
}

PremiLetti LeggiPremi(const std::string& percorso) {
  std::string testo;
  if (!LeggiFile(percorso, testo)) return {std::nullopt, "il file dei premi " + percorso + " non si può leggere"};
  return PremiDaTesto(testo, percorso);
}

}  // namespace ruotario
