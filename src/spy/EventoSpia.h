#pragma once
// The spy test of one draw, for every spy kind.

#include "archive/Estrazione.h"
#include "spy/ParametriRicerca.h"

namespace ruotario {

// True when the draw is a case for the spy of `parametri` on its wheel.
// Places holding a value outside 1..90 take part in no test; Numero, Ambo
// and Terno compare the two stored characters with the spy's two-digit text.
bool EventoSpia(const ParametriRicerca& parametri, const Estrazione& estrazione);

// Value of a pair of places (i earlier, j later) for the pair kinds; the
// caller has checked both values are in 1..90.
int ValoreCoppia(TipoSpia tipo, int vi, int vj);

}  // namespace ruotario
