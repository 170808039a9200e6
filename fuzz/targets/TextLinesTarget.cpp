// The text-line reader and writer every data file goes through: splitting
// follows the line ends (CR LF, lone LF, lone CR), joining ends every line
// with CR LF, and a joined list splits back to itself.
#include <QStringDecoder>

#include "FuzzSupport.h"

using namespace tamb;

namespace {

// Plain byte-wise model of the split: where the lines end and how long
// each one is in bytes.
std::vector<QByteArray> modelSplit(const QByteArray& b) {
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QStringList lines = TextLines::split(bytes);
    const std::vector<QByteArray> model = modelSplit(bytes);
    FUZZ_CHECK(static_cast<size_t>(lines.size()) == model.size());
    for (size_t i = 0; i < model.size(); ++i) {
        const QString& l = lines.at(static_cast<qsizetype>(i));
        FUZZ_CHECK(!l.contains(QLatin1Char('\r')) && !l.contains(QLatin1Char('\n')));
        // Every byte counts, a byte-order mark too.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        FUZZ_CHECK(l == QString(utf8.decode(model[i])));
    }

    const QByteArray joined = TextLines::join(lines);
    FUZZ_CHECK(joined.isEmpty() == lines.isEmpty());
    FUZZ_CHECK(lines.isEmpty() || joined.endsWith("\r\n"));
    FUZZ_CHECK(TextLines::split(joined) == lines);
    FUZZ_CHECK(TextLines::join(TextLines::split(joined)) == joined);

    // Valid UTF-8 text keeps every byte: only its line ends become CR LF.
    if (QString::fromUtf8(bytes).toUtf8() == bytes) {
        QByteArray expected;
        for (const QByteArray& m : model) expected += m + "\r\n";
        FUZZ_CHECK(joined == expected);
    }
    return 0;
}
