#pragma once
// The best-ambata search on a worker thread, followed by its out-of-sample check, so the window stays responsive
// and can always stop it: the owner asks it to stop and waits for it (a few
// milliseconds, one candidate at most) before it goes away.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "constants/MiglioreAmbata.h"
#include "stats/BaseCasoMiglioreAmbata.h"
#include "stats/FuoriCampione.h"

namespace ruotario {

struct EsitoSottofondo {
  EsitoMiglioreAmbata Ricerca;
  BaseCasoMiglioreAmbata Caso;  // the winner against the best of the candidates run, by chance
  // The search done again on the first part of the span, its winner tried on
  // the rest; empty when the search was stopped or the span is too short.
  std::optional<EsitoFuoriCampione> FuoriCampione;
};

class RicercaInSottofondo {
 public:
  // Both are called on the worker thread: each candidate once looked at, and
  // once at the very end (the result is then ready for Attendi).
  using Candidato = std::function<void(int candidato)>;
  using Conclusa = std::function<void()>;

  RicercaInSottofondo() = default;
  RicercaInSottofondo(const RicercaInSottofondo&) = delete;
  RicercaInSottofondo& operator=(const RicercaInSottofondo&) = delete;
  ~RicercaInSottofondo();

  // Starts a search over the draws handed over. Ignored while one runs.
  void Avvia(ParametriMiglioreAmbata parametri, ArchivioEstrazioni archivio, Candidato candidato, Conclusa conclusa);
  // Asks the running search to stop after the candidate in hand.
  void Ferma();
  // Waits for the worker and hands over its result, once; empty when nothing ran.
  std::optional<EsitoSottofondo> Attendi();
  // A search was started and its result not yet collected.
  bool InCorso() const { return lavoro_.joinable(); }

  // Holds the worker this long after every candidate (a stop request cuts the
  // wait short): lets tests act while a search is surely still running.
  static void ImpostaPausaTraCandidati(std::chrono::milliseconds pausa);

 private:
  void attendiPausa();

  std::thread lavoro_;
  std::atomic<bool> fermare_{false};
  std::mutex mutex_;
  std::condition_variable sveglia_;
  std::optional<EsitoSottofondo> esito_;
};

}  // namespace ruotario
