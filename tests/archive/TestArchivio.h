#pragma once
// Small archives for tests: records composed from a date and fifty numbers,
// written into a temporary folder removed at the end of the test.

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace ruotario::prova {

// "dd/mm/yyyy|" then ten blocks of five two-digit numbers, each closed by '|'.
// Missing numbers are written "00".
inline std::string Record(const std::string& data, const std::vector<int>& numeri) {
  std::string r = data + "|";
  for (int i = 0; i < 50; ++i) {
    const int n = i < static_cast<int>(numeri.size()) ? numeri[static_cast<std::size_t>(i)] : 0;
    r += static_cast<char>('0' + n / 10);
    r += static_cast<char>('0' + n % 10);
    if (i % 5 == 4) r += '|';
  }
  return r;
}

// A record whose Bari block is `bari` and every other wheel is 01..05.
inline std::string RecordBari(const std::string& data, std::vector<int> bari) {
  bari.resize(5, 0);
  for (int r = 1; r < 10; ++r)
    for (int k = 1; k <= 5; ++k) bari.push_back(k);
  return Record(data, bari);
}

inline std::string Unisci(const std::vector<std::string>& righe, const std::string& separatore = "\r\n") {
  std::string testo;
  for (std::size_t i = 0; i < righe.size(); ++i) testo += (i ? separatore : "") + righe[i];
  return testo;
}

class CartellaTemporanea {
 public:
  CartellaTemporanea() {
    static int contatore = 0;
    percorso_ = std::filesystem::temp_directory_path() /
                ("ruotario-test-" + std::to_string(::getpid()) + "-" + std::to_string(++contatore));
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

 private:
  std::filesystem::path percorso_;
};

}  // namespace ruotario::prova
