#include "cli/Studio.h"

#include "app/Ambiente.h"
#include "cli/Argomenti.h"

namespace ruotario::cli {

std::optional<ArchivioEstrazioni> CaricaArchivioStudio(const std::string& percorso, std::ostream& err) {
  if (!EsisteFile(percorso)) {
    err << "Archivio non trovato: " << percorso << '\n';
    return std::nullopt;
  }
  auto archivio = ArchivioEstrazioni::LeggiArchivio(percorso);
  if (!archivio) {
    err << "Impossibile leggere l'archivio: " << percorso << '\n';
    return std::nullopt;
  }
  if (archivio->Vuoto()) {
    err << "L'archivio non contiene estrazioni: " << percorso << '\n';
    return std::nullopt;
  }
  return archivio;
}

Periodo PeriodoStudio(std::optional<int> inizio, std::optional<int> fine, int inizioPredefinito, int conta) {
  const auto controlla = [conta](int v, const char* nome) {
    if (v < 1 || v > conta)
      throw ErroreUso(std::string("valore fuori intervallo per ") + nome + ": " + std::to_string(v) +
                      " (l'archivio ha " + std::to_string(conta) + " estrazioni)");
  };
  if (inizio) controlla(*inizio, "--inizio");
  if (fine) controlla(*fine, "--fine");
  const Periodo p{inizio.value_or(inizioPredefinito), fine.value_or(conta)};
  if (p.Inizio > p.Fine)
    throw ErroreUso("--inizio (" + std::to_string(p.Inizio) + ") è oltre --fine (" + std::to_string(p.Fine) + ")");
  return p;
}

nlohmann::ordered_json JsonOpzionale(const std::optional<int>& v) {
  return v ? nlohmann::ordered_json(*v) : nlohmann::ordered_json(nullptr);
}

}  // namespace ruotario::cli
