#include <QIcon>

#include "ScreenScale.h"
#include "TambApplication.h"
#include "TambForms.h"

int main(int argc, char** argv) {
    // Must be chosen before the application object exists.
    tamb::chooseInterfaceScale(argc, argv);
    tamb::TambApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tamb"));
    app.setWindowIcon(QIcon(QStringLiteral(":/pics/icon.png")));
    tamb::TambForms forms;
    forms.start();
    return app.exec();
}
