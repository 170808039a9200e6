#pragma once
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace tamb::assetgen {

// One line of a source file split into words. Double quotes group words,
// so texts with spaces ("Password Scene Pic.bmp") stay one token.
struct SourceLine {
    QString file;
    int number = 0;
    QString raw;
    QStringList words;

    [[noreturn]] void fail(const QString& why) const;
    int integer(int index) const;
    double real(int index) const;
    const QString& word(int index) const;
    // Value after a keyword somewhere in the line ("dur 0.2"), or the fallback.
    double option(const QString& key, double fallback) const;
    QString optionText(const QString& key, const QString& fallback) const;
    bool hasWord(const QString& key) const;
};

class SourceError : public std::runtime_error {
public:
    explicit SourceError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Reads a text source: blank lines and lines starting with ';' are dropped
// unless rawBlocks is set by the caller for art rows (see readRawUntilEnd).
class TextSource {
public:
    explicit TextSource(const QString& path);

    bool atEnd() const;
    // Next meaningful line, split into words.
    SourceLine next();
    // Rows of pixel art up to a line that reads "end"; rows are kept verbatim.
    QStringList readRawUntilEnd(const SourceLine& header);

private:
    QString path_;
    QStringList lines_;
    int pos_ = 0;
    void skipComments();
};

QStringList splitWords(const QString& line);

}  // namespace tamb::assetgen
