#include "archive/Estrazione.h"

#include "app/NumeriLotto.h"

namespace ruotario {

int Estrazione::Valore(int r, int k) const { return ValoreTesto(TestoNumero(r, k)); }

}  // namespace ruotario
