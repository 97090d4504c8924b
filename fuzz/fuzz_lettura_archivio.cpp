// The archive reader and the validity checks over any bytes: one record per
// line by the reader rules, every field read inside its line, every fault on
// a line that exists, and a fixed layout only where records stand at their offsets.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Verifica.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/VerificaArchivio.h"

using namespace ruotario;

namespace {

// Lines counted the plain way: CR LF, a lone CR or a lone LF ends a line; a
// break at the very end makes no further line.
int contaRighe(std::string_view t) {
  int righe = 0;
  std::size_t i = 0;
  while (i < t.size()) {
    ++righe;
    while (i < t.size() && t[i] != '\r' && t[i] != '\n') ++i;
    if (i == t.size()) break;
    i += (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ? 2 : 1;
  }
  return righe;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  const std::string_view testo(reinterpret_cast<const char*>(dati), n);
  const ArchivioEstrazioni archivio = ArchivioEstrazioni::DaTesto(testo);
  VERIFICA(archivio.Conta() == contaRighe(testo));
  std::size_t byte = 0;
  for (int i = 1; i <= archivio.Conta(); ++i) {
    const Estrazione& e = archivio[i];
    VERIFICA(e.Numero == i);
    VERIFICA(e.Riga.vista().find_first_of("\r\n") == std::string_view::npos);
    byte += e.Riga.size();
    VERIFICA(e.Data().size() <= 10);
    for (int r = 1; r <= kNumeroRuote; ++r)
      for (int k = 1; k <= kNumeriPerRuota; ++k) {
        const int v = e.Valore(r, k);
        VERIFICA(v >= 0 && v <= 99);
      }
  }
  VERIFICA(byte <= n);
  // The viewer reads a fixed-layout file record by record at its offset: there
  // each record must be exactly what the reader found.
  if (archivio.FormaFissa())
    for (int i = 1; i <= archivio.Conta(); ++i)
      VERIFICA(archivio.Testo().substr(static_cast<std::size_t>(i - 1) * kLunghezzaRiga, kLunghezzaRecord) ==
               archivio[i].Riga.vista());

  const EsitoValidita validita = ControllaValidita(testo);
  VERIFICA(validita.Righe == archivio.Conta());
  VERIFICA(!validita.Valido || archivio.Conta() > 0);
  const ElencoProblemi problemi = ElencaProblemi(testo, 50);
  VERIFICA(problemi.Primi.size() <= 50);
  VERIFICA(problemi.Totale >= static_cast<long long>(problemi.Primi.size()));
  for (const ProblemaArchivio& p : problemi.Primi) {
    VERIFICA(p.Riga >= 1 && p.Riga <= archivio.Conta());
    VERIFICA(!p.Descrizione.empty());
    for (const char c : p.Descrizione) VERIFICA(c != '\r' && c != '\n' && c != '\0');
  }
  return 0;
}
