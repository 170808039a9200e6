#include "SoundEffects.h"

#include <QMetaObject>

#include "ErrorReport.h"
#include "TDataForm.h"

namespace tamb {

namespace {

using PlayerOf = MediaPlayer TDataForm::*;

struct PlayerEvent {
    std::string_view event;
    PlayerOf player;
};
struct FileEvent {
    std::string_view event;
    const char* file;
};

// Tested in this order.
constexpr PlayerEvent kUiPlayers[] = {
    {"OutOfScreen", &TDataForm::OutOfScreenSound},
    {"Showing", &TDataForm::ShowingSound},
    {"Fanfars", &TDataForm::FanfarsSound},
    {"Password", &TDataForm::PasswordSound},
};
constexpr FileEvent kUiFiles[] = {
    {"Pause", "Pause.wav"},
    {"LevelPassed", "LevelPassed.wav"},
    {"Printing", "MainMenuClick.wav"},
};
constexpr PlayerEvent kGamePlayers[] = {
    {"DoorAppears", &TDataForm::DoorAppearSound},
    {"OutOfScreen", &TDataForm::OutOfScreenSound},
};
constexpr FileEvent kGameFiles[] = {
    {"Klad", "Klad2.wav"},           {"Fire", "Fire2.wav"},       {"GoodMorning", "Goodmrng.wav"},
    {"ShetsAlive", "Laugh2.wav"},    {"ManCatched", "MwBimbo.wav"}, {"GameOver", "Scream.wav"},
    {"LevelPassed", "LevelPassed.wav"},
};

template <size_t N>
PlayerOf findPlayer(const PlayerEvent (&table)[N], std::string_view event) {
    for (const auto& e : table)
        if (e.event == event) return e.player;
    return nullptr;
}

template <size_t N>
const char* findFile(const FileEvent (&table)[N], std::string_view event) {
    for (const auto& e : table)
        if (e.event == event) return e.file;
    return nullptr;
}

QString soundFile(const TDataForm& data, const char* file) {
    return data.baseFolder() + QStringLiteral("/Sound/") + QLatin1String(file);
}

}  // namespace

void PlayUiSound(TDataForm& data, const QString& event) {
    if (!data.soundEnabled()) return;
    const QByteArray name = event.toUtf8();
    const std::string_view ev(name.constData(), static_cast<size_t>(name.size()));
    if (const PlayerOf p = findPlayer(kUiPlayers, ev)) {
        MediaPlayer& player = data.*p;
        if (!player.isOpen()) {
            ErrorReport::show(QStringLiteral("No MCI device open"));
            return;
        }
        player.play();
        return;
    }
    if (const char* file = findFile(kUiFiles, ev)) data.audio().playOneShot(soundFile(data, file));
}

void ThreadPlaysound(TDataForm& holder, std::string_view event) {
    if (!holder.soundEnabled()) return;
    // The data holder is the context of the queued call: the call is
    // dropped should it be gone by then.
    TDataForm* data = &holder;
    if (const PlayerOf p = findPlayer(kGamePlayers, event)) {
        QMetaObject::invokeMethod(
            data,
            [data, p] {
                MediaPlayer& player = data->*p;
                if (player.isOpen()) player.play();
            },
            Qt::QueuedConnection);
        return;
    }
    if (const char* file = findFile(kGameFiles, event)) {
        const QString fileName = soundFile(*data, file);
        QMetaObject::invokeMethod(
            data, [data, fileName] { data->audio().playOneShot(fileName); }, Qt::QueuedConnection);
    }
}

}  // namespace tamb
