// The pasted-draw filter over any text: every number found is "01".."90" or
// empty, a date found is a real date within the accepted span, and the wheels
// fill in place order without gaps.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Verifica.h"
#include "archive/FiltroEstrazione.h"

using namespace ruotario;

namespace {

bool numeroValido(const std::string& t) {
  if (t.empty()) return true;
  if (t.size() != 2 || t[0] < '0' || t[0] > '9' || t[1] < '0' || t[1] > '9') return false;
  const int v = (t[0] - '0') * 10 + (t[1] - '0');
  return v >= 1 && v <= 90;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  const std::string_view testo(reinterpret_cast<const char*>(dati), n);
  if (const auto d = CercaData(testo)) {
    VERIFICA(DataValida(*d));
    VERIFICA(ConfrontaDate(*d, kIntervalloDataEstrazione.Minima) >= 0);
    VERIFICA(ConfrontaDate(*d, kIntervalloDataEstrazione.Massima) <= 0);
  }
  const NumeriFiltrati numeri = CercaNumeri(testo);
  for (const auto& ruota : numeri) {
    bool vuoto = false;
    for (const std::string& t : ruota) {
      VERIFICA(numeroValido(t));
      VERIFICA(!vuoto || t.empty());
      vuoto = vuoto || t.empty();
    }
  }
  const EsitoFiltro esito = FiltraEstrazione(testo);
  VERIFICA(esito.DataTrovata.empty() == !esito.Data.has_value());
  VERIFICA(esito.DataTrovata.empty() || esito.DataTrovata.size() == 10u);
  for (const auto& ruota : esito.Numeri)
    for (const std::string& t : ruota) VERIFICA(numeroValido(t));
  for (const std::string& a : AnomalieEstrazione(esito.Numeri)) VERIFICA(a.find("ruot") != std::string::npos);
  for (int r = 0; r < kRuoteFiltrate; ++r) VERIFICA(esito.Trovati(r) >= 0 && esito.Trovati(r) <= 5);
  VERIFICA(!esito.Completo() || esito.Data.has_value());
  return 0;
}
