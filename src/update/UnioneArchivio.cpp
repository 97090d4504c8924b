#include "update/UnioneArchivio.h"

#include <algorithm>

#include "archive/ArchivioEstrazioni.h"

namespace ruotario {

namespace {

// yyyymmdd of a stored "dd/mm/yyyy", 0 when it is not one.
int dataDi(std::string_view riga) {
  if (riga.size() < 10 || riga[2] != '/' || riga[5] != '/') return 0;
  int v[3] = {0, 0, 0};
  const std::size_t inizio[3] = {6, 3, 0}, lunghezza[3] = {4, 2, 2};
  for (int p = 0; p < 3; ++p)
    for (std::size_t i = inizio[p]; i < inizio[p] + lunghezza[p]; ++i) {
      if (riga[i] < '0' || riga[i] > '9') return 0;
      v[p] = v[p] * 10 + (riga[i] - '0');
    }
  return v[0] * 10000 + v[1] * 100 + v[2];
}

void dueCifre(std::string& s, int n) {
  s += static_cast<char>('0' + n / 10);
  s += static_cast<char>('0' + n % 10);
}

bool scartata(std::span<const int> dateScartate, int data) {
  return std::binary_search(dateScartate.begin(), dateScartate.end(), data);
}

template <typename Fn>
std::vector<RecordFonte> perData(const LetturaFonti& l, bool nazionale, Fn&& componi) {
  std::vector<RecordFonte> record;
  const auto& righe = l.Righe;
  for (std::size_t i = 0; i < righe.size();) {
    std::size_t j = i;
    while (j < righe.size() && righe[j].Data == righe[i].Data) ++j;
    const bool haNazionale = righe[j - 1].Ruota == kIndiceNazionale;
    const bool haRuote = righe[i].Ruota != kIndiceNazionale;
    if (!scartata(l.DateScartate, righe[i].Data) && (nazionale ? haNazionale : haRuote))
      record.push_back({righe[i].Data, componi(std::span(righe).subspan(i, j - i))});
    i = j;
  }
  return record;
}

struct Linea {
  std::size_t Inizio = 0;  // first character
  std::size_t Fine = 0;    // past the last character, before the break
  int Data = 0;
};

EsitoUnione unisci(std::string_view testo, std::span<const RecordFonte> fonte, bool sostituisci, bool inserisci,
                   std::span<const int> dateScartate) {
  EsitoUnione e;
  std::vector<Linea> linee;
  linee.reserve(testo.size() / kLunghezzaRiga + 1);
  int ultima = 0;
  PerOgniRiga(testo, [&](std::string_view riga) {
    const auto inizio = static_cast<std::size_t>(riga.data() - testo.data());
    linee.push_back({inizio, inizio + riga.size(), dataDi(riga)});
    ultima = std::max(ultima, linee.back().Data);
  });
  if (ultima) e.UltimaPrima = TestoDataChiave(ultima);

  // The file's records by date; for each place, the first line among those of
  // a later date, before which an earlier date is inserted.
  std::vector<std::pair<int, std::size_t>> perDataFile;
  perDataFile.reserve(linee.size());
  for (std::size_t i = 0; i < linee.size(); ++i)
    if (linee[i].Data) perDataFile.push_back({linee[i].Data, i});
  std::sort(perDataFile.begin(), perDataFile.end());
  std::vector<std::size_t> primaSuccessiva(perDataFile.size() + 1, linee.size());
  for (std::size_t k = perDataFile.size(); k-- > 0;)
    primaSuccessiva[k] = std::min(primaSuccessiva[k + 1], perDataFile[k].second);

  std::vector<std::string_view> sostituzioni(linee.size());
  std::vector<std::pair<std::size_t, const std::string*>> inserimenti;  // before line, record
  std::vector<const std::string*> aggiunte;
  for (const RecordFonte& r : fonte) {
    auto da = std::lower_bound(perDataFile.begin(), perDataFile.end(), std::pair<int, std::size_t>{r.Data, 0});
    auto a = da;
    while (a != perDataFile.end() && a->first == r.Data) ++a;
    if (da != a) {
      const auto uguale = [&](const auto& p) {
        const Linea& l = linee[p.second];
        return testo.substr(l.Inizio, l.Fine - l.Inizio) == r.Record;
      };
      if (std::any_of(da, a, uguale)) {
        ++e.Uguali;
        continue;
      }
      const Linea& l = linee[da->second];
      e.Conflitti.push_back({TestoDataChiave(r.Data), static_cast<int>(da->second) + 1,
                             std::string(testo.substr(l.Inizio, l.Fine - l.Inizio)), r.Record});
      if (sostituisci) {
        sostituzioni[da->second] = r.Record;
        ++e.Sostituite;
      }
    } else if (r.Data > ultima) {
      aggiunte.push_back(&r.Record);
      if (e.PrimaData.empty()) e.PrimaData = TestoDataChiave(r.Data);
      e.UltimaData = TestoDataChiave(r.Data);
    } else {
      if (perDataFile.empty() || r.Data > perDataFile.front().first) {
        e.Mancanti.push_back(TestoDataChiave(r.Data));
      } else {
        if (e.Precedenti++ == 0) e.PrimaPrecedente = TestoDataChiave(r.Data);
        e.UltimaPrecedente = TestoDataChiave(r.Data);
      }
      if (inserisci)
        inserimenti.push_back({primaSuccessiva[static_cast<std::size_t>(da - perDataFile.begin())], &r.Record});
    }
  }
  e.Aggiunte = static_cast<int>(aggiunte.size());
  e.Inserite = static_cast<int>(inserimenti.size());

  if (!fonte.empty()) {
    std::vector<int> dateFonte;
    dateFonte.reserve(fonte.size());
    for (const RecordFonte& r : fonte) dateFonte.push_back(r.Data);
    for (const auto& [data, i] : perDataFile)
      if (data >= fonte.front().Data && data <= fonte.back().Data &&
          !std::binary_search(dateFonte.begin(), dateFonte.end(), data) && !scartata(dateScartate, data))
        e.SoloNelFile.push_back(TestoDataChiave(data));
  }

  e.Cambiato = e.Aggiunte + e.Inserite + e.Sostituite > 0;
  if (!e.Cambiato) {
    e.Testo = testo;
    return e;
  }
  std::stable_sort(inserimenti.begin(), inserimenti.end(),
                   [](const auto& x, const auto& y) { return x.first < y.first; });
  e.Testo.reserve(testo.size() + (aggiunte.size() + inserimenti.size()) * (kLunghezzaRiga + 1));
  auto ins = inserimenti.begin();
  for (std::size_t i = 0; i < linee.size(); ++i) {
    for (; ins != inserimenti.end() && ins->first == i; ++ins) e.Testo.append(*ins->second).append("\r\n");
    const std::size_t dopo = i + 1 < linee.size() ? linee[i + 1].Inizio : testo.size();
    if (sostituzioni[i].data()) {
      e.Testo.append(sostituzioni[i]).append(testo.substr(linee[i].Fine, dopo - linee[i].Fine));
    } else {
      e.Testo.append(testo.substr(linee[i].Inizio, dopo - linee[i].Inizio));
    }
  }
  for (const std::string* r : aggiunte) {
    if (!e.Testo.empty() && e.Testo.back() != '\n' && e.Testo.back() != '\r') e.Testo += "\r\n";
    e.Testo += *r;
  }
  return e;
}

}  // namespace

std::vector<RecordFonte> RecordArchivio(const LetturaFonti& lettura) {
  return perData(lettura, false, [](std::span<const RigaFonte> righe) {
    std::string record = TestoDataChiave(righe.front().Data) + "|";
    record.reserve(kLunghezzaRecord);
    std::size_t i = 0;
    for (int r = 0; r < kNumeroRuote; ++r) {
      if (i < righe.size() && righe[i].Ruota == r) {
        for (auto n : righe[i].Numeri) dueCifre(record, n);
        ++i;
      } else {
        record += "0000000000";
      }
      record += '|';
    }
    return record;
  });
}

std::vector<RecordFonte> RecordNazionale(const LetturaFonti& lettura) {
  return perData(lettura, true, [](std::span<const RigaFonte> righe) {
    std::string record = TestoDataChiave(righe.front().Data) + "|";
    for (auto n : righe.back().Numeri) dueCifre(record, n);
    return record + "|";
  });
}

EsitoUnione UnisciArchivio(std::string_view archivio, std::span<const RecordFonte> fonte, const OpzioniUnione& opzioni,
                           std::span<const int> dateScartate) {
  return unisci(archivio, fonte, opzioni.Sostituisci, opzioni.Inserisci, dateScartate);
}

EsitoUnione UnisciNazionale(std::string_view nazionale, std::span<const RecordFonte> fonte, bool sostituisci,
                            std::span<const int> dateScartate) {
  return unisci(nazionale, fonte, sostituisci, true, dateScartate);
}

}  // namespace ruotario
