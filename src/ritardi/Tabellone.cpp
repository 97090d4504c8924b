#include "ritardi/Tabellone.h"

namespace ruotario {

EsitoRitardi CalcolaTabellone(const ArchivioEstrazioni& archivio, std::span<const EstrazioneNazionale> nazionale,
                              int inizio, int fine) {
  ParametriRitardi p;
  p.Ruota = kTutteLeRuote;
  p.Inizio = inizio;
  p.Fine = fine;
  EsitoRitardi esito = CalcolaRitardi(p, archivio);
  if (!nazionale.empty()) {
    p.Ruota = kRuotaNazionale;
    esito.Ruote.push_back(std::move(CalcolaRitardi(p, archivio, nazionale).Ruote.front()));
  }
  return esito;
}

int LivelloCaso(double attesi) {
  if (attesi >= 10) return 0;
  if (attesi >= 1) return 1;
  if (attesi >= 0.1) return 2;
  return 3;
}

}  // namespace ruotario
