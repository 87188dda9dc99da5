#pragma once

#include <QString>

// Checks of a Qt settings file before its values are read.
class TvSettingsFile {
public:
    // Whether the file holds a value Qt would rebuild from a data stream ("@Variant(...)"). Such a value
    // carries its own lengths, which Qt trusts: a damaged or hostile one asks for gigabytes and ends the
    // program. This program and the suite write none, so a file holding one is taken as damaged. A file
    // too large to be a settings file counts as damaged too; a missing one holds none.
    static bool HoldsStreamedValues(const QString& path);
    // Moves such a file aside as "<path>.damaged", so that no later read of the settings meets it. True
    // when it was moved.
    static bool SetAsideIfDamaged(const QString& path);
    // This program's own settings file (window places, switches used before).
    static QString ProgramSettingsPath();
};
