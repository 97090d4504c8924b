#include "update/Aggiornamento.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#include "app/Ambiente.h"
#include "app/ErroreSistema.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/ArchivioNazionale.h"
#include "archive/BloccoArchivio.h"
#include "archive/FileArchivio.h"
#include "archive/ScritturaArchivio.h"
#include "update/ScritturaNazionale.h"

namespace ruotario {

namespace fs = std::filesystem;

namespace {

// The files of a folder that may hold draws, by name.
std::vector<std::string> fileCartella(const std::string& cartella) {
  std::vector<std::string> file;
  std::error_code ec;
  for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
    std::error_code e;
    if (!it->is_regular_file(e)) continue;
    std::string est = it->path().extension().string();
    std::transform(est.begin(), est.end(), est.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (est == ".txt" || est == ".csv" || est == ".zip") file.push_back(it->path().string());
  }
  std::sort(file.begin(), file.end());
  return file;
}

// Larger than any archive of the draws: not worth reading into memory.
bool troppoGrande(const std::string& percorso, std::int64_t limite) {
  std::error_code ec;
  const std::uintmax_t dimensione = fs::file_size(percorso, ec);
  return !ec && dimensione > static_cast<std::uintmax_t>(limite);
}

// A text file read whole, or nullopt with the error in `lettura`.
std::optional<std::string> leggiFile(const std::string& percorso, std::int64_t limite, LetturaFonti& lettura) {
  if (troppoGrande(percorso, limite)) {
    lettura.Errore =
        "Il file " + percorso + " supera " + std::to_string(limite >> 20) + " MB: non è un archivio delle estrazioni.";
    return std::nullopt;
  }
  std::string dati;
  errno = 0;
  if (LeggiFile(percorso, dati)) return dati;
  lettura.Errore = "Impossibile leggere il file " + percorso + ": " + DescrizioneErrno() + ".";
  return std::nullopt;
}

bool formatoDiEstrazioni(FormatoFonte f) {
  return f == FormatoFonte::Storico || f == FormatoFonte::Csv || f == FormatoFonte::Ruotario || f == FormatoFonte::Zip;
}

// nazionale.txt read whole; nullopt when there is none, or on an error (in `errore`).
std::optional<std::string> leggiNazionale(const std::string& percorso, std::string& errore) {
  std::string testo;
  if (!EsisteFile(percorso)) return std::nullopt;
  errno = 0;
  if (LeggiFile(percorso, testo)) return testo;
  errore = "Impossibile leggere " + percorso + ": " + DescrizioneErrno() + ". L'archivio non è stato modificato.";
  return std::nullopt;
}

// The one write of an update, made while `blocco` holds the archive: each file
// that changed is first copied whole to its backup, then replaced whole
// through a temporary file beside it and an atomic rename (the file a symbolic
// link names, so that the link stays a link). nazionale.txt goes first: once
// the archive is renamed over, the lock no longer holds the file the path
// names and another writer may take it. An archive created only to be locked
// and not written goes again.
std::string scrivi(BloccoArchivio& blocco, const std::string& vecchio, const EsitoUnione& nuovo,
                   const std::optional<std::string>& vecchioNaz, const EsitoUnione& nuovoNaz, EsitoAggiornamento& e) {
  const std::string& archivio = blocco.Percorso();
  if (nuovoNaz.Cambiato) {
    const EsitoScrittura s = ScriviNazionale(archivio, vecchioNaz ? &*vecchioNaz : nullptr, nuovoNaz.Testo);
    if (!s) {
      blocco.Rimuovi();
      return s.Messaggio + " L'archivio non è stato modificato.";
    }
    if (vecchioNaz) e.CopiaNazionale = PercorsoCopiaNazionale(archivio);
    e.Scritto = true;
  }
  const std::string nonScritto = e.Scritto ? " La ruota Nazionale è stata aggiornata, l'archivio delle dieci ruote no."
                                           : " L'archivio non è stato modificato.";
  if (!nuovo.Cambiato) {
    blocco.Rimuovi();
    return {};
  }
  if (!blocco.Creato()) {
    const std::string copia = ComponiPercorso(CartellaDi(archivio), kNomeCopiaRiserva);
    const EsitoScrittura c = SostituisciFile(copia, vecchio);
    if (!c) return "Impossibile creare la copia di riserva: " + c.Messaggio + nonScritto;
    e.Copia = copia;
  }
  const std::string temporaneo = ComponiPercorso(CartellaDi(blocco.Bersaglio()), kNomeTemporaneoImportazione);
  const EsitoScrittura s = SostituisciFile(blocco.Bersaglio(), nuovo.Testo, temporaneo);
  if (!s) {
    blocco.Rimuovi();
    return "Impossibile scrivere l'archivio: " + s.Messaggio + nonScritto;
  }
  SbloccaArchivio(archivio);
  e.Scritto = true;
  return {};
}

}  // namespace

LetturaFonti LeggiFonti(const std::vector<std::string>& fonti, const FunzioneAvanzamento& avanzamento,
                        OpzioniScaricamento scaricamento) {
  LetturaFonti l;
  const std::vector<std::string> elenco = fonti.empty() ? std::vector<std::string>{kIndirizzoUfficiale} : fonti;
  const auto prosegui = [&](FaseAggiornamento fase, const std::string& fonte, std::int64_t fatto, std::int64_t totale) {
    if (!avanzamento || avanzamento({fase, fonte, fatto, totale})) return true;
    l.Annullata = true;
    l.Errore = "Aggiornamento annullato: l'archivio non è stato modificato.";
    return false;
  };
  const auto leggi = [&](const std::string& nome, const std::string& dati) {
    return prosegui(FaseAggiornamento::Lettura, nome, static_cast<std::int64_t>(dati.size()), 0) &&
           LeggiFonte(nome, dati, l);
  };
  for (const std::string& fonte : elenco) {
    if (IndirizzoWeb(fonte) || fonte.find("://") != std::string::npos) {  // the downloader refuses other schemes
      scaricamento.Avanzamento = [&](std::int64_t ricevuti, std::int64_t totale) {
        return prosegui(FaseAggiornamento::Scaricamento, fonte, ricevuti, totale);
      };
      EsitoScaricamento s = Scarica(fonte, scaricamento);
      if (s.Annullato) {
        l.Righe.clear();
        return l;
      }
      if (!s) {
        l.Errore = s.Errore;
        return l;
      }
      if (!leggi(fonte, s.Dati)) break;
      continue;
    }
    std::error_code ec;
    if (!fs::is_directory(fonte, ec)) {
      if (!EsisteFile(fonte)) {
        l.Errore = "Il file " + fonte + " non esiste.";
        return l;
      }
      const auto dati = leggiFile(fonte, scaricamento.LimiteByte, l);
      if (!dati || !leggi(fonte, *dati)) break;
      continue;
    }
    bool trovato = false;
    for (const std::string& file : fileCartella(fonte)) {
      if (troppoGrande(file, scaricamento.LimiteByte)) continue;  // a backup or a video beside the draws
      const auto dati = leggiFile(file, scaricamento.LimiteByte, l);
      if (!dati) break;
      if (!formatoDiEstrazioni(RiconosciFormato(*dati))) continue;  // a note beside the draws
      trovato = true;
      if (!leggi(file, *dati)) break;
    }
    if (!l.Errore.empty()) break;
    if (!trovato) {
      l.Errore =
          "La cartella " + fonte + " non contiene file di estrazioni (.txt, .csv o .zip) in un formato conosciuto.";
      break;
    }
  }
  if (!l.Errore.empty()) {
    l.Righe.clear();
    return l;
  }
  ConcludiLettura(l);
  return l;
}

EsitoAggiornamento ApplicaAggiornamento(const std::string& archivio, const LetturaFonti& lettura,
                                        const OpzioniUnione& opzioni, bool prova, std::chrono::milliseconds attesa) {
  EsitoAggiornamento e;
  e.Prova = prova;
  e.PercorsoArchivio = archivio;
  const auto conLettura = [&](StatoAggiornamento stato, std::string messaggio) {
    e.Stato = stato;
    e.Messaggio = std::move(messaggio);
    e.Lettura = lettura;
    e.Lettura.Righe.clear();
    e.Archivio.Testo.clear();
    e.Nazionale.Testo.clear();
    return e;
  };
  if (lettura.Annullata) return conLettura(StatoAggiornamento::Annullato, lettura.Errore);
  if (!lettura.Errore.empty())
    return conLettura(StatoAggiornamento::Errore, lettura.Errore + " L'archivio non è stato modificato.");
  const std::vector<RecordFonte> record = RecordArchivio(lettura);
  const std::vector<RecordFonte> recordNaz = RecordNazionale(lettura);

  // Read, merge and write under the archive's lock: another program's draw
  // appended meanwhile is neither lost nor taken for a gap.
  std::optional<BloccoArchivio> blocco;
  if (!prova || EsisteFile(archivio)) {
    SbloccaArchivio(archivio);
    blocco.emplace(archivio, attesa, prova ? AperturaBlocco::Esistente : AperturaBlocco::CreaSeManca);
    if (!*blocco) {
      const std::string& motivo = blocco->Errore();
      return conLettura(StatoAggiornamento::Errore, "Impossibile aggiornare l'archivio: " + motivo +
                                                        (motivo.ends_with('.') ? "" : ".") +
                                                        " L'archivio non è stato modificato.");
    }
    if (!prova && blocco->Collegamenti() > 1)
      return conLettura(StatoAggiornamento::Errore,
                        "Impossibile aggiornare: " + RifiutoCollegamenti(archivio, blocco->Collegamenti()) +
                            " L'archivio non è stato modificato.");
  }
  std::string vecchio;
  std::string errore;
  if (blocco && !blocco->Leggi(vecchio))
    return conLettura(StatoAggiornamento::Errore,
                      "Impossibile leggere l'archivio " + archivio + ": " + DescrizioneErrno() + ".");
  const auto vecchioNaz = leggiNazionale(PercorsoNazionale(archivio), errore);
  if (!errore.empty()) {
    if (blocco) blocco->Rimuovi();
    return conLettura(StatoAggiornamento::Errore, errore);
  }

  e.Archivio = UnisciArchivio(vecchio, record, opzioni, lettura.DateScartate);
  e.Nazionale = UnisciNazionale(vecchioNaz.value_or(""), recordNaz, opzioni.Sostituisci, lettura.DateScartate);
  const bool conflitti = e.Archivio.ConflittiAperti() || e.Nazionale.ConflittiAperti();
  const bool cambiato = e.Archivio.Cambiato || e.Nazionale.Cambiato;
  // An archive created only to be locked goes again when nothing is written.
  if (blocco && (prova || conflitti || !cambiato)) blocco->Rimuovi();
  if (conflitti) return conLettura(StatoAggiornamento::Conflitti, {});
  if (!cambiato) return conLettura(StatoAggiornamento::GiaAggiornato, {});
  if (prova) return conLettura(StatoAggiornamento::Aggiornato, {});
  errore = scrivi(*blocco, vecchio, e.Archivio, vecchioNaz, e.Nazionale, e);
  return conLettura(errore.empty() ? StatoAggiornamento::Aggiornato : StatoAggiornamento::Errore, errore);
}

EsitoAggiornamento AggiornaArchivio(const std::string& archivio, const std::vector<std::string>& fonti,
                                    const OpzioniUnione& opzioni, bool prova, const FunzioneAvanzamento& avanzamento) {
  return ApplicaAggiornamento(archivio, LeggiFonti(fonti, avanzamento), opzioni, prova);
}

}  // namespace ruotario
