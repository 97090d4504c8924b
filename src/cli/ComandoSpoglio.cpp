// sistema spoglio: a system played on the archive's draws, with its wins, its
// money and what chance alone would give.

#include "app/Ambiente.h"
#include "app/NumeriLotto.h"
#include "cli/Comandi.h"
#include "cli/OpzioniSistema.h"
#include "cli/Studio.h"
#include "systems/Combinatoria.h"
#include "systems/Spoglio.h"

namespace ruotario::cli {

namespace {

// premi.txt of the data folder, else the one shipped with the program.
std::string percorsoPremi() {
  const CartelleProgramma c = CercaCartelle();
  StatoProgramma s;
  s.AppDir = c.AppDir;
  s.CartellaCondivisa = c.CartellaCondivisa;
  return PercorsoFileProgramma(s, kNomePremi);
}

nlohmann::ordered_json jsonFigure(const FigureSorte& f) {
  return {{"Sorte", f.Sorte},
          {"Nome", SorteInTesto(f.Sorte)},
          {"Prove", f.Prove},
          {"Vincite", f.Vincite},
          {"Attese", f.VinciteAttese},
          {"Probabilita", f.Probabilita},
          {"p", f.Coda},
          {"Costo", f.Costo},
          {"Lordo", f.Lordo},
          {"Netto", f.Netto},
          {"Saldo", f.Saldo()},
          {"SaldoAtteso", f.SaldoAtteso()}};
}

nlohmann::ordered_json json(const EsitoSpoglio& e, const ParametriSpoglio& p, const ArchivioEstrazioni& archivio) {
  nlohmann::ordered_json j;
  j["Ruote"] = nlohmann::ordered_json::array();
  for (const int r : p.Ruote) j["Ruote"].push_back(std::string(kNomiRuote[static_cast<std::size_t>(r - 1)]));
  j["Inizio"] = e.Inizio;
  j["Fine"] = e.Fine;
  j["DataInizio"] = std::string(archivio[e.Inizio].Data());
  j["DataFine"] = std::string(archivio[e.Fine].Data());
  j["ColpiPerGiocata"] = p.Colpi;
  j["Posta"] = p.Posta;
  j["Colpi"] = e.Colpi;
  nlohmann::ordered_json premi;
  premi["File"] = e.Premi.File;
  premi["Fonte"] = e.Premi.Fonte;
  premi["ValidoDal"] = e.Premi.ValidoDal;
  for (int t = 1; t <= 5; ++t) premi[SorteInTesto(t)] = e.Premi.Moltiplicatore[static_cast<std::size_t>(t)];
  premi["Ritenuta"] = e.Premi.Ritenuta;
  j["Premi"] = premi;
  j["Totale"] = {{"Vincite", e.Vincite},
                 {"Costo", e.Costo},
                 {"Lordo", e.Lordo},
                 {"Netto", e.Netto},
                 {"Saldo", e.Saldo()},
                 {"NettoAtteso", e.NettoAtteso},
                 {"SaldoAtteso", e.SaldoAtteso()}};
  j["Sorti"] = nlohmann::ordered_json::array();
  for (const FigureSorte& f : e.Sorti) {
    auto o = jsonFigure(f);
    o.erase("p");
    o.erase("Probabilita");
    j["Sorti"].push_back(std::move(o));
  }
  Sistema colonne;
  j["PerColonna"] = nlohmann::ordered_json::array();
  for (std::size_t c = 0; c < e.Colonne.size(); ++c) {
    const SpoglioColonna& s = e.Colonne[c];
    colonne.push_back(s.Numeri);
    nlohmann::ordered_json o;
    o["Colonna"] = c + 1;
    o["Numeri"] = s.Numeri;
    o["Sorti"] = nlohmann::ordered_json::array();
    for (const FigureSorte& f : s.Sorti) o["Sorti"].push_back(jsonFigure(f));
    j["PerColonna"].push_back(std::move(o));
  }
  j["Giocate"] = nlohmann::ordered_json::array();
  for (const GiocataSpoglio& g : e.Giocate)
    j["Giocate"].push_back({{"Dal", g.Primo},
                            {"Al", g.Ultimo},
                            {"Colpi", g.Colpi},
                            {"Vincite", g.Vincite},
                            {"Costo", g.Costo},
                            {"Lordo", g.Lordo},
                            {"Netto", g.Netto},
                            {"Saldo", g.Netto - g.Costo}});
  j["Colonne"] = JsonColonne(colonne);
  return j;
}

}  // namespace

int SistemaSpoglio(Argomenti& a, std::ostream& out, std::ostream& err) {
  ParametriSpoglio p;
  const std::string archivioFile = a.archivio();
  p.Ruote = OpzioneRuote(a);
  const auto inizio = a.interoOpzionale("--inizio", 1, kMassimoRecord);
  const auto fine = a.interoOpzionale("--fine", 1, kMassimoRecord);
  p.Colpi = a.intero("--colpi", 1, 1, 99);
  p.Posta = OpzionePosta(a);
  if (const auto sorti = a.elencoInteri("--sorti", 1, 5)) p.Sorti = *sorti;
  const auto filePremi = a.valore("--premi");
  const bool giocate = a.flag("--giocate");
  const Formato formato = a.formato();
  const auto colonne = LeggiSistemaIndicato(a, err);
  a.fine();
  if (!colonne) return 1;
  p.Colonne = *colonne;

  const PremiLetti premi = LeggiPremi(filePremi ? *filePremi : percorsoPremi());
  if (!premi.Premi) {
    err << "Premi non disponibili: " << premi.Errore << '\n';
    return 1;
  }
  const auto caricato = CaricaArchivioStudio(archivioFile, err);
  if (!caricato) return 1;
  const ArchivioEstrazioni& archivio = *caricato;
  const Periodo periodo = PeriodoStudio(inizio, fine, 1, archivio.Conta());
  p.Inizio = periodo.Inizio;
  p.Fine = periodo.Fine;

  const EsitoSpoglio e = Spoglio(p, *premi.Premi, archivio);
  if (!e.Errore.empty()) {
    err << "Spoglio impossibile: " << e.Errore << '\n';
    return 1;
  }
  if (formato == Formato::Json) {
    out << json(e, p, archivio).dump(2) << '\n';
    return 0;
  }
  if (formato == Formato::Csv) {
    StampaTabella(giocate ? TabellaGiocateSpoglio(e, archivio) : TabellaColonneSpoglio(e), formato, out);
    return 0;
  }
  out << "Spoglio di " << e.Colonne.size() << " colonne su " << NomiRuote(p.Ruote) << " dal "
      << archivio.EtichettaData(e.Inizio) << " al " << archivio.EtichettaData(e.Fine) << ", giocate da " << p.Colpi
      << (p.Colpi == 1 ? " colpo" : " colpi") << ", posta " << TestoEuro(p.Posta) << " per colonna e sorte\n"
      << TestoPremi(e.Premi) << "\nFonte dei premi: " << e.Premi.Fonte << '\n'
      << "Colpi: " << e.Colpi << " - giocate: " << e.Giocate.size() << '\n'
      << TestoSaldo(e) << "\n\n";
  StampaTabella(TabellaTotaliSpoglio(e), formato, out);
  out << '\n';
  StampaTabella(TabellaColonneSpoglio(e), formato, out);
  out << "\np %: probabilità di vincere altrettante volte o più per puro caso.\n";
  if (giocate) {
    out << '\n';
    StampaTabella(TabellaGiocateSpoglio(e, archivio), formato, out);
  }
  return 0;
}

}  // namespace ruotario::cli
