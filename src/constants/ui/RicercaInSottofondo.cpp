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
    const auto fermare = [this] { return fermare_.load(); };
    EsitoSottofondo r;
    r.Ricerca = CercaMiglioreAmbata(parametri, archivio, fermare, [this, &candidato](int c) {
      if (candidato) candidato(c);
      attendiPausa();
    });
    r.Caso = BaseCasoRicercaAmbata(r.Ricerca);
    if (!r.Ricerca.Fermata && !fermare()) {
      // Its candidates are not shown: the box keeps the winner of the whole span.
      RisultatoFuoriCampione f =
          CercaFuoriCampione(parametri, archivio, kQuotaCampione, fermare, [this](int) { attendiPausa(); });
      if (f.Errore == ErroreFuoriCampione::Nessuno && !f.Esito.Ricerca.Fermata) r.FuoriCampione = std::move(f.Esito);
    }
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

std::optional<EsitoSottofondo> RicercaInSottofondo::Attendi() {
  if (lavoro_.joinable()) lavoro_.join();
  const std::lock_guard<std::mutex> blocco(mutex_);
  std::optional<EsitoSottofondo> r = std::move(esito_);
  esito_.reset();
  return r;
}

}  // namespace ruotario
