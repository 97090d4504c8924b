#include "spy/IntestazioniStampa.h"

namespace ruotario {

IntestazioneStampa ComponiIntestazione(const TestiScelte& testi) {
  IntestazioneStampa righe;
  righe.Titolo = "  Numeri Successori " + testi.Titolo + " - Numeretto: " + testi.Numero.substr(0, 2) +
                 "  - Colpi: " + testi.Colpi + " - Ruota: " + testi.Ruota;
  righe.Sottotitolo = "  Posiz. Numeretto: " + testi.Posizione + " - Ricerca DA: " + testi.Inizio + " A: " + testi.Fine;
  return righe;
}

}  // namespace ruotario
