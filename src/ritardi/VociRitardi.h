#pragma once
// The study's figures as one list of rows, a number (or a pair) of a wheel
// each, with what chance says about its current delay; shared by the window
// and the command line.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ritardi/Ritardi.h"
#include "spy/RigheTabella.h"

namespace ruotario {

struct VoceRitardo {
  int Ruota = 0;
  int Numero = 0;   // the number, or the lower number of the pair
  int Secondo = 0;  // the higher number of the pair; 0 for a number
  Ritardo Figure;
  double Probabilita = 1;  // of a delay at least this long, by chance
  double Attesi = 0;       // how many of those watched would be this overdue by chance
};

// Every number 1..90 of the wheels studied, wheel by wheel.
std::vector<VoceRitardo> VociNumeri(const EsitoRitardi& esito);
// Every pair of the wheels studied, wheel by wheel, in IndiceAmbo order.
std::vector<VoceRitardo> VociAmbi(const EsitoRitardi& esito);

// The most overdue first: longest current delay, then longest maximum delay,
// then wheel, number and pair order. Keeps the first `quante` (0 = all).
std::vector<VoceRitardo> PiuRitardatari(std::vector<VoceRitardo> voci, int quante);

// "07" for a number, "07-35" for a pair.
std::string TestoVoce(const VoceRitardo& v);

// Column-format text of the grid; `conRuota` adds the wheel after the number.
std::string FormatoRitardi(bool ambi, bool conRuota);
// The grid rows in that format: frequency, delays, chance in percent, expected count.
RigheTabella RigheRitardi(std::span<const VoceRitardo> voci, bool conRuota, char separatore);

}  // namespace ruotario
