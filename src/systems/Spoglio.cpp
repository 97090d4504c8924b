#include "systems/Spoglio.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>

#include "systems/Combinatoria.h"
#include "systems/ProbabilitaSistema.h"

namespace ruotario {

namespace {

// Numbers 1..90 as bits of two words: 1..64 in the first, 65..90 in the second.
struct Maschera {
  std::uint64_t basso = 0, alto = 0;
  void metti(int n) { (n <= 64 ? basso : alto) |= std::uint64_t{1} << ((n - 1) % 64); }
};

// One ticket as the loop reads it: its mask, the sorti it plays and, for each,
// what j numbers drawn pay for a whole stake (before dividing by the wheels).
struct Giocata {
  Maschera maschera;
  int primaSorte = 6;  // the lowest sorte played
  std::vector<int> sorti;
  std::array<std::array<double, 6>, 6> paga{};  // [sorte][j]
};

// The numbers each ticket shares with each wheel drawn in a colpo, one AND and
// one popcount per word: the loop the spoglio's time goes to, so on x86-64 it is
// also built for processors with a popcount instruction, chosen at run time.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("popcnt", "default")))
#endif
void contaComuni(const std::vector<Maschera>& estratte, const std::vector<Maschera>& colonne,
                 std::vector<std::uint8_t>& comuni) {
  comuni.resize(estratte.size() * colonne.size());
  std::uint8_t* j = comuni.data();
  for (const Maschera& m : estratte)
    for (const Maschera& c : colonne)
      *j++ = static_cast<std::uint8_t>(__builtin_popcountll(m.basso & c.basso) + __builtin_popcountll(m.alto & c.alto));
}

std::vector<int> sortiGiocate(int k, const std::vector<int>& scelte) {
  std::vector<int> s;
  const int massima = std::min(k, 5);
  if (scelte.empty()) {
    for (int t = k == 1 ? 1 : 2; t <= massima; ++t) s.push_back(t);
  } else {
    for (const int t : scelte)
      if (t >= 1 && t <= massima && std::find(s.begin(), s.end(), t) == s.end()) s.push_back(t);
    std::sort(s.begin(), s.end());
  }
  return s;
}

std::string controlla(const ParametriSpoglio& p) {
  if (p.Colonne.empty()) return "nessuna colonna da giocare";
  for (const Colonna& c : p.Colonne)
    if (c.empty() || c.size() > static_cast<std::size_t>(kMassimoPerColonna) || !ControllaNumeri(c).empty())
      return "la colonna \"" + TestoColonna(c) + "\" non è una colonna del lotto";
  if (p.Ruote.empty()) return "nessuna ruota scelta";
  for (const int r : p.Ruote)
    if (r < 1 || r > kNumeroRuote) return "ruota " + std::to_string(r) + " inesistente";
  if (p.Colpi < 1) return "una giocata dura almeno un colpo";
  if (!(p.Posta > 0.0)) return "la posta è maggiore di zero";
  for (const int t : p.Sorti)
    if (t < 1 || t > 5) return "sorte " + std::to_string(t) + " inesistente (da 1, estratto, a 5, cinquina)";
  return {};
}

}  // namespace

EsitoSpoglio Spoglio(const ParametriSpoglio& p, const TabellaPremi& premi, const ArchivioEstrazioni& archivio) {
  EsitoSpoglio e;
  e.Premi = premi;
  e.Errore = controlla(p);
  if (!e.Errore.empty()) return e;
  e.Inizio = std::max(p.Inizio, 1);
  e.Fine = p.Fine <= 0 ? archivio.Conta() : std::min(p.Fine, archivio.Conta());
  std::vector<int> ruote = p.Ruote;
  std::sort(ruote.begin(), ruote.end());
  ruote.erase(std::unique(ruote.begin(), ruote.end()), ruote.end());

  // The tickets, and what each sorte of each pays.
  std::vector<Giocata> giocate;
  double costoColpo = 0.0;
  double attesoColpo = 0.0;
  for (const Colonna& c : p.Colonne) {
    Giocata g;
    for (const int n : c) g.maschera.metti(n);
    const int k = static_cast<int>(c.size());
    g.sorti = sortiGiocate(k, p.Sorti);
    for (const int t : g.sorti) {
      g.primaSorte = std::min(g.primaSorte, t);
      for (int j = t; j <= std::min(k, 5); ++j)
        g.paga[static_cast<std::size_t>(t)][static_cast<std::size_t>(j)] =
            p.Posta * premi.Moltiplicatore[static_cast<std::size_t>(t)] * static_cast<double>(Binomiale(j, t)) /
            static_cast<double>(Binomiale(k, t));
      costoColpo += p.Posta;
      attesoColpo +=
          p.Posta * ResaAttesa(t, premi.Moltiplicatore[static_cast<std::size_t>(t)]) * (1.0 - premi.Ritenuta);
    }
    giocate.push_back(std::move(g));
  }
  if (costoColpo == 0.0) {
    e.Errore = "nessuna colonna è abbastanza lunga per le sorti scelte";
    return e;
  }

  const std::size_t colonne = giocate.size();
  std::vector<std::array<std::int64_t, 6>> vinte(colonne);
  std::vector<std::array<double, 6>> lordo(colonne);
  std::int64_t prove = 0;
  const double netta = 1.0 - premi.Ritenuta;
  double saldo = 0.0;
  double saldoAtteso = 0.0;
  std::vector<Maschera> estratte;
  std::vector<Maschera> maschereColonne;
  for (const Giocata& g : giocate) maschereColonne.push_back(g.maschera);
  std::vector<std::uint8_t> comuni;
  for (int i = e.Inizio; i <= e.Fine; ++i) {
    const Estrazione& estrazione = archivio[i];
    estratte.clear();
    for (const int r : ruote) {
      Maschera m;
      for (int pos = 1; pos <= kNumeriPerRuota; ++pos)
        if (const int n = estrazione.Valore(r, pos); n >= 1 && n <= 90) m.metti(n);
      if (m.basso | m.alto) estratte.push_back(m);
    }
    if (estratte.empty()) continue;  // none of the wheels was drawn: no colpo
    if (e.Colpi % p.Colpi == 0) e.Giocate.push_back({i, i, 0, 0, 0.0, 0.0, 0.0});
    ++e.Colpi;
    prove += static_cast<std::int64_t>(estratte.size());
    GiocataSpoglio& giocata = e.Giocate.back();
    const double perRuota = 1.0 / static_cast<double>(estratte.size());
    double lordoColpo = 0.0;
    contaComuni(estratte, maschereColonne, comuni);
    for (std::size_t w = 0; w < estratte.size(); ++w) {
      for (std::size_t c = 0; c < colonne; ++c) {
        const Giocata& g = giocate[c];
        const int j = comuni[w * colonne + c];
        if (j < g.primaSorte) continue;
        for (const int t : g.sorti) {
          if (t > j) break;
          const double paga = g.paga[static_cast<std::size_t>(t)][static_cast<std::size_t>(j)] * perRuota;
          ++vinte[c][static_cast<std::size_t>(t)];
          lordo[c][static_cast<std::size_t>(t)] += paga;
          lordoColpo += paga;
          ++giocata.Vincite;
        }
      }
    }
    giocata.Ultimo = i;
    ++giocata.Colpi;
    giocata.Costo += costoColpo;
    giocata.Lordo += lordoColpo;
    giocata.Netto += lordoColpo * netta;
    saldo += lordoColpo * netta - costoColpo;
    saldoAtteso += attesoColpo - costoColpo;
    e.Andamento.push_back({i, saldo, saldoAtteso});
  }
  if (e.Colpi == 0) {
    e.Errore = "nessuna estrazione delle ruote scelte nel periodo";
    e.Giocate.clear();
    return e;
  }

  // The figures per ticket and sorte, with their chance: the binomial of the
  // wheel draws played, one law per ticket size and sorte.
  std::map<std::pair<int, int>, CodaBinomiale> code;
  std::array<FigureSorte, 6> totali{};
  for (std::size_t c = 0; c < colonne; ++c) {
    SpoglioColonna s;
    s.Numeri = p.Colonne[c];
    const int k = static_cast<int>(s.Numeri.size());
    for (const int t : giocate[c].sorti) {
      FigureSorte f;
      f.Sorte = t;
      f.Prove = prove;
      f.Vincite = vinte[c][static_cast<std::size_t>(t)];
      f.Costo = p.Posta * e.Colpi;
      f.Lordo = lordo[c][static_cast<std::size_t>(t)];
      f.Netto = f.Lordo * netta;
      f.Probabilita = ProbabilitaSorte(k, t);
      f.VinciteAttese = static_cast<double>(prove) * f.Probabilita;
      f.NettoAtteso = f.Costo * ResaAttesa(t, premi.Moltiplicatore[static_cast<std::size_t>(t)]) * netta;
      auto it = code.find({k, t});
      if (it == code.end()) it = code.emplace(std::pair{k, t}, CodaBinomiale(prove, f.Probabilita)).first;
      f.Coda = it->second(f.Vincite);
      s.Costo += f.Costo;
      s.Lordo += f.Lordo;
      s.Netto += f.Netto;
      s.NettoAtteso += f.NettoAtteso;
      s.Vincite += f.Vincite;
      FigureSorte& tot = totali[static_cast<std::size_t>(t)];
      tot.Sorte = t;
      tot.Prove += f.Prove;
      tot.Vincite += f.Vincite;
      tot.Costo += f.Costo;
      tot.Lordo += f.Lordo;
      tot.Netto += f.Netto;
      tot.VinciteAttese += f.VinciteAttese;
      tot.NettoAtteso += f.NettoAtteso;
      s.Sorti.push_back(f);
    }
    e.Costo += s.Costo;
    e.Lordo += s.Lordo;
    e.Netto += s.Netto;
    e.NettoAtteso += s.NettoAtteso;
    e.Vincite += s.Vincite;
    e.Colonne.push_back(std::move(s));
  }
  for (const FigureSorte& f : totali)
    if (f.Sorte > 0) e.Sorti.push_back(f);
  return e;
}

}  // namespace ruotario
