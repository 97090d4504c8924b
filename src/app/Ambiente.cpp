#include "app/Ambiente.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace ruotario {

namespace fs = std::filesystem;

namespace {
std::string trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}
}  // namespace

std::string CercaAppDir(std::optional<std::string> variabile, const std::string& cartellaEseguibile) {
  if (variabile && !trim(*variabile).empty()) return trim(*variabile);
  return trim(cartellaEseguibile);
}

std::string CercaAppDir() {
  std::optional<std::string> variabile;
  if (const char* v = std::getenv(kVariabileCartella)) variabile = v;
  std::error_code ec;
  std::string cartella = fs::read_symlink("/proc/self/exe", ec).parent_path().string();
  if (ec) cartella = fs::current_path(ec).string();
  return CercaAppDir(variabile, cartella);
}

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
  s.AppDir = CercaAppDir();
  s.ArchivePath = ComponiPercorso(s.AppDir, kNomeArchivio);
  s.ArchivioModificato = false;
}

}  // namespace ruotario
