#pragma once
// The spy test prepared once per study: spy texts and pairs of places are
// worked out before the loop instead of at every draw.

#include <array>
#include <span>
#include <string>
#include <vector>

#include <functional>

#include "archive/ArchivioEstrazioni.h"
#include "archive/Estrazione.h"
#include "archive/MemoriaGrande.h"
#include "spy/ParametriRicerca.h"

namespace ruotario {

struct EsitoRicerca;

// The five places of one wheel of one draw, read once: the numeric value as
// Valore gives it, 0 when outside 1..90 (such a place takes part in nothing),
// and whether the place holds two digit characters (the stored form a spy
// text is compared with).
struct NumeriRuota {
  std::array<int, 5> Valore{};
  std::array<bool, 5> DueCifre{};
};

inline NumeriRuota LeggiNumeri(const Estrazione& e, int ruota) {
  NumeriRuota n;
  const std::string_view riga = e.Riga;
  const std::size_t base = 11 + 11 * static_cast<std::size_t>(ruota - 1);
  auto cifra = [](char c) { return c >= '0' && c <= '9'; };
  for (std::size_t k = 0; k < 5; ++k) {
    const std::size_t pos = base + 2 * k;
    const char c0 = pos < riga.size() ? riga[pos] : '\0';
    const char c1 = pos + 1 < riga.size() ? riga[pos + 1] : '\0';
    int v = 0;
    if (cifra(c0))
      v = cifra(c1) ? (c0 - '0') * 10 + (c1 - '0') : c0 - '0';
    else if (c0 == ' ' && cifra(c1))
      v = c1 - '0';
    if (v > 90) v = 0;
    n.Valore[k] = v;
    n.DueCifre[k] = v != 0 && cifra(c0) && cifra(c1);
  }
  return n;
}

// One wheel of every record, oldest first (element 0 is record 1).
VettoreGrande<NumeriRuota> LeggiRuota(const ArchivioEstrazioni& archivio, int ruota);

// The study over a wheel already read.
EsitoRicerca RicercaSuRuota(const ParametriRicerca& parametri, std::span<const NumeriRuota> ruota,
                            const std::function<void(int)>& avanzamento);

class ProvaSpia {
 public:
  explicit ProvaSpia(const ParametriRicerca& parametri);
  bool operator()(const NumeriRuota& numeri) const;

 private:
  TipoSpia tipo_;
  int ruota_;
  int spia_;
  int primo_ = 1;  // places examined by the single-place kinds
  int ultimo_ = 5;
  std::array<int, 3> testi_{};  // spy numbers compared with two-digit places
  int numeroTesti_ = 0;
  int richiesti_ = 1;
  Combinazione combina_ = Combinazione::And;
  std::array<CoppiaPosizioni, kNumeroCoppie> coppie_{};
  int numeroCoppie_ = 0;
};

}  // namespace ruotario
