#include "archive/FiltroEstrazione.h"

#include <algorithm>

#include "app/NumeriLotto.h"
#include "archive/ControlloData.h"

namespace ruotario {

namespace {

constexpr bool cifra(char c) { return c >= '0' && c <= '9'; }

constexpr char maiuscola(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// A token longer than any date form is kept only as "too long": the scan
// stays linear and uses constant memory whatever the text holds.
constexpr std::size_t kTokenMassimo = 10;

// Reads 1..n digits; false on anything else.
bool numero(std::string_view s, std::size_t minimo, std::size_t massimo, int& valore) {
  if (s.size() < minimo || s.size() > massimo) return false;
  valore = 0;
  for (char c : s) {
    if (!cifra(c)) return false;
    valore = valore * 10 + (c - '0');
  }
  return true;
}

}  // namespace

std::optional<DataEstrazione> LeggiDataToken(std::string_view token) {
  if (token.size() < 8 || token.size() > kTokenMassimo) return std::nullopt;
  const std::size_t primo = token.find_first_of("/-");
  if (primo == std::string_view::npos) return std::nullopt;
  const char separatore = token[primo];
  const std::size_t secondo = token.find(separatore, primo + 1);
  if (secondo == std::string_view::npos) return std::nullopt;
  DataEstrazione d;
  if (!numero(token.substr(0, primo), 1, 2, d.giorno) ||
      !numero(token.substr(primo + 1, secondo - primo - 1), 1, 2, d.mese))
    return std::nullopt;
  const std::string_view anno = token.substr(secondo + 1);
  if (anno.size() != 2 && anno.size() != 4) return std::nullopt;
  if (!numero(anno, 2, 4, d.anno)) return std::nullopt;
  if (anno.size() == 2) d.anno += d.anno >= 39 ? 1900 : 2000;
  if (!DataValida(d)) return std::nullopt;
  return d;
}

std::optional<DataEstrazione> CercaData(std::string_view testo, const IntervalloDate& ammesse) {
  char token[kTokenMassimo + 1];
  std::size_t lunghezza = 0;  // kTokenMassimo + 1 once too long
  char precedente = '\0';
  for (const char c : testo) {
    // A no-break space (UTF-8 C2 A0), as web pages use between a date and a number, separates as a blank does.
    const bool separatore = c == ' ' || c == '\r' || c == '\n' || c == '\t' ||
                            (static_cast<unsigned char>(c) == 0xA0 && static_cast<unsigned char>(precedente) == 0xC2);
    precedente = c;
    if (separatore) {
      if (lunghezza <= kTokenMassimo) {
        if (const auto d = LeggiDataToken(std::string_view(token, lunghezza));
            d && ConfrontaDate(*d, ammesse.Minima) >= 0 && ConfrontaDate(*d, ammesse.Massima) <= 0)
          return d;
      }
      lunghezza = 0;
    } else if (cifra(c) || c == '-' || c == '\\' || c == '/' || c == '_') {
      if (lunghezza < kTokenMassimo)
        token[lunghezza++] = c;
      else
        lunghezza = kTokenMassimo + 1;
    }
  }
  return std::nullopt;
}

NumeriFiltrati CercaNumeri(std::string_view testo) {
  NumeriFiltrati numeri;
  std::string maiuscolo(testo.size(), '\0');
  std::transform(testo.begin(), testo.end(), maiuscolo.begin(), maiuscola);
  for (std::size_t r = 0; r < kNomiRuoteFiltro.size(); ++r) {
    std::string nome(kNomiRuoteFiltro[r]);
    std::transform(nome.begin(), nome.end(), nome.begin(), maiuscola);
    const std::size_t inizio = maiuscolo.find(nome);
    if (inizio == std::string::npos) continue;
    int conta = 0;
    int cifre = 0;  // digits in the token, counted past 2 only as "too long"
    int valore = 0;
    for (std::size_t i = inizio; i < testo.size() && conta < 5; ++i) {
      const char c = testo[i];
      if (cifra(c)) {
        if (cifre < 3) {
          ++cifre;
          valore = valore * 10 + (c - '0');
        }
        continue;
      }
      if (cifre >= 1 && cifre <= 2 && valore >= 1 && valore <= 90)
        numeri[r][static_cast<std::size_t>(conta++)] = DueCifre(valore);
      cifre = 0;
      valore = 0;
    }
  }
  return numeri;
}

int EsitoFiltro::Trovati(int r) const {
  const auto& ruota = Numeri[static_cast<std::size_t>(r)];
  return static_cast<int>(std::count_if(ruota.begin(), ruota.end(), [](const std::string& s) { return !s.empty(); }));
}

bool EsitoFiltro::Completo() const {
  if (!Data) return false;
  for (int r = 1; r < kRuoteFiltrate; ++r)
    if (Trovati(r) < 5) return false;
  return true;
}

CelleRuote EsitoFiltro::Celle() const {
  CelleRuote celle;
  for (std::size_t r = 0; r < celle.size(); ++r) celle[r] = Numeri[r + 1];
  return celle;
}

namespace {

// "Bari", "Bari e Roma", "Bari, Cagliari e Roma".
std::string elencoRuote(const std::vector<std::string_view>& ruote) {
  std::string elenco;
  for (std::size_t i = 0; i < ruote.size(); ++i)
    (elenco += i == 0 ? "" : i + 1 < ruote.size() ? ", " : " e ") += ruote[i];
  return elenco;
}

}  // namespace

std::vector<std::string> AnomalieEstrazione(const NumeriFiltrati& numeri) {
  // Each wheel's numbers, sorted: a 0 first when one is missing.
  std::array<std::array<int, 5>, kRuoteFiltrate> ordinati{};
  std::array<std::vector<std::string_view>, 91> ripetuto;  // by number, the wheels that have it twice
  for (std::size_t r = 0; r < numeri.size(); ++r) {
    auto& v = ordinati[r];
    std::transform(numeri[r].begin(), numeri[r].end(), v.begin(), [](const std::string& t) {
      const int n = ValoreTesto(t);
      return n >= 1 && n <= 90 ? n : 0;
    });
    std::sort(v.begin(), v.end());
    for (std::size_t k = 1; k < v.size(); ++k)
      if (v[k] != 0 && v[k] == v[k - 1] && (k < 2 || v[k - 2] != v[k]))
        ripetuto[static_cast<std::size_t>(v[k])].push_back(kNomiRuoteFiltro[r]);
  }
  std::vector<std::string> anomalie;
  for (int n = 1; n <= 90; ++n)
    if (const auto& ruote = ripetuto[static_cast<std::size_t>(n)]; !ruote.empty())
      anomalie.push_back("il numero " + DueCifre(n) + " compare più volte " +
                         (ruote.size() > 1 ? "sulle ruote di " : "sulla ruota di ") + elencoRuote(ruote));
  std::array<bool, kRuoteFiltrate> detta{};
  for (std::size_t r = 0; r < ordinati.size(); ++r) {
    if (detta[r] || ordinati[r][0] == 0) continue;
    std::vector<std::string_view> uguali{kNomiRuoteFiltro[r]};
    for (std::size_t s = r + 1; s < ordinati.size(); ++s)
      if (ordinati[s] == ordinati[r]) {
        detta[s] = true;
        uguali.push_back(kNomiRuoteFiltro[s]);
      }
    if (uguali.size() > 1) anomalie.push_back("le ruote di " + elencoRuote(uguali) + " hanno gli stessi cinque numeri");
  }
  return anomalie;
}

std::string IstruzioniFiltro() {
  std::string t =
      "ISTRUZIONI: \r\n"
      "PASSO 1: Incolla qui l'estrazione\r\n"
      "copiata da internet o da file\r\n"
      "PASSO 2: Clicca su FILTRA ESTR.\r\n"
      "PASSO 3: Controlla e Salva l'estraz.\r\n"
      "\r\n"
      "ESEMPIO:\r\n"
      "FORMATO ESTRAZIONE DA INCOLLARE:\r\n"
      "\r\n"
      "estrazione 01/01/2000\r\n";
  for (const std::string_view nome : kNomiRuoteFiltro) (t += nome) += " 1 2 3 4 5\r\n";
  return t;
}

EsitoFiltro FiltraEstrazione(std::string_view testo, const IntervalloDate& ammesse) {
  EsitoFiltro esito;
  if (testo.empty()) return esito;
  std::string conBlank;
  conBlank.reserve(testo.size() + 1);
  conBlank.append(testo).push_back(' ');  // so that a date or a number at the very end is ended too

  esito.Data = CercaData(conBlank, ammesse);
  esito.Numeri = CercaNumeri(conBlank);

  std::string& t = esito.Testo;
  if (esito.Data) {
    esito.DataTrovata = TestoData(*esito.Data);
    t = "Data: " + esito.DataTrovata;
  } else {
    t = std::move(conBlank);
  }
  t += "\r\n";
  for (std::size_t r = 0; r < kNomiRuoteFiltro.size(); ++r) {
    t += kNomiRuoteFiltro[r];
    t += "  ";
    for (const auto& n : esito.Numeri[r]) (t += n) += ' ';
    // Each wheel line loses its trailing blanks (all of them when nothing was found).
    while (!t.empty() && t.back() == ' ') t.pop_back();
    t += "\r\n";
  }
  // The text as a whole loses its leading blanks too.
  t.erase(0, std::min(t.find_first_not_of(' '), t.size()));
  return esito;
}

}  // namespace ruotario
