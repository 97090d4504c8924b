// verifica-metodo: a method replayed forward in time against chance.

#include <nlohmann/json.hpp>

#include "app/Formato.h"
#include "app/NumeriLotto.h"
#include "cli/Comandi.h"
#include "cli/OpzioniKostanti.h"
#include "cli/Studio.h"
#include "cli/Tabella.h"
#include "constants/Kostante.h"
#include "forecasts/VerificaMetodo.h"

namespace ruotario::cli {

namespace {

std::string numeri(const std::vector<int>& v) {
  std::string t;
  for (int n : v) t += (t.empty() ? "" : " ") + DueCifre(int(n));
  return t;
}

}  // namespace

int ComandoVerificaMetodo(Argomenti& a, std::ostream& out, std::ostream& err) {
  const std::string percorso = a.archivio();
  const Formato formato = a.formato();
  ParametriVerifica p;
  const std::string nome = a.valore("--metodo").value_or("spia");
  const auto metodo = MetodoDaNome(nome);
  if (!metodo) throw ErroreUso("metodo sconosciuto: \"" + nome + "\" (ammessi ritardatario, spia, kostanti, zevedive)");
  p.Metodo = *metodo;
  p.Ruota = a.ruota();
  p.Colpi = a.intero("--colpi", p.Metodo == MetodoVerifica::Zevedive ? 2 : 9, 1,
                     p.Metodo == MetodoVerifica::Kostanti ? 99 : kColpiMassimi);
  const auto studioDa = a.interoOpzionale("--studio-da", 1, kMassimoRecord);
  const auto inizio = a.interoOpzionale("--inizio", 1, kMassimoRecord);
  const auto fine = a.interoOpzionale("--fine", 1, kMassimoRecord);
  if (p.Metodo == MetodoVerifica::Spia) {
    p.Spia.NumeriSpia = {a.intero("--spia", 1, 1, 90), 0, 0};
    p.Spia.Posizione = LeggiPosizione(a);
    p.Spia.SortiteUniche = !a.flag("--tutte-le-sortite");
  } else if (p.Metodo == MetodoVerifica::Kostanti) {
    p.Kostanti.NumeroSpia = a.intero("--spia", 1, 1, 90);
    p.Kostanti.Posizione = LeggiPosizione(a);
    LeggiAmbate(a, p.Kostanti);
    if (!AlmenoUnaAttiva(p.Kostanti)) throw ErroreUso("nessuna ambata attiva (--attive)");
  } else if (p.Metodo == MetodoVerifica::Zevedive) {
    const auto top = a.interoOpzionale("--top", 1, 90);
    const bool tutti = a.flag("--tutti");
    if (top && tutti) throw ErroreUso("--top e --tutti non si possono usare insieme");
    p.SoloTop = !tutti;
    p.Top = top.value_or(2);
  }
  const bool elenco = a.flag("--elenco");
  a.fine();

  const auto caricato = CaricaArchivioStudio(percorso, err);
  if (!caricato) return 1;
  const ArchivioEstrazioni& archivio = *caricato;
  const int conta = archivio.Conta();
  p.StudioDa = PeriodoStudio(studioDa, std::nullopt, 1, conta).Inizio;
  const Periodo periodo = PeriodoStudio(inizio, fine, p.StudioDa, conta);
  p.Inizio = periodo.Inizio;
  p.Fine = periodo.Fine;

  const EsitoVerifica e = VerificaMetodo(p, archivio);
  const RiepilogoCaso& c = e.Caso;
  auto data = [&](int record) { return std::string(archivio[record].Data()); };

  if (formato == Formato::Json) {
    nlohmann::ordered_json j;
    j["Metodo"] = NomeMetodo(p.Metodo);
    j["Ruota"] = kNomiRuote[static_cast<std::size_t>(p.Ruota - 1)];
    j["Colpi"] = p.Colpi;
    j["StudioDa"] = p.StudioDa;
    j["Inizio"] = e.Inizio;
    j["Fine"] = e.Fine;
    j["Previsioni"] = c.Previsioni;
    j["Vinte"] = c.Vinte;
    j["AtteseCaso"] = c.Attese;
    j["ProbabilitaCoda"] = c.Coda;
    j["PercentualeVinte"] = c.Percentuale();
    j["PercentualeAttesa"] = c.PercentualeAttesa();
    j["Elenco"] = nlohmann::ordered_json::array();
    for (const auto& f : e.Previsioni)
      j["Elenco"].push_back({{"Record", f.Record},
                             {"Data", data(f.Record)},
                             {"Numeri", f.Numeri},
                             {"Probabilita", f.Probabilita},
                             {"Vinta", f.Vinta},
                             {"Colpo", f.Colpo},
                             {"DataEsito", data(f.RecordEsito)}});
    out << j.dump(2) << '\n';
    return 0;
  }

  Tabella t{{"Record", "Data", "Numeri", "Prob. %", "Esito", "Colpo", "Data esito", "Vinte", "Attese"}, {}};
  if (formato == Formato::Csv || elenco) {
    const auto curva = CurvaCumulata(e);
    for (std::size_t i = 0; i < e.Previsioni.size(); ++i) {
      const auto& f = e.Previsioni[i];
      t.Righe.push_back({std::to_string(f.Record), data(f.Record), numeri(f.Numeri),
                         FormattaNumero(100.0 * f.Probabilita, "##0.00"), f.Vinta ? "vinta" : "scaduta",
                         std::to_string(f.Colpo), data(f.RecordEsito), std::to_string(curva[i].Vinte),
                         FormattaNumero(curva[i].Attese, "##0.00")});
    }
  }
  if (formato == Formato::Csv) {
    StampaCsv(t, out);
    return 0;
  }
  out << "Metodo: " << NomeMetodo(p.Metodo) << " - Ruota: " << kNomiRuote[static_cast<std::size_t>(p.Ruota - 1)]
      << " - Colpi: " << p.Colpi << '\n'
      << "Studio dal record " << p.StudioDa << "; previsioni da " << archivio.EtichettaData(e.Inizio) << " a "
      << (e.Fine >= e.Inizio ? archivio.EtichettaData(e.Fine) : std::string("(nessuna estrazione)")) << '\n'
      << "Previsioni: " << c.Previsioni << "  Vinte: " << c.Vinte << " (" << FormattaNumero(c.Percentuale(), "##0.00")
      << "%)\n"
      << "Attese per caso: " << FormattaNumero(c.Attese, "##0.00") << " ("
      << FormattaNumero(c.PercentualeAttesa(), "##0.00") << "%)\n"
      << "Probabilità di fare altrettanto o meglio per caso: " << TestoPercentuale(c.Coda) << '\n';
  if (elenco) {
    out << '\n';
    StampaTesto(t, out);
  }
  return 0;
}

}  // namespace ruotario::cli
