#pragma once
// The four methods of the replay kept up to date draw by draw. Each follows
// the rules of its study exactly; what it forecasts at a draw D is what the
// study gives on the archive cut at D.

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "archive/ArchivioEstrazioni.h"
#include "forecasts/VerificaMetodo.h"
#include "spy/ProvaSpia.h"

namespace ruotario {

// One spy study (the engine's rules: a case opens at a draw where the spy
// comes out while no case is open, its Colpi following draws are counted, the
// next draw closes it unseen), taken one draw at a time.
class StudioSpiaPasso {
 public:
  // With `primi` between 1 and kPrimiSeguiti the study also keeps its first
  // `primi` numbers by Sortite (largest first, equal counts in number order)
  // as the counts grow, so they need no sort when asked for.
  static constexpr int kPrimiSeguiti = 5;
  StudioSpiaPasso(int colpi, bool sortiteUniche, int primi = 0) : colpi_(colpi), uniche_(sortiteUniche) {
    if (primi >= 1 && primi <= kPrimiSeguiti)
      for (int n = 1; n <= primi; ++n) primi_.push_back(n);
  }
  // Takes the next draw; `evento` is asked only when no case is open. True
  // when a case opens at this draw.
  template <typename Evento>
  bool Passo(const NumeriRuota& d, Evento&& evento) {
    if (inCaso_) {
      if (colpo_ >= colpi_) {
        inCaso_ = false;
        return false;
      }
      ++colpo_;
      for (const int v : d.Valore) {
        if (v < 1 || v > 90 || (uniche_ && uscito_[static_cast<std::size_t>(v)])) continue;
        ++Sortite[static_cast<std::size_t>(v)];
        uscito_[static_cast<std::size_t>(v)] = true;
        if (!primi_.empty()) sale(v);
      }
      return false;
    }
    if (!evento()) return false;
    if (uniche_) uscito_.fill(false);
    inCaso_ = true;
    colpo_ = 0;
    return true;
  }
  bool InCaso() const { return inCaso_; }
  // The first numbers kept (empty when none are kept).
  const std::vector<int>& Primi() const { return primi_; }
  std::array<int, 91> Sortite{};

 private:
  bool prima(int a, int b) const {
    const int sa = Sortite[static_cast<std::size_t>(a)], sb = Sortite[static_cast<std::size_t>(b)];
    return sa != sb ? sa > sb : a < b;
  }
  // Counts only grow: a number can only climb, into the first ones or among them.
  void sale(int v) {
    auto i = std::find(primi_.begin(), primi_.end(), v);
    if (i == primi_.end()) {
      if (!prima(v, primi_.back())) return;
      i = primi_.end() - 1;
      *i = v;
    }
    for (; i != primi_.begin() && prima(*i, *(i - 1)); --i) std::iter_swap(i, i - 1);
  }

  int colpi_;
  bool uniche_;
  bool inCaso_ = false;
  int colpo_ = 0;
  std::array<bool, 91> uscito_{};
  std::vector<int> primi_;
};

class MetodoPasso {
 public:
  virtual ~MetodoPasso() = default;
  // Takes record `i` (every record from StudioDa on, in order). Returns the
  // numbers the method forecasts at i, when `serve` and it makes one there.
  virtual std::optional<std::vector<int>> Passo(int i, bool serve) = 0;
};

std::unique_ptr<MetodoPasso> CreaMetodo(const ParametriVerifica& p, const ArchivioEstrazioni& archivio);

}  // namespace ruotario
