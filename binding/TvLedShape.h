#pragma once

#include "values/TvSNMPLedColorMapList.h"

#include <QWidget>

// A front-panel LED: a filled rectangle or circle whose fill and outline take one colour. Repaints only
// when that colour changes, so a steady panel costs nothing.
class TvLedShape : public QWidget {
    Q_OBJECT

public:
    enum Kind { Rectangle, Circle };

    explicit TvLedShape(QWidget* parent, Kind kind = Rectangle);

    Kind ShapeKind() const { return kind_; }
    TvLedColor Color() const { return color_; }
    void SetColor(TvLedColor color);
    // Paint requests since construction (repaints scheduled by colour changes).
    int Repaints() const { return repaints_; }

    static QColor ToQColor(TvLedColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    TvLedColor color_ = kLedBlack;
    int repaints_ = 0;
};
