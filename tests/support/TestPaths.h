#pragma once

#include <string>

// Where the project's sources and its built programs are. Only this header's unit is compiled with the
// paths: on every other unit's command line they would key the compiler cache to the clone's folder, and
// a fresh clone would compile every test again.
const std::string& SourceDir();
const std::string& BinDir();
