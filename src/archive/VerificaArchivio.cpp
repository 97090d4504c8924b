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

std::string TestoStampabile(std::string_view testo) {
  static constexpr char kCifre[] = "0123456789ABCDEF";
  std::string t;
  t.reserve(testo.size());
  for (const char c : testo) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F && c != '\\') {
      t += c;
    } else {
      ((t += "\\x") += kCifre[b >> 4]) += kCifre[b & 0xF];
    }
  }
  return t;
}

ElencoProblemi ElencaProblemi(std::string_view testo, std::size_t massimo) {
  ElencoProblemi elenco;
  int numero = 0;
  long precedente = -1;
  PerOgniRiga(testo, [&](std::string_view riga) {
    ++numero;
    // The description is made only for the problems listed.
    auto segnala = [&](TipoProblema tipo, const auto& descrizione) {
      ++elenco.Totale;
      ++elenco.PerTipo[static_cast<std::size_t>(tipo)];
      if (elenco.Primi.size() < massimo) elenco.Primi.push_back({numero, tipo, descrizione()});
    };
    if (riga.size() != kLunghezzaRecord)
      segnala(TipoProblema::Lunghezza, [&] {
        return "lunghezza " + std::to_string(riga.size()) + " invece di " + std::to_string(kLunghezzaRecord);
      });
    const Estrazione e{numero, TestoRecord::Vista(riga)};
    const long giorno = giornoDi(e.Data());
    const auto data = [&] { return TestoStampabile(e.Data()); };
    if (giorno < 0) {
      segnala(TipoProblema::DataNonValida, [&] { return "data non valida \"" + data() + "\""; });
    } else {
      if (precedente >= 0 && giorno < precedente)
        segnala(TipoProblema::DataIndietro, [&] { return "data " + data() + " precedente alla riga prima"; });
      if (giorno == precedente)
        segnala(TipoProblema::DataRipetuta, [&] { return "data " + data() + " uguale a quella della riga prima"; });
      precedente = giorno;
    }
    for (int r = 1; r <= kNumeroRuote; ++r) {
      std::array<bool, 91> visto{};
      for (int k = 1; k <= kNumeriPerRuota; ++k) {
        const std::string_view t = e.TestoNumero(r, k);
        if (t.size() < 2 && riga.size() < kLunghezzaRecord) continue;  // already reported as a short line
        const auto dove = [&] {
          return std::string(kNomiRuote[static_cast<std::size_t>(r - 1)]) + " " + std::to_string(k) + "° est.";
        };
        if (t.size() != 2 || !cifre(t) || e.Valore(r, k) > 90) {
          segnala(TipoProblema::NumeroFuoriIntervallo,
                  [&] { return dove() + ": \"" + TestoStampabile(t) + "\" fuori da 00..90"; });
          continue;
        }
        const int v = e.Valore(r, k);
        if (v == 0) continue;
        if (visto[static_cast<std::size_t>(v)])
          segnala(TipoProblema::NumeroRipetuto,
                  [&] { return dove() + ": " + std::string(t) + " ripetuto sulla ruota"; });
        visto[static_cast<std::size_t>(v)] = true;
      }
    }
  });
  return elenco;
}

}  // namespace ruotario
