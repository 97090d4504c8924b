#pragma once
// A table of the systems shown in a result grid: the headings padded with
// blanks to the widest cell, since the grid sizes each column by its heading.

#include "systems/TestiSistema.h"

namespace ruotario {

class Griglia90;

void MostraTabella(Griglia90& griglia, const TabellaSistema& tabella);

}  // namespace ruotario
