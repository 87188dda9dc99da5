#pragma once

#include <QString>

class QWidget;

// Where each window was last, per user and per menu entry: a window opens where the operator left it, and
// on the screen when the screens have changed since (Qt's restore moves it there).
class TvWindowPlacement {
public:
    // Puts `window` where it was when it was last saved under `key`; nothing when it never was.
    static void Restore(QWidget& window, const QString& key);
    static void Save(const QWidget& window, const QString& key);
};
