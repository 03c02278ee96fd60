#include "IconeArdoine.h"

#include <QPainter>
#include <QPixmap>

namespace designer {

QIcon IconeArdoine() {
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(QColor(0x8b, 0x5a, 0x2b), 3));
    peintre.setBrush(QColor(0x2f, 0x3b, 0x40));
    peintre.drawRoundedRect(QRectF(2.5, 5.5, 27, 21), 2, 2);
    peintre.setPen(QPen(QColor(0xf0, 0xf0, 0xe8), 1.5));
    peintre.drawLine(QPointF(8, 12), QPointF(24, 12));
    peintre.drawLine(QPointF(8, 17), QPointF(20, 17));
    peintre.drawLine(QPointF(8, 22), QPointF(22, 22));
    return QIcon(image);
}

}  // namespace designer
