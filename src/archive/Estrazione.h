#pragma once
// One draw as read from the archive. Fields are taken by character position
// only; positions beyond the end of a short line give empty text.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace ruotario {

inline constexpr int kNumeroRuote = 10;
inline constexpr int kNumeriPerRuota = 5;
inline constexpr int kLunghezzaRecord = 121;
inline constexpr int kLunghezzaRiga = 123;  // record plus CR LF

// The characters of one record. Records loaded with an archive view the
// archive's buffer, so loading allocates nothing per record; a record built
// on its own, or copied out of an archive, keeps its own characters, so a
// copy stays valid whatever happens to the archive it came from.
class TestoRecord {
 public:
  TestoRecord() = default;
  TestoRecord(std::string testo) : proprio_(std::make_unique<std::string>(std::move(testo))) { puntaProprio(); }
  TestoRecord(const char* testo) : TestoRecord(std::string(testo)) {}
  // A view into characters that outlive it (the archive's buffer).
  static TestoRecord Vista(std::string_view testo) {
    TestoRecord t;
    t.dati_ = testo.data();
    t.lunghezza_ = testo.size();
    return t;
  }

  TestoRecord(const TestoRecord& altro) : TestoRecord(std::string(altro.vista())) {}
  TestoRecord& operator=(const TestoRecord& altro) {
    if (this != &altro) *this = TestoRecord(altro);
    return *this;
  }
  TestoRecord(TestoRecord&& altro) noexcept
      : dati_(std::exchange(altro.dati_, "")),
        lunghezza_(std::exchange(altro.lunghezza_, 0)),
        proprio_(std::move(altro.proprio_)) {}
  TestoRecord& operator=(TestoRecord&& altro) noexcept {
    dati_ = std::exchange(altro.dati_, "");
    lunghezza_ = std::exchange(altro.lunghezza_, 0);
    proprio_ = std::move(altro.proprio_);
    return *this;
  }
  ~TestoRecord() = default;

  std::string_view vista() const { return {dati_, lunghezza_}; }
  operator std::string_view() const { return vista(); }
  operator std::string() const { return std::string(vista()); }

  std::size_t size() const { return lunghezza_; }
  bool empty() const { return lunghezza_ == 0; }
  const char* data() const { return dati_; }
  const char* begin() const { return dati_; }
  const char* end() const { return dati_ + lunghezza_; }
  char operator[](std::size_t i) const { return dati_[i]; }
  // Writing takes a copy first: the archive's buffer is shared and never changes.
  char& operator[](std::size_t i) {
    if (!proprio_) *this = TestoRecord(std::string(vista()));
    return (*proprio_)[i];
  }

  friend bool operator==(const TestoRecord& a, std::string_view b) { return a.vista() == b; }

 private:
  void puntaProprio() {
    dati_ = proprio_->data();
    lunghezza_ = proprio_->size();
  }

  const char* dati_ = "";
  std::size_t lunghezza_ = 0;
  std::unique_ptr<std::string> proprio_;  // set when the characters are its own
};

struct Estrazione {
  int Numero = 0;    // 1-based position in the file
  TestoRecord Riga;  // the line as read, without its line break

  // Characters 1-10: the date as stored ("dd/mm/yyyy").
  std::string_view Data() const { return pezzo(0, 10); }
  // The 10 characters of wheel r (1..10).
  std::string_view Blocco(int r) const { return pezzo(11 + 11 * (r - 1), 10); }
  // The 2 characters of number k (1..5) on wheel r, as stored.
  std::string_view TestoNumero(int r, int k) const { return pezzo(11 + 11 * (r - 1) + 2 * (k - 1), 2); }
  // Numeric value of TestoNumero (0..99); only 1..90 are drawn numbers.
  int Valore(int r, int k) const;

 private:
  std::string_view pezzo(std::size_t inizio, std::size_t lunghezza) const {
    if (inizio >= Riga.size()) return {};
    return Riga.vista().substr(inizio, lunghezza);
  }
};

}  // namespace ruotario
