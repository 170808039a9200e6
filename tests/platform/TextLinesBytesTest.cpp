// Text-line files keep the bytes of every line the program does not change,
// whatever their encoding, and reading the head of a file holds only the
// head in memory.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TextLines.h"

namespace TL = tamb::TextLines;

namespace {

QByteArray readBytes(const QString& fileName) {
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& fileName, const QByteArray& bytes) {
    QFile f(fileName);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The file as the game writes it back: the same lines, each ended by CR LF.
QByteArray withCrLf(QByteArray bytes) {
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    if (!bytes.isEmpty() && !bytes.endsWith('\n')) bytes += '\n';
    bytes.replace("\n", "\r\n");
    return bytes;
}

}  // namespace

TEST(TextLinesBytes, EveryByteSequenceWritesBackUnchanged) {
    QByteArray noise;
    quint32 h = 2166136261u;
    for (int i = 0; i < 4096; ++i) {
        h = h * 1664525u + 1013904223u;
        noise += char(h >> 24);
    }
    QByteArray allBytes;
    for (int b = 0; b < 256; ++b) allBytes += char(b);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"latin-1 line of the options file", QByteArray("1\r\n100\r\n1\r\n\xe9t\xe9\r\n")},
        {"cp1251 Russian", QByteArray("\xcf\xf0\xe8\xe2\xe5\xf2\r\n")},
        {"byte-order mark", QByteArray("\xef\xbb\xbf" "0102\r\n")},
        {"NUL inside a line", QByteArray("01\0" "02\r\n", 7)},
        {"cut-off sequence", QByteArray("\xe2\x82\r\n\xe2\r\n\xf0\x9f\x98")},
        {"overlong and surrogate forms", QByteArray("\xc0\x80 \xed\xa0\x80 \xf4\x90\x80\x80\r\n")},
        {"four-byte character", QByteArray("\xf0\x9f\x98\x80\r\n")},
        {"every byte value", allBytes},
        {"4 KB of noise", noise},
    };
    for (const auto& c : cases) {
        const QByteArray joined = TL::join(TL::split(c.bytes));
        EXPECT_EQ(joined, withCrLf(c.bytes)) << c.name;
        EXPECT_EQ(TL::split(joined), TL::split(c.bytes)) << c.name;
    }
}

TEST(TextLinesBytes, OptionsSavedOverAForeignFileKeepTheLinesTheyDoNotOwn) {
    QTemporaryDir dir;
    const QString cfg = dir.filePath("tamb.cfg");
    writeBytes(cfg, QByteArray("1\r\n100\r\n1\r\n\xe9t\xe9\r\n\xcf\xf0\xe8\r\n"));
    QStringList list = TL::read(cfg);
    list[1] = QStringLiteral("55");  // what Options OK changes
    TL::write(cfg, list);
    EXPECT_EQ(readBytes(cfg), QByteArray("1\r\n55\r\n1\r\n\xe9t\xe9\r\n\xcf\xf0\xe8\r\n"));
}

TEST(TextLinesBytes, TextIsUtf8BothWays) {
    const QString russian = QStringLiteral("Уровень пройден");
    const QByteArray bytes = TL::join({russian, QStringLiteral("\U0001F600")});
    EXPECT_EQ(bytes, russian.toUtf8() + "\r\n\xf0\x9f\x98\x80\r\n");
    EXPECT_EQ(TL::split(bytes), (QStringList{russian, QStringLiteral("\U0001F600")}));
    // A line of the level codec is its bytes, whatever the text looks like.
    const QByteArray raw("\xef\xbb\xbf" "01\xe9");
    EXPECT_EQ(TL::toBytes(TL::split(raw)), std::vector<std::string>{raw.toStdString()});
}

TEST(TextLinesBytes, ReadHeadKeepsTheFirstLinesCut) {
    QTemporaryDir dir;
    const QString f = dir.filePath("level1");
    // A CR at the end of the reader's first 64 KB and its LF after it are
    // one line end.
    QByteArray bytes(65535, '7');
    bytes += "\r\nab\rcd\n\nlast";
    const struct {
        qsizetype lines;
        qsizetype bytes;
        QStringList expected;
    } cases[] = {
        {2, 64, {QString(64, '7'), "ab"}},
        {10, 3, {"777", "ab", "cd", "", "las"}},
        {4, TL::kNoLimit, {QString(65535, '7'), "ab", "cd", ""}},
        {0, 64, {}},
    };
    writeBytes(f, bytes);
    for (const auto& c : cases) {
        EXPECT_EQ(TL::readHead(f, c.lines, c.bytes), c.expected) << c.lines << " lines of " << c.bytes;
        EXPECT_EQ(TL::split(bytes, c.lines, c.bytes), c.expected) << c.lines << " lines of " << c.bytes;
    }
    EXPECT_EQ(TL::read(f).size(), 5);
}

TEST(TextLinesBytes, ReadingTheHeadOfAHugeFileHoldsLittleMemory) {
    QTemporaryDir dir;
    const QString f = dir.filePath("level1");
    {
        QFile out(f);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        const QByteArray block = QByteArray(64, '2') + "\r\n";
        QByteArray chunk;
        for (int i = 0; i < 16 * 1024; ++i) chunk += block;  // about 1 MB
        for (int i = 0; i < 48; ++i) ASSERT_EQ(out.write(chunk), chunk.size());
    }
    // In a child, so the high-water mark of its memory is this read's alone.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        struct rusage before {}, after {};
        getrusage(RUSAGE_SELF, &before);
        const QStringList head = TL::readHead(f, 27, 64);
        getrusage(RUSAGE_SELF, &after);
        const long grownKb = after.ru_maxrss - before.ru_maxrss;
        _exit(head.size() == 27 && grownKb < 8 * 1024 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "reading 27 lines of a 48 MB file grew the process by 8 MB or more";
}
