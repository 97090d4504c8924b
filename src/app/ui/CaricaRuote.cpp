#include "app/ui/CaricaRuote.h"

#include <QComboBox>

#include "app/NumeriLotto.h"

namespace ruotario {

void CaricaRuote(QComboBox& lista) {
  lista.clear();
  for (const std::string_view nome : kNomiRuote)
    lista.addItem(QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size())));
}

}  // namespace ruotario
