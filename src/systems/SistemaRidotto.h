#pragma once
// Reduced systems: from n chosen numbers, tickets of k numbers such that, if m
// of the n numbers are drawn, some ticket holds at least t of them (sorte t if
// m). A classic design is used when one fits, else a seeded local search
// shrinks a greedy covering; the tickets found are then proved on every case
// before they are handed back.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "systems/Colonne.h"
#include "systems/Garanzia.h"
#include "systems/Limiti.h"
#include "systems/RicercaLocale.h"

namespace ruotario {

inline constexpr std::uint64_t kSemePredefinito = 1;
// The search's default effort, in cases looked at: a second or two for the
// larger systems; the window and the command line use the same.
inline constexpr std::uint64_t kSforzoPredefinito = 20'000'000;
inline constexpr int kMassimoNumeriRidotto = 40;
inline constexpr std::size_t kMassimoColonneRidotto = 10'000;

struct ParametriRiduzione {
  std::vector<int> Numeri;
  int PerColonna = 5;  // k
  int Sorte = 2;       // t, 2..5
  int Se = 2;          // m, t..5
  std::uint64_t Seme = kSemePredefinito;
  std::uint64_t Sforzo = kSforzoPredefinito;
};

struct EsitoRiduzione {
  std::string Errore;  // nothing was built
  Sistema Colonne;     // each ascending, in lexicographic order
  std::string Metodo;  // the design used, or the search and its seed
  EsitoVerificaGaranzia Verifica;
  // Only for m = t, a covering design C(n, k, t): Schönheim's bound and the
  // smallest size published, when known.
  std::optional<std::uint64_t> LimiteInferiore;
  std::optional<MiglioreNoto> Noto;
  bool Ottimo = false;   // as small as any can be (it meets a proven bound)
  bool Fermata = false;  // the search was stopped: the best found so far, proved
};

// The error of a choice, "" when a reduced system can be built for it.
std::string ControllaRiduzione(const ParametriRiduzione& p);

EsitoRiduzione RiduciSistema(const ParametriRiduzione& p, const RichiestaStop& fermare = {},
                             const AvanzamentoCopertura& avanzamento = {});

}  // namespace ruotario
