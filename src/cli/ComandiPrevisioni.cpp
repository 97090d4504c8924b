// previsioni aggiungi|elenco|salda|elimina: the ledger of forecasts from the terminal.

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>

#include "app/Formato.h"
#include "app/NumeriLotto.h"
#include "cli/Comandi.h"
#include "cli/Studio.h"
#include "cli/Tabella.h"
#include "forecasts/ProbabilitaPrevisione.h"
#include "forecasts/RegistroPrevisioni.h"
#include "forecasts/SaldaPrevisione.h"

namespace ruotario::cli {

namespace {

std::string minuscolo(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// "bari,napoli", "1,6", "tutte".
std::vector<int> ruoteDa(const std::string& testo) {
  if (minuscolo(testo) == "tutte") return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  std::vector<int> ruote;
  std::size_t inizio = 0;
  while (inizio <= testo.size()) {
    const std::size_t virgola = std::min(testo.find(',', inizio), testo.size());
    std::string nome = minuscolo(testo.substr(inizio, virgola - inizio));
    nome.erase(std::remove(nome.begin(), nome.end(), ' '), nome.end());
    int ruota = 0;
    for (std::size_t i = 0; i < kNomiRuote.size(); ++i)
      if (nome == minuscolo(std::string(kNomiRuote[i]))) ruota = static_cast<int>(i) + 1;
    if (ruota == 0) ruota = interoDa(nome, "--ruote", 1, kNumeroRuote);
    ruote.push_back(ruota);
    inizio = virgola + 1;
  }
  return ruote;
}

std::string nomeRuota(int r) {
  return r >= 1 && r <= kNumeroRuote ? std::string(kNomiRuote[static_cast<std::size_t>(r - 1)]) : std::string();
}

// What became of a forecast, in words: "vinta al colpo 3 su Bari (ambo) il 12/03/2026".
std::string testoEsito(const StatoPrevisione& s) {
  switch (s.Esito) {
    case EsitoPrevisione::Vinta:
      return "vinta al colpo " + std::to_string(s.Colpo) + " su " + nomeRuota(s.RuotaVinta) + " (" +
             minuscolo(std::string(NomeSorte(s.SorteVinta))) + ") il " + s.DataEsito;
    case EsitoPrevisione::Scaduta: return "scaduta il " + s.DataEsito;
    case EsitoPrevisione::InGioco: break;
  }
  return "in gioco, colpi giocati " + std::to_string(s.Colpo);
}

nlohmann::ordered_json jsonVoce(const VocePrevisione& v) {
  const Previsione& p = v.Dati;
  nlohmann::ordered_json j;
  j["Id"] = p.Id;
  j["Salvata"] = p.Salvata;
  j["DataChiave"] = p.DataChiave;
  j["Numeri"] = p.Numeri;
  j["Ruote"] = nlohmann::ordered_json::array();
  for (int r : p.Ruote) j["Ruote"].push_back(nomeRuota(r));
  j["Sorte"] = NomeSorte(p.Sorte);
  j["Colpi"] = p.Colpi;
  j["Origine"] = p.Origine;
  j["Nota"] = p.Nota;
  j["Stato"] = NomeEsito(v.Stato.Esito);
  j["Colpo"] = v.Stato.Colpo;
  const bool vinta = v.Stato.Esito == EsitoPrevisione::Vinta;
  j["RuotaVinta"] = vinta ? nlohmann::ordered_json(nomeRuota(v.Stato.RuotaVinta)) : nlohmann::ordered_json();
  j["SorteVinta"] = vinta ? nlohmann::ordered_json(NomeSorte(v.Stato.SorteVinta)) : nlohmann::ordered_json();
  j["DataEsito"] = v.Stato.DataEsito;
  j["Probabilita"] = ProbabilitaVincita(p);
  return j;
}

void stampaRegistro(const std::vector<VocePrevisione>& voci, const RiepilogoCaso& caso, Formato formato,
                    std::ostream& out) {
  if (formato == Formato::Json) {
    nlohmann::ordered_json j;
    j["Previsioni"] = nlohmann::ordered_json::array();
    for (const auto& v : voci) j["Previsioni"].push_back(jsonVoce(v));
    j["Saldate"] = caso.Previsioni;
    j["Vinte"] = caso.Vinte;
    j["AtteseCaso"] = caso.Attese;
    j["ProbabilitaCoda"] = caso.Coda;
    out << j.dump(2) << '\n';
    return;
  }
  Tabella t{{"Nr.", "Dopo il", "Numeri", "Ruote", "Sorte", "Colpi", "Stato", "Esito", "Prob. %", "Origine", "Nota"},
            {}};
  for (const auto& v : voci) {
    const Previsione& p = v.Dati;
    t.Righe.push_back({std::to_string(p.Id), p.DataChiave, TestoNumeri(p.Numeri), TestoRuote(p.Ruote),
                       std::string(NomeSorte(p.Sorte)), std::to_string(p.Colpi), std::string(NomeEsito(v.Stato.Esito)),
                       testoEsito(v.Stato), FormattaNumero(100.0 * ProbabilitaVincita(p), "##0.00"), p.Origine,
                       p.Nota});
  }
  if (formato == Formato::Csv) {
    StampaCsv(t, out);
    return;
  }
  if (t.Righe.empty())
    out << "Nessuna previsione nel registro.\n";
  else
    StampaTesto(t, out);
  out << '\n' << TestoRiepilogoCaso(caso) << '\n';
}

int aggiungi(Argomenti& a, const std::string& archivio, const std::string& registro, Formato formato, std::ostream& out,
             std::ostream& err) {
  Previsione p;
  const auto numeri = a.valore("--numeri");
  if (!numeri) throw ErroreUso("aggiungi vuole --numeri (per esempio --numeri 5,17)");
  const auto letti = NumeriDaTesto(*numeri);
  if (!letti) throw ErroreUso("--numeri: numeri da 1 a 90 separati da virgole (\"" + *numeri + "\")");
  p.Numeri = *letti;
  p.Ruote = ruoteDa(a.valore("--ruote").value_or("bari"));
  const std::string sorte = a.valore("--sorte").value_or("estratto");
  const auto s = SorteDaNome(sorte);
  if (!s) throw ErroreUso("sorte sconosciuta: \"" + sorte + "\" (ammesse estratto, ambo, terno, quaterna, cinquina)");
  p.Sorte = *s;
  p.Colpi = a.intero("--colpi", 9, 1, kColpiPrevisione);
  p.Origine = a.valore("--origine").value_or("ruotario-cli");
  p.Nota = a.valore("--nota").value_or("");
  a.fine();
  if (const std::string e = ControllaPrevisione(p); !e.empty()) throw ErroreUso(e);

  const auto caricato = CaricaArchivioStudio(archivio, err);
  if (!caricato) return 1;
  p.DataChiave = DataChiaveArchivio(*caricato);
  const EsitoAggiunta esito = AggiungiPrevisione(registro, p, SaldaPrevisione(p, *caricato));
  if (!esito.Errore.empty()) {
    err << esito.Errore << '\n';
    return 1;
  }
  NormalizzaPrevisione(p);
  if (formato == Formato::Json) {
    out << nlohmann::ordered_json{{"Id", esito.Id}, {"DataChiave", p.DataChiave}, {"Registro", registro}}.dump(2)
        << '\n';
  } else {
    out << "Previsione N. " << esito.Id << " salvata: " << TestoNumeri(p.Numeri) << " su " << TestoRuote(p.Ruote)
        << ", " << minuscolo(std::string(NomeSorte(p.Sorte))) << ", " << p.Colpi << " colpi dopo l'estrazione del "
        << p.DataChiave << "\n";
  }
  return 0;
}

}  // namespace

int ComandoPrevisioni(Argomenti& a, std::ostream& out, std::ostream& err) {
  const std::string archivio = a.archivio();
  const std::string registro = a.valore("--registro").value_or(PercorsoRegistro(archivio));
  const Formato formato = a.formato();
  const auto azione = a.posizionale();
  if (!azione) throw ErroreUso("manca l'azione: aggiungi, elenco, salda o elimina");
  if (*azione == "aggiungi") return aggiungi(a, archivio, registro, formato, out, err);

  if (*azione == "elimina") {
    const auto id = a.posizionale();
    if (!id) throw ErroreUso("elimina vuole il numero della previsione");
    const int numero = interoDa(*id, "elimina", 1, 2000000000);
    a.fine();
    if (const std::string e = EliminaPrevisione(registro, numero); !e.empty()) {
      err << e << '\n';
      return 1;
    }
    if (formato != Formato::Json) out << "Previsione N. " << numero << " eliminata.\n";
    return 0;
  }

  if (*azione != "elenco" && *azione != "salda")
    throw ErroreUso("azione sconosciuta: \"" + *azione + "\" (ammesse aggiungi, elenco, salda, elimina)");
  const std::string stato = a.valore("--stato").value_or("tutte");
  if (stato != "tutte" && stato != "in-gioco" && stato != "saldate")
    throw ErroreUso("--stato: ammessi tutte, in-gioco, saldate (\"" + stato + "\")");
  a.fine();
  const auto caricato = CaricaArchivioStudio(archivio, err);
  if (!caricato) return 1;
  RegistroSaldato r = SaldaRegistro(registro, *caricato);
  if (!r.Errore.empty()) {
    err << r.Errore << '\n';
    return 1;
  }
  if (!r.ErroreCache.empty()) err << r.ErroreCache << '\n';
  const RiepilogoCaso caso = RiepilogoRegistro(r.Voci);
  if (stato != "tutte") {
    const bool saldate = stato == "saldate";
    std::erase_if(r.Voci, [&](const VocePrevisione& v) { return v.Stato.Saldata() != saldate; });
  }
  if (*azione == "salda" && formato == Formato::Testo) out << "Previsioni saldate ora: " << r.NuoveSaldate << "\n\n";
  if (*azione == "salda" && formato == Formato::Json) {
    out << nlohmann::ordered_json{{"NuoveSaldate", r.NuoveSaldate},
                                  {"Saldate", caso.Previsioni},
                                  {"Vinte", caso.Vinte},
                                  {"AtteseCaso", caso.Attese},
                                  {"ProbabilitaCoda", caso.Coda}}
               .dump(2)
        << '\n';
    return 0;
  }
  stampaRegistro(r.Voci, caso, formato, out);
  return 0;
}

}  // namespace ruotario::cli
