#pragma once
// The reduced-system search on a worker thread, so the window stays responsive
// and its "Ferma" button is heard: the owner asks it to stop and waits for it
// before it goes away.

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "systems/SistemaRidotto.h"

namespace ruotario {

class RiduzioneInSottofondo {
 public:
  // Called on the worker thread: now and then while it searches, and once at
  // the very end (the result is then ready for Attendi).
  using Notizia = std::function<void(const AvanzamentoRicerca&)>;
  using Conclusa = std::function<void()>;

  RiduzioneInSottofondo() = default;
  RiduzioneInSottofondo(const RiduzioneInSottofondo&) = delete;
  RiduzioneInSottofondo& operator=(const RiduzioneInSottofondo&) = delete;
  ~RiduzioneInSottofondo();

  // Ignored while a search runs.
  void Avvia(ParametriRiduzione parametri, Notizia notizia, Conclusa conclusa);
  void Ferma() { fermare_ = true; }
  // Waits for the worker and hands over its result, once; empty when nothing ran.
  std::optional<EsitoRiduzione> Attendi();
  bool InCorso() const { return lavoro_.joinable(); }

 private:
  std::thread lavoro_;
  std::atomic<bool> fermare_{false};
  std::mutex mutex_;
  std::optional<EsitoRiduzione> esito_;
};

}  // namespace ruotario
