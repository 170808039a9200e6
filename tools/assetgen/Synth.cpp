#include "Synth.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "TextSource.h"

namespace tamb::assetgen {

namespace {

struct Note {
    QString wave;
    double at = 0, dur = 0.1, freq = 440, to = 0;
    double attack = 0.002, decay = 0, sustain = 1, release = 0.01, vol = 1, duty = 0.5;
    double vib = 0, vibRate = 6, trem = 0, tremRate = 8, arpRate = 15, lowpass = 0;
    std::vector<double> arp;
};

double envelope(const Note& n, double t) {
    double a;
    if (t < n.attack) a = t / n.attack;
    else if (t < n.attack + n.decay) a = 1 - (1 - n.sustain) * (t - n.attack) / n.decay;
    else a = n.sustain;
    const double left = n.dur - t;
    if (n.release > 0 && left < n.release) a *= std::max(0.0, left / n.release);
    return a;
}

void renderNote(const Note& n, int rate, std::vector<double>& mix) {
    constexpr double tau = 2 * std::numbers::pi;
    const int start = int(std::lround(n.at * rate));
    const int count = int(std::lround(n.dur * rate));
    if (start + count > int(mix.size())) mix.resize(size_t(start + count), 0.0);
    double phase = 0, held = 0, lp = 0;
    uint32_t noise = 0x2545F491u;
    const double lpA = n.lowpass > 0 ? 1 - std::exp(-tau * n.lowpass / rate) : 1;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        double f = n.freq;
        if (n.to > 0) f *= std::pow(n.to / n.freq, t / n.dur);
        if (n.vib != 0) f *= std::pow(2.0, n.vib / 12 * std::sin(tau * n.vibRate * t));
        if (!n.arp.empty()) f *= std::pow(2.0, n.arp[size_t(t * n.arpRate) % n.arp.size()] / 12);
        const double before = phase;
        phase += f / rate;
        phase -= std::floor(phase);
        double s;
        if (n.wave == QStringLiteral("square")) s = phase < n.duty ? 1 : -1;
        else if (n.wave == QStringLiteral("triangle")) s = 4 * std::abs(phase - 0.5) - 1;
        else if (n.wave == QStringLiteral("saw")) s = 2 * phase - 1;
        else if (n.wave == QStringLiteral("sine")) s = std::sin(tau * phase);
        else {
            if (phase < before || i == 0) {
                noise ^= noise << 13;
                noise ^= noise >> 17;
                noise ^= noise << 5;
                held = double(noise) / 2147483648.0 - 1.0;
            }
            s = held;
        }
        lp += lpA * (s - lp);
        double amp = envelope(n, t) * n.vol;
        if (n.trem > 0) amp *= 1 - n.trem * (0.5 + 0.5 * std::sin(tau * n.tremRate * t));
        mix[size_t(start + i)] += lp * amp;
    }
}

}  // namespace

std::vector<int16_t> Synth::render(const QString& path, int* sampleRate) const {
    TextSource src(path);
    int rate = 22050;
    double peak = 0.8, cursor = 0;
    std::vector<Note> notes;
    while (!src.atEnd()) {
        const SourceLine l = src.next();
        const QString& cmd = l.word(0);
        if (cmd == QStringLiteral("rate")) {
            rate = l.integer(1);
        } else if (cmd == QStringLiteral("peak")) {
            peak = l.real(1);
            if (peak <= 0 || peak > 0.97) l.fail(QStringLiteral("peak must be above 0 and at most 0.97"));
        } else if (cmd == QStringLiteral("note")) {
            Note n;
            n.wave = l.word(1);
            static const QStringList waves{"square", "triangle", "saw", "sine", "noise"};
            if (!waves.contains(n.wave)) l.fail(QStringLiteral("unknown waveform"));
            n.freq = l.option(QStringLiteral("freq"), n.freq);
            n.dur = l.option(QStringLiteral("dur"), n.dur);
            n.at = l.option(QStringLiteral("at"), cursor);
            n.to = l.option(QStringLiteral("to"), 0);
            n.attack = std::max(1e-4, l.option(QStringLiteral("attack"), n.attack));
            n.decay = l.option(QStringLiteral("decay"), n.decay);
            n.sustain = l.option(QStringLiteral("sustain"), n.sustain);
            n.release = l.option(QStringLiteral("release"), n.release);
            n.vol = l.option(QStringLiteral("vol"), n.vol);
            n.duty = l.option(QStringLiteral("duty"), n.duty);
            n.vib = l.option(QStringLiteral("vib"), 0);
            n.vibRate = l.option(QStringLiteral("vibrate"), n.vibRate);
            n.trem = l.option(QStringLiteral("trem"), 0);
            n.tremRate = l.option(QStringLiteral("tremrate"), n.tremRate);
            n.arpRate = l.option(QStringLiteral("arprate"), n.arpRate);
            n.lowpass = l.option(QStringLiteral("lowpass"), 0);
            const QString arp = l.optionText(QStringLiteral("arp"), QString());
            if (!arp.isEmpty())
                for (const QString& st : arp.split(u',')) n.arp.push_back(st.toDouble());
            if (n.dur <= 0 || n.freq <= 0) l.fail(QStringLiteral("freq and dur must be positive"));
            cursor = n.at + n.dur + l.option(QStringLiteral("gap"), 0);
            notes.push_back(n);
        } else {
            l.fail(QStringLiteral("expected rate, peak or note"));
        }
    }
    std::vector<double> mix;
    for (const Note& n : notes) renderNote(n, rate, mix);
    double top = 0;
    for (double s : mix) top = std::max(top, std::abs(s));
    const double gain = top > 0 ? peak / top : 0;
    std::vector<int16_t> out(mix.size());
    for (size_t i = 0; i < mix.size(); ++i) out[i] = int16_t(std::lround(mix[i] * gain * 32767.0));
    *sampleRate = rate;
    return out;
}

QByteArray Synth::wav(const std::vector<int16_t>& samples, int sampleRate) {
    QByteArray b;
    auto u32 = [&b](uint32_t v) { char c[4]; qToLittleEndian(v, c); b.append(c, 4); };
    auto u16 = [&b](uint16_t v) { char c[2]; qToLittleEndian(v, c); b.append(c, 2); };
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    b.append("RIFF", 4);
    u32(36 + dataBytes);
    b.append("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(uint32_t(sampleRate));
    u32(uint32_t(sampleRate) * 2);
    u16(2);
    u16(16);
    b.append("data", 4);
    u32(dataBytes);
    for (int16_t s : samples) u16(uint16_t(s));
    return b;
}

}  // namespace tamb::assetgen
