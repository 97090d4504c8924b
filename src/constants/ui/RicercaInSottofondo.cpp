#include "constants/ui/RicercaInSottofondo.h"

namespace ruotario {

namespace {
std::atomic<long long> gPausaMs{0};
}

RicercaInSottofondo::~RicercaInSottofondo() {
  Ferma();
  Attendi();
}

void RicercaInSottofondo::ImpostaPausaTraCandidati(std::chrono::milliseconds pausa) { gPausaMs = pausa.count(); }

void RicercaInSottofondo::Avvia(ParametriMiglioreAmbata parametri, ArchivioEstrazioni archivio, Candidato candidato,
                                Conclusa conclusa) {
  if (InCorso()) return;
  fermare_ = false;
  esito_.reset();
  lavoro_ = std::thread([this, parametri = std::move(parametri), archivio = std::move(archivio),
                         candidato = std::move(candidato), conclusa = std::move(conclusa)] {
    EsitoMiglioreAmbata r = CercaMiglioreAmbata(
        parametri, archivio, [this] { return fermare_.load(); },
        [this, &candidato](int c) {
          if (candidato) candidato(c);
          attendiPausa();
        });
    {
      const std::lock_guard<std::mutex> blocco(mutex_);
      esito_ = std::move(r);
    }
    if (conclusa) conclusa();
  });
}

void RicercaInSottofondo::attendiPausa() {
  const long long pausa = gPausaMs.load();
  if (pausa <= 0) return;
  std::unique_lock<std::mutex> blocco(mutex_);
  sveglia_.wait_for(blocco, std::chrono::milliseconds(pausa), [this] { return fermare_.load(); });
}

void RicercaInSottofondo::Ferma() {
  {
    const std::lock_guard<std::mutex> blocco(mutex_);
    fermare_ = true;
  }
  sveglia_.notify_all();
}

std::optional<EsitoMiglioreAmbata> RicercaInSottofondo::Attendi() {
  if (lavoro_.joinable()) lavoro_.join();
  const std::lock_guard<std::mutex> blocco(mutex_);
  std::optional<EsitoMiglioreAmbata> r = std::move(esito_);
  esito_.reset();
  return r;
}

}  // namespace ruotario
