#include "TextLines.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "TambError.h"

namespace tamb::TextLines {

namespace {

// Lone surrogates U+DC80..U+DCFF carry the bytes that are not UTF-8.
constexpr char16_t kEscapeBase = 0xDC00;

// Length of the well-formed UTF-8 sequence at s[i] (1 to 4), or 0 when the
// byte there does not start one. Overlong forms, surrogates and code points
// above U+10FFFF are not well-formed.
int sequenceLength(const uchar* s, qsizetype i, qsizetype n) {
    const uchar b = s[i];
    if (b < 0x80) return 1;
    auto cont = [&](qsizetype k, uchar lo = 0x80, uchar hi = 0xBF) { return i + k < n && s[i + k] >= lo && s[i + k] <= hi; };
    if (b >= 0xC2 && b <= 0xDF) return cont(1) ? 2 : 0;
    if (b == 0xE0) return cont(1, 0xA0) && cont(2) ? 3 : 0;
    if (b == 0xED) return cont(1, 0x80, 0x9F) && cont(2) ? 3 : 0;
    if (b >= 0xE1 && b <= 0xEF) return cont(1) && cont(2) ? 3 : 0;
    if (b == 0xF0) return cont(1, 0x90) && cont(2) && cont(3) ? 4 : 0;
    if (b >= 0xF1 && b <= 0xF3) return cont(1) && cont(2) && cont(3) ? 4 : 0;
    if (b == 0xF4) return cont(1, 0x80, 0x8F) && cont(2) && cont(3) ? 4 : 0;
    return 0;
}

char32_t codePoint(const uchar* s, int length) {
    switch (length) {
        case 1: return s[0];
        case 2: return (char32_t(s[0] & 0x1F) << 6) | (s[1] & 0x3F);
        case 3: return (char32_t(s[0] & 0x0F) << 12) | (char32_t(s[1] & 0x3F) << 6) | (s[2] & 0x3F);
        default:
            return (char32_t(s[0] & 0x07) << 18) | (char32_t(s[1] & 0x3F) << 12) | (char32_t(s[2] & 0x3F) << 6) |
                   (s[3] & 0x3F);
    }
}

void appendUtf8(QByteArray& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Cuts a stream of bytes into lines; fed in pieces, so a CR at the end of
// one piece and an LF at the start of the next still make one line end.
class LineSplitter {
public:
    LineSplitter(qsizetype maxLines, qsizetype maxLineBytes) : maxLines_(maxLines), maxLineBytes_(maxLineBytes) {}

    bool full() const { return maxLines_ >= 0 && lines_.size() >= maxLines_; }

    void feed(const char* data, qsizetype n) {
        for (qsizetype i = 0; i < n && !full(); ++i) {
            const char c = data[i];
            if (afterCr_) {
                afterCr_ = false;
                if (c == '\n') continue;
            }
            if (c == '\r' || c == '\n') {
                lines_ << decode(current_);
                current_.clear();
                open_ = false;
                afterCr_ = c == '\r';
            } else {
                open_ = true;
                if (maxLineBytes_ < 0 || current_.size() < maxLineBytes_) current_ += c;
            }
        }
    }

    QStringList finish() {
        if (open_ && !full()) lines_ << decode(current_);
        open_ = false;
        return std::move(lines_);
    }

private:
    qsizetype maxLines_;
    qsizetype maxLineBytes_;
    QStringList lines_;
    QByteArray current_;
    bool open_ = false;
    bool afterCr_ = false;
};

// Why a file operation failed, in the player's words where the cause is a
// common one.
QString failureCause(int errorNumber) {
    switch (errorNumber) {
        case ENOSPC: return QStringLiteral("The disk is full.");
        case EDQUOT: return QStringLiteral("The disk quota is used up.");
        case EFBIG: return QStringLiteral("The file would be larger than the file size limit allows.");
        case EACCES:
        case EPERM: return QStringLiteral("Permission denied.");
        case EROFS: return QStringLiteral("The disk is read-only.");
        case ENOENT: return QStringLiteral("No such file or folder.");
        default: return QString::fromLocal8Bit(std::strerror(errorNumber)) + u'.';
    }
}

}  // namespace

QString decode(const QByteArray& bytes) {
    const auto* s = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    QString out;
    out.reserve(n);
    for (qsizetype i = 0; i < n;) {
        const int length = sequenceLength(s, i, n);
        if (length == 0) {
            out += QChar(char16_t(kEscapeBase + s[i]));
            ++i;
            continue;
        }
        const char32_t c = codePoint(s + i, length);
        if (QChar::requiresSurrogates(c)) {
            out += QChar(QChar::highSurrogate(c));
            out += QChar(QChar::lowSurrogate(c));
        } else {
            out += QChar(char16_t(c));
        }
        i += length;
    }
    return out;
}

QByteArray encode(const QString& line) {
    QByteArray out;
    out.reserve(line.size());
    const qsizetype n = line.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = line.at(i).unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(line.at(i + 1).unicode())) {
            appendUtf8(out, QChar::surrogateToUcs4(u, line.at(i + 1).unicode()));
            ++i;
        } else if (u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF) {
            out += char(u - kEscapeBase);
        } else if (QChar::isSurrogate(u)) {
            appendUtf8(out, QChar::ReplacementCharacter);  // half a pair the program made: no bytes to give back
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

std::vector<std::string> toBytes(const QStringList& lines) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& l : lines) out.push_back(encode(l).toStdString());
    return out;
}

QStringList split(const QByteArray& bytes, qsizetype maxLines, qsizetype maxLineBytes) {
    LineSplitter splitter(maxLines, maxLineBytes);
    splitter.feed(bytes.constData(), bytes.size());
    return splitter.finish();
}

QByteArray join(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines) {
        out += encode(l);
        out += "\r\n";
    }
    return out;
}

bool exists(const QString& fileName) { return QFileInfo(fileName).isFile(); }

QStringList read(const QString& fileName) { return readHead(fileName, kNoLimit, kNoLimit); }

QStringList readHead(const QString& fileName, qsizetype maxLines, qsizetype maxLineBytes) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw TambError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    LineSplitter splitter(maxLines, maxLineBytes);
    char buffer[64 * 1024];
    while (!splitter.full()) {
        const qint64 n = f.read(buffer, sizeof buffer);
        if (n < 0)
            throw TambError(QStringLiteral("Cannot read file \"%1\". %2").arg(fileName, f.errorString()));
        if (n == 0) break;
        splitter.feed(buffer, n);
    }
    return splitter.finish();
}

void write(const QString& fileName, const QStringList& lines) {
    const QByteArray data = join(lines);
    QSaveFile f(fileName);
    auto fail = [&](int errorNumber) {
        f.cancelWriting();
        throw TambError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, failureCause(errorNumber)));
    };
    errno = 0;
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // The library leaves the system's reason in errno; where it has
        // none, its own words serve.
        const int openError = errno;
        if (openError == 0)
            throw TambError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, f.errorString()));
        fail(openError);
    }
    // Written through the descriptor, so the system's own reason for a short
    // write is at hand rather than only the library's summary of it.
    const int fd = f.handle();
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail(n < 0 ? errno : ENOSPC);
        p += n;
        left -= n;
    }
    // Some file systems report a full disk only when the data reaches it.
    if (::fsync(fd) != 0) fail(errno);
    if (!f.commit())
        throw TambError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, f.errorString()));
}

}  // namespace tamb::TextLines
