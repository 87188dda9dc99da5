#include "profile/TvSettingsFile.h"

#include <QFile>
#include <QStandardPaths>

namespace {
constexpr qint64 kMaxSize = 4 * 1024 * 1024;
}

bool TvSettingsFile::HoldsStreamedValues(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > kMaxSize)
        return true;
    return file.read(kMaxSize + 1).contains("@Variant(");
}

bool TvSettingsFile::SetAsideIfDamaged(const QString& path) {
    if (!HoldsStreamedValues(path))
        return false;
    const QString aside = path + ".damaged";
    QFile::remove(aside);
    return QFile::rename(path, aside);
}

QString TvSettingsFile::ProgramSettingsPath() {
    // Where QSettings("Tarvo", "qtr5190mx") keeps its file, found without opening it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Tarvo/qtr5190mx.conf";
}
