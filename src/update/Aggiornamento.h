#pragma once
// The update of the archive from the published archives, in two steps: the
// sources are read (downloaded, unzipped, parsed), then merged into the
// archive and nazionale.txt and written, all under the archive's lock, with a
// backup of each file and one atomic replace. The second step is quick and
// may run again over the same sources with other choices (after a conflict).

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "archive/BloccoArchivio.h"
#include "update/FontiPubblicate.h"
#include "update/Scaricamento.h"
#include "update/UnioneArchivio.h"

namespace ruotario {

enum class FaseAggiornamento { Scaricamento, Lettura, Unione };

struct AvanzamentoAggiornamento {
  FaseAggiornamento Fase{};
  std::string Fonte;
  std::int64_t Fatto = 0;   // bytes received, or sources read
  std::int64_t Totale = 0;  // 0 while unknown
};
// Called during the work, from the thread that runs it; false cancels.
using FunzioneAvanzamento = std::function<bool(const AvanzamentoAggiornamento&)>;

// Reads every source: an http(s) address, a file, or a folder (its .txt, .csv
// and .zip files, by name). No source: the official address. A file larger
// than scaricamento.LimiteByte is refused, and skipped in a folder. On failure or
// cancellation the reading says so (Errore, Annullata) and nothing is kept.
LetturaFonti LeggiFonti(const std::vector<std::string>& fonti, const FunzioneAvanzamento& avanzamento = {},
                        OpzioniScaricamento scaricamento = {});

enum class StatoAggiornamento {
  Aggiornato,     // something was written (or, on trial, would be)
  GiaAggiornato,  // nothing to add
  Conflitti,      // conflicts left unresolved: nothing written
  Errore,         // nothing written, or (see Messaggio) only part
  Annullato,
};

struct EsitoAggiornamento {
  StatoAggiornamento Stato = StatoAggiornamento::GiaAggiornato;
  std::string Messaggio;  // Italian: the error, when Errore
  LetturaFonti Lettura;   // what the sources gave (their lines dropped)
  EsitoUnione Archivio;   // its Testo dropped
  EsitoUnione Nazionale;
  bool Prova = false;    // nothing is written on trial
  bool Scritto = false;  // the archive or nazionale.txt was replaced
  std::string Copia;     // copiaEstrazioni.txt, when made
  std::string CopiaNazionale;
  std::string PercorsoArchivio;
};

// Merges the sources into the archive at `archivio` (and its nazionale.txt)
// and writes them unless `prova`, holding the archive's lock throughout
// (waiting at most `attesa` for another program). Conflicts not resolved by
// opzioni.Sostituisci leave both files untouched.
EsitoAggiornamento ApplicaAggiornamento(const std::string& archivio, const LetturaFonti& lettura,
                                        const OpzioniUnione& opzioni, bool prova = false,
                                        std::chrono::milliseconds attesa = kAttesaBlocco);

// Both steps.
EsitoAggiornamento AggiornaArchivio(const std::string& archivio, const std::vector<std::string>& fonti,
                                    const OpzioniUnione& opzioni, bool prova = false,
                                    const FunzioneAvanzamento& avanzamento = {});

}  // namespace ruotario
