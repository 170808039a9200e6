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

// A plain byte-wise model of a file's lines, apart from the code under
// test: CR LF, a lone CR or a lone LF ends a line; a last line without an
// end still counts.
inline std::vector<QByteArray> byteLines(const QByteArray& b) {
    std::vector<QByteArray> out;
    QByteArray cur;
    bool open = false;
    for (qsizetype i = 0; i < b.size(); ++i) {
        const char c = b[i];
        if (c == '\r' || c == '\n') {
            out.push_back(cur);
            cur.clear();
            open = false;
            if (c == '\r' && i + 1 < b.size() && b[i + 1] == '\n') ++i;
        } else {
            cur += c;
            open = true;
        }
    }
    if (open) out.push_back(cur);
    return out;
}

// A level file's lines as the editor hands them to the codec: the whole
// file, each line its bytes.
inline std::vector<std::string> levelLines(const QByteArray& bytes) { return TextLines::toBytes(TextLines::split(bytes)); }

}  // namespace tamb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
