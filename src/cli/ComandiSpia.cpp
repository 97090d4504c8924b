// spia, zevedive: the spy studies from the terminal.

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>

#include "app/Ambiente.h"
#include "app/Formato.h"
#include "app/NumeriLotto.h"
#include "archive/ArchivioEstrazioni.h"
#include "cli/BaseCasoCli.h"
#include "cli/Comandi.h"
#include "cli/Studio.h"
#include "cli/Tabella.h"
#include "spy/RicercaSpia.h"
#include "spy/Zevedive.h"

namespace ruotario::cli {

namespace {

struct VoceTipo {
  std::string_view nome;
  TipoSpia tipo;
};

constexpr VoceTipo kTipi[] = {
    {"numero", TipoSpia::Numero},     {"ambo", TipoSpia::Ambo},
    {"terno", TipoSpia::Terno},       {"cadenza", TipoSpia::Cadenza},
    {"decina", TipoSpia::Decina},     {"figura", TipoSpia::Figura},
    {"somma", TipoSpia::Somma},       {"differenza", TipoSpia::Differenza},
    {"distanza", TipoSpia::Distanza}, {"ciclometrica", TipoSpia::Ciclometrica},
};

std::string minuscolo(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool perCoppie(TipoSpia t) {
  return t == TipoSpia::Somma || t == TipoSpia::Differenza || t == TipoSpia::Distanza || t == TipoSpia::Ciclometrica;
}

TipoSpia leggiTipo(Argomenti& a) {
  const auto v = a.valore("--tipo");
  if (!v) return TipoSpia::Numero;
  const std::string nome = minuscolo(*v);
  for (const auto& t : kTipi)
    if (t.nome == nome) return t.tipo;
  throw ErroreUso("tipo di spia sconosciuto: \"" + *v +
                  "\" (ammessi numero, ambo, terno, cadenza, decina, figura, somma, differenza, distanza, "
                  "ciclometrica)");
}

// The spy values, with the windows' defaults when absent.
std::array<int, 3> leggiSpie(Argomenti& a, TipoSpia tipo, std::string_view nomeTipo) {
  const int quanti = ValoriSpia(tipo);
  const auto elenco = a.elencoInteri("--spia", SpiaMinima(tipo), SpiaMassima(tipo));
  if (!elenco) return {SpiaMinima(tipo), 2, 3};
  if (static_cast<int>(elenco->size()) != quanti) {
    throw ErroreUso("--tipo " + std::string(nomeTipo) + " vuole " +
                    (quanti == 1 ? std::string("un valore") : std::to_string(quanti) + " valori separati da virgole") +
                    " in --spia");
  }
  std::array<int, 3> spie{0, 0, 0};
  std::copy(elenco->begin(), elenco->end(), spie.begin());
  return spie;
}

void leggiPosizione(Argomenti& a, ParametriRicerca& p, std::string_view nomeTipo) {
  const auto v = a.valore("--posizione");
  if (!v || minuscolo(*v) == "tutte") return;
  if (p.Tipo == TipoSpia::Ambo || p.Tipo == TipoSpia::Terno)
    throw ErroreUso("--posizione non si usa con --tipo " + std::string(nomeTipo) +
                    ": si esaminano sempre tutte le posizioni");
  if (!perCoppie(p.Tipo)) {
    p.Posizione = interoDa(*v, "--posizione", 1, 5);
    return;
  }
  std::string s;
  for (char c : *v)
    if (c != ' ') s += c;
  const auto trattino = s.find('-');
  if (trattino == std::string::npos)
    throw ErroreUso("--posizione per --tipo " + std::string(nomeTipo) +
                    " vuole tutte o una coppia A-B (per esempio 1-3)");
  const int primo = interoDa(std::string_view(s).substr(0, trattino), "--posizione", 1, 5);
  const int secondo = interoDa(std::string_view(s).substr(trattino + 1), "--posizione", 1, 5);
  if (primo >= secondo) throw ErroreUso("--posizione: la coppia A-B vuole A minore di B (\"" + *v + "\")");
  p.Coppia = {primo, secondo};
}

}  // namespace

int ComandoSpia(Argomenti& a, std::ostream& out, std::ostream& err) {
  const std::string percorso = a.archivio();
  const Formato formato = a.formato();
  ParametriRicerca p;
  p.Ruota = a.ruota();
  p.Colpi = a.intero("--colpi", 9, 1, kColpiMassimi);
  std::string nomeTipo = "numero";
  {
    p.Tipo = leggiTipo(a);
    for (const auto& t : kTipi)
      if (t.tipo == p.Tipo) nomeTipo = t.nome;
  }
  p.NumeriSpia = leggiSpie(a, p.Tipo, nomeTipo);
  if (const auto c = a.valore("--combinazione")) {
    if (p.Tipo != TipoSpia::Ambo && p.Tipo != TipoSpia::Terno)
      throw ErroreUso("--combinazione si usa solo con --tipo ambo o terno");
    const std::string s = minuscolo(*c);
    if (s == "and")
      p.Combina = Combinazione::And;
    else if (s == "or")
      p.Combina = Combinazione::Or;
    else if (s == "xor")
      p.Combina = Combinazione::Xor;
    else
      throw ErroreUso("combinazione sconosciuta: \"" + *c + "\" (ammesse and, or, xor)");
  } else {
    p.Combina = p.Tipo == TipoSpia::Terno ? Combinazione::Or : Combinazione::And;
  }
  leggiPosizione(a, p, nomeTipo);
  p.SortiteUniche = !a.flag("--tutte-le-sortite");
  const bool conCaso = a.flag("--caso");
  const auto inizio = a.interoOpzionale("--inizio", 1, kMassimoRecord);
  const auto fine = a.interoOpzionale("--fine", 1, kMassimoRecord);
  a.fine();

  const auto caricato = CaricaArchivioStudio(percorso, err);
  if (!caricato) return 1;
  const ArchivioEstrazioni& archivio = *caricato;
  const Periodo periodo = PeriodoStudio(inizio, fine, InizioPredefinito(archivio.Conta()), archivio.Conta());
  p.Inizio = periodo.Inizio;
  p.Fine = periodo.Fine;

  const EsitoRicerca esito = RicercaSpia(p, archivio);
  std::optional<BaseCasoSpia> caso;
  if (conCaso) caso = BaseCasoRicerca(esito, p.SortiteUniche);

  if (formato == Formato::Json) {
    nlohmann::ordered_json j;
    j["Ruota"] = kNomiRuote[static_cast<std::size_t>(p.Ruota - 1)];
    j["Tipo"] = nomeTipo;
    j["Inizio"] = p.Inizio;
    j["Fine"] = p.Fine;
    j["Colpi"] = p.Colpi;
    j["SortiteUniche"] = p.SortiteUniche;
    j["TotaleEstrazioni"] = esito.TotaleEstrazioni;
    j["CasiGiocabili"] = esito.CasiGiocabili;
    j["Numeri"] = nlohmann::ordered_json::array();
    for (int n = 1; n <= kNumeriLotto; ++n) {
      j["Numeri"].push_back({{"Numero", n},
                             {"Sortite", esito.Sortite[n]},
                             {"Percentuale", esito.Percentuale[n]},
                             {"RitardoRel", JsonOpzionale(esito.RitardoRel[n])}});
      if (caso) j["Numeri"].back()["p"] = caso->P[static_cast<std::size_t>(n)];
    }
    if (caso) j["Caso"] = JsonBaseCasoSpia(*caso);
    out << j.dump(2) << '\n';
    return 0;
  }
  Tabella t{{"Numero", "Sortite", "%Esiti Vin.", "Ritar. Rel."}, {}};
  for (const auto& riga : RigheEsito(esito, '.')) t.Righe.push_back({riga.begin(), riga.end()});
  if (caso) {
    // Every number has the same chance expectation; p is each one's own tail.
    t.Intestazioni.insert(t.Intestazioni.end(), {"Atteso", "p"});
    const std::string atteso = FormattaNumero(caso->Atteso, "##0.000", '.');
    for (int n = 1; n <= kNumeriLotto; ++n) {
      auto& r = t.Righe[static_cast<std::size_t>(n - 1)];
      r.push_back(atteso);
      r.push_back(TestoProbabilita(caso->P[static_cast<std::size_t>(n)]));
    }
  }
  if (formato == Formato::Csv) {
    StampaCsv(t, out);
  } else {
    out << "Ruota: " << kNomiRuote[static_cast<std::size_t>(p.Ruota - 1)]
        << " - Ricerca DA: " << archivio.EtichettaData(p.Inizio) << " A: " << archivio.EtichettaData(p.Fine)
        << " - Colpi: " << p.Colpi << '\n'
        << "Totale Estrazioni: " << esito.TotaleEstrazioni << '\n'
        << "Casi Giocabili: " << esito.CasiGiocabili << "\n";
    if (caso)
      out << TestoBaseCasoSpia(*caso) << "\nMigliore osservato: " << caso->Migliore
          << " (p = " << TestoProbabilita(caso->PMigliore) << " che il migliore dei 90 arrivi fin lì per caso)\n";
    out << '\n';
    StampaTesto(t, out);
  }
  return 0;
}

int ComandoZevedive(Argomenti& a, std::ostream& out, std::ostream& err) {
  const std::string percorso = a.archivio();
  const Formato formato = a.formato();
  ParametriZevedive p;
  p.Ruota = a.ruota();
  p.Colpi = a.intero("--colpi", 2, 1, kColpiMassimi);
  p.Velocita = a.intero("--velocita", 0, 0, 2);
  const auto top = a.interoOpzionale("--top", 1, kNumeriLotto);
  const bool tutti = a.flag("--tutti");
  if (top && tutti) throw ErroreUso("--top e --tutti non si possono usare insieme");
  p.SoloTop = !tutti;
  p.Top = top.value_or(2);
  const auto estrazione = a.interoOpzionale("--estrazione", 1, kMassimoRecord);
  const bool conCaso = a.flag("--caso");
  a.fine();

  const auto caricato = CaricaArchivioStudio(percorso, err);
  if (!caricato) return 1;
  const ArchivioEstrazioni& archivio = *caricato;
  p.EstrazioneSpia = PeriodoStudio(std::nullopt, estrazione, 1, archivio.Conta()).Fine;

  SommeZevedive somme;
  const EsitoZevedive esito = Zevedive(p, archivio, somme);
  // The chance figures of each of the studies that were summed (one per spy that holds a number).
  struct CasoStudio {
    std::size_t Indice;  // 0..4 a number of the draw, 5..14 a pair sum
    int Spia;
    BaseCasoSpia Base;
  };
  std::vector<CasoStudio> casi;
  if (conCaso) {
    std::size_t studio = 0;
    for (std::size_t i = 0; i < esito.Spie.size(); ++i)
      if (esito.Spie[i] && studio < esito.Studi.size())
        casi.push_back({i, *esito.Spie[i], BaseCasoRicerca(esito.Studi[studio++], true)});
  }

  if (formato == Formato::Json) {
    nlohmann::ordered_json j;
    j["Ruota"] = kNomiRuote[static_cast<std::size_t>(p.Ruota - 1)];
    j["EstrazioneSpia"] = esito.EstrazioneSpia;
    j["Inizio"] = esito.Inizio;
    j["Fine"] = esito.Fine;
    j["Colpi"] = p.Colpi;
    j["Spie"] = nlohmann::ordered_json::array();
    for (const auto& s : esito.Spie) j["Spie"].push_back(JsonOpzionale(s));
    j["MiglioriSomme"] = nlohmann::ordered_json::array();
    for (const auto& v : esito.MiglioriSomme)
      j["MiglioriSomme"].push_back({{"Numero", v.Numero}, {"SommaSortite", JsonOpzionale(v.SommaSortite)}});
    j["MiglioriConvergenze"] = nlohmann::ordered_json::array();
    for (const auto& v : esito.MiglioriConvergenze)
      j["MiglioriConvergenze"].push_back({{"Numero", v.Numero}, {"Convergenze", v.Convergenze}});
    j["Numeri"] = nlohmann::ordered_json::array();
    for (int n = 1; n <= kNumeriLotto; ++n) {
      j["Numeri"].push_back({{"Numero", n},
                             {"SommaSortite", JsonOpzionale(somme.SommaSortite[n])},
                             {"Convergenze", somme.Convergenze[n]}});
    }
    if (conCaso) {
      j["Caso"] = nlohmann::ordered_json::array();
      for (const auto& c0 : casi) {
        nlohmann::ordered_json c = JsonBaseCasoSpia(c0.Base);
        c["spia"] = c0.Spia;
        c["tipo"] = c0.Indice < 5 ? "numero" : "somma";
        c["casi"] = c0.Base.Casi;
        j["Caso"].push_back(std::move(c));
      }
      j["CasoComplessivo"] = JsonBaseCasoZevedive(BaseCasoStudiZevedive(esito));
    }
    out << j.dump(2) << '\n';
    return 0;
  }
  Tabella t{{"Numero", "Sortite", "Convergenze"}, {}};
  for (int n = 1; n <= kNumeriLotto; ++n) {
    const auto& s = somme.SommaSortite[n];
    t.Righe.push_back({DueCifre(n), s ? std::to_string(*s) : std::string(), std::to_string(somme.Convergenze[n])});
  }
  if (formato == Formato::Csv) {
    StampaCsv(t, out);
    return 0;
  }
  out << "Estrazione SPIA: " << archivio.EtichettaData(esito.EstrazioneSpia)
      << " - Ruota: " << kNomiRuote[static_cast<std::size_t>(p.Ruota - 1)] << " - Colpi: " << p.Colpi << '\n'
      << "Periodo studiato: "
      << (esito.Inizio <= esito.Fine
              ? archivio.EtichettaData(esito.Inizio) + " A: " + archivio.EtichettaData(esito.Fine)
              : std::string("nessuna estrazione"))
      << '\n'
      << "Spie:";
  for (const auto& s : esito.Spie) out << ' ' << (s ? DueCifre(int{*s}) : std::string("--"));
  out << "\nSomma Sortite:";
  for (const auto& v : esito.MiglioriSomme)
    out << "  " << DueCifre(int{v.Numero}) << " (" << (v.SommaSortite ? std::to_string(*v.SommaSortite) : "") << ')';
  out << "\nConvergenze:";
  for (const auto& v : esito.MiglioriConvergenze)
    out << "  " << DueCifre(int{v.Numero}) << " (" << v.Convergenze << ')';
  out << "\n";
  if (conCaso) out << TestoBaseCasoZevedive(BaseCasoStudiZevedive(esito)) << '\n';
  for (const auto& c : casi) {
    const BaseCasoSpia& b = c.Base;
    out << (c.Indice < 5 ? "Spia " : "Somma ") << DueCifre(int{c.Spia}) << " (" << b.Casi
        << " casi): " << TestoBaseCasoSpia(b) << "; osservato "
        << FormattaNumero(b.Casi > 0 ? 100.0 * b.Migliore / b.Casi : 0.0, "##0.0", '.')
        << "% (p = " << TestoProbabilita(b.PMigliore) << ")\n";
  }
  out << "\n";
  StampaTesto(t, out);
  return 0;
}

}  // namespace ruotario::cli
