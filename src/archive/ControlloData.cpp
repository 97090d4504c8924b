#include "archive/ControlloData.h"

#include <cstdio>

namespace ruotario {

namespace {

// Reads 1..maxCifre digits at `testo`, advancing it.
std::optional<int> cifre(std::string_view& testo, std::size_t minCifre, std::size_t maxCifre) {
  std::size_t n = 0;
  int valore = 0;
  while (n < testo.size() && n < maxCifre && testo[n] >= '0' && testo[n] <= '9')
    valore = valore * 10 + (testo[n++] - '0');
  if (n < minCifre) return std::nullopt;
  testo.remove_prefix(n);
  return valore;
}

bool separatore(std::string_view& testo) {
  if (testo.empty() || testo.front() != '/') return false;
  testo.remove_prefix(1);
  return true;
}

}  // namespace

bool DataValida(const DataEstrazione& d) {
  static constexpr int giorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d.anno < 1 || d.anno > 9999 || d.mese < 1 || d.mese > 12 || d.giorno < 1) return false;
  const bool bisestile = (d.anno % 4 == 0 && d.anno % 100 != 0) || d.anno % 400 == 0;
  return d.giorno <= giorni[d.mese - 1] + (d.mese == 2 && bisestile ? 1 : 0);
}

int ConfrontaDate(const DataEstrazione& a, const DataEstrazione& b) {
  const long x = a.anno * 10000L + a.mese * 100L + a.giorno;
  const long y = b.anno * 10000L + b.mese * 100L + b.giorno;
  return x < y ? -1 : (x > y ? 1 : 0);
}

std::optional<DataEstrazione> DataDaTesto(std::string_view testo) {
  while (!testo.empty() && testo.front() == ' ') testo.remove_prefix(1);
  while (!testo.empty() && testo.back() == ' ') testo.remove_suffix(1);
  const auto giorno = cifre(testo, 1, 2);
  if (!giorno || !separatore(testo)) return std::nullopt;
  const auto mese = cifre(testo, 1, 2);
  if (!mese || !separatore(testo)) return std::nullopt;
  const auto anno = cifre(testo, 4, 4);
  if (!anno || !testo.empty()) return std::nullopt;
  const DataEstrazione data{*giorno, *mese, *anno};
  if (!DataValida(data)) return std::nullopt;
  return data;
}

std::string TestoData(const DataEstrazione& data) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", data.giorno, data.mese, data.anno);
  return buf;
}

ControlloData ControllaDataNuova(const ArchivioEstrazioni& archivio, const DataEstrazione& data) {
  ControlloData esito;
  if (archivio.Vuoto()) return esito;
  esito.UltimaData = std::string(archivio.Ultima().Data());
  for (const Estrazione& e : archivio) {
    const auto d = DataDaTesto(e.Data());
    if (d && ConfrontaDate(*d, data) == 0) {
      esito.Nota = NotaData::GiaPresente;
      return esito;
    }
  }
  const auto ultima = DataDaTesto(esito.UltimaData);
  if (ultima && ConfrontaDate(data, *ultima) <= 0) esito.Nota = NotaData::NonSuccessiva;
  return esito;
}

}  // namespace ruotario
