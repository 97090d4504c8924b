#pragma once
// The one downloader of both programs (libcurl): HTTPS with the certificate
// always checked, plain http only for an address of this computer, a proxy
// taken from the environment (https_proxy, no_proxy...), redirects followed
// only to HTTPS, a time limit, a size limit, progress and cancellation.

#include <cstdint>
#include <functional>
#include <string>

namespace ruotario {

// Where the concessionaire publishes the historical archive; the desktop
// keeps its own setting and the command line takes --da.
inline constexpr const char* kIndirizzoUfficiale =
    "https://www.brightstarlottery.it/STORICO_ESTRAZIONI_LOTTO/storico.zip";

struct OpzioniScaricamento {
  long SecondiConnessione = 30;  // to connect
  long SecondiFermo = 60;        // at most this long without a byte received
  long SecondiTotali = 600;      // the whole download
  std::int64_t LimiteByte = std::int64_t{64} << 20;
  // Called as bytes arrive (totale 0 while unknown); false cancels.
  std::function<bool(std::int64_t ricevuti, std::int64_t totale)> Avanzamento;
};

struct EsitoScaricamento {
  std::string Dati;
  std::string Errore;  // Italian; empty when the whole file arrived
  bool Annullato = false;
  explicit operator bool() const { return Errore.empty() && !Annullato; }
};

// True for http:// and https:// addresses.
bool IndirizzoWeb(const std::string& testo);

EsitoScaricamento Scarica(const std::string& indirizzo, const OpzioniScaricamento& opzioni);

}  // namespace ruotario
