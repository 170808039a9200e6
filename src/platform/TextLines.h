#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace tamb {

// Whole-file text lines, the way every data file of the game is kept.
//
// A line keeps its exact bytes whatever 8-bit encoding the file uses:
// well-formed UTF-8 reads as the text it spells, and every other byte b
// reads as the lone surrogate U+DC00+b, which writing turns back into b.
// Lines the program does not change therefore go back to disk unchanged,
// and texts the program writes itself (Russian ones too) are UTF-8.
namespace TextLines {

// No limit for split() and readHead().
constexpr qsizetype kNoLimit = -1;

// The text of one line's bytes, and the bytes back from it.
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& line);
// The lines as byte strings, for the level codec.
std::vector<std::string> toBytes(const QStringList& lines);

// Splits text into lines: CR LF, a lone LF or a lone CR ends a line, and a
// last line without an end still counts. At most maxLines lines are kept,
// each cut after maxLineBytes bytes.
QStringList split(const QByteArray& bytes, qsizetype maxLines = kNoLimit, qsizetype maxLineBytes = kNoLimit);
// Joins lines, each (the last included) ended by CR LF.
QByteArray join(const QStringList& lines);

bool exists(const QString& fileName);
// Reads a whole file; throws TambError naming the file when it cannot.
QStringList read(const QString& fileName);
// Reads the first maxLines lines of a file, each cut after maxLineBytes
// bytes, and stops there: the rest of the file is never held in memory.
QStringList readHead(const QString& fileName, qsizetype maxLines, qsizetype maxLineBytes);
// Writes a whole file atomically: on failure the old file stays untouched
// and TambError names the file and the cause (full disk, file size limit,
// permission...).
void write(const QString& fileName, const QStringList& lines);

}  // namespace TextLines
}  // namespace tamb
