#include "update/FontiPubblicate.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "app/NumeriLotto.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/ControlloData.h"
#include "archive/FiltroEstrazione.h"
#include "update/ZipPubblicato.h"

namespace ruotario {

namespace {

// Unpacked, a ZIP may hold at most this much: the official archive is a few MB.
constexpr std::size_t kLimiteZip = 256u << 20;

constexpr std::array<std::string_view, 11> kCodiciRuote = {"BA", "CA", "FI", "GE", "MI", "NA",
                                                           "PA", "RM", "TO", "VE", "RN"};

bool cifra(char c) { return c >= '0' && c <= '9'; }
bool blank(char c) { return c == ' ' || c == '\t'; }

std::string_view senzaBlank(std::string_view s) {
  while (!s.empty() && (blank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (blank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool ugualeSenzaCaso(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The wheel of a code ("BA", "RN") or a name ("Bari", "NAZIONALE"); -1 when none.
int ruotaDa(std::string_view t) {
  for (std::size_t i = 0; i < kCodiciRuote.size(); ++i)
    if (ugualeSenzaCaso(t, kCodiciRuote[i])) return static_cast<int>(i);
  for (std::size_t i = 0; i < kNomiRuote.size(); ++i)
    if (ugualeSenzaCaso(t, kNomiRuote[i])) return static_cast<int>(i);
  if (ugualeSenzaCaso(t, "Nazionale")) return kIndiceNazionale;
  return -1;
}

// Whole number of `min`..`max` digits only; -1 otherwise.
int numeroDa(std::string_view t, std::size_t min = 1, std::size_t max = 2) {
  if (t.size() < min || t.size() > max) return -1;
  int v = 0;
  for (char c : t) {
    if (!cifra(c)) return -1;
    v = v * 10 + (c - '0');
  }
  return v;
}

int chiave(int anno, int mese, int giorno) { return anno * 10000 + mese * 100 + giorno; }

// 0 when the fields are not digits; -1 when they are but the date does not
// exist or lies outside the dates of the draws.
int chiaveData(int anno, int mese, int giorno) {
  if (anno < 0 || mese < 0 || giorno < 0) return 0;
  const DataEstrazione d{giorno, mese, anno};
  if (!DataValida(d) || ConfrontaDate(d, kIntervalloDataEstrazione.Minima) < 0 ||
      ConfrontaDate(d, kIntervalloDataEstrazione.Massima) > 0)
    return -1;
  return chiave(anno, mese, giorno);
}

// "yyyy/mm/dd" (month and day of one or two digits).
int dataStorico(std::string_view t) {
  const auto a = t.find('/');
  const auto b = a == std::string_view::npos ? a : t.find('/', a + 1);
  if (b == std::string_view::npos) return 0;
  return chiaveData(numeroDa(t.substr(0, a), 4, 4), numeroDa(t.substr(a + 1, b - a - 1)), numeroDa(t.substr(b + 1)));
}

int dataCsv(std::string_view t) {
  if (t.size() != 8) return t.find('/') != std::string_view::npos ? dataStorico(t) : 0;
  return chiaveData(numeroDa(t.substr(0, 4), 4, 4), numeroDa(t.substr(4, 2), 2, 2), numeroDa(t.substr(6, 2), 2, 2));
}

int dataRuotario(std::string_view t) {
  if (t.size() < 10 || t[2] != '/' || t[5] != '/') return 0;
  return chiaveData(numeroDa(t.substr(6, 4), 4, 4), numeroDa(t.substr(3, 2), 2, 2), numeroDa(t.substr(0, 2), 2, 2));
}

// The line as it may be quoted: printable, at most 130 characters.
std::string citazione(std::string_view riga) {
  std::string t;
  for (char c : riga.substr(0, 130)) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\t') {
      t += "\\t";
    } else if (u < 32 || u == 127) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", u);
      t += buf;
    } else {
      t += c;
    }
  }
  if (riga.size() > 130) t += "…";
  return t;
}

template <std::size_t N>
std::size_t dividi(std::string_view riga, std::array<std::string_view, N>& campi, bool (*separa)(char)) {
  std::size_t n = 0;
  std::size_t i = 0;
  while (i < riga.size()) {
    while (i < riga.size() && separa(riga[i])) ++i;
    if (i >= riga.size()) break;
    std::size_t j = i;
    while (j < riga.size() && !separa(riga[j])) ++j;
    if (n == N) return N + 1;
    campi[n++] = riga.substr(i, j - i);
    i = j;
  }
  return n;
}

// Reads the lines of one source into the reading.
class Lettore {
 public:
  Lettore(LetturaFonti& l, std::uint32_t indice) : l_(l), indice_(indice), nome_(l.Fonti[indice].Nome) {}

  void leggi(std::string_view testo, FormatoFonte formato) {
    bool intestazione = formato == FormatoFonte::Csv;
    PerOgniRiga(testo, [&](std::string_view grezza) {
      ++numero_;
      std::string_view riga = grezza;
      if (numero_ == 1 && riga.substr(0, 3) == "\xEF\xBB\xBF") riga.remove_prefix(3);
      riga = senzaBlank(riga);
      if (riga.empty()) return;
      if (intestazione) {
        intestazione = false;
        return;
      }
      ++l_.Fonti[indice_].Righe;
      riga_ = riga;
      if (formato == FormatoFonte::Storico) storico();
      if (formato == FormatoFonte::Csv) csv();
      if (formato == FormatoFonte::Ruotario) ruotario();
    });
  }

 private:
  void storico() {
    std::array<std::string_view, 7> c;
    const std::size_t n = dividi(riga_, c, [](char x) { return blank(x); });
    const int data = n ? dataStorico(c[0]) : 0;
    if (n != 7) return scarta(TipoScarto::Formato, data, "non ha data, ruota e cinque numeri separati da TAB");
    ruota(data, c[1], {c[2], c[3], c[4], c[5], c[6]});
  }

  void csv() {
    std::array<std::string_view, 8> c;
    const std::size_t n = dividi(riga_, c, [](char x) { return x == ';'; });
    for (std::size_t i = 0; i < std::min<std::size_t>(n, c.size()); ++i) {
      c[i] = senzaBlank(c[i]);
      if (c[i].size() >= 2 && c[i].front() == '"' && c[i].back() == '"') c[i] = c[i].substr(1, c[i].size() - 2);
    }
    const int data = n ? dataCsv(c[0]) : 0;
    if (n != 7) return scarta(TipoScarto::Formato, data, "non ha data;ruota;numero1;...;numero5");
    ruota(data, c[1], {c[2], c[3], c[4], c[5], c[6]});
  }

  void ruotario() {
    const int data = dataRuotario(riga_);
    if (riga_.size() < kLunghezzaRecord - 1)
      return scarta(TipoScarto::Formato, data, "più corta di un record di 121 caratteri");
    if (!controllaData(data)) return;
    const Estrazione e{0, TestoRecord::Vista(riga_)};
    for (int r = 1; r <= kNumeroRuote; ++r) {
      std::array<int, 5> numeri{};
      bool estratta = false;
      for (int k = 1; k <= kNumeriPerRuota; ++k) {
        const int v = numeroDa(e.TestoNumero(r, k), 2, 2);
        if (v < 0) return scarta(TipoScarto::Formato, data, "cifre non valide sulla ruota di " + nome(r - 1));
        numeri[static_cast<std::size_t>(k - 1)] = v;
        estratta |= v != 0;
      }
      // A stored "00" is a number left empty when the draw was typed: kept as it is.
      if (estratta && !accetta(data, r - 1, numeri, true)) return;
    }
  }

  void ruota(int data, std::string_view codice, const std::array<std::string_view, 5>& testi) {
    const int r = ruotaDa(codice);
    if (r < 0) return scarta(TipoScarto::Formato, data, "ruota sconosciuta \"" + std::string(codice) + "\"");
    std::array<int, 5> numeri{};
    for (std::size_t k = 0; k < 5; ++k) {
      numeri[k] = numeroDa(testi[k]);
      if (numeri[k] < 0)
        return scarta(TipoScarto::Formato, data,
                      "\"" + std::string(testi[k]) + "\" non è un numero di una o due cifre");
    }
    if (controllaData(data)) accetta(data, r, numeri, false);
  }

  bool controllaData(int data) {
    if (data > 0) return true;
    scarta(data < 0 ? TipoScarto::Data : TipoScarto::Formato, 0,
           data < 0 ? "la data non esiste o non è una data di estrazione" : "data non leggibile");
    return false;
  }

  static std::string nome(int r) {
    return r == kIndiceNazionale ? "Nazionale" : std::string(kNomiRuote[static_cast<std::size_t>(r)]);
  }

  bool accetta(int data, int r, const std::array<int, 5>& numeri, bool zeroAmmesso) {
    std::array<bool, 91> visto{};
    RigaFonte riga{data, static_cast<std::uint8_t>(r), {}, indice_, numero_};
    for (std::size_t k = 0; k < 5; ++k) {
      const int n = numeri[k];
      if (n > 90 || (n == 0 && !zeroAmmesso)) {
        scarta(TipoScarto::Numero, data, "il numero " + std::to_string(n) + " di " + nome(r) + " non è da 1 a 90");
        return false;
      }
      if (n != 0 && visto[static_cast<std::size_t>(n)]) {
        scarta(TipoScarto::Ripetuto, data, "il numero " + std::to_string(n) + " è ripetuto sulla ruota di " + nome(r));
        return false;
      }
      visto[static_cast<std::size_t>(n)] = true;
      riga.Numeri[k] = static_cast<std::uint8_t>(n);
    }
    if (data < precedente_) {
      ++l_.ContaSospette;
      if (l_.Sospette.size() < kMassimoElencati)
        l_.Sospette.push_back({nome_, static_cast<int>(numero_), data, precedente_});
    }
    precedente_ = data;
    l_.Righe.push_back(riga);
    ++l_.Fonti[indice_].Accettate;
    return true;
  }

  void scarta(TipoScarto tipo, int data, std::string motivo) {
    ++l_.Scartate;
    ++l_.ScartiPerTipo[static_cast<std::size_t>(tipo)];
    if (data > 0) l_.DateScartate.push_back(data);
    if (l_.Scarti.size() < kMassimoElencati)
      l_.Scarti.push_back({tipo, nome_, static_cast<int>(numero_), citazione(riga_), std::move(motivo)});
  }

  LetturaFonti& l_;
  std::uint32_t indice_;
  std::string nome_;
  std::uint32_t numero_ = 0;
  std::string_view riga_;
  int precedente_ = 0;
};

bool errore(LetturaFonti& l, const std::string& nome, const std::string& perche) {
  l.Errore = "\"" + nome + "\" " + perche + ".";
  return false;
}

}  // namespace

FormatoFonte RiconosciFormato(std::string_view dati) {
  if (SembraZip(dati)) return FormatoFonte::Zip;
  if (dati.substr(0, 3) == "\xEF\xBB\xBF") dati.remove_prefix(3);
  std::size_t i = 0;
  while (i < dati.size() && (blank(dati[i]) || dati[i] == '\r' || dati[i] == '\n')) ++i;
  if (i == dati.size()) return FormatoFonte::Vuoto;
  std::string inizio(dati.substr(i, 1024));
  for (char& c : inizio) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (inizio[0] == '<' || inizio.find("<html") != std::string::npos || inizio.find("<!doctype") != std::string::npos)
    return FormatoFonte::Html;
  // The first line tells a CSV by its header; a heading or a note before the
  // draws is allowed, so the first few lines are looked at for the others.
  for (int n = 0; n < 5 && i < dati.size(); ++n) {
    const std::size_t a = std::min(dati.find_first_of("\r\n", i), dati.size());
    const std::string_view riga = senzaBlank(dati.substr(i, a - i));
    i = a;
    while (i < dati.size() && (blank(dati[i]) || dati[i] == '\r' || dati[i] == '\n')) ++i;
    if (n == 0) {
      std::string compatta;
      for (char c : riga)
        if (!blank(c) && c != '"') compatta += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (compatta == "data;ruota;numero1;numero2;numero3;numero4;numero5") return FormatoFonte::Csv;
    }
    if (riga.size() >= 11 && cifra(riga[0]) && cifra(riga[1]) && riga[2] == '/' && riga[5] == '/' && riga[10] == '|')
      return FormatoFonte::Ruotario;
    std::size_t j = 0;
    while (j < riga.size() && (cifra(riga[j]) || riga[j] == '/')) ++j;
    if (j >= 8 && riga[4] == '/' && j < riga.size() && blank(riga[j])) {
      while (j < riga.size() && blank(riga[j])) ++j;
      if (j < riga.size() && std::isalpha(static_cast<unsigned char>(riga[j]))) return FormatoFonte::Storico;
    }
  }
  return FormatoFonte::Sconosciuto;
}

std::string NomeFormato(FormatoFonte formato) {
  switch (formato) {
    case FormatoFonte::Storico: return "archivio storico: data TAB ruota TAB numeri";
    case FormatoFonte::Csv: return "CSV con punto e virgola";
    case FormatoFonte::Ruotario: return "archivio di Ruotario (record di 121 caratteri)";
    case FormatoFonte::Zip: return "ZIP";
    case FormatoFonte::Html: return "pagina web HTML";
    case FormatoFonte::Vuoto: return "file vuoto";
    case FormatoFonte::Sconosciuto: break;
  }
  return "formato sconosciuto";
}

std::string NomeScarto(TipoScarto tipo) {
  switch (tipo) {
    case TipoScarto::Formato: return "riga non del formato";
    case TipoScarto::Data: return "data inesistente";
    case TipoScarto::Numero: return "numero non da 1 a 90";
    case TipoScarto::Ripetuto: return "numero ripetuto sulla ruota";
    case TipoScarto::Doppione: return "stessa data e ruota con numeri diversi";
  }
  return {};
}

bool LeggiFonte(const std::string& nome, std::string_view dati, LetturaFonti& l) {
  const FormatoFonte formato = RiconosciFormato(dati);
  switch (formato) {
    case FormatoFonte::Vuoto:
      return errore(l, nome, "è vuoto: non contiene estrazioni (uno scaricamento non riuscito?)");
    case FormatoFonte::Html:
      return errore(l, nome,
                    "è una pagina web (HTML), non un archivio delle estrazioni: l'indirizzo potrebbe essere "
                    "cambiato; si può indicarne un altro nelle impostazioni della finestra");
    case FormatoFonte::Sconosciuto:
      return errore(l, nome,
                    "non è un archivio delle estrazioni del Lotto in un formato conosciuto (archivio storico "
                    "ufficiale, file per ruota, CSV con punto e virgola, archivio di Ruotario)");
    case FormatoFonte::Zip: {
      EsitoZip zip = ApriZip(dati, kLimiteZip);
      if (!zip) return errore(l, nome, "non si può leggere: " + zip.Errore);
      bool letto = false;
      for (const FileZip& f : zip.File) {
        const FormatoFonte interno = RiconosciFormato(f.Dati);
        if (interno != FormatoFonte::Storico && interno != FormatoFonte::Csv && interno != FormatoFonte::Ruotario)
          continue;  // a note or a picture beside the draws
        if (!LeggiFonte(nome + ": " + f.Nome, f.Dati, l)) return false;
        letto = true;
      }
      if (!letto) return errore(l, nome, "è un archivio ZIP che non contiene un file di estrazioni del Lotto");
      return true;
    }
    case FormatoFonte::Storico:
    case FormatoFonte::Csv:
    case FormatoFonte::Ruotario: break;
  }
  const auto indice = static_cast<std::uint32_t>(l.Fonti.size());
  l.Fonti.push_back({nome, formato, 0, 0});
  Lettore(l, indice).leggi(dati, formato);
  if (l.Fonti[indice].Accettate == 0)
    return errore(l, nome,
                  "non contiene alcuna estrazione del Lotto leggibile (" + std::to_string(l.Fonti[indice].Righe) +
                      " righe, tutte scartate): forse è l'archivio di un altro gioco");
  return true;
}

void ConcludiLettura(LetturaFonti& l) {
  auto& righe = l.Righe;
  std::stable_sort(righe.begin(), righe.end(), [](const RigaFonte& a, const RigaFonte& b) {
    return a.Data != b.Data ? a.Data < b.Data : a.Ruota < b.Ruota;
  });
  const auto citaRiga = [](const RigaFonte& r) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d\\t%s", r.Data / 10000, r.Data / 100 % 100, r.Data % 100,
                  kCodiciRuote[r.Ruota].data());
    std::string t = buf;
    for (auto n : r.Numeri) t += "\\t" + std::to_string(n);
    return t;
  };
  std::vector<RigaFonte> tenute;
  tenute.reserve(righe.size());
  for (std::size_t i = 0; i < righe.size();) {
    std::size_t j = i + 1;
    bool diverse = false;
    while (j < righe.size() && righe[j].Data == righe[i].Data && righe[j].Ruota == righe[i].Ruota) {
      if (righe[j].Numeri == righe[i].Numeri)
        ++l.Ripetute;
      else
        diverse = true;
      ++j;
    }
    if (!diverse) {
      tenute.push_back(righe[i]);
    } else {
      // Which of the two is right cannot be told: neither is written.
      for (std::size_t k = i; k < j; ++k) {
        const RigaFonte& r = righe[k];
        ++l.Scartate;
        ++l.ScartiPerTipo[static_cast<std::size_t>(TipoScarto::Doppione)];
        if (l.Scarti.size() < kMassimoElencati)
          l.Scarti.push_back({TipoScarto::Doppione, l.Fonti[r.Fonte].Nome, static_cast<int>(r.Riga), citaRiga(r),
                              "la stessa data e ruota compare anche con altri numeri"});
      }
      l.DateScartate.push_back(righe[i].Data);
    }
    i = j;
  }
  righe = std::move(tenute);
  std::sort(l.DateScartate.begin(), l.DateScartate.end());
  l.DateScartate.erase(std::unique(l.DateScartate.begin(), l.DateScartate.end()), l.DateScartate.end());
}

std::string TestoDataChiave(int data) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", data % 100, data / 100 % 100, data / 10000);
  return buf;
}

}  // namespace ruotario
