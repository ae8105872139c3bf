#pragma once
// Shared by the fuzz targets: turning the fuzzer's bytes into the program's
// inputs, and a check that stops the run when an expectation fails.
#include "data/textfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace lumo::fuzz {

inline QByteArrayView bytesOf(const uint8_t* data, size_t size)
{
    return {reinterpret_cast<const char*>(data), qsizetype(size)};
}

// The input read as the program reads a file of the program folder.
inline QString fileText(const uint8_t* data, size_t size)
{
    return decodeCp932(bytesOf(data, size)).text;
}

[[noreturn]] inline void failed(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: expectation failed: %s\n", file, line, what);
    std::abort();
}

} // namespace lumo::fuzz

#define FUZZ_EXPECT(condition)                                                                                         \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            ::lumo::fuzz::failed(#condition, __FILE__, __LINE__);                                                      \
    } while (false)
