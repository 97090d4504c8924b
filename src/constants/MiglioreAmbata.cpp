#include "constants/MiglioreAmbata.h"

#include "constants/VistaRuota.h"

namespace ruotario {

bool CandidatoDaProvare(const ParametriStatistica& p, AmbataVariata varia, int c) {
  switch (varia) {
    case AmbataVariata::Principale: return true;
    case AmbataVariata::Secondaria: return p.Ambata[0] != c;
    case AmbataVariata::Terza: return p.Ambata[1] != c && p.Ambata[0] != c;
  }
  return false;
}

EsitoMiglioreAmbata CercaMiglioreAmbata(const ParametriMiglioreAmbata& p, const ArchivioEstrazioni& archivio,
                                        const RichiestaStop& fermare, const AvanzamentoCandidati& avanzamento) {
  EsitoMiglioreAmbata r;
  r.Varia = p.Varia;
  r.Parametri = p.Statistica;
  if (!AlmenoUnaAttiva(p.Statistica)) {
    r.Errore = ErroreMiglioreAmbata::NessunaAmbataAttiva;
    return r;
  }
  // The span is read once, and every candidate's figures come from one pass over it.
  const VistaRuota vista(archivio, p.Statistica.Ruota, p.Statistica.Inizio, p.Statistica.Fine);
  const auto indice = static_cast<std::size_t>(p.Varia);
  std::array<FigureCandidato, 91> figure = FigureCandidati(p.Statistica, static_cast<int>(indice), vista);

  int c = 0;
  bool stop = false;
  // A stop is obeyed once a candidate has been run, so the winner is always a
  // number that was tried (a skipped first candidate would otherwise win untried).
  while (c <= 89 && !(stop && r.CandidatiProvati > 0)) {
    ++c;
    if (CandidatoDaProvare(p.Statistica, p.Varia, c)) {
      const FigureCandidato& e = figure[static_cast<std::size_t>(c)];
      ++r.CandidatiProvati;
      const bool meglio =
          e.PercentualeVincita > r.MigliorePercentuale ||
          (p.ScegliVeloce && e.PercentualeVincita == r.MigliorePercentuale && e.MediaColpi < r.MiglioreMedia);
      if (meglio) {
        r.Migliore = c;
        r.MigliorePercentuale = e.PercentualeVincita;
        r.MiglioreMedia = e.MediaColpi;
      }
      r.Provati.push_back({c, std::move(figure[static_cast<std::size_t>(c)])});
    }
    r.UltimoCandidato = c;
    if (avanzamento) avanzamento(c);
    if (!stop && fermare && fermare()) stop = true;
  }
  r.Fermata = stop && c < 90;

  r.Parametri.Ambata[indice] = r.Migliore;
  r.Esito = CalcolaSuVista(r.Parametri, vista, {});
  PercentualiAbbinamenti(r.Esito);
  PercentualiFrequenti(r.Esito);
  return r;
}

EsitoMiglioreAmbata CercaMiglioreAmbata(const ParametriMiglioreAmbata& p, const std::string& percorsoArchivio,
                                        const RichiestaStop& fermare, const AvanzamentoCandidati& avanzamento) {
  return CercaMiglioreAmbata(p, ArchivioEstrazioni::CaricaArchivio(percorsoArchivio), fermare, avanzamento);
}

}  // namespace ruotario
