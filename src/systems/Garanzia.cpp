#include "systems/Garanzia.h"

#include <algorithm>
#include <array>
#include <bit>

#include "systems/Combinatoria.h"

namespace ruotario {

namespace {

constexpr std::uint64_t kPassiTraRichieste = 1 << 14;

// The chosen numbers as bit positions and the tickets as masks over them.
struct Maschere {
  std::vector<int> numeri;  // ascending; bit i is numeri[i]
  std::vector<std::uint64_t> colonne;
  int lunghezzaMassima = 0;  // numbers of the chosen ones on the longest ticket
  std::string errore;
};

Maschere maschere(std::span<const int> scelti, const Sistema& colonne) {
  Maschere m;
  m.errore = ControllaNumeri(scelti);
  if (!m.errore.empty()) return m;
  if (scelti.size() > static_cast<std::size_t>(kMassimoNumeriVerifica)) {
    m.errore = "la verifica esaustiva tratta al massimo " + std::to_string(kMassimoNumeriVerifica) + " numeri";
    return m;
  }
  m.numeri.assign(scelti.begin(), scelti.end());
  std::sort(m.numeri.begin(), m.numeri.end());
  std::array<int, 91> bit{};
  bit.fill(-1);
  for (std::size_t i = 0; i < m.numeri.size(); ++i) bit[static_cast<std::size_t>(m.numeri[i])] = static_cast<int>(i);
  for (const Colonna& c : colonne) {
    std::uint64_t maschera = 0;
    for (const int n : c)
      if (n >= 1 && n <= 90 && bit[static_cast<std::size_t>(n)] >= 0)
        maschera |= std::uint64_t{1} << bit[static_cast<std::size_t>(n)];
    m.colonne.push_back(maschera);
    m.lunghezzaMassima = std::max(m.lunghezzaMassima, std::popcount(maschera));
  }
  return m;
}

// Walks the m-subsets of n bit positions in lexicographic order of their
// positions; `caso` gets each mask and returns false to end the walk.
template <typename Fn>
std::uint64_t perOgniCaso(int n, int m, const RichiestaStop& fermare, bool& fermata, Fn&& caso) {
  std::vector<int> indici(static_cast<std::size_t>(m));
  for (int i = 0; i < m; ++i) indici[static_cast<std::size_t>(i)] = i;
  std::uint64_t visti = 0;
  do {
    std::uint64_t s = 0;
    for (const int i : indici) s |= std::uint64_t{1} << i;
    ++visti;
    if (!caso(s)) break;
    if (visti % kPassiTraRichieste == 0 && fermare && fermare()) {
      fermata = true;
      break;
    }
  } while (ProssimaCombinazione(indici, n));
  return visti;
}

std::vector<int> numeriDi(std::uint64_t s, const std::vector<int>& numeri) {
  std::vector<int> v;
  for (; s; s &= s - 1) v.push_back(numeri[static_cast<std::size_t>(std::countr_zero(s))]);
  return v;
}

// The most numbers of `s` some ticket holds, stopping as soon as one holds `basta`.
// `ultima` is the ticket that answered last: the next case, its neighbour in
// lexicographic order, is usually answered by it or by one just after it (in
// an integral system, by the very next ticket), so the tickets are looked at
// from there on, round to the first: one full pass per case would make the
// proof of a system of 100,000 tickets take minutes.
int migliore(std::uint64_t s, const std::vector<std::uint64_t>& colonne, int basta, std::size_t& ultima) {
  const std::size_t conta = colonne.size();
  if (ultima >= conta) ultima = 0;
  int meglio = 0;
  for (std::size_t passo = 0; passo < conta; ++passo) {
    const std::size_t i = ultima + passo < conta ? ultima + passo : ultima + passo - conta;
    const int quanti = std::popcount(s & colonne[i]);
    if (quanti > meglio) {
      meglio = quanti;
      if (meglio >= basta) {
        ultima = i;
        return meglio;
      }
    }
  }
  return meglio;
}

}  // namespace

EsitoVerificaGaranzia VerificaGaranzia(std::span<const int> numeri, const Sistema& colonne, int sorte, int se,
                                       const RichiestaStop& fermare) {
  EsitoVerificaGaranzia e;
  const Maschere m = maschere(numeri, colonne);
  e.Errore = m.errore;
  const int n = static_cast<int>(m.numeri.size());
  if (e.Errore.empty() && (se < 1 || se > std::min(5, n) || sorte < 1 || sorte > se))
    e.Errore = "garanzia impossibile: sorte " + std::to_string(sorte) + " se escono " + std::to_string(se) + " di " +
               std::to_string(n) + " numeri";
  if (!e.Errore.empty()) return e;
  e.Combinazioni = Binomiale(n, se);
  std::size_t ultima = 0;
  bool scoperta = false;
  perOgniCaso(n, se, fermare, e.Fermata, [&](std::uint64_t s) {
    if (migliore(s, m.colonne, sorte, ultima) >= sorte) return true;
    e.Controesempio = numeriDi(s, m.numeri);
    scoperta = true;
    return false;
  });
  e.Verificata = !scoperta && !e.Fermata;
  return e;
}

EsitoGaranzie GaranzieSistema(std::span<const int> numeri, const Sistema& colonne, const RichiestaStop& fermare) {
  EsitoGaranzie e;
  const std::vector<int> tutti =
      numeri.empty() ? NumeriSistema(colonne) : std::vector<int>(numeri.begin(), numeri.end());
  const Maschere m = maschere(tutti, colonne);
  e.Errore = m.errore;
  if (e.Errore.empty() && m.numeri.empty()) e.Errore = "nessun numero nel sistema";
  if (!e.Errore.empty()) return e;
  e.Numeri = m.numeri;
  const int n = static_cast<int>(m.numeri.size());
  for (int se = 1; se <= std::min(5, n) && !e.Fermata; ++se) {
    GaranziaSe g;
    g.Se = se;
    g.Combinazioni = Binomiale(n, se);
    // The guarantee so far: lowered by every case that does worse.
    int soglia = std::min(se, m.lunghezzaMassima);
    std::uint64_t peggiore = 0;
    bool trovato = false;
    std::size_t ultima = 0;
    perOgniCaso(n, se, fermare, e.Fermata, [&](std::uint64_t s) {
      const int quanti = migliore(s, m.colonne, soglia, ultima);
      if (quanti < soglia) {
        soglia = quanti;
        peggiore = s;
        trovato = true;
      }
      return soglia > 0;
    });
    if (e.Fermata) break;
    g.Sorte = soglia;
    if (trovato) g.Controesempio = numeriDi(peggiore, m.numeri);
    e.Garanzie.push_back(std::move(g));
  }
  return e;
}

std::string TestoGaranzia(int sorte, int se) {
  const std::string caso = se == 1 ? "se esce 1 numero" : "se escono " + std::to_string(se) + " numeri";
  if (sorte < 1) return "nessuna garanzia " + caso;
  return SorteInTesto(sorte) + " " + caso;
}

}  // namespace ruotario
