#include "binding/TvLedShape.h"
#include "guibase/TvPlainText.h"

#include <QPainter>

TvLedShape::TvLedShape(QWidget* parent, Kind kind) : QWidget(parent), kind_(kind) {
    // The shape covers its whole rectangle: nothing underneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent, kind == Rectangle);
}

QColor TvLedShape::ToQColor(TvLedColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QString TvLedShape::ColorName(TvLedColor color) {
    switch (color) {
    case kLedBlack:
        return "dark";
    case kLedGreen:
        return "green";
    case kLedOrange:
        return "orange";
    default:
        return ToQColor(color).name();
    }
}

void TvLedShape::SetName(const QString& name) {
    name_ = name;
    Describe(color_, false);
}

void TvLedShape::Describe(TvLedColor color, bool blinking) {
    if (name_.isEmpty())
        return;
    const bool dark = color == kLedBlack;
    const QString state = name_ + ": " + ColorName(color) + (blinking && !dark ? ", blinking" : "");
    if (state == state_)
        return;
    state_ = state;
    setToolTip(TvPlainText::ToolTip(state + (note_.isEmpty() ? QString() : QLatin1Char('\n') + note_)));
    setAccessibleName(state);
}

void TvLedShape::SetNote(const QString& note) {
    note_ = note;
    if (!state_.isEmpty())
        setToolTip(TvPlainText::ToolTip(state_ + (note_.isEmpty() ? QString() : QLatin1Char('\n') + note_)));
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
