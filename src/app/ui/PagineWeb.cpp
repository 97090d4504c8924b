#include "app/ui/PagineWeb.h"

#include <QDir>

namespace ruotario {

QUrl IndirizzoPagina(const QString& azione, const QString& cartella) {
  for (const PaginaWeb& p : kPagineWeb) {
    if (azione != QLatin1String(p.azione)) continue;
    const QString indirizzo = QString::fromUtf8(p.indirizzo);
    if (!p.locale) return QUrl(indirizzo);
    QUrl url = QUrl::fromLocalFile(QDir(cartella).filePath(indirizzo.section('#', 0, 0)));
    if (indirizzo.contains('#')) url.setFragment(indirizzo.section('#', 1));
    return url;
  }
  return {};
}

}  // namespace ruotario
