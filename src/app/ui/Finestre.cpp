#include "app/ui/Finestre.h"

#include <QMdiSubWindow>

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
  QWidget* w = it == istanze_.cend() ? nullptr : it.value().data();
  if (!w) return nullptr;
  // A closed window may still await its deletion; it no longer counts as open.
  const QWidget* cornice = qobject_cast<QMdiSubWindow*>(w->parentWidget());
  return (cornice ? cornice : w)->isHidden() ? nullptr : w;
}

}  // namespace ruotario
