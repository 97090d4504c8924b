#pragma once
// The two heading lines of a printed spy table, built from the texts that the
// choice lists show when the user prints (not from the study's own choices).

#include <string>
#include <string_view>

namespace ruotario {

struct TestiScelte {
  std::string Titolo;     // the window's caption
  std::string Numero;     // spy list text; only its first two characters are printed
  std::string Colpi;      // colpi list text
  std::string Ruota;      // wheel list text
  std::string Posizione;  // position list text
  std::string Inizio;     // start date list text
  std::string Fine;       // end date list text
};

struct IntestazioneStampa {
  std::string Titolo;
  std::string Sottotitolo;
};

IntestazioneStampa ComponiIntestazione(const TestiScelte& testi);

}  // namespace ruotario
