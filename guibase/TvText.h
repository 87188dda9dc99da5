#pragma once

#include <QString>

#include <string>

// Core texts are bytes; every byte maps to one character and back.
inline QString FromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
inline std::string ToBytes(const QString& text) {
    return text.toLatin1().toStdString();
}
