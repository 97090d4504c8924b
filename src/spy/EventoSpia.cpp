#include "spy/EventoSpia.h"

#include <cstdlib>

#include "app/NumeriLotto.h"
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
      testi_[numeroTesti_++] = DueCifre(n);
    }
    richiesti_ = quanti;
    combina_ = parametri.Combina;
  }
  if (tipo_ == TipoSpia::Numero || tipo_ == TipoSpia::Cadenza || tipo_ == TipoSpia::Decina ||
      tipo_ == TipoSpia::Figura) {
    if (parametri.Posizione >= 1 && parametri.Posizione <= 5) primo_ = ultimo_ = parametri.Posizione;
  }
}

bool ProvaSpia::operator()(const Estrazione& e) const {
  auto valore = [&](int k) {
    const int v = e.Valore(ruota_, k);
    return (v >= 1 && v <= 90) ? v : 0;
  };
  switch (tipo_) {
    case TipoSpia::Numero:
      if (numeroTesti_ == 0) return false;
      for (int k = primo_; k <= ultimo_; ++k)
        if (valore(k) != 0 && e.TestoNumero(ruota_, k) == testi_[0]) return true;
      return false;
    case TipoSpia::Ambo:
    case TipoSpia::Terno: {
      int c = 0;
      for (int k = 1; k <= 5; ++k) {
        if (valore(k) == 0) continue;
        const std::string_view testo = e.TestoNumero(ruota_, k);
        for (int i = 0; i < numeroTesti_; ++i) {
          if (testo == testi_[i]) {
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
        const int v = valore(k);
        if (v == 0) continue;
        const int tipoV = tipo_ == TipoSpia::Cadenza ? Cadenza(v) : tipo_ == TipoSpia::Decina ? Decina(v) : Figura(v);
        if (tipoV == spia_) return true;
      }
      return false;
    default: {
      int valori[6] = {0, valore(1), valore(2), valore(3), valore(4), valore(5)};
      for (int i = 0; i < numeroCoppie_; ++i) {
        const int vi = valori[coppie_[i].A];
        const int vj = valori[coppie_[i].B];
        if (vi != 0 && vj != 0 && ValoreCoppia(tipo_, vi, vj) == spia_) return true;
      }
      return false;
    }
  }
}

bool EventoSpia(const ParametriRicerca& parametri, const Estrazione& estrazione) {
  return ProvaSpia(parametri)(estrazione);
}

}  // namespace ruotario
