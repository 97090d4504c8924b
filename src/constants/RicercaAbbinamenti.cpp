#include "constants/RicercaAbbinamenti.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

#include "app/Formato.h"
#include "app/NumeriLotto.h"

namespace ruotario {

namespace {

constexpr std::string_view kCopertoCapigioco = "9999999999";
constexpr std::string_view kCopertoAbbinamento = "0000000000";

// Value of place k (1..5) of a winning block, as the number its two characters begin with.
int valorePosto(std::string_view blocco, int k) {
  const auto inizio = static_cast<std::size_t>(2 * (k - 1));
  if (inizio >= blocco.size()) return 0;
  return ValoreTesto(blocco.substr(inizio, 2));
}

std::string percento(int parte, int tutto, char separatore) {
  return FormattaNumero(static_cast<double>(parte) / tutto * 100, "##0.00", separatore);
}

}  // namespace

GeneratoreCasuale GeneratoreDalTempo() {
  auto motore = std::make_shared<std::mt19937_64>(
      static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  return [motore] { return std::uniform_real_distribution<double>(0.0, 1.0)(*motore); };
}

std::array<int, 91> ClassificaAbbinamenti(const TabellaNumeri& t) {
  std::vector<int> numeri(90);
  std::iota(numeri.begin(), numeri.end(), 1);
  // Marked rows ("*") sort below every count; an empty count reads as 0.
  const auto chiave = [&t](int n) { return t[n].Marcato ? -1 : t[n].Sortite.value_or(0); };
  std::stable_sort(numeri.begin(), numeri.end(), [&](int a, int b) { return chiave(a) > chiave(b); });
  std::array<int, 91> c{};
  std::copy(numeri.begin(), numeri.end(), c.begin() + 1);
  return c;
}

EsitoAbbinamenti RicercaAbbinamenti(const ParametriAbbinamenti& p, const EsitoStatistica& statistica,
                                    GeneratoreCasuale casuale) {
  EsitoAbbinamenti r;
  r.Abbinamenti = p.Abbinamenti;
  if (!(p.Attive[0] || p.Attive[1] || p.Attive[2])) {
    r.Errore = ErroreAbbinamenti::NessunaAmbataAttiva;
    return r;
  }
  const int w = static_cast<int>(statistica.Vincenti.size());
  if (w < 1) {
    r.Errore = ErroreAbbinamenti::NessunaVincita;
    return r;
  }
  if (!casuale) casuale = GeneratoreDalTempo();
  r.Vincenti = w;
  r.Classifica = ClassificaAbbinamenti(statistica.Abbinamenti);
  std::array<int, 91> classifica = r.Classifica;
  if (p.Modo != ModoAbbinamenti::Manuale) r.Abbinamenti.fill("");
  const int quanti = std::clamp(p.Quanti, 1, 5);

  std::vector<std::string> vinte;
  vinte.reserve(static_cast<std::size_t>(w));
  for (const Vincente& v : statistica.Vincenti) vinte.push_back(v.Blocco);

  std::array<int, 3> capigioco{};
  for (std::size_t j = 0; j < 3; ++j) capigioco[j] = ValoreTesto(p.Capigioco[j]);

  if (p.AmboCapigioco) {
    for (std::string& blocco : vinte) {
      int uguali = 0;
      for (int k = 1; k <= 5; ++k) {
        const int v = valorePosto(blocco, k);
        for (int cg : capigioco) uguali += v == cg;
      }
      if (uguali >= 2) blocco = kCopertoCapigioco;
    }
  }

  const auto escluso = [&](int n) {
    for (int cg : capigioco)
      if (cg != 0 && cg == n) return true;
    for (const std::string& t : r.Abbinamenti) {
      const int v = ValoreTesto(t);
      if (v != 0 && v == n) return true;
    }
    return false;
  };

  for (int a = 1; a <= quanti; ++a) {
    const auto slot = static_cast<std::size_t>(a - 1);
    std::array<int, 91> freq{};
    if (p.UsaFrequenti) {
      for (int n = 1; n <= 90; ++n) freq[static_cast<std::size_t>(n)] = statistica.Frequenti[n].Sortite.value_or(0);
      for (const std::string& t : r.Abbinamenti) {
        const int v = ValoreTesto(t);
        if (v >= 1 && v <= 90) freq[static_cast<std::size_t>(v)] = -1;
      }
    } else if (p.Modo == ModoAbbinamenti::Auto) {
      for (const std::string& blocco : vinte) {
        for (int k = 1; k <= 5; ++k) {
          const int v = valorePosto(blocco, k);
          if (v >= 1 && v <= 90) ++freq[static_cast<std::size_t>(v)];
        }
      }
    }

    int scelto = 0;
    if (p.Modo == ModoAbbinamenti::Auto) {
      scelto = 1;
      int migliore = 0;
      for (int n = 1; n <= 90; ++n) {
        if (freq[static_cast<std::size_t>(n)] >= migliore && !escluso(n)) {
          scelto = n;
          migliore = freq[static_cast<std::size_t>(n)];
        }
      }
    } else if (p.Modo == ModoAbbinamenti::Probabili) {
      // Drawing positions 1..A+10 until an admissible one comes up is the same
      // as drawing uniformly among the admissible ones; this way it always ends.
      std::vector<int> ammessi;
      for (int i = 1; i <= quanti + 10; ++i) {
        const int n = classifica[static_cast<std::size_t>(i)];
        if (n != 0 && !escluso(n)) ammessi.push_back(i);
      }
      if (ammessi.empty()) {
        r.CandidatiEsauriti = true;
        break;
      }
      const double x = casuale();
      auto k = static_cast<std::size_t>(x * static_cast<double>(ammessi.size()));
      k = std::min(k, ammessi.size() - 1);
      const auto i = static_cast<std::size_t>(ammessi[k]);
      scelto = classifica[i];
      std::swap(classifica[i], classifica[static_cast<std::size_t>(quanti + 10 + a)]);
    } else {
      scelto = ValoreTesto(r.Abbinamenti[slot]);
    }

    if (p.Modo != ModoAbbinamenti::Manuale) r.Abbinamenti[slot] = DueCifre(int(scelto));

    const int valore = ValoreTesto(r.Abbinamenti[slot]);
    for (std::string& blocco : vinte) {
      for (int k = 1; k <= 5; ++k) {
        if (valorePosto(blocco, k) == valore) blocco = kCopertoAbbinamento;
      }
    }
  }

  for (const std::string& blocco : vinte) {
    r.AmboCapigioco += blocco == kCopertoCapigioco;
    r.AmboSecco += blocco == kCopertoAbbinamento;
  }
  const int c = r.AmboCapigioco;
  const int s = r.AmboSecco;
  std::string& t = r.Testo;
  t = "CASI VINCENTI TOTALI CON AMBO: " + std::to_string(c + s) + " SU: " + std::to_string(w) + "\r\n";
  t += "% CASI VINCENTI CON AMBO: " + percento(c + s, w, p.Separatore) + "%\r\n************\r\n";
  t += "CASI VINCENTI CON AMBO CAPIGIOCO: " + std::to_string(c) + " SU: " + std::to_string(w) + "\r\n";
  t += "% CASI VINCENTI CON AMBO CG: " + percento(c, w, p.Separatore) + "%\r\n";
  t += "CASI VINCENTI CON AMBO SECCO ABBINAMENTI: " + std::to_string(s) + " SU: " + std::to_string(w) + "\r\n";
  t += "% CASI VINCENTI CON AMBO SECCO: " + percento(s, w, p.Separatore) + "%";
  if (r.CandidatiEsauriti) t += "\r\n" + std::string(kMsgCandidatiEsauriti);
  return r;
}

}  // namespace ruotario
