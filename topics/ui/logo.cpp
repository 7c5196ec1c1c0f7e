#include "topics/ui/logo.h"

#include <QFont>
#include <QPainter>

namespace topics {

QPixmap TopicsLogo() {
  QPixmap logo(96, 96);
  logo.fill(Qt::transparent);
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x33, 0x66, 0x99));
  p.drawEllipse(4, 4, 88, 88);
  p.setBrush(QColor(0xFF, 0xCC, 0x33));
  p.drawEllipse(22, 22, 52, 52);
  p.setPen(QColor(0x33, 0x66, 0x99));
  QFont font("Sans", 26, QFont::Bold);
  p.setFont(font);
  p.drawText(QRect(22, 22, 52, 52), Qt::AlignCenter, "O");
  return logo;
}

}  // namespace topics
