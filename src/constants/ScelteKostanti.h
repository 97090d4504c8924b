#pragma once
// The choices of the constants method window, read from the texts its lists
// and boxes show. The lists accept typed text, so every value is checked and a
// wrong one is named in the message rather than run as some other value.

#include <array>
#include <string>

#include "constants/StatisticaKostanti.h"

namespace ruotario {

struct TestiKostanti {
  std::string Ruota;                  // "Ruota:"
  std::string Spia;                   // "Numero Spia:"
  std::string Posizione;              // "Posizione:": "TUTTE" or 1..5
  std::string Colpi;                  // "Colpi:"
  std::string Inizio;                 // "Estrazione Inizio Ricerca:", "N: dd/mm/yyyy" or N
  std::string Fine;                   // "Estrazione Fine Ricerca:"
  std::array<std::string, 3> Ambate;  // principal, secondary, third box
  std::array<bool, 3> Attive = {true, true, false};
  int Variata = -1;     // 0..2: the box a best-ambata search fills itself, not read
  int ContaRecord = 0;  // draws in the archive
  char Separatore = '.';
};

struct ScelteKostanti {
  ParametriStatistica Parametri;
  std::string Errore;  // empty when the choices can run
};

// The archive has no draws.
inline constexpr std::string_view kMsgArchivioVuoto =
    "L'archivio delle estrazioni è vuoto: non ci sono estrazioni su cui calcolare la statistica.";

// The study starts at record 3594 once the archive reaches it, else at record 1.
inline constexpr int kInizioKostanti = 3594;
int InizioPredefinitoKostanti(int contaRecord);

// Checks in this order: at least one active ambata (kMsgNessunaAmbata), a
// non-empty archive, each field, then the span (start not after its end).
ScelteKostanti LeggiScelteKostanti(const TestiKostanti& t);

}  // namespace ruotario
