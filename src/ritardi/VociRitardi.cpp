#include "ritardi/VociRitardi.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "app/NumeriLotto.h"

namespace ruotario {

namespace {

std::array<int, 3> numeri(TipoRitardo tipo, int indice) {
  switch (tipo) {
    case TipoRitardo::Numero: return {indice + 1, 0, 0};
    case TipoRitardo::Ambo: {
      const auto [a, b] = AmboDaIndice(indice);
      return {a, b, 0};
    }
    case TipoRitardo::Terno: return TernoDaIndice(indice);
    case TipoRitardo::Gruppo: break;
  }
  return {};
}

bool naturale(const VoceRitardo& x, const VoceRitardo& y) {
  return std::tie(x.Ruota, x.Indice) < std::tie(y.Ruota, y.Indice);
}

// Compares one column's values: <0, 0, >0.
double confronto(const VoceRitardo& x, const VoceRitardo& y, ColonnaRitardi c) {
  const Ritardo& a = x.Figure;
  const Ritardo& b = y.Figure;
  switch (c) {
    case ColonnaRitardi::Voce: return x.Indice != y.Indice ? x.Indice - y.Indice : x.Ruota - y.Ruota;
    case ColonnaRitardi::Ruota: return x.Ruota - y.Ruota;
    case ColonnaRitardi::Frequenza: return a.Frequenza - b.Frequenza;
    case ColonnaRitardi::Attuale:  // the longer record breaks a tie, as in PiuRitardatari
      return a.RitardoAttuale != b.RitardoAttuale ? a.RitardoAttuale - b.RitardoAttuale
                                                  : a.RitardoMassimo - b.RitardoMassimo;
    case ColonnaRitardi::Massimo: return a.RitardoMassimo - b.RitardoMassimo;
    case ColonnaRitardi::Ultima: return a.DataUltima - b.DataUltima;
    case ColonnaRitardi::Record: return a.DataRecord - b.DataRecord;
    case ColonnaRitardi::Probabilita: return x.Probabilita - y.Probabilita;
    case ColonnaRitardi::Attesi: return x.Attesi - y.Attesi;
  }
  return 0;
}

}  // namespace

std::vector<VoceRitardo> VociRitardi(const EsitoRitardi& esito) {
  std::vector<VoceRitardo> voci;
  voci.reserve(static_cast<std::size_t>(esito.VociPerRuota()) * esito.Ruote.size());
  for (std::size_t r = 0; r < esito.Ruote.size(); ++r)
    for (int i = 0; i < static_cast<int>(esito.Ruote[r].Voci.size()); ++i) voci.push_back(VoceDi(esito, r, i));
  return voci;
}

VoceRitardo VoceDi(const EsitoRitardi& esito, std::size_t posto, int indice) {
  const RitardiRuota& r = esito.Ruote.at(posto);
  const Ritardo& f = r.Voci.at(static_cast<std::size_t>(indice));
  const double p = std::pow(esito.Assenza(), f.Esposizione);
  const int quanti = esito.VociPerRuota() * static_cast<int>(esito.Ruote.size());
  return {r.Ruota, esito.Parametri.Tipo, indice, numeri(esito.Parametri.Tipo, indice), f, p, quanti * p};
}

void OrdinaVoci(std::vector<VoceRitardo>& voci, ColonnaRitardi colonna, Verso verso) {
  const bool crescente = verso == Verso::Crescente;
  std::sort(voci.begin(), voci.end(), [colonna, crescente](const VoceRitardo& x, const VoceRitardo& y) {
    const double d = confronto(x, y, colonna);
    if (d != 0) return crescente ? d < 0 : d > 0;
    return naturale(x, y);
  });
}

std::vector<VoceRitardo> PiuRitardatari(std::vector<VoceRitardo> voci, int quante) {
  // A total order, so a partial sort of the few shown gives what a sort of all would.
  const auto prima = [](const VoceRitardo& x, const VoceRitardo& y) {
    if (x.Figure.RitardoAttuale != y.Figure.RitardoAttuale) return x.Figure.RitardoAttuale > y.Figure.RitardoAttuale;
    if (x.Figure.RitardoMassimo != y.Figure.RitardoMassimo) return x.Figure.RitardoMassimo > y.Figure.RitardoMassimo;
    return naturale(x, y);
  };
  if (quante > 0 && static_cast<std::size_t>(quante) < voci.size()) {
    std::partial_sort(voci.begin(), voci.begin() + quante, voci.end(), prima);
    voci.resize(static_cast<std::size_t>(quante));
  } else {
    std::sort(voci.begin(), voci.end(), prima);
  }
  return voci;
}

bool PassaFiltro(const VoceRitardo& v, const FiltroNumeri& f) {
  if (v.Tipo == TipoRitardo::Gruppo) return true;
  for (int n : v.Numeri) {
    if (n == 0) continue;
    if ((f.Decina >= 0 && Decina(n) != f.Decina) || (f.Cadenza >= 0 && Cadenza(n) != f.Cadenza) ||
        (f.Figura >= 0 && Figura(n) != f.Figura))
      return false;
  }
  return true;
}

std::string TestoVoce(const VoceRitardo& v, std::string_view nomeGruppo) {
  if (v.Tipo == TipoRitardo::Gruppo) return std::string(nomeGruppo);
  std::string t;
  for (int n : v.Numeri) {
    if (n == 0) break;
    if (!t.empty()) t += '-';
    t += DueCifre(int{n});
  }
  return t;
}

std::string NomeTipo(TipoRitardo tipo) {
  switch (tipo) {
    case TipoRitardo::Numero: return "Numero";
    case TipoRitardo::Ambo: return "Ambo";
    case TipoRitardo::Terno: return "Terno";
    case TipoRitardo::Gruppo: return "Gruppo";
  }
  return {};
}

std::vector<std::string> TitoliRitardi(TipoRitardo tipo, bool conRuota) {
  std::vector<std::string> t{NomeTipo(tipo)};
  if (conRuota) t.emplace_back("Ruota");
  for (const char* titolo :
       {"Frequenza", "Rit. Attuale", "Rit. Massimo", "Ultima uscita", "Data record", "Probabilità %", "Attesi"})
    t.emplace_back(titolo);
  return t;
}

RigheTabella RigheRitardi(std::span<const VoceRitardo> voci, bool conRuota, char separatore,
                          std::string_view nomeGruppo) {
  RigheTabella righe;
  righe.reserve(voci.size());
  for (const VoceRitardo& v : voci) {
    RigaTabella r;
    r.reserve(9);
    r.push_back(TestoVoce(v, nomeGruppo));
    if (conRuota) r.push_back(NomeRuotaRitardi(v.Ruota));
    r.push_back(std::to_string(v.Figure.Frequenza));
    r.push_back(std::to_string(v.Figure.RitardoAttuale));
    r.push_back(std::to_string(v.Figure.RitardoMassimo));
    r.push_back(TestoDataNumerica(v.Figure.DataUltima));
    r.push_back(TestoDataNumerica(v.Figure.DataRecord));
    r.push_back(TestoCifre(100 * v.Probabilita, separatore));
    r.push_back(TestoCifre(v.Attesi, separatore));
    righe.push_back(std::move(r));
  }
  return righe;
}

std::string SiglaRuota(int ruota) {
  static constexpr const char* kSigle[] = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RM", "TO", "VE", "NZ"};
  return ruota >= 1 && ruota <= kRuotaNazionale ? kSigle[ruota - 1] : "";
}

}  // namespace ruotario
