#include "app/ui/Finestre.h"

namespace ruotario {

void Finestre::registra(const QString& chiave, FabbricaFinestra fabbrica, Modo modo) {
  voci_[chiave] = Voce{std::move(fabbrica), modo};
}

const Finestre::Voce* Finestre::voce(const QString& chiave) const {
  const auto it = voci_.constFind(chiave);
  return it == voci_.cend() ? nullptr : &it.value();
}

QWidget* Finestre::istanza(const QString& chiave) const {
  const auto it = istanze_.constFind(chiave);
  return it == istanze_.cend() ? nullptr : it.value().data();
}

}  // namespace ruotario
