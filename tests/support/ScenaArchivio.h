#pragma once
// The program folder "app" holding the archive, sibling folders standing for
// the user's disks, and the message and file-dialog fakes in place: the
// setting of the windows that copy archives in and out of the program.

#include <filesystem>
#include <string>

#include "app/Ambiente.h"
#include "support/ArchivioProva.h"
#include "support/FintiServizi.h"

namespace ruotario::prova {

struct ScenaArchivio {
  const StatoProgramma stato = Stato();  // put back when the scene ends
  CartellaTemporanea dir;
  FintiMessaggi messaggi;
  FintiDialoghiFile dialoghi;

  template <typename... Cartelle>
  explicit ScenaArchivio(const std::string& archivio, const Cartelle&... cartelle) {
    for (const std::string& c : {std::string("app"), std::string(cartelle)...})
      std::filesystem::create_directories(dir.File(c));
    Stato().AppDir = dir.File("app");
    Stato().ArchivePath = dir.Scrivi("app/estrazioni.txt", archivio);
    impostaMessaggi(&messaggi);
    impostaDialoghiFile(&dialoghi);
  }
  ~ScenaArchivio() {
    impostaMessaggi(nullptr);
    impostaDialoghiFile(nullptr);
    Stato() = stato;
  }
  ScenaArchivio(const ScenaArchivio&) = delete;
  ScenaArchivio& operator=(const ScenaArchivio&) = delete;
};

}  // namespace ruotario::prova
