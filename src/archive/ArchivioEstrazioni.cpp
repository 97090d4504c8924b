#include "archive/ArchivioEstrazioni.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "archive/MemoriaGrande.h"

namespace ruotario {

namespace {

// The archive text: one block of exactly its size.
class Blocco {
 public:
  Blocco() = default;
  explicit Blocco(std::size_t lunghezza) : lunghezza_(lunghezza), visibile_(lunghezza) {
    if (lunghezza >= kBloccoGrande) {
      dati_ = static_cast<char*>(AllocaGrande(lunghezza));
    } else {
      proprio_ = std::make_unique_for_overwrite<char[]>(lunghezza);
      dati_ = proprio_.get();
    }
  }
  ~Blocco() {
    if (!proprio_) LiberaGrande(dati_, lunghezza_);
  }
  Blocco(Blocco&& altro) noexcept
      : dati_(std::exchange(altro.dati_, nullptr)),
        lunghezza_(std::exchange(altro.lunghezza_, 0)),
        visibile_(std::exchange(altro.visibile_, 0)),
        proprio_(std::move(altro.proprio_)) {}
  Blocco& operator=(Blocco&&) = delete;
  Blocco(const Blocco&) = delete;
  Blocco& operator=(const Blocco&) = delete;

  char* dati() const { return dati_; }
  std::size_t lunghezza() const { return lunghezza_; }
  // Keeps only the first `n` characters in view (a file that shrank while read).
  void accorcia(std::size_t n) { visibile_ = n; }
  std::string_view testo() const { return {dati_, visibile_}; }

 private:
  char* dati_ = nullptr;
  std::size_t lunghezza_ = 0;
  std::size_t visibile_ = 0;
  std::unique_ptr<char[]> proprio_;
};

}  // namespace

struct ArchivioEstrazioni::Contenuto {
  Blocco testo;
  VettoreGrande<Estrazione> estrazioni;
};

namespace {

class Descrittore {
 public:
  explicit Descrittore(const std::string& percorso) : fd_(::open(percorso.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~Descrittore() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descrittore(const Descrittore&) = delete;
  Descrittore& operator=(const Descrittore&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

// Fills `dest` as far as the file goes; the count read, or -1 on an error.
long long leggiFino(int fd, char* dest, std::size_t quanti) {
  std::size_t letti = 0;
  while (letti < quanti) {
    const ssize_t n = ::read(fd, dest + letti, quanti - letti);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    letti += static_cast<std::size_t>(n);
  }
  return static_cast<long long>(letti);
}

// The size the file has now (0 when unknown: it is then read to its end all the same).
std::size_t dimensione(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) return 0;
  return static_cast<std::size_t>(st.st_size);
}

// Reads what follows in the file, when it has grown since its size was taken.
bool leggiResto(int fd, std::string& resto) {
  char buf[1 << 16];
  for (;;) {
    const long long n = leggiFino(fd, buf, sizeof buf);
    if (n < 0) return false;
    resto.append(buf, static_cast<std::size_t>(n));
    if (n < static_cast<long long>(sizeof buf)) return true;
  }
}

}  // namespace

bool LeggiFile(const std::string& percorso, std::string& testo) {
  testo.clear();
  const Descrittore f(percorso);
  if (f.fd() < 0) return false;
  testo.resize(dimensione(f.fd()));
  const long long n = leggiFino(f.fd(), testo.data(), testo.size());
  if (n < 0) return false;
  const bool pieno = static_cast<std::size_t>(n) == testo.size();
  testo.resize(static_cast<std::size_t>(n));
  return !pieno || leggiResto(f.fd(), testo);
}

ArchivioEstrazioni::ArchivioEstrazioni(std::shared_ptr<const Contenuto> contenuto)
    : contenuto_(std::move(contenuto)),
      record_(contenuto_->estrazioni.data()),
      conta_(static_cast<int>(contenuto_->estrazioni.size())) {}

ArchivioEstrazioni::ArchivioEstrazioni(std::vector<Estrazione> estrazioni)
    : ArchivioEstrazioni([&] {
        auto c = std::make_shared<Contenuto>();
        c->estrazioni.reserve(estrazioni.size());
        for (Estrazione& e : estrazioni) c->estrazioni.push_back(std::move(e));
        return std::shared_ptr<const Contenuto>(std::move(c));
      }()) {}

namespace {

// Indexes the lines of the text, which the new archive then owns.
template <typename Contenuto>
std::shared_ptr<const Contenuto> indicizza(Blocco testo) {
  auto c = std::make_shared<Contenuto>(Contenuto{std::move(testo), {}});
  const std::string_view t = c->testo.testo();
  // Enough for records of 121 characters with either kind of line break.
  c->estrazioni.reserve(t.size() / (kLunghezzaRecord + 1) + 1);
  int numero = 0;
  PerOgniRiga(t, [&](std::string_view riga) {
    c->estrazioni.push_back(Estrazione{++numero, TestoRecord::Vista(riga)});
  });
  return c;
}

}  // namespace

ArchivioEstrazioni ArchivioEstrazioni::DaTesto(std::string_view testo) {
  Blocco blocco(testo.size());
  if (!testo.empty()) std::memcpy(blocco.dati(), testo.data(), testo.size());
  return ArchivioEstrazioni(indicizza<Contenuto>(std::move(blocco)));
}

ArchivioEstrazioni ArchivioEstrazioni::CaricaArchivio(const std::string& percorso) {
  return LeggiArchivio(percorso).value_or(ArchivioEstrazioni());
}

std::optional<ArchivioEstrazioni> ArchivioEstrazioni::LeggiArchivio(const std::string& percorso) {
  const Descrittore f(percorso);
  if (f.fd() < 0) return std::nullopt;
  Blocco blocco(dimensione(f.fd()));
  const long long n = leggiFino(f.fd(), blocco.dati(), blocco.lunghezza());
  if (n < 0) return std::nullopt;
  const auto letti = static_cast<std::size_t>(n);
  if (letti < blocco.lunghezza()) {
    blocco.accorcia(letti);
  } else {
    // The file may have grown since its size was taken (or had no size to take).
    std::string resto;
    if (!leggiResto(f.fd(), resto)) return std::nullopt;
    if (!resto.empty()) {
      Blocco tutto(letti + resto.size());
      if (letti > 0) std::memcpy(tutto.dati(), blocco.dati(), letti);
      std::memcpy(tutto.dati() + letti, resto.data(), resto.size());
      return ArchivioEstrazioni(indicizza<Contenuto>(std::move(tutto)));
    }
  }
  return ArchivioEstrazioni(indicizza<Contenuto>(std::move(blocco)));
}

std::string_view ArchivioEstrazioni::Testo() const {
  return contenuto_ ? contenuto_->testo.testo() : std::string_view();
}

bool ArchivioEstrazioni::FormaFissa() const {
  const std::string_view testo = Testo();
  for (int i = 1; i <= conta_; ++i) {
    const std::string_view r = record_[i - 1].Riga.vista();
    const auto offset = static_cast<std::size_t>(kLunghezzaRiga) * static_cast<std::size_t>(i - 1);
    if (r.size() != kLunghezzaRecord || r.data() != testo.data() + offset) return false;
  }
  return true;
}

std::string ArchivioEstrazioni::EtichettaData(int i) const {
  std::string etichetta = std::to_string(i) + ": ";
  if (i >= 1 && i <= Conta()) etichetta += (*this)[i].Data();
  return etichetta;
}

}  // namespace ruotario
