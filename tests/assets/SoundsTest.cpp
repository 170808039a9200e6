// The sound effects as the platform's WAV players read them.
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

#include "BuiltFiles.h"

using namespace tamb::test;

namespace {

struct Wav {
    QString error;
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<int16_t> samples;
    double seconds() const { return rate ? double(samples.size()) / rate : 0; }
    int peak() const {
        int p = 0;
        for (int16_t s : samples) p = std::max(p, std::abs(int(s)));
        return p;
    }
};

// Walks the RIFF chunks rather than trusting fixed offsets.
Wav readWav(const QByteArray& b) {
    Wav w;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") {
        w.error = QStringLiteral("not RIFF/WAVE");
        return w;
    }
    if (qFromLittleEndian<uint32_t>(b.constData() + 4) != uint32_t(b.size() - 8)) w.error = QStringLiteral("RIFF size wrong");
    int pos = 12;
    bool haveFmt = false;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const int len = int(qFromLittleEndian<uint32_t>(b.constData() + pos + 4));
        const char* d = b.constData() + pos + 8;
        if (pos + 8 + len > b.size()) {
            w.error = QStringLiteral("chunk runs past the end");
            return w;
        }
        if (id == "fmt ") {
            w.format = qFromLittleEndian<uint16_t>(d);
            w.channels = qFromLittleEndian<uint16_t>(d + 2);
            w.rate = int(qFromLittleEndian<uint32_t>(d + 4));
            w.bits = qFromLittleEndian<uint16_t>(d + 14);
            const uint32_t byteRate = qFromLittleEndian<uint32_t>(d + 8);
            if (byteRate != uint32_t(w.rate * w.channels * w.bits / 8)) w.error = QStringLiteral("byte rate wrong");
            haveFmt = true;
        } else if (id == "data") {
            if (!haveFmt) w.error = QStringLiteral("data before fmt");
            for (int i = 0; i + 1 < len; i += 2) w.samples.push_back(qFromLittleEndian<int16_t>(d + i));
        }
        pos += 8 + len + (len & 1);
    }
    return w;
}

struct Expected {
    const char* file;
    double maxSeconds;
};

const Expected kSounds[] = {
    {"mwpunch.wav", 1.5},  {"spike.wav", 3.0},       {"password.wav", 1.5}, {"OutOfScreen.wav", 1.5},
    {"DoorAppears.wav", 1.5}, {"Pause.wav", 1.5},    {"LevelPassed.wav", 3.0}, {"MainMenuClick.wav", 1.5},
    {"Klad2.wav", 1.5},    {"Fire2.wav", 1.5},       {"Goodmrng.wav", 1.5}, {"Laugh2.wav", 1.5},
    {"MwBimbo.wav", 1.5},  {"Scream.wav", 1.5},
};

TEST(Sounds, EverySoundIsA16BitMonoPcmWav) {
    for (const Expected& e : kSounds) {
        SCOPED_TRACE(e.file);
        const Wav w = readWav(readAll(gamedataPath(QStringLiteral("Sound/") + QLatin1String(e.file))));
        EXPECT_TRUE(w.error.isEmpty()) << w.error.toStdString();
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_GE(w.rate, 11025);
        EXPECT_LE(w.rate, 48000);
    }
}

TEST(Sounds, LengthsFitTheirEvents) {
    for (const Expected& e : kSounds) {
        const Wav w = readWav(readAll(gamedataPath(QStringLiteral("Sound/") + QLatin1String(e.file))));
        EXPECT_GT(w.seconds(), 0.01) << e.file;
        EXPECT_LE(w.seconds(), e.maxSeconds) << e.file;
    }
    // The click must stay a click; the fanfare and the jingle are longer tunes.
    EXPECT_LE(readWav(readAll(gamedataPath(QStringLiteral("Sound/MainMenuClick.wav")))).seconds(), 0.1);
    EXPECT_GE(readWav(readAll(gamedataPath(QStringLiteral("Sound/spike.wav")))).seconds(), 1.0);
    EXPECT_GE(readWav(readAll(gamedataPath(QStringLiteral("Sound/LevelPassed.wav")))).seconds(), 0.8);
}

TEST(Sounds, LoudButNeverClipped) {
    for (const Expected& e : kSounds) {
        const Wav w = readWav(readAll(gamedataPath(QStringLiteral("Sound/") + QLatin1String(e.file))));
        EXPECT_LT(w.peak(), 32767 * 97 / 100) << e.file;
        EXPECT_GT(w.peak(), 32767 / 3) << e.file;
        // Starts and ends near silence, so no click at the cut.
        ASSERT_FALSE(w.samples.empty());
        EXPECT_LT(std::abs(int(w.samples.back())), 2000) << e.file;
    }
}

}  // namespace
