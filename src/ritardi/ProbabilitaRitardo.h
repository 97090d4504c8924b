#pragma once
// What chance alone says about a delay: in one draw of a wheel a given number
// stays out with probability 85/90 = 17/18, a given pair with 1 - C(88,3)/C(90,5)
// = 1 - 2/801, draw after draw independently.

#include <string>

namespace ruotario {

inline constexpr double kAssenzaNumero = 17.0 / 18.0;
inline constexpr double kAssenzaAmbo = 1.0 - 2.0 / 801.0;

// Probability that one given number (or pair) stays out for at least `ritardo` draws.
double ProbabilitaRitardo(int ritardo, bool ambo);

// Expected count, among `quanti` numbers (or pairs) watched, of those at least
// `ritardo` draws overdue by chance.
double AttesiPerCaso(int ritardo, bool ambo, int quanti);

// v in fixed notation with two decimals, more below 1 so that three
// significant digits show ("12.30", "0.000123"): tiny chances keep their
// digits and the table still sorts the text by its numeric value.
std::string TestoCifre(double v, char separatore = '.');

}  // namespace ruotario
