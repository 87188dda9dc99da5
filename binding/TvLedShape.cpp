#include "binding/TvLedShape.h"

#include <QPainter>

TvLedShape::TvLedShape(QWidget* parent, Kind kind) : QWidget(parent), kind_(kind) {
    // The shape covers its whole rectangle: nothing underneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent, kind == Rectangle);
}

QColor TvLedShape::ToQColor(TvLedColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

void TvLedShape::SetColor(TvLedColor color) {
    if (color == color_)
        return;
    color_ = color;
    ++repaints_;
    update();
}

void TvLedShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor c = ToQColor(color_);
    painter.setPen(c);
    painter.setBrush(c);
    if (kind_ == Rectangle) {
        painter.fillRect(rect(), c);
    } else {
        painter.setRenderHint(QPainter::Antialiasing);
        const int side = std::min(width(), height());
        painter.drawEllipse(
            QRectF((width() - side) / 2.0 + 0.5, (height() - side) / 2.0 + 0.5, side - 1, side - 1));
    }
}
