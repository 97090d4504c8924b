#include "forecasts/MetodiVerifica.h"

#include <algorithm>

#include "app/NumeriLotto.h"
#include "constants/VistaRuota.h"
#include "spy/Zevedive.h"

namespace ruotario {

namespace {

// The first number with the largest value (the smallest number on a tie), or
// nullopt when every value is 0 or less: a study that has counted nothing
// says nothing.
std::optional<std::vector<int>> migliore(const std::array<int, 91>& valori) {
  int n = 1;
  for (int m = 2; m <= 90; ++m)
    if (valori[static_cast<std::size_t>(m)] > valori[static_cast<std::size_t>(n)]) n = m;
  if (valori[static_cast<std::size_t>(n)] <= 0) return std::nullopt;
  return std::vector<int>{n};
}

// The number with the longest current delay on the wheel, delays counted in
// the draws of that wheel only (a record without the wheel is skipped).
class Ritardatario : public MetodoPasso {
 public:
  Ritardatario(const ParametriVerifica& p, const ArchivioEstrazioni& a) : archivio_(a), ruota_(p.Ruota) {}

  std::optional<std::vector<int>> Passo(int i, bool serve) override {
    const Estrazione& e = archivio_[i];
    std::array<int, 5> usciti{};
    int quanti = 0;
    for (int k = 1; k <= kNumeriPerRuota; ++k) {
      const int v = e.Valore(ruota_, k);
      if (v >= 1 && v <= 90) usciti[static_cast<std::size_t>(quanti++)] = v;
    }
    if (quanti > 0) {
      ++estrazioni_;
      for (int j = 0; j < quanti; ++j)
        ultima_[static_cast<std::size_t>(usciti[static_cast<std::size_t>(j)])] = estrazioni_;
    }
    if (!serve || estrazioni_ == 0) return std::nullopt;
    std::array<int, 91> ritardo{};
    for (std::size_t n = 1; n <= 90; ++n) ritardo[n] = estrazioni_ - ultima_[n];
    return migliore(ritardo);
  }

 private:
  const ArchivioEstrazioni& archivio_;
  int ruota_;
  int estrazioni_ = 0;
  std::array<int, 91> ultima_{};
};

// The spy study's best number (most Sortite, the smallest on a tie) at a draw
// where the study opens a case.
class Spia : public MetodoPasso {
 public:
  Spia(const ParametriVerifica& p, const ArchivioEstrazioni& a)
      : archivio_(a), ruota_(p.Ruota), prova_(parametri(p)), studio_(p.Colpi, p.Spia.SortiteUniche) {}

  std::optional<std::vector<int>> Passo(int i, bool serve) override {
    const NumeriRuota d = LeggiNumeri(archivio_[i], ruota_);
    if (!studio_.Passo(d, [&] { return prova_(d); }) || !serve) return std::nullopt;
    return migliore(studio_.Sortite);
  }

 private:
  static ParametriRicerca parametri(const ParametriVerifica& p) {
    ParametriRicerca r = p.Spia;
    r.Ruota = p.Ruota;
    r.Colpi = p.Colpi;
    return r;
  }
  const ArchivioEstrazioni& archivio_;
  int ruota_;
  ProvaSpia prova_;
  StudioSpiaPasso studio_;
};

// The constants statistic's active ambate at a draw where it opens a case:
// the spy number comes out (at the chosen place) while no case is open; a
// case closes at the draw holding an active ambata's text or at the draw
// after its last colpo.
class Kostanti : public MetodoPasso {
 public:
  Kostanti(const ParametriVerifica& p, const ArchivioEstrazioni& a)
      : p_(p.Kostanti), vista_(a, p.Ruota, std::max(p.StudioDa, 1), a.Conta()), primo_(std::max(p.StudioDa, 1)) {
    p_.Colpi = p.Colpi;
    for (std::size_t j = 0; j < 3; ++j) {
      codice_[j] = CodiceTesto(TestoAmbata(p_.Ambata[j]));
      const int n = Fuori90(p_.Ambata[j]);
      if (p_.Attiva[j] && n >= 1 && n <= 90) ambate_.push_back(n);
    }
    std::sort(ambate_.begin(), ambate_.end());
    ambate_.erase(std::unique(ambate_.begin(), ambate_.end()), ambate_.end());
  }

  std::optional<std::vector<int>> Passo(int i, bool serve) override {
    const PostoVista& r = vista_.Estrazioni[static_cast<std::size_t>(i - primo_)];
    if (inGioco_) {
      if (colpo_ >= p_.Colpi) {
        inGioco_ = false;
        return std::nullopt;
      }
      ++colpo_;
      for (std::size_t k = 0; k < 5; ++k)
        for (std::size_t j = 0; j < 3; ++j)
          if (p_.Attiva[j] && r.Codici[k] == codice_[j]) inGioco_ = false;
      return std::nullopt;
    }
    for (int k = 1; k <= 5; ++k) {
      if (r.Valori[static_cast<std::size_t>(k - 1)] == p_.NumeroSpia && (p_.Posizione < 1 || p_.Posizione == k)) {
        inGioco_ = true;
        colpo_ = 0;
        if (serve && !ambate_.empty()) return ambate_;
        return std::nullopt;
      }
    }
    return std::nullopt;
  }

 private:
  ParametriStatistica p_;
  VistaRuota vista_;
  int primo_;
  std::array<int, 3> codice_{};
  std::vector<int> ambate_;
  bool inGioco_ = false;
  int colpo_ = 0;
};

// ZevedIVE with D as the spy draw: the studies of the numbers of D and of
// their pair sums over the draws before D. All 90 number spies and 90 sum
// spies are kept up to date, so a forecast only looks up its fifteen.
class ZevediveMetodo : public MetodoPasso {
 public:
  ZevediveMetodo(const ParametriVerifica& p, const ArchivioEstrazioni& a)
      : archivio_(a), ruota_(p.Ruota), primo_(std::max(p.StudioDa, 1)), primi_(PrimiDaRaccogliere(p.SoloTop, p.Top)) {
    for (int s = 0; s < 90; ++s) {
      numeri_.emplace_back(p.Colpi, true);
      somme_.emplace_back(p.Colpi, true);
    }
  }

  std::optional<std::vector<int>> Passo(int i, bool serve) override {
    const NumeriRuota d = LeggiNumeri(archivio_[i], ruota_);
    std::optional<std::vector<int>> previsione;
    if (serve && i > primo_) previsione = prevedi(d);

    // The spy tests of this draw for every spy value at once.
    std::array<bool, 91> numero{};
    std::array<bool, 91> somma{};
    for (std::size_t k = 0; k < 5; ++k)
      if (d.DueCifre[k]) numero[static_cast<std::size_t>(d.Valore[k])] = true;
    for (std::size_t a = 0; a < 4; ++a)
      for (std::size_t b = a + 1; b < 5; ++b)
        if (d.Valore[a] != 0 && d.Valore[b] != 0)
          somma[static_cast<std::size_t>(Fuori90(d.Valore[a] + d.Valore[b]))] = true;
    for (std::size_t s = 1; s <= 90; ++s) {
      numeri_[s - 1].Passo(d, [&] { return numero[s]; });
      somme_[s - 1].Passo(d, [&] { return somma[s]; });
    }
    return previsione;
  }

 private:
  std::optional<std::vector<int>> prevedi(const NumeriRuota& spia) {
    SommeZevedive somme;
    EsitoRicerca studio;
    auto raccogli = [&](const StudioSpiaPasso& s) {
      std::copy(s.Sortite.begin(), s.Sortite.end(), studio.Sortite.begin());
      RaccogliStudio(studio, primi_, somme);
    };
    const auto& v = spia.Valore;
    for (std::size_t k = 0; k < 5; ++k)
      if (v[k] != 0) raccogli(numeri_[static_cast<std::size_t>(v[k] - 1)]);
    for (std::size_t a = 0; a < 4; ++a)
      for (std::size_t b = a + 1; b < 5; ++b)
        if (v[a] != 0 && v[b] != 0) raccogli(somme_[static_cast<std::size_t>(Fuori90(v[a] + v[b]) - 1)]);
    const VoceSomma prima = MiglioriSomme(somme)[0];
    if (prima.SommaSortite.value_or(0) <= 0) return std::nullopt;
    return std::vector<int>{prima.Numero};
  }

  const ArchivioEstrazioni& archivio_;
  int ruota_;
  int primo_;
  int primi_;
  std::vector<StudioSpiaPasso> numeri_;  // spy value s at s - 1
  std::vector<StudioSpiaPasso> somme_;
};

}  // namespace

std::unique_ptr<MetodoPasso> CreaMetodo(const ParametriVerifica& p, const ArchivioEstrazioni& archivio) {
  switch (p.Metodo) {
    case MetodoVerifica::Ritardatario: return std::make_unique<Ritardatario>(p, archivio);
    case MetodoVerifica::Spia: return std::make_unique<Spia>(p, archivio);
    case MetodoVerifica::Kostanti: return std::make_unique<Kostanti>(p, archivio);
    case MetodoVerifica::Zevedive: return std::make_unique<ZevediveMetodo>(p, archivio);
  }
  return nullptr;
}

}  // namespace ruotario
