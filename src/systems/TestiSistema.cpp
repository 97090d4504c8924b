#include "systems/TestiSistema.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "app/Formato.h"
#include "forecasts/Previsione.h"
#include "ritardi/ProbabilitaRitardo.h"
#include "systems/Combinatoria.h"

namespace ruotario {

namespace {

std::string intero(std::int64_t n) { return std::to_string(n); }

std::string conSeparatore(std::string s, char separatore) {
  std::replace(s.begin(), s.end(), '.', separatore);
  return s;
}

std::string premio(const TabellaPremi& p, int sorte, char sep) {
  return SorteInTesto(sorte) + " " + TestoGenerale(p.Moltiplicatore[static_cast<std::size_t>(sorte)], sep);
}

}  // namespace

std::string TestoEuro(double v, char separatore) {
  char testo[64];
  // to_chars, unlike printf, ignores the C locale the window toolkit sets.
  const auto fine = std::to_chars(testo, testo + sizeof testo, v, std::chars_format::fixed, 2).ptr;
  std::string s(testo, fine);
  if (s == "-0.00") s = "0.00";
  return conSeparatore(s, separatore);
}

std::string TestoPercento(double p, char separatore) { return TestoCifre(p * 100.0, separatore); }

TabellaSistema TabellaColonne(const Sistema& colonne) {
  TabellaSistema t;
  std::size_t lunghezza = 0;
  for (const Colonna& c : colonne) lunghezza = std::max(lunghezza, c.size());
  t.Intestazioni.push_back("Colonna");
  for (std::size_t i = 1; i <= lunghezza; ++i) t.Intestazioni.push_back("N" + std::to_string(i));
  for (std::size_t r = 0; r < colonne.size(); ++r) {
    std::vector<std::string> riga{std::to_string(r + 1)};
    for (const int n : colonne[r]) riga.push_back(std::to_string(n));
    riga.resize(lunghezza + 1);
    t.Righe.push_back(std::move(riga));
  }
  return t;
}

TabellaSistema TabellaGaranzie(const EsitoGaranzie& e) {
  TabellaSistema t{{"Se escono", "Garanzia", "Combinazioni", "Controesempio"}, {}};
  for (const GaranziaSe& g : e.Garanzie) {
    std::string esempio;
    for (const int n : g.Controesempio) esempio += (esempio.empty() ? "" : " ") + std::to_string(n);
    t.Righe.push_back({std::to_string(g.Se), g.Sorte > 0 ? SorteInTesto(g.Sorte) : "nessuna",
                       std::to_string(g.Combinazioni), esempio});
  }
  return t;
}

TabellaSistema TabellaTotaliSpoglio(const EsitoSpoglio& e, char sep) {
  TabellaSistema t{{"Sorte", "Prove", "Vincite", "Attese", "Costo", "Lordo", "Netto", "Saldo", "Saldo atteso"}, {}};
  for (const FigureSorte& f : e.Sorti)
    t.Righe.push_back({std::string(NomeSorte(f.Sorte)), intero(f.Prove), intero(f.Vincite),
                       TestoCifre(f.VinciteAttese, sep), TestoEuro(f.Costo, sep), TestoEuro(f.Lordo, sep),
                       TestoEuro(f.Netto, sep), TestoEuro(f.Saldo(), sep), TestoEuro(f.SaldoAtteso(), sep)});
  t.Righe.push_back({"Totale", "", intero(e.Vincite), "", TestoEuro(e.Costo, sep), TestoEuro(e.Lordo, sep),
                     TestoEuro(e.Netto, sep), TestoEuro(e.Saldo(), sep), TestoEuro(e.SaldoAtteso(), sep)});
  return t;
}

TabellaSistema TabellaColonneSpoglio(const EsitoSpoglio& e, char sep) {
  TabellaSistema t{
      {"Colonna", "Numeri", "Sorte", "Vincite", "Attese", "p %", "Costo", "Lordo", "Netto", "Saldo", "Saldo atteso"},
      {}};
  for (std::size_t c = 0; c < e.Colonne.size(); ++c) {
    const SpoglioColonna& s = e.Colonne[c];
    for (const FigureSorte& f : s.Sorti)
      t.Righe.push_back({std::to_string(c + 1), TestoColonna(s.Numeri), std::string(NomeSorte(f.Sorte)),
                         intero(f.Vincite), TestoCifre(f.VinciteAttese, sep), TestoPercento(f.Coda, sep),
                         TestoEuro(f.Costo, sep), TestoEuro(f.Lordo, sep), TestoEuro(f.Netto, sep),
                         TestoEuro(f.Saldo(), sep), TestoEuro(f.SaldoAtteso(), sep)});
  }
  return t;
}

TabellaSistema TabellaGiocateSpoglio(const EsitoSpoglio& e, const ArchivioEstrazioni& archivio, char sep) {
  TabellaSistema t{{"Giocata", "Dal", "Al", "Colpi", "Vincite", "Costo", "Lordo", "Netto", "Saldo"}, {}};
  for (std::size_t g = 0; g < e.Giocate.size(); ++g) {
    const GiocataSpoglio& x = e.Giocate[g];
    t.Righe.push_back({std::to_string(g + 1), archivio.EtichettaData(x.Primo), archivio.EtichettaData(x.Ultimo),
                       std::to_string(x.Colpi), intero(x.Vincite), TestoEuro(x.Costo, sep), TestoEuro(x.Lordo, sep),
                       TestoEuro(x.Netto, sep), TestoEuro(x.Netto - x.Costo, sep)});
  }
  return t;
}

std::string TestoVerifica(const EsitoVerificaGaranzia& v) {
  if (v.Verificata) return "garanzia verificata su tutte le " + TestoMigliaia(v.Combinazioni) + " combinazioni";
  std::string esempio;
  for (const int n : v.Controesempio) esempio += (esempio.empty() ? "" : " ") + std::to_string(n);
  if (!esempio.empty()) return "garanzia non rispettata: nessuna colonna copre " + esempio;
  return "garanzia non verificata";
}

std::string TestoLimiti(const EsitoRiduzione& e) {
  if (!e.LimiteInferiore)
    return "Limite inferiore: non noto per questa garanzia (se escono più numeri della sorte garantita)";
  std::string t = "Limite inferiore (Schönheim): " + TestoMigliaia(*e.LimiteInferiore);
  if (e.Noto)
    t += " - migliore noto: " + TestoMigliaia(e.Noto->Colonne) + " (" + e.Noto->Fonte + ")";
  else
    t += " - migliore noto: non in tabella";
  if (e.Ottimo) t += " - questo sistema è il più piccolo possibile";
  return t;
}

std::string TestoPremi(const TabellaPremi& p, char sep) {
  return "Premi: " + p.File + ", validi dal " + p.ValidoDal + ": " + premio(p, 1, sep) + ", " + premio(p, 2, sep) +
         ", " + premio(p, 3, sep) + ", " + premio(p, 4, sep) + ", " + premio(p, 5, sep) + " volte la posta; ritenuta " +
         TestoGenerale(p.Ritenuta * 100.0, sep) + "%";
}

std::string TestoSaldo(const EsitoSpoglio& e, char sep) {
  return "Costo " + TestoEuro(e.Costo, sep) + " - vinto " + TestoEuro(e.Lordo, sep) + " lordi, " +
         TestoEuro(e.Netto, sep) + " netti - saldo " + TestoEuro(e.Saldo(), sep) + " (per puro caso in media " +
         TestoEuro(e.SaldoAtteso(), sep) + ")";
}

}  // namespace ruotario
