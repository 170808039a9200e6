#include "TDataForm.h"

#include <QDir>

#include "ErrorReport.h"
#include "TambError.h"

namespace tamb {

namespace {

// A level held before any file is read; level setup replaces it whole.
QStringList sampleLevel() {
    QStringList lines;
    const QString wall = QStringLiteral("26").repeated(32);
    lines << wall;
    for (int r = 1; r < 21; ++r) {
        QString row = QStringLiteral("25");
        for (int c = 1; c < 31; ++c) {
            if (r == 20) row += QStringLiteral("22");
            else if (r == 19 && c == 15) row += QStringLiteral("01");
            else row += QStringLiteral("00");
        }
        row += QStringLiteral("25");
        lines << row;
    }
    lines << wall;
    lines << QStringLiteral("0502") << QStringLiteral("30023005") << QStringLiteral("0502") << QStringLiteral("3002");
    return lines;
}

}  // namespace

TDataForm::TDataForm(AppContext& ctx, std::unique_ptr<AudioOutput> audio)
    : ctx_(ctx), baseFolder_(QDir::currentPath()), audio_(audio ? std::move(audio) : makeSystemAudioOutput()) {
    setWindowTitle(QStringLiteral("DataForm"));
    resize(432, 211);
    LevelData = sampleLevel();
    LB1 = QStringList{QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("1"), {}, {}, {}, {}, {}, {}, {}, {}};
    FormCreate();
}

TDataForm::~TDataForm() = default;

void TDataForm::FormCreate() {
    const QString folder = baseFolder_ + QStringLiteral("/Sound/");
    ShowingSound.setFileName(folder + QStringLiteral("mwpunch.wav"));
    FanfarsSound.setFileName(folder + QStringLiteral("spike.wav"));
    PasswordSound.setFileName(folder + QStringLiteral("password.wav"));
    OutOfScreenSound.setFileName(folder + QStringLiteral("OutOfScreen.wav"));
    DoorAppearSound.setFileName(folder + QStringLiteral("DoorAppears.wav"));
    try {
        for (MediaPlayer* p : {&ShowingSound, &FanfarsSound, &PasswordSound, &OutOfScreenSound, &DoorAppearSound})
            p->open(*audio_);
    } catch (const TambError& e) {
        // Start-up goes on; the players not yet opened stay closed.
        ErrorReport::show(e.message());
    }
}

}  // namespace tamb
