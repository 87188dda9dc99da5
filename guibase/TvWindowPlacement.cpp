#include "guibase/TvWindowPlacement.h"

#include <QSettings>
#include <QWidget>

namespace {

// The per-user settings of the program (~/.config/Tarvo/qtr5190mx.conf), the group of window places.
QString Entry(const QString& key) {
    return QStringLiteral("WindowPlacement/") + key;
}

} // namespace

void TvWindowPlacement::Restore(QWidget& window, const QString& key) {
    if (key.isEmpty())
        return;
    const QByteArray saved = QSettings("Tarvo", "qtr5190mx").value(Entry(key)).toByteArray();
    if (!saved.isEmpty())
        window.restoreGeometry(saved);
}

void TvWindowPlacement::Save(const QWidget& window, const QString& key) {
    if (!key.isEmpty())
        QSettings("Tarvo", "qtr5190mx").setValue(Entry(key), window.saveGeometry());
}
