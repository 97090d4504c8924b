#include "archive/EditorGriglia.h"

#include <string>

#include "app/NumeriLotto.h"

namespace ruotario {

bool TestoAmmessoInCella(std::string_view testo) {
  // No canonical form of 1..90 is longer than two characters; this also keeps
  // long digit runs away from the value conversion.
  if (testo.empty() || testo.size() > 2) return false;
  const int valore = ValoreTesto(testo);
  if (valore < 1 || valore > 90) return false;
  return testo == std::to_string(valore) || testo == DueCifre(int{valore});
}

std::optional<CellaGriglia> MossaEditor(TastoEditor tasto, CellaGriglia c, int cursore, int lunghezza) {
  switch (tasto) {
    case TastoEditor::Destra:
      if (c.colonna < kUltimaColonnaGriglia && cursore == lunghezza) return CellaGriglia{c.riga, c.colonna + 1};
      break;
    case TastoEditor::Sinistra:
      if (cursore == 0 && c.colonna > 1) return CellaGriglia{c.riga, c.colonna - 1};
      break;
    case TastoEditor::Giu:
      if (c.riga < kUltimaRigaGriglia) return CellaGriglia{c.riga + 1, c.colonna};
      break;
    case TastoEditor::Su:
      if (c.riga > 1) return CellaGriglia{c.riga - 1, c.colonna};
      break;
    case TastoEditor::Invio:
      if (c.colonna < kUltimaColonnaGriglia) return CellaGriglia{c.riga, c.colonna + 1};
      if (c.riga < kUltimaRigaGriglia) return CellaGriglia{c.riga + 1, 1};
      break;
  }
  return std::nullopt;
}

}  // namespace ruotario
