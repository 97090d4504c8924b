#include "systems/CasiCoperti.h"

#include <algorithm>
#include <array>
#include <bit>

#include "systems/Combinatoria.h"

namespace ruotario {

void Sottoinsiemi(std::uint64_t insieme, int r, std::vector<std::uint64_t>& uscita) {
  std::array<std::uint64_t, 64> bit{};
  int n = 0;
  for (std::uint64_t s = insieme; s; s &= s - 1) bit[static_cast<std::size_t>(n++)] = s & (~s + 1);
  if (r < 0 || r > n) return;
  if (r == 0) {
    uscita.push_back(0);
    return;
  }
  // Indices i[0] < ... < i[r-1] stepped in lexicographic order, no allocation.
  std::array<int, 64> i{};
  for (int j = 0; j < r; ++j) i[static_cast<std::size_t>(j)] = j;
  while (true) {
    std::uint64_t m = 0;
    for (int j = 0; j < r; ++j) m |= bit[static_cast<std::size_t>(i[static_cast<std::size_t>(j)])];
    uscita.push_back(m);
    int j = r - 1;
    while (j >= 0 && i[static_cast<std::size_t>(j)] == n - r + j) --j;
    if (j < 0) return;
    ++i[static_cast<std::size_t>(j)];
    for (int l = j + 1; l < r; ++l) i[static_cast<std::size_t>(l)] = i[static_cast<std::size_t>(l - 1)] + 1;
  }
}

CasiCoperti::CasiCoperti(const ProblemaCopertura& p) : p_(p) {
  for (int n = 0; n <= p.N; ++n)
    for (int i = 0; i <= p.M; ++i)
      binomiale_[static_cast<std::size_t>(n)][static_cast<std::size_t>(i)] =
          static_cast<std::uint32_t>(Binomiale(n, i));
  casi_ = Binomiale(p.N, p.M);
  copertura_.assign(casi_, 0);
  posizione_.resize(casi_);
  scoperti_.resize(casi_);
  for (std::uint32_t r = 0; r < casi_; ++r) {
    scoperti_[r] = r;
    posizione_[r] = static_cast<std::int32_t>(r);
  }
}

std::uint32_t CasiCoperti::Rango(std::uint64_t caso) const {
  std::uint32_t r = 0;
  std::size_t i = 1;
  for (; caso; caso &= caso - 1, ++i) r += binomiale_[static_cast<std::size_t>(std::countr_zero(caso))][i];
  return r;
}

std::uint64_t CasiCoperti::Caso(std::uint32_t rango) const {
  std::uint64_t s = 0;
  int e = p_.N - 1;
  for (int i = p_.M; i >= 1; --i) {
    while (binomiale_[static_cast<std::size_t>(e)][static_cast<std::size_t>(i)] > rango) --e;
    rango -= binomiale_[static_cast<std::size_t>(e)][static_cast<std::size_t>(i)];
    s |= std::uint64_t{1} << e;
    --e;
  }
  return s;
}

void CasiCoperti::copri(std::uint32_t caso) {
  // Swap-remove from the uncovered list.
  const std::int32_t i = posizione_[caso];
  const std::uint32_t ultimo = scoperti_.back();
  scoperti_[static_cast<std::size_t>(i)] = ultimo;
  posizione_[ultimo] = i;
  scoperti_.pop_back();
  posizione_[caso] = -1;
}

void CasiCoperti::scopri(std::uint32_t caso) {
  posizione_[caso] = static_cast<std::int32_t>(scoperti_.size());
  scoperti_.push_back(caso);
}

template <typename Fn>
std::uint64_t CasiCoperti::perOgniCoperto(std::uint64_t blocco, Fn&& fn) const {
  const std::uint64_t tutti = p_.N == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << p_.N) - 1;
  std::uint64_t passi = 0;
  for (int dentro = p_.T; dentro <= std::min(p_.K, p_.M); ++dentro) {
    parteDentro_.clear();
    parteFuori_.clear();
    Sottoinsiemi(blocco, dentro, parteDentro_);
    Sottoinsiemi(tutti & ~blocco, p_.M - dentro, parteFuori_);
    for (const std::uint64_t a : parteDentro_)
      for (const std::uint64_t c : parteFuori_) fn(Rango(a | c));
    passi += parteDentro_.size() * parteFuori_.size();
  }
  return passi;
}

template <typename Fn>
std::uint64_t CasiCoperti::perOgniScambio(std::uint64_t blocco, int x, int y, Fn&& fn) const {
  const std::uint64_t tutti = (std::uint64_t{1} << p_.N) - 1;
  const std::uint64_t bx = std::uint64_t{1} << x;
  const std::uint64_t by = std::uint64_t{1} << y;
  parteDentro_.clear();
  parteFuori_.clear();
  Sottoinsiemi(blocco & ~bx, p_.T - 1, parteDentro_);
  Sottoinsiemi(tutti & ~blocco & ~by, p_.M - p_.T, parteFuori_);
  for (const std::uint64_t a : parteDentro_)
    for (const std::uint64_t c : parteFuori_) fn(Rango(a | c | bx), Rango(a | c | by));
  return parteDentro_.size() * parteFuori_.size();
}

std::uint64_t CasiCoperti::Aggiungi(std::uint64_t blocco) {
  blocchi_.push_back(blocco);
  return perOgniCoperto(blocco, [this](std::uint32_t r) {
    if (copertura_[r]++ == 0) copri(r);
  });
}

std::uint64_t CasiCoperti::Togli(std::size_t indice) {
  const std::uint64_t blocco = blocchi_[indice];
  blocchi_[indice] = blocchi_.back();
  blocchi_.pop_back();
  return perOgniCoperto(blocco, [this](std::uint32_t r) {
    if (--copertura_[r] == 0) scopri(r);
  });
}

std::uint64_t CasiCoperti::Unici(std::size_t indice, std::uint64_t& passi) const {
  std::uint64_t unici = 0;
  passi += perOgniCoperto(blocchi_[indice], [this, &unici](std::uint32_t r) { unici += copertura_[r] == 1; });
  return unici;
}

std::int64_t CasiCoperti::Variazione(std::size_t indice, int x, int y, std::uint64_t& passi) const {
  std::int64_t v = 0;
  passi += perOgniScambio(blocchi_[indice], x, y, [this, &v](std::uint32_t conX, std::uint32_t conY) {
    v += (copertura_[conX] == 1) - (copertura_[conY] == 0);
  });
  return v;
}

std::uint64_t CasiCoperti::Scambia(std::size_t indice, int x, int y) {
  const std::uint64_t blocco = blocchi_[indice];
  const std::uint64_t passi = perOgniScambio(blocco, x, y, [this](std::uint32_t conX, std::uint32_t conY) {
    if (--copertura_[conX] == 0) scopri(conX);
    if (copertura_[conY]++ == 0) copri(conY);
  });
  blocchi_[indice] = (blocco & ~(std::uint64_t{1} << x)) | (std::uint64_t{1} << y);
  return passi;
}

}  // namespace ruotario
