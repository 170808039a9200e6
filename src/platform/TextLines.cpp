#include "TextLines.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include "TambError.h"

namespace tamb::TextLines {

namespace {
// Each line keeps all its bytes: a byte-order mark at a line's start is
// text like any other, so a line read and written back stays the same.
QString decodeLine(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}
}  // namespace

QStringList split(const QByteArray& bytes) {
    QStringList lines;
    QByteArray current;
    const int n = bytes.size();
    for (int i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines << decodeLine(current);
            current.clear();
            if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    if (!current.isEmpty()) lines << decodeLine(current);
    return lines;
}

QByteArray join(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines) {
        out += l.toUtf8();
        out += "\r\n";
    }
    return out;
}

bool exists(const QString& fileName) { return QFileInfo(fileName).isFile(); }

QStringList read(const QString& fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw TambError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    return split(f.readAll());
}

void write(const QString& fileName, const QStringList& lines) {
    QSaveFile f(fileName);
    const QByteArray data = join(lines);
    // Unbuffered, so a short write is seen here rather than lost in a flush.
    const bool ok = f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && f.write(data) == data.size() &&
                    f.error() == QFileDevice::NoError;
    if (!ok) f.cancelWriting();
    if (!ok || !f.commit())
        throw TambError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, f.errorString()));
}

}  // namespace tamb::TextLines
