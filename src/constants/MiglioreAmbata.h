#pragma once
// The best-ambata search: one of the three ambate is replaced in turn by each
// number 1..90 and the best win percentage wins. Every candidate's figures are
// those of the statistic run with it, all taken in one pass over the span.

#include <functional>
#include <string>

#include "constants/FigureCandidati.h"
#include "constants/StatisticaKostanti.h"

namespace ruotario {

enum class AmbataVariata { Principale = 0, Secondaria = 1, Terza = 2 };

struct ParametriMiglioreAmbata {
  ParametriStatistica Statistica;
  AmbataVariata Varia = AmbataVariata::Secondaria;
  bool ScegliVeloce = true;  // "Scegli Ambata + Veloce": equal percentage, lower mean colpo wins
};

enum class ErroreMiglioreAmbata { Nessuno, NessunaAmbataAttiva };

struct CandidatoProvato {
  int Numero = 0;
  FigureCandidato Figure;
};

struct EsitoMiglioreAmbata {
  ErroreMiglioreAmbata Errore = ErroreMiglioreAmbata::Nessuno;
  AmbataVariata Varia = AmbataVariata::Secondaria;  // the ambata the search varied
  int Migliore = 1;
  double MigliorePercentuale = -1.0;
  double MiglioreMedia = -1.0;
  int CandidatiProvati = 0;       // statistic runs made for candidates (the final run not counted)
  int UltimoCandidato = 0;        // last candidate looked at (run or skipped)
  bool Fermata = false;           // stopped on request before candidate 90
  ParametriStatistica Parametri;  // the input with the winner written into the varied ambata
  EsitoStatistica Esito;          // the statistic of the winner, percentages filled
  // Every candidate run, in order, with its own cases: the winner is the best
  // of these, and chance is judged against the best of as many.
  std::vector<CandidatoProvato> Provati;
};

// Whether candidate c is run: the secondary must differ from the principal,
// the third from both; a skipped candidate costs no run.
bool CandidatoDaProvare(const ParametriStatistica& p, AmbataVariata varia, int c);

// Asked between candidates; true stops the search (the window lets events run there).
using RichiestaStop = std::function<bool()>;
// Told each candidate after it has been looked at.
using AvanzamentoCandidati = std::function<void(int candidato)>;

EsitoMiglioreAmbata CercaMiglioreAmbata(const ParametriMiglioreAmbata& p, const ArchivioEstrazioni& archivio,
                                        const RichiestaStop& fermare = {},
                                        const AvanzamentoCandidati& avanzamento = {});
// Reads the archive file once for the whole search.
EsitoMiglioreAmbata CercaMiglioreAmbata(const ParametriMiglioreAmbata& p, const std::string& percorsoArchivio,
                                        const RichiestaStop& fermare = {},
                                        const AvanzamentoCandidati& avanzamento = {});

}  // namespace ruotario
