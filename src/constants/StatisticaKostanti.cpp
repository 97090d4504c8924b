#include "constants/StatisticaKostanti.h"

#include <algorithm>

#include "app/Formato.h"
#include "app/NumeriLotto.h"
#include "constants/VistaRuota.h"

namespace ruotario {

std::string TestoAmbata(int valore) { return DueCifre(Fuori90(valore)); }

bool AlmenoUnaAttiva(const ParametriStatistica& p) { return p.Attiva[0] || p.Attiva[1] || p.Attiva[2]; }

std::array<std::string, 4> CelleRiga(const TabellaNumeri& t, int n, char separatore) {
  const RigaNumero& r = t[n];
  if (r.Marcato) return {DueCifre(int(n)), "*", "*", "*"};
  std::array<std::string, 4> celle;
  celle[0] = DueCifre(int(n));
  if (r.Sortite) celle[1] = std::to_string(*r.Sortite);
  if (r.Sortite) celle[2] = FormattaNumero(r.Percentuale, "##0.00", separatore);
  if (r.RitardoRel) celle[3] = std::to_string(*r.RitardoRel);
  return celle;
}

std::string TestoDettaglioRicerca(const EsitoStatistica& e) {
  return e.Riepilogo + "\r\n\r\nDETTAGLIO COLPI" + e.Dettaglio;
}

std::string TestoRiepilogoVincite(const EsitoStatistica& e) { return e.Riepilogo + "\r\n\r\n"; }

namespace {

// Counts appearances and relative delays of a table. Delays are kept as the
// index of the last counted draw and resolved at the end, which gives the
// same values as adding 1 to every row at each counted draw.
struct Contatore {
  std::array<int, 91> sortite{};
  std::array<int, 91> ultima{};  // counted-draw index of the last appearance; 0 = never
  int contate = 0;

  void conta(const std::array<int, 5>& valori) {
    ++contate;
    for (int v : valori) {
      if (v >= 1 && v <= 90) {
        ++sortite[static_cast<std::size_t>(v)];
        ultima[static_cast<std::size_t>(v)] = contate;
      }
    }
  }

  void riversa(TabellaNumeri& t) const {
    for (int n = 1; n <= 90; ++n) {
      const auto i = static_cast<std::size_t>(n);
      RigaNumero& r = t[n];
      if (sortite[i] > 0) r.Sortite = sortite[i];
      if (contate > 0) r.RitardoRel = contate - ultima[i];
    }
  }
};

}  // namespace

EsitoStatistica CalcolaSuVista(const ParametriStatistica& p, const VistaRuota& vista, const Avanzamento& avanzamento,
                               bool completo) {
  EsitoStatistica e;
  std::array<int, 3> codiceAmbata{};
  std::array<int, 3> valoreAmbata{};
  for (std::size_t j = 0; j < 3; ++j) {
    const std::string t = TestoAmbata(p.Ambata[j]);
    codiceAmbata[j] = CodiceTesto(t);
    valoreAmbata[j] = ValoreTesto(t);
  }
  Contatore frequenti, abbinamenti;
  bool esitoVuoto = true;
  long long sommaColpi = 0;

  const std::size_t conta = vista.Estrazioni.size();
  for (std::size_t posto = 0; posto < conta; ++posto) {
    const PostoVista& r = vista.Estrazioni[posto];
    ++e.TotaleEstrazioni;
    if (avanzamento) avanzamento(e.TotaleEstrazioni);
    if (e.InGioco) {
      esitoVuoto = true;
      if (e.Colpo >= p.Colpi) {
        e.InGioco = false;
        esitoVuoto = false;
        if (completo) e.Dettaglio += "Esito: NON VINCENTE ";
        continue;
      }
      ++e.Colpo;
      if (completo) frequenti.conta(r.Valori);
      int colpiti = 0;
      for (int k = 0; k < 5; ++k) {
        for (std::size_t j = 0; j < 3; ++j) {
          if (p.Attiva[j] && r.Codici[static_cast<std::size_t>(k)] == codiceAmbata[j]) ++colpiti;
        }
      }
      if (colpiti == 0) continue;
      ++e.CasiVincenti;
      if (completo) {
        e.Vincenti.push_back(Vincente{e.CasiVincenti, std::string(r.Data), std::string(r.Blocco)});
        abbinamenti.conta(r.Valori);
        e.Dettaglio += "Esito: VINCENTE COLPI " + std::to_string(e.Colpo);
      }
      sommaColpi += e.Colpo;
      e.InGioco = false;
      esitoVuoto = false;
      continue;
    }
    for (int k = 1; k <= 5; ++k) {
      if (r.Valori[static_cast<std::size_t>(k - 1)] == p.NumeroSpia && (p.Posizione < 1 || p.Posizione == k)) {
        ++e.CasiGiocabili;
        e.InGioco = true;
        e.Colpo = 0;
        if (completo) {
          CasoStatistica caso{static_cast<int>(posto), {}};
          const std::size_t ultimo = std::min(conta, posto + 1 + static_cast<std::size_t>(std::max(p.Colpi, 0)));
          for (std::size_t j = posto + 1; j < ultimo; ++j) {
            int presenti = 0;
            for (const int v : vista.Estrazioni[j].Valori) presenti += v >= 1 && v <= 90 ? 1 : 0;
            ++caso.Osservabili[static_cast<std::size_t>(presenti)];
          }
          e.Casi.push_back(caso);
          e.Dettaglio += "\r\n\r\nPrevisione in gioco est: ";
          e.Dettaglio += r.Data;
          e.Dettaglio += "\r\n";
        }
        esitoVuoto = true;
        break;  // one draw opens one case, even a malformed one holding the spy twice
      }
    }
  }

  frequenti.riversa(e.Frequenti);
  abbinamenti.riversa(e.Abbinamenti);
  if (e.CasiVincenti > 0) {
    // Every win marks the same rows again, so the marks stand at the end.
    for (std::size_t j = 0; j < 3; ++j) {
      if (j > 0 && !p.Attiva[j]) continue;
      const int v = valoreAmbata[j];
      if (v >= 1 && v <= 90) {
        RigaNumero& riga = e.Abbinamenti[v];
        riga.Marcato = true;
        riga.Sortite.reset();
        riga.RitardoRel.reset();
      }
    }
  }

  e.CasiConclusi = e.CasiGiocabili - (esitoVuoto ? 1 : 0);
  if (e.CasiConclusi < 0) e.CasiConclusi = 0;
  e.PercentualeVincita = e.CasiConclusi > 0 ? static_cast<double>(e.CasiVincenti) / e.CasiConclusi * 100 : 0.0;
  e.MediaColpi = e.CasiVincenti > 0 ? static_cast<double>(sommaColpi) / e.CasiVincenti : 0.0;

  std::string& t = e.Riepilogo;
  t = "CASI GIOCABILI: " + std::to_string(e.CasiGiocabili) + "\r\n";
  t += "CASI VINCENTI: " + std::to_string(e.CasiVincenti) + " su: " + std::to_string(e.CasiConclusi) + "\r\n";
  t += "%PERC. VINCITA: " + TestoGenerale(e.PercentualeVincita, p.Separatore).substr(0, 6) + "%\r\n";
  t += "MEDIA COLPI VINCITA: " + FormattaNumero(e.MediaColpi, "##.##", p.Separatore);
  if (esitoVuoto) t += "\r\n***PREVISIONE IN GIOCO DA COLPI: " + std::to_string(e.Colpo);
  return e;
}

EsitoStatistica CalcolaStatistica(const ParametriStatistica& p, const ArchivioEstrazioni& archivio,
                                  const Avanzamento& avanzamento) {
  return CalcolaSuVista(p, VistaRuota(archivio, p.Ruota, p.Inizio, p.Fine), avanzamento);
}

EsitoStatistica CalcolaStatistica(const ParametriStatistica& p, const std::string& percorsoArchivio,
                                  const Avanzamento& avanzamento) {
  return CalcolaStatistica(p, ArchivioEstrazioni::CaricaArchivio(percorsoArchivio), avanzamento);
}

void PercentualiAbbinamenti(EsitoStatistica& e) {
  for (int n = 1; n <= 90; ++n) {
    RigaNumero& r = e.Abbinamenti[n];
    if (r.Marcato) {
      r.Percentuale = 0.0;
      continue;
    }
    if (!r.Sortite) r.Sortite = 0;
    r.Percentuale =
        (e.CasiGiocabili != 0 && e.CasiVincenti != 0) ? static_cast<double>(*r.Sortite) / e.CasiVincenti * 100 : 0.0;
  }
}

void PercentualiFrequenti(EsitoStatistica& e) {
  int totale = 0;  // a plain int: long spans exceed 16 bits here
  for (int n = 1; n <= 90; ++n) {
    RigaNumero& r = e.Frequenti[n];
    if (!r.Sortite && !r.Marcato) r.Sortite = 0;
    if (r.Sortite) totale += *r.Sortite;
  }
  for (int n = 1; n <= 90; ++n) {
    RigaNumero& r = e.Frequenti[n];
    r.Percentuale = (e.CasiGiocabili != 0 && !r.Marcato && totale != 0 && r.Sortite)
                        ? static_cast<double>(*r.Sortite) / totale * 100
                        : 0.0;
  }
}

EsitoStatistica CalcolaStatisticaCompleta(const ParametriStatistica& p, const ArchivioEstrazioni& archivio,
                                          const Avanzamento& avanzamento) {
  EsitoStatistica e = CalcolaStatistica(p, archivio, avanzamento);
  PercentualiAbbinamenti(e);
  PercentualiFrequenti(e);
  return e;
}

}  // namespace ruotario
