#pragma once
// Shared by the fuzz targets and their replay program.
#include <QByteArray>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "TextLines.h"

// A broken invariant is a crash for the fuzzer, with the reason printed.
#define FUZZ_CHECK(cond)                                                                        \
    do {                                                                                        \
        if (!(cond)) {                                                                          \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)

namespace tamb::fuzz {

inline QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A level file's lines as the game screen and the editor hand them to the
// codec: read as text lines, each taken as UTF-8.
inline std::vector<std::string> levelLines(const QByteArray& bytes) {
    std::vector<std::string> out;
    for (const QString& l : TextLines::split(bytes)) out.push_back(l.toStdString());
    return out;
}

}  // namespace tamb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
