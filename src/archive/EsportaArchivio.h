#pragma once
// Copies the archive into a chosen folder (a pen drive, a backup folder) as
// estrazioni.txt, through a temporary name in that folder and a rename, so a
// failed copy never leaves a partial file there.

#include <chrono>
#include <string>
#include <vector>

#include "archive/BloccoArchivio.h"

namespace ruotario {

// The export copy's path: `cartella` followed by estrazioni.txt.
std::string DestinazioneEsportazione(const std::string& cartella);

struct EsitoEsportazione {
  bool Riuscita = false;
  std::string Destinazione;
  std::string Messaggio;  // Italian, for the user, success or not
  explicit operator bool() const { return Riuscita; }
};

// Replaces any estrazioni.txt already in the folder: ask the user first. The
// archive is read under its lock, and a copy already there is replaced under
// its own (it may be another program's archive).
EsitoEsportazione EsportaArchivio(const std::string& archivio, const std::string& cartella,
                                  std::chrono::milliseconds attesa = kAttesaBlocco);

struct CartellaDestinazione {
  std::string Nome;      // shown in the list
  std::string Percorso;  // the folder
};

// Where an export may go: the user's home folder, then every medium mounted
// under <radice>/<utente> for each of `radiciSupporti`, by name.
std::vector<CartellaDestinazione> CartelleDestinazione(const std::string& home, const std::string& utente,
                                                       const std::vector<std::string>& radiciSupporti = {"/media",
                                                                                                         "/run/media"});

}  // namespace ruotario
