#include "TextSource.h"

#include <QFile>

namespace tamb::assetgen {

void SourceLine::fail(const QString& why) const {
    throw SourceError(QStringLiteral("%1:%2: %3 (in \"%4\")").arg(file).arg(number).arg(why, raw.trimmed()));
}

const QString& SourceLine::word(int index) const {
    if (index < 0 || index >= words.size()) fail(QStringLiteral("missing value %1").arg(index));
    return words[index];
}

int SourceLine::integer(int index) const {
    bool ok = false;
    const int v = word(index).toInt(&ok);
    if (!ok) fail(QStringLiteral("'%1' is not a whole number").arg(word(index)));
    return v;
}

double SourceLine::real(int index) const {
    bool ok = false;
    const double v = word(index).toDouble(&ok);
    if (!ok) fail(QStringLiteral("'%1' is not a number").arg(word(index)));
    return v;
}

double SourceLine::option(const QString& key, double fallback) const {
    for (int i = 0; i + 1 < words.size(); ++i)
        if (words[i] == key) return real(i + 1);
    return fallback;
}

QString SourceLine::optionText(const QString& key, const QString& fallback) const {
    for (int i = 0; i + 1 < words.size(); ++i)
        if (words[i] == key) return words[i + 1];
    return fallback;
}

bool SourceLine::hasWord(const QString& key) const { return words.contains(key); }

QStringList splitWords(const QString& line) {
    QStringList out;
    QString cur;
    bool quoted = false, any = false;
    for (QChar c : line) {
        if (c == u'"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && c.isSpace()) {
            if (any) out << cur;
            cur.clear();
            any = false;
        } else {
            cur += c;
            any = true;
        }
    }
    if (any) out << cur;
    return out;
}

TextSource::TextSource(const QString& path) : path_(path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw SourceError(QStringLiteral("cannot read %1").arg(path));
    lines_ = QString::fromUtf8(f.readAll()).split(u'\n');
    for (QString& l : lines_)
        if (l.endsWith(u'\r')) l.chop(1);
    skipComments();
}

void TextSource::skipComments() {
    while (pos_ < lines_.size()) {
        const QString t = lines_[pos_].trimmed();
        if (!t.isEmpty() && !t.startsWith(u';')) break;
        ++pos_;
    }
}

bool TextSource::atEnd() const { return pos_ >= lines_.size(); }

SourceLine TextSource::next() {
    SourceLine l;
    l.file = path_;
    l.number = pos_ + 1;
    l.raw = lines_.value(pos_);
    // A ';' after the words starts a trailing comment.
    QString body = l.raw;
    bool quoted = false;
    for (int i = 0; i < body.size(); ++i) {
        if (body[i] == u'"') quoted = !quoted;
        if (!quoted && body[i] == u';') {
            body.truncate(i);
            break;
        }
    }
    l.words = splitWords(body);
    ++pos_;
    skipComments();
    return l;
}

QStringList TextSource::readRawUntilEnd(const SourceLine& header) {
    QStringList rows;
    while (pos_ < lines_.size()) {
        const QString& l = lines_[pos_++];
        if (l.trimmed() == QStringLiteral("end")) {
            skipComments();
            return rows;
        }
        rows << l;
    }
    header.fail(QStringLiteral("block has no 'end'"));
}

}  // namespace tamb::assetgen
