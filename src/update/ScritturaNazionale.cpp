#include "update/ScritturaNazionale.h"

#include <algorithm>

#include "app/Ambiente.h"
#include "app/ErroreSistema.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/BloccoArchivio.h"
#include "archive/ControlloData.h"
#include "archive/FileArchivio.h"
#include "update/UnioneArchivio.h"

namespace ruotario {

std::string PercorsoCopiaNazionale(const std::string& archivio) {
  return ComponiPercorso(CartellaDi(archivio), kNomeCopiaNazionale);
}

EsitoScrittura ScriviNazionale(const std::string& archivio, const std::string* vecchio, std::string_view nuovo) {
  if (vecchio) {
    const EsitoScrittura c = SostituisciFile(PercorsoCopiaNazionale(archivio), *vecchio);
    if (!c)
      return {false, "Impossibile creare la copia di riserva di " + std::string(kNomeNazionale) + ": " + c.Messaggio};
  }
  const EsitoScrittura s = SostituisciFile(PercorsoNazionale(archivio), nuovo);
  if (!s) return {false, "Impossibile scrivere " + std::string(kNomeNazionale) + ": " + s.Messaggio};
  return {};
}

EsitoScrittura SalvaNazionale(const std::string& archivio, const EstrazioneNazionale& estrazione) {
  const auto data = DataDaTesto(estrazione.Data);
  if (!data) return {false, "la data " + estrazione.Data + " della ruota Nazionale non è valida."};
  const RecordFonte record{data->anno * 10000 + data->mese * 100 + data->giorno, ComponiRecordNazionale(estrazione)};
  const BloccoArchivio blocco(archivio);
  if (!blocco) return {false, blocco.Errore()};
  const std::string percorso = PercorsoNazionale(archivio);
  std::string vecchio;
  const bool esiste = EsisteFile(percorso);
  if (esiste && !LeggiFile(percorso, vecchio))
    return {false, "impossibile leggere " + percorso + ": " + DescrizioneErrno()};
  const EsitoUnione u = UnisciNazionale(vecchio, std::span(&record, 1), true);
  if (!u.Cambiato) return {};
  return ScriviNazionale(archivio, esiste ? &vecchio : nullptr, u.Testo);
}

EsitoScrittura SalvaNazionaleDigitata(const std::string& archivio, const DataEstrazione& data,
                                      const std::array<std::string, 5>& testi) {
  if (std::all_of(testi.begin(), testi.end(), [](const std::string& t) { return t.empty(); })) return {};
  EstrazioneNazionale estrazione{TestoData(data), {}};
  std::array<bool, 91> visto{};
  for (std::size_t k = 0; k < testi.size(); ++k) {
    const std::string& t = testi[k];
    const bool cifre =
        !t.empty() && t.size() <= 2 && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int n = cifre ? std::stoi(t) : 0;
    if (n < 1 || n > 90 || visto[static_cast<std::size_t>(n)])
      return {false, "La ruota Nazionale è incompleta o non valida: non è stata salvata."};
    visto[static_cast<std::size_t>(n)] = true;
    estrazione.Numeri[k] = n;
  }
  const EsitoScrittura s = SalvaNazionale(archivio, estrazione);
  if (!s) return {false, "La ruota Nazionale non è stata salvata: " + s.Messaggio};
  return {};
}

}  // namespace ruotario
