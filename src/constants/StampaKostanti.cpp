#include "constants/StampaKostanti.h"

#include "app/NumeriLotto.h"

namespace ruotario {

IntestazioneStampa IntestazioneKostanti(const ParametriStatistica& p, const EsitoStatistica& e) {
  IntestazioneStampa r;
  const bool ruotaValida = p.Ruota >= 1 && p.Ruota <= 10;
  std::string& t = r.Titolo;
  t = "KOSTANTI - Ruota: " +
      (ruotaValida ? std::string(kNomiRuote[static_cast<std::size_t>(p.Ruota - 1)]) : std::to_string(p.Ruota));
  t += " - Spia: " + std::to_string(p.NumeroSpia);
  t += p.Posizione >= 1 ? " (pos. " + std::to_string(p.Posizione) + ")" : std::string(" (TUTTE)");
  t += " - Colpi: " + std::to_string(p.Colpi) + " - Ambate:";
  for (std::size_t j = 0; j < 3; ++j)
    if (p.Attiva[j]) t += " " + TestoAmbata(p.Ambata[j]);
  t += " - Estr. " + std::to_string(p.Inizio) + "-" + std::to_string(p.Fine);

  // The summary's second to fourth lines: wins, percentage, mean colpo.
  std::string& s = r.Sottotitolo;
  std::size_t inizio = e.Riepilogo.find("\r\n");
  for (int riga = 0; riga < 3 && inizio != std::string::npos; ++riga) {
    inizio += 2;
    const std::size_t fine = e.Riepilogo.find("\r\n", inizio);
    if (!s.empty()) s += "  ";
    s += e.Riepilogo.substr(inizio, fine == std::string::npos ? std::string::npos : fine - inizio);
    inizio = fine;
  }
  return r;
}

}  // namespace ruotario
