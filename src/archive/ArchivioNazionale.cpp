#include "archive/ArchivioNazionale.h"

#include "app/NumeriLotto.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/FileArchivio.h"

namespace ruotario {

std::string PercorsoNazionale(const std::string& archivio) { return CartellaDi(archivio) + "/" + kNomeNazionale; }

std::vector<EstrazioneNazionale> LeggiTestoNazionale(std::string_view testo) {
  std::vector<EstrazioneNazionale> estrazioni;
  PerOgniRiga(testo, [&](std::string_view riga) {
    if (riga.size() < kLunghezzaRecordNazionale - 1 || riga[2] != '/' || riga[5] != '/' || riga[10] != '|') return;
    EstrazioneNazionale e;
    e.Data = std::string(riga.substr(0, 10));
    for (std::size_t k = 0; k < e.Numeri.size(); ++k) {
      const int n = ValoreTesto(riga.substr(11 + 2 * k, 2));
      e.Numeri[k] = n >= 1 && n <= 90 ? n : 0;
    }
    estrazioni.push_back(std::move(e));
  });
  return estrazioni;
}

std::vector<EstrazioneNazionale> LeggiNazionale(const std::string& percorso) {
  std::string testo;
  if (!LeggiFile(percorso, testo)) return {};
  return LeggiTestoNazionale(testo);
}

std::string ComponiRecordNazionale(const EstrazioneNazionale& estrazione) {
  std::string record = estrazione.Data.substr(0, 10);
  record.resize(10, ' ');
  record += '|';
  for (int n : estrazione.Numeri) record += DueCifre(n >= 1 && n <= 90 ? n : 0);
  record += '|';
  return record;
}

}  // namespace ruotario
