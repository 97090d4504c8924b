#include "spy/ParametriRicerca.h"

namespace ruotario {

CoppiaPosizioni CoppiaDaElenco(int posizioneLista) {
  int voce = 0;
  for (int a = 1; a <= 4; ++a)
    for (int b = a + 1; b <= 5; ++b)
      if (++voce == posizioneLista) return {a, b};
  return {};
}

std::string TestoCoppia(const CoppiaPosizioni& coppia) {
  if (coppia.Tutte()) return "TUTTE";
  return std::to_string(coppia.A) + " - " + std::to_string(coppia.B);
}

int InizioPredefinito(int contaRecord) { return contaRecord >= kInizioPredefinito ? kInizioPredefinito : 1; }

int SpiaMinima(TipoSpia tipo) {
  switch (tipo) {
    case TipoSpia::Cadenza:
    case TipoSpia::Decina: return 0;
    default: return 1;
  }
}

int SpiaMassima(TipoSpia tipo) {
  switch (tipo) {
    case TipoSpia::Cadenza: return 9;
    case TipoSpia::Decina: return 8;
    case TipoSpia::Figura: return 9;
    case TipoSpia::Differenza:
    case TipoSpia::Distanza: return 89;
    case TipoSpia::Ciclometrica: return 45;
    default: return 90;
  }
}

int ValoriSpia(TipoSpia tipo) {
  switch (tipo) {
    case TipoSpia::Ambo: return 2;
    case TipoSpia::Terno: return 3;
    default: return 1;
  }
}

}  // namespace ruotario
