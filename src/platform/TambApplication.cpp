#include "TambApplication.h"

#include <QLibraryInfo>
#include <QLocale>
#include <csignal>

#include "ErrorReport.h"
#include "TambError.h"

namespace tamb {

namespace {

// Settings the window system reads when the application object starts.
int& beforeStart(int& argc) {
    // A game frame is a few small squares. Sent through the X socket they
    // cost less than the round trip to the X server that the shared-memory
    // path makes before every paint. A user's own setting wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    // A save past the file size limit must fail with an error the player
    // sees (EFBIG), not end the program by the signal the system sends.
    std::signal(SIGXFSZ, SIG_IGN);
    return argc;
}

}  // namespace

TambApplication::TambApplication(int& argc, char** argv) : QApplication(beforeStart(argc), argv) {
    // Without the translation package the buttons stay English.
    if (qtTexts_.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&qtTexts_);
}

bool TambApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const TambError& e) {
        ErrorReport::show(e.message());
    } catch (const std::exception& e) {
        ErrorReport::show(QString::fromLocal8Bit(e.what()));
    }
    return true;
}

}  // namespace tamb
