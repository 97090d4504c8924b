#include "ritardi/SequenzaRitardi.h"

#include <algorithm>
#include <array>

namespace ruotario {

namespace {

// The numbers of one wheel's draw: `tutti` the distinct numbers 1..90 in
// ascending order (any of them makes the draw count), `contati` those the
// study looks at (all of them, or the one at the chosen place).
struct Blocco {
  std::array<int, kNumeriPerRuota> contati{};
  int quanti = 0;
  bool estratta = false;
};

Blocco blocco(const std::array<int, kNumeriPerRuota>& numeri, int posizione) {
  Blocco b;
  for (int k = 1; k <= kNumeriPerRuota; ++k) {
    const int n = numeri[static_cast<std::size_t>(k - 1)];
    if (n < 1 || n > 90) continue;
    b.estratta = true;
    if (posizione > 0 && k != posizione) continue;
    // Kept in ascending order, so pairs read (lower, higher); a number
    // repeated in a malformed block still came out once.
    int i = b.quanti;
    while (i > 0 && b.contati[static_cast<std::size_t>(i - 1)] > n) --i;
    if (i > 0 && b.contati[static_cast<std::size_t>(i - 1)] == n) continue;
    for (int j = b.quanti; j > i; --j)
      b.contati[static_cast<std::size_t>(j)] = b.contati[static_cast<std::size_t>(j - 1)];
    b.contati[static_cast<std::size_t>(i)] = n;
    ++b.quanti;
  }
  return b;
}

class Costruttore {
 public:
  Costruttore(const ParametriRitardi& p) : p_(p) {
    for (int n : p.Gruppo)
      if (n >= 1 && n <= 90) nelGruppo_[static_cast<std::size_t>(n)] = true;
  }

  // Adds one record's draw: the blocks of the wheels it looks at.
  void passo(int data, bool nelPeriodo, std::span<const Blocco> blocchi) {
    PassoRitardi passo{data, 0, nelPeriodo, static_cast<int>(s_.Elementi.size()), 0};
    for (const Blocco& b : blocchi) {
      if (!b.estratta) continue;
      ++passo.Peso;
      elementi(b);
    }
    if (passo.Peso == 0) return;  // the wheel was not drawn: not a draw of this study
    auto primo = s_.Elementi.begin() + passo.Primo;
    if (passo.Peso > 1) {  // the same item on two wheels of one draw came out once
      std::sort(primo, s_.Elementi.end());
      s_.Elementi.erase(std::unique(primo, s_.Elementi.end()), s_.Elementi.end());
    }
    passo.Oltre = static_cast<int>(s_.Elementi.size());
    s_.Passi.push_back(passo);
  }

  SequenzaRitardi fine() && { return std::move(s_); }

 private:
  void elementi(const Blocco& b) {
    const auto n = [&b](int i) { return b.contati[static_cast<std::size_t>(i)]; };
    switch (p_.Tipo) {
      case TipoRitardo::Numero:
        for (int i = 0; i < b.quanti; ++i) s_.Elementi.push_back(n(i) - 1);
        break;
      case TipoRitardo::Ambo:
        for (int i = 0; i < b.quanti; ++i)
          for (int j = i + 1; j < b.quanti; ++j) s_.Elementi.push_back(IndiceAmbo(n(i), n(j)));
        break;
      case TipoRitardo::Terno:
        for (int i = 0; i < b.quanti; ++i)
          for (int j = i + 1; j < b.quanti; ++j)
            for (int k = j + 1; k < b.quanti; ++k) s_.Elementi.push_back(IndiceTerno(n(i), n(j), n(k)));
        break;
      case TipoRitardo::Gruppo:
        for (int i = 0; i < b.quanti; ++i) {
          if (!nelGruppo_[static_cast<std::size_t>(n(i))]) continue;
          s_.Elementi.push_back(0);
          break;
        }
        break;
    }
  }

  const ParametriRitardi& p_;
  std::array<bool, 91> nelGruppo_{};
  SequenzaRitardi s_;
};

std::array<int, kNumeriPerRuota> numeriRuota(const Estrazione& e, int ruota) {
  std::array<int, kNumeriPerRuota> numeri{};
  for (int k = 1; k <= kNumeriPerRuota; ++k) numeri[static_cast<std::size_t>(k - 1)] = e.Valore(ruota, k);
  return numeri;
}

}  // namespace

ParametriRitardi Delimita(const ParametriRitardi& parametri, int conta) {
  ParametriRitardi p = parametri;
  p.Inizio = std::max(p.Inizio, 1);
  p.Fine = p.Fine <= 0 ? conta : std::min(p.Fine, conta);
  if (p.Tipo != TipoRitardo::Numero && p.Tipo != TipoRitardo::Gruppo) p.Posizione = 0;
  return p;
}

SequenzaRitardi CostruisciSequenza(const ParametriRitardi& p, int ruota, const ArchivioEstrazioni& archivio,
                                   std::span<const EstrazioneNazionale> nazionale) {
  Costruttore c(p);
  if (p.Inizio > p.Fine || p.Fine < 1 || p.Fine > archivio.Conta()) return std::move(c).fine();

  if (ruota == kRuotaNazionale) {
    // The span's records give the dates; the Nazionale draws between them count.
    const int dal = DataNumerica(archivio[p.Inizio].Data());
    const int al = DataNumerica(archivio[p.Fine].Data());
    for (const EstrazioneNazionale& e : nazionale) {
      const int data = DataNumerica(e.Data);
      if (data == 0) continue;
      if (data > al) break;
      const Blocco b = blocco(e.Numeri, p.Posizione);
      c.passo(data, data >= dal, std::span(&b, 1));
    }
    return std::move(c).fine();
  }

  std::array<Blocco, kNumeroRuote> blocchi;
  const int prima = ruota == kRuoteInsieme ? 1 : ruota;
  const int ultima = ruota == kRuoteInsieme ? kNumeroRuote : ruota;
  const auto quante = static_cast<std::size_t>(ultima - prima + 1);
  for (int i = 1; i <= p.Fine; ++i) {
    const Estrazione& e = archivio[i];
    for (int r = prima; r <= ultima; ++r)
      blocchi[static_cast<std::size_t>(r - prima)] = blocco(numeriRuota(e, r), p.Posizione);
    c.passo(DataNumerica(e.Data()), i >= p.Inizio, std::span(blocchi.data(), quante));
  }
  return std::move(c).fine();
}

}  // namespace ruotario
