#include "archive/ControlloData.h"

#include <cstdio>
#include <tuple>

namespace ruotario {

namespace {

bool bisestile(int anno) { return (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0; }

int giorniDelMese(int mese, int anno) {
  constexpr int giorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return mese == 2 && bisestile(anno) ? 29 : giorni[mese - 1];
}

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

auto chiave(const DataEstrazione& d) { return std::tuple(d.anno, d.mese, d.giorno); }

}  // namespace

std::optional<DataEstrazione> DataDaTesto(std::string_view testo) {
  while (!testo.empty() && testo.front() == ' ') testo.remove_prefix(1);
  while (!testo.empty() && testo.back() == ' ') testo.remove_suffix(1);
  const auto giorno = cifre(testo, 1, 2);
  if (!giorno || !separatore(testo)) return std::nullopt;
  const auto mese = cifre(testo, 1, 2);
  if (!mese || !separatore(testo)) return std::nullopt;
  const auto anno = cifre(testo, 4, 4);
  if (!anno || !testo.empty()) return std::nullopt;
  if (*mese < 1 || *mese > 12 || *giorno < 1 || *giorno > giorniDelMese(*mese, *anno) || *anno < 1) return std::nullopt;
  return DataEstrazione{*giorno, *mese, *anno};
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
    if (d && chiave(*d) == chiave(data)) {
      esito.Nota = NotaData::GiaPresente;
      return esito;
    }
  }
  const auto ultima = DataDaTesto(esito.UltimaData);
  if (ultima && chiave(data) <= chiave(*ultima)) esito.Nota = NotaData::NonSuccessiva;
  return esito;
}

}  // namespace ruotario
