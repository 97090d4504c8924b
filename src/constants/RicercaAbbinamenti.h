#pragma once
// The pairing search: pairing numbers chosen to play with the head numbers,
// and the count of winning draws that an ambo would also have won.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "constants/StatisticaKostanti.h"

namespace ruotario {

inline constexpr std::string_view kMsgNessunaAmbataCapigioco =
    "SELEZIONARE ALMENO UN'AMBATA NEL MODULO RICERCA CAPIGIOCO ";
inline constexpr std::string_view kMsgNessunaVincita =
    "ATTENZIONE: VERIFICARE NEL MODULO RICERCA CAPIGIOCO DI AVER SCELTO ALMENO UN'AMBATA e CHE CI SIA ALMENO "
    "UN'ESTRAZIONE VINCENTE. EFFETTUARE NUOVAMENTE IL CALCOLO DELLA STATISTICA";
inline constexpr std::string_view kMsgCandidatiEsauriti = "NESSUN ALTRO ABBINAMENTO PROBABILE DA SCEGLIERE";

enum class ModoAbbinamenti { Auto, Manuale, Probabili };

struct ParametriAbbinamenti {
  ModoAbbinamenti Modo = ModoAbbinamenti::Auto;
  bool UsaFrequenti = false;                         // "Usa Num. Frequenti" (Auto only)
  bool AmboCapigioco = true;                         // "Ambo Abbin.": also count draws holding two head numbers
  int Quanti = 3;                                    // pairings to choose, 1..5
  std::array<bool, 3> Attive = {true, true, false};  // the ambata check boxes
  std::array<std::string, 3> Capigioco;              // texts of the head-number boxes
  std::array<std::string, 5> Abbinamenti;            // texts of the pairing boxes (read in Manuale)
  char Separatore = '.';                             // decimal separator of the report
};

enum class ErroreAbbinamenti { Nessuno, NessunaAmbataAttiva, NessunaVincita };

struct EsitoAbbinamenti {
  ErroreAbbinamenti Errore = ErroreAbbinamenti::Nessuno;
  std::array<std::string, 5> Abbinamenti;  // the pairing boxes after the run
  std::array<int, 91> Classifica{};        // numbers by winning-draw count, descending (1..90; 0 unused)
  int Vincenti = 0;                        // W: winning draws examined
  int AmboCapigioco = 0;                   // C
  int AmboSecco = 0;                       // S
  bool CandidatiEsauriti = false;          // "Probabili" ran out of admissible numbers
  std::string Testo;                       // the report
};

// Uniform value in [0, 1).
using GeneratoreCasuale = std::function<double()>;
// A generator seeded from the clock.
GeneratoreCasuale GeneratoreDalTempo();

// Numbers 1..90 by Sortite descending; marked rows last; equal keys keep number order.
std::array<int, 91> ClassificaAbbinamenti(const TabellaNumeri& t);

// `casuale` empty: a generator seeded from the clock.
EsitoAbbinamenti RicercaAbbinamenti(const ParametriAbbinamenti& p, const EsitoStatistica& statistica,
                                    GeneratoreCasuale casuale = {});

}  // namespace ruotario
