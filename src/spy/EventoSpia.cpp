#include "spy/EventoSpia.h"

#include <cstdlib>

#include "app/NumeriLotto.h"
#include "spy/EsitoRicerca.h"
#include "spy/ProvaSpia.h"

namespace ruotario {

int ValoreCoppia(TipoSpia tipo, int vi, int vj) {
  switch (tipo) {
    case TipoSpia::Somma: return Fuori90(vi + vj);
    case TipoSpia::Differenza: return std::abs(vi - vj);
    case TipoSpia::Distanza: return vj - vi < 0 ? vj - vi + 90 : vj - vi;
    case TipoSpia::Ciclometrica: {
      const int d = std::abs(vi - vj);
      return d > 45 ? 90 - d : d;
    }
    default: return 0;
  }
}

ProvaSpia::ProvaSpia(const ParametriRicerca& parametri)
    : tipo_(parametri.Tipo), ruota_(parametri.Ruota), spia_(parametri.NumeroSpia()) {
  const bool perCoppie = tipo_ == TipoSpia::Somma || tipo_ == TipoSpia::Differenza || tipo_ == TipoSpia::Distanza ||
                         tipo_ == TipoSpia::Ciclometrica;
  if (perCoppie) {
    const CoppiaPosizioni& c = parametri.Coppia;
    if (c.Tutte()) {
      for (int a = 1; a <= 4; ++a)
        for (int b = a + 1; b <= 5; ++b) coppie_[numeroCoppie_++] = {a, b};
    } else if (c.A >= 1 && c.A < c.B && c.B <= 5) {
      coppie_[numeroCoppie_++] = c;
    }
  } else if (tipo_ == TipoSpia::Numero || tipo_ == TipoSpia::Ambo || tipo_ == TipoSpia::Terno) {
    // A spy outside 1..90 is left out: its two-digit text would match a
    // wrong or blank place ("00", or "05" for 95).
    const int quanti = ValoriSpia(tipo_);
    for (int i = 0; i < quanti; ++i) {
      int n = parametri.NumeriSpia[static_cast<std::size_t>(i)];
      if (n < 1 || n > 90) continue;
      testi_[static_cast<std::size_t>(numeroTesti_++)] = n;
    }
    richiesti_ = quanti;
    combina_ = parametri.Combina;
  }
  if (tipo_ == TipoSpia::Numero || tipo_ == TipoSpia::Cadenza || tipo_ == TipoSpia::Decina ||
      tipo_ == TipoSpia::Figura) {
    if (parametri.Posizione >= 1 && parametri.Posizione <= 5) primo_ = ultimo_ = parametri.Posizione;
  }
}

bool ProvaSpia::operator()(const NumeriRuota& numeri) const {
  // Places outside 1..90 read as 0 and take part in no test; 1-based views.
  const auto& V = numeri.Valore;
  const auto& T = numeri.DueCifre;
  const std::array<int, 6> v = {0, V[0], V[1], V[2], V[3], V[4]};
  const std::array<bool, 6> testo = {false, T[0], T[1], T[2], T[3], T[4]};
  switch (tipo_) {
    case TipoSpia::Numero:
      if (numeroTesti_ == 0) return false;
      for (int k = primo_; k <= ultimo_; ++k)
        if (testo[k] && v[k] == testi_[0]) return true;
      return false;
    case TipoSpia::Ambo:
    case TipoSpia::Terno: {
      int c = 0;
      for (int k = 1; k <= 5; ++k) {
        if (!testo[k]) continue;
        for (int i = 0; i < numeroTesti_; ++i) {
          if (v[k] == testi_[static_cast<std::size_t>(i)]) {
            ++c;
            break;
          }
        }
      }
      switch (combina_) {
        case Combinazione::And: return c == richiesti_;
        case Combinazione::Or: return c >= 1;
        case Combinazione::Xor: return c == 1;
      }
      return false;
    }
    case TipoSpia::Cadenza:
    case TipoSpia::Decina:
    case TipoSpia::Figura:
      for (int k = primo_; k <= ultimo_; ++k) {
        if (v[k] == 0) continue;
        const int tipoV = tipo_ == TipoSpia::Cadenza  ? Cadenza(v[k])
                          : tipo_ == TipoSpia::Decina ? Decina(v[k])
                                                      : Figura(v[k]);
        if (tipoV == spia_) return true;
      }
      return false;
    default: {
      // The kind is fixed for the whole study: pick the relation once per draw.
      auto cerca = [&](auto valoreCoppia) {
        for (int i = 0; i < numeroCoppie_; ++i) {
          const int vi = v[static_cast<std::size_t>(coppie_[static_cast<std::size_t>(i)].A)];
          const int vj = v[static_cast<std::size_t>(coppie_[static_cast<std::size_t>(i)].B)];
          if (vi != 0 && vj != 0 && valoreCoppia(vi, vj) == spia_) return true;
        }
        return false;
      };
      switch (tipo_) {
        case TipoSpia::Somma: return cerca([](int a, int b) { return a + b > 90 ? a + b - 90 : a + b; });
        case TipoSpia::Differenza: return cerca([](int a, int b) { return a > b ? a - b : b - a; });
        case TipoSpia::Distanza: return cerca([](int a, int b) { return b < a ? b - a + 90 : b - a; });
        case TipoSpia::Ciclometrica:
          return cerca([](int a, int b) {
            const int d = a > b ? a - b : b - a;
            return d > 45 ? 90 - d : d;
          });
        default: return false;
      }
    }
  }
}

bool EventoSpia(const ParametriRicerca& parametri, const Estrazione& estrazione) {
  return ProvaSpia(parametri)(LeggiNumeri(estrazione, parametri.Ruota));
}

}  // namespace ruotario
