#pragma once
// The spy test prepared once per study: spy texts and pairs of places are
// worked out before the loop instead of at every draw.

#include <array>
#include <string>

#include "archive/Estrazione.h"
#include "spy/ParametriRicerca.h"

namespace ruotario {

class ProvaSpia {
 public:
  explicit ProvaSpia(const ParametriRicerca& parametri);
  bool operator()(const Estrazione& estrazione) const;

 private:
  TipoSpia tipo_;
  int ruota_;
  int spia_;
  int primo_ = 1;  // places examined by the single-place kinds
  int ultimo_ = 5;
  std::array<std::string, 3> testi_{};  // two-digit texts of the spy numbers
  int numeroTesti_ = 0;
  int richiesti_ = 1;
  Combinazione combina_ = Combinazione::And;
  std::array<CoppiaPosizioni, kNumeroCoppie> coppie_{};
  int numeroCoppie_ = 0;
};

}  // namespace ruotario
