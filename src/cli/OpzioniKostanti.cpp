#include "cli/OpzioniKostanti.h"

#include <algorithm>

#include "app/Ambiente.h"
#include "app/Formato.h"
#include "app/NumeriLotto.h"
#include "archive/Estrazione.h"
#include "cli/Studio.h"
#include "cli/Tabella.h"
#include "constants/Kostante.h"
#include "constants/ScelteKostanti.h"

namespace ruotario::cli {

namespace {

nlohmann::ordered_json jsonTabella(const TabellaNumeri& t) {
  auto righe = nlohmann::ordered_json::array();
  for (int n = 1; n <= 90; ++n) {
    const RigaNumero& r = t[n];
    nlohmann::ordered_json j;
    j["Numero"] = n;
    j["Sortite"] = r.Marcato || !r.Sortite ? nlohmann::ordered_json() : nlohmann::ordered_json(*r.Sortite);
    j["Percentuale"] = r.Marcato ? nlohmann::ordered_json() : nlohmann::ordered_json(r.Percentuale);
    j["RitardoRel"] = r.Marcato || !r.RitardoRel ? nlohmann::ordered_json() : nlohmann::ordered_json(*r.RitardoRel);
    j["Marcato"] = r.Marcato;
    righe.push_back(std::move(j));
  }
  return righe;
}

void aggiungiRighe(Tabella& t, const char* nome, const TabellaNumeri& numeri, bool conNome) {
  for (int n = 1; n <= 90; ++n) {
    const auto celle = CelleRiga(numeri, n);
    std::vector<std::string> riga;
    if (conNome) riga.push_back(nome);
    riga.insert(riga.end(), celle.begin(), celle.end());
    t.Righe.push_back(std::move(riga));
  }
}

}  // namespace

int LeggiPosizione(Argomenti& a) {
  const auto v = a.valore("--posizione");
  if (!v || *v == "tutte" || *v == "TUTTE") return 0;
  return interoDa(*v, "--posizione", 1, 5);
}

void LeggiAmbate(Argomenti& a, ParametriStatistica& p) {
  const auto kostante = a.valore("--kostante");
  const auto ambate = a.elencoInteri("--ambate", 0, 90);
  if (kostante && ambate) throw ErroreUso("--kostante e --ambate non possono essere usate insieme");
  if (ambate) {
    if (ambate->size() > 3) throw ErroreUso("--ambate accetta al massimo tre numeri");
    p.Ambata[0] = (*ambate)[0];
    // As the window proposes them: the secondary is the partner of the principal.
    p.Ambata[1] = ambate->size() > 1 ? (*ambate)[1] : Vertibile((*ambate)[0]);
    p.Ambata[2] = ambate->size() > 2 ? (*ambate)[2] : 1;
  } else {
    const std::string testo = kostante.value_or("200");
    interoDa(testo, "--kostante", 1, 800);
    const AmbateProposte proposte = AmbateDaKostante(testo);
    p.Ambata = {proposte.Principale, proposte.Secondaria, 1};
  }
  if (const auto attive = a.elencoInteri("--attive", 1, 3)) {
    p.Attiva = {false, false, false};
    for (int i : *attive) p.Attiva[static_cast<std::size_t>(i - 1)] = true;
  }
}

bool LeggiOpzioniKostanti(Argomenti& a, std::ostream& err, OpzioniKostanti& o) {
  o.Percorso = a.archivio();
  o.FormatoUscita = a.formato();
  ParametriStatistica& p = o.Parametri;
  p.Ruota = a.ruota();
  p.NumeroSpia = a.intero("--spia", 1, 1, 90);
  p.Posizione = LeggiPosizione(a);
  p.Colpi = a.intero("--colpi", 9, 1, 99);
  const auto inizio = a.interoOpzionale("--inizio", 1, kMassimoRecord);
  const auto fine = a.interoOpzionale("--fine", 1, kMassimoRecord);

  LeggiAmbate(a, p);

  const auto caricato = CaricaArchivioStudio(o.Percorso, err);
  if (!caricato) return false;
  o.Archivio = *caricato;
  const int conta = o.Archivio.Conta();
  const Periodo periodo = PeriodoStudio(inizio, fine, InizioPredefinitoKostanti(conta), conta);
  p.Inizio = periodo.Inizio;
  p.Fine = periodo.Fine;
  return true;
}

nlohmann::ordered_json JsonStatistica(const EsitoStatistica& e) {
  nlohmann::ordered_json j;
  j["TotaleEstrazioni"] = e.TotaleEstrazioni;
  j["CasiGiocabili"] = e.CasiGiocabili;
  j["CasiVincenti"] = e.CasiVincenti;
  j["CasiConclusi"] = e.CasiConclusi;
  j["PercentualeVincita"] = e.PercentualeVincita;
  j["MediaColpi"] = e.MediaColpi;
  j["InGioco"] = e.InGioco;
  j["Colpo"] = e.Colpo;
  j["Riepilogo"] = e.Riepilogo;
  j["Dettaglio"] = e.Dettaglio;
  j["Vincenti"] = nlohmann::ordered_json::array();
  for (const Vincente& v : e.Vincenti) j["Vincenti"].push_back({{"Nr", v.Nr}, {"Data", v.Data}, {"Blocco", v.Blocco}});
  j["Abbinamenti"] = jsonTabella(e.Abbinamenti);
  j["Frequenti"] = jsonTabella(e.Frequenti);
  return j;
}

std::string RigheTerminale(const std::string& testo) {
  std::string r;
  r.reserve(testo.size());
  for (std::size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') continue;
    r += testo[i];
  }
  return r;
}

void StampaStatistica(const EsitoStatistica& e, Formato formato, std::ostream& out) {
  if (formato == Formato::Json) {
    out << JsonStatistica(e).dump(2) << '\n';
    return;
  }
  if (formato == Formato::Csv) {
    Tabella t{{"Tabella", "Numero", "Sortite", "% Sortite", "Ritar. Rel."}, {}};
    aggiungiRighe(t, "Abbinamenti", e.Abbinamenti, true);
    aggiungiRighe(t, "Frequenti", e.Frequenti, true);
    StampaCsv(t, out);
    return;
  }
  out << "Totale Estrazioni: " << e.TotaleEstrazioni << '\n'
      << "Totale Sortite Kost.: " << e.CasiGiocabili << "\n\n"
      << RigheTerminale(TestoDettaglioRicerca(e)) << "\n\n";
  out << "Dettaglio Estrazioni Vincenti\n";
  Tabella v{{"Nr.", "Data Estr.", "Dettag. Estrazioni"}, {}};
  for (const Vincente& w : e.Vincenti) v.Righe.push_back({std::to_string(w.Nr), w.Data, w.Blocco});
  StampaTesto(v, out);
  out << "\nStatistica Abbinamenti\n";
  Tabella ab{{"Numero", "Sortite", "% Sortite", "Ritar. Rel."}, {}};
  aggiungiRighe(ab, "", e.Abbinamenti, false);
  StampaTesto(ab, out);
  out << "\nStatistica Frequenti\n";
  Tabella fr{{"Numero", "Sortite", "% Sortite", "Ritar. Rel."}, {}};
  aggiungiRighe(fr, "", e.Frequenti, false);
  StampaTesto(fr, out);
}

}  // namespace ruotario::cli
