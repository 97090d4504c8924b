#include "systems/ui/GrigliaSistema.h"

#include <QStringList>
#include <algorithm>

#include "spy/ui/Griglia90.h"

namespace ruotario {

void MostraTabella(Griglia90& griglia, const TabellaSistema& tabella) {
  QStringList titoli;
  for (std::size_t c = 0; c < tabella.Intestazioni.size(); ++c) {
    const QString titolo = QString::fromStdString(tabella.Intestazioni[c]);
    qsizetype larghezza = titolo.size();
    for (const auto& riga : tabella.Righe)
      if (c < riga.size()) larghezza = std::max(larghezza, QString::fromStdString(riga[c]).size());
    const qsizetype margine = (larghezza - titolo.size()) / 2 + 2;
    titoli << QString(margine, QLatin1Char(' ')) + titolo +
                  QString(larghezza - titolo.size() - margine + 4, QLatin1Char(' '));
  }
  griglia.ImpostaFormato(titoli.join(QLatin1Char('|')));
  griglia.ImpostaRighe(tabella.Righe);
  griglia.scrollToTop();
}

}  // namespace ruotario
