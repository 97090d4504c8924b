#include "archive/FileArchivio.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "app/ErroreSistema.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/VerificaArchivio.h"

namespace ruotario {

namespace fs = std::filesystem;

namespace {

DatiFileArchivio leggiDati(const std::string& percorso, bool controlla) {
  DatiFileArchivio dati;
  dati.Percorso = percorso;
  std::error_code ec;
  if (fs::is_directory(percorso, ec)) {
    dati.Errore = "il percorso " + percorso + " è una cartella, non un file";
    return dati;
  }
  std::string testo;
  errno = 0;
  if (!LeggiFile(percorso, testo)) {
    const int codice = errno;
    dati.Esiste = fs::exists(percorso, ec);
    dati.Errore = DescrizioneErrore(codice);
    return dati;
  }
  dati.Esiste = true;
  dati.Byte = static_cast<std::int64_t>(testo.size());
  dati.DimensioneKB = dati.Byte / 1024;
  const EsitoValidita v = ControllaValidita(testo);
  dati.TotaleEstrazioni = v.Righe;
  dati.DataUltima = v.DataUltima;
  if (controlla) dati.Valido = v.Valido;
  return dati;
}

}  // namespace

DatiFileArchivio calctotest(const std::string& percorso) { return leggiDati(percorso, true); }

DatiFileArchivio ContaEstrazioni(const std::string& percorso) { return leggiDati(percorso, false); }

bool NomeImportabile(const std::string& percorso) {
  constexpr std::string_view kFine = "estrazioni.txt";
  const std::string nome = fs::path(percorso).filename().string();
  if (nome.size() < kFine.size()) return false;
  return std::equal(kFine.begin(), kFine.end(), nome.end() - static_cast<std::ptrdiff_t>(kFine.size()),
                    [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

bool StessoFile(const std::string& a, const std::string& b) {
  std::error_code ec1, ec2;
  const fs::path pa = fs::weakly_canonical(fs::absolute(a, ec1), ec1);
  const fs::path pb = fs::weakly_canonical(fs::absolute(b, ec2), ec2);
  if (!ec1 && !ec2 && pa == pb) return true;
  std::error_code ec;
  return fs::equivalent(a, b, ec) && !ec;
}

std::string CartellaDi(const std::string& percorso) {
  const fs::path cartella = fs::path(percorso).parent_path();
  return cartella.empty() ? std::string(".") : cartella.string();
}

}  // namespace ruotario
