#include "archive/ArchivioEsempio.h"

#include <array>
#include <cstdio>

namespace ruotario {

namespace {

// splitmix64: small, portable and the same on every platform.
class Generatore {
 public:
  explicit Generatore(std::uint64_t seme) : stato_(seme) {}
  std::uint64_t prossimo() {
    std::uint64_t z = (stato_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int traUnoE(int massimo) {  // unbiased 1..massimo
    const std::uint64_t limite = UINT64_MAX - UINT64_MAX % static_cast<std::uint64_t>(massimo);
    std::uint64_t x;
    do x = prossimo();
    while (x >= limite);
    return static_cast<int>(x % static_cast<std::uint64_t>(massimo)) + 1;
  }

 private:
  std::uint64_t stato_;
};

// Days since 1970-01-01 of a civil date, and back.
long giorniDa(int a, int m, int g) {
  a -= m <= 2;
  const long era = (a >= 0 ? a : a - 399) / 400;
  const long yoe = a - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + g - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void dataDi(long z, int& a, int& m, int& g) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  g = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  a = static_cast<int>(yoe + era * 400 + (m <= 2));
}

// 0 = Sunday ... 6 = Saturday.
int giornoSettimana(long giorni) { return static_cast<int>(((giorni % 7) + 11) % 7); }

bool giornoDiEstrazione(long giorni) {
  static const long inizio1997 = giorniDa(1997, 1, 1);
  static const long meta2005 = giorniDa(2005, 7, 1);
  static const long meta2023 = giorniDa(2023, 7, 1);
  const int gs = giornoSettimana(giorni);
  if (giorni < inizio1997) return gs == 6;
  if (giorni < meta2005) return gs == 3 || gs == 6;
  if (giorni < meta2023) return gs == 2 || gs == 4 || gs == 6;
  return gs == 2 || gs == 4 || gs == 5 || gs == 6;
}

}  // namespace

std::string GeneraArchivioEsempio(const OpzioniEsempio& opzioni) {
  Generatore gen(opzioni.Seme);
  const long fineCalendario = giorniDa(2026, 8, 22);
  std::string testo;
  int scritte = 0;
  for (long giorno = giorniDa(1939, 1, 7);; ++giorno) {
    if (opzioni.Estrazioni > 0 ? scritte >= opzioni.Estrazioni : giorno > fineCalendario) break;
    if (!giornoDiEstrazione(giorno)) continue;
    int a, m, g;
    dataDi(giorno, a, m, g);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d|", g, m, a);
    if (scritte > 0) testo += "\r\n";
    testo += buf;
    for (int r = 0; r < 10; ++r) {
      std::array<bool, 91> uscito{};
      for (int k = 0; k < 5; ++k) {
        int n;
        do n = gen.traUnoE(90);
        while (uscito[static_cast<std::size_t>(n)]);
        uscito[static_cast<std::size_t>(n)] = true;
        testo += static_cast<char>('0' + n / 10);
        testo += static_cast<char>('0' + n % 10);
      }
      testo += '|';
    }
    ++scritte;
  }
  return testo;
}

}  // namespace ruotario
