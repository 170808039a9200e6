#include "TambApplication.h"

#include "ErrorReport.h"
#include "TambError.h"

namespace tamb {

TambApplication::TambApplication(int& argc, char** argv) : QApplication(argc, argv) {}

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
