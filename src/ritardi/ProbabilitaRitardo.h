#pragma once
// What chance alone says about a delay. In one draw of a wheel (five numbers
// of 90) a given number stays out with probability 85/90 = 17/18, a given pair
// with 1 - C(88,3)/C(90,5) = 1 - 2/801, a given triple with 1 - 1/11748, a
// group of g numbers with C(90-g,5)/C(90,5); at one fixed place a number
// stays out with 89/90 and a group with (90-g)/90. Draws are independent, and
// so are the wheels of one draw.

#include <string>

namespace ruotario {

inline constexpr double kAssenzaNumero = 17.0 / 18.0;
inline constexpr double kAssenzaAmbo = 1.0 - 2.0 / 801.0;
inline constexpr double kAssenzaTerno = 1.0 - 1.0 / 11748.0;

// How many numbers a tracked item has: 1 number, 2 a pair, 3 a triple; a
// group is any of its `quanti` numbers.
enum class TipoRitardo { Numero, Ambo, Terno, Gruppo };

// Probability that the item stays out of one wheel's draw: at any place
// (posizione 0) or at place 1..5. `gruppo` is the group's size.
double AssenzaPerEstrazione(TipoRitardo c, int posizione = 0, int gruppo = 1);

// The delay that chance reaches with probability `p` (at least that long):
// log p / log q for an absence q per draw; 0 when q is not below 1.
double RitardoConProbabilita(double p, double assenza);

// v in fixed notation with two decimals, more below 1 so that three
// significant digits show ("12.30", "0.000123"): tiny chances keep their
// digits and the table still sorts the text by its numeric value.
std::string TestoCifre(double v, char separatore = '.');

}  // namespace ruotario
