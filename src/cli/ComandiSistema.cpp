// sistema sviluppa|riduci|garanzia|spoglio: systems of tickets, integral or
// reduced with a proven guarantee, the guarantee of any system, and the check
// of a system against the archive.

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "cli/Comandi.h"
#include "cli/OpzioniSistema.h"
#include "systems/Combinatoria.h"
#include "systems/SistemaRidotto.h"
#include "systems/Sviluppo.h"

namespace ruotario::cli {

int SistemaSpoglio(Argomenti& a, std::ostream& out, std::ostream& err);

namespace {

std::vector<int> numeriRichiesti(Argomenti& a) {
  auto numeri = OpzioneNumeri(a);
  if (!numeri) throw ErroreUso("manca --numeri (per esempio --numeri 1-10,23,45)");
  return *numeri;
}

int perColonna(Argomenti& a) {
  const auto k = a.interoOpzionale("--per", 1, kMassimoPerColonna);
  if (!k) throw ErroreUso("manca --per (numeri per colonna, da 1 a 10)");
  return *k;
}

// The tickets one a line, after the summary as '#' notes: the output reads
// back as a system.
void stampaColonne(const std::vector<std::string>& note, const Sistema& colonne, std::ostream& out) {
  for (const std::string& n : note) out << "# " << n << '\n';
  out << TestoSistema(colonne);
}

int sviluppa(Argomenti& a, std::ostream& out, std::ostream& err) {
  const std::vector<int> numeri = numeriRichiesti(a);
  const int k = perColonna(a);
  const double posta = OpzionePosta(a);
  const Formato formato = a.formato();
  a.fine();
  const EsitoSviluppo e = SviluppoIntegrale(numeri, k);
  if (!e.Errore.empty()) {
    err << "Sviluppo impossibile: " << e.Errore << '\n';
    return 1;
  }
  const double costo = posta * static_cast<double>(e.Conta);
  const auto verifica = GaranziaIntegrale(numeri, k, e.Colonne);
  const int t = std::min({k, 5, static_cast<int>(numeri.size())});
  if (formato == Formato::Json) {
    nlohmann::ordered_json j;
    j["Numeri"] = numeri;
    j["PerColonna"] = k;
    j["Conta"] = e.Conta;
    j["Garanzia"] = t;
    j["Se"] = t;
    j["Verificata"] = verifica ? nlohmann::ordered_json(verifica->Verificata) : nullptr;
    j["Posta"] = posta;
    j["Costo"] = costo;
    j["Colonne"] = JsonColonne(e.Colonne);
    out << j.dump(2) << '\n';
  } else if (formato == Formato::Csv) {
    StampaTabella(TabellaColonne(e.Colonne), formato, out);
  } else {
    stampaColonne({"Sviluppo integrale di " + std::to_string(numeri.size()) + " numeri in colonne da " +
                       std::to_string(k) + ": " + TestoMigliaia(e.Conta) + " colonne, costo " + TestoEuro(costo) +
                       " (posta " + TestoEuro(posta) + " per colonna)",
                   "Garanzia " + TestoGaranzia(t, t) + ": " +
                       (verifica ? TestoVerifica(*verifica) : std::string("ogni combinazione è giocata"))},
                  e.Colonne, out);
  }
  return 0;
}

int riduci(Argomenti& a, std::ostream& out, std::ostream& err) {
  ParametriRiduzione p;
  p.Numeri = numeriRichiesti(a);
  p.PerColonna = perColonna(a);
  p.Sorte = a.intero("--garanzia", 2, 2, 5);
  p.Se = a.intero("--se", p.Sorte, 2, 5);
  p.Seme = static_cast<std::uint64_t>(a.intero("--seme", static_cast<int>(kSemePredefinito), 0, 2'000'000'000));
  p.Sforzo =
      static_cast<std::uint64_t>(a.intero("--sforzo", static_cast<int>(kSforzoPredefinito / 1'000'000), 1, 100'000)) *
      1'000'000;
  const double posta = OpzionePosta(a);
  const Formato formato = a.formato();
  a.fine();
  if (const std::string errore = ControllaRiduzione(p); !errore.empty()) throw ErroreUso(errore);

  // Progress on a terminal only, on one line rewritten in place.
  const bool terminale = ::isatty(STDERR_FILENO) == 1 && &err == &std::cerr;
  const auto avanzamento = [&err, terminale](const AvanzamentoRicerca& r) {
    if (!terminale) return;
    char riga[160];
    std::snprintf(riga, sizeof riga,
                  "\rricerca: %zu colonne trovate, cerco %zu (%llu combinazioni scoperte), %3.0f%%  ", r.Migliore,
                  r.Tentativo, static_cast<unsigned long long>(r.Scoperti), r.Fatto * 100.0);
    err << riga << std::flush;
  };
  const EsitoRiduzione e = RiduciSistema(p, {}, avanzamento);
  if (terminale) err << "\r" << std::string(90, ' ') << "\r" << std::flush;
  if (!e.Errore.empty()) {
    err << "Sistema ridotto impossibile: " << e.Errore << '\n';
    return 1;
  }
  const double costo = posta * static_cast<double>(e.Colonne.size());
  if (formato == Formato::Json) {
    nlohmann::ordered_json j;
    j["Numeri"] = p.Numeri;
    j["PerColonna"] = p.PerColonna;
    j["Garanzia"] = p.Sorte;
    j["Se"] = p.Se;
    j["Seme"] = p.Seme;
    j["Metodo"] = e.Metodo;
    j["Conta"] = e.Colonne.size();
    j["Posta"] = posta;
    j["Costo"] = costo;
    j["Verificata"] = e.Verifica.Verificata;
    j["Combinazioni"] = e.Verifica.Combinazioni;
    j["LimiteInferiore"] = e.LimiteInferiore ? nlohmann::ordered_json(*e.LimiteInferiore) : nullptr;
    j["MiglioreNoto"] = e.Noto ? nlohmann::ordered_json(e.Noto->Colonne) : nullptr;
    j["FonteMiglioreNoto"] = e.Noto ? nlohmann::ordered_json(e.Noto->Fonte) : nullptr;
    j["Ottimo"] = e.Ottimo;
    j["Colonne"] = JsonColonne(e.Colonne);
    out << j.dump(2) << '\n';
  } else if (formato == Formato::Csv) {
    StampaTabella(TabellaColonne(e.Colonne), formato, out);
  } else {
    stampaColonne({"Sistema ridotto di " + std::to_string(p.Numeri.size()) + " numeri in colonne da " +
                       std::to_string(p.PerColonna) + ", garanzia " + TestoGaranzia(p.Sorte, p.Se),
                   TestoMigliaia(e.Colonne.size()) + " colonne, costo " + TestoEuro(costo) + " (posta " +
                       TestoEuro(posta) + " per colonna); metodo: " + e.Metodo,
                   TestoVerifica(e.Verifica), TestoLimiti(e)},
                  e.Colonne, out);
  }
  return 0;
}

std::string rigaGaranzia(int sorte, int se, const EsitoVerificaGaranzia& v) {
  return "Garanzia " + TestoGaranzia(sorte, se) + ": " + TestoVerifica(v);
}

int garanzia(Argomenti& a, std::ostream& out, std::ostream& err) {
  const auto numeri = OpzioneNumeri(a);
  const auto sorte = a.interoOpzionale("--garanzia", 1, 5);
  const auto se = a.interoOpzionale("--se", 1, 5);
  const Formato formato = a.formato();
  const auto colonne = LeggiSistemaIndicato(a, err);
  a.fine();
  if (!colonne) return 1;
  const std::vector<int> tutti = numeri ? *numeri : NumeriSistema(*colonne);

  if (sorte || se) {
    // One guarantee asked for: proved, or denied by a case; exit status 1 then.
    const int t = sorte.value_or(2);
    const EsitoVerificaGaranzia v = VerificaGaranzia(tutti, *colonne, t, se.value_or(t));
    if (!v.Errore.empty()) throw ErroreUso(v.Errore);
    if (formato == Formato::Json) {
      nlohmann::ordered_json j;
      j["Numeri"] = tutti;
      j["Garanzia"] = t;
      j["Se"] = se.value_or(t);
      j["Verificata"] = v.Verificata;
      j["Combinazioni"] = v.Combinazioni;
      j["Controesempio"] = v.Controesempio;
      j["Colonne"] = JsonColonne(*colonne);
      out << j.dump(2) << '\n';
    } else {
      out << rigaGaranzia(t, se.value_or(t), v) << '\n';
    }
    return v.Verificata ? 0 : 1;
  }

  const EsitoGaranzie g = GaranzieSistema(tutti, *colonne);
  if (!g.Errore.empty()) throw ErroreUso(g.Errore);
  if (formato == Formato::Json) {
    nlohmann::ordered_json j;
    j["Numeri"] = g.Numeri;
    j["Garanzie"] = nlohmann::ordered_json::array();
    for (const GaranziaSe& x : g.Garanzie)
      j["Garanzie"].push_back({{"Se", x.Se},
                               {"Sorte", x.Sorte},
                               {"Nome", x.Sorte > 0 ? SorteInTesto(x.Sorte) : "nessuna"},
                               {"Combinazioni", x.Combinazioni},
                               {"Controesempio", x.Controesempio}});
    j["Colonne"] = JsonColonne(*colonne);
    out << j.dump(2) << '\n';
    return 0;
  }
  if (formato == Formato::Testo)
    out << "# " << colonne->size() << " colonne su " << g.Numeri.size()
        << " numeri; il controesempio è un caso in cui nessuna colonna dà la sorte successiva\n";
  StampaTabella(TabellaGaranzie(g), formato, out);
  return 0;
}

}  // namespace

int ComandoSistema(Argomenti& a, std::ostream& out, std::ostream& err) {
  const auto sotto = a.sottocomando();
  if (!sotto) throw ErroreUso("manca il sottocomando: sviluppa, riduci, garanzia o spoglio");
  if (*sotto == "sviluppa") return sviluppa(a, out, err);
  if (*sotto == "riduci") return riduci(a, out, err);
  if (*sotto == "garanzia") return garanzia(a, out, err);
  if (*sotto == "spoglio") return SistemaSpoglio(a, out, err);
  throw ErroreUso("sottocomando sconosciuto \"" + *sotto + "\" (sviluppa, riduci, garanzia, spoglio)");
}

}  // namespace ruotario::cli
