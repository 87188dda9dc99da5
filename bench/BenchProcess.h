#pragma once

#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <string>

// What a soak prints of the process: resident memory, heap in use and open descriptors.
namespace BenchProcess {

inline long ResidentKb() {
    std::ifstream in("/proc/self/status");
    std::string word;
    while (in >> word)
        if (word == "VmRSS:") {
            long kb = 0;
            in >> kb;
            return kb;
        }
    return -1;
}

// Bytes the program holds on the heap (allocated and not freed): flat when nothing leaks, whatever the
// allocator keeps of the freed memory in the resident figure.
inline long HeapInUseKb() {
    return static_cast<long>(mallinfo2().uordblks / 1024);
}

inline long OpenFds() {
    long n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

} // namespace BenchProcess
