#include "constants/FigureCandidati.h"

#include <gtest/gtest.h>

#include <random>

#include "constants/MiglioreAmbata.h"
#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

// A random archive over few numbers, so that spies, ambate and ties meet
// often, with the odd places and lines the reader must take as they are.
std::string ArchivioCasuale(std::mt19937& g) {
  std::uniform_int_distribution<int> quante(0, 60), numero(1, 14), caso(0, 99);
  std::string testo;
  const int righe = quante(g);
  for (int i = 0; i < righe; ++i) {
    std::string r = prova::DataProva(i + 1, 1939) + "|";
    for (int ruota = 1; ruota <= 2; ++ruota) {
      for (int k = 0; k < 5; ++k) {
        const int x = caso(g);  // up to 99 in the fourth form: above 90 is no drawn number
        r += x < 3   ? "00"
             : x < 5 ? " " + std::to_string(numero(g) % 10)
             : x < 6 ? "x5"
             : x < 8 ? std::to_string(85 + numero(g))
                     : prova::DueCifreProva(numero(g));
      }
      r += "|";
    }
    if (caso(g) < 3) r.resize(static_cast<std::size_t>(caso(g) % 30));  // a short or empty line
    testo += (i ? "\r\n" : "") + r;
  }
  return testo;
}

ParametriMiglioreAmbata RicercaCasuale(std::mt19937& g, int conta) {
  std::uniform_int_distribution<int> d(0, 1 << 20);
  auto tra = [&](int a, int b) { return a + d(g) % (b - a + 1); };
  ParametriMiglioreAmbata p;
  ParametriStatistica& s = p.Statistica;
  s.Ruota = tra(0, 3);  // 0 and 3 read as wheels without numbers
  s.NumeroSpia = tra(0, 15);
  s.Posizione = tra(-1, 6);
  s.Colpi = tra(-1, 12);
  s.Inizio = tra(-2, conta + 2);
  s.Fine = tra(s.Inizio - 2, conta + 3);
  for (int& a : s.Ambata) a = tra(0, 4) == 0 ? tra(-5, 200) : tra(1, 15);
  for (std::size_t j = 0; j < 3; ++j) s.Attiva[j] = tra(0, 2) > 0;
  p.Varia = static_cast<AmbataVariata>(tra(0, 2));
  return p;
}

// Random archives and choices: every candidate's figures as the statistic run with it.
TEST(FigureCandidati, OnePassAgreesWithTheStatisticRunPerCandidate) {
  std::mt19937 g(1939);
  for (int prova = 0; prova < 400; ++prova) {
    const ArchivioEstrazioni archivio = ArchivioEstrazioni::DaTesto(ArchivioCasuale(g));
    const ParametriMiglioreAmbata p = RicercaCasuale(g, archivio.Conta());
    const ParametriStatistica& s = p.Statistica;
    const auto indice = static_cast<std::size_t>(p.Varia);
    const auto figure = FigureCandidati(s, static_cast<int>(indice), VistaRuota(archivio, s.Ruota, s.Inizio, s.Fine));
    const std::string dove = "prova " + std::to_string(prova);
    for (int c = 1; c <= 90; ++c) {
      ParametriStatistica conCandidato = s;
      conCandidato.Ambata[indice] = c;
      const EsitoStatistica e = CalcolaStatistica(conCandidato, archivio);
      const FigureCandidato& f = figure[static_cast<std::size_t>(c)];
      ASSERT_EQ((std::array{f.CasiGiocabili, f.CasiVincenti, f.CasiConclusi}),
                (std::array{e.CasiGiocabili, e.CasiVincenti, e.CasiConclusi}))
          << dove << ", candidato " << c;
      ASSERT_EQ((std::array{f.PercentualeVincita, f.MediaColpi}), (std::array{e.PercentualeVincita, e.MediaColpi}))
          << dove << ", candidato " << c;
      ASSERT_TRUE(f.Casi == e.Casi) << dove << ", candidato " << c;  // the chance figures' cases
    }
  }
}

}  // namespace
}  // namespace ruotario
