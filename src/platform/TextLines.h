#pragma once
#include <QString>
#include <QStringList>

namespace tamb {

// Whole-file text lines, the way every data file of the game is kept.
namespace TextLines {

// Splits text into lines: CR LF, a lone LF or a lone CR ends a line, and a
// last line without an end still counts.
QStringList split(const QByteArray& bytes);
// Joins lines, each (the last included) ended by CR LF. Text is 8-bit;
// characters outside Latin-1 are written as UTF-8.
QByteArray join(const QStringList& lines);

bool exists(const QString& fileName);
// Reads a whole file; throws TambError naming the file when it cannot.
QStringList read(const QString& fileName);
// Writes a whole file atomically: on failure the old file stays untouched
// and TambError names the file and the reason.
void write(const QString& fileName, const QStringList& lines);

}  // namespace TextLines
}  // namespace tamb
