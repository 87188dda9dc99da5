#include "support/TestPaths.h"

const std::string& SourceDir() {
    static const std::string dir = QTR_SOURCE_DIR;
    return dir;
}

const std::string& BinDir() {
    static const std::string dir = QTR_BIN_DIR;
    return dir;
}
