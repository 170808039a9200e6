#include "ScreenScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <vector>

namespace tamb {

int interfaceScaleFor(int screenWidth, int screenHeight) {
    return std::max(1, std::min(screenWidth / 642, screenHeight / 482));
}

void chooseInterfaceScale(int argc, char** argv) {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    int width = 0, height = 0;
    qreal platformRatio = 1.0;
    {
        // A short-lived application only to ask the platform for the screen;
        // it reads a copy of the arguments, as it removes the ones it knows.
        std::vector<char*> args(argv, argv + argc);
        args.push_back(nullptr);
        int count = argc;
        QGuiApplication probe(count, args.data());
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) return;
        platformRatio = screen->devicePixelRatio();
        width = static_cast<int>(screen->geometry().width() * platformRatio);
        height = static_cast<int>(screen->geometry().height() * platformRatio);
    }
    const int factor = interfaceScaleFor(width, height);
    // The platform may scale already (a high-DPI setting); ours comes on top.
    const qreal extra = factor / platformRatio;
    if (factor < 2 || extra <= 1.0) return;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(extra));
}

}  // namespace tamb
