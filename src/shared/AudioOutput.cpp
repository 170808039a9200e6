#include "AudioOutput.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <vector>

#include "TambError.h"

namespace tamb {

void checkWaveFile(const QString& fileName) {
    QFile f(fileName);
    if (!f.exists()) throw TambError(QStringLiteral("Cannot open the sound \"%1\": the file does not exist.").arg(fileName));
    if (!f.open(QIODevice::ReadOnly))
        throw TambError(QStringLiteral("Cannot open the sound \"%1\": %2.").arg(fileName, f.errorString()));
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        throw TambError(QStringLiteral("Cannot open the sound \"%1\": not a WAV file.").arg(fileName));
}

namespace {

// A short beep kept in the program, played for a sound file that is missing.
const QUrl kDefaultSound(QStringLiteral("qrc:/tamb-sounds/default.wav"));

class SystemAudioOutput final : public AudioOutput {
public:
    Clip open(const QString& fileName) override {
        checkWaveFile(fileName);
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(fileName));
        clips_.push_back(std::move(effect));
        return static_cast<Clip>(clips_.size() - 1);
    }

    void play(Clip clip) override {
        if (clip < 0 || clip >= static_cast<Clip>(clips_.size())) return;
        QSoundEffect& effect = *clips_[static_cast<size_t>(clip)];
        if (!effect.isPlaying()) effect.play();
    }

    void playOneShot(const QString& fileName) override {
        if (current_) current_->stop();
        QUrl source = kDefaultSound;
        try {
            checkWaveFile(fileName);
            source = QUrl::fromLocalFile(fileName);
        } catch (const TambError&) {
            // Missing or broken: the default sound, silently.
        }
        auto& effect = oneShots_[source.toString()];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(source);
        }
        current_ = effect.get();
        current_->play();
    }

    void stop() override {
        if (current_) current_->stop();
        for (auto& c : clips_) c->stop();
    }

private:
    std::vector<std::unique_ptr<QSoundEffect>> clips_;
    std::map<QString, std::unique_ptr<QSoundEffect>> oneShots_;
    QSoundEffect* current_ = nullptr;
};

}  // namespace

std::unique_ptr<AudioOutput> makeSystemAudioOutput() { return std::make_unique<SystemAudioOutput>(); }

}  // namespace tamb
