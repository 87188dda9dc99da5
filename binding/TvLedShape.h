#pragma once

#include "values/TvSNMPLedColorMapList.h"

#include <QString>
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

    // What the LED stands for ("Port 5", "Power"); with it the tooltip and the accessible name tell
    // its state: "Port 5: green, blinking".
    void SetName(const QString& name);
    QString Name() const { return name_; }
    void Describe(TvLedColor color, bool blinking);
    // A line the tooltip adds below the state (the last notification about the port); empty for none.
    void SetNote(const QString& note);
    QString Note() const { return note_; }
    // "dark" for black, "green", "orange", otherwise the colour's #rrggbb.
    static QString ColorName(TvLedColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    TvLedColor color_ = kLedBlack;
    int repaints_ = 0;
    QString name_;
    QString state_;
    QString note_;
};
