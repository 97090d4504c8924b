#include "archive/EsportaArchivio.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <filesystem>
#include <optional>
#include <system_error>

#include "app/Ambiente.h"
#include "app/ErroreSistema.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/FileArchivio.h"
#include "archive/ScritturaArchivio.h"

namespace ruotario {

namespace fs = std::filesystem;

std::string DestinazioneEsportazione(const std::string& cartella) { return ComponiPercorso(cartella, kNomeArchivio); }

EsitoEsportazione EsportaArchivio(const std::string& archivio, const std::string& cartella,
                                  std::chrono::milliseconds attesa) {
  EsitoEsportazione esito;
  esito.Destinazione = DestinazioneEsportazione(cartella);
  const std::string prefisso = "Si è verificato il seguente errore nella copia del file (cmdesporta): ";
  try {
    std::error_code ec;
    if (!fs::is_directory(cartella, ec)) {
      esito.Messaggio = prefisso + "la cartella " + cartella + " non esiste o non è raggiungibile.";
      return esito;
    }
    if (StessoFile(archivio, esito.Destinazione)) {
      esito.Messaggio =
          prefisso + "la cartella " + cartella + " è quella dell'archivio in uso. Scegliere un'altra cartella.";
      return esito;
    }
    std::string testo;
    {
      const BloccoArchivio sorgente(archivio, attesa, AperturaBlocco::Esistente);
      if (!EsisteFile(archivio) || !sorgente || !sorgente.Leggi(testo)) {
        esito.Messaggio =
            prefisso +
            (sorgente ? "impossibile leggere l'archivio " + archivio + ": " + DescrizioneErrno() : sorgente.Errore());
        return esito;
      }
    }
    std::optional<BloccoArchivio> copia;
    if (EsisteFile(esito.Destinazione)) {
      copia.emplace(esito.Destinazione, attesa, AperturaBlocco::Esistente);
      if (!*copia) {
        esito.Messaggio = prefisso + copia->Errore();
        return esito;
      }
    }
    const EsitoScrittura s = SostituisciFile(copia ? copia->Bersaglio() : esito.Destinazione, testo);
    if (!s) {
      esito.Messaggio = prefisso + s.Messaggio;
      return esito;
    }
  } catch (const std::exception& e) {
    esito.Messaggio = prefisso + e.what();
    return esito;
  }
  esito.Riuscita = true;
  esito.Messaggio = "File estrazioni copiato con successo in: " + esito.Destinazione;
  return esito;
}

std::vector<CartellaDestinazione> CartelleDestinazione(const std::string& home, const std::string& utente,
                                                       const std::vector<std::string>& radiciSupporti) {
  std::vector<CartellaDestinazione> cartelle;
  if (!home.empty()) cartelle.push_back({"Cartella personale (" + home + ")", home});
  if (utente.empty()) return cartelle;
  for (const std::string& radice : radiciSupporti) {
    std::vector<CartellaDestinazione> supporti;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(radice) / utente, ec), fine; !ec && it != fine; it.increment(ec)) {
      std::error_code ed;
      if (!it->is_directory(ed)) continue;
      supporti.push_back({it->path().filename().string() + " (" + it->path().string() + ")", it->path().string()});
    }
    std::sort(supporti.begin(), supporti.end(), [](const auto& a, const auto& b) { return a.Percorso < b.Percorso; });
    cartelle.insert(cartelle.end(), supporti.begin(), supporti.end());
  }
  return cartelle;
}

}  // namespace ruotario
