#pragma once
// Small hand-made archives for tests: 121-character records composed from a
// date and the fifty numbers of the ten wheels, and a temporary folder.

#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "archive/ArchivioEstrazioni.h"

namespace ruotario::prova {

using Cinque = std::array<int, 5>;

inline std::string DueCifreProva(int n) {
  char due[16];
  std::snprintf(due, sizeof due, "%02d", n);
  return due;
}

// "dd/mm/yyyy|" then ten blocks of five two-digit numbers, each closed by '|';
// numbers not given are written "00".
inline std::string Record(const std::string& data, const std::vector<int>& numeri) {
  std::string r = data + "|";
  for (std::size_t i = 0; i < 50; ++i) {
    r += DueCifreProva(i < numeri.size() ? numeri[i] : 0);
    if (i % 5 == 4) r += '|';
  }
  return r;
}

// Date of test record i (1-based): day 1..28 cycling through the months.
inline std::string DataProva(int i, int primoAnno = 2000) {
  char d[32];
  std::snprintf(d, sizeof d, "%02d/%02d/%04d", (i - 1) % 28 + 1, (i - 1) / 28 % 12 + 1, primoAnno + (i - 1) / 336);
  return d;
}

// Bari holds `bari`, every other wheel 01..05.
inline std::string RecordBari(const std::string& data, std::vector<int> bari) {
  bari.resize(5, 0);
  for (int r = 1; r < 10; ++r)
    for (int k = 1; k <= 5; ++k) bari.push_back(k);
  return Record(data, bari);
}

// Wheel `ruota` holds `numeri`, every other wheel the filler 81..85, so a
// study of the wrong wheel finds nothing it expects.
inline std::string RecordRuota(int indice, const Cinque& numeri, int ruota = 1) {
  std::vector<int> tutti;
  for (int r = 1; r <= 10; ++r)
    for (int k = 0; k < 5; ++k) tutti.push_back(r == ruota ? numeri[static_cast<std::size_t>(k)] : 81 + k);
  return Record(DataProva(indice + 1, 1939), tutti);
}

// Draws written as texts of five numbers, "1 2 5 3 4", so that long archives stay short.
inline std::vector<Cinque> Estrazioni(const std::vector<std::string>& testi) {
  std::vector<Cinque> estrazioni;
  for (const auto& t : testi) {
    std::istringstream in(t);
    Cinque c{};
    for (int& n : c) in >> n;
    estrazioni.push_back(c);
  }
  return estrazioni;
}

// Three well-formed draws of January 1939, for tests that need any small archive.
inline const std::string kR1 = RecordBari("07/01/1939", {58, 22, 47, 49, 69});
inline const std::string kR2 = RecordBari("14/01/1939", {18, 77, 33, 62, 19});
inline const std::string kR3 = RecordBari("21/01/1939", {68, 65, 41, 28, 67});

inline std::string Unisci(const std::vector<std::string>& righe, const std::string& separatore = "\r\n") {
  std::string testo;
  for (std::size_t i = 0; i < righe.size(); ++i) testo += (i ? separatore : "") + righe[i];
  return testo;
}

// An archive of one wheel's draws, oldest first.
inline std::string TestoArchivio(const std::vector<Cinque>& estrazioni, int ruota = 1) {
  std::vector<std::string> record;
  for (std::size_t i = 0; i < estrazioni.size(); ++i)
    record.push_back(RecordRuota(static_cast<int>(i), estrazioni[i], ruota));
  return Unisci(record);
}

inline ArchivioEstrazioni Archivio(const std::vector<Cinque>& estrazioni, int ruota = 1) {
  return ArchivioEstrazioni::DaTesto(TestoArchivio(estrazioni, ruota));
}

inline Estrazione Una(const Cinque& numeri, int ruota = 1) { return Estrazione{1, RecordRuota(0, numeri, ruota)}; }

// Archive text of the given Bari blocks (other wheels "00"), dates from DataProva.
inline std::string TestoBari(const std::vector<std::vector<int>>& bari) {
  std::vector<std::string> record;
  for (std::size_t i = 0; i < bari.size(); ++i) record.push_back(Record(DataProva(static_cast<int>(i) + 1), bari[i]));
  return Unisci(record);
}

inline ArchivioEstrazioni ArchivioBari(const std::vector<std::vector<int>>& bari) {
  return ArchivioEstrazioni::DaTesto(TestoBari(bari));
}

// Where tests that write and sync many times put their folders: memory
// (/dev/shm) where there is one, so every sync returns at once.
inline std::filesystem::path BaseInMemoria() {
  std::error_code ec;
  return std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm")
                                                       : std::filesystem::temp_directory_path();
}

class CartellaTemporanea {
 public:
  CartellaTemporanea(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
    static int contatore = 0;
    percorso_ = base / ("ruotario-test-" + std::to_string(::getpid()) + "-" + std::to_string(++contatore));
    std::filesystem::create_directories(percorso_);
  }
  ~CartellaTemporanea() {
    std::error_code ec;
    std::filesystem::remove_all(percorso_, ec);
  }
  CartellaTemporanea(const CartellaTemporanea&) = delete;
  CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

  std::string File(const std::string& nome) const { return (percorso_ / nome).string(); }
  std::string Scrivi(const std::string& nome, const std::string& contenuto) const {
    std::ofstream(File(nome), std::ios::binary) << contenuto;
    return File(nome);
  }
  static std::string Leggi(const std::string& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // Entries in folder `nome`, "" for the folder itself.
  int ContaFile(const std::string& nome) const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(File(nome)), {}));
  }

 private:
  std::filesystem::path percorso_;
};

}  // namespace ruotario::prova
