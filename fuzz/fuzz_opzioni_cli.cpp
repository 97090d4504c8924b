// The command-line option parser over any words: every number it hands out
// lies in the asked range, and a bad option or value is a usage error,
// never anything else.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Verifica.h"
#include "cli/Argomenti.h"

using namespace ruotario::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  // Words are separated by NUL, as the shell hands them over.
  std::vector<std::string> parole(1);
  for (std::size_t i = 0; i < n; ++i) {
    if (dati[i] == 0)
      parole.emplace_back();
    else
      parole.back() += static_cast<char>(dati[i]);
  }
  try {
    Argomenti a(parole);
    const int colpi = a.intero("--colpi", 9, 1, 20);
    VERIFICA(colpi >= 1 && colpi <= 20);
    if (const auto inizio = a.interoOpzionale("--inizio", 1, kMassimoRecord))
      VERIFICA(*inizio >= 1 && *inizio <= kMassimoRecord);
    if (const auto elenco = a.elencoInteri("--attive", 1, 3))
      for (int v : *elenco) VERIFICA(v >= 1 && v <= 3);
    const int ruota = a.ruota();
    VERIFICA(ruota >= 1 && ruota <= 10);
    a.formato();
    a.flag("--forza");
    a.valore("--tipo");
    a.posizionale();
    a.fine();
  } catch (const ErroreUso& e) {
    VERIFICA(e.what()[0] != '\0');
  }
  return 0;
}
