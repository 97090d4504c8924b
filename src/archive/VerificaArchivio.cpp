#include "archive/VerificaArchivio.h"

#include <array>

#include "app/NumeriLotto.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/Estrazione.h"

namespace ruotario {

namespace {

bool cifre(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return !s.empty();
}

// Days since a fixed origin, or -1 when the text is not a valid dd/mm/yyyy date.
long giornoDi(std::string_view d) {
  if (d.size() != 10 || d[2] != '/' || d[5] != '/' || !cifre(d.substr(0, 2)) || !cifre(d.substr(3, 2)) ||
      !cifre(d.substr(6, 4)))
    return -1;
  const int g = (d[0] - '0') * 10 + (d[1] - '0');
  const int m = (d[3] - '0') * 10 + (d[4] - '0');
  const int a = std::stoi(std::string(d.substr(6, 4)));
  static constexpr std::array<int, 12> giorni = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m < 1 || m > 12 || g < 1 || a < 1) return -1;
  const bool bisestile = (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
  const int massimo = giorni[static_cast<std::size_t>(m - 1)] + (m == 2 && bisestile ? 1 : 0);
  if (g > massimo) return -1;
  return static_cast<long>(a) * 372 + (m - 1) * 31 + (g - 1);  // order-preserving
}

}  // namespace

EsitoValidita ControllaValidita(std::string_view testo) {
  EsitoValidita esito;
  esito.Esiste = true;
  bool corta = false;
  std::string_view ultima;
  PerOgniRiga(testo, [&](std::string_view riga) {
    ++esito.Righe;
    if (riga.size() < kLunghezzaRecord - 1) corta = true;
    ultima = riga;
  });
  esito.DataUltima = std::string(ultima.substr(0, 10));
  esito.Valido = esito.Righe > 0 && !corta;
  return esito;
}

EsitoValidita ControllaValiditaFile(const std::string& percorso) {
  std::string testo;
  if (!LeggiFile(percorso, testo)) return {};
  return ControllaValidita(testo);
}

std::vector<ProblemaArchivio> ElencaProblemi(std::string_view testo) {
  std::vector<ProblemaArchivio> problemi;
  int numero = 0;
  long precedente = -1;
  PerOgniRiga(testo, [&](std::string_view riga) {
    ++numero;
    auto segnala = [&](TipoProblema tipo, std::string descrizione) {
      problemi.push_back({numero, tipo, std::move(descrizione)});
    };
    if (riga.size() != kLunghezzaRecord)
      segnala(TipoProblema::Lunghezza,
              "lunghezza " + std::to_string(riga.size()) + " invece di " + std::to_string(kLunghezzaRecord));
    const Estrazione e{numero, TestoRecord::Vista(riga)};
    const long giorno = giornoDi(e.Data());
    if (giorno < 0) {
      segnala(TipoProblema::DataNonValida, "data non valida \"" + std::string(e.Data()) + "\"");
    } else {
      if (precedente >= 0 && giorno < precedente)
        segnala(TipoProblema::DataIndietro, "data " + std::string(e.Data()) + " precedente alla riga prima");
      precedente = giorno;
    }
    for (int r = 1; r <= kNumeroRuote; ++r) {
      std::array<bool, 91> visto{};
      for (int k = 1; k <= kNumeriPerRuota; ++k) {
        const std::string_view t = e.TestoNumero(r, k);
        if (t.size() < 2 && riga.size() < kLunghezzaRecord) continue;  // already reported as a short line
        const std::string dove =
            std::string(kNomiRuote[static_cast<std::size_t>(r - 1)]) + " " + std::to_string(k) + "° est.";
        if (t.size() != 2 || !cifre(t) || e.Valore(r, k) > 90) {
          segnala(TipoProblema::NumeroFuoriIntervallo, dove + ": \"" + std::string(t) + "\" fuori da 00..90");
          continue;
        }
        const int v = e.Valore(r, k);
        if (v == 0) continue;
        if (visto[static_cast<std::size_t>(v)])
          segnala(TipoProblema::NumeroRipetuto, dove + ": " + std::string(t) + " ripetuto sulla ruota");
        visto[static_cast<std::size_t>(v)] = true;
      }
    }
  });
  return problemi;
}

}  // namespace ruotario
