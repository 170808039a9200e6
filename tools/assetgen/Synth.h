#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

namespace tamb::assetgen {

// A retro effects synthesizer. A *.sfx source lists notes:
//   rate <Hz>                 (default 22050)
//   peak <0..1>               loudest sample after mixing (default 0.8)
//   note <square|triangle|saw|sine|noise> freq <Hz> dur <s> [options]
// Note options: at <s> (start; default right after the previous note),
//   to <Hz> (pitch slide end), attack/decay/release <s>, sustain <0..1>,
//   vol <0..1>, duty <0..1> (square), vib <semitones> vibrate <Hz>,
//   arp <st,st,...> arprate <Hz>, trem <0..1> tremrate <Hz>, lowpass <Hz>.
// Noise holds a new random value every 1/freq seconds, so freq colours it.
class Synth {
public:
    // Renders the source to 16-bit mono samples.
    std::vector<int16_t> render(const QString& path, int* sampleRate) const;
    static QByteArray wav(const std::vector<int16_t>& samples, int sampleRate);
};

}  // namespace tamb::assetgen
