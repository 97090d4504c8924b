#include "systems/ui/RiduzioneInSottofondo.h"

namespace ruotario {

RiduzioneInSottofondo::~RiduzioneInSottofondo() {
  Ferma();
  Attendi();
}

void RiduzioneInSottofondo::Avvia(ParametriRiduzione parametri, Notizia notizia, Conclusa conclusa) {
  if (InCorso()) return;
  fermare_ = false;
  esito_.reset();
  lavoro_ = std::thread(
      [this, parametri = std::move(parametri), notizia = std::move(notizia), conclusa = std::move(conclusa)] {
        EsitoRiduzione e = RiduciSistema(
            parametri, [this] { return fermare_.load(); },
            [&notizia](const AvanzamentoRicerca& a) {
              if (notizia) notizia(a);
            });
        {
          const std::lock_guard<std::mutex> blocco(mutex_);
          esito_ = std::move(e);
        }
        if (conclusa) conclusa();
      });
}

std::optional<EsitoRiduzione> RiduzioneInSottofondo::Attendi() {
  if (lavoro_.joinable()) lavoro_.join();
  const std::lock_guard<std::mutex> blocco(mutex_);
  std::optional<EsitoRiduzione> r = std::move(esito_);
  esito_.reset();
  return r;
}

}  // namespace ruotario
