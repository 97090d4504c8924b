#include "update/Scaricamento.h"

#include <arpa/inet.h>
#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <mutex>

#include "app/Versione.h"

namespace ruotario {

namespace {

struct ChiudiCurl {
  void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct ChiudiUrl {
  void operator()(CURLU* u) const { curl_url_cleanup(u); }
};
struct LiberaTesto {
  void operator()(char* t) const { curl_free(t); }
};

struct Trasferimento {
  const OpzioniScaricamento* opzioni;
  std::string dati;
  bool troppoGrande = false;
  bool annullato = false;
};

std::size_t scrivi(char* p, std::size_t dimensione, std::size_t quanti, void* utente) {
  auto* t = static_cast<Trasferimento*>(utente);
  const std::size_t n = dimensione * quanti;
  if (static_cast<std::int64_t>(t->dati.size() + n) > t->opzioni->LimiteByte) {
    t->troppoGrande = true;
    return 0;
  }
  t->dati.append(p, n);
  return n;
}

int avanzamento(void* utente, curl_off_t totale, curl_off_t ricevuti, curl_off_t, curl_off_t) {
  auto* t = static_cast<Trasferimento*>(utente);
  if (t->opzioni->Avanzamento && !t->opzioni->Avanzamento(ricevuti, totale)) {
    t->annullato = true;
    return 1;
  }
  return 0;
}

// The address's scheme and host, lower-cased; false when it cannot be parsed.
bool parti(const std::string& indirizzo, std::string& schema, std::string& host) {
  std::unique_ptr<CURLU, ChiudiUrl> u(curl_url());
  if (!u || curl_url_set(u.get(), CURLUPART_URL, indirizzo.c_str(), 0) != CURLUE_OK) return false;
  char* s = nullptr;
  char* h = nullptr;
  if (curl_url_get(u.get(), CURLUPART_SCHEME, &s, 0) != CURLUE_OK) return false;
  std::unique_ptr<char, LiberaTesto> ls(s);
  if (curl_url_get(u.get(), CURLUPART_HOST, &h, 0) != CURLUE_OK) return false;
  std::unique_ptr<char, LiberaTesto> lh(h);
  schema = s;
  host = h;
  for (auto* t : {&schema, &host})
    std::transform(t->begin(), t->end(), t->begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return true;
}

// An address of this computer: a name such as "127.example.com" is not one.
bool hostLocale(const std::string& host) {
  in_addr ip{};
  if (::inet_pton(AF_INET, host.c_str(), &ip) == 1) return ntohl(ip.s_addr) >> 24 == 127;
  return host == "localhost" || host == "[::1]" || host == "::1";
}

std::string descrizione(CURLcode codice, const char* dettaglio) {
  switch (codice) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY: return "indirizzo non trovato (il computer è collegato a internet?)";
    case CURLE_COULDNT_CONNECT: return "collegamento rifiutato dal server";
    case CURLE_OPERATION_TIMEDOUT: return "il server non ha risposto in tempo";
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE: return "il certificato del server non è valido: il file non è stato scaricato";
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING: return "lo scaricamento si è interrotto prima della fine";
    case CURLE_UNSUPPORTED_PROTOCOL:
      return "un reindirizzamento verso un indirizzo non sicuro (non https) è stato rifiutato";
    case CURLE_TOO_MANY_REDIRECTS: return "troppi reindirizzamenti";
    default: break;
  }
  return std::string(dettaglio && *dettaglio ? dettaglio : curl_easy_strerror(codice));
}

}  // namespace

bool IndirizzoWeb(const std::string& testo) {
  std::string inizio = testo.substr(0, 8);
  std::transform(inizio.begin(), inizio.end(), inizio.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return inizio.rfind("http://", 0) == 0 || inizio.rfind("https://", 0) == 0;
}

EsitoScaricamento Scarica(const std::string& indirizzo, const OpzioniScaricamento& opzioni) {
  static std::once_flag iniziato;
  std::call_once(iniziato, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  EsitoScaricamento esito;
  const std::string prefisso = "Impossibile scaricare " + indirizzo + ": ";
  std::string schema, host;
  if (!parti(indirizzo, schema, host)) {
    esito.Errore = prefisso + "l'indirizzo non è valido.";
    return esito;
  }
  const bool locale = hostLocale(host);
  if (schema != "https" && !(schema == "http" && locale)) {
    esito.Errore = prefisso + "solo gli indirizzi https:// sono ammessi (http:// soltanto per questo computer).";
    return esito;
  }

  std::unique_ptr<CURL, ChiudiCurl> c(curl_easy_init());
  if (!c) {
    esito.Errore = prefisso + "libcurl non si avvia.";
    return esito;
  }
  Trasferimento t{&opzioni, {}, false, false};
  char dettaglio[CURL_ERROR_SIZE] = "";
  const std::string agente = "Ruotario/" + std::string(kVersione);
  CURL* h = c.get();
  curl_easy_setopt(h, CURLOPT_URL, indirizzo.c_str());
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, locale ? "http,https" : "https");
  // A local test server never redirects; a public one only to HTTPS.
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, locale ? 0L : 1L);
  curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "https");
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
  // The proxy comes from the environment; this computer is never reached through one.
  if (locale) curl_easy_setopt(h, CURLOPT_NOPROXY, "*");
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(h, CURLOPT_USERAGENT, agente.c_str());
  curl_easy_setopt(h, CURLOPT_ACCEPT_ENCODING, "");
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, opzioni.SecondiConnessione);
  curl_easy_setopt(h, CURLOPT_TIMEOUT, opzioni.SecondiTotali);
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, opzioni.SecondiFermo);
  curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(opzioni.LimiteByte));
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, scrivi);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &t);
  curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, avanzamento);
  curl_easy_setopt(h, CURLOPT_XFERINFODATA, &t);
  curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, dettaglio);

  const CURLcode codice = curl_easy_perform(h);
  if (t.annullato) {
    esito.Annullato = true;
    esito.Errore = "Scaricamento annullato.";
    return esito;
  }
  if (codice != CURLE_OK) {
    long http = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &http);
    if (t.troppoGrande || codice == CURLE_FILESIZE_EXCEEDED)
      esito.Errore = prefisso + "il file supera " + std::to_string(opzioni.LimiteByte >> 20) +
                     " MB: non è l'archivio delle estrazioni.";
    else if (codice == CURLE_HTTP_RETURNED_ERROR)
      esito.Errore = prefisso + "il server ha risposto con l'errore " + std::to_string(http) +
                     (http == 404 ? " (file non trovato: l'indirizzo potrebbe essere cambiato)." : ".");
    else
      esito.Errore = prefisso + descrizione(codice, dettaglio) + ".";
    return esito;
  }
  esito.Dati = std::move(t.dati);
  return esito;
}

}  // namespace ruotario
