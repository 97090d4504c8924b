#include "app/Ambiente.h"

#include <filesystem>
#include <system_error>

namespace ruotario {

namespace fs = std::filesystem;

std::string CercaAppDir() { return CercaCartelle().AppDir; }

std::string ComponiPercorso(const std::string& appDir, const std::string& nome) {
  if (!appDir.empty() && appDir.back() == '/') return appDir + nome;
  return appDir + "/" + nome;
}

bool EsisteFile(const std::string& percorso) {
  std::error_code ec;
  return fs::is_regular_file(percorso, ec);
}

void SbloccaArchivio(const std::string& percorso) {
  if (!EsisteFile(percorso)) return;
  std::error_code ec;
  fs::permissions(percorso, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
}

StatoProgramma& Stato() {
  static StatoProgramma stato;
  return stato;
}

void InizializzaStato() {
  StatoProgramma& s = Stato();
  const CartelleProgramma c = CercaCartelle();
  s.AppDir = c.AppDir;
  s.ArchivePath = ComponiPercorso(s.AppDir, kNomeArchivio);
  s.CartellaCondivisa = c.CartellaCondivisa;
  s.DatiUtente = c.Origine == OrigineCartella::Installato;
  s.ArchivioModificato = false;
}

std::string PercorsoFileProgramma(const StatoProgramma& stato, const std::string& nome) {
  const std::string proprio = ComponiPercorso(stato.AppDir, nome);
  if (EsisteFile(proprio) || stato.CartellaCondivisa.empty()) return proprio;
  const std::string condiviso = ComponiPercorso(stato.CartellaCondivisa, nome);
  return EsisteFile(condiviso) ? condiviso : proprio;
}

}  // namespace ruotario
