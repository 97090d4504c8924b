#include "app/ui/Logo.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace ruotario {

QPixmap LogoRuotario(int lato) {
  QPixmap p(lato, lato);
  p.fill(Qt::transparent);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  const QRectF palla(lato * 0.04, lato * 0.04, lato * 0.92, lato * 0.92);
  QRadialGradient sfumatura(palla.center() - QPointF(lato * 0.18, lato * 0.2), lato * 0.62);
  sfumatura.setColorAt(0, QColor(0x4f, 0xb0, 0x6a));
  sfumatura.setColorAt(1, QColor(0x13, 0x5e, 0x32));
  g.setPen(QPen(QColor(0x0c, 0x3d, 0x20), lato / 48.0 + 0.5));
  g.setBrush(sfumatura);
  g.drawEllipse(palla);
  const QRectF disco(lato * 0.25, lato * 0.25, lato * 0.5, lato * 0.5);
  g.setPen(Qt::NoPen);
  g.setBrush(QColor(0xfb, 0xfb, 0xf5));
  g.drawEllipse(disco);
  QFont f = g.font();
  f.setBold(true);
  f.setPixelSize(qMax(6, static_cast<int>(lato * 0.27)));
  g.setFont(f);
  g.setPen(QColor(0x13, 0x5e, 0x32));
  g.drawText(disco, Qt::AlignCenter, QStringLiteral("90"));
  return p;
}

QIcon IconaArchivio() {
  QPixmap p(48, 48);
  p.fill(Qt::transparent);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QPen(QColor(0x3b, 0x4b, 0x5c), 2));
  g.setBrush(QColor(0xf4, 0xf6, 0xf8));
  g.drawRoundedRect(QRectF(6, 4, 36, 40), 4, 4);
  g.setPen(QPen(QColor(0x13, 0x5e, 0x32), 3));
  for (int i = 0; i < 4; ++i) g.drawLine(QPointF(13, 13 + i * 8), QPointF(35, 13 + i * 8));
  return QIcon(p);
}

}  // namespace ruotario
