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

// The first `quanti` numbers by Sortite, largest first, equal counts in
// number order: the order in which ZevedIVE collects a study.
std::vector<int> PrimiPerSortite(const std::array<int, 91>& s, int quanti) {
  const auto prima = [&](int a, int b) {
    return s[static_cast<std::size_t>(a)] != s[static_cast<std::size_t>(b)]
               ? s[static_cast<std::size_t>(a)] > s[static_cast<std::size_t>(b)]
               : a < b;
  };
  std::vector<int> ordine(90);
  for (int n = 1; n <= 90; ++n) ordine[static_cast<std::size_t>(n - 1)] = n;
  std::partial_sort(ordine.begin(), ordine.begin() + quanti, ordine.end(), prima);
  ordine.resize(static_cast<std::size_t>(quanti));
  return ordine;
}

// ZevedIVE with D as the spy draw: the studies of the numbers of D and of
// their pair sums over the draws before D. All 90 number spies and 90 sum
// spies are kept up to date, so a forecast only looks up its fifteen.
class ZevediveMetodo : public MetodoPasso {
 public:
  ZevediveMetodo(const ParametriVerifica& p, const ArchivioEstrazioni& a)
      : archivio_(a),
        ruota_(p.Ruota),
        primo_(std::max(p.StudioDa, 1)),
        quanti_(std::clamp(PrimiDaRaccogliere(p.SoloTop, p.Top), 0, 90)) {
    // Studies 0..89: the number spies 1..90; 90..179: the sum spies 1..90.
    for (int s = 0; s < 180; ++s) studi_.emplace_back(p.Colpi, true, quanti_);
  }

  std::optional<std::vector<int>> Passo(int i, bool serve) override {
    const NumeriRuota d = LeggiNumeri(archivio_[i], ruota_);
    std::optional<std::vector<int>> previsione;
    if (serve && i > primo_) previsione = prevedi(d);

    // Only the studies with a case open watch this draw; of the others only
    // those whose spy the draw holds can open one. The rest would do nothing.
    std::size_t tenuti = 0;
    for (const int s : inCaso_) {
      StudioSpiaPasso& studio = studi_[static_cast<std::size_t>(s)];
      studio.Passo(d, [] { return false; });
      visto_[static_cast<std::size_t>(s)] = i;  // a closing draw is not tested for the spy
      if (studio.InCaso()) inCaso_[tenuti++] = s;
    }
    inCaso_.resize(tenuti);
    auto apri = [&](int s) {
      if (visto_[static_cast<std::size_t>(s)] == i) return;
      visto_[static_cast<std::size_t>(s)] = i;
      if (studi_[static_cast<std::size_t>(s)].Passo(d, [] { return true; })) inCaso_.push_back(s);
    };
    for (std::size_t k = 0; k < 5; ++k)
      if (d.DueCifre[k]) apri(d.Valore[k] - 1);
    for (std::size_t a = 0; a < 4; ++a)
      for (std::size_t b = a + 1; b < 5; ++b)
        if (d.Valore[a] != 0 && d.Valore[b] != 0) apri(90 + Fuori90(d.Valore[a] + d.Valore[b]) - 1);
    return previsione;
  }

 private:
  // ZevedIVE's sums (RaccogliStudio: each study adds the counts of its first
  // `primi` numbers by Sortite, equal counts in number order) and its first
  // number (MiglioriSomme: the largest sum, the smallest number on a tie).
  std::optional<std::vector<int>> prevedi(const NumeriRuota& spia) {
    std::array<int, 91> somme{};
    auto raccogli = [&](int indice) {
      const StudioSpiaPasso& studio = studi_[static_cast<std::size_t>(indice)];
      std::vector<int> calcolati;
      const std::vector<int>& primi =
          studio.Primi().empty() ? (calcolati = PrimiPerSortite(studio.Sortite, quanti_)) : studio.Primi();
      for (const int n : primi) somme[static_cast<std::size_t>(n)] += studio.Sortite[static_cast<std::size_t>(n)];
    };
    const auto& v = spia.Valore;
    for (std::size_t k = 0; k < 5; ++k)
      if (v[k] != 0) raccogli(v[k] - 1);
    for (std::size_t a = 0; a < 4; ++a)
      for (std::size_t b = a + 1; b < 5; ++b)
        if (v[a] != 0 && v[b] != 0) raccogli(90 + Fuori90(v[a] + v[b]) - 1);
    return migliore(somme);
  }

  const ArchivioEstrazioni& archivio_;
  int ruota_;
  int primo_;
  int quanti_;
  std::vector<StudioSpiaPasso> studi_;
  std::vector<int> inCaso_;       // the studies with a case open
  std::array<int, 180> visto_{};  // the last draw each study took
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
