// ritardi: frequencies and delays of numbers or pairs, with their chance figures.

#include <nlohmann/json.hpp>

#include "app/NumeriLotto.h"
#include "cli/Comandi.h"
#include "cli/Studio.h"
#include "cli/Tabella.h"
#include "ritardi/Ritardi.h"
#include "ritardi/VociRitardi.h"

namespace ruotario::cli {

namespace {

std::string nomeRuota(int ruota) {
  return ruota == kTutteLeRuote ? std::string("Tutte") : std::string(kNomiRuote[static_cast<std::size_t>(ruota - 1)]);
}

}  // namespace

int ComandoRitardi(Argomenti& a, std::ostream& out, std::ostream& err) {
  const std::string percorso = a.archivio();
  const Formato formato = a.formato();
  ParametriRitardi p;
  p.Ruota = a.ruotaOTutte();
  const bool ambi = a.flag("--ambi");
  const auto top = a.interoOpzionale("--top", 1, kAmbiPerRuota * kNumeroRuote);
  const auto inizio = a.interoOpzionale("--inizio", 1, kMassimoRecord);
  const auto fine = a.interoOpzionale("--fine", 1, kMassimoRecord);
  a.fine();

  const auto caricato = CaricaArchivioStudio(percorso, err);
  if (!caricato) return 1;
  const ArchivioEstrazioni& archivio = *caricato;
  const Periodo periodo = PeriodoStudio(inizio, fine, 1, archivio.Conta());
  p.Inizio = periodo.Inizio;
  p.Fine = periodo.Fine;

  const EsitoRitardi esito = CalcolaRitardi(p, archivio);
  std::vector<VoceRitardo> voci = ambi ? VociAmbi(esito) : VociNumeri(esito);
  if (top) voci = PiuRitardatari(std::move(voci), *top);
  const bool tutte = p.Ruota == kTutteLeRuote;

  if (formato == Formato::Json) {
    nlohmann::ordered_json j;
    j["Ruota"] = nomeRuota(p.Ruota);
    j["Inizio"] = p.Inizio;
    j["Fine"] = p.Fine;
    j["Ambi"] = ambi;
    j["Estrazioni"] = nlohmann::ordered_json::object();
    for (const RitardiRuota& r : esito.Ruote) j["Estrazioni"][nomeRuota(r.Ruota)] = r.Estrazioni;
    j["Numeri"] = nlohmann::ordered_json::array();
    for (const VoceRitardo& v : voci) {
      nlohmann::ordered_json o;
      if (ambi)
        o["Ambo"] = TestoVoce(v);
      else
        o["Numero"] = v.Numero;
      if (tutte) o["Ruota"] = nomeRuota(v.Ruota);
      o["Frequenza"] = v.Figure.Frequenza;
      o["RitardoAttuale"] = v.Figure.RitardoAttuale;
      o["RitardoMassimo"] = v.Figure.RitardoMassimo;
      o["Probabilita"] = v.Probabilita;
      o["Attesi"] = v.Attesi;
      j["Numeri"].push_back(std::move(o));
    }
    out << j.dump(2) << '\n';
    return 0;
  }

  Tabella t;
  t.Intestazioni = {ambi ? "Ambo" : "Numero"};
  if (tutte) t.Intestazioni.emplace_back("Ruota");
  t.Intestazioni.insert(t.Intestazioni.end(), {"Frequenza", "Rit. Attuale", "Rit. Massimo", "Prob. %", "Attesi"});
  for (auto& riga : RigheRitardi(voci, tutte, '.')) t.Righe.push_back(std::move(riga));
  if (formato == Formato::Csv) {
    StampaCsv(t, out);
    return 0;
  }
  out << "Ruota: " << nomeRuota(p.Ruota) << " - Periodo DA: " << archivio.EtichettaData(p.Inizio)
      << " A: " << archivio.EtichettaData(p.Fine) << '\n'
      << "Estrazioni della ruota:";
  for (const RitardiRuota& r : esito.Ruote) out << (tutte ? " " + nomeRuota(r.Ruota) + " " : " ") << r.Estrazioni;
  out << "\n\n";
  StampaTesto(t, out);
  return 0;
}

}  // namespace ruotario::cli
