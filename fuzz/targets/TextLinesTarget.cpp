// The text-line reader and writer every data file goes through, against a
// byte-wise model of the file: the lines end where the model says, each
// line gives back exactly the bytes it was read from (any encoding), a
// joined list is those bytes with CR LF after every line, and valid UTF-8
// reads as the text it spells.
#include <QStringDecoder>
#include <algorithm>

#include "FuzzSupport.h"

using namespace tamb;

namespace {

// An escape is a lone low surrogate in DC80..DCFF; the low half of a pair
// (a character beyond U+FFFF) may fall in that range too and is none.
bool hasEscape(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF) return true;
    }
    return false;
}

bool hasLoneSurrogate(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate()) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QStringList lines = TextLines::split(bytes);
    const std::vector<QByteArray> model = fuzz::byteLines(bytes);
    FUZZ_CHECK(static_cast<size_t>(lines.size()) == model.size());

    QByteArray expected;
    for (size_t i = 0; i < model.size(); ++i) {
        const QString& l = lines.at(static_cast<qsizetype>(i));
        FUZZ_CHECK(!l.contains(QLatin1Char('\r')) && !l.contains(QLatin1Char('\n')));
        FUZZ_CHECK(TextLines::encode(l) == model[i]);
        // Escapes stand for bytes that are no UTF-8, and only for those.
        const bool escaped = hasEscape(l);
        FUZZ_CHECK(escaped == !model[i].isValidUtf8());
        if (!escaped) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
            FUZZ_CHECK(l == QString(utf8.decode(model[i])));
        }
        expected += model[i] + "\r\n";
    }

    const QByteArray joined = TextLines::join(lines);
    FUZZ_CHECK(joined == expected);
    FUZZ_CHECK(TextLines::split(joined) == lines);

    // The head of the file, as the game reads a level: the first lines,
    // each cut after a number of bytes.
    if (size >= 2) {
        const qsizetype maxLines = data[0] % 32;
        const qsizetype maxBytes = data[1] % 80;
        const QStringList head = TextLines::split(bytes, maxLines, maxBytes);
        FUZZ_CHECK(head.size() == std::min<qsizetype>(maxLines, lines.size()));
        for (qsizetype i = 0; i < head.size(); ++i)
            FUZZ_CHECK(TextLines::encode(head.at(i)) == model[static_cast<size_t>(i)].left(maxBytes));
    }

    // Text the program makes itself (the input taken as UTF-16) is written
    // as UTF-8 and reads back the same.
    QString made;
    for (size_t i = 0; i + 1 < size; i += 2) made += QChar(char16_t(data[i] | (data[i + 1] << 8)));
    made.remove(QLatin1Char('\r'));
    made.remove(QLatin1Char('\n'));
    if (!made.isEmpty() && !hasLoneSurrogate(made)) {
        FUZZ_CHECK(TextLines::join({made}) == made.toUtf8() + "\r\n");
        FUZZ_CHECK(TextLines::split(TextLines::join({made})) == QStringList{made});
    }
    return 0;
}
