#include "workspace-window/TickPicture.h"

#include <QPainter>

namespace {
QPixmap drawTick(bool ticked) {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(1, 1, 15, 15);
    if (ticked) {
        painter.setPen(QPen(QColor(0, 128, 0), 2.5));
        painter.drawPolyline(QPolygonF({QPointF(4, 9), QPointF(7.5, 13), QPointF(14, 4)}));
    }
    return pixmap;
}
} // namespace

TickPicture::TickPicture(QWidget* parent) : QLabel(parent) {
    showValue(QString());
}

void TickPicture::showValue(const QString& value) {
    m_ticked = value == QStringLiteral("ΝΑΙ");
    setPixmap(drawTick(m_ticked));
}
