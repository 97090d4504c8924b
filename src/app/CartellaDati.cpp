#include "app/CartellaDati.h"

#include <pwd.h>
#include <unistd.h>

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

std::optional<std::string> ambiente(const char* nome) {
  if (const char* v = std::getenv(nome)) return std::string(v);
  return std::nullopt;
}

// "/usr/bin" -> "/usr/share/ruotario" when the executable sits in an installed layout.
std::optional<std::string> cartellaInstallata(const std::string& eseguibile,
                                              const std::function<bool(const std::string&)>& eCartella) {
  fs::path bin(eseguibile);
  if (!bin.has_filename()) bin = bin.parent_path();  // "/usr/bin/"
  if (bin.filename() != "bin") return std::nullopt;
  const fs::path condivisa = bin.parent_path() / "share" / kSottocartellaDati;
  if (!eCartella(condivisa.string())) return std::nullopt;
  return condivisa.string();
}

// The user's data home of the XDG base directory rules: a relative or empty
// XDG_DATA_HOME is ignored.
std::string datiUtente(const IngressiCartelle& in) {
  if (in.XdgDataHome && !in.XdgDataHome->empty() && in.XdgDataHome->front() == '/') return *in.XdgDataHome;
  if (in.Home.empty()) return {};
  return (fs::path(in.Home) / ".local" / "share").string();
}

}  // namespace

CartelleProgramma DecidiCartelle(const IngressiCartelle& in, const std::function<bool(const std::string&)>& eCartella) {
  CartelleProgramma c;
  const std::string eseguibile = trim(in.CartellaEseguibile);
  const auto condivisa = cartellaInstallata(eseguibile, eCartella);
  c.Installato = condivisa.has_value();
  c.CartellaCondivisa = condivisa.value_or(eseguibile);

  if (in.Variabile && !trim(*in.Variabile).empty()) {
    c.AppDir = trim(*in.Variabile);
    c.Origine = OrigineCartella::Variabile;
    return c;
  }
  const std::string utente = c.Installato ? datiUtente(in) : std::string();
  if (utente.empty()) {  // not installed, or no home to keep data in
    c.AppDir = eseguibile;
    c.Origine = OrigineCartella::Eseguibile;
    return c;
  }
  c.AppDir = (fs::path(utente) / kSottocartellaDati).string();
  c.Origine = OrigineCartella::Installato;
  return c;
}

IngressiCartelle LeggiIngressiCartelle() {
  IngressiCartelle in;
  in.Variabile = ambiente(kVariabileCartella);
  in.XdgDataHome = ambiente("XDG_DATA_HOME");
  std::error_code ec;
  in.CartellaEseguibile = fs::read_symlink("/proc/self/exe", ec).parent_path().string();
  if (ec) in.CartellaEseguibile = fs::current_path(ec).string();
  in.Home = ambiente("HOME").value_or("");
  if (in.Home.empty()) {
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) in.Home = pw->pw_dir;
  }
  return in;
}

CartelleProgramma CercaCartelle() {
  CartelleProgramma c = DecidiCartelle(LeggiIngressiCartelle(), [](const std::string& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
  });
  if (c.Origine == OrigineCartella::Installato) {
    std::error_code ec;
    // Private to the user, as the XDG rules ask for folders they create.
    if (fs::create_directories(c.AppDir, ec)) fs::permissions(c.AppDir, fs::perms::owner_all, ec);
  }
  return c;
}

}  // namespace ruotario
