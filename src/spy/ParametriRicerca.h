#pragma once
// The choices of one spy study. A window with one descriptor per spy kind
// fills this struct and hands it to RicercaSpia; fields a kind does not use
// are ignored.

#include <array>
#include <limits>
#include <string>

namespace ruotario {

// The ten spy kinds, one per study window.
enum class TipoSpia {
  Numero,       // one number at a place or any place
  Ambo,         // two numbers, combined by Combinazione
  Terno,        // three numbers, combined by Combinazione
  Cadenza,      // final digit 0..9
  Decina,       // decade 0..8 (90 belongs to decade 0)
  Figura,       // figure 1..9
  Somma,        // sum of a pair of places, reduced into 1..90
  Differenza,   // absolute difference of a pair, 1..89
  Distanza,     // forward distance from the earlier to the later place, 1..89
  Ciclometrica  // cyclometric distance of a pair, 1..45
};

// How the spy numbers of Ambo and Terno combine.
enum class Combinazione { And, Or, Xor };

// A pair of extraction places (A < B), or all ten pairs when A is 0.
struct CoppiaPosizioni {
  int A = 0;
  int B = 0;
  bool Tutte() const { return A == 0; }
  friend bool operator==(const CoppiaPosizioni&, const CoppiaPosizioni&) = default;
};

// The pair list of the pair windows: item 0 "TUTTE", items 1..10 the pairs
// 1 - 2, 1 - 3, ..., 4 - 5. CoppiaDaElenco maps a list position to its pair
// (positions outside 1..10 mean all pairs).
inline constexpr int kNumeroCoppie = 10;
CoppiaPosizioni CoppiaDaElenco(int posizioneLista);
std::string TestoCoppia(const CoppiaPosizioni& coppia);  // "1 - 2", or "TUTTE"

// Start record of the default span: 2723 when the archive holds at least
// 2723 records, else 1.
inline constexpr int kInizioPredefinito = 2723;
int InizioPredefinito(int contaRecord);

// Highest and lowest spy value each kind can match (Numero 1..90, Cadenza 0..9 ...).
int SpiaMinima(TipoSpia tipo);
int SpiaMassima(TipoSpia tipo);
// How many spy values the kind reads: 2 for Ambo, 3 for Terno, else 1.
int ValoriSpia(TipoSpia tipo);

inline constexpr int kColpiMassimi = 20;

struct ParametriRicerca {
  TipoSpia Tipo = TipoSpia::Numero;
  int Ruota = 1;  // 1..10, the wheel of the spy and of the watched draws
  // The spy value(s): NumeriSpia[0] for the single kinds, the first two for
  // Ambo, all three for Terno.
  std::array<int, 3> NumeriSpia = {1, 2, 3};
  Combinazione Combina = Combinazione::And;    // Ambo, Terno
  int Posizione = 0;                           // 0 any place, 1..5 that place (Numero, Cadenza, Decina, Figura)
  CoppiaPosizioni Coppia;                      // the pair kinds
  int Colpi = 9;                               // watched draws after each case
  int Inizio = 1;                              // Numero of the first draw of the span
  int Fine = std::numeric_limits<int>::max();  // Numero of the last draw; the default reaches the end
  bool SortiteUniche = true;                   // a number counts at most once per case

  int NumeroSpia() const { return NumeriSpia[0]; }
};

}  // namespace ruotario
