#include "systems/SistemaRidotto.h"

#include <algorithm>
#include <bit>

#include "systems/Combinatoria.h"
#include "systems/Costruzioni.h"
#include "systems/Sviluppo.h"

namespace ruotario {

namespace {

std::vector<std::uint64_t> maschere(const std::vector<std::vector<int>>& blocchi) {
  std::vector<std::uint64_t> m;
  for (const auto& b : blocchi) {
    std::uint64_t x = 0;
    for (const int p : b) x |= std::uint64_t{1} << p;
    m.push_back(x);
  }
  return m;
}

Sistema colonne(const std::vector<std::uint64_t>& blocchi, const std::vector<int>& numeri) {
  Sistema s;
  for (std::uint64_t b : blocchi) {
    Colonna c;
    for (; b; b &= b - 1) c.push_back(numeri[static_cast<std::size_t>(std::countr_zero(b))]);
    s.push_back(std::move(c));
  }
  std::sort(s.begin(), s.end());
  return s;
}

}  // namespace

std::string ControllaRiduzione(const ParametriRiduzione& p) {
  const int n = static_cast<int>(p.Numeri.size());
  if (std::string e = ControllaNumeri(p.Numeri); !e.empty()) return e;
  if (n > kMassimoNumeriRidotto)
    return "un sistema ridotto si costruisce su al massimo " + std::to_string(kMassimoNumeriRidotto) + " numeri, non " +
           std::to_string(n);
  if (std::string e = ControllaPerColonna(n, p.PerColonna); !e.empty()) return e;
  if (p.Sorte < 2 || p.Sorte > 5) return "la garanzia va dall'ambo (2) alla cinquina (5)";
  if (p.Sorte > p.PerColonna)
    return "una colonna da " + std::to_string(p.PerColonna) + " numeri non può dare " + SorteInTesto(p.Sorte);
  if (p.Se < p.Sorte || p.Se > 5)
    return "la garanzia di " + SorteInTesto(p.Sorte) + " vale se escono da " + std::to_string(p.Sorte) +
           " a 5 numeri, non " + std::to_string(p.Se);
  if (p.Se > n) return "non possono uscire " + std::to_string(p.Se) + " di " + std::to_string(n) + " numeri";
  return {};
}

EsitoRiduzione RiduciSistema(const ParametriRiduzione& p, const RichiestaStop& fermare,
                             const AvanzamentoCopertura& avanzamento) {
  EsitoRiduzione e;
  e.Errore = ControllaRiduzione(p);
  if (!e.Errore.empty()) return e;
  std::vector<int> numeri = p.Numeri;
  std::sort(numeri.begin(), numeri.end());
  const int n = static_cast<int>(numeri.size());
  const ProblemaCopertura problema{n, p.PerColonna, p.Sorte, p.Se};

  // The smallest size worth seeking: a proven bound, only known for coverings.
  std::uint64_t minimo = 1;
  if (p.Se == p.Sorte) {
    e.LimiteInferiore = LimiteSchonheim(n, p.PerColonna, p.Sorte);
    e.Noto = MiglioreNotoCopertura(n, p.PerColonna, p.Sorte);
    minimo = std::max(*e.LimiteInferiore, e.Noto ? e.Noto->Colonne : 0);
  }

  // A design covers every t numbers, so it also serves when m > t.
  const std::optional<Costruzione> costruzione = CostruzioneDiretta(n, p.PerColonna, p.Sorte);
  std::vector<std::uint64_t> blocchi;
  if (costruzione) {
    blocchi = maschere(costruzione->Blocchi);
    e.Metodo = costruzione->Nome;
  }
  if (blocchi.empty() || blocchi.size() > minimo) {
    const std::size_t tetto = blocchi.empty() ? kMassimoColonneRidotto : blocchi.size() - 1;
    std::vector<std::uint64_t> goloso = CoperturaGolosa(problema, tetto);
    if (!goloso.empty()) {
      blocchi = std::move(goloso);
      e.Metodo.clear();
    }
    if (blocchi.empty()) {
      e.Errore = "servirebbero più di " + TestoMigliaia(kMassimoColonneRidotto) + " colonne";
      return e;
    }
    const std::size_t prima = blocchi.size();
    EsitoRicercaLocale r =
        RiduciCopertura(problema, std::move(blocchi), minimo, p.Seme, p.Sforzo, fermare, avanzamento);
    e.Fermata = r.Fermata;
    if (r.Blocchi.size() < prima || e.Metodo.empty())
      e.Metodo = (e.Metodo.empty() ? std::string() : e.Metodo + ", migliorato con la ") + "ricerca locale (seme " +
                 std::to_string(p.Seme) + ")";
    blocchi = std::move(r.Blocchi);
  }
  e.Colonne = colonne(blocchi, numeri);
  // Nothing is shown unproved.
  e.Verifica = VerificaGaranzia(numeri, e.Colonne, p.Sorte, p.Se);
  if (!e.Verifica.Verificata) {
    e.Errore = "la verifica esaustiva ha trovato un caso scoperto: il sistema non viene mostrato";
    e.Colonne.clear();
    return e;
  }
  e.Ottimo = e.Colonne.size() <= minimo && p.Se == p.Sorte;
  return e;
}

}  // namespace ruotario
