#include "update/ScritturaNazionale.h"

#include "app/Ambiente.h"
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
  if (!data) return {false, "La data " + estrazione.Data + " della ruota Nazionale non è valida."};
  const RecordFonte record{data->anno * 10000 + data->mese * 100 + data->giorno, ComponiRecordNazionale(estrazione)};
  const BloccoArchivio blocco(archivio);
  if (!blocco) return {false, "La ruota Nazionale non è stata salvata: " + blocco.Errore() + "."};
  const std::string percorso = PercorsoNazionale(archivio);
  std::string vecchio;
  const bool esiste = EsisteFile(percorso);
  if (esiste && !LeggiFile(percorso, vecchio))
    return {false, "Impossibile leggere " + percorso + ": la ruota Nazionale non è stata salvata."};
  const EsitoUnione u = UnisciNazionale(vecchio, std::span(&record, 1), true);
  if (!u.Cambiato) return {};
  return ScriviNazionale(archivio, esiste ? &vecchio : nullptr, u.Testo);
}

}  // namespace ruotario
